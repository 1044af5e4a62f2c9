// Every control on a shown modal dialog, and together on a panel of the simulated host, laid out
// with the placement helpers, in the host's light and dark theme.
#include "ControlTestSupport.h"
#include "HostPanelFixture.h"
#include "TestPanel.h"
#include "ToolkitTestSupport.h"

#include "toolkit/RVADM_Label.h"
#include "toolkit/RVADM_PictureLabel.h"
#include "toolkit/RVADM_PicturePushButton.h"
#include "toolkit/RVADM_PictureToggle.h"
#include "toolkit/RVADM_Pictures.h"
#include "toolkit/RVADM_TextEdit.h"
#include "toolkit/RVADM_TextPushButton.h"

#include "sim/app/HostTheme.h"
#include "sim/host/AppWindow.h"

#include "RVADMQtManager.h"

#include <QApplication>
#include <QTest>

#include <vector>

namespace qRVADM {
namespace {

using Codes = std::vector<std::int32_t>;
using toolkittest::Recorded;

constexpr std::int32_t kZoomIn = 16028;   // built-in, 16 logical pixels, light and dark
constexpr std::int32_t kInfoIcon = 16101; // 32 logical pixels
constexpr int kLightTheme = 2;
constexpr int kDarkTheme = 3;

// A shown modal dialog; the light theme afterwards.
class Controls : public testing::Test
{
protected:
    void SetUp() override { dialog.show(); }
    void TearDown() override { RVADMQtManager::QtManager::SetDarkMode(false); }

