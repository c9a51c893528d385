#include "symbols/stSymbolTable.h"

#include "core/messages.h"
#include "format/objectFormat.h"
#include "symbols/assemblerState.h"
#include "symbols/stHashTable.h"

#include <algorithm>
#include <cstring>
#include <string_view>

namespace {
constexpr int kSymbolBuckets = 127;
}

std::string foldName(const std::string& name) {
    std::string folded = name;
    foldNameInPlace(folded);
    return folded;
}

void foldNameInPlace(std::string& name) {
    for (char& c : name)
        if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
}

int createSymbolTables(AssemblerState* state) {
    const bool fold = !state->run.switches.caseSensitive;
    state->labelTable = stCreateTable(kSymbolBuckets, fold);
    state->externTable = stCreateTable(kSymbolBuckets, fold);
    state->constTable = stCreateTable(kSymbolBuckets, fold);
    state->globalTable = stCreateTable(kSymbolBuckets, fold);
    return (state->labelTable && state->externTable && state->constTable && state->globalTable) ? 0 : -1;
}

int32_t stSymbolValue(const AssemblerState* state, const char* name, int* isLabel) {
    if (const Symbol* s = stLookupSymbol(name, state->labelTable.get())) {
        if (isLabel) *isLabel = 1;
        return s->value;
    }
    if (const Symbol* s = stLookupSymbol(name, state->externTable.get())) {
        if (isLabel) *isLabel = 1;
        return s->value;
    }
    if (const Symbol* s = stLookupSymbol(name, state->constTable.get())) {
        if (isLabel) *isLabel = 0;
        return s->value;
    }
    return -1;
}

namespace {

uint8_t kindCode(int kindSelect, int flag) {
    switch (kindSelect) {
        case 0:
            return flag ? SYM_KIND_LOCAL : SYM_KIND_LOCAL_ABS;
        case 1:
            return flag ? SYM_KIND_NOEXPORT : SYM_KIND_ABS;
        default:
            return SYM_KIND_WEAK;
    }
}

void appendStrtab(AssemblerState* state, const char* name, size_t length) {
    // Offset 0 holds the leading zero byte; the buffer grows by whole blocks.
    int32_t needed = state->strtabSize + static_cast<int32_t>(length) + 1;
    if (state->strtabSize == 0) needed += 1;
    while (static_cast<int32_t>(state->strtabBuffer.size()) < needed)
        state->strtabBuffer.resize(state->strtabBuffer.size() + kBlockCapacity, 0);
    if (state->strtabSize == 0) state->strtabSize = 1;
    std::memcpy(state->strtabBuffer.data() + state->strtabSize, name, length);
    state->strtabBuffer[state->strtabSize + length] = 0;
    state->strtabSize += static_cast<int32_t>(length) + 1;
}

} // namespace

namespace {

// Upper bound on the entries the name indexes are sized for in advance.
constexpr int32_t kMaxIndexReserve = 1 << 20;

// Whether `.symtab` entry `index` is named `name`, exactly or ignoring case.
bool entryNamed(const AssemblerState* state, int32_t index, std::string_view name, bool fold) {
    const uint8_t* strtab = state->strtabBuffer.data();
    const size_t offset = state->symtab[static_cast<size_t>(index)].st_name;
    const char* entry = reinterpret_cast<const char*>(strtab + offset);
    if (offset + name.size() >= state->strtabBuffer.size() || entry[name.size()] != '\0') return false;
    return sameName(std::string_view(entry, name.size()), name, fold);
}

// The first entry named `name`, or -1.
int32_t firstEntry(const AssemblerState* state, const NameIndex<int32_t, -1>& index, std::string_view name,
                   bool fold) {
    return index.find(nameHash(name, fold),
                      [state, name, fold](int32_t entry) { return entryNamed(state, entry, name, fold); });
}

} // namespace

