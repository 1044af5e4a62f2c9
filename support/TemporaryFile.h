#pragma once

#include "support/Folder.h"
#include "support/UniqueFile.h"
#include "support/platform/FileSystem.h"

#include <cstdio>
#include <string>
#include <string_view>

// A new file under a temporary name (".~" and 16 hex digits, ".tmp") in the folder its final
// name will be in, so that the final move is one step on one disk. The file goes away with its
// owner unless Commit moved it onto its final name: a failed or abandoned write leaves nothing.
class TemporaryFile
{
public:
    // Creates the file; Stream() is null, errno telling why, when none can be created.
    TemporaryFile(const Folder& folder, platform::FileMode mode);
    ~TemporaryFile();
    TemporaryFile(const TemporaryFile&) = delete;
    TemporaryFile& operator=(const TemporaryFile&) = delete;

    // Open until Commit; null when the file could not be created.
    std::FILE* Stream() const { return m_file.get(); }
    const std::string& Path() const { return m_path; }

    // Pushes the file to the disk, closes it and moves it onto `name` in its folder (replacing an
    // existing file only when `replace` is true). Anything but Moved removes the temporary file
    // and leaves errno telling why.
    platform::MoveResult Commit(std::string_view name, bool replace);

private:
    // Removes the temporary file, keeping errno.
    void Discard();

    Folder m_folder;
    std::string m_path;
    UniqueFile m_file;
};