    toolkittest::RecordingModalDialog dialog;
};

TEST_F(Controls, ButtonsTakeTheFocusAndNotifyTheirClicksAndTogglesTheirState)
{
    auto* button = new Recorded<RVADM_TextPushButton>(&dialog, "Remove");
    auto* picture = new Recorded<RVADM_PicturePushButton>(&dialog, kZoomIn);
    auto* toggle = new Recorded<RVADM_PictureToggle>(&dialog, 16051);
    EXPECT_EQ(button->font().pixelSize(), 12);
    EXPECT_NE(button->focusPolicy(), Qt::NoFocus);
    for (QAbstractButton* clicked : std::initializer_list<QAbstractButton*>{button, picture, toggle, toggle})
        QTest::mouseClick(clicked, Qt::LeftButton);
    EXPECT_EQ(dialog.notified, (std::vector<RVADM_Item*>{button, picture, toggle, toggle}));
    EXPECT_FALSE(picture->IsChecked());
    EXPECT_FALSE(toggle->IsChecked());
    toggle->SetChecked(true);
    EXPECT_TRUE(toggle->IsChecked());
    EXPECT_EQ(toggle->UserCodes(), (Codes{2, 2}));
}

TEST_F(Controls, PictureButtonShowsItsPictureAtItsNaturalSizeInTheHostsTheme)
{
    auto* button = new RVADM_PicturePushButton(&dialog, kZoomIn);
    EXPECT_EQ(button->iconSize(), QSize(16, 16));
    EXPECT_EQ(button->size(), button->sizeHint());
    const double ratio = toolkittest::RunRatio(); // the icon's pixmap is taken at the screen's ratio
    EXPECT_EQ(button->icon().pixmap(16, 16).toImage(), LoadPicture(kZoomIn, ratio, kLightTheme).toImage());
    RVADMQtManager::QtManager::SetDarkMode(true);
    EXPECT_EQ(button->icon().pixmap(16, 16).toImage(), LoadPicture(kZoomIn, ratio, kDarkTheme).toImage());
    button->SetPicture(kInfoIcon);
    EXPECT_EQ(button->iconSize(), QSize(32, 32));
    EXPECT_EQ(button->size(), button->sizeHint());
    button->SetPicture(-1);
    EXPECT_EQ(button->iconSize(), QSize(32, 32));
    QImage clear(32, 32, QImage::Format_ARGB32_Premultiplied);
    clear.fill(Qt::transparent);
    EXPECT_EQ(button->icon().pixmap(32, 32).toImage().convertToFormat(clear.format()), clear);
}

// Regression: the label used to handle the press first, so the application saw the state after
// it (here: the selection the press clears).
TEST_F(Controls, LabelClickNotifiesBeforeTheLabelHandlesThePress)
{
    auto* label = new Recorded<RVADM_Label>(&dialog, "selectable text");
    label->setTextInteractionFlags(Qt::TextSelectableByMouse);
    label->setSelection(0, 10);
    bool selectedWhenNotified = false;
    label->onNotify = [&](std::int32_t) { selectedWhenNotified = label->hasSelectedText(); };
    QTest::mousePress(label, Qt::LeftButton, {}, QPoint(label->width() - 2, label->height() / 2));
    EXPECT_EQ(label->UserCodes(), Codes{2});
    EXPECT_TRUE(selectedWhenNotified);
    EXPECT_FALSE(label->hasSelectedText());
}

TEST_F(Controls, PictureLabelTakesThePictureSizeAndNotifiesOnlyAReleaseInside)
{
    auto* label = new Recorded<RVADM_PictureLabel>(&dialog, kInfoIcon);
    EXPECT_EQ(label->size(), QSize(32, 32));
    const QPoint releases[] = {{20, 20}, {40, 5}, {5, -1}};
    for (const QPoint& release : releases) {
        QTest::mousePress(label, Qt::LeftButton, {}, QPoint(5, 5));
        QTest::mouseRelease(label, Qt::LeftButton, {}, release);
    }
    EXPECT_EQ(label->UserCodes(), Codes{2});
    label->SetPicture(16209);
    EXPECT_EQ(label->size(), QSize(16, 16));
}

TEST_F(Controls, TextEditDeliversThreeWhileTypingTwoForAChangedCommitAndNineForSelectAll)
{
    auto* edit = new Recorded<RVADM_TextEdit>(&dialog, "start");
    edit->show();
    QApplication::setActiveWindow(&dialog);
    edit->setFocus();
    QTest::keyClick(edit, Qt::Key_Return);
    QTest::keyClicks(edit, "ab");
    EXPECT_TRUE(edit->IsModified());
    QTest::keyClick(edit, Qt::Key_Return);
    EXPECT_FALSE(edit->IsModified());
    QTest::keyClick(edit, Qt::Key_Return); // nothing changed since the last commit
    edit->clearFocus();                    // nor when the focus leaves
    edit->setFocus();
    QTest::keyClicks(edit, "x");
    edit->SetText("replaced"); // no user change
    QTest::keyClick(edit, Qt::Key_Return);
    edit->SelectAll();
    EXPECT_EQ(edit->selectedText(), QStringLiteral("replaced"));
    EXPECT_EQ(edit->UserCodes(), (Codes{3, 3, 2, 3, 9}));
    EXPECT_TRUE(edit->hasFocus()); // only on a panel does a commit key give the focus away
}

// Whether the opaque pixels of `picture` appear unchanged in `image` with the picture wholly
// inside `area` of `image`.
bool ShowsPictureIn(const QImage& image, const QImage& picture, const QRect& area)
{
    const QImage shown = image.convertToFormat(QImage::Format_ARGB32);
    const QImage expected = picture.convertToFormat(QImage::Format_ARGB32);
    const auto matchesAt = [&](int left, int top) {
        for (int y = 0; y < expected.height(); ++y)
            for (int x = 0; x < expected.width(); ++x)
                if (qAlpha(expected.pixel(x, y)) == 255 && shown.pixel(left + x, top + y) != expected.pixel(x, y))
                    return false;
        return true;
    };
    const QRect inside = area & shown.rect();
    for (int top = inside.top(); top + expected.height() <= inside.bottom() + 1; ++top)
        for (int left = inside.left(); left + expected.width() <= inside.right() + 1; ++left)
            if (matchesAt(left, top))
                return true;
    return false;
}

constexpr QSize kPanelSize(260, 160);

class ControlsPanel : public toolkittest::HostPanelFixture
{
protected:
    void TearDown() override
    {
        hostapp::ApplyHostTheme(false);
        QApplication::setPalette(m_appPalette);
        HostPanelFixture::TearDown();
    }

    RVADM_Label *settingsLabel = nullptr, *status = nullptr, *warning = nullptr;
    Recorded<RVADM_TextEdit>* settings = nullptr;
    RVADM_TextEdit* note = nullptr;
    RVADM_TextPushButton *generate = nullptr, *close = nullptr;
    RVADM_PicturePushButton *zoomIn = nullptr, *zoomOut = nullptr;
    RVADM_PictureToggle* link = nullptr;
    RVADM_PictureLabel *light = nullptr, *warningIcon = nullptr;

