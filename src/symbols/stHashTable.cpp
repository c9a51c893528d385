#include "symbols/stHashTable.h"

#include <algorithm>
#include <cstdio>
#include <string>

namespace {

// Misuse is reported on the error stream with the place it was found at, numbered as
// the message has always been numbered, so that the error stream reads as it always did.
enum MisuseSite { kInsertArguments = 31, kInvalidKey = 45, kLookupArguments = 60 };

void logMisuse(MisuseSite site, const char* text) {
    std::fprintf(stderr, "%s : %d : %s\n", "stHashTable", static_cast<int>(site), text);
}

// Whether the original table had no bucket for the name: its key (folded without -c)
// sums to a negative bucket. Only bytes from 0x80 on are negative, so plain ASCII names
// are settled without building the key.
bool hasNoBucket(std::string_view name, bool fold, int bucketCount) {
    const std::string_view head = name.substr(0, 64);
    bool high = false;
    for (char c : head) high |= (static_cast<unsigned char>(c) & 0x80) != 0;
    if (!high) return false;
    std::string key(head);
    if (fold)
        for (char& c : key)
            if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
    return stHash(key, bucketCount) < 0;
}

} // namespace

int stHash(std::string_view key, int bucketCount) {
    if (bucketCount < 1) return -1;
    int sum = 0;
    size_t n = key.size() < 64 ? key.size() : 64;
    for (size_t i = 0; i < n; ++i) sum += static_cast<signed char>(key[i]);
    return sum % bucketCount;
}

std::unique_ptr<SymbolTable> stCreateTable(int bucketCount, NameTable& names) {
    if (bucketCount < 1) return nullptr;
    auto table = std::make_unique<SymbolTable>();
    table->bucketCount = bucketCount;
    table->names = &names;
    return table;
}

int stInsertSymbol(SymbolTable* table, std::string_view name, Symbol& symbol) {
    if (!table) {
        logMisuse(kInsertArguments, "Invalid function parameters.\n");
        return -1;
    }
    return stInsertNamed(table, nameIntern(*table->names, name), symbol);
}

int stInsertNamed(SymbolTable* table, int32_t name, Symbol& symbol) {
    if (!table || name < 0 || static_cast<size_t>(name) >= nameCount(*table->names)) {
        logMisuse(kInsertArguments, "Invalid function parameters.\n");
        return -1;
    }
    const NameTable& names = *table->names;
    const int32_t canonical = nameCanonical(names, name);
    symbol.name = canonical;
    const auto slot = static_cast<size_t>(canonical);
    const int32_t found = slot < table->byName.size() ? table->byName[slot] : -1;
    if (found >= 0 && symbol.status == SYM_DEFINED) {
        // The first definition stays in force; the refused record is marked.
        symbol.status = SYM_MULTIPLY_DEFINED;
        return -1;
    }
    // A name whose bytes sum to a negative value has no bucket in the chained table.
    if (hasNoBucket(nameText(names, canonical), names.fold, table->bucketCount)) {
        logMisuse(kInvalidKey, "Invalid hash key.");
        return -1;
    }
    // A symbol that is not a definition shadows an earlier entry of the same name.
    if (found >= 0) {
        table->symbols[static_cast<size_t>(found)] = symbol;
        return 0;
    }
    growForName(table->byName, slot);
    table->byName[slot] = static_cast<int32_t>(table->symbols.size());
    table->symbols.push_back(symbol);
    return 0;
}

const Symbol* stLookupSymbol(const char* name, const SymbolTable* table) {
    if (!name || !table) {
        logMisuse(kLookupArguments, "Invalid function parameters.\n");
        return nullptr;
    }
    if (table->bucketCount < 1 || table->symbols.empty()) return nullptr;
    return stSymbolNamed(table, nameFindCanonical(*table->names, name));
}

std::string stKeyText(const NameTable& names, std::string_view name) {
    std::string key(name);
    if (names.fold)
        for (char& c : key)
            if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
    return key;
}

void stDestroyTable(std::unique_ptr<SymbolTable>& table) {
    table.reset();
}
