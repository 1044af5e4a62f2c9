#pragma once

#include "sim/app/DialogAnswerer.h"

#include <string>
#include <vector>

namespace hostsim {
class Host;
}  // namespace hostsim

namespace hostapp {

class EngineControl;

// What the host holds, for people and tests: the plug-ins and their start-up results, the menu
// tree, notifiers and timers, the open documents, the dialogs answered (when there were any) and
// the engine's call record.
std::string DescribeHost(hostsim::Host& host, const EngineControl& engine, const std::vector<AnsweredDialog>& dialogs);

}  // namespace hostapp
