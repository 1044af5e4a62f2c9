#include "sim/host/DocumentReader.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <fstream>

using hostsim::ColorModel;
using hostsim::DocumentContent;

namespace {

// A sound document around the given inks and artwork lists (JSON text of their elements).
std::string Document(const std::string& inks, const std::string& artwork, const std::string& colorModel = "CMYK")
{
    return R"({"format": "Hueline document", "version": 1, "colorModel": ")" + colorModel +
           R"(", "page": {"width": 200, "height": 100, "origin": [10, 20]}, "inks": [)" + inks +
           R"(], "artwork": [)" + artwork + "]}";
}

constexpr const char* kSpot = R"({"name": "Spot", "rgb": [0, 128, 255]})";
constexpr const char* kSquare = R"({"type": "rectangle", "bounds": [0, 10, 10, 0], "fill": {"Black": 100}})";

std::vector<std::string> InkNames(const DocumentContent& content)
{
    std::vector<std::string> names;
    for (const hostsim::Ink& ink : content.inks)
        names.push_back(ink.name);
    return names;
}

struct SampleRow
{
    const char* file;
    ColorModel model;
    std::vector<std::string> inks;
};

const SampleRow kSamples[] = {
    {"label.json", ColorModel::CMYK, {"Cyan", "Magenta", "Yellow", "Black", "PANTONE 186 C", "PANTONE 349 C"}},
    {"fine-detail.json", ColorModel::CMYK, {"Cyan", "Magenta", "Yellow", "Black"}},
    {"rgb-poster.json", ColorModel::RGB, {"Red", "Green", "Blue"}},
    {"unknown-spot.json", ColorModel::CMYK, {"Cyan", "Magenta", "Yellow", "Black", "PANTONE 186 C", "Hueline Neon Lime"}},
};

}  // namespace

TEST(DocumentReaderTest, ReadsEverySampleWithProcessInksFirst)
{
    for (const SampleRow& sample : kSamples) {
        SCOPED_TRACE(sample.file);
        std::string error;
        const auto content = hostsim::ReadDocument(std::string(SAMPLES_DIR) + "/" + sample.file, error);
        ASSERT_TRUE(content) << error;
        EXPECT_EQ(content->colorModel, sample.model);
        EXPECT_EQ(InkNames(*content), sample.inks);
        EXPECT_FALSE(content->artwork.empty());
    }
}

TEST(DocumentReaderTest, ReportsEachMalformedDocumentWithFileAndProblem)
{
    struct Row
    {
        std::string text;
        std::string error;
    };
    const std::string square = kSquare;
    const Row rows[] = {
        {"[1, 2]", "m.json: not a Hueline document (the file must hold one JSON object)"},
        {R"({"format": "SVG"})", R"(m.json: not a Hueline document ("format" must be "Hueline document"))"},
        {R"({"format": "Hueline document", "version": 2})", "m.json: unsupported version (this host reads version 1)"},
        {R"({"format": "Hueline document", "version": 1, "colorModel": "RGB"})", "m.json: page: must be an object"},
        {R"({"format": "Hueline document", "version": 1, "colorModel": "RGB", "page": {"width": 0, "height": 5}})",
         "m.json: page: width and height must be above 0 and at most 16383 points"},
        {Document(R"({"name": "Cyan", "rgb": [0, 0, 0]})", ""), R"(m.json: ink 1: "Cyan" is a process ink)"},
        {Document(std::string(kSpot) + "," + kSpot, ""), R"(m.json: ink 2: "Spot" is named twice)"},
        {Document(R"({"name": "Spot", "rgb": [0, 256, 0]})", ""), "m.json: ink 1: rgb values must be between 0 and 255"},
        {Document("", square + "," + square + R"(, {"type": "ellipse", "bounds": [0, 9, 9, 0], "fill": {"PANTONE 999": 100}})"),
         R"(m.json: artwork 3: unknown ink "PANTONE 999")"},
        {Document("", R"({"type": "star"})"), R"(m.json: artwork 1: unknown type "star")"},
        {Document("", R"({"type": "rectangle", "bounds": [0, 1, 1, 0], "fill": {"Black": 101}})"),
         "m.json: artwork 1: fill tints must be between 0 and 100"},
        {Document("", R"({"type": "rectangle", "bounds": [0, 0, 1, 1], "fill": {"Black": 1}})"),
         "m.json: artwork 1: bounds need left < right and bottom < top"},
        {Document("", R"({"type": "path", "points": [[0, 0], [1, 1]], "fill": {"Black": 1}})"),
         "m.json: artwork 1: a closed path needs at least 3 points"},
        {Document("", R"({"type": "text", "at": [0, 0], "size": 6, "text": "", "fill": {"Black": 1}})"), "m.json: artwork 1: text is empty"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.text);
        std::string error;
        EXPECT_FALSE(hostsim::ParseDocument(row.text, "m.json", error));
        EXPECT_EQ(error, row.error);
    }
}

TEST(DocumentReaderTest, SyntaxAndFileErrorsGiveTheFileNameNotItsFolderAndTheLineAndColumn)
{
    std::string error;
    EXPECT_FALSE(hostsim::ParseDocument("{\n  \"format\": \"Hueline document\",\n  \"version\": 1,,\n}", "s.json", error));
    EXPECT_EQ(error.rfind("s.json: line 3, column ", 0), 0u) << error;
    EXPECT_FALSE(hostsim::ParseDocument("", "empty.json", error));
    EXPECT_EQ(error.rfind("empty.json: line 1, column 1: ", 0), 0u) << error;
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    const std::string path = folder.filePath("label.json").toStdString();
    std::ofstream(path) << Document("", std::string(kSquare) + "," + kSquare +
                                            R"(, {"type": "rectangle", "bounds": [0, 1, 1, 0], "fill": {"PANTONE 999": 5}})");
    EXPECT_FALSE(hostsim::ReadDocument(path, error));
    EXPECT_EQ(error, R"(label.json: artwork 3: unknown ink "PANTONE 999")");

    EXPECT_FALSE(hostsim::ReadDocument(folder.filePath("missing.json").toStdString(), error));
    EXPECT_EQ(error.rfind("missing.json: cannot be opened (", 0), 0u) << error;
}

