#pragma once

// Fixtures for the control tests: a shown modal dialog, a panel of the simulated host whose
// items a test creates, the device pixel ratio of the run and pictures found in grabbed pixels.

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
// somewhere wholly inside `area` of `image` (device pixels).
bool ShowsPictureIn(const QImage& image, const QImage& picture, const QRect& area);

} // namespace toolkittest
