#pragma once

#include <string>

// `text` with every LF turned into CR LF, as Windows writes text files.
inline std::string WithCrLf(const std::string& text)
{
    std::string result;
    for (const char c : text)
        result += c == '\n' ? "\r\n" : std::string(1, c);
    return result;
}

// `text` as a text-mode stream of this platform writes it.
inline std::string WithPlatformLineEnds(const std::string& text)
{
#ifdef _WIN32
    return WithCrLf(text);
#else
    return text;
#endif
}
