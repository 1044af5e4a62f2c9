#pragma once

#include <cstdio>
#include <memory>

// Owns a C stream and closes it when it goes out of scope.
struct FileCloser
{
    void operator()(std::FILE* file) const { std::fclose(file); }
};
using UniqueFile = std::unique_ptr<std::FILE, FileCloser>;
