#include "sim/kiln/CallText.h"

#include <charconv>
#include <cstdio>

namespace kiln {
namespace {

template <typename Number>
std::string Shortest(Number value)
{
    char digits[64];
    const std::to_chars_result written = std::to_chars(digits, digits + sizeof digits, value);
    return std::string(digits, written.ptr);
}

std::string Quoted(const char* text)
{
    std::string quoted = "\"";
    for (const char* c = text; *c; ++c) {
        const auto byte = static_cast<unsigned char>(*c);
        if (byte == '"' || byte == '\\') {
            quoted += '\\';
            quoted += *c;
        } else if (byte < 0x20 || byte == 0x7f) {
            char escaped[5];
            std::snprintf(escaped, sizeof escaped, "\\x%02x", byte);
            quoted += escaped;
        } else {
            quoted += *c;
        }
    }
    return quoted + "\"";
}

}  // namespace

CallText::CallText(const char* entry) : m_text(std::string(entry) + "(") {}

CallText& CallText::Int(long long value)
{
    return Append(std::to_string(value));
}

CallText& CallText::Real(double value)
{
    return Append(Shortest(value));
}

CallText& CallText::Single(float value)
{
    return Append(Shortest(value));
}

CallText& CallText::Text(const char* text)
{
    return Append(text ? Quoted(text) : "null");
}

CallText& CallText::Word(const std::string& word)
{
    return Append(word);
}

CallText& CallText::Append(const std::string& argument)
{
    if (!m_first)
        m_text += ", ";
    m_first = false;
    m_text += argument;
    return *this;
}

}  // namespace kiln
