// Generate and Update in Viewer.aip with the simulated engine: the button and the "Generate" menu
// command through the job life cycle, refusals and failures, and the canvas showing the engine's
// pixels.

#include "EngineRendering.h"
#include "ViewerHost.h"

#include "tests/settings/ui/ModalScript.h"

#include "plugin/suites/HLKilnSuite.h"
#include "sim/host/PanelCenter.h"
#include "tests/support/EngineJob.h"

#include <QAbstractButton>
#include <QDialog>
#include <QPushButton>

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <functional>

namespace {

using hostsim::EngineAttendance;

std::string Sample(const char* name)
{
    return (std::filesystem::path(HUELINE_SAMPLES_DIR) / name).string();
}

// The entries of a generation, in the order the engine got them.
std::vector<std::string> GenerationCalls(const std::vector<std::string>& calls)
{
    static const std::string kEntries[] = {"ResetSession",    "BeginActivity", "RunGeneration",       "ResultSucceeded",
                                           "GetResultMessage", "GetJobSize",   "JobLoaded",           "ReleaseResult",
                                           "EndActivity",      "SetTrapLayerVisible"};
    std::vector<std::string> found;
    for (const std::string& call : calls) {
        const std::string entry = call.substr(0, call.find('('));
        if (std::find(std::begin(kEntries), std::end(kEntries), entry) != std::end(kEntries))
            found.push_back(entry);
    }
    return found;
}

const std::vector<std::string> kGeneration = {"ResetSession", "BeginActivity", "RunGeneration",       "ResultSucceeded",
                                              "GetJobSize",   "JobLoaded",     "SetTrapLayerVisible", "ReleaseResult",
                                              "EndActivity"};

class GenerateTest : public ViewerHostTest
{
protected:
    AIDocumentHandle Open(const std::string& path)
    {
        std::string error;
        const AIDocumentHandle document = m_host.Documents().Open(path, error);
        EXPECT_NE(document, nullptr) << error;
        return document;
    }

    hostsim::Panel& Panel() { return *m_host.Panels().FindByName("Hueline Viewer"); }
    void ShowPanel() { hostsim::PanelCenter::Show(Panel(), true); }
    QWidget& Canvas() { return *hostsim::PanelCenter::WindowOf(Panel()).childAt(240, 100); }

    QPushButton& Button()
    {
        for (QPushButton* button : hostsim::PanelCenter::WindowOf(Panel()).findChildren<QPushButton*>())
            if (button->text() == "Generate" || button->text() == "Update")
                return *button;
        throw std::runtime_error("the panel has no Generate/Update button");
    }

    // Found by its key: its text changes.
    AIMenuItemHandle GenerateHandle()
    {
        for (const AIMenuItemHandle item : m_host.Menus().ItemsOf("HLViewerMenuGroup"))
            if (m_host.Menus().FindItem(item)->key == "Generate_HL")
                return item;
        throw std::runtime_error("no Generate menu command");
    }
    hostsim::MenuItem& GenerateItem() { return *m_host.Menus().FindItem(GenerateHandle()); }

    const KilnControlSuite& Control() { return *AcquireHostSuite<KilnControlSuite>(m_host); }

