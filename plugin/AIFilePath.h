#pragma once

#include "plugin/suites/AIFilePathSuite.h"

#include <string>

namespace ai {

// Owns one host file path object ("AI File Path Suite", which must be acquired). Every failing
// host call throws ai::Error; a missing suite throws with kSuiteNotFoundErr.
class FilePath
{
public:
    FilePath();
    ~FilePath();

    FilePath(const FilePath&) = delete;
    FilePath& operator=(const FilePath&) = delete;

    AIFilePathHandle Handle() const { return m_handle; }
    std::string PlatformText() const;

private:
    const AIFilePathSuite* m_suite;
    AIFilePathHandle m_handle = nullptr;
};

}  // namespace ai
