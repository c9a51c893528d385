// The family table: one row per instruction family. A row gives the operand forms the
// family's mnemonics accept (a mnemonic that lacks some of them says so in the mnemonic
// table), the code words each operand pattern assembles to with the checks made first,
// and the field each symbol operand occupies, which fixes its relocation. Where the
// ids of a family differ, the row says how: layouts for one size class, or another
// opcode for one id. Everything here is constant data, visible to the constant
// expressions that derive the per-mnemonic and per-id tables from it.
#pragma once

#include "isa/instructionFamily.h"
#include "isa/opcodeTable.h"
#include "isa/operandForms.h"

// The vocabulary of the layouts below.
namespace familyLayouts {

constexpr LayoutField bits(uint8_t word, FieldSource source, uint16_t mask, uint8_t to = 0,
                           uint8_t shift = 0) {
    return {word, source, shift, to, mask, false};
}
constexpr LayoutField opcode() {
    return bits(0, SRC_OPCODE, 0xFFFF);
}
constexpr LayoutField alternate() {
    return bits(0, SRC_ALT_OPCODE, 0xFFFF);
}
// The operation bits of an opcode, for the address forms whose opcode the operations of
// all three widths share.
constexpr LayoutField operation() {
    return bits(0, SRC_OPCODE, 0x00FF);
}
constexpr LayoutField low(uint8_t word, FieldSource source) {
    return bits(word, source, 0xFFFF);
}
constexpr LayoutField high(uint8_t word, FieldSource source) {
    return bits(word, source, 0xFFFF, 0, 16);
}
constexpr LayoutField lo14(uint8_t word, FieldSource source) {
    return bits(word, source, 0x3FFF);
}
constexpr LayoutField keep14(uint8_t word, FieldSource source) {
    return {word, source, 0, 0, 0x3FFF, true};
}
// The size class in bits 14-15 of the second word.
constexpr LayoutField size14() {
    return bits(1, SRC_SIZE, 3, 14);
}
// An indirection flag (SRC_IA, SRC_IB, SRC_IC) in one bit of the first word.
constexpr LayoutField paren(FieldSource flag, uint8_t bit) {
    return bits(0, flag, 1, bit);
}

constexpr LayoutCheck r8(FieldSource operand) {
    return {CHECK_R8, operand};
}
constexpr LayoutCheck r16(FieldSource operand) {
    return {CHECK_R16, operand};
}
constexpr LayoutCheck direct(FieldSource operand) {
    return {CHECK_DIRECT, operand};
}

constexpr SymbolPlace at(uint8_t word, SymbolField field) {
    return {word, field, false};
}
constexpr SymbolPlace port(uint8_t word) {
    return at(word, SF_PORT);
}
constexpr SymbolPlace data(uint8_t word) {
    return at(word, SF_DATA);
}
constexpr SymbolPlace imm8(uint8_t word) {
    return at(word, SF_IMM8);
}
constexpr SymbolPlace imm16(uint8_t word) {
    return at(word, SF_IMM16);
}
constexpr SymbolPlace imm32(uint8_t word) {
    return at(word, SF_IMM32);
}
constexpr SymbolPlace bit5(uint8_t word) {
    return at(word, SF_BIT5);
}
constexpr SymbolPlace refused() {
    return {0, SF_REFUSED, false};
}

// Short names for the rows below: the size classes, the operands and their indirection
// flags, and the other field sources.
constexpr int8_t W8 = 0, W16 = 1, W32 = 2, ANY = kAnyWidth;
constexpr uint8_t TABLE = kTableLength;
constexpr FieldSource A = SRC_A, B = SRC_B, C = SRC_C, IA = SRC_IA, IB = SRC_IB, IC = SRC_IC;
constexpr FieldSource SIZE = SRC_SIZE, OPCODE = SRC_OPCODE, C_MAGNITUDE = SRC_C_MAGNITUDE,
                      C_NOT_NEGATIVE = SRC_C_NOT_NEGATIVE;

inline constexpr InstructionLayout kPlain[] = {
    {"-", ANY, TABLE, 0, {opcode()}, {}, {}},
};

// WAIT also takes a 5-bit count; an indirect count is refused.
inline constexpr InstructionLayout kWait[] = {
    {"-", ANY, TABLE, 0, {opcode()}, {}, {}},
    {"M", ANY, TABLE, 0x0060, {bits(0, A, 0x1F)}, {direct(A)}, {refused()}},
};

inline constexpr InstructionLayout kInt[] = {
    {"M", ANY, TABLE, 0x0040, {bits(0, A, 7)}, {}, {refused()}},
};

inline constexpr InstructionLayout kCpyf[] = {
    {"V V", ANY, TABLE, 0x0100, {bits(0, A, 15, 4), bits(0, B, 15)}, {}, {}},
};

// TXL reads code memory through the first address; the second cannot be indirect.
inline constexpr InstructionLayout kTxl[] = {
    {"M M", ANY, TABLE, 0xFD00, {paren(IA, 0), lo14(1, B), lo14(2, A)}, {direct(B)}, {data(2), data(1)}},
};

inline constexpr InstructionLayout kWrcode[] = {
    {"M M", ANY, TABLE, 0xFD20, {paren(IB, 0), lo14(1, B), lo14(2, A)}, {}, {data(2), data(1)}},
};

inline constexpr InstructionLayout kSpStep[] = {
    {"V", ANY, TABLE, 0, {opcode(), bits(0, A, 0xFF)}, {}, {imm8(0)}},
};

inline constexpr InstructionLayout kSpRw[] = {
    {"M V",
     ANY,
     TABLE,
     0,
     {opcode(), bits(0, B, 0xFF), lo14(1, A), size14()},
     {r8(B), direct(A)},
     {data(1), imm8(0)}},
};

// SP_LOAD from memory has an opcode of its own (the row's alternate for id 60).
inline constexpr InstructionLayout kSpAddr[] = {
    {"V", ANY, TABLE, 0, {opcode(), low(1, A)}, {}, {data(1)}},
    {"M", ANY, TABLE, 0, {alternate(), paren(IA, 0), low(1, A)}, {}, {data(1)}},
};

// An immediate takes the instruction's width; an address is one form for all widths.
inline constexpr InstructionLayout kPush[] = {
    {"M", ANY, 2, 0xF200, {paren(IA, 0), lo14(1, A), size14()}, {}, {data(1)}},
    {"V", W8, TABLE, 0, {opcode(), bits(0, A, 0xFF)}, {}, {imm8(0)}},
    {"V", W16, TABLE, 0, {opcode(), low(1, A)}, {}, {imm16(1)}},
    {"V", W32, TABLE, 0, {opcode(), low(1, A), high(2, A)}, {}, {imm32(1)}},
};

// POP writes to memory: a "$label" operand assembles but cannot be relocated.
inline constexpr InstructionLayout kPop[] = {
    {"M", ANY, TABLE, 0, {opcode(), bits(0, SIZE, 3, 6), paren(IA, 0), low(1, A)}, {}, {data(1)}},
    {"V", ANY, TABLE, 0, {opcode(), bits(0, SIZE, 3, 6), paren(IA, 0), low(1, A)}, {}, {refused()}},
};

inline constexpr InstructionLayout kLd[] = {
    {"M V", W8, TABLE, 0, {opcode(), bits(0, B, 0xFF), paren(IA, 8), low(1, A)}, {r8(B)}, {data(1), imm8(0)}},
    {"M V", W16, TABLE, 0, {opcode(), paren(IA, 8), low(1, A), low(2, B)}, {r16(B)}, {data(1), imm16(2)}},
    {"M V",
     W32,
     TABLE,
     0,
     {opcode(), paren(IA, 8), low(1, A), low(2, B), high(3, B)},
     {},
     {data(1), imm32(2)}},
};

// The count is an 8-bit field of the first word, whatever way it is written.
inline constexpr InstructionLayout kCpyrom[] = {
    {"M M *",
     ANY,
     TABLE,
     0,
     {opcode(), paren(IA, 8), bits(0, C, 0xFF), lo14(1, B), lo14(2, A)},
     {direct(B)},
     {data(2), data(1), imm8(0)}},
};

// The count is stored as magnitude and sign: bits 1-7 in the first word, bit 0 in bit 15
// of the second, and bit 14 of the second set for a count that is not negative.
inline constexpr InstructionLayout kCpymem[] = {
    {"M M *",
     ANY,
     TABLE,
     0,
     {opcode(), paren(IA, 8), paren(IB, 0), bits(0, C_MAGNITUDE, 0xFE), lo14(1, B),
      bits(1, C_MAGNITUDE, 1, 15), bits(1, C_NOT_NEGATIVE, 1, 14), keep14(2, A)},
     {},
     {data(2), data(1), at(0, SF_CPYMEM_COUNT)}},
};

// The address forms use opcodes of their own, shared by the widths: 0x3C00, 0x3400 and
// 0x3E00 with the operation bits of the instruction's opcode. A three-operand count
// keeps bits 1-4 in the first word and bit 0 in bit 15 of the third.
inline constexpr InstructionLayout kShift[] = {
    {"M V",
     ANY,
     TABLE,
     0,
     {opcode(), bits(0, B, 0x1F), paren(IA, 8), lo14(1, A), size14()},
     {},
     {data(1), bit5(0)}},
    {"M M",
     ANY,
     3,
     0x3C00,
     {operation(), paren(IA, 8), paren(IB, 1), lo14(1, B), size14(), low(2, A)},
     {},
     {data(2), data(1)}},
    {"M M V",
     ANY,
     3,
     0x3400,
     {operation(), paren(IA, 8), paren(IB, 0), bits(0, C, 0xF, 1, 1), lo14(1, B), size14(), lo14(2, A),
      bits(2, C, 1, 15)},
     {},
     {data(2), at(1, SF_DATA_PLAIN), at(0, SF_SHIFT_COUNT)}},
    {"M M M",
     ANY,
     4,
     0x3E00,
     {operation(), paren(IA, 8), paren(IB, 0), paren(IC, 1), lo14(1, C), size14(), keep14(2, B),
      keep14(3, A)},
     {},
     {data(3), at(2, SF_DATA_PLAIN), data(1)}},
};

// The address forms share 0x5400 and 0x5600 (plus the operation bits) across the widths;
// the width travels in bits 14-15 of the second word. The 8-bit immediate is split:
// bits 0-5 in the first word, bits 6-7 in bits 14-15 of the second.
inline constexpr InstructionLayout kLogic[] = {
    {"M V",
     W8,
     TABLE,
     0,
     {opcode(), bits(0, B, 0x3F), paren(IA, 8), lo14(1, A), bits(1, B, 3, 14, 6)},
     {r8(B)},
     {data(1), at(0, SF_IMM8_SPLIT)}},
    {"M V", W16, TABLE, 0, {opcode(), paren(IA, 8), low(1, A), low(2, B)}, {r16(B)}, {data(1), imm16(2)}},
    {"M V",
     W32,
     TABLE,
     0,
     {opcode(), paren(IA, 8), low(1, A), low(2, B), high(3, B)},
     {},
     {data(1), imm32(2)}},
    {"M M",
     ANY,
     3,
     0x5400,
     {operation(), paren(IA, 8), paren(IB, 0), lo14(1, B), size14(), low(2, A)},
     {},
     {data(2), data(1)}},
    {"M M M",
     ANY,
     4,
     0x5600,
     {operation(), paren(IA, 8), paren(IB, 0), paren(IC, 1), lo14(1, B), size14(), low(2, C), low(3, A)},
     {},
     {data(3), data(1), data(2)}},
};

// As the logic family, with 0x7400 and 0x7600. The 8-bit immediate form moves ADC,
// SUB and SBC (operations 1 to 3) into bits 14-15 of the second word and keeps the
// operation bits of the first word for the immediate (MUL8 to NEG8 take no immediate).
inline constexpr InstructionLayout kArith[] = {
    {"M V",
     W8,
     TABLE,
     0,
     {bits(0, OPCODE, 0xFF00), bits(0, B, 0xFF), paren(IA, 8), lo14(1, A), bits(1, OPCODE, 3, 14, 4)},
     {r8(B)},
     {data(1), imm8(0)}},
    {"M V", W16, TABLE, 0, {opcode(), paren(IA, 8), keep14(1, A), low(2, B)}, {r16(B)}, {data(1), imm16(2)}},
    {"M V",
     W32,
     TABLE,
     0,
     {opcode(), paren(IA, 8), keep14(1, A), low(2, B), high(3, B)},
     {},
     {data(1), imm32(2)}},
    {"M M",
     ANY,
     3,
     0x7400,
     {operation(), paren(IA, 8), paren(IB, 0), lo14(1, B), size14(), low(2, A)},
     {},
     {data(2), data(1)}},
    {"M M M",
     ANY,
     4,
     0x7600,
     {operation(), paren(IA, 8), paren(IB, 0), paren(IC, 1), lo14(1, B), size14(), low(2, C), low(3, A)},
     {},
     {data(3), data(1), data(2)}},
};

inline constexpr InstructionLayout kIncDec[] = {
    {"M V",
     ANY,
     TABLE,
     0,
     {opcode(), bits(0, B, 0xFF), paren(IA, 8), lo14(1, A), size14()},
     {r8(B)},
     {data(1), imm8(0)}},
};

// The optional flag operand goes into bits 5-8 of the first word.
inline constexpr InstructionLayout kBtst[] = {
    {"M V",
     ANY,
     TABLE,
     0,
     {opcode(), bits(0, B, 0x1F), paren(IA, 9), lo14(1, A), size14()},
     {},
     {data(1), bit5(0)}},
    {"M * *",
     ANY,
     TABLE,
     0,
     {opcode(), bits(0, B, 0x1F), bits(0, C, 15, 5), paren(IA, 9), lo14(1, A), size14()},
     {},
     {data(1), bit5(0), bit5(0)}},
};

inline constexpr InstructionLayout kBclrSet[] = {
    {"M V",
     ANY,
     TABLE,
     0,
     {opcode(), bits(0, B, 0x1F), paren(IA, 5), lo14(1, A), size14()},
     {r8(B)},
     {data(1), bit5(0)}},
};

// INV with an immediate checks it but does not encode it.
inline constexpr InstructionLayout kInv[] = {
    {"M V", ANY, TABLE, 0, {opcode(), lo14(1, A), size14()}, {r8(B)}, {data(1), refused()}},
    {"M M",
     ANY,
     3,
     0x4440,
     {paren(IA, 8), paren(IB, 0), lo14(1, B), size14(), low(2, A)},
     {},
     {data(2), data(1)}},
};

// CPY has one layout for both sources. With an immediate source the destination has
// always been relocated at the word of the immediate, and objects depend on that.
inline constexpr InstructionLayout kCpy[] = {
    {"M V",
     ANY,
     TABLE,
     0,
     {opcode(), paren(IA, 8), paren(IB, 0), lo14(1, B), size14(), low(2, A)},
     {},
     {{1, SF_DATA, true}, refused()}},
    {"M M",
     ANY,
     TABLE,
     0,
     {opcode(), paren(IA, 8), paren(IB, 0), lo14(1, B), size14(), low(2, A)},
     {},
     {data(2), data(1)}},
};

// Port numbers take 9 bits; the port operand cannot be indirect, and that is checked
// before the range of the value.
inline constexpr InstructionLayout kOutport[] = {
    {"M V", ANY, TABLE, 0, {opcode(), bits(0, A, 0x1FF), low(1, B)}, {direct(A), r8(B)}, {port(0), imm8(1)}},
    {"M M",
     ANY,
     TABLE,
     0xB400,
     {bits(0, A, 0x1FF), paren(IB, 9), low(1, B)},
     {direct(A)},
     {port(0), data(1)}},
};

// Three operands use the row's alternate opcodes: 0xC000 for ANDPORT, 0xC400 for ORPORT.
inline constexpr InstructionLayout kPortLogic[] = {
    {"M V", ANY, TABLE, 0, {opcode(), bits(0, A, 0x1FF), low(1, B)}, {r8(B), direct(A)}, {port(0), imm8(1)}},
    {"M M *",
     ANY,
     3,
     0,
     {alternate(), bits(0, A, 0x1FF), paren(IB, 9), low(1, C), low(2, B)},
     {r8(C), direct(A)},
     {port(0), data(2), imm8(1)}},
};

inline constexpr InstructionLayout kInport[] = {
    {"M V",
     ANY,
     TABLE,
     0,
     {opcode(), bits(0, A, 0x1FF), paren(IB, 9), low(1, B)},
     {direct(A)},
     {port(0), imm8(1)}},
    {"M M",
     ANY,
     TABLE,
     0,
     {opcode(), bits(0, A, 0x1FF), paren(IB, 9), low(1, B)},
     {direct(A)},
     {port(0), data(1)}},
};

inline constexpr InstructionLayout kPorttst[] = {
    {"M V",
     ANY,
     TABLE,
     0,
     {opcode(), bits(0, A, 0x1FF), bits(1, B, 0x1F)},
     {r8(B), direct(A)},
     {port(0), at(1, SF_PORTTST_BIT)}},
    {"M * *",
     ANY,
     TABLE,
     0,
     {opcode(), bits(0, A, 0x1FF), bits(1, B, 0x1F), bits(1, C, 15, 5)},
     {r8(B), direct(A)},
     {port(0), at(1, SF_PORTTST_BIT), at(1, SF_PORTTST_BIT)}},
};

// The compare address form keeps the operands in written order and swaps the places of
// the two indirection flags, unlike the logic address form.
inline constexpr InstructionLayout kCmp[] = {
    {"M V", W8, TABLE, 0, {opcode(), bits(0, B, 0xFF), paren(IA, 8), low(1, A)}, {r8(B)}, {data(1), imm8(0)}},
    {"M V", W16, TABLE, 0, {opcode(), paren(IA, 8), low(1, A), low(2, B)}, {r16(B)}, {data(1), imm16(2)}},
    {"M V",
     W32,
     TABLE,
     0,
     {opcode(), paren(IA, 8), low(1, A), low(2, B), high(3, B)},
     {},
     {data(1), imm32(2)}},
    {"M M",
     ANY,
     3,
     0xE400,
     {paren(IB, 8), paren(IA, 0), lo14(1, A), size14(), low(2, B)},
     {},
     {data(1), data(2)}},
};

// The byte address becomes a 17-bit word address: bit 16 in bit 0 of the first word,
// bits 0-15 in the second.
inline constexpr InstructionLayout kJump[] = {
    {"*", ANY, TABLE, 0, {opcode(), bits(0, A, 1, 0, 17), bits(1, A, 0xFFFF, 0, 1)}, {}, {at(0, SF_CODE)}},
};

} // namespace familyLayouts

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
    {FAM_PLAIN, "PLAIN", "-", false, familyLayouts::kPlain, {}},
    {FAM_WAIT, "WAIT", "-, C, I", false, familyLayouts::kWait, {}},
    {FAM_INT, "INT", "C, I", false, familyLayouts::kInt, {}},
    {FAM_CPYF, "CPYF", "F F", false, familyLayouts::kCpyf, {}},
    {FAM_TXL, "TXL", kAddressPairForms, false, familyLayouts::kTxl, {}},
    {FAM_WRCODE, "WRCODE", kAddressPairForms, false, familyLayouts::kWrcode, {}},
    {FAM_SP_STEP, "SP_STEP", "$c, $l", false, familyLayouts::kSpStep, {}},
    {FAM_SP_RW, "SP_RW", kAddressValueForms, false, familyLayouts::kSpRw, {}},
    {FAM_SP_ADDR, "SP_ADDR", kStackForms, false, familyLayouts::kSpAddr, {{INS_SP_LOAD, 0x1B00}}},
    {FAM_PUSH, "PUSH", kStackForms, false, familyLayouts::kPush, {}},
    {FAM_POP, "POP", kStackForms, false, familyLayouts::kPop, {}},
    {FAM_LD, "LD", kAddressValueForms, false, familyLayouts::kLd, {}},
    {FAM_CPYROM,
     "CPYROM",
     "C C $c, C C $l, C I $c, C I $l, I C $c, I C $l, I I $c, I I $l, C I I, C C I, C I C",
     false,
     familyLayouts::kCpyrom,
     {}},
    {FAM_CPYMEM,
     "CPYMEM",
     "C C $c, C C $l, C I $c, I C $c, I I $c, I I $l, C I I, C C I, C I C",
     false,
     familyLayouts::kCpymem,
     {}},
    {FAM_SHIFT,
     "SHIFT",
     "C $c, C $l, I $c, I $l, B $c, B $l, C C, I I, I B, B I, B B, "
     "C C C, C C I, C C B, C C $c, C C $l, C I C, C I I, C B B, I C C, I C I, I C B, I I C, I I I, I I B, "
     "I I $c, I I $l, I B I, I B B, B C C, B C I, B C B, B I I, B I B, B B I, B B B",
     false,
     familyLayouts::kShift,
     {}},
    {FAM_LOGIC,
     "LOGIC",
     "C $c, C $l, I $c, I $l, B $c, B $l, C C, C I, C B, I C, I I, I B, B C, B I, B B, "
     "C C C, C C I, C C B, C I I, C B B, I I C, I I I, I I B, I B I, I B B, B B I, B B B, B I I, B I B",
     false,
     familyLayouts::kLogic,
     {}},
    {FAM_ARITH,
     "ARITH",
     "C $c, C $l, I $c, I $l, B $c, B $l, C C, C I, C B, I C, I I, I B, B C, B I, B B, "
     "C C C, C C I, C C B, C I C, C I I, C B B, C B C, I C C, I C I, I C B, I I C, I I I, I I B, I B C, "
     "I B I, I B B, B C C, B C I, B C B, B I C, B I I, B I B, B B C, B B I, B B B",
     false,
     familyLayouts::kArith,
     {}},
    {FAM_INCDEC, "INCDEC", kAddressValueForms, false, familyLayouts::kIncDec, {}},
    {FAM_BTST,
     "BTST",
     "C $c, C $l, I $c, I $l, B $c, B $l, C $c F, C $l F, I $c F, I $l F, B $c F, B $l F, C I I, C C I, C I "
     "C",
     false,
     familyLayouts::kBtst,
     {}},
    {FAM_BCLRSET, "BCLRSET", kAddressValueForms, false, familyLayouts::kBclrSet, {}},
    {FAM_INV, "INV", kInvCpyForms, false, familyLayouts::kInv, {}},
    {FAM_CPY, "CPY", kInvCpyForms, false, familyLayouts::kCpy, {}},
    {FAM_OUTPORT, "OUTPORT", kPortIoForms, false, familyLayouts::kOutport, {}},
    {FAM_PORTLOGIC,
     "PORTLOGIC",
     "C $c, C $l, I $c, I $l, C C $c, C C $l, I I $c, I I $l, C C I, C I C",
     false,
     familyLayouts::kPortLogic,
     {{INS_ANDPORT, 0xC000}, {INS_ORPORT, 0xC400}}},
    {FAM_INPORT, "INPORT", kPortIoForms, false, familyLayouts::kInport, {}},
    {FAM_PORTTST,
     "PORTTST",
     "C $c, C $l, I $c, I $l, C $c F, C $l F, I $c F, I $l F, C C I, C I C",
     false,
     familyLayouts::kPorttst,
     {}},
    {FAM_CMP,
     "CMP",
     "C $c, C $l, I $c, I $l, B $c, B $l, C C, I I, I B, B I, B B",
     false,
     familyLayouts::kCmp,
     {}},
    {FAM_JUMP, "JUMP", "C, I, B", true, familyLayouts::kJump, {}},
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

