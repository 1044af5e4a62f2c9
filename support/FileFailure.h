#pragma once

// Why a file call failed, in the terms a person can act on.
enum class FileFailure
{
    Missing,   // the file or its folder is not there (also: a path part is no folder)
    ReadOnly,  // the file system, the folder or the file refuses changes
    Full,      // no room left on the disk or in the user's quota
    Other,
};

// The failure an errno value stands for. The platform layer reports every failed file call
// through errno, on Windows too.
FileFailure FileFailureOf(int error);
