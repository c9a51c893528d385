// The family table: one row per instruction family. A row gives the operand forms the
// family's mnemonics accept; a mnemonic that lacks some of them says so in the mnemonic
// table. Everything here is constant data, visible to the constant expressions that
// derive the per-mnemonic and per-id tables from it.
#pragma once

#include "isa/instructionFamily.h"
#include "isa/opcodeTable.h"

struct FamilyRow {
    InstructionFamily family; // equal to the row index
    const char* name;
    const char* forms; // as "C $c, I I B"; "-" is the form without operands
};

// Form lists that several families share.
inline constexpr const char* kAddressPairForms = "C C, I C, B C, C I, C B, I I, I B, B I, B B";
inline constexpr const char* kAddressValueForms = "C $c, C $l, I $c, I $l, B $c, B $l";
inline constexpr const char* kStackForms = "$c, $l, C, I, B";
inline constexpr const char* kInvCpyForms =
    "C $c, C $l, I $c, I $l, B $c, B $l, C C, C I, C B, I C, I I, I B, B C, B B";
inline constexpr const char* kPortIoForms = "C $c, C $l, C C, C I, I $c, I $l, I I, I B, I C";

// The three-operand shift, logic and arithmetic lists are not supersets of one another:
// each family accepts exactly the forms listed.
inline constexpr FamilyRow kFamilyTable[FAM_COUNT] = {
    {FAM_PLAIN, "PLAIN", "-"},
    {FAM_WAIT, "WAIT", "-, C, I"},
    {FAM_INT, "INT", "C, I"},
    {FAM_CPYF, "CPYF", "F F"},
    {FAM_TXL, "TXL", kAddressPairForms},
    {FAM_WRCODE, "WRCODE", kAddressPairForms},
    {FAM_SP_STEP, "SP_STEP", "$c, $l"},
    {FAM_SP_RW, "SP_RW", kAddressValueForms},
    {FAM_SP_ADDR, "SP_ADDR", kStackForms},
    {FAM_PUSH, "PUSH", kStackForms},
    {FAM_POP, "POP", kStackForms},
    {FAM_LD, "LD", kAddressValueForms},
    {FAM_CPYROM, "CPYROM",
     "C C $c, C C $l, C I $c, C I $l, I C $c, I C $l, I I $c, I I $l, C I I, C C I, C I C"},
    {FAM_CPYMEM, "CPYMEM", "C C $c, C C $l, C I $c, I C $c, I I $c, I I $l, C I I, C C I, C I C"},
    {FAM_SHIFT, "SHIFT",
     "C $c, C $l, I $c, I $l, B $c, B $l, C C, I I, I B, B I, B B, "
     "C C C, C C I, C C B, C C $c, C C $l, C I C, C I I, C B B, I C C, I C I, I C B, I I C, I I I, I I B, "
     "I I $c, I I $l, I B I, I B B, B C C, B C I, B C B, B I I, B I B, B B I, B B B"},
    {FAM_LOGIC, "LOGIC",
     "C $c, C $l, I $c, I $l, B $c, B $l, C C, C I, C B, I C, I I, I B, B C, B I, B B, "
     "C C C, C C I, C C B, C I I, C B B, I I C, I I I, I I B, I B I, I B B, B B I, B B B, B I I, B I B"},
    {FAM_ARITH, "ARITH",
     "C $c, C $l, I $c, I $l, B $c, B $l, C C, C I, C B, I C, I I, I B, B C, B I, B B, "
     "C C C, C C I, C C B, C I C, C I I, C B B, C B C, I C C, I C I, I C B, I I C, I I I, I I B, I B C, "
     "I B I, I B B, B C C, B C I, B C B, B I C, B I I, B I B, B B C, B B I, B B B"},
    {FAM_INCDEC, "INCDEC", kAddressValueForms},
    {FAM_BTST, "BTST",
     "C $c, C $l, I $c, I $l, B $c, B $l, C $c F, C $l F, I $c F, I $l F, B $c F, B $l F, C I I, C C I, C I "
     "C"},
    {FAM_BCLRSET, "BCLRSET", kAddressValueForms},
    {FAM_INV, "INV", kInvCpyForms},
    {FAM_CPY, "CPY", kInvCpyForms},
    {FAM_OUTPORT, "OUTPORT", kPortIoForms},
    {FAM_PORTLOGIC, "PORTLOGIC", "C $c, C $l, I $c, I $l, C C $c, C C $l, I I $c, I I $l, C C I, C I C"},
    {FAM_INPORT, "INPORT", kPortIoForms},
    {FAM_PORTTST, "PORTTST", "C $c, C $l, I $c, I $l, C $c F, C $l F, I $c F, I $l F, C C I, C I C"},
    {FAM_CMP, "CMP", "C $c, C $l, I $c, I $l, B $c, B $l, C C, I I, I B, B I, B B"},
    {FAM_JUMP, "JUMP", "C, I, B"},
};

constexpr bool familyRowsInOrder() {
    for (int f = 0; f < FAM_COUNT; ++f)
        if (kFamilyTable[f].family != f) return false;
    return true;
}
static_assert(familyRowsInOrder(), "the family table is indexed by InstructionFamily");

// Which ids belong to which family.
struct FamilyIds {
    int16_t first;
    int16_t last;
    InstructionFamily family;
};

inline constexpr FamilyIds kFamilyIds[] = {
    {0, 1, FAM_PLAIN},       {2, 2, FAM_WAIT},        {3, 13, FAM_PLAIN},        {14, 14, FAM_INT},
    {15, 46, FAM_PLAIN},     {47, 47, FAM_CPYF},      {48, 48, FAM_TXL},         {49, 49, FAM_WRCODE},
    {50, 50, FAM_SP_ADDR},   {51, 52, FAM_SP_STEP},   {53, 58, FAM_SP_RW},       {59, 60, FAM_SP_ADDR},
    {61, 63, FAM_PUSH},      {64, 66, FAM_POP},       {67, 69, FAM_LD},          {70, 70, FAM_CPYROM},
    {71, 71, FAM_CPYMEM},    {72, 95, FAM_SHIFT},     {96, 107, FAM_LOGIC},      {108, 131, FAM_ARITH},
    {132, 137, FAM_INCDEC},  {138, 140, FAM_BTST},    {141, 146, FAM_BCLRSET},   {147, 149, FAM_INV},
    {150, 152, FAM_CPY},     {153, 153, FAM_OUTPORT}, {154, 155, FAM_PORTLOGIC}, {156, 156, FAM_INPORT},
    {157, 157, FAM_PORTTST}, {158, 160, FAM_CMP},     {161, 244, FAM_JUMP},
};

// The id ranges must be in order, contiguous and cover the whole opcode table.
constexpr bool familyIdsCoverTable() {
    int next = 0;
    for (const FamilyIds& range : kFamilyIds) {
        if (range.first != next || range.last < range.first) return false;
        next = range.last + 1;
    }
    return next == kInstructionCount;
}
static_assert(familyIdsCoverTable(), "family id ranges must cover ids 0 to 244 once each");

// The family of an id, in constant expressions; FAM_COUNT outside the table.
constexpr InstructionFamily familyOfId(int id) {
    for (const FamilyIds& range : kFamilyIds)
        if (id >= range.first && id <= range.last) return range.family;
    return FAM_COUNT;
}
