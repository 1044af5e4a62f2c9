#pragma once

#include "settings/PressSettings.h"

#include <cstddef>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

// The store of ".press" files in the one process-wide settings folder. Every call goes to the
// file system; nothing is cached. Names are UTF-8 and compared byte by byte. Every name the
// listing gives can be loaded, saved, copied and removed; refused before any file is touched
// are only names that would reach outside the folder or could never be listed (a path
// separator, a leading ".", a control character, a device or stream name where the system has
// them), names over 255 bytes and full paths over 511 bytes. Failures of NameAt, Save and
// Remove raise PressError, which tells a folder that vanished, turned read-only or is full
// from everything else. Only regular files are read, checked on the opened file, and opening
// never waits (a FIFO or a device given a settings name is left alone). Saving replaces a
// symbolic link itself, never the file it names. Host UI thread only.
namespace PressStore {

// Resolves `path` (1-511 bytes) and makes it the current folder, ending in a separator;
// false, with the folder unchanged, when it is empty, too long or cannot be resolved.
bool SetFolder(std::string_view path);
// Makes "<shared documents>/Hueline/dot_gain_curves" with its missing parents and sets it as
// the current folder; false when the shared documents folder cannot be obtained.
bool InitFolder();

// Number of settings in the folder; 0 when no folder is set or it cannot be read.
int Count();
// Copies the index-th setting's name into `buffer` of `size` bytes; raises when `index` is
// out of range or the name does not fit.
void NameAt(int index, char* buffer, size_t size);
// Every setting's name in listing order from one enumeration, for callers that fill a list.
std::vector<std::string> Names();
// The current folder's path, ending in a separator; empty before a folder is set.
const std::string& FolderPath();
// Whether the current folder is there, to tell an empty folder from one that vanished.
bool FolderExists();

// A new record read from name.press; null when the file cannot be opened or does not parse.
std::unique_ptr<PressSettings> Load(std::string_view name);
// The names of the settings that Load would give a record for, in listing order: the folder is
// listed once and each file read once, through one open handle of the folder.
std::vector<std::string> LoadableNames();
// Writes `record` to name.press and then sets its Name. Raises, changing nothing, for a
// refused name, an existing entry of that name when `overwrite` is false, or a file that
// cannot be written.
// The old file stays intact until the new one is complete.
void Save(PressSettings& record, std::string_view name, bool overwrite);
// Deletes name.press; a file that is gone already is not reported. Raises for the default
// name, for refused names, and when the folder is gone or refuses changes.
void Remove(std::string_view name);

std::string DefaultPressName();
// A name no setting uses yet ("Untitled", "Untitled 1" ... "Untitled 9"), in a static 512-byte
// buffer that the next call overwrites.
const char* UniqueUntitledName();

} // namespace PressStore