    void Create()
    {
        settingsLabel = new RVADM_Label(&panel, "Dot Gain Settings:", true);
        settings = new Recorded<RVADM_TextEdit>(&panel, "Standard");
        note = new RVADM_TextEdit(&panel, nullptr);
        note->SetPlaceholderText("Comment", true);
        generate = new RVADM_TextPushButton(&panel, "Generate", true);
        close = new RVADM_TextPushButton(&panel, "Close", true);
        zoomIn = new RVADM_PicturePushButton(&panel, 16028);
        zoomOut = new RVADM_PicturePushButton(&panel, 16029);
        zoomOut->SetAutoRaise(true);
        link = new RVADM_PictureToggle(&panel, 16051);
        link->SetChecked(true);
        light = new RVADM_PictureLabel(&panel, 16209);
        status = new RVADM_Label(&panel, "Connected", true);
        warningIcon = new RVADM_PictureLabel(&panel, 16003);
        warning = new RVADM_Label(&panel, "The document uses inks that are not in the colour book.", true);
        warning->SetWordWrap(true);
        // The application picks a warning colour that reads on the theme's background.
        const bool dark = RVADMQtManager::QtManager::IsInDarkMode(&panel);
        warning->SetTextColor(dark ? QColor(255, 140, 90) : QColor(190, 60, 20));
    }

    void Layout()
    {
        RVADM_Item::PlaceInParent(settingsLabel, kAlignMoveLeft | kAlignMoveTop);
        RVADM_Item::MoveRightOf(settingsLabel, settings, kAlignCenterVertical);
        RVADM_Item::PlaceInParent(settings, kAlignStretchRight);
        RVADM_Item::MoveBelow(settings, note, kAlignStretchLeft | kAlignStretchRight);
        RVADM_Item::MoveBelow(note, generate, kAlignMoveRight);
        RVADM_Item::MoveLeftOf(generate, close, kAlignMoveTop);
        RVADM_Item::MoveBelow(generate, zoomIn, kAlignNone);
        RVADM_Item::PlaceInParent(zoomIn, kAlignMoveLeft);
        RVADM_Item::MoveRightOf(zoomIn, zoomOut, kAlignMoveTop);
        RVADM_Item::MoveRightOf(zoomOut, link, kAlignMoveTop);
        RVADM_Item::MoveBelow(zoomIn, light, kAlignMoveLeft);
        RVADM_Item::MoveRightOf(light, status, kAlignCenterVertical);
        RVADM_Item::MoveBelow(light, warningIcon, kAlignMoveLeft);
        RVADM_Item::MoveRightOf(warningIcon, warning, kAlignMoveTop);
        RVADM_Item::PlaceInParent(warning, kAlignStretchRight);
        warning->SetHeight(warning->heightForWidth(warning->GetWidth()));
    }

    void Open()
    {
        panel.create = [this] { Create(); };
        panel.layout = [this] { Layout(); };
        ASSERT_EQ(panel.CreatePanel("Controls", RVADM_NonModalDialog::kResizableKind, false, 16100), kNoErr);
        panel.SetSize(kPanelSize.width(), kPanelSize.height());
        ASSERT_TRUE(panel.ShowPanel(true));
        panel.window()->activateWindow();
        QApplication::processEvents();
    }

