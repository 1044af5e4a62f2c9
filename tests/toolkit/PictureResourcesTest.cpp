// The pictures themselves: every file of the id-to-file table and every built-in icon the viewer
// shows, loaded through the picture loader from the real resources, checked by pixels.
#include "toolkit/RVADM_PictureLoader.h"

#include "toolkit/internal/RVADM_BuiltinPictures.h"
#include "toolkit/internal/RVADM_QtResourceSource.h"

#include <QFile>
#include <QImage>

#include <gtest/gtest.h>

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

} // namespace

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

