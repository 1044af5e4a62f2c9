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
// Remove raise PressError. Host UI thread only.
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

// A new record read from name.press; null when the file cannot be opened or does not parse.
std::unique_ptr<PressSettings> Load(std::string_view name);
// Writes `record` to name.press and then sets its Name. Raises, changing nothing, for a
// refused name, an existing file when `overwrite` is false, or a file that cannot be written.
// The old file stays intact until the new one is complete.
void Save(PressSettings& record, std::string_view name, bool overwrite);
// Deletes name.press without reporting whether that worked; raises for the default name and
// for refused names.
void Remove(std::string_view name);

std::string DefaultPressName();
// A name no setting uses yet ("Untitled", "Untitled 1" ... "Untitled 9"), in a static 512-byte
// buffer that the next call overwrites.
const char* UniqueUntitledName();

} // namespace PressStore
