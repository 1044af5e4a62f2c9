#pragma once

#include <cstddef>
#include <optional>

#if defined(__SANITIZE_ADDRESS__)
// The sanitizer allocator's interface; GCC installs no header for it.
extern "C" std::size_t __sanitizer_get_current_allocated_bytes();
#elif !defined(_WIN32)
#include <malloc.h>
#endif

// Bytes of heap in use: the sanitizer allocator's count under ASan, glibc's (arenas and mapped
// blocks) otherwise; nothing on Windows, whose C runtime has no such count.
inline std::optional<std::size_t> HeapInUse()
{
#if defined(__SANITIZE_ADDRESS__)
    return __sanitizer_get_current_allocated_bytes();
#elif !defined(_WIN32)
    const struct mallinfo2 heap = mallinfo2();
    return heap.uordblks + heap.hblkhd;  // large blocks are mapped apart
#else
    return std::nullopt;
#endif
}
