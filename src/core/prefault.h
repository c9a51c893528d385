// Touching fresh memory one page at a time costs one trip into the kernel per page, and
// on a virtual machine that trip costs more than filling the page. Buffers that grow
// through most of their room can ask for their pages in batches instead.
#pragma once

#include <cstddef>
#include <vector>

// Asks the system to back [begin, begin + bytes) with writable pages now, in one call.
// The contents are not changed. Best effort: a system that cannot do it leaves the
// pages to be filled on first touch, as usual.
void prefaultForWriting(void* begin, size_t bytes);

// A batch of fewer pages than this costs more in the call than it spares in faults.
constexpr size_t kMinPrefaultBatch = size_t{16} << 10;

// The same for a buffer about to be filled through: only when it is large enough to
// be worth a call.
inline void prefaultIfLarge(void* begin, size_t bytes) {
    if (bytes >= kMinPrefaultBatch) prefaultForWriting(begin, bytes);
}

// How far ahead a growing buffer asks for its pages: large enough to turn sixteen
// trips into one, small enough that the room it touches and then leaves unused stays
// small.
constexpr size_t kPrefaultStep = size_t{64} << 10;

// For a buffer that is filled from its start: `filled` bytes of `capacity` are about to
// be written and `*ready` bytes already have their pages. Backs the next step (at most
// up to `capacity`) when `filled` has reached `*ready`.
inline void prefaultAhead(char* buffer, size_t filled, size_t capacity, size_t* ready,
                          size_t step = kPrefaultStep) {
    if (filled < *ready) return;
    size_t end = filled + step;
    if (end > capacity) end = capacity;
    if (end > *ready) prefaultForWriting(buffer + *ready, end - *ready);
    *ready = end;
}

// Where a vector filled from its start has had its pages asked for: the vector's
// storage when it was last looked at, and how many of its bytes have their pages.
struct PrefaultCursor {
    const void* storage = nullptr;
    size_t ready = 0;
};

// The first step of a vector, whose room is a guess: the steps grow with what the
// vector holds, up to kPrefaultStep, so that a small program touches little room it
// leaves unused.
constexpr size_t kFirstVectorStep = size_t{16} << 10;

// Call before appending one element to `v`, whose room was reserved ahead: asks for the
// pages of the next step whenever the vector's end reaches the ones asked for. A vector
// that moved to new storage has its elements' pages already.
template <typename T> inline void prefaultVectorAhead(std::vector<T>& v, PrefaultCursor& cursor) {
    const size_t filled = (v.size() + 1) * sizeof(T);
    if (v.data() == cursor.storage && filled <= cursor.ready) return; // the usual case
    if (v.data() != cursor.storage) {
        cursor.storage = v.data();
        cursor.ready = v.size() * sizeof(T);
    }
    if (filled > v.capacity() * sizeof(T)) return; // the append moves the vector
    const size_t step = filled < kFirstVectorStep ? kFirstVectorStep
                        : filled < kPrefaultStep  ? filled
                                                  : kPrefaultStep;
    prefaultAhead(reinterpret_cast<char*>(v.data()), filled, v.capacity() * sizeof(T), &cursor.ready, step);
}

// Room for `count` elements in `v`, whose pages are asked for at once: for a buffer that
// is about to be filled through most of that room.
template <typename T> inline void reserveBacked(std::vector<T>& v, size_t count) {
    v.reserve(count);
    prefaultForWriting(v.data(), v.capacity() * sizeof(T));
}
