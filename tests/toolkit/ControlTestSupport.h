#pragma once

// Doubles for the control tests: controls that record their notifications, a panel of the
// simulated host whose items a test creates, and the device pixel ratio of the run.

#include "HostPanelFixture.h"
#include "TestPanel.h"
#include "ToolkitTestSupport.h"

#include "toolkit/RVADM_Types.h"

#include "RVADMQtManager.h"

#include <QApplication>
#include <QImage>

#include <cstdint>
#include <functional>
#include <vector>

namespace toolkittest {

// A control of class Control that records every code other than 1 (bounds set) it is notified
// with, then notifies as the control does.
template <class Control>
class Recorded : public Control
{
public:
    using Control::Control;

    void Notify(std::int32_t code) override
    {
        if (code != qRVADM::kNotifyBoundsChanged)
            codes.push_back(code);
        if (onNotify)
            onNotify(code);
        Control::Notify(code);
    }

    std::vector<std::int32_t> codes;
    std::function<void(std::int32_t)> onNotify;
};

using Codes = std::vector<std::int32_t>;

// A shown modal dialog (not run) for the controls of a test; the light theme afterwards.
class ControlDialogFixture : public testing::Test
{
protected:
    void SetUp() override { dialog.show(); }
    void TearDown() override { RVADMQtManager::QtManager::SetDarkMode(false); }

    RecordingModalDialog dialog;
};

// A host with one panel, shown and active, on which the test's items live.
class ControlPanelFixture : public HostPanelFixture
{
protected:
    // Creates the panel with the items of `create`, sizes and shows it and makes it the active
    // window.
    void OpenPanel(std::function<void()> create, QSize size = QSize(240, 200))
    {
        panel.create = std::move(create);
        ASSERT_EQ(panel.CreatePanel("Controls", qRVADM::RVADM_NonModalDialog::kResizableKind, false, 16100), kNoErr);
        panel.SetSize(size.width(), size.height());
        ASSERT_TRUE(panel.ShowPanel(true));
        panel.window()->activateWindow();
        QApplication::processEvents();
    }

    TestPanel panel;
};

// The device pixel ratio the run was started with (QT_SCALE_FACTOR).
double RunRatio();

// Whether the opaque pixels of `picture` appear unchanged in `image` with `picture`'s top-left
// at `offset` (device pixels).
bool ShowsPicture(const QImage& image, const QImage& picture, QPoint offset);

// Whether `picture` appears as in ShowsPicture somewhere wholly inside `area` of `image`.
bool ShowsPictureIn(const QImage& image, const QImage& picture, const QRect& area);

} // namespace toolkittest
