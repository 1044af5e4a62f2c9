#include "support/AtomicFile.h"

#include "support/UniqueFile.h"
#include "support/platform/FileSystem.h"

#include <cerrno>
#include <cstdint>
#include <random>
#include <utility>

namespace {

constexpr int kNameAttempts = 8;

std::string TemporaryName()
{
    static constexpr char kDigits[] = "0123456789abcdef";
    std::random_device random;
    const uint64_t value = (uint64_t {random()} << 32) | random();
    std::string name = ".~";
    for (int shift = 60; shift >= 0; shift -= 4)
        name += kDigits[(value >> shift) & 0xF];
    return name + ".tmp";
}

// Removes the temporary file of a failed write, keeping the errno of the step that failed.
void Discard(const std::string& temporary, int error)
{
    platform::RemoveFile(temporary);
    errno = error;
}

// A new, empty file in `folder` that nobody else has opened, its path in `path`; null, with
// errno telling why, when none can be created.
UniqueFile CreateTemporary(const Folder& folder, std::string& path)
{
    for (int attempt = 0; attempt < kNameAttempts; ++attempt) {
        path = folder.FilePath(TemporaryName());
        if (UniqueFile file {platform::CreateNewFile(path)})
            return file;
        const int error = errno;
        if (!platform::Exists(path)) {
            errno = error;
            break;
        }
    }
    path.clear();
    return nullptr;
}

// 0 when the whole text reached the disk, else the errno of the first step that failed.
int WriteAll(UniqueFile file, std::string_view text)
{
    const bool written = std::fwrite(text.data(), 1, text.size(), file.get()) == text.size()
        && platform::FlushToDisk(file.get());
    const int error = written ? 0 : errno;
    const bool closed = std::fclose(file.release()) == 0;
    return error != 0 ? error : (closed ? 0 : errno);
}

} // namespace

AtomicFile::Result AtomicFile::Write(const Folder& folder, std::string_view name,
                                     std::string_view text, bool replace)
{
    std::string temporary;
    UniqueFile file = CreateTemporary(folder, temporary);
    if (!file)
        return Result::Failed;
    if (const int error = WriteAll(std::move(file), text)) {
        Discard(temporary, error);
        return Result::Failed;
    }
    const auto moved = platform::MoveInto(temporary, folder.FilePath(name), replace);
    if (moved == platform::MoveResult::Moved)
        return Result::Written;
    Discard(temporary, errno);
    return moved == platform::MoveResult::TargetExists ? Result::TargetExists : Result::Failed;
}