    toolkittest::TestPanel panel;

private:
    const QPalette m_appPalette = QApplication::palette();
};

TEST_F(ControlsPanel, ControlsTakeThePanelFontButtonsNoFocusAndCommitKeysHandTheFocusToTheHost)
{
    Open();
    for (QWidget* text : std::initializer_list<QWidget*>{settingsLabel, settings, note, generate, close, status, warning})
        EXPECT_EQ(text->font().pixelSize(), 10) << text->metaObject()->className();
    for (QWidget* button : std::initializer_list<QWidget*>{generate, close, zoomIn, zoomOut, link})
        EXPECT_EQ(button->focusPolicy(), Qt::NoFocus) << button->metaObject()->className();
    QTest::mouseClick(generate, Qt::LeftButton);
    EXPECT_EQ(panel.notified, std::vector<RVADM_Item*>{generate});
    EXPECT_EQ(host.ContextDepth(), 0);
    EXPECT_GT(host.ContextPushes(), 0);

    hostsim::AppWindow& hostWindow = host.PlatformAppWindow();
    settings->setFocus();
    QTest::keyClick(settings, Qt::Key_Left);
    QTest::keyClicks(settings, "1");
    for (const Qt::Key key : {Qt::Key_Return, Qt::Key_Enter, Qt::Key_Escape}) {
        panel.window()->activateWindow();
        QApplication::processEvents();
        settings->setFocus();
        ASSERT_TRUE(settings->hasFocus());
        QTest::keyClick(settings, key);
        QApplication::processEvents(); // the window system activates the host window
        EXPECT_EQ(QApplication::focusWidget(), &hostWindow) << key;
    }
    EXPECT_EQ(hostWindow.FocusArrivals(), 3);
    EXPECT_EQ(settings->UserCodes(), (Codes{3, 2}));
    QFocusEvent focusIn(QEvent::FocusIn, Qt::MouseFocusReason);
    QApplication::sendEvent(settings, &focusIn);
    QApplication::processEvents();
    EXPECT_EQ(QApplication::activeWindow(), panel.window());

    EXPECT_EQ(hostWindow.FocusArrivals(), 3);
}

class ControlsPanelPixels : public ControlsPanel, public testing::WithParamInterface<bool>
{
};

// The panel as the user sees it, in the host theme switched by the host application (dark when the
// parameter is true), at the run's device pixel ratio. With HUELINE_SCREENSHOT_DIR=<folder> it is
// written there as toolkit-controls-<theme>.png (ratio 1) or toolkit-controls-<theme>@2x.png (ratio 2).
TEST_P(ControlsPanelPixels, ShowTheThemesPicturesAtTheScreensDensity)
{
    const bool dark = GetParam();
    const double ratio = toolkittest::RunRatio();
    hostapp::ApplyHostTheme(dark);
    // A host on a double-density screen reports the ratio as its UI scale, so that host and Qt
    // pixels of a panel agree.
    host.SetUIScaleFactor(ratio);
    Open();
    QWidget& window = hostsim::PanelCenter::WindowOf(*host.Panels().Find(panel.GetPanel()));
    const QImage shot = window.grab().toImage();
    ASSERT_EQ(shot.size(), kPanelSize * ratio);

    const std::pair<QWidget*, std::int32_t> shown[] = {{zoomIn, 16028}, {zoomOut, 16029}, {link, 16051}, {light, 16209}, {warningIcon, 16003}};
    for (const auto& [control, id] : shown) {
        const QPixmap picture = LoadPicture(id, ratio, dark ? kDarkTheme : kLightTheme);
        EXPECT_EQ(picture.devicePixelRatio(), ratio) << id;
        const QRect area(control->mapTo(&window, QPoint(0, 0)) * ratio, control->size() * ratio);
        EXPECT_TRUE(ShowsPictureIn(shot, picture.toImage(), area)) << id;
    }
    namespace QtManager = RVADMQtManager::QtManager;
    EXPECT_EQ(shot.pixel(shot.width() - 1, shot.height() - 1), QtManager::GetControlColor(nullptr, QtManager::kColorBackground, true).rgb());
    EXPECT_EQ(settings->palette().color(QPalette::Base), QtManager::GetControlColor(nullptr, QtManager::kColorBase, true));

    const QString folder = qEnvironmentVariable("HUELINE_SCREENSHOT_DIR");
    if (!folder.isEmpty()) {
        EXPECT_TRUE(shot.save(folder + (dark ? "/toolkit-controls-dark" : "/toolkit-controls-light") + (ratio > 1.0 ? "@2x.png" : ".png")));
    }
}

INSTANTIATE_TEST_SUITE_P(HostThemes, ControlsPanelPixels, testing::Bool(),
                         [](const testing::TestParamInfo<bool>& info) { return info.param ? "dark" : "light"; });

// The pixel tests run at ratio 1 and, with QT_SCALE_FACTOR=2, at ratio 2: a run whose screen does
// not have the ratio it was asked for would check nothing new.
TEST(ScreenRatio, IsTheRatioTheRunAskedFor)
{
    QWidget window;
    window.show();
    EXPECT_EQ(window.devicePixelRatioF(), toolkittest::RunRatio());
}

} // namespace
} // namespace qRVADM
