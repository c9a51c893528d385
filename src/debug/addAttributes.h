// Writing debug entries: each entry gets its own abbreviation (code n for the n-th
// entry), and each attribute is written in the one form it always uses
// (format/dwarfAttributes.def).
#pragma once

#include "format/dwarf.h"

#include <cstdint>
#include <string>

struct DebugInfoBuilder;

// Starts the next entry of the builder: its abbreviation (code, tag,
// children flag) and its first value, the code as ULEB128. Returns the entry's offset.
int32_t beginEntry(DebugInfoBuilder& b, int32_t tag, bool hasChildren);
// Adds a numeric attribute in its form's width; returns the value's offset.
int32_t addAttribute(DebugInfoBuilder& b, int32_t attribute, uint32_t value);
// Adds a string attribute; a name attribute also names the entry for type look-ups.
int32_t addStringAttribute(DebugInfoBuilder& b, int32_t attribute, const std::string& text);
// Closes the abbreviation and advances the entry counters.
void endEntry(DebugInfoBuilder& b);
