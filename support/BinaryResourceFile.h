#pragma once

#include <cstddef>
#include <string>

class ResourceDatabase;

// The binary resource database file:
//   "RVRDB", version 1, 0, N (u32), N type names (u32 length + bytes),
//   then the entries: count (u32), and per entry its component count (u32), each component
//   (u8 1 for a wildcard binding else 0, u32 length, bytes), the type (u32, 1-based index into
//   the file's type names), the value length (u32) and the value bytes.
// Every number is big-endian. File type names map onto the process-wide type table (registered
// when an entry uses them).
class BinaryResourceFile {
public:
    static constexpr char kMagic[5] = {'R', 'V', 'R', 'D', 'B'};
    static constexpr unsigned char kVersion = 1;

    // Merges the entries of the file image into `db`, all or nothing. Errors: BadBinaryFile
    // (wrong magic, truncated, inconsistent), UnsupportedVersion, OutOfMemory.
    static bool Read(ResourceDatabase* db, const unsigned char* data, size_t size);
    // As Read, from a file; FileAccess when it cannot be read.
    static bool ReadFile(ResourceDatabase* db, const char* path);
    // The file image of `db`.
    static bool Write(const ResourceDatabase* db, std::string& image);
    // Writes the file image of `db` to `path`; FileAccess when that fails.
    static bool WriteFile(const ResourceDatabase* db, const char* path);
};
