#include "settings/MessageCenterConnection.h"

#include "plugin/HostSuites.h"
#include "plugin/suites/CorvaneMessageCenterSuite.h"
#include "plugin/suites/FourCC.h"
#include "plugin/suites/SPBasicSuite.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

namespace {

// A host whose message centre can be missing, recording acquisitions and registrations.
struct FakeHost
{
    bool centreAvailable = false;
    int acquisitions = 0;
    std::vector<std::string> registrations;
};
FakeHost g_host;

ASInt32 RegisterClient(const char* applicationId, const char* displayName, const char* untranslatedName)
{
    g_host.registrations.push_back(std::string(applicationId) + "|" + displayName + "|" + untranslatedName);
    return 41;
}

const CorvaneMessageCenterSuite kCentre = {RegisterClient, {}, nullptr, nullptr};

SPErr AcquireSuite(const char* name, ASInt32 version, const void** suite)
{
    ++g_host.acquisitions;
    if (!g_host.centreAvailable || std::strcmp(name, CorvaneMessageCenterSuite::kName) != 0 ||
        version != CorvaneMessageCenterSuite::kVersion)
        return FourCC("S!Fd");
    *suite = &kCentre;
    return kNoErr;
}

SPBasicSuite MakeBasicSuite()
{
    SPBasicSuite basic{};
    basic.AcquireSuite = AcquireSuite;
    return basic;
}
const SPBasicSuite kBasic = MakeBasicSuite();

class MessageCenterConnectionTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        g_host = FakeHost{};
        SetHostBasicSuite(&kBasic);
    }
    void TearDown() override { SetHostBasicSuite(nullptr); }

    MessageCenterConnection m_connection;
};

TEST_F(MessageCenterConnectionTest, FirstUseRegistersTheViewerOnceUnderItsIdentifier)
{
    g_host.centreAvailable = true;
    EXPECT_EQ(m_connection.Suite(), &kCentre);
    EXPECT_EQ(m_connection.Suite(), &kCentre);
    EXPECT_EQ(m_connection.Client(), 41);
    EXPECT_EQ(g_host.acquisitions, 1);
    EXPECT_EQ(g_host.registrations,
              std::vector<std::string>{"com.corvane.hueline.viewer|Hueline Viewer|Hueline Viewer"});
}

TEST_F(MessageCenterConnectionTest, MissingCentreOrHostMessageIsAskedForAgainOnEveryUseUntilItComes)
{
    SetHostBasicSuite(nullptr);
    EXPECT_EQ(m_connection.Suite(), nullptr);
    EXPECT_EQ(g_host.acquisitions, 0);
    SetHostBasicSuite(&kBasic);
    EXPECT_EQ(m_connection.Suite(), nullptr);
    EXPECT_EQ(m_connection.Client(), 0);
    EXPECT_EQ(g_host.acquisitions, 2);
    EXPECT_TRUE(g_host.registrations.empty());

    g_host.centreAvailable = true;
    EXPECT_EQ(m_connection.Client(), 41);
    EXPECT_EQ(m_connection.Suite(), &kCentre);
    EXPECT_EQ(g_host.acquisitions, 3);
    EXPECT_EQ(g_host.registrations.size(), 1u);
}

}  // namespace
