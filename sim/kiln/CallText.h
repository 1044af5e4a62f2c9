#pragma once

#include <string>

namespace kiln {

// One line of the engine's call record: the entry name and its arguments, as in
// `SetMoireChecks(1, 0, 1, 1, 0, 0.05, 1, 3.2, 0, 0.9, 25)`. Numbers are written in their
// shortest exact form (a float as a float), texts quoted with `"`, `\` and control bytes
// escaped, a null text as `null`.
class CallText
{
public:
    explicit CallText(const char* entry);

    CallText& Int(long long value);
    CallText& Real(double value);
    CallText& Single(float value);
    CallText& Text(const char* text);
    // An argument already written as text (a handle's name).
    CallText& Word(const std::string& word);

    std::string Line() const { return m_text + ")"; }

private:
    CallText& Append(const std::string& argument);

    std::string m_text;
    bool m_first = true;
};

}  // namespace kiln
