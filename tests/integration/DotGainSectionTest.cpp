// The panel's dot gain list in Viewer.aip with the simulated engine: what it offers from the
// settings folder, the curve and tool tip a choice gives, the preview redrawn with that curve,
// and the reload after the dot gain settings dialog.

#include "EngineRendering.h"
#include "ViewerHost.h"

#include "sim/host/PanelCenter.h"
#include "tests/settings/PressTestText.h"

#include <QComboBox>
#include <QPushButton>

#include <array>
#include <filesystem>
#include <functional>

namespace {

using hostsim::EngineAttendance;
using Curve = std::array<double, 5>;

constexpr const char* kFolder = "Hueline/dot_gain_curves/";
constexpr const char* kDialogEntry = "Dot Gain Settings...";

bool Called(const std::vector<std::string>& calls, const std::string& entry)
{
    return std::any_of(calls.begin(), calls.end(), [&](const std::string& call) { return call.rfind(entry, 0) == 0; });
}

class DotGainSectionTest : public ViewerHostTest
{
protected:
    void Store(const std::string& name, const Curve& curve)
    {
        char lines[256];
        std::snprintf(lines, sizeof lines,
                      "Minimum Dot Gain: %f\n25 Dot Gain: %f\n50 Dot Gain: %f\n75 Dot Gain: %f\nMaximum Dot Gain: %f\n",
                      curve[0], curve[1], curve[2], curve[3], curve[4]);
        m_folder.Write(kFolder + name + ".press", FirstLines(kDefaultRecordText, 22) + lines);
    }
    void Spoil(const std::string& name) { m_folder.Write(kFolder + name + ".press", "Version: 0\n"); }
    long Entries() const
    {
        const std::filesystem::path folder = m_folder.Path() / kFolder;
        return std::filesystem::exists(folder) ? std::distance(std::filesystem::directory_iterator(folder),
                                                               std::filesystem::directory_iterator())
                                               : 0;
    }

    // The label sample generated in the shown panel.
    void StartWithPreview()
    {
        std::string error;
        ASSERT_NE(m_host.Documents().Open((std::filesystem::path(HUELINE_SAMPLES_DIR) / "label.json").string(), error),
                  nullptr)
            << error;
        Start(EngineAttendance::Ready);
        hostsim::PanelCenter::Show(Panel(), true);
        for (QPushButton* button : Window().findChildren<QPushButton*>())
            if (button->text() == "Generate")
                button->click();
    }

    hostsim::Panel& Panel() { return *m_host.Panels().FindByName("Hueline Viewer"); }
    QWidget& Window() { return hostsim::PanelCenter::WindowOf(Panel()); }
    QWidget& Canvas() { return *Window().childAt(240, 100); }
    QImage Preview() { return Canvas().grab().toImage().convertToFormat(QImage::Format_RGB32); }

    QComboBox& List()
    {
        for (QComboBox* list : Window().findChildren<QComboBox*>())
            if (list->itemText(0) == "Automatic")
                return *list;
        throw std::runtime_error("the panel has no dot gain list");
    }
    QStringList Rows()
    {
        QStringList rows;
        for (int row = 0; row < List().count(); ++row)
            rows << List().itemText(row);
        return rows;
    }

    // As a person's choice; returns the engine calls it caused.
    std::vector<std::string> Choose(const QString& entry)
    {
        TakeEngineCalls();
        const int row = List().findText(entry);
        EXPECT_GE(row, 0) << entry.toStdString();
        List().setCurrentIndex(row);
        emit List().activated(row);
        return TakeEngineCalls();
    }

