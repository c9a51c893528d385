// The assembly driver: options, start-up, pre-scan, the two passes, the object file and
// the listing.
#pragma once

#include <cstdio>

// The whole program. Returns the exit status (-1 for memory exhaustion). What it prints
// goes to `out` (standard output when null). Every call is a run of its own: one process
// may assemble many sources, in turn or at once on several threads.
int zorlanMain(int argc, const char* const* argv, FILE* out = nullptr);
