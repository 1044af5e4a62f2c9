#include "toolkit/internal/Utf8Buffer.h"

#include <QByteArray>
#include <QString>

#include <algorithm>
#include <cstring>

namespace qRVADM::internal {
namespace {

struct LeadByteRange
{
    unsigned char first;
    unsigned char last;
    std::size_t continuations;
};

constexpr LeadByteRange kLeadBytes[] = {
    {0x00, 0x7F, 0},
    {0xC0, 0xDF, 1},
    {0xE0, 0xEF, 2},
    {0xF0, 0xF7, 3},
};

bool IsContinuation(unsigned char byte)
{
    return byte >= 0x80 && byte <= 0xBF;
}

// The length of the sequence starting at `text`, or 0 when it is not complete and well formed.
std::size_t SequenceLength(const unsigned char* text, std::size_t available)
{
    for (const LeadByteRange& range : kLeadBytes) {
        if (text[0] < range.first || text[0] > range.last)
            continue;
        const std::size_t length = range.continuations + 1;
        if (length > available)
            return 0;
        for (std::size_t i = 1; i < length; ++i) {
            if (!IsContinuation(text[i]))
                return 0;
        }
        return length;
    }
    return 0;
}

} // namespace

std::size_t Utf8Buffer::WellFormedPrefix(const char* text, std::size_t length)
{
    const auto* bytes = reinterpret_cast<const unsigned char*>(text);
    std::size_t position = 0;
    while (position < length) {
        const std::size_t sequence = SequenceLength(bytes + position, length - position);
        if (sequence == 0)
            break;
        position += sequence;
    }
    return position;
}

void Utf8Buffer::Copy(const QByteArray& text, char* buffer, std::size_t size)
{
    if (buffer == nullptr || size == 0)
        return;
    const std::size_t copied = std::min(static_cast<std::size_t>(text.size()), size - 1);
    const std::size_t kept = WellFormedPrefix(text.constData(), copied);
    std::memcpy(buffer, text.constData(), kept);
    buffer[kept] = '\0';
}

void Utf8Buffer::CopyUtf16(const QString& text, char16_t* buffer, std::size_t size)
{
    if (buffer == nullptr || size == 0)
        return;
    const std::size_t copied = std::min(static_cast<std::size_t>(text.size()), size - 1);
    std::memcpy(buffer, text.utf16(), copied * sizeof(char16_t));
    buffer[copied] = u'\0';
}

} // namespace qRVADM::internal
