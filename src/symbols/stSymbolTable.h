// Symbols: the four name tables (labels, external names, constants, global names) and
// the `.symtab`/`.strtab` entries of the object file.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

struct AssemblerState;
struct SymbolTable; // stHashTable.h

enum SymbolStatus { SYM_DEFINED = 0, SYM_UNKNOWN = 1, SYM_MULTIPLY_DEFINED = 2 };

struct Symbol {
    int32_t name = -1;  // the canonical name (state.names), set when the symbol is inserted
    int32_t value = 0;  // what operands naming the symbol receive
    int16_t isData = 0; // the section: 0 text label, 1 data, 2 bss
    int16_t status = SYM_DEFINED;
};

// Creates the state's four tables (labels, external names, constants, global names),
// folding names unless the run is case-sensitive; 0 or -1.
int createSymbolTables(AssemblerState* state);
// Reserves room for the names, labels and `.symtab` entries of a main source of
// `sourceBytes` bytes, so that they are not copied as they grow; room that is not used
// is never touched.
void reserveSymbolsForSource(AssemblerState* state, size_t sourceBytes);

// Looks the name up in the label, external and constant tables; returns the first found
// symbol's value and sets *isLabel (1 for the first two tables, 0 for constants), or
// -1 leaving *isLabel alone.
int32_t stSymbolValue(const AssemblerState* state, const char* name, int* isLabel);

// Appends one `.symtab` entry and its name to `.strtab`; 0 or -1.
// info = infoHigh * 16 + kind code (kindSelect 0: flag ? 0 : 4; 1: flag ? 1 : 8; 2: 2),
// section index = sectionNumber + 1.
int addElfSymbol(AssemblerState* state, const char* name, int infoHigh, int kindSelect, int sectionNumber,
                 int32_t value, int32_t size, int flag);
// The same for a name already entered in state.names, by its number.
int addNamedElfSymbol(AssemblerState* state, int32_t name, int infoHigh, int kindSelect, int sectionNumber,
                      int32_t value, int32_t size, int flag);

// Room for `count` more `.symtab` entries whose names take `nameBytes` bytes, so that
// `.symtab` and `.strtab` are not copied as they grow.
void reserveElfSymbols(AssemblerState* state, size_t count, size_t nameBytes);

// Index of the first `.symtab` entry with that name, or -1. `exact` compares byte for
// byte; otherwise the comparison ignores case unless the -c switch is on.
int32_t findSymtabIndex(const AssemblerState* state, const char* name, bool exact);
// The first `.symtab` entry of name number `name` as relocations find it (ignoring case
// unless the -c switch is on), or -1.
int32_t firstSymtabEntry(const AssemblerState* state, int32_t name);
// The `.strtab` name of a `.symtab` entry.
const char* symtabEntryName(const AssemblerState* state, int32_t index);

// ---- Label ranges ("function sizes") ----

struct FunctionSizeEntry;
// Appends a label line's entry and indexes the first entry of each name.
void addFunctionEntry(AssemblerState* state, FunctionSizeEntry entry);
// Called by .FUNCTION and .FUNC_END in both passes: mark the label entry of `name` (its
// double quotes removed) as a declared function, and give it its size from the current
// text location.
void markFunctionEntry(AssemblerState* state, const char* name);
void setFunctionEntrySize(AssemblerState* state, const char* name);
