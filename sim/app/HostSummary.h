#pragma once

#include <string>

namespace hostsim {
class Host;
}  // namespace hostsim

namespace hostapp {

class EngineControl;

// What the host holds, for people and tests: the plug-ins and their start-up results, the menu
// tree, notifiers and timers, the open documents and the engine's call record.
std::string DescribeHost(hostsim::Host& host, const EngineControl& engine);

}  // namespace hostapp
