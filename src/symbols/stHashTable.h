// The symbol hash table behind the four name tables: records kept once, found through a name index.
#pragma once

#include <deque>
#include <memory>
#include <string>
#include <string_view>

#include "symbols/nameIndex.h"
#include "symbols/stSymbolTable.h"

// Names are keyed by their folded form (the name itself with -c), so inserting and
// finding a name takes constant time however many names share a prefix. The first
// definition of a name stays in force.
struct SymbolTable {
    int32_t bucketCount = 0;
    bool fold = true; // names compare ignoring case (without -c); stored names are folded
    // One record per name, in insertion order; a deque never moves its elements, so the
    // index can point at them.
    std::deque<Symbol> symbols;
    // The records by name hash: a lookup hashes the name as given and builds no folded copy.
    NameIndex<Symbol*, nullptr> index;
};

// A table whose names compare ignoring case when `fold` is set (the run without -c).
std::unique_ptr<SymbolTable> stCreateTable(int bucketCount, bool fold);
// Inserts a copy of `symbol`. Returns 0, or -1 when refused (bad arguments or a
// duplicate; a duplicate marks `symbol` MULTIPLY_DEFINED). Without -c the stored name is
// the upper-case copy.
int stInsertSymbol(Symbol& symbol, SymbolTable* table);
// The symbol of that name (ignoring case without -c), or null.
const Symbol* stLookupSymbol(const char* name, const SymbolTable* table);
// The hash the tables find `name` by (folded without -c), for stFindSymbol.
inline uint32_t stNameHash(std::string_view name, bool fold) {
    return nameHash(name, fold);
}
// stLookupSymbol for a name whose stNameHash is known: a name looked up in several tables
// is hashed once. `table` may be null.
const Symbol* stFindSymbol(std::string_view name, uint32_t hash, const SymbolTable* table);
void stDestroyTable(std::unique_ptr<SymbolTable>& table);

// The bucket the original chained table would use: the sum of the first 64 bytes as
// signed chars, modulo the bucket count (negative for some non-ASCII names, which the
// table refuses).
int stHash(const std::string& key, int bucketCount);
