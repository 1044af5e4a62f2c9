// "AI Unicode String Suite", "AI File Path Suite" and "AI Folders Suite".

#include "plugin/suites/AIFilePathSuite.h"
#include "plugin/suites/AIFoldersSuite.h"
#include "plugin/suites/AIUnicodeStringSuite.h"
#include "sim/host/Host.h"
#include "sim/host/HostStrings.h"
#include "sim/host/HostSuites.h"
#include "support/Utf16Text.h"

#include <cstring>

namespace hostsim {
namespace {

// Copies text and its NUL into the caller's buffer when it fits; reports the size needed.
AIErr CopyOut(const std::string& text, char* buffer, std::size_t size, std::size_t* needed)
{
    if (needed)
        *needed = text.size() + 1;
    if (!buffer || size < text.size() + 1)
        return buffer ? FourCC("SMAL") : kNoErr;
    std::memcpy(buffer, text.c_str(), text.size() + 1);
    return kNoErr;
}

AIErr Initialize(AIUnicodeStringHandle* string, const char* text, std::size_t length, AICharacterEncoding)
{
    if (!string || (!text && length))
        return BadParameterError();
    // Platform text is UTF-8 on this platform, so both encodings read the same; malformed UTF-8
    // (overlong forms included) makes no string.
    std::u16string utf16;
    if (!Utf16Text::FromUtf8(std::string_view(text ? text : "", length), utf16))
        return BadParameterError();
    *string = new AIUnicodeStringOpaque{std::move(utf16)};
    return kNoErr;
}

AIErr InitializeUTF16(AIUnicodeStringHandle* string, const std::uint16_t* text, std::size_t length)
{
    if (!string || (!text && length))
        return BadParameterError();
    *string = new AIUnicodeStringOpaque{std::u16string(text, text + length)};
    return kNoErr;
}

AIErr Destroy(AIUnicodeStringHandle string)
{
    delete string;
    return kNoErr;
}

AIErr GetAs(AIUnicodeStringHandle string, AICharacterEncoding, char* buffer, std::size_t size, std::size_t* needed)
{
    return string ? CopyOut(Utf16Text::ToUtf8(string->text), buffer, size, needed) : BadParameterError();
}

AIErr Length(AIUnicodeStringHandle string, std::size_t* length)
{
    if (!string || !length)
        return BadParameterError();
    *length = string->text.size();
    return kNoErr;
}

AIErr Compare(AIUnicodeStringHandle a, AIUnicodeStringHandle b, ASInt32* order)
{
    if (!a || !b || !order)
        return BadParameterError();
    *order = a->text.compare(b->text);
    return kNoErr;
}

AIErr NewFilePath(AIFilePathHandle* path)
{
    if (!path)
        return BadParameterError();
    *path = new AIFilePathOpaque{};
    return kNoErr;
}

AIErr DeleteFilePath(AIFilePathHandle path)
{
    delete path;
    return kNoErr;
}

AIErr SetPath(AIFilePathHandle path, AIUnicodeStringHandle text)
{
    if (!path || !text)
        return BadParameterError();
    path->path = Utf16Text::ToUtf8(text->text);
    return kNoErr;
}

AIErr GetAsPlatformText(AIFilePathHandle path, char* buffer, std::size_t size, std::size_t* needed)
{
    return path ? CopyOut(path->path, buffer, size, needed) : BadParameterError();
}

AIErr GetAsUnicodeString(AIFilePathHandle path, AIUnicodeStringHandle* text)
{
    std::u16string utf16;
    if (!path || !text || !Utf16Text::FromUtf8(path->path, utf16))
        return BadParameterError();
    *text = new AIUnicodeStringOpaque{std::move(utf16)};
    return kNoErr;
}

AIErr Equal(AIFilePathHandle a, AIFilePathHandle b, AIBoolean* equal)
{
    if (!a || !b || !equal)
        return BadParameterError();
    *equal = a->path == b->path;
    return kNoErr;
}

AIErr FindFolder(ASInt32 kind, AIBoolean, AIFilePathHandle path)
{
    if (!path)
        return BadParameterError();
    const std::string* folder = Host::Current().Folder(kind);
    if (!folder)
        return FourCC("FLD?");
    path->path = *folder;
    return kNoErr;
}

const AIUnicodeStringSuite kUnicodeString = {Initialize, InitializeUTF16, Destroy, GetAs, Length, Compare};
const AIFilePathSuite kFilePath = {NewFilePath, DeleteFilePath, SetPath, GetAsPlatformText, GetAsUnicodeString, Equal};
const AIFoldersSuite kFolders = {FindFolder};

}  // namespace

void RegisterStringSuites(SuiteRegistry& suites)
{
    suites.Add(kUnicodeString);
    suites.Add(kFilePath);
    suites.Add(kFolders);
}

}  // namespace hostsim
