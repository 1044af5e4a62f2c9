// The pictures themselves: every file of the id-to-file table and every built-in icon the viewer
// shows, loaded through the picture loader from the real resources, checked by pixels.
#include "toolkit/RVADM_PictureLoader.h"

#include "toolkit/internal/RVADM_BuiltinPictures.h"
#include "toolkit/internal/RVADM_QtResourceSource.h"

#include <QFile>
#include <QImage>

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <string>

using qRVADM::RVADM_PictureLoader;

namespace {

constexpr int kLight = 2;
constexpr int kDark = 3;

// Serves the built-in icons the way the manager library stores them: one file per effective id.
class BuiltinFiles final : public qRVADM::internal::RVADM_BuiltinPictures
{
public:
    bool IsHostDark() const override { return false; }

    QByteArray Find(std::int32_t id, bool dark, double scale) const override
    {
        QFile file(QStringLiteral(":/rvadm/builtin/%1").arg(*RVADM_PictureLoader::EffectiveId(id, scale, dark)));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }
};

RVADM_PictureLoader& Loader()
{
    static RVADM_PictureLoader loader(std::make_unique<qRVADM::internal::RVADM_QtResourceSource>(QStringLiteral(":/hueline")),
                                      std::make_unique<BuiltinFiles>());
    return loader;
}

QColor PixelAt(const QPixmap& pixmap, double x, double y)
{
    const double ratio = pixmap.devicePixelRatio();
    return pixmap.toImage().pixelColor(static_cast<int>(x * ratio), static_cast<int>(y * ratio));
}

double Luminance(const QColor& c)
{
    return 0.299 * c.redF() + 0.587 * c.greenF() + 0.114 * c.blueF();
}

// The darkest opaque pixel's luminance: the ink a monochrome glyph is drawn with.
double GlyphLuminance(const QPixmap& pixmap)
{
    const QImage image = pixmap.toImage();
    double darkest = 1.0;
    double lightest = 0.0;
    for (int y = 0; y < image.height(); ++y)
    {
        for (int x = 0; x < image.width(); ++x)
        {
            const QColor c = image.pixelColor(x, y);
            if (c.alphaF() > 0.9)
            {
                darkest = std::min(darkest, Luminance(c));
                lightest = std::max(lightest, Luminance(c));
            }
        }
    }
    return (darkest + lightest) / 2;
}

} // namespace

// The lines of the plug-in's id-to-file table, in their order.
TEST(PictureResources, IdToFileTableHoldsExactlyTheProductLines)
{
    QFile file(QStringLiteral(":/hueline/TXT/IDTOFILE"));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QStringList lines = QString::fromLatin1(file.readAll()).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    const QStringList expected = {
        "17101.png msgbox_info_hueline.png",  "18101.png msgbox_info_hueline_d.png",
        "17103.png msgbox_alert_hueline.png", "18103.png msgbox_alert_hueline_d.png",
        "17100.png pal_viewer.png",           "18100.png pal_viewer_d.png",
        "17201.png visualize_bw.png",         "18201.png visualize_bw_d.png",
        "17202.png visualize_color.png",      "18202.png visualize_color_d.png",
        "17203.png visualize_inverted.png",   "18203.png visualize_inverted_d.png",
        "16204.png zoom_in.png",              "16205.png zoom_out.png",
        "16206.png high_precision.png",       "16207.png fist.png",
        "16208.png cross.png",                "17209.png HL_Led_Green.png",
        "18209.png HL_Led_Green_d.png",       "17210.png HL_Led_Orange.png",
        "18210.png HL_Led_Orange_d.png",      "17211.png HL_Led_Red.png",
        "18211.png HL_Led_Red_d.png",
    };
    EXPECT_EQ(lines, expected);
}

struct PictureCase
{
    std::int32_t id; // as the viewer asks for it
    int logicalSize;
};

class EveryPicture : public ::testing::TestWithParam<PictureCase>
{
};

// Each picture exists light and dark, at ratio 1 and 2, the 2x one of twice the pixels.
TEST_P(EveryPicture, ExistsAtBothDensitiesInBothThemes)
{
    for (const int theme : {kLight, kDark})
    {
        const QPixmap normal = Loader().Load(GetParam().id, 1.0, theme);
        const QPixmap high = Loader().Load(GetParam().id, 2.0, theme);
        ASSERT_FALSE(normal.isNull()) << GetParam().id << " theme " << theme;
        ASSERT_FALSE(high.isNull()) << GetParam().id << " theme " << theme;
        EXPECT_EQ(normal.devicePixelRatio(), 1.0);
        EXPECT_EQ(high.devicePixelRatio(), 2.0);
        EXPECT_EQ(normal.size(), QSize(GetParam().logicalSize, GetParam().logicalSize));
        EXPECT_EQ(high.size(), normal.size() * 2);
    }
}

