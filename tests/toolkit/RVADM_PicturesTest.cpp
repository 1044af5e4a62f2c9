// The process-wide picture loader with the real manager library and the plug-in's resources: every
// picture the viewer shows, and the variant each request gets.
#include "toolkit/RVADM_Pictures.h"

#include "RVADMQtManager.h"

#include <QImage>

#include <gtest/gtest.h>

namespace qRVADM {
namespace {

constexpr int kFollowHost = 0;
constexpr int kOppositeOfHost = 1;
constexpr int kLight = 2;
constexpr int kDark = 3;

// Pixmaps hold premultiplied pixels; the files are compared in the same form.
QImage Pixels(const QPixmap& picture)
{
    return picture.toImage().convertToFormat(QImage::Format_ARGB32_Premultiplied);
}

QImage File(const char* path)
{
    const QImage image(QString::fromLatin1(path));
    EXPECT_FALSE(image.isNull()) << path;
    return image.convertToFormat(QImage::Format_ARGB32_Premultiplied);
}

class Pictures : public testing::Test
{
protected:
    void TearDown() override { RVADMQtManager::QtManager::SetDarkMode(false); }
};

// Each picture as the viewer asks for it, with its size in logical pixels.
constexpr std::pair<std::int32_t, int> kPictures[] = {
    {16101, 32}, {16103, 32}, {16100, 20}, {16201, 20}, {16202, 20}, {16203, 20}, {16204, 24},
    {16205, 24}, {16206, 24}, {16207, 24}, {16208, 24}, {16209, 16}, {16210, 16}, {16211, 16},
    {16003, 16}, {16028, 16}, {16029, 16}, {16051, 16}, {16052, 16},
};

TEST_F(Pictures, EveryPictureExistsInBothThemesAtBothDensities)
{
    for (const auto& [id, size] : kPictures) {
        for (const int theme : {kLight, kDark}) {
            const QPixmap normal = LoadPicture(id, 1.0, theme);
            const QPixmap high = LoadPicture(id, 2.0, theme);
            EXPECT_EQ(normal.devicePixelRatio(), 1.0) << id;
            EXPECT_EQ(high.devicePixelRatio(), 2.0) << id;
            EXPECT_EQ(normal.size(), QSize(size, size)) << id << " theme " << theme;
            EXPECT_EQ(high.size(), QSize(size, size) * 2) << id << " theme " << theme;
        }
    }
}

TEST_F(Pictures, EachRequestGetsItsVariantFromTheManagerLibraryOrThePluginTable)
{
    const QPixmap zoomIn = LoadPicture(16028, 2.0, kDark);
    EXPECT_EQ(zoomIn.devicePixelRatio(), 2.0);
    EXPECT_EQ(Pixels(zoomIn), File(":/rvadm/builtin/22028"));
    EXPECT_EQ(Pixels(LoadPicture(16209, 2.0, kDark)), File(":/hueline/PNG/HL_LED_GREEN_D_AT_2X"));
    EXPECT_EQ(Pixels(LoadPicture(16204, 2.0, kDark)), File(":/hueline/PNG/ZOOM_IN_AT_2X"));
    RVADMQtManager::QtManager::SetDarkMode(true);
    EXPECT_EQ(Pixels(LoadPicture(16003, 1.0, kFollowHost)), File(":/rvadm/builtin/18003"));
    EXPECT_EQ(Pixels(LoadPicture(16003, 1.0, kOppositeOfHost)), File(":/rvadm/builtin/17003"));
    RVADMQtManager::QtManager::SetDarkMode(false);
    EXPECT_EQ(Pixels(LoadPicture(16003, 1.0, kFollowHost)), File(":/rvadm/builtin/17003"));
}

} // namespace
} // namespace qRVADM
