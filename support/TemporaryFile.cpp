#include "support/TemporaryFile.h"

#include <cerrno>
#include <cstdint>
#include <random>

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

// Closes the stream; 0 when everything written reached the disk, else the errno of the first
// step that failed.
int CloseOnDisk(UniqueFile file)
{
    const int error = platform::FlushToDisk(file.get()) ? 0 : errno;
    const bool closed = std::fclose(file.release()) == 0;
    return error != 0 ? error : (closed ? 0 : errno);
}

} // namespace

TemporaryFile::TemporaryFile(const Folder& folder, platform::FileMode mode)
    : m_folder(folder)
{
    for (int attempt = 0; attempt < kNameAttempts; ++attempt) {
        m_path = folder.FilePath(TemporaryName());
        m_file.reset(platform::CreateNewFile(m_path, mode));
        if (m_file)
            return;
        const int error = errno;
        const bool taken = platform::Exists(m_path);
        errno = error;
        if (!taken)
            break;
    }
    m_path.clear();
}

TemporaryFile::~TemporaryFile()
{
    Discard();
}

platform::MoveResult TemporaryFile::Commit(std::string_view name, bool replace)
{
    if (!m_file) {
        errno = EBADF;
        return platform::MoveResult::Failed;
    }
    if (const int error = CloseOnDisk(std::move(m_file))) {
        errno = error;
        Discard();
        return platform::MoveResult::Failed;
    }
    const auto moved = platform::MoveInto(m_path, m_folder.FilePath(name), replace);
    if (moved == platform::MoveResult::Moved)
        m_path.clear();
    else
        Discard();
    return moved;
}

void TemporaryFile::Discard()
{
    if (m_path.empty())
        return;
    const int error = errno;
    m_file.reset();
    platform::RemoveFile(m_path);
    m_path.clear();
    errno = error;
}
