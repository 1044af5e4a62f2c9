#include "toolkit/RVADM_PictureLoader.h"

#include "toolkit/internal/RVADM_BuiltinPictures.h"
#include "toolkit/internal/RVADM_ResourceSource.h"

#include <QBuffer>
#include <QImage>
#include <QPixmapCache>

#include <gtest/gtest.h>

#include <climits>
#include <algorithm>
#include <cmath>
#include <map>
#include <memory>
#include <string>
#include <tuple>
#include <vector>

using qRVADM::RVADM_PictureLoader;

namespace {

QByteArray Png(int width, int height, QColor colour)
{
    QImage image(width, height, QImage::Format_ARGB32);
    image.fill(colour);
    QByteArray data;
    QBuffer buffer(&data);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    return data;
}

QColor Colour(const QPixmap& pixmap)
{
    return pixmap.toImage().pixelColor(0, 0);
}

// Plug-in resources in memory; records every query as "TYPE id" or "TYPE name".
class FakeResources final : public qRVADM::internal::RVADM_ResourceSource
{
public:
    QByteArray FindById(const char* type, std::int32_t id) const override
    {
        return Answer(std::string(type) + " " + std::to_string(id));
    }

    QByteArray FindByName(const char* type, const QString& name) const override
    {
        return Answer(std::string(type) + " " + name.toStdString());
    }

    std::map<std::string, QByteArray> resources;
    mutable std::vector<std::string> queries;

private:
    QByteArray Answer(const std::string& query) const
    {
        queries.push_back(query);
        const auto found = resources.find(query);
        return found == resources.end() ? QByteArray() : found->second;
    }
};

// The manager library's side: the host theme and built-in icons by (id, dark, scale).
class FakeBuiltins final : public qRVADM::internal::RVADM_BuiltinPictures
{
public:
    using Query = std::tuple<std::int32_t, bool, double>;

    bool IsHostDark() const override { return hostDark; }

    QByteArray Find(std::int32_t id, bool dark, double scale) const override
    {
        queries.emplace_back(id, dark, scale);
        const auto found = icons.find({id, dark, scale});
        return found == icons.end() ? QByteArray() : found->second;
    }

    bool hostDark = false;
    std::map<Query, QByteArray> icons;
    mutable std::vector<Query> queries;
};

class PictureLoaderTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        QPixmapCache::clear();
        auto resources = std::make_unique<FakeResources>();
        auto builtins = std::make_unique<FakeBuiltins>();
        m_resources = resources.get();
        m_builtins = builtins.get();
        m_loader = std::make_unique<RVADM_PictureLoader>(std::move(resources), std::move(builtins));
    }

    void SetTable(const char* text) { m_resources->resources["txt IDToFile"] = QByteArray(text); }

    FakeResources* m_resources = nullptr;
    FakeBuiltins* m_builtins = nullptr;
    std::unique_ptr<RVADM_PictureLoader> m_loader;
};

} // namespace

// --- Effective ids and sources -----------------------------------------------------------------

struct EffectiveCase
{
    std::int32_t id;
    double scale;
    bool dark;
    std::int32_t effective;
};

class PictureLoaderEffectiveId : public ::testing::TestWithParam<EffectiveCase>
{
};

TEST_P(PictureLoaderEffectiveId, AddsThemeAndDensityOffsets)
{
    const EffectiveCase& c = GetParam();
    EXPECT_EQ(RVADM_PictureLoader::EffectiveId(c.id, c.scale, c.dark), c.effective);
}

const EffectiveCase kEffectiveCases[] = {
    {16028, 2.0, true, 22028},  {16028, 1.0, true, 18028},  {16028, 1.0, false, 17028},
    {16028, 2.0, false, 21028}, {16000, 1.0, false, 17000}, {16999, 1.0, true, 18999},
    {15999, 1.0, true, 15999},  {17000, 1.0, true, 17000},  {17000, 2.0, true, 21000},
    {500, 2.0, false, 4500},    {500, 1.0, true, 500},      {16204, 1.5, false, 21204},
};
INSTANTIATE_TEST_SUITE_P(Table, PictureLoaderEffectiveId, ::testing::ValuesIn(kEffectiveCases));

