#include "core/prefault.h"

#include <cstdint>
#include <sys/mman.h>
#include <unistd.h>

#ifndef MADV_POPULATE_WRITE
#define MADV_POPULATE_WRITE 23 // Linux 5.14; an older kernel refuses it and nothing changes
#endif

void prefaultForWriting(void* begin, size_t bytes) {
    if (bytes == 0) return;
    const auto page = static_cast<uintptr_t>(sysconf(_SC_PAGESIZE));
    const auto from = reinterpret_cast<uintptr_t>(begin) & ~(page - 1);
    const auto to = reinterpret_cast<uintptr_t>(begin) + bytes;
    // The page under `begin` may hold the end of another block of the same heap: backing
    // it writes nothing and changes nothing.
    madvise(reinterpret_cast<void*>(from), to - from, MADV_POPULATE_WRITE);
}
