#pragma once

#include <exception>

// Raised by the press settings record and store. It carries no text: callers know which
// operation failed and show their own message.
class PressError : public std::exception
{
public:
    const char* what() const noexcept override { return ""; }
};
