// The panel's dot gain list in Viewer.aip with the simulated engine: what it offers from the
// settings folder, the curve, tool tip and preview a choice gives, and the reload after the dot
// gain settings dialog.

#include "EngineRendering.h"
#include "ViewerHost.h"

#include "sim/host/PanelCenter.h"
#include "tests/settings/PressTestText.h"

#include <QComboBox>
#include <QPushButton>

#include <filesystem>

namespace {

namespace fs = std::filesystem;

constexpr const char* kFolder = "Hueline/dot_gain_curves/";

class DotGainSectionTest : public ViewerHostTest
{
protected:
    void Store(const std::string& name, double minimum, double at25, double at50, double at75)
    {
        char lines[256];
        std::snprintf(lines, sizeof lines, "Minimum Dot Gain: %f\n25 Dot Gain: %f\n50 Dot Gain: %f\n75 Dot Gain: %f\n"
                      "Maximum Dot Gain: 100\n", minimum, at25, at50, at75);
        m_folder.Write(kFolder + name + ".press", FirstLines(kDefaultRecordText, 22) + lines);
    }
    QWidget& Window() { return hostsim::PanelCenter::WindowOf(*m_host.Panels().FindByName("Hueline Viewer")); }
    QImage Preview() { return Window().childAt(240, 100)->grab().toImage().convertToFormat(QImage::Format_RGB32); }
    QComboBox& List()
    {
        for (QComboBox* list : Window().findChildren<QComboBox*>())
            if (list->itemText(0) == "Automatic")
                return *list;
        throw std::runtime_error("the panel has no dot gain list");
    }
    QString Rows()
    {
        QStringList rows;
        for (int row = 0; row < List().count(); ++row)
            rows << List().itemText(row);
        return rows.join(",") + " [" + List().currentText() + "]";
    }
    // As a person's choice; the engine calls it caused.
    std::vector<std::string> Choose(const QString& entry)
    {
        TakeEngineCalls();
        List().setCurrentIndex(List().findText(entry));
        emit List().activated(List().currentIndex());
        return TakeEngineCalls();
    }
    // The flyout entry while the host allows no dialog, so the dialog ends at once and the list
    // reloads; the engine calls it caused.
    std::vector<std::string> AfterTheDialog()
    {
        TakeEngineCalls();
        hostsim::Panel& panel = *m_host.Panels().FindByName("Hueline Viewer");
        for (const hostsim::FlyoutMenu::Item& item : m_host.Panels().FlyoutMenus().Find(panel.flyoutMenu)->items)
            if (item.text == u"Dot Gain Settings...") {
                EXPECT_TRUE(m_host.Panels().ChooseFlyoutItem(panel, item.id));
            }
        return TakeEngineCalls();
    }
};

TEST_F(DotGainSectionTest, AChoiceSetsTheCurveTipAndPreviewAndTheReloadAfterTheDialogKeepsIt)
{
    Store("Offset", 0, 25, 50, 75);
    Store("web", 2, 30, 55, 80);
    m_folder.Write(kFolder + std::string("Broken.press"), "Version: 0\n");
    std::string error;
    ASSERT_NE(m_host.Documents().Open(std::string(HUELINE_SAMPLES_DIR) + "/label.json", error), nullptr) << error;
    Start(hostsim::EngineAttendance::Ready);
    hostsim::PanelCenter::Show(*m_host.Panels().FindByName("Hueline Viewer"), true);
    for (QPushButton* button : Window().findChildren<QPushButton*>())
        if (button->text() == "Generate")
            button->click();
    EXPECT_EQ(Rows(), "Automatic,Offset,web [Automatic]");
    EXPECT_EQ(List().toolTip(), "Automatic");
    const QImage automatic = Preview();

    EXPECT_TRUE(Called(Choose("Offset"), "SetDotGainCurve(0, 0.25, 0.5, 0.75, 1)"));
    EXPECT_EQ(List().toolTip(), "Minimum dot 0.0 %\n25 % prints as 25.0 %\n50 % prints as 50.0 %\n75 % prints as 75.0 %\n"
                                "Maximum dot 100.0 %");
    const QImage offset = Preview();
    EXPECT_EQ(offset, RenderedAgain(m_host, TakeEngineCalls()));
    EXPECT_NE(offset, automatic);

    // Edited in the dialog: the reload applies the choice again with the new curve.
    Store("Offset", 5, 35, 60, 85);
    EXPECT_TRUE(Called(AfterTheDialog(), "SetDotGainCurve(0.05, 0.35, 0.6, 0.85, 1)"));
    EXPECT_EQ(Rows(), "Automatic,Offset,web [Offset]");
    Preview();
    EXPECT_TRUE(Called(TakeEngineCalls(), "RenderPreview"));
    // Spoilt meanwhile: left out, and "Automatic" is chosen again.
    m_folder.Write(kFolder + std::string("Offset.press"), "Version: 0\n");
    EXPECT_TRUE(Called(AfterTheDialog(), "SetDotGainCurve(0, 0, 0, 0, 0)"));
    EXPECT_EQ(Rows(), "Automatic,web [Automatic]");
    EXPECT_EQ(Preview(), automatic);
    // Removed by another workstation after the fill: the engine keeps its curve, the tip goes.
    fs::remove(m_folder.Path() / kFolder / "web.press");
    EXPECT_FALSE(Called(Choose("web"), "SetDotGainCurve"));
    EXPECT_EQ(List().toolTip(), "");
    // The dialogs the host did not allow stored nothing; without a folder only "Automatic" is left.
    EXPECT_EQ(std::distance(fs::directory_iterator(m_folder.Path() / kFolder), fs::directory_iterator()), 2);
    fs::remove_all(m_folder.Path() / kFolder);
    AfterTheDialog();
    EXPECT_EQ(Rows(), "Automatic [Automatic]");
}

// The folder taken away while the panel shows its list: the choice names the folder in the tip and
// the engine keeps its curve; with the folder back, the next opening of the list offers its
// settings again with the person's choice selected and its curve sent.
TEST_F(DotGainSectionTest, AVanishedFolderIsNamedInTheTipAndItsSettingsComeBackWithIt)
{
    Store("Offset", 0, 25, 50, 75);
    Start(hostsim::EngineAttendance::Ready);
    const fs::path folder = m_folder.Path() / "Hueline" / "dot_gain_curves";
    const fs::path away = m_folder.Path() / "away";
    fs::rename(folder, away);
    EXPECT_FALSE(Called(Choose("Offset"), "SetDotGainCurve"));
    const QString missing = List().toolTip();
    EXPECT_TRUE(missing.contains(QString::fromStdString(folder.u8string()))) << missing.toStdString();
    List().showPopup();
    List().hidePopup();
    EXPECT_EQ(Rows(), "Automatic [Automatic]");
    EXPECT_EQ(List().toolTip(), "Automatic\n" + missing);
    fs::rename(away, folder);
    TakeEngineCalls();
    List().showPopup();
    List().hidePopup();
    EXPECT_TRUE(Called(TakeEngineCalls(), "SetDotGainCurve(0, 0.25, 0.5, 0.75, 1)"));
    EXPECT_EQ(Rows(), "Automatic,Offset [Offset]");
    EXPECT_TRUE(List().toolTip().startsWith("Minimum dot")) << List().toolTip().toStdString();
}

}  // namespace
