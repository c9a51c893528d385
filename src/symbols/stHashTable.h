// The symbol tables behind the four name tables: symbols bound to canonical names of the
// run's name table, found by the name's number.
#pragma once

#include <deque>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "symbols/nameTable.h"
#include "symbols/stSymbolTable.h"

// The first definition of a name stays in force. Names compare as the name table
// compares them: ignoring case without -c.
struct SymbolTable {
    int32_t bucketCount = 0;
    NameTable* names = nullptr; // the run's names
    // One record per name, in insertion order; a deque never moves its elements.
    std::deque<Symbol> symbols;
    // The symbol of each canonical name, by the name's number; -1 for none. It grows as
    // names are bound, so a table of a few names stays small.
    std::vector<int32_t> byName;
};

// A table binding names of `names`.
std::unique_ptr<SymbolTable> stCreateTable(int bucketCount, NameTable& names);
// Inserts a copy of `symbol` under `name` (entered into the name table if new); the
// symbol's `name` becomes the canonical name. Returns 0, or -1 when refused (bad
// arguments or a duplicate; a duplicate marks `symbol` MULTIPLY_DEFINED).
int stInsertSymbol(SymbolTable* table, std::string_view name, Symbol& symbol);
// The same for a name already entered, by its number (any spelling).
int stInsertNamed(SymbolTable* table, int32_t name, Symbol& symbol);
// The symbol of that name (ignoring case without -c), or null.
const Symbol* stLookupSymbol(const char* name, const SymbolTable* table);
// The symbol bound to the canonical name of name number `name` (any spelling), or null.
// `table` may be null.
inline const Symbol* stSymbolNamed(const SymbolTable* table, int32_t name) {
    if (!table || name < 0) return nullptr;
    const auto canonical = static_cast<size_t>(nameCanonical(*table->names, name));
    if (canonical >= table->byName.size()) return nullptr;
    const int32_t index = table->byName[canonical];
    return index < 0 ? nullptr : &table->symbols[static_cast<size_t>(index)];
}
void stDestroyTable(std::unique_ptr<SymbolTable>& table);
// A name as the tables key it, for messages: upper case without -c, as written with it.
std::string stKeyText(const NameTable& names, std::string_view name);

// The bucket the original chained table would use: the sum of the first 64 bytes as
// signed chars, modulo the bucket count (negative for some non-ASCII names, which the
// table refuses).
int stHash(std::string_view key, int bucketCount);
