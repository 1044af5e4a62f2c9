#include "sim/host/DocumentReader.h"

#include "tests/support/TemporaryFolder.h"

#include <gtest/gtest.h>

namespace {

// A sound document around the given inks and artwork lists (JSON text of their elements).
std::string Document(const std::string& inks, const std::string& artwork)
{
    return R"({"format": "Hueline document", "version": 1, "colorModel": "CMYK",
               "page": {"width": 200, "height": 100, "origin": [10, 20]}, "inks": [)" +
           inks + R"(], "artwork": [)" + artwork + "]}";
}

constexpr const char* kSpot = R"({"name": "Spot", "rgb": [0, 128, 255]})";
constexpr const char* kSquare = R"({"type": "rectangle", "bounds": [0, 10, 10, 0], "fill": {"Black": 100}})";

TEST(DocumentReaderTest, ReportsEachMalformedDocumentWithFileAndProblem)
{
    struct Row
    {
        std::string text;
        std::string error;
    };
    const Row rows[] = {
        {"[1, 2]", "m.json: not a Hueline document (the file must hold one JSON object)"},
        {R"({"format": "Hueline document", "version": 2})", "m.json: unsupported version (this host reads version 1)"},
        {R"({"format": "Hueline document", "version": 1, "colorModel": "RGB", "page": {"width": 0, "height": 5}})",
         "m.json: page: width and height must be above 0 and at most 16383 points"},
        {Document(std::string(kSpot) + "," + kSpot, ""), R"(m.json: ink 2: "Spot" is named twice)"},
        {Document("", std::string(kSquare) + R"(, {"type": "ellipse", "bounds": [0, 9, 9, 0], "fill": {"PANTONE 999": 100}})"),
         R"(m.json: artwork 2: unknown ink "PANTONE 999")"},
        {Document("", R"({"type": "rectangle", "bounds": [0, 0, 1, 1], "fill": {"Black": 1}})"),
         "m.json: artwork 1: bounds need left < right and bottom < top"},
        {"{\n  \"format\": \"Hueline document\",\n  \"version\": 1,,\n}", "m.json: line 3, column "},
        {"", "m.json: line 1, column 1: "},
        {R"({"format": "Hueline document", "format": "Hueline document"})", R"(m.json: line 1, column 32: "format" is given twice)"},
        {R"({"artwork": [], "art\u0077ork": []})", R"(m.json: line 1, column 17: "artwork" is given twice)"},
        {Document("", R"({"type": "path", "points": [[0, 0], [1, 1]], "points": [[2, 2], [3, 3]]})"),
         R"(m.json: line 2, column )"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.text);
        std::string error;
        EXPECT_FALSE(hostsim::ParseDocument(row.text, "m.json", error));
        EXPECT_EQ(error.substr(0, row.error.size()), row.error);
    }
}

TEST(DocumentReaderTest, FileErrorsNameTheFileNotItsFolder)
{
    TemporaryFolder folder;
    std::string error;
    EXPECT_TRUE(hostsim::ReadDocument(folder.Write("good.json", Document(kSpot, kSquare)), error)) << error;
    EXPECT_FALSE(hostsim::ReadDocument(folder.Write("label.json", Document("", R"({"type": "star"})")), error));
    EXPECT_EQ(error, R"(label.json: artwork 1: unknown type "star")");
    EXPECT_FALSE(hostsim::ReadDocument(folder.File("missing.json"), error));
    EXPECT_EQ(error.rfind("missing.json: cannot be opened (", 0), 0u) << error;
}

}  // namespace
