#include "ControlTestSupport.h"
#include "ToolkitTestSupport.h"

#include "toolkit/RVADM_PictureLabel.h"
#include "toolkit/RVADM_Pictures.h"

#include "RVADMQtManager.h"

#include <QTest>

namespace qRVADM {
namespace {

using toolkittest::Codes;
using toolkittest::Recorded;

constexpr std::int32_t kInfoIcon = 16101; // 32 logical pixels, light and dark

using PictureLabelTest = toolkittest::ControlDialogFixture;

TEST_F(PictureLabelTest, TakesThePictureSize)
{
    auto* label = new RVADM_PictureLabel(&dialog, kInfoIcon);
    EXPECT_EQ(label->GetKind(), 9u);
    EXPECT_EQ(label->size(), QSize(32, 32));
    label->SetPicture(16209);
    EXPECT_EQ(label->size(), QSize(16, 16));
}

TEST_F(PictureLabelTest, ReleaseInsideNotifies)
{
    auto* label = new Recorded<RVADM_PictureLabel>(&dialog, kInfoIcon);
    QTest::mousePress(label, Qt::LeftButton, {}, QPoint(5, 5));
    EXPECT_TRUE(label->UserCodes().empty());
    QTest::mouseRelease(label, Qt::LeftButton, {}, QPoint(20, 20));
    EXPECT_EQ(label->UserCodes(), Codes{2});
    EXPECT_EQ(dialog.notified, std::vector<RVADM_Item*>{label});
}

TEST_F(PictureLabelTest, PressInsideAndReleaseOutsideNotifiesNothing)
{
    auto* label = new Recorded<RVADM_PictureLabel>(&dialog, kInfoIcon);
    QTest::mousePress(label, Qt::LeftButton, {}, QPoint(5, 5));
    QTest::mouseRelease(label, Qt::LeftButton, {}, QPoint(40, 5));
    QTest::mousePress(label, Qt::LeftButton, {}, QPoint(5, 5));
    QTest::mouseRelease(label, Qt::LeftButton, {}, QPoint(5, -1));
    EXPECT_TRUE(label->UserCodes().empty());
}

// The label draws the picture of its screen's density 1:1, centred, in the host theme.
TEST_F(PictureLabelTest, PixelsAreThoseOfThePictureInBothThemes)
{
    auto* label = new RVADM_PictureLabel(&dialog, kInfoIcon);
    label->resize(40, 36);
    const double ratio = toolkittest::RunRatio();
    const QPoint offset(static_cast<int>(4 * ratio), static_cast<int>(2 * ratio));
    for (const bool dark : {false, true}) {
        RVADMQtManager::QtManager::SetDarkMode(dark);
        const QPixmap grabbed = label->grab();
        EXPECT_EQ(grabbed.devicePixelRatio(), ratio);
        const QImage picture = LoadPicture(kInfoIcon, ratio, dark ? 3 : 2).toImage();
        EXPECT_EQ(picture.width(), static_cast<int>(32 * ratio));
        EXPECT_TRUE(toolkittest::ShowsPicture(grabbed.toImage(), picture, offset)) << "dark " << dark;
    }
}

TEST_F(PictureLabelTest, PixelsOfNegativeIdAreTheBackgroundOnly)
{
    auto* label = new RVADM_PictureLabel(&dialog, kInfoIcon);
    label->SetPicture(-1);
    EXPECT_EQ(label->size(), QSize(32, 32));
    const QImage grabbed = label->grab().toImage();
    const QRgb background = dialog.palette().color(QPalette::Window).rgb();
    for (int y = 0; y < grabbed.height(); ++y) {
        for (int x = 0; x < grabbed.width(); ++x)
            ASSERT_EQ(grabbed.pixel(x, y), background) << x << "," << y;
    }
}

} // namespace
} // namespace qRVADM