TEST(PictureLoaderIds, BuiltinRangesAreThoseOfTheManagerLibrary)
{
    const std::pair<std::int32_t, bool> cases[] = {
        {15999, false}, {16000, true},  {16099, true},  {16100, false}, {16799, false},
        {16800, true},  {16899, true},  {16900, false}, {17028, false}, {-16000, false},
    };
    for (const auto& [id, builtin] : cases)
        EXPECT_EQ(RVADM_PictureLoader::IsBuiltinId(id), builtin) << id;
    EXPECT_FALSE(RVADM_PictureLoader::EffectiveId(INT_MAX - 3999, 2.0, false).has_value());
    EXPECT_EQ(RVADM_PictureLoader::EffectiveId(INT_MAX - 4000, 2.0, false), INT_MAX);
}

TEST_F(PictureLoaderTest, BuiltinIconIsAskedWithTheRequestedIdAndFallsBackToScale1)
{
    m_builtins->icons[{16028, true, 2.0}] = Png(32, 32, Qt::blue);
    m_builtins->icons[{16028, false, 1.0}] = Png(16, 16, Qt::blue);
    EXPECT_EQ(m_loader->Load(16028, 2.0, 3).devicePixelRatio(), 2.0);
    EXPECT_EQ(m_loader->Load(16028, 2.0, 2).devicePixelRatio(), 1.0);
    EXPECT_EQ(m_builtins->queries, (std::vector<FakeBuiltins::Query>{
                                       {16028, true, 2.0}, {16028, false, 2.0}, {16028, false, 1.0}}));
    EXPECT_TRUE(m_resources->queries.empty());
}

// --- Theme modes -------------------------------------------------------------------------------

struct ThemeCase
{
    bool hostDark;
    int mode;
    bool darkPicture;
};

class PictureLoaderTheme : public PictureLoaderTest, public ::testing::WithParamInterface<ThemeCase>
{
};

TEST_P(PictureLoaderTheme, ChoosesLightOrDarkVariant)
{
    m_resources->resources["PNGI 17100"] = Png(4, 4, Qt::red);
    m_resources->resources["PNGI 18100"] = Png(4, 4, Qt::blue);
    m_builtins->hostDark = GetParam().hostDark;
    const QPixmap pixmap = m_loader->Load(16100, 1.0, GetParam().mode);
    EXPECT_EQ(Colour(pixmap), GetParam().darkPicture ? QColor(Qt::blue) : QColor(Qt::red));
}

const ThemeCase kThemeCases[] = {
    {false, 0, false}, {true, 0, true},  {false, 1, true},  {true, 1, false},  {false, 2, false},
    {true, 2, false},  {false, 3, true}, {true, 3, true},   {true, 7, true},   {false, -1, false},
};
INSTANTIATE_TEST_SUITE_P(Modes, PictureLoaderTheme, ::testing::ValuesIn(kThemeCases));

// --- Plug-in resources and fallbacks -----------------------------------------------------------

TEST_F(PictureLoaderTest, PngiResourceComesBeforeTheTableWhichNamesThemedHighDensityVariants)
{
    SetTable("17209.png HL_Led_Green.png\n18209.png HL_Led_Green_d.png\n");
    m_resources->resources["PNGI 17209"] = Png(4, 4, Qt::red);
    m_resources->resources["png HL_Led_Green"] = Png(4, 4, Qt::green);
    EXPECT_EQ(Colour(m_loader->Load(16209, 1.0, 2)), QColor(Qt::red));
    m_resources->resources["png HL_Led_Green_d_at_2x"] = Png(32, 32, Qt::green);
    const QPixmap pixmap = m_loader->Load(16209, 2.0, 3);
    ASSERT_FALSE(pixmap.isNull());
    EXPECT_EQ(pixmap.devicePixelRatio(), 2.0);
    EXPECT_EQ(pixmap.width(), 32);
}

TEST_F(PictureLoaderTest, IconWithoutHighDensityVariantFallsBackToNormalOneAtScale1)
{
    m_resources->resources["PNGI 500"] = Png(8, 8, Qt::red);
    const QPixmap pixmap = m_loader->Load(500, 2.0, 0);
    ASSERT_FALSE(pixmap.isNull());
    EXPECT_EQ(pixmap.devicePixelRatio(), 1.0);
    EXPECT_EQ(m_resources->queries, (std::vector<std::string>{"PNGI 4500", "txt IDToFile", "PNGI 500"}));
}

