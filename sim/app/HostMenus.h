#pragma once

#include <string>

class QMenu;

namespace hostsim {
class Host;
}  // namespace hostsim

namespace hostapp {

// Shows host menu groups in Qt menus. Before an attached menu opens, the items of its group that
// asked for it get "AI Update", then the menu is rebuilt from the host's menu model: texts,
// enabled state, check marks, and a submenu for every item that opens a group. Choosing an
// item sends "AI Go" to its plug-in.
class HostMenus
{
public:
    explicit HostMenus(hostsim::Host& host);

    // `menu` shows `group` from now on; the host group "Tool Palettes" goes under the Window menu.
    void Attach(QMenu& menu, const std::string& group);

private:
    void Rebuild(QMenu& menu, const std::string& group);

    hostsim::Host& m_host;
};

}  // namespace hostapp
