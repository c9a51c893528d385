#include "driver/initAsm.h"

#include "isa/keywordTable.h"
#include "symbols/sectionHandler.h"
#include "symbols/stSymbolTable.h"

namespace {
constexpr int kKeywordBuckets = 32;
} // namespace

int initAssemblerState(RunContext& run, std::unique_ptr<AssemblerState>& state) {
    // Steps 1 to 3: the record with its start values and the function-size array.
    state = std::make_unique<AssemblerState>(run);
    AssemblerState* s = state.get();
    if (keywordTableCreate(kKeywordBuckets, htStrHash, s->keywordTable) != 0) return -1;
    if (setupPredefinedSections(s) != 0) return -1;
    if (keywordTableInit(s->keywordTable.get(), KW_DIRECTIVES) != 0) return -1;
    if (keywordTableInit(s->keywordTable.get(), KW_MNEMONICS) != 0) return -1;
    if (keywordTableInit(s->keywordTable.get(), KW_FLAGS) != 0) return -1;
    if (createSymbolTables(s) != 0) return -1;
    return 0;
}

void releaseAssemblerState(std::unique_ptr<AssemblerState>& state) {
    state.reset();
}
