// Section and linkage directives: .SECTION and .BSS create and select sections; .GLOBAL,
// .LOCAL and .WEAK set the linkage of names. Pass one checks and defines names; pass two
// rewrites the linkage bits of `.symtab` entries made earlier and opens section blocks.
#include "core/Statement.h"
#include "directives/Directive.h"
#include "directives/DirectiveHandlers.h"
#include "format/objectFormat.h"
#include "symbols/assemblerState.h"
#include "symbols/sectionHandler.h"
#include "symbols/stHashTable.h"
#include "symbols/stSymbolTable.h"

#include <algorithm>
#include <vector>

namespace {

// Low four bits of a `.symtab` info byte after each linkage directive.
constexpr uint8_t kLocalRelocatable = SYM_KIND_LOCAL;
constexpr uint8_t kLocalAbsolute = SYM_KIND_LOCAL_ABS;
constexpr uint8_t kGlobalHiddenRelocatable = SYM_KIND_NOEXPORT;
constexpr uint8_t kGlobalHiddenAbsolute = SYM_KIND_NOEXPORT_ABS;
constexpr uint8_t kGlobalExported = SYM_KIND_EXPORT;

constexpr int32_t kHighestSectionTypeCode = 14;
constexpr int32_t kWeakAddress = kWeakSymbolValue;

// A linkage directive naming a name that nothing defines.
int failUndeclared(AssemblerState* state, const std::string& name) {
    reportWordAt(state->run, Diag::SymbolNotDeclared, name, 0, name.c_str());
    return -1;
}

std::vector<std::string> listNames(const Statement* st) {
    size_t n =
        static_cast<size_t>(std::clamp<int64_t>(st->argCount, 0, static_cast<int64_t>(st->args.size())));
    std::vector<std::string> names;
    names.reserve(n);
    for (size_t i = 0; i < n; ++i) names.push_back(argumentText(st->args[i]));
    return names;
}

int sectionPassTwo(Statement* st, AssemblerState* state) {
    if (!st->name) return failWith(state, Diag::UnknownSection, "");
    const char* name = st->name->c_str();

    // A name that exists only switches to its section; type and flags are not looked at.
    int32_t start = 0, end = 0;
    if (findSectionName(name, state->shstrtabBuffer.data(), state->shstrtabSize, &start, &end) == 0) {
        logTrace(state, "Before setCurrentSection\n");
        if (setCurrentSection(state, name) < 0) {
            logTrace(state, "setCurrentSection() failed\n");
            return -1;
        }
        return 0;
    }
    if (addSection(name, state) != 0) {
        logTrace(state, "[ERR] Failed to add %s in shStrTab.\n", name);
        return -1;
    }
    int slotA = -1, slotB = -1, ordinal = -1;
    sectionLookup(name, state, &slotA, &slotB, &ordinal);
    if (slotA < 0 || slotB < 0 || ordinal < 0 || ordinal >= kMaxSections)
        return failWith(state, Diag::UnknownSection, name);

    auto block =
        createDataBlock(state, static_cast<int32_t>(state->locationCounters[ordinal]), state->blockCapacity);
    if (st->number < 0 || st->number > kHighestSectionTypeCode)
        return failWith(state, Diag::InvalidSectionType);
    block->sectionType = sectionTypeFromNumber(st->number);

    uint32_t flags = 0;
    if (st->sectionType) {
        for (char letter : *st->sectionType) {
            int32_t value = sectionFlagFromLetter(letter);
            if (value == -1)
                reportAt(state, Diag::InvalidSectionFlag);
            else
                flags += static_cast<uint32_t>(value);
        }
    }
    block->sectionFlags = static_cast<int32_t>(flags);
    if (!appendBlock(state, ordinal, std::move(block))) return failWith(state, Diag::OutOfMemory);
    return 0;
}

// Rewrites the linkage bits of the `.symtab` entry named exactly `name`.
int setLinkage(AssemblerState* state, const std::string& name, uint8_t linkage) {
    int32_t index = findSymtabIndex(state, name.c_str(), true);
    if (index < 0) return failWith(state, Diag::SymbolNotInStrtab);
    ElfSymbolEntry& entry = state->symtab[static_cast<size_t>(index)];
    logTrace(state, "----->>info: %02x\n", entry.st_info);
    entry.st_info = symbolInfo(symbolBindingOf(entry.st_info), linkage);
    return 0;
}

} // namespace

