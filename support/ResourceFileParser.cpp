#include "support/ResourceFileParser.h"

#include "support/FileContent.h"
#include "support/ResourceDatabase.h"
#include "support/ResourceError.h"

#include <cstdio>
#include <cstring>
#include <string>

namespace {

constexpr const char* kNoSeparator = "No ':' separator";
constexpr const char* kPrematureEnd = "Premature END-OF-FILE";
constexpr const char* kOutOfMemory = "Out of Memory Error";
constexpr const char* kSyntaxError = "Syntax error";

bool IsBlank(char c)
{
    return c == ' ' || c == '\t' || c == '\r' || c == '\n';
}

bool IsSeparator(char c)
{
    return c == ':' || c == '=';
}

bool IsOctal(char c)
{
    return c >= '0' && c <= '7';
}

} // namespace

ResourceFileParser::ResourceFileParser(ResourceDatabase* db, const char* text, size_t size,
                                       const char* fileName)
    : m_db(db)
    , m_text(text)
    , m_size(size)
    , m_fileName(fileName)
{
}

bool ResourceFileParser::ParseText(ResourceDatabase* db, const char* text, size_t size,
                                   const char* fileName)
{
    if (!ResourceDatabase::IsValid(db))
        return false;
    ResourceFileParser parser(db, text, size, fileName);
    return parser.Run();
}

bool ResourceFileParser::Run()
{
    for (;;) {
        SkipSeparators();
        if (AtEnd()) {
            SetResourceError(ResourceError::None);
            return true;
        }
        if (!ReadEntry())
            return false;
    }
}

bool ResourceFileParser::ReadEntry()
{
    if (!ReadToken(m_key, false))
        return false;
    SkipBlanks();
    if (AtEnd() || !IsSeparator(Peek()))
        return Fail(kNoSeparator);
    Take();
    SkipSeparators();
    if (AtEnd())
        return Fail(kPrematureEnd);
    if (!ReadToken(m_value, true))
        return false;
    // A refused key (nested too deeply) drops only its own entry.
    if (!ResourceDatabase::Insert(m_db, m_key.Text(), m_value.Text())
        && LastResourceError() == ResourceError::OutOfMemory)
        return Fail(kOutOfMemory);
    return true;
}

bool ResourceFileParser::ReadToken(TokenBuffer& token, bool value)
{
    token.Clear();
    bool quoted = false;
    bool hadQuotes = false;
    for (;;) {
        if (AtEnd()) {
            if (quoted)
                return Fail(kPrematureEnd);
            break;
        }
        const char c = Peek();
        if (c == '\\') {
            if (!ReadEscape(token, value))
                return false;
            continue;
        }
        if (c == '"') {
            Take();
            quoted = !quoted;
            hadQuotes = true;
            if (!quoted && value && !AtEnd() && Peek() == '+' && !JoinNextPart())
                return false;
            continue;
        }
        if (!quoted && (IsBlank(c) || IsSeparator(c) || c == '#' || c == ';'))
            break;
        if (!Append(token, Take()))
            return false;
    }
    if (token.Size() == 0 && !hadQuotes)
        return Fail(nullptr);
    return true;
}

// At a backslash. Keys keep the backslash and the escaped character; values decode it.
bool ResourceFileParser::ReadEscape(TokenBuffer& token, bool value)
{
    Take();
    if (AtEnd())
        return Append(token, '\\');
    if (!value)
        return Append(token, '\\') && Append(token, Take());
    const char c = Take();
    switch (c) {
    case 'n':
        return Append(token, '\n');
    case 'r':
        return Append(token, '\r');
    case 't':
        return Append(token, '\t');
    default:
        break;
    }
    if (!IsOctal(c))
        return Append(token, c);
    unsigned byte = static_cast<unsigned>(c - '0');
    while (!AtEnd() && IsOctal(Peek()))
        byte = (byte * 8 + static_cast<unsigned>(Take() - '0')) % 256;
    return Append(token, static_cast<char>(byte));
}

// Directly after a closing quote, at "+": the next quoted part continues the value.
bool ResourceFileParser::JoinNextPart()
{
    Take();
    SkipSeparators();
    if (AtEnd())
        return Fail(kPrematureEnd);
    if (Peek() != '"')
        return Fail(nullptr);
    return true;
}

bool ResourceFileParser::Append(TokenBuffer& token, char c)
{
    return token.Append(c) || Fail(kOutOfMemory);
}

void ResourceFileParser::SkipSeparators()
{
    while (!AtEnd()) {
        const char c = Peek();
        if (IsBlank(c)) {
            Take();
        } else if (c == '#' || c == ';') {
            while (!AtEnd() && Peek() != '\n')
                Take();
        } else if (c == '/' && m_pos + 1 < m_size && m_text[m_pos + 1] == '*') {
            m_pos += 2;
            while (!AtEnd() && !(Peek() == '*' && m_pos + 1 < m_size && m_text[m_pos + 1] == '/'))
                Take();
            m_pos = AtEnd() ? m_size : m_pos + 2;
        } else {
            return;
        }
    }
}

void ResourceFileParser::SkipBlanks()
{
    while (!AtEnd() && IsBlank(Peek()))
        Take();
}

char ResourceFileParser::Take()
{
    const char c = m_text[m_pos++];
    if (c == '\n')
        ++m_line;
    return c;
}

bool ResourceFileParser::Fail(const char* message)
{
    std::fprintf(stderr, "%s detected in file %s at line %lu.\n",
                 message != nullptr ? message : kSyntaxError, m_fileName, m_line);
    SetResourceError(ResourceError::FileAccess);
    return false;
}

bool ParseResourceFile(ResourceDatabase* db, const char* path)
{
    std::string content;
    if (!ReadWholeFile(path, content))
        return false;
    return ResourceFileParser::ParseText(db, content.data(), content.size(), path);
}
