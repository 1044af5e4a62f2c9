// The viewer panel on a host panel, without the plug-in object and the engine: its layout mode,
// and the Generate/Update section without the engine's generation suite.

#include "tests/toolkit/HostPanelFixture.h"

#include "plugin/ScopedHostSuite.h"
#include "plugin/suites/AIDocumentSuite.h"
#include "viewer/canvas/JobViewFrame.h"
#include "viewer/panel/JobViewSection.h"
#include "viewer/panel/OspryDialog.h"
#include "viewer/panel/UpdateGenButton.h"
#include "viewer/panel/UpdateGenSection.h"

#include <QCoreApplication>

#include <functional>
#include <tuple>

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

// The sections hear a mode on a real change and when forced, not when the mode is only repeated:
// the Generate/Update button, put in the other state first, shows whether it heard.
TEST_F(OspryDialogTest, TheSectionsHearTheModeWhenItChangesOrIsForced)
{
    const std::tuple<PanelMode, bool, bool, bool> steps[] = {
        // mode, force, button hidden before, hidden after
        {PanelMode::Expanded, false, true, true},
        {PanelMode::Expanded, true, true, false},
        {PanelMode::Compact, false, false, true},
        {PanelMode::Compact, false, false, false},
        {PanelMode::Compact, true, false, true},
    };
    auto panel = std::make_unique<OspryDialog>(nullptr);
    UpdateGenButton& button = *panel->GetUpdateGenSection()->GetButton();
    for (const auto& [mode, force, hiddenBefore, hiddenAfter] : steps) {
        button.setHidden(hiddenBefore);
        panel->SetMode(mode, force);
        EXPECT_EQ(button.isHidden(), hiddenAfter)
            << "mode " << static_cast<int>(mode) << (force ? " forced" : "");
    }
    panel.reset();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

// Without the engine's generation suite the section never offers "Update", even over a shown
// preview; its timer only notices that no document is open.
TEST_F(OspryDialogTest, WithoutTheGenerationSuiteUpdateIsNeverOffered)
{
    const ScopedHostSuite<AIDocumentSuite> documents(host.BasicSuite());
    std::string error;
    const AIDocumentHandle label = host.Documents().Open(SAMPLES_DIR "/label.json", error);
    ASSERT_NE(label, nullptr) << error;
    auto panel = std::make_unique<OspryDialog>(nullptr);
    UpdateGenSection& section = *panel->GetUpdateGenSection();
    panel->GetJobViewSection()->GetCanvas()->SetJobDocument(label);
    const std::tuple<const char*, std::function<void()>, UpdateGenState, bool> steps[] = {
        {"changed", [&] { section.SetState(UpdateGenState::DocumentChanged); }, UpdateGenState::CanGenerate, true},
        {"timer, document open", [&] { section.OnDirtyTick(); }, UpdateGenState::CanGenerate, true},
        {"timer, no document",
         [&] {
             host.Documents().Close(label);
             section.OnDirtyTick();
         },
         UpdateGenState::NoDocument, false},
    };
    for (const auto& [what, act, state, offered] : steps) {
        act();
        EXPECT_EQ(std::make_tuple(static_cast<int>(section.GetState()), section.GetButton()->text().toStdString(),
                                  section.GetButton()->isEnabled()),
                  std::make_tuple(static_cast<int>(state), std::string("Generate"), offered))
            << what;
    }
    panel.reset();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

}  // namespace
