#pragma once

#include "support/ResourceDatabase.h"

#include <string>

class SearchPath;

// Builds the database of one resource module M for a language: the generic resources (M.asc
// found by the plain search, else the binary file M), then the language's resources (M.asc found
// by the language search, else the binary file M there), whose entries replace the generic ones.
// Missing files are not an error; a broken file keeps what was read before the fault.
class ModuleLoader {
public:
    // The module's database (possibly empty), or null on out of memory.
    static ResourceDatabasePtr Load(const std::string& module, const std::string& language,
                                    const SearchPath& searchPath);
};
