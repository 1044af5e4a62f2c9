// The viewer panel's layout mode, on a panel of the simulated host without the plug-in object
// and without the engine.

#include "tests/toolkit/HostPanelFixture.h"

#include "viewer/OspryDialog.h"

#include <QCoreApplication>
#include <QEvent>

namespace {

using OspryDialogTest = toolkittest::HostPanelFixture;

// The host's panel is 420 high before each step: only a change of mode resizes, forced or not.
TEST_F(OspryDialogTest, ModeChangesResizeAndEverythingElseKeepsTheSize)
{
    struct Step { std::int32_t mode; bool force; PanelMode expectedMode; int expectedHeight; };
    constexpr Step kSteps[] = {
        {2, false, PanelMode::Compact, 374}, {2, false, PanelMode::Compact, 420}, {2, true, PanelMode::Compact, 420},
        {0, true, PanelMode::Compact, 420},  {3, false, PanelMode::Compact, 420}, {-1, true, PanelMode::Compact, 420},
        {1, true, PanelMode::Expanded, 494},
    };
    auto panel = std::make_unique<OspryDialog>(nullptr);
    const auto height = [&] {
        AISize size {};
        Panels().GetSize(panel->GetPanel(), &size);
        return size.height;
    };
    EXPECT_EQ(height(), 494);
    for (const Step& step : kSteps) {
        const AISize before {OspryDialog::kPanelWidth, 420};
        Panels().SetSize(panel->GetPanel(), &before);
        panel->SetMode(static_cast<PanelMode>(step.mode), step.force);
        EXPECT_EQ(panel->GetMode(), step.expectedMode) << "mode " << step.mode;
        EXPECT_EQ(height(), step.expectedHeight) << "mode " << step.mode << (step.force ? " forced" : "");
    }
    panel.reset();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

}  // namespace
