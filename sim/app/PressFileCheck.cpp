#include "sim/app/PressFileCheck.h"

#include <QString>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <vector>

namespace hostapp {
namespace {

constexpr std::size_t kLineCount = 27;
constexpr std::size_t kFirstDotGainLine = 22;  // counted from 0
constexpr int kDecimals = 6;                   // reals are stored as printf's %f writes them
constexpr const char* kDotGainKeys[] = {"Minimum Dot Gain", "25 Dot Gain", "50 Dot Gain", "75 Dot Gain",
                                        "Maximum Dot Gain"};
static_assert(std::size(kDotGainKeys) == std::tuple_size_v<PressFileCheck::Curve>);

std::string Setting(const std::string& name)
{
    return "setting \"" + name + "\"";
}

std::vector<std::string> Lines(std::ifstream& file)
{
    std::vector<std::string> lines;
    for (std::string line; std::getline(file, line);) {
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        lines.push_back(line);
    }
    return lines;
}

}  // namespace

std::string PressFileCheck::Absent(const std::string& name)
{
    std::string problem;
    const std::string path = PathOf(name, problem);
    if (!path.empty() && std::filesystem::exists(path))
        problem = Setting(name) + " exists: " + path;
    return problem;
}

std::string PressFileCheck::Stores(const std::string& name, const Curve& curve)
{
    std::string problem;
    const std::string path = PathOf(name, problem);
    if (path.empty())
        return problem;
    std::ifstream file(path);
    if (!file)
        return Setting(name) + " has no file " + path;
    const std::vector<std::string> lines = Lines(file);
    if (lines.size() != kLineCount)
        return Setting(name) + " has " + std::to_string(lines.size()) + " lines, expected " + std::to_string(kLineCount);
    for (std::size_t point = 0; point < curve.size(); ++point) {
        const std::string expected = std::string(kDotGainKeys[point]) + ": " +
                                     QString::number(curve[point], 'f', kDecimals).toStdString();
        const std::string& stored = lines[kFirstDotGainLine + point];
        if (stored != expected)
            return Setting(name) + " line " + std::to_string(kFirstDotGainLine + point + 1) + " is \"" + stored +
                   "\", expected \"" + expected + "\"";
    }
    return std::string();
}

std::string PressFileCheck::PathOf(const std::string& name, std::string& problem)
{
    const char* documents = std::getenv("HUELINE_SHARED_DOCUMENTS");
    if (documents == nullptr || *documents == '\0') {
        problem = "the settings folder is known only with HUELINE_SHARED_DOCUMENTS set";
        return std::string();
    }
    return (std::filesystem::path(documents) / "Hueline" / "dot_gain_curves" / (name + ".press")).string();
}

}  // namespace hostapp
