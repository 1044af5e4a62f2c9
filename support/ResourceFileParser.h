#pragma once

#include "support/TokenBuffer.h"

#include <cstddef>

class ResourceDatabase;

// Reads the ".asc" resource text format into a database: entries "key : value" (or "="), with
// "#", ";" and "/* */" comments, double-quoted parts, backslash escapes (decoded in values, kept
// in keys) and "+" joining quoted parts of a value. Every entry is inserted as a "string" value;
// a later entry replaces an earlier one with the same key.
//
// Parsing stops at the first error, keeping the entries read before it, and writes
// "<message> detected in file <name> at line <n>." to the standard error stream. An unterminated
// quote is a premature end of file; an unterminated block comment simply ends the text.
class ResourceFileParser {
public:
    // True when the whole text was read; false after an error (LastResourceError() FileAccess).
    static bool ParseText(ResourceDatabase* db, const char* text, size_t size, const char* fileName);

private:
    ResourceFileParser(ResourceDatabase* db, const char* text, size_t size, const char* fileName);

    bool Run();
    bool ReadEntry();
    bool ReadToken(TokenBuffer& token, bool value);
    bool ReadEscape(TokenBuffer& token, bool value);
    bool JoinNextPart();
    bool Append(TokenBuffer& token, char c);
    void SkipSeparators();
    void SkipBlanks();
    char Take();
    bool AtEnd() const { return m_pos >= m_size; }
    char Peek() const { return m_text[m_pos]; }
    // Reports `message` ("Syntax error" when null) and stops.
    bool Fail(const char* message);

    ResourceDatabase* m_db;
    const char* m_text;
    size_t m_size;
    const char* m_fileName;
    size_t m_pos = 0;
    unsigned long m_line = 1;
    TokenBuffer m_key;
    TokenBuffer m_value;
};

// Parses the file at `path` (UTF-8, "\" separators). False with FileAccess when it cannot be
// opened or read, or after a syntax error.
bool ParseResourceFile(ResourceDatabase* db, const char* path);
