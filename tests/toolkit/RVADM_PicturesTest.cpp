// The process-wide picture loader, with the real manager library and the plug-in's resources.
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
QImage File(const char* path)
{
    const QImage image(QString::fromLatin1(path));
    EXPECT_FALSE(image.isNull()) << path;
    return image.convertToFormat(QImage::Format_ARGB32_Premultiplied);
}

QImage Pixels(const QPixmap& picture)
{
    return picture.toImage().convertToFormat(QImage::Format_ARGB32_Premultiplied);
}

class Pictures : public testing::Test
{
protected:
    void TearDown() override { RVADMQtManager::QtManager::SetDarkMode(false); }
};

TEST_F(Pictures, BuiltinIconComesFromTheManagerLibraryInItsVariant)
{
    const QPixmap zoomIn = LoadPicture(16028, 2.0, kDark);
    EXPECT_EQ(zoomIn.devicePixelRatio(), 2.0);
    EXPECT_EQ(zoomIn.size(), QSize(32, 32));
    EXPECT_EQ(Pixels(zoomIn), File(":/rvadm/builtin/22028"));
    EXPECT_EQ(Pixels(LoadPicture(16029, 1.0, kLight)), File(":/rvadm/builtin/17029"));
}

TEST_F(Pictures, ThemeModesFollowTheHostsTheme)
{
    RVADMQtManager::QtManager::SetDarkMode(true);
    EXPECT_EQ(Pixels(LoadPicture(16003, 1.0, kFollowHost)), File(":/rvadm/builtin/18003"));
    EXPECT_EQ(Pixels(LoadPicture(16003, 1.0, kOppositeOfHost)), File(":/rvadm/builtin/17003"));
    RVADMQtManager::QtManager::SetDarkMode(false);
    EXPECT_EQ(Pixels(LoadPicture(16003, 1.0, kFollowHost)), File(":/rvadm/builtin/17003"));
}

TEST_F(Pictures, PluginPictureComesFromThePluginResourcesByTheTable)
{
    const QPixmap green = LoadPicture(16209, 2.0, kDark);
    EXPECT_EQ(green.devicePixelRatio(), 2.0);
    EXPECT_EQ(Pixels(green), File(":/hueline/PNG/HL_LED_GREEN_D_AT_2X"));
    EXPECT_EQ(Pixels(LoadPicture(16100, 1.0, kLight)), File(":/hueline/PNG/PAL_VIEWER"));
}

TEST_F(Pictures, CursorWithoutThemeVariantFallsBackToItsOwnId)
{
    const QPixmap cursor = LoadPicture(16204, 2.0, kDark);
    EXPECT_EQ(cursor.devicePixelRatio(), 2.0);
    EXPECT_EQ(Pixels(cursor), File(":/hueline/PNG/ZOOM_IN_AT_2X"));
}

} // namespace
} // namespace qRVADM
