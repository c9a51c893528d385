#include "debug/dbgRelocation.h"

#include "symbols/assemblerState.h"
#include "symbols/sectionHandler.h"
#include "symbols/stSymbolTable.h"

namespace {

bool refersToCode(int type) {
    return type == DRT_CU_LOW_PC || type == DRT_FUNCTION_LOW_PC || type == DRT_STMT_LIST;
}

} // namespace

int addDebugRelocation(AssemblerState* state, int32_t offset, int needsSymbol, int32_t addend, int type,
                       const char* name) {
    if (!state) return -1;
    // Without code there is nothing for these addresses to point into.
    if (refersToCode(type) && state->sections[SEC_TEXT].head == nullptr) return 0;

    if (!state->debugRelocCreated) {
        DataBlock* block = appendBlock(
            state, SEC_DEBUG_INFO_RELOC,
            createDataBlock(state, static_cast<int32_t>(state->locationCounters[SEC_DEBUG_INFO_RELOC]),
                            state->blockCapacity));
        if (!block) {
            logTrace(state, "[ERR] Failed to create .debug_info_reloc section.\n");
            return -1;
        }
        block->kind = BLOCK_RELOCATIONS;
        state->debugReloc.clear();
        state->debugReloc.reserve(static_cast<size_t>(state->debugRelocCapacity));
        state->debugRelocCreated = true;
    }
    if (static_cast<int64_t>(state->debugReloc.size()) >= state->debugRelocCapacity) {
        state->debugRelocCapacity += kBlockCapacity;
        state->debugReloc.reserve(static_cast<size_t>(state->debugRelocCapacity));
    }

    int32_t index = 0;
    if (needsSymbol == 1) {
        const char* symbol = name ? name : "";
        if (!state->symtabCreated) {
            reportAt(state, Diag::SymbolNotDeclared, symbol);
            return -1;
        }
        index = findSymtabIndex(state, symbol, false);
        if (index < 0) {
            logTrace(state, "[ERR] Label is not found in the symbol table\n");
            reportAt(state, Diag::SymbolNotInSymtab);
            return -1;
        }
    }

    RelocationEntry entry;
    entry.r_offset = static_cast<uint32_t>(offset);
    entry.r_info = relocationInfo(static_cast<uint32_t>(index), static_cast<uint32_t>(type));
    entry.r_addend = addend;
    state->debugReloc.push_back(entry);
    if (DataBlock* block = state->sections[SEC_DEBUG_INFO_RELOC].head.get())
        block->used = static_cast<int32_t>(state->debugReloc.size());

    if (tracing(state)) {
        logTrace(state, "------------------------------>\n");
        logTrace(state, "[INF]Relocating debug info: %s\n", name ? name : "");
        logTrace(state, "[INF]Offset: %d\n", offset);
        logTrace(state, "[INF]SymtabIndex: %d, Type: %d [%x]\n", index, type, type);
        logTrace(state, "[INF]Addend: %d\n", addend);
        logTrace(state, "<------------------------------\n");
    }
    return 0;
}
