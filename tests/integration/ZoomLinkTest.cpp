// The viewer panel's zoom section and its link with the host's document view, in the simulated
// host with the simulated engine: what the zoom menu shows, where the canvas and the host view go,
// and how many view changes the panel makes.

#include "ViewerHost.h"

#include "sim/host/DocumentView.h"
#include "sim/host/PanelCenter.h"
#include "viewer/model/ZoomMenuModel.h"

#include <QComboBox>
#include <QToolButton>
#include <QVariant>

#include <cmath>
#include <algorithm>

namespace {

using hostsim::DocumentView;

constexpr double kMmPerPoint = 25.4 / 72;

// A CMYK document whose only artwork is a rectangle of `width` × `height` mm, centred on a page
// of 200 × 200 mm whose origin lies at (`origin`, `origin`) points.
std::string Document(double width, double height, double origin)
{
    const double side = 200 / kMmPerPoint;
    const double w = width / kMmPerPoint;
    const double h = height / kMmPerPoint;
    const auto at = [origin](double value) { return std::to_string(value - origin); };
    const std::string bounds = at((side - w) / 2) + ", " + at((side + h) / 2) + ", " + at((side + w) / 2) + ", " +
                               at((side - h) / 2);
    return R"({"format": "Hueline document", "version": 1, "colorModel": "CMYK",
               "page": {"width": )" + std::to_string(side) + R"(, "height": )" + std::to_string(side) +
           R"(, "origin": [)" + std::to_string(origin) + ", " + std::to_string(origin) + R"(]},
               "artwork": [{"type": "rectangle", "bounds": [)" + bounds + R"(], "fill": {"Cyan": 100}}]})";
}

class ZoomLinkTest : public ViewerHostTest
{
protected:
    // The host started with the panel shown.
    void SetUp() override
    {
        Start(hostsim::EngineAttendance::Ready);
        hostsim::PanelCenter::Show(*m_host.Panels().FindByName("Hueline Viewer"), true);
    }

    // The job of a new document with that artwork, generated.
    void Generate(double width = 50, double height = 150, double origin = 0)
    {
        std::string error;
        ASSERT_NE(m_host.Documents().Open(m_folder.Write("art.json", Document(width, height, origin)), error), nullptr)
            << error;
        for (QWidget* widget : Window().findChildren<QWidget*>())
            if (auto* button = qobject_cast<QAbstractButton*>(widget); button && button->text() == "Generate")
                button->click();
    }

    QWidget& Window() { return hostsim::PanelCenter::WindowOf(*m_host.Panels().FindByName("Hueline Viewer")); }
    QComboBox& Menu()
    {
        for (QComboBox* list : Window().findChildren<QComboBox*>())
            if (list->findText("Fit ArtBoard") >= 0)
                return *list;
        throw std::runtime_error("the panel has no zoom menu");
    }
    std::string Shown() { return (Menu().currentIndex() < 0 ? Menu().placeholderText() : Menu().currentText()).toStdString(); }
    QWidget& Canvas() { return *Window().childAt(240, 100); }

    void Click(int picture)
    {
        for (QToolButton* button : Window().findChildren<QToolButton*>())
            if (button->property("_rvadm_pictureid").toInt() == picture)
                return button->click();
        FAIL() << "no picture button " << picture;
    }

    void Choose(const char* entry)
    {
        const int row = Menu().findText(entry);
        ASSERT_GE(row, 0) << entry;
        Menu().setCurrentIndex(row);
        emit Menu().activated(row);
    }

    DocumentView& View() { return *m_host.Documents().FindView(m_host.Documents().FrontView()); }
    void ZoomHost(double zoom)
    {
        m_host.Documents().ChangeView(m_host.Documents().FrontView(), [zoom](DocumentView& view) { return view.SetZoom(zoom); });
    }
};

// The canvas pulls the host's view at Generate and at every host change; the menu shows its zoom.
TEST_F(ZoomLinkTest, MenuShowsTheHostZoomWhileLinked)
{
    Generate();
    EXPECT_TRUE(Menu().isEnabled());
    EXPECT_EQ(Shown(), ZoomMenuModel::FormatPercent(View().Zoom() * 100));
    const std::pair<double, const char*> rows[] = {{0.5, "50%"}, {1.234, "123.4%"}, {20, "  2000%"}, {640, "64000%"}};
    for (const auto& [zoom, text] : rows) {
        ZoomHost(zoom);
        EXPECT_EQ(Shown(), text) << zoom;
    }
}

