// libFuzzer target: the ".asc" resource text parser, followed by a binary round trip of what it
// read.
#include "FuzzRoundTrip.h"

#include "support/ResourceFileParser.h"

#include <cstddef>
#include <cstdint>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    ResourceDatabasePtr db(ResourceDatabase::Create());
    const std::vector<char> text(data, data + size); // exactly sized: overreads are caught
    ResourceFileParser::ParseText(db.get(), text.data(), text.size(), "fuzz.asc");
    ResourceDatabase::Lookup(db.get(), "Defaults.a\\.b.*");
    fuzz::CheckRoundTrip(db.get());
    return 0;
}
