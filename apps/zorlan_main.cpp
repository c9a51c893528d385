#include "driver/Zorlan.h"

#include <malloc.h>

int main(int argc, char** argv) {
    // One short run per process: large buffers (the source, the statement recording,
    // the relocation table) come from the heap rather than from their own mappings, and
    // freed memory stays in the heap, so the source's pages serve pass two's tables
    // instead of new pages being faulted in.
    mallopt(M_MMAP_THRESHOLD, 64 << 20);
    mallopt(M_TRIM_THRESHOLD, 256 << 20);
    return zorlanMain(argc, argv) & 0xFF;
}