// Each button step changes the host's zoom once and is not pulled back, though the host stops at
// 64000 %: the canvas goes on to its own limit, 150000 %.
TEST_F(ZoomLinkTest, ButtonsStepThroughLevelsAndCustomPercentagesWithoutBouncing)
{
    constexpr int kIn = 16028, kOut = 16029;
    Generate();
    Choose("64000%");
    const struct { int button; const char* shown; double hostZoom; } steps[] = {
        {kIn, " 96000%", 640}, {kIn, "144000%", 640}, {kIn, "150000%", 640}, {kIn, "150000%", 640},
        {kOut, "100000%", 640}, {kOut, " 66667%", 640}, {kOut, "64000%", 640}, {kOut, "51000%", 510},
    };
    for (const auto& step : steps) {
        const int before = m_host.Documents().ViewChanges();
        Click(step.button);
        EXPECT_EQ(Shown(), step.shown);
        EXPECT_EQ(m_host.Documents().ViewChanges() - before, 1) << step.shown;
        EXPECT_DOUBLE_EQ(View().Zoom(), step.hostZoom) << step.shown;
    }
    Choose("3.13%");
    const int before = m_host.Documents().ViewChanges();
    Click(kOut);
    EXPECT_EQ(Shown(), "3.13%");
    EXPECT_EQ(m_host.Documents().ViewChanges(), before) << "nothing is smaller";
}

// A fit shows the rectangle in the canvas and pushes the canvas's centre and zoom into the host
// with exactly one centre and one zoom change, never pulled back.
TEST_F(ZoomLinkTest, FitsShowTheirRectangleAndPushTheViewToTheHost)
{
    const struct { const char* entry; double width, height, origin; double shownWidth, shownHeight; } rows[] = {
        {"Fit Graphics", 50, 150, 0, 50, 154}, {"Fit Graphics", 150, 50, 0, 154, 50},
        {"Fit Graphics", 90, 99, 36, 90, 99},  {"Fit ArtBoard", 50, 150, 0, 200, 200},
        {"Fit ArtBoard", 50, 150, 36, 200, 200},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(std::string(row.entry) + " " + std::to_string(row.width) + " x " + std::to_string(row.height) +
                     ", origin " + std::to_string(row.origin));
        Generate(row.width, row.height, row.origin);
        const int before = m_host.Documents().ViewChanges();
        Choose(row.entry);
        const double zoom = std::min(Canvas().width() / (row.shownWidth / kMmPerPoint),
                                     Canvas().height() / (row.shownHeight / kMmPerPoint));
        EXPECT_NEAR(View().Zoom(), zoom, zoom * 1e-7);
        EXPECT_NEAR(View().Center().h, 100 / kMmPerPoint - row.origin, 1e-5);
        EXPECT_NEAR(View().Center().v, 100 / kMmPerPoint - row.origin, 1e-5);
        EXPECT_EQ(m_host.Documents().ViewChanges() - before, 2);
        EXPECT_EQ(Shown(), ZoomMenuModel::FormatPercent(zoom * 100));
    }
}

// Off, the link moves neither side; checked again it pulls at once; a view that cannot report its
// bounds yet is pulled one tick later.
TEST_F(ZoomLinkTest, LinkOffLeavesBothSidesAloneAndCheckingItPulls)
{
    constexpr int kLinked = 16051, kUnlinked = 16052;
    Click(kLinked);
    Generate();
    EXPECT_NE(Shown(), "") << "the fitted job's zoom shows unlinked too";
    const int before = m_host.Documents().ViewChanges();
    Choose("800%");
    EXPECT_EQ(m_host.Documents().ViewChanges(), before) << "the host is left alone";
    ZoomHost(2);
    EXPECT_EQ(Shown(), "800%") << "the canvas is left alone";
    Click(kUnlinked);
    EXPECT_EQ(Shown(), "200%");

    Click(kLinked);
    ZoomHost(3);
    m_host.Documents().SetNoDocumentViewYet(true);
    Click(kUnlinked);
    EXPECT_EQ(Shown(), "200%");
    m_host.Documents().SetNoDocumentViewYet(false);
    EXPECT_EQ(Shown(), "200%");
    m_host.AdvanceTicks(1);
    EXPECT_EQ(Shown(), "300%");
}

}  // namespace
