#include "symbols/stHashTable.h"

#include <cstdio>

namespace {

void logMisuse(int line, const char* text) {
    std::fprintf(stderr, "%s : %d : %s\n", "stHashTable", line, text);
}

} // namespace

int stHash(const std::string& key, int bucketCount) {
    if (bucketCount < 1) return -1;
    int sum = 0;
    size_t n = key.size() < 64 ? key.size() : 64;
    for (size_t i = 0; i < n; ++i) sum += static_cast<signed char>(key[i]);
    return sum % bucketCount;
}

std::unique_ptr<SymbolTable> stCreateTable(int bucketCount, bool fold) {
    if (bucketCount < 1) return nullptr;
    auto table = std::make_unique<SymbolTable>();
    table->bucketCount = bucketCount;
    table->fold = fold;
    return table;
}

int stInsertSymbol(Symbol& symbol, SymbolTable* table) {
    if (!table) {
        logMisuse(__LINE__, "Invalid function parameters.\n");
        return -1;
    }
    if (table->fold) foldNameInPlace(symbol.name);
    const std::string& key = symbol.name;
    const uint32_t hash = nameHash(key, table->fold);
    Symbol* found = table->index.find(hash, [&key](const Symbol* s) { return s->name == key; });
    if (found && symbol.status == SYM_DEFINED) {
        // The first definition stays in force; the refused record is marked.
        symbol.status = SYM_MULTIPLY_DEFINED;
        return -1;
    }
    // A name whose bytes sum to a negative value has no bucket in the chained table.
    if (stHash(key, table->bucketCount) < 0) {
        logMisuse(__LINE__, "Invalid hash key.");
        return -1;
    }
    // A symbol that is not a definition shadows an earlier entry of the same name.
    if (found) {
        *found = symbol;
    } else {
        Symbol& stored = table->symbols.emplace_back(symbol);
        table->index.insert(hash, &stored);
    }
    return 0;
}

const Symbol* stLookupSymbol(const char* name, const SymbolTable* table) {
    if (!name || !table) {
        logMisuse(__LINE__, "Invalid function parameters.\n");
        return nullptr;
    }
    if (table->bucketCount < 1 || table->symbols.empty()) return nullptr;
    // Stored names are folded already without -c, so they compare with the name folded.
    const std::string_view wanted(name);
    const bool fold = table->fold;
    return table->index.find(nameHash(wanted, fold),
                             [wanted, fold](const Symbol* s) { return sameName(s->name, wanted, fold); });
}

const Symbol* stFindSymbol(std::string_view name, uint32_t hash, const SymbolTable* table) {
    if (!table || table->bucketCount < 1 || table->symbols.empty()) return nullptr;
    const bool fold = table->fold;
    return table->index.find(hash, [name, fold](const Symbol* s) { return sameName(s->name, name, fold); });
}

void stDestroyTable(std::unique_ptr<SymbolTable>& table) {
    table.reset();
}
