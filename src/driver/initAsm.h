// Start-up: the assembler state of a run, created with its start values and filled by
// the start-up sequence.
#pragma once

#include "symbols/assemblerState.h"

#include <memory>

// Creates the state with its start values and runs the start-up sequence (keyword
// table, predefined sections, keywords, include stack, flag names, symbol tables).
// Returns 0, or -1 at the first step that fails.
int initAssemblerState(RunContext& run, std::unique_ptr<AssemblerState>& state);
void releaseAssemblerState(std::unique_ptr<AssemblerState>& state);
