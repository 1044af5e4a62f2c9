#pragma once

#include "plugin/suites/SPTypes.h"

#include <exception>

namespace ai {

// Raised by the host string and file-path wrappers when a host call fails; carries the host's
// error code unchanged.
class Error : public std::exception
{
public:
    explicit Error(AIErr code) : m_code(code) {}

    AIErr Code() const { return m_code; }
    const char* what() const noexcept override;

private:
    AIErr m_code;
};

// Throws Error(code) when code is not 0.
void Check(AIErr code);

}  // namespace ai
