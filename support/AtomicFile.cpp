#include "support/AtomicFile.h"

#include "support/UniqueFile.h"
#include "support/platform/FileSystem.h"

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

// A new, empty file in `folder` that nobody else has opened, its path in `path`; null when
// none can be created.
UniqueFile CreateTemporary(const Folder& folder, std::string& path)
{
    for (int attempt = 0; attempt < kNameAttempts; ++attempt) {
        path = folder.FilePath(TemporaryName());
        if (UniqueFile file {platform::CreateNewFile(path)})
            return file;
        if (!platform::Exists(path))
            break;
    }
    path.clear();
    return nullptr;
}

bool WriteAll(UniqueFile file, std::string_view text)
{
    const bool written = std::fwrite(text.data(), 1, text.size(), file.get()) == text.size()
        && platform::FlushToDisk(file.get());
    return std::fclose(file.release()) == 0 && written;
}

} // namespace

AtomicFile::Result AtomicFile::Write(const Folder& folder, std::string_view name,
                                     std::string_view text, bool replace)
{
    std::string temporary;
    UniqueFile file = CreateTemporary(folder, temporary);
    if (!file)
        return Result::Failed;
    if (!WriteAll(std::move(file), text)) {
        platform::RemoveFile(temporary);
        return Result::Failed;
    }
    const auto moved = platform::MoveInto(temporary, folder.FilePath(name), replace);
    if (moved == platform::MoveResult::Moved)
        return Result::Written;
    platform::RemoveFile(temporary);
    return moved == platform::MoveResult::TargetExists ? Result::TargetExists : Result::Failed;
}
