// The .debug_info_reloc table: fields of .debug_info that only the linker can finish
// (section offsets, code and data addresses), in the layout of the other relocation
// tables but with their own types (the DRT_ rows of format/relocationTypes.def).
#pragma once

#include "format/objectFormat.h"

#include <cstdint>

struct AssemblerState;

// Records one entry for the field at `offset` in .debug_info. With needsSymbol the
// entry names the `.symtab` entry of `name` (3005 when there is no `.symtab` at all,
// 3010 when the name is not in it); otherwise the symbol index is 0 and `name` only
// labels the trace. Code-address types are skipped when the object has no code.
// 0 when recorded or skipped, -1 on failure.
int addDebugRelocation(AssemblerState* state, int32_t offset, int needsSymbol, int32_t addend, int type,
                       const char* name);
