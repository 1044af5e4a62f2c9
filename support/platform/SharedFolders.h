#pragma once

#include <string>

namespace platform {

// The environment variable that replaces the shared documents folder (tests, the simulated
// host and installations that keep settings elsewhere).
inline constexpr char kSharedDocumentsVariable[] = "HUELINE_SHARED_DOCUMENTS";

// The documents folder shared by all users, in UTF-8: the variable's value when set and not
// empty, otherwise the platform's folder (Windows: the common documents known folder; POSIX:
// see docs/settings.md). False when neither can be obtained.
bool SharedDocumentsFolder(std::string& path);

} // namespace platform
