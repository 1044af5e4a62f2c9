// Every control together on a panel of the simulated host, laid out with the placement helpers.
#include "ControlTestSupport.h"

#include "toolkit/RVADM_Label.h"
#include "toolkit/RVADM_PictureLabel.h"
#include "toolkit/RVADM_PicturePushButton.h"
#include "toolkit/RVADM_PictureToggle.h"
#include "toolkit/RVADM_Pictures.h"
#include "toolkit/RVADM_TextEdit.h"
#include "toolkit/RVADM_TextPushButton.h"

#include "RVADMQtManager.h"

namespace qRVADM {
namespace {

class ControlsPanel : public toolkittest::ControlPanelFixture
{
protected:
    void TearDown() override
    {
        RVADMQtManager::QtManager::SetDarkMode(false);
        ControlPanelFixture::TearDown();
    }

    RVADM_Label* settingsLabel = nullptr;
    RVADM_TextEdit* settings = nullptr;
    RVADM_TextEdit* note = nullptr;
    RVADM_TextPushButton* generate = nullptr;
    RVADM_TextPushButton* close = nullptr;
    RVADM_PicturePushButton* zoomIn = nullptr;
    RVADM_PicturePushButton* zoomOut = nullptr;
    RVADM_PictureToggle* link = nullptr;
    RVADM_PictureLabel* light = nullptr;
    RVADM_Label* status = nullptr;
    RVADM_PictureLabel* warningIcon = nullptr;
    RVADM_Label* warning = nullptr;

    void Create()
    {
        settingsLabel = new RVADM_Label(&panel, "Dot Gain Settings:", true);
        settings = new RVADM_TextEdit(&panel, "Standard");
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
        warning->SetTextColor(QColor(190, 60, 20));
    }

    void Layout()
    {
        RVADM_Item::PlaceInParent(settingsLabel, kAlignMoveLeft | kAlignMoveTop);
        RVADM_Item::MoveRightOf(settingsLabel, settings, kAlignCenterVertical);
        RVADM_Item::PlaceInParent(settings, kAlignStretchRight);
        RVADM_Item::MoveBelow(settings, note, kAlignMoveLeft | kAlignStretchRight);
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
        panel.layout = [this] { Layout(); };
        OpenPanel([this] { Create(); }, QSize(260, 150));
    }
};

TEST_F(ControlsPanel, EveryControlTakesThePanelFontAndOnlyEditsTakeTheFocus)
{
    Open();
    for (QWidget* text : std::initializer_list<QWidget*>{settingsLabel, settings, note, generate, close, status, warning})
        EXPECT_EQ(text->font().pixelSize(), 10) << text->metaObject()->className();
    for (QWidget* button : std::initializer_list<QWidget*>{generate, close, zoomIn, zoomOut, link})
        EXPECT_EQ(button->focusPolicy(), Qt::NoFocus) << button->metaObject()->className();
    EXPECT_NE(settings->focusPolicy(), Qt::NoFocus);
    EXPECT_EQ(close->GetRight(), generate->GetLeft() - 6);
    EXPECT_LE(warning->GetBottom(), panel.height());
}

// The panel as the user sees it; run with HUELINE_SCREENSHOT_DIR=<folder> to write it.
TEST_F(ControlsPanel, PixelsShowTheControlsPictures)
{
    Open();
    const double ratio = toolkittest::RunRatio();
    const QImage shot = hostsim::PanelCenter::WindowOf(*host.Panels().Find(panel.GetPanel())).grab().toImage();
    const QPoint lightAt = light->mapTo(panel.window(), QPoint(0, 0)) * ratio;
    EXPECT_TRUE(toolkittest::ShowsPicture(shot, LoadPicture(16209, ratio, 0).toImage(), lightAt));
    const QByteArray folder = qgetenv("HUELINE_SCREENSHOT_DIR");
    if (!folder.isEmpty())
        shot.save(QString::fromLocal8Bit(folder) + QStringLiteral("/toolkit-controls.png"));
}

} // namespace
} // namespace qRVADM

namespace qRVADM {
namespace {

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
