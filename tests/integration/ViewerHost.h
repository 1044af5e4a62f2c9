#pragma once

// A simulated host that starts the build's standard plug-ins, Viewer.aip and KilnKernel.aip,
// with the settings folder and the engine's preference file in a temporary folder.

#include "plugin/suites/AIMenuSuite.h"
#include "sim/host/Host.h"
#include "sim/host/StandardStartup.h"
#include "sim/kiln/KilnControlSuite.h"
#include "support/platform/SharedFolders.h"
#include "tests/support/TemporaryFolder.h"
#include "tests/support/TestEnvironment.h"

#include <QCoreApplication>
#include <QEvent>

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <vector>

class ViewerHostTest : public ::testing::Test
{
protected:
    static constexpr const char* kViewerFile = "Viewer.aip";

    // Dialogs stay closed unless a test arranges to answer them.
    ViewerHostTest()
    {
        m_host.SetFolder(kKilnPreferencesFolderType, m_folder.Path().string());
        m_host.SetUserInteractionAllowed(false);
    }

    // Events the plug-ins posted (a closed dialog counts itself out later) must reach their code
    // before the host unloads it.
    void TearDown() override
    {
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QCoreApplication::processEvents();
    }

    // The engine's preference file as another component left it before the host started.
    void WritePreferences(const std::string& text)
    {
        m_folder.Write(kKilnPreferencesFileName, text);
    }

    void Start(hostsim::EngineAttendance engine)
    {
        const char* plugins = std::getenv("HUELINE_PLUGIN_DIR");
        ASSERT_NE(plugins, nullptr) << "HUELINE_PLUGIN_DIR is not set";
        EXPECT_EQ(hostsim::StartStandardPlugins(m_host, plugins, engine), std::vector<std::string>{});
    }

    SPPlugin& Viewer()
    {
        SPPlugin* viewer = m_host.FindPlugin(kViewerFile);
        if (viewer == nullptr)
            throw std::runtime_error("Viewer.aip is not loaded");
        return *viewer;
    }

    AIMenuItemHandle MenuItem(const std::vector<std::string>& texts)
    {
        return m_host.Menus().ItemAtPath(kToolPalettesMenuGroup, texts);
    }

    // Notifiers of the host registered under `name`.
    int NotifierCount(const std::string& name)
    {
        int count = 0;
        for (const AINotifierHandle notifier : m_host.Notifiers().All())
            count += m_host.Notifiers().Find(notifier)->name == name ? 1 : 0;
        return count;
    }

    std::vector<std::string> TakeEngineCalls()
    {
        std::vector<std::string> calls = hostsim::EngineCalls(m_host);
        hostsim::ClearEngineCalls(m_host);
        return calls;
    }

    TemporaryFolder m_folder;
    EnvironmentGuard m_sharedDocuments{platform::kSharedDocumentsVariable, m_folder.Utf8()};
    hostsim::Host m_host;
};
