#include "sim/host/PiplReader.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

namespace {

std::string ReadAll(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    return std::string((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
}

// A copy of a plug-in file with the bytes at `skip` after `anchor` replaced, removed when the
// test ends.
class AlteredCopy
{
public:
    AlteredCopy(const std::string& from, const std::string& anchor, std::size_t skip, const std::string& replacement)
        : m_path(std::filesystem::temp_directory_path() / "altered.aip")
    {
        std::string bytes = ReadAll(from);
        const std::size_t at = bytes.find(anchor);
        EXPECT_NE(at, std::string::npos) << anchor;
        if (at != std::string::npos)
            bytes.replace(at + skip, replacement.size(), replacement);
        std::ofstream(m_path, std::ios::binary) << bytes;
    }
    ~AlteredCopy() { std::filesystem::remove(m_path); }
    std::string Path() const { return m_path.string(); }

private:
    std::filesystem::path m_path;
};

}  // namespace

TEST(PiplReader, RefusesFilesWithoutAValidList)
{
    std::string error;
    EXPECT_FALSE(hostsim::ReadPluginProperties(NO_PIPL_PLUGIN, error));
    EXPECT_EQ(error, "no plug-in property list");

    EXPECT_FALSE(hostsim::ReadPluginProperties("/nonexistent/Plugin.aip", error));
    EXPECT_EQ(error, "cannot open /nonexistent/Plugin.aip");

    // The kind's data follows its vendor, key, id and length.
    AlteredCopy wrongKind(ECHO_PLUGIN, "ADBEkind", 16, "SPEB");
    EXPECT_FALSE(hostsim::ReadPluginProperties(wrongKind.Path(), error));
    EXPECT_NE(error.find("kind SPEA"), std::string::npos);
}
