#pragma once

#include <optional>
#include <string>

// Process environment. Values set here are seen by later reads of the same process (and by the
// C runtime's getenv), which is how the localisation layer hands its search path around.
namespace platform {

// The variable's value, or nothing when it is unset.
std::optional<std::string> ReadEnvironment(const char* name);
// The variable's value without a copy, valid until the environment next changes; null when
// unset. For checks on every lookup.
const char* PeekEnvironment(const char* name);
// Sets the variable; returns false when the system refuses it.
bool WriteEnvironment(const char* name, const char* value);

} // namespace platform
