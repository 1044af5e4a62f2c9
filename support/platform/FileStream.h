#pragma once

#include <cstdio>
#include <memory>
#include <string>

// Opening files named by UTF-8 paths in the Windows form: "\" separates folders on every
// platform. POSIX builds map each "\" to "/" before handing the path to the system, so the
// localisation search ("D\N") works unchanged there.
namespace platform {

// The path in the form the system's own calls take.
std::string NativePath(const char* path);
// fopen with a UTF-8 path; null when the file cannot be opened. The caller closes the stream.
std::FILE* OpenFileStream(const char* path, const char* mode);

struct FileStreamCloser {
    void operator()(std::FILE* file) const { std::fclose(file); }
};
// Owns an open stream and closes it.
using FileStreamPtr = std::unique_ptr<std::FILE, FileStreamCloser>;

} // namespace platform
