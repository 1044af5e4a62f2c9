// The "Hueline Viewer" panel of Viewer.aip in the simulated host with the simulated engine: the
// menu that shows it, its sizes, its connection status light and its ink warning, as the user
// and the engine see them.

#include "ViewerHost.h"

#include "plugin/suites/HLKilnHLSuite.h"
#include "plugin/suites/SPBasicSuite.h"
#include "sim/host/PanelCenter.h"

#include <QLabel>
#include <QPushButton>
#include <QVariant>
#include <QWidget>

#include <filesystem>

namespace {

using hostsim::EngineAttendance;

constexpr const char* kPanelName = "Hueline Viewer";
constexpr const char* kPictureProperty = "_rvadm_pictureid";
constexpr int kGreenLight = 16209;
constexpr int kOrangeLight = 16210;
constexpr int kRedLight = 16211;
constexpr int kWarningIcon = 16003;
constexpr int kLinkedPicture = 16051;
constexpr const char* kConnectionSuite = "HL Kiln HL Suite";
constexpr const char* kNoConnectionMessage =
    "Please check your Internet connection and/or your Hueline account settings in Preferences > Hueline.";
constexpr const char* kWarningStart = "Some colors in this document are not part of Hueline.\n";

std::string Sample(const char* name)
{
    return (std::filesystem::path(HUELINE_SAMPLES_DIR) / name).string();
}

class ViewerPanelTest : public ViewerHostTest
{
protected:
    hostsim::Panel& Panel()
    {
        hostsim::Panel* panel = m_host.Panels().FindByName(kPanelName);
        if (panel == nullptr)
            throw std::runtime_error("the viewer made no panel");
        return *panel;
    }

    QWidget& PanelWindow() { return hostsim::PanelCenter::WindowOf(Panel()); }

    // The first picture control showing one of `ids`, or null.
    QWidget* Picture(std::initializer_list<int> ids)
    {
        for (QWidget* widget : PanelWindow().findChildren<QWidget*>()) {
            const QVariant shown = widget->property(kPictureProperty);
            for (int id : ids)
                if (shown.isValid() && shown.toInt() == id)
                    return widget;
        }
        return nullptr;
    }

    QWidget& Light()
    {
        QWidget* light = Picture({kGreenLight, kOrangeLight, kRedLight});
        if (light == nullptr)
            throw std::runtime_error("the panel shows no status light");
        return *light;
    }

    int LightShown() { return Light().property(kPictureProperty).toInt(); }

    QWidget& WarningIcon()
    {
        QWidget* icon = Picture({kWarningIcon});
        if (icon == nullptr)
            throw std::runtime_error("the panel shows no ink warning");
        return *icon;
    }

    QWidget& Canvas()
    {
        for (QWidget* widget : PanelWindow().findChildren<QWidget*>())
            if (widget->property("_hueline_cursorid").isValid())
                return *widget;
        throw std::runtime_error("the panel shows no canvas");
    }

    bool ShowsLabel(const char* text)
    {
        for (const QLabel* label : PanelWindow().findChildren<QLabel*>())
            if (label->text() == text)
                return true;
        return false;
    }

    const KilnControlSuite& Control()
    {
        const void* procs = nullptr;
        if (m_host.BasicSuite()->AcquireSuite(KilnControlSuite::kName, KilnControlSuite::kVersion, &procs) != kNoErr)
            throw std::runtime_error("no engine control suite");
        return *static_cast<const KilnControlSuite*>(procs);
    }

    AIMenuItemHandle ViewerItem() { return MenuItem({"Hueline", "Viewer", "Viewer"}); }

    bool ViewerItemChecked()
    {
        m_host.UpdateMenuItem(ViewerItem());
        return m_host.Menus().FindItem(ViewerItem())->checked;
    }

    void OpenDocument(const char* sample)
    {
        std::string error;
        ASSERT_NE(m_host.Documents().Open(Sample(sample), error), nullptr) << error;
    }

