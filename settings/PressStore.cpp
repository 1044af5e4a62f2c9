#include "settings/PressStore.h"

#include "settings/PressError.h"
#include "settings/PressFileReader.h"
#include "settings/PressFileWriter.h"
#include "settings/PressListing.h"
#include "settings/PressPath.h"
#include "support/AtomicFile.h"
#include "support/FileFailure.h"
#include "support/FileName.h"
#include "support/Localization.h"
#include "support/platform/FileSystem.h"
#include "support/platform/InputFile.h"
#include "support/platform/InputFolder.h"
#include "support/platform/SharedFolders.h"

#include <algorithm>
#include <cerrno>
#include <cstring>

namespace {

constexpr std::string_view kSettingsFolders[] = {"Hueline", "dot_gain_curves"};
constexpr int kLastUntitledSuffix = 9;
// Room the untitled base text leaves for a blank, one digit and the terminator.
constexpr size_t kUntitledBaseLimit = PressPath::kBufferSize - 3;

// The current folder; its path is empty until a folder is set.
Folder g_folder;
char g_untitledName[PressPath::kBufferSize];

PressPath CheckedPath(std::string_view name)
{
    PressPath path(g_folder, name);
    if (!path.IsValid())
        throw PressError();
    return path;
}

// What the errno of a failed file call tells the person about the folder.
PressProblem ProblemOfLastFailure()
{
    switch (FileFailureOf(errno)) {
    case FileFailure::Missing:
        return PressProblem::FolderMissing;
    case FileFailure::ReadOnly:
        return PressProblem::FolderReadOnly;
    case FileFailure::Full:
        return PressProblem::FolderFull;
    case FileFailure::Other:
        break;
    }
    return PressProblem::Refused;
}

std::unique_ptr<PressSettings> Read(platform::InputFile& file, std::string_view name)
{
    if (!file.IsOpen())
        return nullptr;
    return PressFileReader::Read([&file](char* buffer, size_t size) { return file.Read(buffer, size); }, name);
}

// Anything of that name counts, also a FIFO or a link that names nothing: a new file could
// not be moved there either.
bool IsTaken(std::string_view name)
{
    const PressPath path(g_folder, name);
    return path.IsValid() && platform::Exists(path.FullPath());
}

// The longest prefix of `text` of at most `limit` bytes that does not split a UTF-8 sequence.
std::string_view Utf8Prefix(std::string_view text, size_t limit)
{
    if (text.size() <= limit)
        return text;
    size_t end = limit;
    while (end > 0 && (static_cast<unsigned char>(text[end]) & 0xC0) == 0x80)
        --end;
    return text.substr(0, end);
}

} // namespace

namespace PressStore {

bool SetFolder(std::string_view path)
{
    if (path.empty() || path.size() >= PressPath::kBufferSize)
        return false;
    Folder folder;
    if (!Folder::Resolve(std::string(path), folder) || folder.Path().size() >= PressPath::kBufferSize)
        return false;
    g_folder = folder;
    return true;
}

bool InitFolder()
{
    std::string path;
    if (!platform::SharedDocumentsFolder(path))
        return false;
    for (const auto part : kSettingsFolders)
        path = FileName::Join(path, part);
    Folder folder;
    if (Folder::Resolve(path, folder))
        folder.CreateWithParents();
    return SetFolder(path);
}

int Count()
{
    return static_cast<int>(Names().size());
}

void NameAt(int index, char* buffer, size_t size)
{
    const std::vector<std::string> names = Names();
    if (index < 0 || static_cast<size_t>(index) >= names.size() || !buffer
        || names[index].size() >= size)
        throw PressError();
    std::memcpy(buffer, names[index].c_str(), names[index].size() + 1);
}

std::vector<std::string> Names()
{
    return PressListing::Names(g_folder);
}

const std::string& FolderPath()
{
    return g_folder.Path();
}

bool FolderExists()
{
    return !g_folder.Path().empty() && g_folder.Exists();
}

std::unique_ptr<PressSettings> Load(std::string_view name)
{
    const PressPath path(g_folder, name);
    if (!path.IsValid())
        return nullptr;
    platform::InputFile file(path.FullPath());
    return Read(file, name);
}

std::vector<std::string> LoadableNames()
{
    std::vector<std::string> names = Names();
    const platform::InputFolder folder(g_folder.Path());
    const auto fails = [&folder](const std::string& name) {
        const PressPath path(g_folder, name);
        if (!path.IsValid())
            return true;
        platform::InputFile file(folder, path.FileName());
        return Read(file, name) == nullptr;
    };
    names.erase(std::remove_if(names.begin(), names.end(), fails), names.end());
    return names;
}

void Save(PressSettings& record, std::string_view name, bool overwrite)
{
    const PressPath path = CheckedPath(name);
    if (!overwrite && IsTaken(name))
        throw PressError();
    const auto result =
        AtomicFile::Write(g_folder, path.FileName(), PressFileWriter::Format(record), overwrite);
    if (result == AtomicFile::Result::TargetExists)
        throw PressError();
    if (result != AtomicFile::Result::Written)
        throw PressError(ProblemOfLastFailure());
    record.Name = name;
}

// A file that is gone already is what the caller wanted; a folder that is gone or refuses
// changes is not.
void Remove(std::string_view name)
{
    if (name == DefaultPressName())
        throw PressError();
    if (platform::RemoveFile(CheckedPath(name).FullPath()))
        return;
    const PressProblem problem = ProblemOfLastFailure();
    if (problem == PressProblem::FolderReadOnly || (problem == PressProblem::FolderMissing && !FolderExists()))
        throw PressError(problem);
}

std::string DefaultPressName()
{
    return LocalizeKey("Default");
}

const char* UniqueUntitledName()
{
    const std::string base(Utf8Prefix(LocalizeKey("Untitled"), kUntitledBaseLimit));
    std::string candidate = base;
    for (int suffix = 1; suffix <= kLastUntitledSuffix && IsTaken(candidate); ++suffix)
        candidate = base + ' ' + static_cast<char>('0' + suffix);
    std::memcpy(g_untitledName, candidate.c_str(), candidate.size() + 1);
    return g_untitledName;
}

} // namespace PressStore
