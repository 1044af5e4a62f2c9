#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

// Reads text with the matching rules of scanf in the classic "C" locale, without depending on
// the process locale. After a failed match the position is unspecified (characters already read
// are consumed, as with scanf).
class CLocaleScanner
{
public:
    // Fills `buffer` with up to `size` further bytes of the text; 0 at its end.
    using Source = std::function<size_t(char* buffer, size_t size)>;

    // The text is asked for in pieces of kChunk bytes, so a settings file takes one read and
    // nothing past the last line that matched is read.
    static constexpr size_t kChunk = 4096;

    explicit CLocaleScanner(Source source);

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
    // The next byte, or EOF; the buffered case inline, as it runs for every byte of a file.
    int Peek() { return m_next < m_end ? static_cast<unsigned char>(m_buffer[m_next]) : Refill(); }
    int Get();
    // Peek with the buffer used up: asks the source for the next piece.
    int Refill();
    bool Accept(char lower);
    // Consumes an optional sign; true when it was a minus.
    bool AcceptSign();
    bool AcceptWord(std::string_view lower);
    size_t AcceptDigits(bool hex, std::string& token);
    bool AcceptExponent(char lower, std::string& token);
    bool AcceptNumber(bool hex, std::string& token);
    bool AcceptNanSuffix();

    Source m_source;
    char m_buffer[kChunk];
    size_t m_next = 0;
    size_t m_end = 0;
};
