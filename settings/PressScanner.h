#pragma once

#include <cstdint>
#include <cstdio>
#include <string>
#include <string_view>

// Reads a C stream with the matching rules of scanf in the classic "C" locale, without
// depending on the process locale. After a failed match the stream position is unspecified
// (characters already read are consumed, as with scanf).
class PressScanner
{
public:
    explicit PressScanner(std::FILE* file);

    // Each blank of `pattern` matches any run of white space, including none; every other
    // character must match exactly.
    bool MatchLiteral(std::string_view pattern);
    void SkipWhiteSpace();
    // %d: optional sign and decimal digits after white space; saturates at the int32 limits.
    bool ScanInteger(int32_t& value);
    // %f: decimal or hexadecimal floating text, "inf", "infinity" or "nan", in single
    // precision; out-of-range values become infinity or zero like strtof.
    bool ScanReal(float& value);

private:
    int Peek();
    bool Accept(char lower);
    // Consumes an optional sign; true when it was a minus.
    bool AcceptSign();
    bool AcceptWord(std::string_view lower);
    size_t AcceptDigits(bool hex, std::string& token);
    bool AcceptExponent(char lower, std::string& token);
    bool AcceptNumber(bool hex, std::string& token);
    bool AcceptNanSuffix();

    std::FILE* m_file;
};
