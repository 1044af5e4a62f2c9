#pragma once

#include "support/BinaryResourceFile.h"
#include "support/ResourceDatabase.h"
#include "tests/support/DatabaseDump.h"

#include <cstdlib>
#include <string>

// Shared by the fuzz targets: a database written as a binary file must read back equal.
namespace fuzz {

inline void CheckRoundTrip(const ResourceDatabase* db)
{
    std::string image;
    if (!BinaryResourceFile::Write(db, image))
        std::abort();
    ResourceDatabasePtr back(ResourceDatabase::Create());
    if (!BinaryResourceFile::Read(back.get(), reinterpret_cast<const unsigned char*>(image.data()),
                                  image.size())
        || DumpDatabase(back.get()) != DumpDatabase(db))
        std::abort();
}

} // namespace fuzz
