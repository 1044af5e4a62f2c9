#pragma once

#include <string>

// Reads the whole file at the UTF-8 `path` ("\" separators) into `content`. False, with
// LastResourceError() FileAccess, when it cannot be opened or read.
bool ReadWholeFile(const char* path, std::string& content);
