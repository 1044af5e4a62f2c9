#include "sim/kiln/HostFolder.h"

#include "plugin/suites/AIFilePathSuite.h"
#include "plugin/suites/AIFoldersSuite.h"
#include "sim/kiln/HostSuite.h"

#include <vector>

namespace kiln {

std::string HostFolder(const SPBasicSuite* basic, ASInt32 kind)
{
    const HostSuite<AIFoldersSuite> folders(basic);
    const HostSuite<AIFilePathSuite> paths(basic);
    AIFilePathHandle path = nullptr;
    if (!folders || !paths || paths->NewFilePath(&path) != kNoErr)
        return {};
    std::string folder;
    std::size_t needed = 0;
    if (folders->FindFolder(kind, false, path) == kNoErr &&
        paths->GetAsPlatformText(path, nullptr, 0, &needed) == kNoErr && needed > 0) {
        std::vector<char> text(needed);
        if (paths->GetAsPlatformText(path, text.data(), text.size(), &needed) == kNoErr)
            folder = text.data();
    }
    paths->DeleteFilePath(path);
    return folder;
}

}  // namespace kiln
