// Feeds arbitrary bytes to the ".press" reader. Besides crashes it checks that a record that
// was read survives a rewrite: written out, it reads back complete (Version 3) and with the
// same values.
#include "settings/PressFileReader.h"
#include "settings/PressFileWriter.h"
#include "settings/PressSettings.h"
#include "support/UniqueFile.h"

#include <cstdint>
#include <cstdio>
#include <string>

namespace {

UniqueFile StreamOf(const void* data, size_t size)
{
    return UniqueFile(fmemopen(const_cast<void*>(data), size, "r"));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    UniqueFile input = StreamOf(data, size);
    if (!input)
        return 0;
    const auto record = PressFileReader::Read(input.get(), "Fuzz");
    if (!record)
        return 0;
    const std::string text = PressFileWriter::Format(*record);
    UniqueFile again = StreamOf(text.data(), text.size());
    const auto reread = PressFileReader::Read(again.get(), "Fuzz");
    if (!reread || reread->Version != PressSettings::kCurrentVersion)
        __builtin_trap();
    record->Version = reread->Version;
    if (PressFileWriter::Format(*reread) != PressFileWriter::Format(*record))
        __builtin_trap();
    return 0;
}
