// Decoding the debug sections the assembler writes: the line program and the raw line
// table, the abbreviations and debug entries, and the debug relocations. The formats
// are DWARF 2 with the assembler's own differences: the unit_length of .debug_info
// counts the whole section including itself, children are not closed by null entries
// (a sibling reference ends each group), and the line program header keeps its
// file-table fields in single bytes.
#pragma once

#include "format/dwarf.h"
#include "format/elfReader.h"

#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

// Each view writes to `out` as it goes and ends with a blank line; names and strings are
// shown as the other views show them (cut at kMaxShownName bytes).
void viewDebugLine(const ElfImage& image, FILE* out);  // .debug_line and .debug_raw_line
void viewDebugInfo(const ElfImage& image, FILE* out);  // .debug_abbrev and .debug_info
void viewDebugReloc(const ElfImage& image, FILE* out); // .debug_info_reloc

// One attribute value found in .debug_info, by where its bytes start.
struct DebugAttributeAt {
    uint32_t valueOffset = 0;
    uint32_t entryOffset = 0;
    uint32_t attribute = 0;
    uint32_t tag = 0;
};

// The attribute values of .debug_info in section order (empty when it cannot be read).
std::vector<DebugAttributeAt> debugAttributeOffsets(const ElfImage& image);
