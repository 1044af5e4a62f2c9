#pragma once

#include <exception>

// What stopped a store operation. Refused covers everything the caller's own message names
// (a taken or refused name, a file that could not be written for another reason); the others
// are about the settings folder itself, which another user or system may have changed.
enum class PressProblem
{
    Refused,
    FolderMissing,
    FolderReadOnly,
    FolderFull,
};

// Raised by the press settings record and store. It carries no text: callers know which
// operation failed and show their own message, or the folder's.
class PressError : public std::exception
{
public:
    explicit PressError(PressProblem problem = PressProblem::Refused) : m_problem(problem) {}

    const char* what() const noexcept override { return ""; }
    PressProblem Problem() const { return m_problem; }

private:
    PressProblem m_problem;
};
