#include "symbols/stSymbolTable.h"

#include "driver/initAsm.h"
#include "driver/interface.h"
#include "driver/messages.h"
#include "symbols/stHashTable.h"

#include <cstring>

std::unique_ptr<SymbolTable> labelTable;
std::unique_ptr<SymbolTable> externTable;
std::unique_ptr<SymbolTable> constTable;
std::unique_ptr<SymbolTable> globalTable;

namespace {
constexpr int kSymbolBuckets = 127;
}

std::string foldName(const std::string& name) {
    std::string folded = name;
    for (char& c : folded)
        if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
    return folded;
}

int createSymbolTables() {
    labelTable = stCreateTable(kSymbolBuckets);
    externTable = stCreateTable(kSymbolBuckets);
    constTable = stCreateTable(kSymbolBuckets);
    globalTable = stCreateTable(kSymbolBuckets);
    return (labelTable && externTable && constTable && globalTable) ? 0 : -1;
}

void destroySymbolTables() {
    stDestroyTable(labelTable);
    stDestroyTable(externTable);
    stDestroyTable(constTable);
    stDestroyTable(globalTable);
}

int32_t stSymbolValue(const char* name, int* isLabel) {
    if (const Symbol* s = stLookupSymbol(name, labelTable.get())) {
        if (isLabel) *isLabel = 1;
        return s->value;
    }
    if (const Symbol* s = stLookupSymbol(name, externTable.get())) {
        if (isLabel) *isLabel = 1;
        return s->value;
    }
    if (const Symbol* s = stLookupSymbol(name, constTable.get())) {
        if (isLabel) *isLabel = 0;
        return s->value;
    }
    return -1;
}

namespace {

uint8_t kindCode(int kindSelect, int flag) {
    switch (kindSelect) {
        case 0:
            return flag ? 0 : 4;
        case 1:
            return flag ? 1 : 8;
        default:
            return 2;
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

int addElfSymbol(AssemblerState* state, const char* name, int infoHigh, int kindSelect, int sectionNumber,
                 int32_t value, int32_t size, int flag) {
    if (!state || !name) return -1;
    if (!state->symtabCreated) {
        state->symtabCreated = true;
        state->symtab.reserve(static_cast<size_t>(state->numSymbols > 0 ? state->numSymbols : 0));
    }
    size_t length = std::strlen(name);
    ElfSymbolEntry entry;
    entry.st_name = static_cast<uint32_t>(state->strtabSize == 0 ? 1 : state->strtabSize);
    entry.st_value = static_cast<uint32_t>(value);
    entry.st_size = static_cast<uint32_t>(size);
    entry.st_info = static_cast<uint8_t>(infoHigh * 16 + kindCode(kindSelect, flag));
    entry.st_other = 0;
    entry.st_shndx = static_cast<uint16_t>(sectionNumber + 1);
    appendStrtab(state, name, length);

    int32_t index = static_cast<int32_t>(state->symtab.size());
    state->symtab.push_back(entry);
    std::string exact(name, length);
    state->symtabIndexFolded.emplace(foldName(exact), index);
    state->symtabIndexExact.emplace(std::move(exact), index);
    return 0;
}

int32_t findSymtabIndex(const AssemblerState* state, const char* name, bool exact) {
    if (!state || !name) return -1;
    if (exact || caseSensitive) {
        auto it = state->symtabIndexExact.find(name);
        return it == state->symtabIndexExact.end() ? -1 : it->second;
    }
    auto it = state->symtabIndexFolded.find(foldName(name));
    return it == state->symtabIndexFolded.end() ? -1 : it->second;
}

const char* symtabEntryName(const AssemblerState* state, int32_t index) {
    if (!state || index < 0 || index >= static_cast<int32_t>(state->symtab.size())) return nullptr;
    return reinterpret_cast<const char*>(state->strtabBuffer.data()) + state->symtab[index].st_name;
}