    // One paint of the canvas: its pixels, and the RenderPreview calls it made in `renders`.
    QImage PaintCanvas(std::vector<std::string>& renders)
    {
        TakeEngineCalls();
        const QImage shown = Canvas().grab().toImage().convertToFormat(QImage::Format_RGB32);
        renders.clear();
        for (const std::string& call : TakeEngineCalls())
            if (call.rfind("RenderPreview", 0) == 0)
                renders.push_back(call);
        return shown;
    }
};

// The whole life cycle on the label sample, one step after the other.
TEST_F(GenerateTest, ButtonAndMenuCommandFollowTheJobLifeCycle)
{
    struct Step
    {
        const char* what;
        std::function<void()> act;
        const char* label;  // the button's and the menu command's
        bool offered;       // both enabled
        bool canvas;        // enabled
        bool generated;     // the engine got a whole generation, else none of it
    };
    std::string error;
    AIDocumentHandle label = Open(Sample("label.json"));
    AIDocumentHandle other = nullptr;
    AIDocumentHandle third = nullptr;
    Start(EngineAttendance::Ready);
    const Step steps[] = {
        {"start, panel hidden", [] {}, "Generate", false, false, false},
        {"panel shown", [&] { ShowPanel(); }, "Generate", true, false, false},
        {"Generate clicked", [&] { Button().click(); }, "Generate", false, true, true},
        {"one timer period, nothing changed", [&] { m_host.AdvanceTicks(120); }, "Generate", false, true, false},
        {"document edited, one timer period",
         [&] {
             ASSERT_TRUE(m_host.Documents().Edit(label, hostsim::MoveArtwork{0, 10, 0}, error)) << error;
             m_host.AdvanceTicks(120);
         },
         "Update", true, true, false},
        {"Update chosen in the menu", [&] { m_host.ChooseMenuItem(GenerateHandle()); }, "Update", false, true, true},
        {"two other documents opened",
         [&] {
             other = Open(Sample("fine-detail.json"));
             third = Open(Sample("unknown-spot.json"));
         },
         "Generate", true, false, false},
        {"load type 3 in state 1 releases nothing", [&] { m_host.AdvanceTicks(120); }, "Generate", true, false, false},
        {"back to the job's document", [&] { m_host.Documents().Switch(label); }, "Generate", false, true, false},
        {"job's document edited, then another document closed",
         [&] {
             ASSERT_TRUE(m_host.Documents().Edit(label, hostsim::MoveArtwork{0, -10, 0}, error)) << error;
             m_host.AdvanceTicks(120);
             m_host.Documents().Close(third);
         },
         "Update", true, true, false},
        {"job's document closed, another current", [&] { m_host.Documents().Close(label); }, "Generate", true, false,
         false},
        {"the engine pushes a job (OY Sync)", [&] { Control().PushJob(0); }, "Generate", false, true, false},
        {"last document closed", [&] { m_host.Documents().Close(other); }, "Generate", false, false, false},
    };

    const int width = Button().width();
    for (const Step& step : steps) {
        TakeEngineCalls();
        step.act();
        const std::vector<std::string> calls = TakeEngineCalls();
        SCOPED_TRACE(step.what);
        EXPECT_EQ(Button().text().toStdString(), step.label);
        EXPECT_EQ(GenerateItem().text, step.label);
        EXPECT_EQ(Button().isEnabled(), step.offered);
        EXPECT_EQ(Button().width(), width) << "the button is never resized";
        EXPECT_EQ(GenerateItem().enabled, step.offered);
        EXPECT_EQ(Canvas().isEnabled(), step.canvas);
        EXPECT_EQ(Called(calls, "RunGeneration"), step.generated);
        EXPECT_EQ(Called(calls, "ResetSession"), step.generated);
        if (step.generated) {
            EXPECT_EQ(GenerationCalls(calls), kGeneration);
        }
        EXPECT_EQ(Control().CountOpenResults(), 0);
        EXPECT_EQ(Control().CountOpenActivities(), 0);
    }
}

// The canvas paints exactly what the engine renders for the rectangle and size it asked for.
TEST_F(GenerateTest, AfterGenerateTheCanvasShowsTheEnginesPixels)
{
    Open(Sample("label.json"));
    Start(EngineAttendance::Ready);
    ShowPanel();
    Button().click();
    std::vector<std::string> renders;
    const QImage shown = PaintCanvas(renders);
    ASSERT_EQ(renders.size(), 1u);
    const QImage engine = RenderedAgain(m_host, renders);
    EXPECT_EQ(shown, engine);
    EXPECT_NE(shown.pixel(shown.width() / 2, shown.height() / 2), engine.pixel(0, 0)) << "the label shows";
}

// With the view link off, Update keeps the canvas's view: a wider panel shows more of the job at the
// same zoom, and Update asks the engine for that rectangle again rather than fitting the job.
TEST_F(GenerateTest, WithTheLinkOffUpdateKeepsTheCanvasView)
{
    std::string error;
    const AIDocumentHandle label = Open(Sample("label.json"));
    Start(EngineAttendance::Ready);
    ShowPanel();
    for (QAbstractButton* toggle : hostsim::PanelCenter::WindowOf(Panel()).findChildren<QAbstractButton*>())
        if (toggle->isCheckable())
            toggle->click();
    Button().click();
    hostsim::PanelCenter::Resize(Panel(), AISize{640, 494});
    std::vector<std::string> kept;
    PaintCanvas(kept);
    ASSERT_EQ(kept.size(), 1u);
    ASSERT_TRUE(m_host.Documents().Edit(label, hostsim::MoveArtwork{0, 10, 0}, error)) << error;
    m_host.AdvanceTicks(120);
    ASSERT_EQ(Button().text(), "Update");
    Button().click();
    std::vector<std::string> updated;
    PaintCanvas(updated);
    EXPECT_EQ(updated, kept);
}

// Refused or failed generations leave "Generate" offered, the canvas disabled and no result open.
TEST_F(GenerateTest, RefusalsAndFailuresOfferGenerateAgain)
{
    struct Case
    {
        const char* what;
        std::string document;
        bool engineReady;
        QStringList message;  // heading and text of the critical message; none when empty
        bool engineAsked;
        const char* picture;  // the message's file name in HUELINE_SCREENSHOT_DIR
    };
    m_folder.Write("empty.json", R"({"format": "Hueline document", "version": 1, "colorModel": "CMYK",
        "page": {"width": 100, "height": 100, "origin": [0, 0]}, "artwork": []})");
    const Case cases[] = {
        {"RGB document", Sample("rgb-poster.json"), true,
         {"RGB documents not supported", "RGB documents cannot be viewed in Viewer."}, false, "viewer-rgb-refused.png"},
        {"ResetSession answers 0", Sample("label.json"), false, {}, true, nullptr},
        {"RunGeneration fails", (m_folder.Path() / "empty.json").string(), true,
         {"Generating Viewer preview failed", "empty.json: the document has no artwork to print."}, true,
         "viewer-generation-failed.png"},
    };
    Start(EngineAttendance::Ready);
    ShowPanel();
    m_host.SetUserInteractionAllowed(true);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        Open(c.document);
        Control().SetEngineReady(c.engineReady ? 1 : 0);
        QStringList shown;
        std::vector<modal::Step> dialogs;
        if (!c.message.empty())
            dialogs.push_back({c.message.front(), [&shown, &c](QDialog& dialog) {
                                   shown = modal::Texts<QLabel>(dialog);
                                   const QString folder = qEnvironmentVariable("HUELINE_SCREENSHOT_DIR");
                                   if (!folder.isEmpty())
                                       dialog.grab().save(folder + '/' + c.picture);
                                   modal::Press("OK")(dialog);
                               }});
        const modal::Script script(std::move(dialogs));
        TakeEngineCalls();
        Button().click();
        EXPECT_EQ(shown, c.message);
        EXPECT_EQ(Called(TakeEngineCalls(), "ResetSession"), c.engineAsked);
        EXPECT_EQ(Button().text(), "Generate");
        EXPECT_TRUE(Button().isEnabled());
        EXPECT_FALSE(Canvas().isEnabled());
        EXPECT_EQ(Control().CountOpenResults(), 0);
    }
}

