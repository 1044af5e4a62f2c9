// The picture loader over plug-in resources and built-in icons in memory, the id-to-file table it
// reads, and the plug-in's resources as the loader finds them.
#include "toolkit/RVADM_PictureLoader.h"

#include "toolkit/internal/RVADM_BuiltinPictures.h"
#include "toolkit/internal/RVADM_QtResourceSource.h"

#include <QBuffer>
#include <QImage>
#include <QPixmapCache>

#include <gtest/gtest.h>

#include <climits>
#include <cmath>
#include <map>
#include <memory>
#include <string>
#include <vector>

namespace qRVADM {
namespace {

using namespace std::string_literals;
using Queries = std::vector<std::string>;

QByteArray Png(int width, QColor colour)
{
    QImage image(width, width, QImage::Format_ARGB32);
    image.fill(colour);
    QByteArray data;
    QBuffer buffer(&data);
    image.save(&buffer, "PNG"); // opens the buffer
    return data;
}

// Plug-in resources ("TYPE id" or "TYPE name") and built-in icons ("builtin id dark scale") in
// memory, recording every query.
struct Store
{
    QByteArray Answer(const std::string& query) const
    {
        queries.push_back(query);
        return data.count(query) ? data.at(query) : QByteArray();
    }

    std::map<std::string, QByteArray> data;
    mutable Queries queries;
    bool hostDark = false;
};

// Either source over the store; the loader owns one of each.
class FakeSources final : public internal::RVADM_ResourceSource, public internal::RVADM_BuiltinPictures
{
public:
    explicit FakeSources(const Store& store) : m_store(store) {}
    QByteArray FindById(const char* type, std::int32_t id) const override { return m_store.Answer(type + " "s + std::to_string(id)); }
    QByteArray FindByName(const char* type, const QString& name) const override { return m_store.Answer(type + " "s + name.toStdString()); }
    bool IsHostDark() const override { return m_store.hostDark; }
    QByteArray Find(std::int32_t id, bool dark, double scale) const override
    {
        return m_store.Answer("builtin " + std::to_string(id) + (dark ? " dark " : " light ") + std::to_string(int(scale)));
    }

private:
    const Store& m_store;
};

class PictureLoaderTest : public ::testing::Test
{
protected:
    void SetUp() override { QPixmapCache::clear(); }

