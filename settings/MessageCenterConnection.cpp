#include "settings/MessageCenterConnection.h"

#include "plugin/HostSuites.h"
#include "plugin/suites/CorvaneMessageCenterSuite.h"
#include "plugin/suites/SPBasicSuite.h"

namespace {

MessageCenterConnection& ProcessConnection()
{
    static MessageCenterConnection connection;
    return connection;
}

}  // namespace

const CorvaneMessageCenterSuite* MessageCenterConnection::Suite()
{
    if (m_suite != nullptr)
        return m_suite;
    const SPBasicSuite* basic = HostBasicSuite();
    const void* procs = nullptr;
    if (basic == nullptr ||
        basic->AcquireSuite(CorvaneMessageCenterSuite::kName, CorvaneMessageCenterSuite::kVersion, &procs) != kNoErr ||
        procs == nullptr)
        return nullptr;
    m_suite = static_cast<const CorvaneMessageCenterSuite*>(procs);
    m_client = m_suite->RegisterClient(kApplicationId, kClientName, kClientName);
    return m_suite;
}

ASInt32 MessageCenterConnection::Client()
{
    Suite();
    return m_client;
}

const CorvaneMessageCenterSuite* MessageCenter()
{
    return ProcessConnection().Suite();
}

ASInt32 MessageCenterClient()
{
    return ProcessConnection().Client();
}
