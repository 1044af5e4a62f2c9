#include "ControlTestSupport.h"
#include "ToolkitTestSupport.h"

#include "toolkit/RVADM_PicturePushButton.h"
#include "toolkit/RVADM_PictureToggle.h"
#include "toolkit/RVADM_Pictures.h"

#include "RVADMQtManager.h"

#include <QTest>
#include <QWindow>

namespace qRVADM {
namespace {

using toolkittest::Codes;
using toolkittest::Recorded;

constexpr std::int32_t kZoomIn = 16028;     // built-in, 16 logical pixels, light and dark
constexpr std::int32_t kGreenLight = 16209; // plug-in, 16 logical pixels
constexpr int kLight = 2;
constexpr int kDark = 3;

// The picture the button's icon shows in its window, as an image, with its ratio.
QPixmap ShownIcon(const QToolButton& button)
{
    return button.icon().pixmap(button.window()->windowHandle(), button.iconSize());
}

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

TEST_F(PicturePushButtonTest, ButtonStyleHintIsStoredAndShown)
{
    auto* button = new RVADM_PicturePushButton(&dialog, kZoomIn);
    button->SetButtonStyle(Qt::ToolButtonTextBesideIcon);
    EXPECT_EQ(button->property("_rvadm_buttonstylehint").toInt(), static_cast<int>(Qt::ToolButtonTextBesideIcon));
    EXPECT_EQ(button->toolButtonStyle(), Qt::ToolButtonTextBesideIcon);
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

class PicturePushButtonOnPanel : public toolkittest::ControlPanelFixture
{
};

TEST_F(PicturePushButtonOnPanel, TakesNoKeyboardFocus)
{
    RVADM_PictureToggle* toggle = nullptr;
    OpenPanel([&] { toggle = new RVADM_PictureToggle(&panel, 16051); });
    EXPECT_EQ(toggle->focusPolicy(), Qt::NoFocus);
}

// At the run's device pixel ratio the icon is the picture of that density, drawn 1:1.
TEST_F(PicturePushButtonTest, PixelsAreThoseOfThePictureForTheScreen)
{
    auto* button = new RVADM_PicturePushButton(&dialog, kGreenLight);
    const double ratio = toolkittest::RunRatio();
    const QPixmap shown = ShownIcon(*button);
    EXPECT_EQ(shown.devicePixelRatio(), ratio);
    EXPECT_EQ(shown.toImage(), LoadPicture(kGreenLight, ratio, 0).toImage());
    const QImage grabbed = button->grab().toImage();
    const QColor centre = grabbed.pixelColor(grabbed.width() / 2, grabbed.height() / 2);
    EXPECT_GT(centre.green(), centre.red() + 60);
}

} // namespace
} // namespace qRVADM
