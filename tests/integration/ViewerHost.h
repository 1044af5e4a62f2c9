#pragma once

// A simulated host that starts the build's standard plug-ins, Viewer.aip and KilnKernel.aip,
// with the settings folder and the engine's preference file in a temporary folder.

#include "plugin/suites/AIMenuSuite.h"
#include "sim/host/Host.h"
#include "sim/host/StandardStartup.h"
#include "sim/kiln/KilnControlSuite.h"
#include "tests/kiln/TemporaryFolder.h"

#include <QCoreApplication>
#include <QEvent>

#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <optional>
#include <string>
#include <vector>

// Sets an environment variable for the lifetime of the guard, then restores it.
class ScopedEnvironment
{
public:
    ScopedEnvironment(const char* name, const std::string& value) : m_name(name)
    {
        if (const char* old = std::getenv(name))
            m_old = old;
        setenv(name, value.c_str(), 1);
    }
    ~ScopedEnvironment()
    {
        if (m_old)
            setenv(m_name, m_old->c_str(), 1);
        else
            unsetenv(m_name);
    }
    ScopedEnvironment(const ScopedEnvironment&) = delete;
    ScopedEnvironment& operator=(const ScopedEnvironment&) = delete;

private:
    const char* m_name;
    std::optional<std::string> m_old;
};

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
        std::ofstream(m_folder.File(kKilnPreferencesFileName)) << text;
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

    AIMenuItemOpaque* MenuItem(const std::vector<std::string>& texts)
    {
        return m_host.Menus().ItemAtPath(kToolPalettesMenuGroup, texts);
    }

    // Notifiers of the host registered under `name`.
    int NotifierCount(const std::string& name)
    {
        int count = 0;
        for (const AINotifierOpaque* notifier : m_host.Notifiers().All())
            count += notifier->name == name ? 1 : 0;
        return count;
    }

    std::vector<std::string> TakeEngineCalls()
    {
        std::vector<std::string> calls = hostsim::EngineCalls(m_host);
        hostsim::ClearEngineCalls(m_host);
        return calls;
    }

    TemporaryFolder m_folder;
    ScopedEnvironment m_sharedDocuments{"HUELINE_SHARED_DOCUMENTS", m_folder.Path().string()};
    hostsim::Host m_host;
};