int executeSECTION(Statement* st, DirectiveContext& dc, int pass) {
    AssemblerState* state = &dc.state;
    logTrace(state, "executeSECTION BEGIN\n");
    int result = pass == 0 ? 0 : sectionPassTwo(st, state);
    logTrace(state, "executeSECTION END\n");
    return result;
}

int executeBSS(Statement* st, DirectiveContext& dc, int pass) {
    AssemblerState* state = &dc.state;
    if (!st->name) {
        // The bare form selects .bss, in pass two only.
        if (pass == 1) state->currentSection = SEC_BSS;
        return 0;
    }
    int32_t size = (!st->args.empty() && !st->args[0].isText) ? st->args[0].number : 0;
    if (size < 0) return failWith(state, Diag::InvalidSize);
    int64_t& counter = state->bssLoc();
    if (pass == 0) {
        int32_t address = static_cast<int32_t>(counter);
        defineDataLabel(state, *st->name, address, SEC_BSS);
        if (addElfSymbol(state, st->name->c_str(), 1, 0, SEC_BSS, address, size, state->relocatable) != 0)
            return -1;
    } else {
        // The block's bytes beyond its buffer are zeros; the writer fills them in.
        auto block = createDataBlock(state, static_cast<int32_t>(counter), state->blockCapacity);
        block->used = size;
        if (!appendBlock(state, SEC_BSS, std::move(block))) return failWith(state, Diag::OutOfMemory);
    }
    counter += size;
    return 0;
}

int executeGLOBAL(Statement* st, DirectiveContext& dc, int pass) {
    AssemblerState* state = &dc.state;
    bool exported = (st->flags & kFlagExport) != 0;
    uint8_t linkage = exported             ? kGlobalExported
                      : state->relocatable ? kGlobalHiddenRelocatable
                                           : kGlobalHiddenAbsolute;
    for (std::string& name : listNames(st)) {
        if (!applyDataIdentifierRule(state, name)) return -1;
        if (pass == 1) {
            if (setLinkage(state, name, linkage) != 0) return -1;
            continue;
        }
        if (!stLookupSymbol(name.c_str(), state->labelTable.get())) return failUndeclared(state, name);
        if (stLookupSymbol(name.c_str(), state->globalTable.get())) {
            // A second declaration is only noted, and ends this directive's list.
            reportAt(state, Diag::MultipleGlobal);
            return 0;
        }
        Symbol symbol;
        if (stInsertSymbol(state->globalTable.get(), name, symbol) != 0) {
            logTrace(state, "Failed to insert global symbol: %s\n", name.c_str());
            return -1;
        }
    }
    return 0;
}

int executeLOCAL(Statement* st, DirectiveContext& dc, int pass) {
    AssemblerState* state = &dc.state;
    uint8_t linkage = state->relocatable ? kLocalRelocatable : kLocalAbsolute;
    for (const std::string& name : listNames(st)) {
        if (pass == 1) {
            if (setLinkage(state, name, linkage) != 0) return -1;
        } else if (!stLookupSymbol(name.c_str(), state->labelTable.get())) {
            return failUndeclared(state, name);
        }
    }
    return 0;
}

int executeWEAK(Statement* st, DirectiveContext& dc, int pass) {
    AssemblerState* state = &dc.state;
    if (pass != 0) return 0;
    bool inData = state->currentSection == SEC_DATA;
    std::vector<std::string> names = listNames(st);
    int32_t size = static_cast<int32_t>(names.size());
    for (std::string& name : names) {
        if (inData && !applyDataIdentifierRule(state, name)) return -1;
        Symbol symbol;
        symbol.value = kWeakAddress;
        symbol.isData = state->currentSection;
        stInsertSymbol(state->labelTable.get(), name, symbol); // an earlier definition stays in force
        if (addElfSymbol(state, name.c_str(), inData ? 1 : 2, 2, inData ? SEC_DATA : SEC_TEXT, kWeakAddress,
                         size, state->relocatable) != 0)
            return -1;
    }
    return 0;
}
