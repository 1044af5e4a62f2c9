#include "toolkit/internal/Utf8Buffer.h"

#include <QByteArray>
#include <QString>

#include <gtest/gtest.h>

#include <cstring>

namespace qRVADM::internal {
namespace {

TEST(Utf8BufferCopy, NeverCutsACharacterInHalf)
{
    // "aé€😀": 1 + 2 + 3 + 4 bytes.
    const QByteArray text("a\xC3\xA9\xE2\x82\xAC\xF0\x9F\x98\x80");
    const struct
    {
        std::size_t size;
        std::size_t kept;
    } cases[] = {{1, 0}, {2, 1}, {3, 1}, {4, 3}, {5, 3}, {6, 3}, {7, 6}, {10, 6}, {11, 10}, {64, 10}};
    for (const auto& c : cases) {
        char buffer[64];
        std::memset(buffer, 'x', sizeof buffer);
        Utf8Buffer::Copy(text, buffer, c.size);
        EXPECT_EQ(std::strlen(buffer), c.kept) << "size " << c.size;
        EXPECT_EQ(std::memcmp(buffer, text.constData(), c.kept), 0);
    }
}

TEST(Utf8BufferCopy, CutsBeforeMalformedBytes)
{
    char buffer[32];
    Utf8Buffer::Copy(QByteArray("ab\x80xyz"), buffer, sizeof buffer); // stray continuation
    EXPECT_STREQ(buffer, "ab");
    Utf8Buffer::Copy(QByteArray("ab\xC3xyz"), buffer, sizeof buffer); // lead without continuation
    EXPECT_STREQ(buffer, "ab");
    Utf8Buffer::Copy(QByteArray("ab\xF8\x80"), buffer, sizeof buffer); // no such lead byte
    EXPECT_STREQ(buffer, "ab");
}

TEST(Utf8BufferCopy, ZeroSizeOrNullBufferIsLeftAlone)
{
    char buffer[2] = {'x', 'y'};
    Utf8Buffer::Copy(QByteArray("text"), buffer, 0);
    EXPECT_EQ(buffer[0], 'x');
    Utf8Buffer::Copy(QByteArray("text"), nullptr, 10);
}

TEST(Utf8BufferCopyUtf16, TruncatesToSizeMinusOneUnits)
{
    char16_t buffer[4];
    Utf8Buffer::CopyUtf16(QStringLiteral("hello"), buffer, 4);
    EXPECT_EQ(std::u16string(buffer), u"hel");
    Utf8Buffer::CopyUtf16(QString(), buffer, 4);
    EXPECT_EQ(buffer[0], u'\0');
}

} // namespace
} // namespace qRVADM::internal
