// .debug_abbrev and .debug_info: DWARF 2 entries built from the debug descriptions.
#pragma once

struct AssemblerState;

struct DebugInfoBuilder {
    // Working data of one debug-information build.
};

// Builds .debug_abbrev, .debug_info and the debug relocations; negative on failure.
int buildDebugInfo(AssemblerState* state);

// Builds .debug_line and .debug_raw_line from the .LINE records; 0, or -1.
int buildLineProgram(AssemblerState* state);

// Writes the recorded debug descriptions to the trace log.
void dumpDebugDescriptions(const AssemblerState* state);
