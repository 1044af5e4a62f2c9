#pragma once

#include <string>

class QWidget;

namespace hostapp {

// What a screen reader finds below `root`: one line per visible object, indented by depth, with
// its role, its name in quotes, its description after a colon when it has one, and the states
// a person hears ("disabled", "checked" or "unchecked" for what can be checked, "focused"). Line
// breaks inside texts are written "\n". Host UI thread.
std::string DescribeAccessibleTree(QWidget& root);

}  // namespace hostapp
