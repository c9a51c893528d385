#include "driver/initAsm.h"

#include "core/messages.h"
#include "debug/dbgInfo.h"
#include "debug/dbgUtil.h"
#include "isa/keywordTable.h"
#include "symbols/sectionHandler.h"
#include "symbols/stSymbolTable.h"

#include <cstdarg>

namespace {
constexpr int kKeywordBuckets = 32;
constexpr int kFunctionSizeStep = 1024;
} // namespace

AssemblerState::AssemblerState(RunContext& run) : run(run) {
    functionSizes.reserve(kFunctionSizeStep);
}

AssemblerState::~AssemblerState() = default;

int initAssemblerState(RunContext& run, std::unique_ptr<AssemblerState>& state) {
    // Steps 1 to 3: the record with its start values and the function-size array.
    state = std::make_unique<AssemblerState>(run);
    AssemblerState* s = state.get();
    if (keywordTableCreate(kKeywordBuckets, htStrHash, s->keywordTable) != 0) return -1;
    if (setupPredefinedSections(s) != 0) return -1;
    if (keywordTableInit(s, KW_DIRECTIVES) != 0) return -1;
    if (keywordTableInit(s, KW_MNEMONICS) != 0) return -1;
    if (keywordTableInit(s, KW_FLAGS) != 0) return -1;
    if (createSymbolTables(s) != 0) return -1;
    return 0;
}

void releaseAssemblerState(std::unique_ptr<AssemblerState>& state) {
    state.reset();
}

void logTrace(const AssemblerState* state, const char* format, ...) {
    if (!tracing(state)) return;
    va_list args;
    va_start(args, format);
    std::vfprintf(state->run.logFile, format, args);
    va_end(args);
}
