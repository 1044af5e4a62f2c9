#include "toolkit/internal/Utf8Buffer.h"

#include <QByteArray>
#include <QString>

#include <gtest/gtest.h>

#include <cstring>

namespace qRVADM::internal {
namespace {

TEST(Utf8Buffer, CutsNeitherACharacterInHalfNorAfterMalformedBytesNorBeyondTheSize)
{
    // "aé€😀": 1 + 2 + 3 + 4 bytes.
    const QByteArray text("a\xC3\xA9\xE2\x82\xAC\xF0\x9F\x98\x80");
    const std::pair<std::size_t, std::size_t> sizeAndKept[] = {{1, 0}, {2, 1}, {3, 1}, {4, 3}, {6, 3}, {7, 6}, {10, 6}, {11, 10}, {64, 10}};
    char buffer[64];
    for (const auto& [size, kept] : sizeAndKept) {
        std::memset(buffer, 'x', sizeof buffer);
        Utf8Buffer::Copy(text, buffer, size);
        EXPECT_EQ(std::strlen(buffer), kept) << "size " << size;
        EXPECT_EQ(std::memcmp(buffer, text.constData(), kept), 0);
    }
    // A stray continuation, a lead byte without continuation, no such lead byte.
    for (const char* malformed : {"ab\x80xyz", "ab\xC3xyz", "ab\xF8\x80"}) {
        Utf8Buffer::Copy(QByteArray(malformed), buffer, sizeof buffer);
        EXPECT_STREQ(buffer, "ab");
    }
    buffer[0] = 'x';
    Utf8Buffer::Copy(QByteArray("text"), buffer, 0);
    EXPECT_EQ(buffer[0], 'x');
    Utf8Buffer::Copy(QByteArray("text"), nullptr, 10);
    char16_t units[4];
    Utf8Buffer::CopyUtf16(QStringLiteral("hello"), units, 4);
    EXPECT_EQ(std::u16string(units), u"hel");
}

} // namespace
} // namespace qRVADM::internal