const PictureCase kPictures[] = {
    {16101, 32}, {16103, 32}, {16100, 20}, {16201, 20}, {16202, 20}, {16203, 20}, {16204, 24},
    {16205, 24}, {16206, 24}, {16207, 24}, {16208, 24}, {16209, 16}, {16210, 16}, {16211, 16},
    {16003, 16}, {16028, 16}, {16029, 16}, {16051, 16}, {16052, 16},
};
INSTANTIATE_TEST_SUITE_P(Pictures, EveryPicture, ::testing::ValuesIn(kPictures),
                         [](const ::testing::TestParamInfo<PictureCase>& info) {
                             return std::to_string(info.param.id);
                         });

// The status lights by the colour of their centre: green, orange, red.
TEST(PictureResources, StatusLightsShowTheirColourInEveryVariant)
{
    for (const int theme : {kLight, kDark})
    {
        for (const double scale : {1.0, 2.0})
        {
            const QColor green = PixelAt(Loader().Load(16209, scale, theme), 8, 8);
            const QColor orange = PixelAt(Loader().Load(16210, scale, theme), 8, 8);
            const QColor red = PixelAt(Loader().Load(16211, scale, theme), 8, 8);
            const std::string where = "theme " + std::to_string(theme) + " scale " + std::to_string(scale);
            EXPECT_GT(green.green(), green.red() + 60) << where;
            EXPECT_GT(green.green(), green.blue() + 60) << where;
            EXPECT_GT(orange.red(), orange.green()) << where;
            EXPECT_GT(orange.green(), orange.blue() + 60) << where;
            EXPECT_GT(red.red(), red.green() + 60) << where;
            EXPECT_GT(red.red(), red.blue() + 60) << where;
            EXPECT_EQ(red.alpha(), 255) << where;
        }
    }
}

// Monochrome glyphs are dark on the light theme and light on the dark one.
TEST(PictureResources, GlyphsContrastWithTheirTheme)
{
    for (const std::int32_t id : {16100, 16028, 16029, 16051, 16052})
    {
        for (const double scale : {1.0, 2.0})
        {
            EXPECT_LT(GlyphLuminance(Loader().Load(id, scale, kLight)), 0.4) << id << " at " << scale;
            EXPECT_GT(GlyphLuminance(Loader().Load(id, scale, kDark)), 0.6) << id << " at " << scale;
        }
    }
}

struct HotSpotCase
{
    std::int32_t id;
    int x;
    int y;
    QRgb colour; // opaque colour under the hot spot
};

class CursorHotSpot : public ::testing::TestWithParam<HotSpotCase>
{
};

// The hot spot lies on the cursor's point of action: the centre of the lens's plus or minus, the
// hand, the centre of the cross.
TEST_P(CursorHotSpot, PointsAtTheCursorsCentre)
{
    for (const double scale : {1.0, 2.0})
    {
        const QPixmap cursor = Loader().Load(GetParam().id, scale, kLight);
        const double ratio = cursor.devicePixelRatio();
        const QColor under = cursor.toImage().pixelColor(GetParam().x * ratio, GetParam().y * ratio);
        EXPECT_EQ(under.rgba(), GetParam().colour) << GetParam().id << " at " << scale;
    }
}

const HotSpotCase kHotSpots[] = {
    {16204, 8, 8, 0xFF000000}, {16205, 8, 8, 0xFF000000}, {16207, 11, 11, 0xFFFFFFFF},
    {16206, 11, 11, 0xFF000000}, {16208, 11, 11, 0xFF000000},
};
INSTANTIATE_TEST_SUITE_P(Cursors, CursorHotSpot, ::testing::ValuesIn(kHotSpots),
                         [](const ::testing::TestParamInfo<HotSpotCase>& info) {
                             return std::to_string(info.param.id);
                         });

// The zoom cursors differ only by the vertical bar of the plus, above the lens centre.
TEST(PictureResources, ZoomInCursorHasAPlusAndZoomOutAMinus)
{
    for (const double scale : {1.0, 2.0})
    {
        EXPECT_EQ(PixelAt(Loader().Load(16204, scale, kLight), 8, 6).rgba(), 0xFF000000u);
        EXPECT_EQ(PixelAt(Loader().Load(16205, scale, kLight), 8, 6).rgba(), 0xFFFFFFFFu);
    }
}
