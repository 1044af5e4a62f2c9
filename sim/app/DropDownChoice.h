#pragma once

#include <string>

class QComboBox;

namespace hostapp {

// Chooses the entry showing `entry` (or at "nth:N") of `list`, named `name` in problems, as a
// person picks it from the open list: the entry becomes current and the list reports it
// activated. Returns the problem when the list is disabled or has no such enabled entry, else
// an empty text.
std::string ChooseDropDownEntry(QComboBox& list, const std::string& name, const std::string& entry);

}  // namespace hostapp