TEST_F(PictureLoaderTest, UnthemedCursorFallsBackToItsOwnIdForEitherTheme)
{
    SetTable("16204.png zoom_in.png\n");
    m_resources->resources["png zoom_in"] = Png(24, 24, Qt::white);
    m_resources->resources["png zoom_in_at_2x"] = Png(48, 48, Qt::black);

    const QPixmap highDensity = m_loader->Load(16204, 2.0, 3);
    EXPECT_EQ(highDensity.width(), 48);
    EXPECT_EQ(highDensity.devicePixelRatio(), 2.0);
    const QPixmap normal = m_loader->Load(16204, 1.0, 2);
    EXPECT_EQ(normal.width(), 24);
    EXPECT_EQ(normal.devicePixelRatio(), 1.0);
    EXPECT_EQ(m_resources->queries, (std::vector<std::string>{"PNGI 22204", "txt IDToFile", "PNGI 20204",
                                                              "png zoom_in_at_2x", "PNGI 17204", "PNGI 16204",
                                                              "png zoom_in"}));
}

TEST_F(PictureLoaderTest, UndecodableDataCountsAsNotFound)
{
    m_resources->resources["PNGI 4500"] = QByteArray("\x89PNG\r\n\x1a\nbroken");
    m_resources->resources["PNGI 500"] = Png(8, 8, Qt::red);
    const QPixmap pixmap = m_loader->Load(500, 2.0, 0);
    EXPECT_EQ(pixmap.width(), 8);
    EXPECT_EQ(pixmap.devicePixelRatio(), 1.0);
}

TEST_F(PictureLoaderTest, TableIsReadOnce)
{
    SetTable("17209.png HL_Led_Green.png\n");
    m_loader->Load(16209, 1.0, 2);
    m_loader->Load(16210, 1.0, 2);
    m_loader->Load(16211, 2.0, 3);
    EXPECT_EQ(std::count(m_resources->queries.begin(), m_resources->queries.end(), "txt IDToFile"), 1);
}

// --- Bad requests ------------------------------------------------------------------------------

TEST_F(PictureLoaderTest, ScaleThatIsNotPositiveIsTakenAs1)
{
    m_resources->resources["PNGI 500"] = Png(8, 8, Qt::red);
    for (const double scale : {0.0, -2.0, double(NAN), double(INFINITY)})
    {
        const QPixmap pixmap = m_loader->Load(500, scale, 0);
        ASSERT_FALSE(pixmap.isNull()) << scale;
        EXPECT_EQ(pixmap.devicePixelRatio(), 1.0);
    }
}

// A negative id, and the high density of the largest id, once overflowed into other pictures.
TEST_F(PictureLoaderTest, RegressionNegativeIdAndHighDensityOfLargestIdAreNoPictureAndAskNothing)
{
    m_resources->resources["PNGI 3996"] = Png(4, 4, Qt::red);
    EXPECT_TRUE(m_loader->Load(-4, 2.0, 0).isNull());
    EXPECT_TRUE(m_loader->Load(INT_MAX, 2.0, 0).isNull());
    EXPECT_TRUE(m_resources->queries.empty());
}

// --- Cache and remembered misses ---------------------------------------------------------------

TEST_F(PictureLoaderTest, MissIsRememberedPerEffectiveIdAndNotSearchedAgain)
{
    m_resources->resources["PNGI 18209"] = Png(4, 4, Qt::blue);
    EXPECT_TRUE(m_loader->Load(16209, 1.0, 2).isNull());
    const std::size_t asked = m_resources->queries.size();
    EXPECT_TRUE(m_loader->Load(16209, 1.0, 2).isNull());
    EXPECT_EQ(m_resources->queries.size(), asked);
    EXPECT_FALSE(m_loader->Load(16209, 1.0, 3).isNull());
}

TEST_F(PictureLoaderTest, PicturesUpTo16384PixelsAreCachedUntilEvicted)
{
    m_resources->resources["PNGI 600"] = Png(128, 128, Qt::red);
    m_resources->resources["PNGI 601"] = Png(129, 128, Qt::red);
    const QPixmap first = m_loader->Load(600, 1.0, 0);
    m_loader->Load(601, 1.0, 0);
    std::size_t asked = m_resources->queries.size();
    EXPECT_EQ(m_loader->Load(600, 1.0, 0).cacheKey(), first.cacheKey());
    EXPECT_EQ(m_resources->queries.size(), asked);
    EXPECT_FALSE(m_loader->Load(601, 1.0, 0).isNull());
    EXPECT_GT(m_resources->queries.size(), asked);
    QPixmapCache::clear();
    asked = m_resources->queries.size();
    EXPECT_EQ(Colour(m_loader->Load(600, 1.0, 0)), QColor(Qt::red));
    EXPECT_GT(m_resources->queries.size(), asked);
}
