// libFuzzer target: the binary resource database reader; whatever it accepts must write and read
// back equal.
#include "FuzzRoundTrip.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    ResourceDatabasePtr db(ResourceDatabase::Create());
    if (BinaryResourceFile::Read(db.get(), data, size))
        fuzz::CheckRoundTrip(db.get());
    return 0;
}
