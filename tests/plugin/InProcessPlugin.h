#pragma once

// A TKW_AIPlugin constructed in the test process against the simulated host's suites, holding
// its suites as a concrete plug-in does after its constructor.

#include "plugin/TKW_AIPlugin.h"
#include "plugin/TKW_AISuiteManager.h"
#include "sim/host/Host.h"

#include <gtest/gtest.h>

#include <dlfcn.h>

#include <memory>

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
    }

    void TearDown() override { m_plugin.reset(); }

    SPMessageData Header() { return m_host.Header(m_record); }

    ASErr Dispatch(const char* caller, const char* selector, void* message)
    {
        return m_plugin->DispatchMessage(caller, selector, message);
    }

    hostsim::Host m_host;
    SPPlugin m_record;
    std::unique_ptr<TKW_AIPlugin> m_plugin;
};
