// The viewer panel's layout mode on a host panel, without the plug-in object and the engine.

#include "tests/toolkit/HostPanelFixture.h"

#include "viewer/OspryDialog.h"

#include <QCoreApplication>

namespace {

using OspryDialogTest = toolkittest::HostPanelFixture;

// The host's panel is 420 high before each step: only a change of mode resizes, forced or not.
TEST_F(OspryDialogTest, ModeChangesResizeAndEverythingElseKeepsTheSize)
{
    const std::tuple<std::int32_t, bool, PanelMode, int> steps[] = {
        {2, false, PanelMode::Compact, 374}, {2, false, PanelMode::Compact, 420}, {2, true, PanelMode::Compact, 420},
        {0, true, PanelMode::Compact, 420},  {3, false, PanelMode::Compact, 420}, {-1, true, PanelMode::Compact, 420},
        {1, true, PanelMode::Expanded, 494},
    };
    auto panel = std::make_unique<OspryDialog>(nullptr);
    for (const auto& [mode, force, expectedMode, expectedHeight] : steps) {
        AISize size {OspryDialog::kPanelWidth, 420};
        Panels().SetSize(panel->GetPanel(), &size);
        panel->SetMode(static_cast<PanelMode>(mode), force);
        Panels().GetSize(panel->GetPanel(), &size);
        EXPECT_EQ(std::make_pair(panel->GetMode(), size.height), std::make_pair(expectedMode, expectedHeight))
            << "mode " << mode << (force ? " forced" : "");
    }
    panel.reset();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

}  // namespace
