#include "support/FileFailure.h"

#include <cerrno>

FileFailure FileFailureOf(int error)
{
    switch (error) {
    case ENOENT:
    case ENOTDIR:
        return FileFailure::Missing;
    case EROFS:
    case EACCES:
    case EPERM:
        return FileFailure::ReadOnly;
    case ENOSPC:
    case EFBIG:
#ifdef EDQUOT
    case EDQUOT:
#endif
        return FileFailure::Full;
    default:
        return FileFailure::Other;
    }
}
