#include "support/AtomicFile.h"

#include "support/TemporaryFile.h"

#include <cerrno>

AtomicFile::Result AtomicFile::Write(const Folder& folder, std::string_view name,
                                     std::string_view text, bool replace)
{
    TemporaryFile file(folder, platform::FileMode::Text);
    if (!file.Stream())
        return Result::Failed;
    if (std::fwrite(text.data(), 1, text.size(), file.Stream()) != text.size()) {
        // The destructor removes the temporary file and keeps errno.
        return Result::Failed;
    }
    switch (file.Commit(name, replace)) {
    case platform::MoveResult::Moved:
        return Result::Written;
    case platform::MoveResult::TargetExists:
        return Result::TargetExists;
    case platform::MoveResult::Failed:
        break;
    }
    return Result::Failed;
}
