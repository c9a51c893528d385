// Touching fresh memory one page at a time costs one trip into the kernel per page, and
// on a virtual machine that trip costs more than filling the page. Buffers that grow
// through most of their room can ask for their pages in batches instead.
#pragma once

#include <cstddef>

// Asks the system to back [begin, begin + bytes) with writable pages now, in one call.
// The contents are not changed. Best effort: a system that cannot do it leaves the
// pages to be filled on first touch, as usual.
void prefaultForWriting(void* begin, size_t bytes);

// How far ahead a growing buffer asks for its pages: large enough to turn sixteen
// trips into one, small enough that the room it touches and then leaves unused stays
// small.
constexpr size_t kPrefaultStep = size_t{64} << 10;

// For a buffer that is filled from its start: `filled` bytes of `capacity` are about to
// be written and `*ready` bytes already have their pages. Backs the next step (at most
// up to `capacity`) when `filled` has reached `*ready`.
inline void prefaultAhead(char* buffer, size_t filled, size_t capacity, size_t* ready) {
    if (filled < *ready) return;
    size_t end = filled + kPrefaultStep;
    if (end > capacity) end = capacity;
    if (end > *ready) prefaultForWriting(buffer + *ready, end - *ready);
    *ready = end;
}