// The layout a row gives a concrete operand pattern (`memory` has bit k set for an
// address operand k) at a size class: the position in the row's list of the first
// layout that fits, or -1 when none does. The run-time lookups go through an index
// built from this.
constexpr int rowLayoutIndex(const FamilyRow& row, int count, unsigned memory, int sizeClass) {
    for (size_t n = 0; n < row.layouts.size(); ++n) {
        const InstructionLayout& layout = row.layouts[n];
        const OperandPattern pattern = readOperandPattern(layout.operands);
        if (pattern.count == count && (memory & pattern.care) == pattern.memory &&
            (layout.width == kAnyWidth || layout.width == sizeClass))
            return static_cast<int>(n);
    }
    return -1;
}

// The address operands of a written form: C, I and B are addresses, except where the
// row's operand is a code target, which the front end hands over as a value.
constexpr unsigned formMemory(const FamilyRow& row, int code) {
    unsigned memory = 0;
    for (int k = 0; k < signatureLength(code); ++k) {
        const OperandShape shape = signatureShape(code, k);
        if (!row.codeTarget && (shape == SHAPE_C || shape == SHAPE_I || shape == SHAPE_B)) memory |= 1u << k;
    }
    return memory;
}

// The opcode an id uses where a layout asks for SRC_ALT_OPCODE: the alternate its row
// names, or else its base opcode.
constexpr uint16_t familyAlternateOpcode(int id) {
    if (id < 0 || id >= kInstructionCount) return 0;
    for (const AlternateOpcode& alternate : kFamilyTable[familyOfId(id)].alternates)
        if (alternate.id == id) return alternate.opcode;
    return static_cast<uint16_t>(kOpcodeTable[id].opcode);
}
