#pragma once

#include "support/UniqueFile.h"

#include <clocale>
#include <cstdio>
#include <string>

// The file a record with every default is written as, line by line.
inline const std::string kDefaultRecordText =
    "Version: 3\n"
    "IsFlexo: 0\n"
    "FirstDot: 1\n"
    "HasDarkening: 0\n"
    "FirstDotDarkening: 10.000000\n"
    "DarkeningRange: 50.000000\n"
    "HasTAC: 0\n"
    "TACLimit: 270.000000\n"
    "HasDeviation: 0\n"
    "DeviationDistance: 0.100000\n"
    "CheckAngleDifference30: 1\n"
    "CheckDifferentRulings: 1\n"
    "CheckSameAngles: 1\n"
    "CheckDifferentDotshape: 1\n"
    "ExcludeMinLuminance: 1\n"
    "ExcludeMaxLuminance: 1\n"
    "MinLuminanceValue: 0\n"
    "MaxLuminanceValue: 85\n"
    "ExcludeMinDensity: 1\n"
    "ExcludeMaxDensity: 1\n"
    "MinDensityValue: 5.000000\n"
    "MaxDensityValue: 95.000000\n"
    "Minimum Dot Gain: 0.000000\n"
    "25 Dot Gain: 0.000000\n"
    "50 Dot Gain: 0.000000\n"
    "75 Dot Gain: 0.000000\n"
    "Maximum Dot Gain: 0.000000\n";

// The first `count` lines of `text`.
inline std::string FirstLines(const std::string& text, int count)
{
    size_t end = 0;
    for (int line = 0; line < count && end != std::string::npos; ++line)
        end = text.find('\n', end) + 1;
    return text.substr(0, end);
}

// An anonymous stream holding `bytes`, positioned at the start.
inline UniqueFile StreamOf(const std::string& bytes)
{
    UniqueFile file(std::tmpfile());
    if (file) {
        std::fwrite(bytes.data(), 1, bytes.size(), file.get());
        std::rewind(file.get());
    }
    return file;
}

// Switches the whole process to a German (comma-decimal) locale, by its POSIX or Windows name,
// and back; Active() is false when the system has none.
class CommaLocaleGuard
{
public:
    CommaLocaleGuard()
        : m_previous(std::setlocale(LC_ALL, nullptr))
    {
        for (const char* name : {"de_DE.UTF-8", "de-DE", "German_Germany.1252"}) {
            if (std::setlocale(LC_ALL, name)) {
                m_active = true;
                break;
            }
        }
    }
    ~CommaLocaleGuard() { std::setlocale(LC_ALL, m_previous.c_str()); }
    CommaLocaleGuard(const CommaLocaleGuard&) = delete;
    CommaLocaleGuard& operator=(const CommaLocaleGuard&) = delete;

    bool Active() const { return m_active; }

private:
    std::string m_previous;
    bool m_active = false;
};
