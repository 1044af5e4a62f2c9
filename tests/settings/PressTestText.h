#pragma once

#include "settings/CLocaleScanner.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <clocale>
#include <cstring>
#include <memory>
#include <string>

// The file a record with every default is written as.
inline const std::string kDefaultRecordText =
    "Version: 3\nIsFlexo: 0\nFirstDot: 1\nHasDarkening: 0\nFirstDotDarkening: 10.000000\n"
    "DarkeningRange: 50.000000\nHasTAC: 0\nTACLimit: 270.000000\nHasDeviation: 0\n"
    "DeviationDistance: 0.100000\nCheckAngleDifference30: 1\nCheckDifferentRulings: 1\n"
    "CheckSameAngles: 1\nCheckDifferentDotshape: 1\nExcludeMinLuminance: 1\nExcludeMaxLuminance: 1\n"
    "MinLuminanceValue: 0\nMaxLuminanceValue: 85\nExcludeMinDensity: 1\nExcludeMaxDensity: 1\n"
    "MinDensityValue: 5.000000\nMaxDensityValue: 95.000000\nMinimum Dot Gain: 0.000000\n"
    "25 Dot Gain: 0.000000\n50 Dot Gain: 0.000000\n75 Dot Gain: 0.000000\nMaximum Dot Gain: 0.000000\n";

// A file whose every value differs from the default.
inline const std::string kChangedRecordText =
    "Version: 3\nIsFlexo: 1\nFirstDot: 7\nHasDarkening: 1\nFirstDotDarkening: 12.500000\n"
    "DarkeningRange: 40.250000\nHasTAC: 1\nTACLimit: 300.000000\nHasDeviation: 1\n"
    "DeviationDistance: 0.500000\nCheckAngleDifference30: 0\nCheckDifferentRulings: 0\n"
    "CheckSameAngles: 0\nCheckDifferentDotshape: 0\nExcludeMinLuminance: 0\nExcludeMaxLuminance: 0\n"
    "MinLuminanceValue: 3\nMaxLuminanceValue: 90\nExcludeMinDensity: 0\nExcludeMaxDensity: 0\n"
    "MinDensityValue: 2.000000\nMaxDensityValue: 98.000000\nMinimum Dot Gain: 1.000000\n"
    "25 Dot Gain: 30.000000\n50 Dot Gain: 60.000000\n75 Dot Gain: 85.000000\nMaximum Dot Gain: 99.000000\n";

// `text` with the first `from` replaced by `to`.
inline std::string With(std::string text, const std::string& from, const std::string& to)
{
    const size_t at = text.find(from);
    if (at == std::string::npos)
        ADD_FAILURE() << "no " << from;
    return at == std::string::npos ? text : text.replace(at, from.size(), to);
}

inline std::string FirstLines(const std::string& text, int count)
{
    size_t end = 0;
    for (int line = 0; line < count && end != std::string::npos; ++line)
        end = text.find('\n', end) + 1;
    return text.substr(0, end);
}

// `bytes` as the scanner's source, handed out in pieces of at most `piece` bytes.
inline CLocaleScanner::Source SourceOf(const std::string& bytes, size_t piece = CLocaleScanner::kChunk)
{
    auto left = std::make_shared<std::string>(bytes);
    return [left, piece](char* buffer, size_t size) {
        const size_t count = std::min({size, piece, left->size()});
        std::memcpy(buffer, left->data(), count);
        left->erase(0, count);
        return count;
    };
}

// Switches the process to a comma-decimal locale and back; Active() is false when the system has none.
class CommaLocaleGuard
{
public:
    CommaLocaleGuard()
    {
        for (const char* name : {"de_DE.UTF-8", "de-DE", "German_Germany.1252"})
            m_active = m_active || std::setlocale(LC_ALL, name) != nullptr;
    }
    ~CommaLocaleGuard() { std::setlocale(LC_ALL, m_previous.c_str()); }
    CommaLocaleGuard(const CommaLocaleGuard&) = delete;
    CommaLocaleGuard& operator=(const CommaLocaleGuard&) = delete;
    bool Active() const { return m_active; }

private:
    std::string m_previous = std::setlocale(LC_ALL, nullptr);
    bool m_active = false;
};
