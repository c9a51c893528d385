// Sections and location counters, and the resolution of symbol operands with the
// relocation entries they need.
#pragma once

#include <cstdint>
#include <memory>

struct AssemblerState;
struct DataBlock;
struct Statement;
struct OpcodeEntry;
struct InstructionWords;

// ---- Sections ----

// Sets up the thirteen predefined sections, the `.shstrtab` and `.strtab` buffers and
// the section type table. 0 or -1.
int setupPredefinedSections(AssemblerState* state);

// A new zeroed plain block of `capacity` bytes (2,046 for sections), owning its bytes.
std::unique_ptr<DataBlock> createDataBlock(int32_t start, int32_t capacity);
// The same with its bytes taken from the state's block arena: the way the assembler makes
// its blocks.
std::unique_ptr<DataBlock> createDataBlock(AssemblerState* state, int32_t start, int32_t capacity);
// Appends a block at the tail of a section's chain (it becomes head and tail of an empty chain).
DataBlock* appendBlock(AssemblerState* state, int ordinal, std::unique_ptr<DataBlock> block);
// The section's tail block, creating the first one at the section's counter when the chain is empty.
DataBlock* ensureTailBlock(AssemblerState* state, int ordinal);

int addSection(const char* name, AssemblerState* state); // 0, or -1 after 5004
void sectionLookup(const char* name, const AssemblerState* state, int* slotA, int* slotB, int* ordinal);
int32_t sectionTypeCode(const char* name, const AssemblerState* state);
void sectionAttributes(const char* name, int32_t* type, int32_t* flags);
int32_t sectionFlagFromLetter(char letter);
int32_t sectionTypeFromNumber(int32_t number);
// Finds a name in `.shstrtab` (ignoring case) from offset 1: 0 with its start and end
// offsets, or -1.
int findSectionName(const char* name, const uint8_t* buffer, int32_t size, int32_t* start, int32_t* end);
// Deletes a name from `.shstrtab`; 0, or -1 (3002 when absent).
int removeSectionName(const char* name, AssemblerState* state);
// Corrects the section index of every `.symtab` entry after `removed` of .text/.data were dropped.
void renumberSymbolSections(AssemblerState* state, int removed);
// Makes a section current by name (user sections); its number, or -1.
int setCurrentSection(AssemblerState* state, const char* name);

// Appends an instruction's words to the text section (pass two, after resolution); 0,
// or -1 after reporting.
int encodeInstruction(const OpcodeEntry* entry, AssemblerState* state, Statement* statement);
// The second half of encodeInstruction, for words computed already: the pad byte that
// puts the instruction on an even address, then the words (none when `failure`, the
// encoder's code, is not 0). 0, or -1 after a failure or after reporting.
int layDownWords(AssemblerState* state, const OpcodeEntry& entry, const InstructionWords& words,
                 int failure = 0);

// ---- Resolution and relocation ----

// Pass two, before encoding: replaces symbol operands by their values and records
// relocation entries. 0, or -1 after reporting.
int resolveOperands(AssemblerState* state, Statement* statement, const OpcodeEntry* entry);
// Appends one `.rel.text` entry for operand `operandIndex` (1 to 3) naming `name`.
int relocateText(AssemblerState* state, Statement* statement, const OpcodeEntry* entry, const char* name,
                 int operandIndex, int32_t addend);
