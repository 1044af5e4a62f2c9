#include "toolkit/internal/RVADM_IdToFileTable.h"

#include <gtest/gtest.h>

#include <cctype>
#include <climits>
#include <string>
#include <utility>
#include <vector>

using qRVADM::internal::RVADM_IdToFileTable;

namespace {

// A literal's bytes, NULs included.
template <std::size_t N>
std::string Bytes(const char (&text)[N])
{
    return std::string(text, N - 1);
}

RVADM_IdToFileTable Parse(const std::string& text)
{
    return RVADM_IdToFileTable(QByteArray(text.data(), static_cast<int>(text.size())));
}

struct Mapping
{
    std::int32_t id;
    const char* name;
};

struct TableCase
{
    const char* what;
    std::string text;
    std::vector<Mapping> mappings; // every mapping the text makes
};

void ExpectExactly(const RVADM_IdToFileTable& table, const std::vector<Mapping>& mappings)
{
    EXPECT_EQ(table.Size(), mappings.size());
    for (const Mapping& mapping : mappings)
        EXPECT_EQ(table.NameFor(mapping.id).toStdString(), mapping.name) << "id " << mapping.id;
}

} // namespace

class IdToFileTableLines : public ::testing::TestWithParam<TableCase>
{
};

TEST_P(IdToFileTableLines, MapsWhatTheLinesSay)
{
    ExpectExactly(Parse(GetParam().text), GetParam().mappings);
}

const TableCase kLineCases[] = {
    {"id to name and high density id to twin", "17209.png HL_Led_Green.png\n",
     {{17209, "HL_Led_Green"}, {21209, "HL_Led_Green_at_2x"}}},
    {"empty", "", {}},
    {"binary", Bytes("\0\0\xff\xfe\r\n\x01"), {}},
    {"xml line ignored", "5.xml layout.xml\n6.png a.png\n", {{6, "a"}, {4006, "a_at_2x"}}},
    {"LF", "1.png a.png\n2.png b.png", {{1, "a"}, {4001, "a_at_2x"}, {2, "b"}, {4002, "b_at_2x"}}},
    {"CR", "1.png a.png\r2.png b.png\r", {{1, "a"}, {4001, "a_at_2x"}, {2, "b"}, {4002, "b_at_2x"}}},
    {"CR LF", "1.png a.png\r\n2.png b.png\r\n", {{1, "a"}, {4001, "a_at_2x"}, {2, "b"}, {4002, "b_at_2x"}}},
    {"blank lines and blanks around", "\n\n  \t7.png \t c.png  \r\n\r\n", {{7, "c"}, {4007, "c_at_2x"}}},
    {"name without .png kept whole", "3.txt notes.PNG\n", {{3, "notes.PNG"}, {4003, "notes.PNG_at_2x"}}},
    {".png only removed at the end", "3.png a.png.bak\n", {{3, "a.png.bak"}, {4003, "a.png.bak_at_2x"}}},
    {"name that is only .png", "3.png .png\n", {}},
    {"no dot after the id", "17209 png HL_Led_Green.png\n", {}},
    {"blank before the dot", "17209 .png HL_Led_Green.png\n", {}},
    {"no id", "png HL_Led_Green.png\n.png x.png\n", {}},
    {"no name", "17209.png\n17210.png   \n", {}},
    {"no type word", "17209.\n", {}},
    {"id beyond 32 bits", "99999999999.png big.png\n2147483648.png big.png\n", {}},
    {"negative id", "-5.png neg.png\n", {{-5, "neg"}, {3995, "neg_at_2x"}}},
    {"largest id has no twin", "2147483647.png top.png\n", {{INT_MAX, "top"}}},
    {"type word cut at 16 characters", "1.abcdefghijklmnopq name.png\n", {{1, "q"}, {4001, "q_at_2x"}}},
    {"later line wins", "1.png a.png\n1.png b.png\n", {{1, "b"}, {4001, "b_at_2x"}}},
    {"NUL ends its line", Bytes("1.png ab\0cd.png\n2.png e.png"),
     {{1, "ab"}, {4001, "ab_at_2x"}, {2, "e"}, {4002, "e_at_2x"}}},
    {"NUL before the name", Bytes("1.png\0 a.png\n"), {}},
};

INSTANTIATE_TEST_SUITE_P(Lines, IdToFileTableLines, ::testing::ValuesIn(kLineCases),
                         [](const ::testing::TestParamInfo<TableCase>& info) {
                             std::string name;
                             for (const char c : std::string(info.param.what))
                                 name += std::isalnum(static_cast<unsigned char>(c)) ? c : '_';
                             return name;
                         });

TEST(IdToFileTable, NameLongerThan128CharactersIsCut)
{
    const std::string longName(200, 'n');
    const RVADM_IdToFileTable table = Parse("9.png " + longName + "\n");
    EXPECT_EQ(table.NameFor(9).toStdString(), std::string(128, 'n'));
}
