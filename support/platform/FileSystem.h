#pragma once

#include <cstdio>
#include <string>
#include <vector>

// The operating system's file calls. Every path is UTF-8; the Windows implementation converts
// to wide names and calls the wide APIs. One implementation per OS (posix/, win32/).
// Calls report failure by return value, with errno telling why (the Windows implementation
// translates the system's error), and never throw.
namespace platform {

// The preferred separator; both '/' and '\\' separate on Windows.
extern const char kPathSeparator;
bool IsPathSeparator(char c);
// True where the system gives some names in every folder another meaning: on Windows a device
// name (CON, NUL, COM1, ...) opens the device and "a:b" a stream of the file a.
extern const bool kNamesReachDevicesAndStreams;

// `path` made absolute against the current folder; false when it cannot be converted.
bool AbsolutePath(const std::string& path, std::string& absolute);

// Names (no folder) of the regular files of `folder`, in the order the system gives them;
// directories, devices and the like are left out. False when the folder cannot be read.
bool ListRegularFiles(const std::string& folder, std::vector<std::string>& names);

bool IsFolder(const std::string& path);
// Whether anything has that name; a symbolic link counts itself, also one that names nothing.
bool Exists(const std::string& path);

// Creates one folder; true also when it already exists as a folder.
bool CreateFolder(const std::string& path);

bool RemoveFile(const std::string& path);

enum class FileMode { Text, Binary };

// Creates `path`, failing when anything of that name exists, so that of several creators exactly
// one succeeds. A text file is opened for writing; a binary one for writing and reading back, as
// image libraries that seek over what they wrote need.
std::FILE* CreateNewFile(const std::string& path, FileMode mode = FileMode::Text);

// Pushes the stream's buffered and cached data to the disk; false on any write error.
bool FlushToDisk(std::FILE* file);

enum class MoveResult { Moved, TargetExists, Failed };

// Moves `from` onto `to` in one step, replacing `to` when `replace` is true; otherwise the
// move fails with TargetExists when `to` exists, atomically with respect to other creators.
MoveResult MoveInto(const std::string& from, const std::string& to, bool replace);

} // namespace platform