// The menu command delivered although it is disabled (states 0 and 5) generates nothing but still
// refreshes the connection status and the ink warning.
TEST_F(GenerateTest, AClickInADisabledStateOnlyRefreshesTheStatus)
{
    Start(EngineAttendance::Ready);
    ShowPanel();
    for (const bool withJob : {false, true}) {
        if (withJob) {
            Open(Sample("label.json"));
            Button().click();
        }
        SCOPED_TRACE(withJob ? "state 5" : "state 0");
        ASSERT_FALSE(GenerateItem().enabled);
        GenerateItem().enabled = true;
        TakeEngineCalls();
        m_host.ChooseMenuItem(GenerateHandle());
        const std::vector<std::string> calls = TakeEngineCalls();
        EXPECT_FALSE(Called(calls, "RunGeneration"));
        EXPECT_TRUE(Called(calls, "GetConnectionStatus"));
        EXPECT_EQ(Called(calls, "GetInkName"), withJob) << "the ink warning reads the document's inks";
    }
}

TEST_F(GenerateTest, CompactModeHidesTheButtonAndAHiddenTrapLayerStaysHidden)
{
    WritePreferences("[Hueline/Viewer]\nShowSepsOnly = 1\nHideTrapLayer = 1\n");
    Open(Sample("label.json"));
    Start(EngineAttendance::Ready);
    ShowPanel();
    EXPECT_TRUE(GenerateItem().enabled);
    EXPECT_FALSE(Button().isVisible());
    TakeEngineCalls();
    m_host.ChooseMenuItem(GenerateHandle());
    EXPECT_TRUE(Canvas().isEnabled());
    EXPECT_TRUE(Called(TakeEngineCalls(), "SetTrapLayerVisible(0)"));
}

}  // namespace
