#include "support/platform/FileSystem.h"

#include <cerrno>
#include <cstdlib>
#include <dirent.h>
#include <fcntl.h>
#include <memory>
#include <sys/stat.h>
#include <unistd.h>

namespace platform {

const char kPathSeparator = '/';
const bool kNamesReachDevicesAndStreams = false;

namespace {

struct DirCloser
{
    void operator()(DIR* dir) const { closedir(dir); }
};

bool IsRegularEntry(DIR* dir, const dirent* entry)
{
    if (entry->d_type == DT_REG)
        return true;
    if (entry->d_type != DT_UNKNOWN && entry->d_type != DT_LNK)
        return false;
    // Symbolic links count by what they point to; some file systems give no type at all.
    struct stat info {};
    return fstatat(dirfd(dir), entry->d_name, &info, 0) == 0 && S_ISREG(info.st_mode);
}

} // namespace

bool IsPathSeparator(char c)
{
    return c == '/';
}

bool AbsolutePath(const std::string& path, std::string& absolute)
{
    if (!path.empty() && path.front() == '/') {
        absolute = path;
        return true;
    }
    std::unique_ptr<char, decltype(&std::free)> cwd(getcwd(nullptr, 0), &std::free);
    if (!cwd)
        return false;
    absolute = cwd.get();
    if (absolute.back() != '/')
        absolute += '/';
    absolute += path;
    return true;
}

bool ListRegularFiles(const std::string& folder, std::vector<std::string>& names)
{
    names.clear();
    std::unique_ptr<DIR, DirCloser> dir(opendir(folder.c_str()));
    if (!dir)
        return false;
    while (const dirent* entry = readdir(dir.get())) {
        if (IsRegularEntry(dir.get(), entry))
            names.emplace_back(entry->d_name);
    }
    return true;
}

bool IsFolder(const std::string& path)
{
    struct stat info {};
    return stat(path.c_str(), &info) == 0 && S_ISDIR(info.st_mode);
}

bool Exists(const std::string& path)
{
    struct stat info {};
    return lstat(path.c_str(), &info) == 0;
}

bool CreateFolder(const std::string& path)
{
    return mkdir(path.c_str(), 0777) == 0 || (errno == EEXIST && IsFolder(path));
}

bool RemoveFile(const std::string& path)
{
    return unlink(path.c_str()) == 0;
}

std::FILE* CreateNewFile(const std::string& path, FileMode mode)
{
    const bool binary = mode == FileMode::Binary;
    const int fd = open(path.c_str(), (binary ? O_RDWR : O_WRONLY) | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (fd < 0)
        return nullptr;
    std::FILE* file = fdopen(fd, binary ? "w+b" : "w");
    if (!file) {
        close(fd);
        unlink(path.c_str());
    }
    return file;
}

bool FlushToDisk(std::FILE* file)
{
    return std::fflush(file) == 0 && fsync(fileno(file)) == 0 && !std::ferror(file);
}

MoveResult MoveInto(const std::string& from, const std::string& to, bool replace)
{
    if (replace)
        return rename(from.c_str(), to.c_str()) == 0 ? MoveResult::Moved : MoveResult::Failed;
    // A hard link is never created over an existing name, so exactly one creator wins.
    if (link(from.c_str(), to.c_str()) != 0)
        return errno == EEXIST ? MoveResult::TargetExists : MoveResult::Failed;
    unlink(from.c_str());
    return MoveResult::Moved;
}

} // namespace platform
