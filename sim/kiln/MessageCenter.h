#pragma once

#include "plugin/suites/SPTypes.h"

#include <set>
#include <string>
#include <vector>

namespace kiln {

// The maker's message centre: clients registered by application identifier and the activities
// they announce. Ids and tokens start at 1; 0 means refused.
class MessageCenter
{
public:
    // The same identifier always gets the same id; an empty one is refused.
    ASInt32 RegisterClient(const std::string& applicationId);
    // 0 for a client id never given out.
    ASInt32 BeginActivity(ASInt32 clientId);
    // False for a token not given out or already ended.
    bool EndActivity(ASInt32 token);

    ASInt32 Clients() const { return static_cast<ASInt32>(m_clients.size()); }
    ASInt32 OpenActivities() const { return static_cast<ASInt32>(m_open.size()); }

private:
    std::vector<std::string> m_clients;  // id = index + 1
    std::set<ASInt32> m_open;
    ASInt32 m_lastToken = 0;
};

}  // namespace kiln
