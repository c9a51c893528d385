// Every name a run meets, kept once and known by its number from then on.
//
// A name is hashed and compared when the grammar first turns an identifier into a symbol
// operand, a label or a data name; everything later (the recording of pass one, the
// symbol tables, resolution and relocation, `.symtab` lookups) holds the name's number
// and finds what it is bound to by indexing. Names sit back to back in chunks that never
// move, so the text of a name stays put for the whole run.
//
// Each spelling is a name of its own: `.strtab`, diagnostics and the trace log show a
// name as it was written. Without -c, spellings that differ only in the case of their
// letters share one canonical name, the first of them that was met, and the symbol
// tables bind canonical names; with -c every spelling is its own canonical name.
#pragma once

#include "core/prefault.h"

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string_view>
#include <vector>

// The hash of a name as the table compares names: with `fold`, the letters a-z hash as A-Z.
uint32_t nameHash(std::string_view name, bool fold);
// Whether two names are equal; with `fold`, a-z and A-Z are the same letters.
bool sameName(std::string_view a, std::string_view b, bool fold);

struct NameRecord {
    const char* text = nullptr;
    uint32_t length = 0;
    uint32_t hash = 0;      // nameHash(text, fold)
    int32_t canonical = -1; // the first spelling met that compares equal (itself, or with -c always)
};

struct NameTable {
    bool fold = true; // names compare ignoring case (the run without -c)
    std::vector<NameRecord> records;
    PrefaultCursor recordPages; // the records' room is reserved from the source's size
    // Open addressing with linear probing over the records: a slot holds a name number
    // plus one, 0 marks a free slot. Spellings that fold alike hash alike and so share
    // a probe run.
    std::vector<uint32_t> slots;
    std::vector<std::unique_ptr<char[]>> chunks; // the names' bytes
    char* chunkNext = nullptr;                   // where the next short name goes
    size_t chunkFree = 0;                        // and the room left there
};

// A new, empty table comparing names ignoring case when `fold` is set.
void nameTableReset(NameTable& table, bool fold);
// Room for about `names` names without rehashing.
void nameTableReserve(NameTable& table, size_t names);

// The number of a spelling, entered when it is new.
int32_t nameIntern(NameTable& table, std::string_view spelling);
// The number of a spelling already entered, or -1.
int32_t nameFind(const NameTable& table, std::string_view spelling);
// The canonical name that a spelling compares equal to, or -1 when none was entered.
int32_t nameFindCanonical(const NameTable& table, std::string_view spelling);

inline std::string_view nameText(const NameTable& table, int32_t name) {
    const NameRecord& record = table.records[static_cast<size_t>(name)];
    return std::string_view(record.text, record.length);
}
inline int32_t nameCanonical(const NameTable& table, int32_t name) {
    return table.records[static_cast<size_t>(name)].canonical;
}
inline size_t nameCount(const NameTable& table) {
    return table.records.size();
}

// Tables indexed by name number grow by whole steps rather than one entry per name: a
// first step of one page, all that most programs need, and then steps of four pages.
constexpr size_t kNameIndexFirstStep = 1024;
constexpr size_t kNameIndexStep = 4096;

// Makes room in a table indexed by name number for the name numbered `slot`, new entries
// holding -1 (unbound). New names come one at a time, in order. Where the table's room
// was reserved (it then stays where it is), a step's pages are asked for in one batch.
inline void growForName(std::vector<int32_t>& table, size_t slot) {
    if (slot < table.size()) return;
    size_t size = table.empty() ? kNameIndexFirstStep : table.size() + kNameIndexStep;
    if (size <= slot) size = (slot | (kNameIndexFirstStep - 1)) + 1;
    if (size <= table.capacity())
        prefaultIfLarge(table.data() + table.size(), (size - table.size()) * sizeof(int32_t));
    table.resize(size, -1);
}
