// The viewer panel's layout mode and collapsed-height guard, on a panel of the simulated host
// without the plug-in object and without the engine.

#include "tests/toolkit/HostPanelFixture.h"

#include "settings/ui/InkWarningSection.h"
#include "toolkit/RVADM_Item.h"
#include "viewer/OspryDialog.h"

#include <QCoreApplication>
#include <QEvent>

namespace {

class OspryDialogTest : public toolkittest::HostPanelFixture
{
protected:
    void TearDown() override
    {
        m_panel.reset();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        HostPanelFixture::TearDown();
    }

    OspryDialog& Panel()
    {
        if (!m_panel)
            m_panel = std::make_unique<OspryDialog>(nullptr);
        return *m_panel;
    }

    int HostHeight()
    {
        AISize size{};
        Panels().GetSize(Panel().GetPanel(), &size);
        return size.height;
    }

    void SetHostHeight(int height)
    {
        const AISize size{OspryDialog::kPanelWidth, height};
        Panels().SetSize(Panel().GetPanel(), &size);
    }

    std::unique_ptr<OspryDialog> m_panel;
};

TEST_F(OspryDialogTest, ModeChangesResizeAndEverythingElseKeepsTheSize)
{
    struct Step
    {
        std::int32_t mode;
        bool force;
        PanelMode expectedMode;
        int expectedHeight;  // the host had 420 before the step
    };
    constexpr Step kSteps[] = {
        {2, false, PanelMode::Compact, 374},   // a change resizes
        {2, false, PanelMode::Compact, 420},   // the current mode: nothing
        {2, true, PanelMode::Compact, 420},    // forced, but no change: not resized
        {0, true, PanelMode::Compact, 420},    // no mode: ignored
        {3, false, PanelMode::Compact, 420},
        {-1, true, PanelMode::Compact, 420},
        {1, true, PanelMode::Expanded, 494},   // forced and a change
    };
    ASSERT_EQ(HostHeight(), 494);
    for (const Step& step : kSteps) {
        SetHostHeight(420);
        Panel().SetMode(static_cast<PanelMode>(step.mode), step.force);
        EXPECT_EQ(Panel().GetMode(), step.expectedMode) << "mode " << step.mode;
        EXPECT_EQ(HostHeight(), step.expectedHeight) << "mode " << step.mode << (step.force ? " forced" : "");
    }
}

TEST_F(OspryDialogTest, ACollapsedPanelLaysNothingOut)
{
    Panels().Show(Panel().GetPanel(), 1);
    qRVADM::RVADM_Item* frame = Panel().GetInkWarningSection()->GetFrame();
    qRVADM::RVADM_Rect laidOut;
    frame->GetBoundsRect(laidOut);
    Panel().SetLocalRect({0, 0, OspryDialog::kPanelWidth, OspryDialog::kCollapsedHeight});
    qRVADM::RVADM_Rect collapsed;
    frame->GetBoundsRect(collapsed);
    EXPECT_EQ(collapsed, laidOut);
    Panel().SetLocalRect({0, 0, OspryDialog::kPanelWidth, OspryDialog::kCollapsedHeight + 1});
    frame->GetBoundsRect(collapsed);
    EXPECT_EQ(collapsed.bottom, OspryDialog::kCollapsedHeight + 1);
}

}  // namespace
