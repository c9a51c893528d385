// .debug_abbrev and .debug_info: DWARF 2 entries built from the debug descriptions.
#pragma once

struct AssemblerState;

struct DebugInfoBuilder {
    // Working data of one debug-information build.
};

// Builds .debug_abbrev, .debug_info and the debug relocations; negative on failure.
int buildDebugInfo(AssemblerState* state);
