#include "sim/host/Host.h"

#include "plugin/suites/AIMenuSuite.h"

#include <gtest/gtest.h>

#include <sstream>

using hostsim::DocumentView;
using hostsim::MoveArtwork;

namespace {

// The host with the view probe plug-in started: the probe logs every document, view and
// colour-settings notification with what the host reports while it is delivered.
class DocumentCenterTest : public ::testing::Test
{
protected:
    DocumentCenterTest()
    {
        std::string error;
        EXPECT_TRUE(host.LoadPlugin(VIEW_PROBE_PLUGIN, error)) << error;
        host.Startup();
    }

    AIDocumentHandle Open(const char* sample)
    {
        std::string error;
        AIDocumentHandle document = host.Documents().Open(std::string(SAMPLES_DIR) + "/" + sample, error);
        EXPECT_TRUE(document) << error;
        return document;
    }

    AIMenuItemHandle ProbeItem() { return host.Menus().ItemsOf(kToolPalettesMenuGroup).front(); }
    std::string ProbeLog() { return host.Menus().FindItem(ProbeItem())->text; }

    hostsim::Host host;
    hostsim::DocumentCenter& documents = host.Documents();
};

}  // namespace

TEST_F(DocumentCenterTest, OpenSwitchAndCloseNotifyAfterTheCurrentDocumentChanged)
{
    AIDocumentHandle label = Open("label.json");
    AIDocumentHandle rgb = Open("rgb-poster.json");
    EXPECT_EQ(documents.Current(), rgb);
    EXPECT_TRUE(documents.Switch(label));
    EXPECT_TRUE(documents.Switch(label));
    EXPECT_TRUE(documents.Close(label));
    EXPECT_EQ(documents.Current(), rgb);
    EXPECT_TRUE(documents.Close(rgb));
    EXPECT_EQ(documents.Current(), nullptr);
    EXPECT_EQ(ProbeLog(), "Changed label.json@0|Changed rgb-poster.json@0|Changed label.json@0|"
                          "Closed rgb-poster.json@0|Changed rgb-poster.json@0|Closed none");
}

TEST_F(DocumentCenterTest, ClosingTheCurrentDocumentActivatesItsRightNeighbourThenItsLeft)
{
    AIDocumentHandle label = Open("label.json");
    AIDocumentHandle detail = Open("fine-detail.json");
    AIDocumentHandle rgb = Open("rgb-poster.json");
    documents.Switch(detail);
    documents.Close(detail);
    EXPECT_EQ(documents.Current(), rgb);
    documents.Close(rgb);
    EXPECT_EQ(documents.Current(), label);
    EXPECT_EQ(documents.All(), std::vector<AIDocumentHandle>{label});
}

TEST_F(DocumentCenterTest, ClosingABackgroundDocumentSendsOnlyClosedAndAFailedOpenNothing)
{
    AIDocumentHandle label = Open("label.json");
    Open("rgb-poster.json");
    const std::string before = ProbeLog();
    EXPECT_TRUE(documents.Close(label));
    EXPECT_FALSE(documents.Close(label));
    EXPECT_FALSE(documents.Switch(label));
    std::string error;
    EXPECT_EQ(documents.Open(std::string(SAMPLES_DIR) + "/no-such.json", error), nullptr);
    EXPECT_EQ(error.rfind("no-such.json: cannot be opened", 0), 0u) << error;
    EXPECT_EQ(documents.All().size(), 1u);
    EXPECT_EQ(ProbeLog(), before + "|Closed rgb-poster.json@0");
}

TEST_F(DocumentCenterTest, EveryEditIncrementsTheRevisionAndNotifies)
{
    AIDocumentHandle label = Open("label.json");
    std::string error;
    EXPECT_TRUE(documents.Edit(label, MoveArtwork{2, 5, 5}, error)) << error;
    EXPECT_TRUE(documents.Edit(label, MoveArtwork{2, -5, -5}, error)) << error;
    EXPECT_FALSE(documents.Edit(label, MoveArtwork{999, 1, 1}, error));
    EXPECT_EQ(error, "artwork 1000: no such item");
    EXPECT_EQ(documents.Find(label)->Revision(), 2u);
    EXPECT_EQ(ProbeLog(), "Changed label.json@0|Changed label.json@1|Changed label.json@2");

    documents.Close(label);
    EXPECT_FALSE(documents.Edit(label, MoveArtwork{0, 1, 1}, error));
    EXPECT_EQ(error, "the document is not open");
}

TEST_F(DocumentCenterTest, SettingCentreAndZoomNotifyFromInsideTheCall)
{
    Open("label.json");
    const double fitted = documents.Find(documents.Current())->View().Zoom();
    const std::string before = ProbeLog();
    ASSERT_EQ(host.ChooseMenuItem(ProbeItem()), kNoErr);
    std::ostringstream zoom;
    zoom << fitted;
    EXPECT_EQ(ProbeLog(), before + "|centre{|View 10,20 x" + zoom.str() + "|}|zoom{|View 10,20 x4|}");
}

TEST_F(DocumentCenterTest, UserScrollingAndZoomingNotifyAfterTheChangeAndRefusalsNothing)
{
    AIDocumentHandle label = Open("label.json");
    AIDocumentViewHandle view = documents.FrontView();
    documents.ChangeView(view, [](DocumentView& v) { return v.SetCenter(AIRealPoint{0, 0}) && v.SetZoom(2); });
    const std::string before = ProbeLog();
    EXPECT_TRUE(documents.ChangeView(view, [](DocumentView& v) { return v.ScrollBy(100, -40); }));
    EXPECT_TRUE(documents.ChangeView(view, [](DocumentView& v) { return v.ZoomAt(4, AIRealPoint{50, 20}); }));
    EXPECT_FALSE(documents.ChangeView(view, [](DocumentView& v) { return v.SetZoom(-1); }));
    documents.Close(label);
    EXPECT_FALSE(documents.ChangeView(view, [](DocumentView& v) { return v.SetZoom(2); }));
    EXPECT_EQ(ProbeLog(), before + "|View 50,20 x2|View 50,20 x4|Closed none");
}

TEST_F(DocumentCenterTest, WithNoDocumentViewYetTheFrontViewIsMissing)
{
    Open("label.json");
    documents.SetNoDocumentViewYet(true);
    EXPECT_EQ(documents.FrontView(), nullptr);
    ASSERT_EQ(host.ChooseMenuItem(ProbeItem()), kNoErr);
    EXPECT_EQ(ProbeLog(), "Changed label.json@0");
    documents.SetNoDocumentViewYet(false);
    EXPECT_NE(documents.FrontView(), nullptr);
}

TEST_F(DocumentCenterTest, ConfirmingColourSettingsSendsTheCommandNotifier)
{
    Open("unknown-spot.json");
    host.ConfirmColorSettings();
    EXPECT_EQ(ProbeLog(), "Changed unknown-spot.json@0|Color settings unknown-spot.json@0");
}