int addElfSymbol(AssemblerState* state, const char* name, int infoHigh, int kindSelect, int sectionNumber,
                 int32_t value, int32_t size, int flag) {
    if (!state || !name) return -1;
    if (!state->symtabCreated) {
        state->symtabCreated = true;
        const int32_t expected = std::clamp(state->numSymbols, 0, kMaxIndexReserve);
        state->symtab.reserve(static_cast<size_t>(expected));
        state->symtabExactNames.reserve(static_cast<size_t>(expected));
        state->symtabFoldedNames.reserve(static_cast<size_t>(expected));
    }
    const std::string_view text(name);
    ElfSymbolEntry entry;
    entry.st_name = static_cast<uint32_t>(state->strtabSize == 0 ? 1 : state->strtabSize);
    entry.st_value = static_cast<uint32_t>(value);
    entry.st_size = static_cast<uint32_t>(size);
    entry.st_info = symbolInfo(static_cast<uint32_t>(infoHigh), kindCode(kindSelect, flag));
    entry.st_other = 0;
    entry.st_shndx = static_cast<uint16_t>(sectionNumber + 1);
    appendStrtab(state, name, text.size());

    // Each index keeps the first entry of a name; later entries of the name are found
    // by position only.
    const int32_t index = static_cast<int32_t>(state->symtab.size());
    state->symtab.push_back(entry);
    if (firstEntry(state, state->symtabExactNames, text, false) < 0)
        state->symtabExactNames.insert(nameHash(text, false), index);
    if (firstEntry(state, state->symtabFoldedNames, text, true) < 0)
        state->symtabFoldedNames.insert(nameHash(text, true), index);
    return 0;
}

int32_t findSymtabIndex(const AssemblerState* state, const char* name, bool exact) {
    if (!state || !name) return -1;
    if (exact || state->run.switches.caseSensitive)
        return firstEntry(state, state->symtabExactNames, name, false);
    return firstEntry(state, state->symtabFoldedNames, name, true);
}

const char* symtabEntryName(const AssemblerState* state, int32_t index) {
    if (!state || index < 0 || index >= static_cast<int32_t>(state->symtab.size())) return nullptr;
    return reinterpret_cast<const char*>(state->strtabBuffer.data()) + state->symtab[index].st_name;
}

void addFunctionEntry(AssemblerState* state, FunctionSizeEntry entry) {
    const auto index = static_cast<int32_t>(state->functionSizes.size());
    const uint32_t hash = nameHash(entry.name, false);
    const std::string& name = entry.name;
    const bool known = state->functionEntryIndex.find(hash, [state, &name](int32_t i) {
        return state->functionSizes[static_cast<size_t>(i)].name == name;
    }) >= 0;
    state->functionSizes.push_back(std::move(entry));
    if (!known) state->functionEntryIndex.insert(hash, index);
}

namespace {

std::string_view unquoted(const char* name) {
    std::string_view text = name;
    if (!text.empty() && text.front() == '"') text.remove_prefix(1);
    if (!text.empty() && text.back() == '"') text.remove_suffix(1);
    return text;
}

FunctionSizeEntry* findFunctionEntry(AssemblerState* state, const char* name, int line) {
    if (!name) {
        logTrace(state, "%s: %d [ERR] NULL function name", "Zorlan", line);
        return nullptr;
    }
    const std::string_view wanted = unquoted(name);
    const int32_t index = state->functionEntryIndex.find(nameHash(wanted, false), [state, wanted](int32_t i) {
        return static_cast<size_t>(i) < state->functionSizes.size() &&
               state->functionSizes[static_cast<size_t>(i)].name == wanted;
    });
    return index < 0 ? nullptr : &state->functionSizes[static_cast<size_t>(index)];
}

} // namespace

void markFunctionEntry(AssemblerState* state, const char* name) {
    if (FunctionSizeEntry* entry = findFunctionEntry(state, name, __LINE__)) entry->kind = 2;
}

void setFunctionEntrySize(AssemblerState* state, const char* name) {
    if (FunctionSizeEntry* entry = findFunctionEntry(state, name, __LINE__))
        entry->size = static_cast<int32_t>((state->textLoc() - entry->byteAddress) >> 1);
}