    Store store;
    RVADM_PictureLoader loader{std::make_unique<FakeSources>(store), std::make_unique<FakeSources>(store)};
};

TEST(PictureLoaderIds, EffectiveIdsAddThemeAndDensityOffsetsWithinThirtyTwoBits)
{
    const std::tuple<std::int32_t, double, bool, std::int32_t> cases[] = {
        {16028, 2.0, true, 22028}, {16028, 1.0, false, 17028}, {16999, 1.0, true, 18999}, {15999, 1.0, true, 15999},
        {17000, 2.0, true, 21000}, {16204, 1.5, false, 21204}, {INT_MAX - 4000, 2.0, false, INT_MAX},
    };
    for (const auto& [id, scale, dark, effective] : cases)
        EXPECT_EQ(RVADM_PictureLoader::EffectiveId(id, scale, dark), effective) << id << " " << scale << " " << dark;
    EXPECT_FALSE(RVADM_PictureLoader::EffectiveId(INT_MAX - 3999, 2.0, false).has_value());
    for (const auto& [id, builtin] : {std::pair{15999, false}, {16000, true}, {16099, true}, {16100, false}, {16799, false},
                                      {16800, true}, {16899, true}, {16900, false}})
        EXPECT_EQ(RVADM_PictureLoader::IsBuiltinId(id), builtin) << id;
}

TEST_F(PictureLoaderTest, BuiltinIconIsAskedWithTheRequestedIdAndFallsBackToScale1)
{
    store.data["builtin 16028 dark 2"] = Png(32, Qt::blue);
    store.data["builtin 16028 light 1"] = Png(16, Qt::blue);
    EXPECT_EQ(loader.Load(16028, 2.0, 3).devicePixelRatio(), 2.0);
    EXPECT_EQ(loader.Load(16028, 2.0, 2).devicePixelRatio(), 1.0);
    EXPECT_EQ(store.queries, (Queries{"builtin 16028 dark 2", "builtin 16028 light 2", "builtin 16028 light 1"}));
}

TEST_F(PictureLoaderTest, PngiResourceComesBeforeTheTableWhichIsReadOnce)
{
    store.data["txt IDToFile"] = "17209.png HL_Led_Green.png\n18209.png HL_Led_Green_d.png\n";
    store.data["PNGI 17209"] = Png(4, Qt::red);
    store.data["png HL_Led_Green"] = Png(4, Qt::green);
    store.data["png HL_Led_Green_d_at_2x"] = Png(32, Qt::green);
    EXPECT_EQ(loader.Load(16209, 1.0, 2).toImage().pixelColor(0, 0), QColor(Qt::red));
    const QPixmap pixmap = loader.Load(16209, 2.0, 3);
    EXPECT_EQ(pixmap.devicePixelRatio(), 2.0);
    EXPECT_EQ(pixmap.width(), 32);
    loader.Load(16210, 1.0, 2);
    EXPECT_EQ(std::count(store.queries.begin(), store.queries.end(), "txt IDToFile"), 1);
}

// Undecodable data counts as not found; a cursor has one picture for both themes.
TEST_F(PictureLoaderTest, MissingVariantsFallBackToTheRequestedIdThenToScale1)
{
    store.data["PNGI 4500"] = QByteArray("\x89PNG\r\n\x1a\nbroken");
    store.data["PNGI 500"] = Png(8, Qt::red);
    EXPECT_EQ(loader.Load(500, 2.0, 0).devicePixelRatio(), 1.0);
    store.data["txt IDToFile"] = "16204.png zoom_in.png\n";
    store.data["png zoom_in_at_2x"] = Png(48, Qt::black);
    store.data["png zoom_in"] = Png(24, Qt::white);
    EXPECT_EQ(loader.Load(16204, 2.0, 3).width(), 48);
    EXPECT_EQ(loader.Load(16204, 1.0, 2).width(), 24);
    EXPECT_EQ(store.queries, (Queries{"PNGI 4500", "PNGI 500", "PNGI 22204", "txt IDToFile", "PNGI 20204", "png zoom_in_at_2x",
                                      "PNGI 17204", "PNGI 16204", "png zoom_in"}));
}

// A negative id, and the high density of the largest id, once overflowed into other pictures.
TEST_F(PictureLoaderTest, BadRequestsAskNothingOrAreTakenAtScale1)
{
    store.data["PNGI 3996"] = Png(4, Qt::red);
    EXPECT_TRUE(loader.Load(-4, 2.0, 0).isNull());
    EXPECT_TRUE(loader.Load(INT_MAX, 2.0, 0).isNull());
    EXPECT_TRUE(store.queries.empty());
    store.data["PNGI 500"] = Png(8, Qt::red);
    for (const double scale : {0.0, -2.0, double(NAN), double(INFINITY)})
        EXPECT_EQ(loader.Load(500, scale, 0).devicePixelRatio(), 1.0) << scale;
}

TEST_F(PictureLoaderTest, MissesAreRememberedAndPicturesUpTo16384PixelsCachedUntilEvicted)
{
    store.data["PNGI 18209"] = Png(4, Qt::blue);
    store.data["PNGI 600"] = Png(128, Qt::red);
    store.data["PNGI 601"] = Png(129, Qt::red);
    const std::tuple<std::int32_t, int, bool, std::size_t> loads[] = {
        {16209, 2, false, 3}, {16209, 2, false, 3}, {16209, 3, true, 4}, {600, 0, true, 5},
        {601, 0, true, 6},    {600, 0, true, 6},    {601, 0, true, 7},
    };
    for (const auto& [id, mode, found, asked] : loads) {
        EXPECT_EQ(loader.Load(id, 1.0, mode).isNull(), !found) << id;
        EXPECT_EQ(store.queries.size(), asked) << id;
    }
    QPixmapCache::clear();
    EXPECT_FALSE(loader.Load(600, 1.0, 0).isNull());
    EXPECT_EQ(store.queries.size(), 8u);
}

// Each text with every id it maps and the name.
const std::pair<std::string, std::vector<std::pair<std::int32_t, std::string>>> kTables[] = {
    {"17209.png HL_Led_Green.png\n", {{17209, "HL_Led_Green"}, {21209, "HL_Led_Green_at_2x"}}},
    {"\0\0\xff\xfe\r\n\x01"s, {}},
    {"5.xml layout.xml\n6.png a.png", {{6, "a"}, {4006, "a_at_2x"}}},
    {"1.png a.png\r2.png b.png\r\n\r\n  \t3.png \t c.png  \n", {{1, "a"}, {4001, "a_at_2x"}, {2, "b"}, {4002, "b_at_2x"}, {3, "c"}, {4003, "c_at_2x"}}},
    {"3.png a.png.bak\n", {{3, "a.png.bak"}, {4003, "a.png.bak_at_2x"}}},
    {"3.png .png\n17209 png a.png\n17209 .png a.png\npng a.png\n.png x.png\n17209.png\n17209.\n", {}},
    {"99999999999.png big.png\n2147483648.png big.png\n", {}},
    {"-5.png neg.png\n2147483647.png top.png\n", {{-5, "neg"}, {3995, "neg_at_2x"}, {INT_MAX, "top"}}},
    {"1.png a.png\n1.png b.png\n", {{1, "b"}, {4001, "b_at_2x"}}},
    {"1.abcdefghijklmnopq name.png\n", {{1, "q"}, {4001, "q_at_2x"}}},
    {"1.png ab\0cd.png\n2.png\0 e.png"s, {{1, "ab"}, {4001, "ab_at_2x"}}},
    {"9.png " + std::string(200, 'n'), {{9, std::string(128, 'n')}, {4009, std::string(128, 'n') + "_at_2x"}}},
};

TEST(IdToFileTable, MapsWhatTheLinesSayAndNothingElse)
{
    for (const auto& [text, mappings] : kTables) {
        const internal::RVADM_IdToFileTable table(QByteArray(text.data(), static_cast<int>(text.size())));
        EXPECT_EQ(table.Size(), mappings.size()) << text;
        for (const auto& [id, name] : mappings)
            EXPECT_EQ(table.NameFor(id).toStdString(), name) << text;
    }
}

TEST(QtResourceSource, FindsResourcesWithoutRegardToCaseAndHostileNamesNameNothing)
{
    const internal::RVADM_QtResourceSource plugin(QStringLiteral(":/hueline"));
    const QByteArray green = plugin.FindByName("png", QStringLiteral("HL_Led_Green"));
    EXPECT_TRUE(green.startsWith("\x89PNG"));
    EXPECT_EQ(plugin.FindByName("Png", QStringLiteral("hl_led_green")), green);
    EXPECT_FALSE(plugin.FindByName("PNG", QStringLiteral("hl_led_green_AT_2X")).isEmpty());
    EXPECT_FALSE(plugin.FindByName("txt", QStringLiteral("IDToFile")).isEmpty());
    EXPECT_TRUE(plugin.FindByName("xml", QStringLiteral("HL_Led_Green")).isEmpty());
    EXPECT_TRUE(plugin.FindByName("../hueline/PNG", QStringLiteral("HL_Led_Green")).isEmpty());
    for (const QString& name : {QString(), QString(".."), QString("."), QString("../TXT/IDTOFILE"), QString("PNG/HL_LED_GREEN"),
                                QString("HL_Led_Green\n"), QString(300, 'a'), QString("HL_Led_Green%00"),
                                QString::fromUtf8("HL_Led_Gr\xc3\xa9\x65n"), QString("no_such_picture")})
        EXPECT_TRUE(plugin.FindByName("png", name).isEmpty()) << name.toStdString();
    EXPECT_TRUE(plugin.FindById("PNGI", 17209).isEmpty());
}

} // namespace
} // namespace qRVADM
