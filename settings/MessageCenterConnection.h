#pragma once

#include "plugin/suites/SPTypes.h"

struct CorvaneMessageCenterSuite;

// The viewer's link to the maker's message centre ("Corvane Message Center Suite" 2), through
// which it announces preview generations. The suite is acquired through the host's basic suite
// on first use and held from then on; while it cannot be acquired every use tries again, and the
// callers skip their activity calls. Host UI thread only.
class MessageCenterConnection
{
public:
    // Reverse-domain name of the maker and this plug-in, 26 characters.
    static constexpr const char kApplicationId[] = "com.corvane.hueline.viewer";
    static constexpr const char* kClientName = "Hueline Viewer";

    MessageCenterConnection() = default;
    MessageCenterConnection(const MessageCenterConnection&) = delete;
    MessageCenterConnection& operator=(const MessageCenterConnection&) = delete;

    // The suite, acquiring it and registering the client first when it is not held yet; null
    // while the suite is missing.
    const CorvaneMessageCenterSuite* Suite();
    // The client id given at registration; 0 while the suite is missing.
    ASInt32 Client();

private:
    const CorvaneMessageCenterSuite* m_suite = nullptr;
    ASInt32 m_client = 0;
};
static_assert(sizeof MessageCenterConnection::kApplicationId == 26 + 1, "the identifier has 26 characters");

// The process-wide connection, held until the plug-in unloads.
const CorvaneMessageCenterSuite* MessageCenter();
ASInt32 MessageCenterClient();
