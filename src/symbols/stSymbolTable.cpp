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

int createSymbolTables(AssemblerState* state) {
    // The tables bind the run's names, which compare as the switches say.
    nameTableReset(state->names, !state->run.switches.caseSensitive);
    state->symtabByName.clear();
    state->symtabBySpelling.clear();
    state->functionBySpelling.clear();
    state->labelTable = stCreateTable(kSymbolBuckets, state->names);
    state->externTable = stCreateTable(kSymbolBuckets, state->names);
    state->constTable = stCreateTable(kSymbolBuckets, state->names);
    state->globalTable = stCreateTable(kSymbolBuckets, state->names);
    return (state->labelTable && state->externTable && state->constTable && state->globalTable) ? 0 : -1;
}

void reserveSymbolsForSource(AssemblerState* state, size_t sourceBytes) {
    // A name takes at least a few bytes of text, and most lines name none; beyond these
    // guesses the tables grow as usual.
    constexpr size_t kMaxReserve = size_t{1} << 20;
    nameTableReserve(state->names, std::min(sourceBytes / 128, kMaxReserve));
    state->names.records.reserve(std::min(sourceBytes / 32, kMaxReserve));
    state->functionSizes.reserve(std::min(sourceBytes / 16, kMaxReserve));
    state->symtab.reserve(std::min(sourceBytes / 16, kMaxReserve));
    // The tables by name number of a source that promises more names than their first
    // step holds get room for as many as the name table, so that they never move. (A
    // smaller program's tables stay within the step; room it leaves untouched still
    // costs it a page where the next block begins.)
    if (sourceBytes / 128 > kNameIndexFirstStep) {
        const size_t names = state->names.records.capacity();
        for (std::vector<int32_t>* table : {&state->symtabByName, &state->symtabBySpelling})
            table->reserve(names);
        for (SymbolTable* table : {state->labelTable.get(), state->constTable.get()})
            if (table) table->byName.reserve(names);
    }
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

// Upper bound on the entries the tables are sized for in advance.
constexpr int32_t kMaxIndexReserve = 1 << 20;

// The binding of name number `name` in a table by name number, -1 when there is none.
int32_t boundTo(const std::vector<int32_t>& table, int32_t name) {
    return static_cast<size_t>(name) < table.size() ? table[static_cast<size_t>(name)] : -1;
}

// Binds `name` to `value` unless it is bound already.
void bindFirst(std::vector<int32_t>& table, int32_t name, int32_t value) {
    const auto slot = static_cast<size_t>(name);
    growForName(table, slot);
    if (table[slot] < 0) table[slot] = value;
}

} // namespace

int addElfSymbol(AssemblerState* state, const char* name, int infoHigh, int kindSelect, int sectionNumber,
                 int32_t value, int32_t size, int flag) {
    if (!state || !name) return -1;
    return addNamedElfSymbol(state, nameIntern(state->names, name), infoHigh, kindSelect, sectionNumber,
                             value, size, flag);
}

int addNamedElfSymbol(AssemblerState* state, int32_t name, int infoHigh, int kindSelect, int sectionNumber,
                      int32_t value, int32_t size, int flag) {
    if (!state || name < 0) return -1;
    if (!state->symtabCreated) {
        state->symtabCreated = true;
        const int32_t expected = std::clamp(state->numSymbols, 0, kMaxIndexReserve);
        state->symtab.reserve(static_cast<size_t>(expected));
    }
    const std::string_view text = nameText(state->names, name);
    ElfSymbolEntry entry;
    entry.st_name = static_cast<uint32_t>(state->strtabSize == 0 ? 1 : state->strtabSize);
    entry.st_value = static_cast<uint32_t>(value);
    entry.st_size = static_cast<uint32_t>(size);
    entry.st_info = symbolInfo(static_cast<uint32_t>(infoHigh), kindCode(kindSelect, flag));
    entry.st_other = 0;
    entry.st_shndx = static_cast<uint16_t>(sectionNumber + 1);
    // `.strtab` ends each name at its first NUL byte, as the C text it was given did.
    appendStrtab(state, text.data(), std::min(text.size(), text.find('\0')));

    // The first entry of each spelling and of each canonical name is bound to it; later
    // entries of the name are found by position only.
    const auto index = static_cast<int32_t>(state->symtab.size());
    prefaultVectorAhead(state->symtab, state->symtabPages);
    state->symtab.push_back(entry);
    bindFirst(state->symtabBySpelling, name, index);
    bindFirst(state->symtabByName, nameCanonical(state->names, name), index);
    return 0;
}

void reserveElfSymbols(AssemblerState* state, size_t count, size_t nameBytes) {
    state->symtab.reserve(state->symtab.size() + count);
    // Each name ends with a zero byte; the buffer grows by whole blocks.
    const size_t strtab = static_cast<size_t>(state->strtabSize) + nameBytes + count + 1 + kBlockCapacity;
    std::vector<uint8_t>& buffer = state->strtabBuffer;
    buffer.reserve(std::max(strtab, buffer.size()));
    // The names that follow fill that room: its pages are asked for at once.
    prefaultIfLarge(buffer.data() + buffer.size(), strtab > buffer.size() ? strtab - buffer.size() : 0);
}

int32_t findSymtabIndex(const AssemblerState* state, const char* name, bool exact) {
    if (!state || !name) return -1;
    if (exact || state->run.switches.caseSensitive)
        return boundTo(state->symtabBySpelling, nameFind(state->names, name));
    return boundTo(state->symtabByName, nameFindCanonical(state->names, name));
}

int32_t firstSymtabEntry(const AssemblerState* state, int32_t name) {
    if (name < 0) return -1;
    if (state->run.switches.caseSensitive) return boundTo(state->symtabBySpelling, name);
    return boundTo(state->symtabByName, nameCanonical(state->names, name));
}

const char* symtabEntryName(const AssemblerState* state, int32_t index) {
    if (!state || index < 0 || index >= static_cast<int32_t>(state->symtab.size())) return nullptr;
    return reinterpret_cast<const char*>(state->strtabBuffer.data()) + state->symtab[index].st_name;
}

void addFunctionEntry(AssemblerState* state, FunctionSizeEntry entry) {
    const auto index = static_cast<int32_t>(state->functionSizes.size());
    prefaultVectorAhead(state->functionSizes, state->functionSizePages);
    state->functionSizes.push_back(entry);
    bindFirst(state->functionBySpelling, entry.name, index);
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
    // Labels are found exactly as they were written.
    const int32_t index = boundTo(state->functionBySpelling, nameFind(state->names, unquoted(name)));
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
