// Every control together on a panel of the simulated host, laid out with the placement helpers,
// in the host's light and dark theme.
#include "ControlTestSupport.h"

#include "toolkit/RVADM_Label.h"
#include "toolkit/RVADM_PictureLabel.h"
#include "toolkit/RVADM_PicturePushButton.h"
#include "toolkit/RVADM_PictureToggle.h"
#include "toolkit/RVADM_Pictures.h"
#include "toolkit/RVADM_TextEdit.h"
#include "toolkit/RVADM_TextPushButton.h"

#include "sim/app/HostTheme.h"

#include "RVADMQtManager.h"

#include <QPalette>

#include <ostream>

namespace qRVADM {
namespace {

constexpr QSize kPanelSize(260, 160);
constexpr int kLightTheme = 2;
constexpr int kDarkTheme = 3;

class ControlsPanel : public toolkittest::ControlPanelFixture
{
protected:
    void SetUp() override
    {
        ControlPanelFixture::SetUp();
        m_appPalette = QApplication::palette();
    }

    void TearDown() override
    {
        hostapp::ApplyHostTheme(false);
        QApplication::setPalette(m_appPalette);
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
        panel.layout = [this] { Layout(); };
        OpenPanel([this] { Create(); }, kPanelSize);
    }

private:
    QPalette m_appPalette;
};

TEST_F(ControlsPanel, EveryControlTakesThePanelFontAndOnlyEditsTakeTheFocus)
{
    Open();
    for (QWidget* text : std::initializer_list<QWidget*>{settingsLabel, settings, note, generate, close, status, warning})
        EXPECT_EQ(text->font().pixelSize(), 10) << text->metaObject()->className();
    for (QWidget* button : std::initializer_list<QWidget*>{generate, close, zoomIn, zoomOut, link})
        EXPECT_EQ(button->focusPolicy(), Qt::NoFocus) << button->metaObject()->className();
    EXPECT_NE(settings->focusPolicy(), Qt::NoFocus);
    EXPECT_EQ(note->GetLeft(), settings->GetLeft());
    EXPECT_EQ(note->GetRight(), settings->GetRight());
    EXPECT_EQ(generate->GetRight(), note->GetRight());
    EXPECT_EQ(close->GetRight(), generate->GetLeft() - 6);
    EXPECT_LE(warning->GetBottom(), panel.height());
}

struct HostTheme
{
    const char* name;
    bool dark;
};

void PrintTo(const HostTheme& theme, std::ostream* os)
{
    *os << theme.name;
}

class ControlsPanelPixels : public ControlsPanel, public testing::WithParamInterface<HostTheme>
{
};

// The panel as the user sees it, in the host theme switched by the host application, at the run's
// device pixel ratio. With HUELINE_SCREENSHOT_DIR=<folder> it is written there as
// toolkit-controls-<theme>.png (ratio 1) or toolkit-controls-<theme>@2x.png (ratio 2).
TEST_P(ControlsPanelPixels, ShowTheThemesPicturesAtTheScreensDensity)
{
    const HostTheme& theme = GetParam();
    const double ratio = toolkittest::RunRatio();
    hostapp::ApplyHostTheme(theme.dark);
    // A host on a double-density screen reports the ratio as its UI scale, so that host and Qt
    // pixels of a panel agree.
    host.SetUIScaleFactor(ratio);
    Open();
    QWidget& window = hostsim::PanelCenter::WindowOf(*host.Panels().Find(panel.GetPanel()));
    const QImage shot = window.grab().toImage();
    ASSERT_EQ(shot.size(), kPanelSize * ratio);

    const struct
    {
        QWidget* control;
        std::int32_t id;
    } shown[] = {{zoomIn, 16028}, {zoomOut, 16029}, {link, 16051}, {light, 16209}, {warningIcon, 16003}};
    for (const auto& entry : shown) {
        const QPixmap picture = LoadPicture(entry.id, ratio, theme.dark ? kDarkTheme : kLightTheme);
        ASSERT_FALSE(picture.isNull()) << entry.id;
        EXPECT_EQ(picture.devicePixelRatio(), ratio) << entry.id;
        const QRect area(entry.control->mapTo(&window, QPoint(0, 0)) * ratio, entry.control->size() * ratio);
        EXPECT_TRUE(toolkittest::ShowsPictureIn(shot, picture.toImage(), area)) << entry.id;
    }
    const QColor background =
        RVADMQtManager::QtManager::GetControlColor(nullptr, RVADMQtManager::QtManager::kColorBackground, true);
    EXPECT_EQ(shot.pixel(shot.width() - 1, shot.height() - 1), background.rgb());
    EXPECT_EQ(settings->palette().color(QPalette::Base),
              RVADMQtManager::QtManager::GetControlColor(nullptr, RVADMQtManager::QtManager::kColorBase, true));

    const QByteArray folder = qgetenv("HUELINE_SCREENSHOT_DIR");
    if (!folder.isEmpty()) {
        const QString name = QStringLiteral("/toolkit-controls-%1%2.png")
                                 .arg(QLatin1String(theme.name), ratio > 1.0 ? QStringLiteral("@2x") : QString());
        EXPECT_TRUE(shot.save(QString::fromLocal8Bit(folder) + name));
    }
}

INSTANTIATE_TEST_SUITE_P(HostThemes, ControlsPanelPixels, testing::Values(HostTheme{"light", false}, HostTheme{"dark", true}),
                         [](const testing::TestParamInfo<HostTheme>& info) { return std::string(info.param.name); });

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
