#pragma once

// The plug-in property list every plug-in file carries, read by the host before any code of the
// file is loaded. Layout: a header, then `count` properties, each a fixed part followed by
// `length` bytes of data padded to a multiple of four. Four-character fields are stored as text
// in reading order; integers in the platform's byte order.
//
// On ELF platforms the list is the content of the section ".pipl"; on Windows it is the resource
// of type "PIPL", id 16000.

#include <cstdint>

namespace pipl {

constexpr const char* kSectionName = ".pipl";
constexpr int kResourceId = 16000;
constexpr std::int32_t kListVersion = 0;

struct Header
{
    std::int32_t version;  // kListVersion
    std::int32_t count;    // number of properties
};

struct PropertyHead
{
    char vendor[4];        // "ADBE"
    char key[4];           // "kind", "ivrs", "wx86"
    std::int32_t id;       // 0
    std::int32_t length;   // bytes of data that follow, before padding
};

constexpr std::int32_t kInterfaceVersion = 2;  // "ivrs"
constexpr char kIllustratorPluginKind[4] = {'S', 'P', 'E', 'A'};

constexpr std::int32_t PaddedLength(std::int32_t length)
{
    return (length + 3) & ~3;
}

}  // namespace pipl