    std::vector<std::string> StatusQueries()
    {
        std::vector<std::string> queries;
        for (const std::string& call : TakeEngineCalls())
            if (call.rfind("GetConnectionStatus", 0) == 0)
                queries.push_back(call);
        return queries;
    }
};

int g_statusQueries = 0;

// An engine that announces a new state from inside its status call.
ASErr AnnouncingStatus(char* title, ASInt32, char* message, ASInt32, ASInt32* status, AIBoolean)
{
    ++g_statusQueries;
    title[0] = message[0] = '\0';
    *status = 0;
    hostsim::Host::Current().Broadcast("HL Conn Stat");
    return kNoErr;
}

// One start of the host per test: a start is the expensive part.
TEST_F(ViewerPanelTest, ThePanelFollowsTheMenuTheEnginesConnectionAndTheDocumentsInks)
{
    // Queries within 600 host time counts of the last full one pass the recent flag; the stored
    // time plus 600 wraps at 32 bits. The count starts 1024 before the wrap, where the panel's
    // first refresh is a full query.
    const std::pair<long long, const char*> queries[] = {
        {600, "GetConnectionStatus(256, 256, 1)"},  // exactly 600 after the first query
        {1, "GetConnectionStatus(256, 256, 0)"},    // 601: a full query, stored
        {424, "GetConnectionStatus(256, 256, 1)"},  // the count wrapped, so did the stored time + 600
        {200, "GetConnectionStatus(256, 256, 0)"},
    };
    m_host.SetTickCounterStart(0xFFFFFC00u);
    Start(EngineAttendance::Ready);
    TakeEngineCalls();
    for (const auto& [ticks, query] : queries) {
        m_host.AdvanceTicks(ticks);
        m_host.Broadcast("HL Conn Stat");
        EXPECT_EQ(StatusQueries(), std::vector<std::string> {query}) << "after " << ticks << " ticks";
    }

    bool recorded = false;
    EXPECT_FALSE(PanelWindow().isVisible());
    EXPECT_FALSE(ViewerItemChecked());
    // The menu command toggles the panel; the check mark follows.
    for (const bool shown : {true, false, true}) {
        m_host.ChooseMenuItem(ViewerItem());
        EXPECT_EQ(PanelWindow().isVisible(), shown);
        EXPECT_EQ(ViewerItemChecked(), shown);
    }
    ASSERT_TRUE(m_host.Preferences().GetBoolean(kPanelName, "PanelVisible", recorded));
    EXPECT_TRUE(recorded);
    // The panel widens when its bottom bar needs more than 480 pixels.
    EXPECT_EQ(PanelWindow().height(), 494);
    EXPECT_EQ(Panel().verticalResizeIncrement, 20);
    EXPECT_GE(PanelWindow().width(), 480);
    // Collapsed, the panel keeps its bottom bar; other heights move it.
    const QRect light = Light().geometry();
    for (const ASInt32 collapsed : {90, 100}) {
        hostsim::PanelCenter::Resize(Panel(), AISize {480, collapsed});
        EXPECT_EQ(Light().geometry(), light) << "collapsed to " << collapsed;
    }
    hostsim::PanelCenter::Resize(Panel(), AISize {480, 300});
    EXPECT_EQ(Light().geometry().bottom() - light.bottom(), 300 - 494);

    const std::pair<ASInt32, int> lights[] = {{1, kOrangeLight}, {0, kGreenLight}, {2, kRedLight}, {-1, kRedLight}};
    for (const auto& [status, picture] : lights) {
        Control().SetConnectionStatus(status, "Connected", "Fine.");
        EXPECT_EQ(LightShown(), picture) << "status " << status;
        EXPECT_EQ(Light().toolTip(), "Fine.");
    }
    // A longer title widens the panel: the canvas and the button take the new width at once, the
    // button clear of the view link.
    Control().SetConnectionStatus(1, "Connected, but the colour service answers slowly", "Slow.");
    const QWidget* link = Picture({kLinkedPicture});
    ASSERT_NE(link, nullptr);
    const QPushButton* button = PanelWindow().findChild<QPushButton*>();
    ASSERT_NE(button, nullptr);
    EXPECT_EQ(Canvas().width(), Canvas().parentWidget()->width());
    EXPECT_GE(button->x(), link->geometry().right() + 20);

    const std::pair<const char*, bool> documents[] = {{nullptr, false}, {"label.json", false}, {"unknown-spot.json", true}};
    for (const auto& [sample, warning] : documents) {
        if (sample != nullptr)
            OpenDocument(sample);
        m_host.Broadcast("HL Conn Stat");
        EXPECT_EQ(WarningIcon().isEnabled(), warning) << (sample ? sample : "no document");
        EXPECT_EQ(WarningIcon().toolTip().startsWith(kWarningStart), warning);
        EXPECT_EQ(WarningIcon().toolTip().isEmpty(), !warning);
    }

    // The host's modifier keys reach the shown panel's canvas (the space bar: the pan tool's
    // cursor 16207), not a hidden one's.
    QWidget* canvas = &Canvas();
    ASUInt32 keys = 512;
    m_host.Broadcast("HL Modifier Key Stroke Notifier", &keys);
    m_host.Broadcast("HL Modifier Key Stroke Notifier");
    EXPECT_EQ(canvas->property("_hueline_cursorid").toInt(), 16207);

    // The panel's own close box: the check mark follows.
    hostsim::PanelCenter::Close(Panel());
    hostsim::PanelCenter::Show(Panel(), false);
    EXPECT_FALSE(ViewerItemChecked());
    keys = 0;
    m_host.Broadcast("HL Modifier Key Stroke Notifier", &keys);
    EXPECT_EQ(canvas->property("_hueline_cursorid").toInt(), 16207);
    ASSERT_TRUE(m_host.Preferences().GetBoolean(kPanelName, "PanelVisible", recorded));
    EXPECT_FALSE(recorded);
}

TEST_F(ViewerPanelTest, APanelVisibleAtTheLastRunOpensShownAndShowSepsOnlyOpensItCompact)
{
    m_host.Preferences().PutBoolean(kPanelName, "PanelVisible", true);
    WritePreferences("[Hueline/Viewer]\nShowSepsOnly = 1\n");
    Start(EngineAttendance::Ready);
    EXPECT_TRUE(PanelWindow().isVisible());
    EXPECT_TRUE(ViewerItemChecked());
    EXPECT_EQ(PanelWindow().height(), 374);
    EXPECT_GE(PanelWindow().width(), 480);
}

// Without the ink suites the warning stays off; a missing connection suite shows red and is
// sought again; a refresh requested during one is dropped.
TEST_F(ViewerPanelTest, MissingEngineSuitesDisableOnlyTheirOwnFeature)
{
    static const HLKilnHLSuite kAnnouncing = {{}, AnnouncingStatus};
    for (const char* suite : {kConnectionSuite, "HL Ink Suite", "HL InkBook Suite"})
        m_host.Suites().SetMissing(suite, true);
    Start(EngineAttendance::Ready);
    OpenDocument("unknown-spot.json");
    m_host.Broadcast("HL Conn Stat");
    EXPECT_FALSE(WarningIcon().isEnabled());
    EXPECT_TRUE(WarningIcon().toolTip().isEmpty());
    EXPECT_EQ(LightShown(), kRedLight);
    EXPECT_TRUE(ShowsLabel("No connection"));
    EXPECT_EQ(Light().toolTip().toStdString(), kNoConnectionMessage);
    m_host.Suites().Add(kAnnouncing);
    m_host.Suites().SetMissing(kConnectionSuite, false);
    g_statusQueries = 0;
    m_host.Broadcast("HL Conn Stat");
    EXPECT_EQ(g_statusQueries, 1);
    EXPECT_EQ(LightShown(), kGreenLight);
}

}  // namespace
