#include "sim/kiln/MessageCenter.h"

#include <algorithm>

namespace kiln {

ASInt32 MessageCenter::RegisterClient(const std::string& applicationId)
{
    if (applicationId.empty())
        return 0;
    const auto found = std::find(m_clients.begin(), m_clients.end(), applicationId);
    if (found == m_clients.end()) {
        m_clients.push_back(applicationId);
        return Clients();
    }
    return static_cast<ASInt32>(found - m_clients.begin()) + 1;
}

ASInt32 MessageCenter::BeginActivity(ASInt32 clientId)
{
    if (clientId < 1 || clientId > Clients())
        return 0;
    m_open.insert(++m_lastToken);
    return m_lastToken;
}

bool MessageCenter::EndActivity(ASInt32 token)
{
    return m_open.erase(token) == 1;
}

}  // namespace kiln
