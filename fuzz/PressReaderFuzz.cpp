// Feeds arbitrary bytes to the ".press" reader. Besides crashes it checks that a record that
// was read survives a rewrite: written out, it reads back complete (Version 3) and with the
// same values.
#include "settings/PressFileReader.h"
#include "settings/PressFileWriter.h"
#include "settings/PressSettings.h"

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <string>

namespace {

// The bytes as the reader's source; they outlive every read below.
CLocaleScanner::Source SourceOf(const void* data, size_t size)
{
    return [bytes = static_cast<const char*>(data), left = size](char* buffer, size_t wanted) mutable {
        const size_t count = std::min(wanted, left);
        std::memcpy(buffer, bytes, count);
        bytes += count;
        left -= count;
        return count;
    };
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const auto record = PressFileReader::Read(SourceOf(data, size), "Fuzz");
    if (!record)
        return 0;
    const std::string text = PressFileWriter::Format(*record);
    const auto reread = PressFileReader::Read(SourceOf(text.data(), text.size()), "Fuzz");
    if (!reread || reread->Version != PressSettings::kCurrentVersion)
        __builtin_trap();
    record->Version = reread->Version;
    if (PressFileWriter::Format(*reread) != PressFileWriter::Format(*record))
        __builtin_trap();
    return 0;
}
