#include "ControlTestSupport.h"
#include "ToolkitTestSupport.h"

#include "toolkit/RVADM_PicturePushButton.h"
#include "toolkit/RVADM_PictureToggle.h"
#include "toolkit/RVADM_Pictures.h"

#include "RVADMQtManager.h"

#include <QTest>

namespace qRVADM {
namespace {

using toolkittest::Codes;
using toolkittest::Recorded;

constexpr std::int32_t kZoomIn = 16028;     // built-in, 16 logical pixels, light and dark
constexpr int kLight = 2;
constexpr int kDark = 3;

using PicturePushButtonTest = toolkittest::ControlDialogFixture;

TEST_F(PicturePushButtonTest, ShowsItsPictureAtItsNaturalSize)
{
    auto* button = new RVADM_PicturePushButton(&dialog, kZoomIn);
    EXPECT_EQ(button->GetKind(), 7u);
    EXPECT_EQ(button->iconSize(), QSize(16, 16));
    EXPECT_EQ(button->size(), button->sizeHint());
    button->SetPicture(16101); // a 32-pixel message icon
    EXPECT_EQ(button->iconSize(), QSize(32, 32));
    EXPECT_EQ(button->size(), button->sizeHint());
}

TEST_F(PicturePushButtonTest, NegativeIdShowsATransparentPictureOfTheCurrentSize)
{
    auto* button = new RVADM_PicturePushButton(&dialog, kZoomIn);
    button->SetPicture(-1);
    EXPECT_EQ(button->iconSize(), QSize(16, 16));
    const QImage blank = button->icon().pixmap(16, 16).toImage();
    ASSERT_EQ(blank.size(), QSize(16, 16));
    for (int y = 0; y < 16; ++y) {
        for (int x = 0; x < 16; ++x)
            ASSERT_EQ(qAlpha(blank.pixel(x, y)), 0) << x << "," << y;
    }
}

TEST_F(PicturePushButtonTest, PictureFollowsAThemeSwitch)
{
    auto* button = new RVADM_PicturePushButton(&dialog, kZoomIn);
    const double ratio = toolkittest::RunRatio(); // the icon's pixmap is taken at the screen's ratio
    const QImage light = LoadPicture(kZoomIn, ratio, kLight).toImage();
    const QImage dark = LoadPicture(kZoomIn, ratio, kDark).toImage();
    ASSERT_NE(light, dark);
    EXPECT_EQ(button->icon().pixmap(16, 16).toImage(), light);
    RVADMQtManager::QtManager::SetDarkMode(true);
    EXPECT_EQ(button->icon().pixmap(16, 16).toImage(), dark);
}

TEST_F(PicturePushButtonTest, ClickNotifiesAndCheckableOnRequest)
{
    auto* button = new Recorded<RVADM_PicturePushButton>(&dialog, kZoomIn);
    QTest::mouseClick(button, Qt::LeftButton);
    EXPECT_FALSE(button->IsChecked());
    button->SetCheckable(true);
    QTest::mouseClick(button, Qt::LeftButton);
    EXPECT_TRUE(button->IsChecked());
    EXPECT_EQ(button->UserCodes(), (Codes{2, 2}));
}

TEST_F(PicturePushButtonTest, ToggleTogglesOnEveryClickAndSetCheckedDoesNotNotify)
{
    auto* toggle = new Recorded<RVADM_PictureToggle>(&dialog, 16051);
    EXPECT_EQ(toggle->GetKind(), 7u);
    QTest::mouseClick(toggle, Qt::LeftButton);
    EXPECT_TRUE(toggle->IsChecked());
    QTest::mouseClick(toggle, Qt::LeftButton);
    EXPECT_FALSE(toggle->IsChecked());
    toggle->SetChecked(true);
    EXPECT_TRUE(toggle->IsChecked());
    EXPECT_EQ(toggle->UserCodes(), (Codes{2, 2}));
}

} // namespace
} // namespace qRVADM
