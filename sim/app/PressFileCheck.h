#pragma once

#include <array>
#include <string>

namespace hostapp {

// What a script expects of a dot gain setting's file, checked on its text in the settings folder
// the plug-ins use: `$HUELINE_SHARED_DOCUMENTS/Hueline/dot_gain_curves` (docs/settings.md).
class PressFileCheck
{
public:
    using Curve = std::array<double, 5>;  // minimum dot, 25 %, 50 %, 75 %, maximum dot

    // The problem when the setting `name` has a file; empty when it has none.
    static std::string Absent(const std::string& name);
    // The problem unless the setting `name` has a whole file storing `curve` on its dot gain lines.
    static std::string Stores(const std::string& name, const Curve& curve);

private:
    // The setting's file path, or empty with `problem` set when the folder is not known.
    static std::string PathOf(const std::string& name, std::string& problem);
};

}  // namespace hostapp
