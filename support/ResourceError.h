#pragma once

// The outcome of the last resource database operation, kept process-wide: every operation sets
// it (None on success) so that a caller can ask why a null or false result happened.
enum class ResourceError : int {
    None = 0,
    OutOfMemory = 1,
    InvalidDatabase = 2, // the handle does not carry the database tag
    FileAccess = 4,      // cannot open, read or write; or a syntax error in a text file
    BadBinaryFile = 5,   // wrong magic or truncated
    UnsupportedVersion = 6,
};

ResourceError LastResourceError();
void SetResourceError(ResourceError error);
