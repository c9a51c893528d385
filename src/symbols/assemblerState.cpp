#include "symbols/assemblerState.h"

#include <cstdarg>

AssemblerState::AssemblerState(RunContext& run) : run(run) {}

AssemblerState::~AssemblerState() = default;

void logTrace(const AssemblerState* state, const char* format, ...) {
    if (!tracing(state)) return;
    va_list args;
    va_start(args, format);
    std::vfprintf(state->run.logFile, format, args);
    va_end(args);
}
