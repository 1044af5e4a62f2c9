#pragma once

// A TKW_AIPlugin constructed in the test process against the simulated host's suites, holding
// its suites as a concrete plug-in does after its constructor.

#include "plugin/TKW_AIPlugin.h"
#include "plugin/TKW_AISuiteManager.h"
#include "sim/host/Host.h"

#include <gtest/gtest.h>

#include <dlfcn.h>

#include <memory>
#include <string>
#include <utility>

// What the tests' doubles saw, in order, joined by ", ". Record answers `result` for doubles that
// return a code.
inline std::string g_events;

inline ASErr Record(const std::string& event, ASErr result = kNoErr)
{
    g_events += (g_events.empty() ? "" : ", ") + event;
    return result;
}

class InProcessPluginTest : public ::testing::Test
{
protected:
    InProcessPluginTest() : m_record("in-process", dlopen(nullptr, RTLD_NOW), nullptr) {}

    void SetUp() override
    {
        SPMessageData header = m_host.Header(m_record);
        m_plugin = std::make_unique<TKW_AIPlugin>(&header);
        ASSERT_EQ(m_plugin->GetStartupError(), kNoErr);
        TKW_AISuiteManager::Instance().AcquireAll();
        g_events.clear();
    }

    void TearDown() override { m_plugin.reset(); }

    SPMessageData Header() { return m_host.Header(m_record); }
    static std::string TakeEvents() { return std::exchange(g_events, {}); }

    ASErr Dispatch(const char* caller, const char* selector, void* message)
    {
        return m_plugin->DispatchMessage(caller, selector, message);
    }

    // The host's notification to each active notifier registered under `name`.
    void NotifyNamed(const std::string& name)
    {
        for (const AINotifierHandle handle : m_host.Notifiers().All()) {
            const hostsim::Notifier* notifier = m_host.Notifiers().Find(handle);
            if (notifier->name != name || !notifier->active)
                continue;
            AINotifierMessage message{Header(), handle, notifier->type.c_str(), nullptr};
            Dispatch(kCallerAINotifier, kSelectorAINotify, &message);
        }
    }

    hostsim::Host m_host;
    SPPlugin m_record;
    std::unique_ptr<TKW_AIPlugin> m_plugin;
};
