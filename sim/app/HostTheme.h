#pragma once

namespace hostapp {

// Switches the manager library's theme (the plug-ins' style-aware widgets follow) and gives the
// host application's own widgets the same theme colours.
void ApplyHostTheme(bool dark);

}  // namespace hostapp
