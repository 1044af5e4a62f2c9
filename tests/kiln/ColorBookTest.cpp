#include "sim/kiln/ColorBook.h"

#include "sim/kiln/KilnControlSuite.h"
#include "tests/support/TemporaryFolder.h"

#include <gtest/gtest.h>

namespace {

class ColorBookTest : public ::testing::Test
{
protected:
    ASErr Load(const std::string& text)
    {
        folder.Write("book.txt", text);
        return book.Load(folder.File("book.txt"));
    }

    TemporaryFolder folder;
    kiln::ColorBook book;
};

TEST_F(ColorBookTest, ProcessInksAreAlwaysHeld)
{
    for (const char* ink : {"Cyan", "Magenta", "Yellow", "Black", "Process Cyan", "Process Black"})
        EXPECT_TRUE(book.Find(ink)) << ink;
    ASSERT_EQ(Load("[Spot]\nPANTONE 185 C\n"), kNoErr);
    EXPECT_EQ(book.Find("Cyan"), "Process: Cyan");
}

TEST_F(ColorBookTest, FindsFileInksExactlyInTheFirstBookHoldingThem)
{
    ASSERT_EQ(Load("[Coated]\r\n  PANTONE 185 C\n\n[Uncoated]\nPANTONE 185 C\nPANTONE 185 U\n"), kNoErr);
    EXPECT_EQ(book.Find("PANTONE 185 C"), "Coated: PANTONE 185 C");
    EXPECT_EQ(book.Find("PANTONE 185 U"), "Uncoated: PANTONE 185 U");
    EXPECT_FALSE(book.Find("pantone 185 c"));
    EXPECT_FALSE(book.Find("PANTONE 185"));
    EXPECT_FALSE(book.Find(""));
}

TEST_F(ColorBookTest, LoadingReplacesTheFilesBooksButARefusedFileKeepsThem)
{
    ASSERT_EQ(Load("[Spot]\nPANTONE 185 C\n"), kNoErr);
    ASSERT_EQ(Load("[Spot]\nPANTONE 286 C\n"), kNoErr);
    EXPECT_FALSE(book.Find("PANTONE 185 C"));
    EXPECT_TRUE(book.Find("PANTONE 286 C"));
    ASSERT_EQ(Load("[Spot]\nPANTONE 185 C\n"), kNoErr);  // and back
    for (const char* text : {"PANTONE 286 C\n", "[Spot]\nBad\x02Name\n", "[]\nPANTONE 286 C\n",
                             "[Spot]\n[Unclosed\n"})
        EXPECT_EQ(Load(text), kKilnMalformedError) << text;
    EXPECT_EQ(book.Load(folder.File("missing.txt")), kKilnFileError);
    EXPECT_TRUE(book.Find("PANTONE 185 C"));
    EXPECT_FALSE(book.Find("PANTONE 286 C"));
}

}  // namespace
