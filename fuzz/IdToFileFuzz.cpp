// Fuzzes the "IDToFile" table parser with arbitrary resource text.
#include "toolkit/internal/RVADM_IdToFileTable.h"

#include <climits>
#include <cstddef>
#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size > static_cast<std::size_t>(INT_MAX))
        return 0;
    const QByteArray text(reinterpret_cast<const char*>(data), static_cast<int>(size));
    const qRVADM::internal::RVADM_IdToFileTable table(text);
    // Every line maps at most two ids, each to a name of at most 128 + 6 characters.
    if (table.Size() > 2 * (static_cast<std::size_t>(text.count('\n') + text.count('\r')) + 1))
        std::abort();
    for (const std::int32_t id : {0, 16204, 17209, 21209, INT_MAX, INT_MIN})
    {
        if (table.NameFor(id).size() > 134)
            std::abort();
    }
    return 0;
}
