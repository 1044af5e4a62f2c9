#pragma once

#ifndef _WIN32

#include <sched.h>
#include <sys/mount.h>

#include <cstddef>
#include <string>

// A small tmpfs mounted over an existing folder, for this process only (a private mount
// namespace, so nothing outlives the test), to meet a real full or read-only file system.
// Mounting needs the right to (root here): IsMounted() tells whether it worked.
class ScratchFileSystem
{
public:
    ScratchFileSystem(const std::string& folder, size_t bytes)
        : m_folder(folder), m_options("size=" + std::to_string(bytes))
    {
        static const bool s_private =
            unshare(CLONE_NEWNS) == 0 && mount("none", "/", nullptr, MS_REC | MS_PRIVATE, nullptr) == 0;
        m_mounted = s_private && mount("hueline-test", m_folder.c_str(), "tmpfs", 0, m_options.c_str()) == 0;
    }
    ~ScratchFileSystem()
    {
        if (m_mounted)
            umount2(m_folder.c_str(), MNT_DETACH);
    }
    ScratchFileSystem(const ScratchFileSystem&) = delete;
    ScratchFileSystem& operator=(const ScratchFileSystem&) = delete;

    bool IsMounted() const { return m_mounted; }
    bool SetReadOnly(bool readOnly)
    {
        const unsigned long flags = MS_REMOUNT | (readOnly ? MS_RDONLY : 0);
        return mount("hueline-test", m_folder.c_str(), nullptr, flags, m_options.c_str()) == 0;
    }

private:
    std::string m_folder;
    std::string m_options;
    bool m_mounted = false;
};

// Skips the test when this process may not mount.
#define HL_SKIP_UNLESS_MOUNTED(fileSystem) \
    if (!(fileSystem).IsMounted()) \
        GTEST_SKIP() << "mounting a scratch file system needs the right to mount (root)"

#endif