    // The panel's flyout entry with no dialog allowed: the dialog ends at once, then the list
    // reloads. Returns the engine calls it caused.
    std::vector<std::string> OpenDialog()
    {
        TakeEngineCalls();
        const hostsim::FlyoutMenu* menu = m_host.Panels().FlyoutMenus().Find(Panel().flyoutMenu);
        EXPECT_NE(menu, nullptr);
        for (const hostsim::FlyoutMenu::Item& item : menu->items)
            if (item.text == QString(kDialogEntry).toStdU16String()) {
                EXPECT_TRUE(m_host.Panels().ChooseFlyoutItem(Panel(), item.id));
            }
        return TakeEngineCalls();
    }
};

constexpr const char* kOffsetTip =
    "Minimum dot 0.0 %\n25 % prints as 25.0 %\n50 % prints as 50.0 %\n75 % prints as 75.0 %\nMaximum dot 100.0 %";

TEST_F(DotGainSectionTest, AChoiceSendsItsCurveShowsItInTheTipAndRedrawsThePreviewWithIt)
{
    Store("Offset", {0, 25, 50, 75, 100});
    Store("web", {2, 30, 55, 80, 100});
    Spoil("Broken");
    StartWithPreview();
    EXPECT_EQ(Rows(), QStringList({"Automatic", "Offset", "web"}));
    EXPECT_EQ(List().currentIndex(), 0);
    EXPECT_EQ(List().toolTip(), "Automatic");
    const QImage automatic = Preview();

    std::vector<std::string> calls = Choose("Offset");
    EXPECT_TRUE(Called(calls, "SetDotGainCurve(0, 0.25, 0.5, 0.75, 1)"));
    EXPECT_EQ(List().toolTip(), kOffsetTip);
    const QImage offset = Preview();
    calls = TakeEngineCalls();
    EXPECT_TRUE(Called(calls, "RenderPreview"));
    EXPECT_EQ(offset, RenderedAgain(m_host, calls));
    EXPECT_NE(offset, automatic);

    // Removed by another workstation after the fill: the engine keeps the curve, the tip goes.
    std::filesystem::remove(m_folder.Path() / kFolder / "web.press");
    EXPECT_FALSE(Called(Choose("web"), "SetDotGainCurve"));
    EXPECT_EQ(List().toolTip(), "");

    EXPECT_TRUE(Called(Choose("Automatic"), "SetDotGainCurve(0, 0, 0, 0, 0)"));
    EXPECT_EQ(List().toolTip(), "Automatic");
    EXPECT_EQ(Preview(), automatic);
}

// After the dialog the list is filled again and the choice applied again, whether or not it
// changed; nothing is written by a dialog the host does not allow.
TEST_F(DotGainSectionTest, TheReloadAfterTheDialogKeepsAChoiceThatStillLoadsAndAppliesItAgain)
{
    struct Step
    {
        const char* what;
        std::function<void()> change;
        QStringList rows;
        QString chosen;
        const char* curve;
    };
    Store("Offset", {0, 25, 50, 75, 100});
    Store("web", {2, 30, 55, 80, 100});
    StartWithPreview();
    Choose("web");
    const Step steps[] = {
        {"nothing changed", [] {}, {"Automatic", "Offset", "web"}, "web", "SetDotGainCurve(0.02, 0.3, 0.55, 0.8, 1)"},
        {"web edited", [&] { Store("web", {5, 35, 60, 85, 100}); }, {"Automatic", "Offset", "web"}, "web",
         "SetDotGainCurve(0.05, 0.35, 0.6, 0.85, 1)"},
        {"a setting added", [&] { Store("Added", {0, 25, 50, 75, 100}); }, {"Automatic", "Added", "Offset", "web"}, "web",
         "SetDotGainCurve(0.05, 0.35, 0.6, 0.85, 1)"},
        {"web no longer parses", [&] { Spoil("web"); }, {"Automatic", "Added", "Offset"}, "Automatic",
         "SetDotGainCurve(0, 0, 0, 0, 0)"},
        {"the folder is gone", [&] { std::filesystem::remove_all(m_folder.Path() / kFolder); }, {"Automatic"},
         "Automatic", "SetDotGainCurve(0, 0, 0, 0, 0)"},
    };
    for (const Step& step : steps) {
        SCOPED_TRACE(step.what);
        step.change();
        const long before = Entries();
        const std::vector<std::string> calls = OpenDialog();
        EXPECT_EQ(Rows(), step.rows);
        EXPECT_EQ(List().currentText(), step.chosen);
        EXPECT_TRUE(Called(calls, step.curve));
        Preview();
        EXPECT_TRUE(Called(TakeEngineCalls(), "RenderPreview"));
        EXPECT_EQ(Entries(), before);
    }
}

}  // namespace
