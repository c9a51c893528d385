// Instruction families: the instructions that share their operand forms, the code-word
// layout of each form and the relocation of symbol operands. Each family has one row in
// the family table (isa/familyTable.h); the size rule, the grammar, the encoder, the
// relocation of symbol operands and the disassembler all read it.
#pragma once

#include "isa/opcodeTable.h"

#include <cstdint>
#include <span>

struct Operand;
struct Statement;

enum InstructionFamily : uint8_t {
    FAM_PLAIN,     // no operands: NOP .. SWAPF, PUSHF, POPF, SETx, CLRx
    FAM_WAIT,      // WAIT, with or without a 5-bit count
    FAM_INT,       // INT (3-bit vector)
    FAM_CPYF,      // CPYF flag flag
    FAM_TXL,       // TXL
    FAM_WRCODE,    // WRCODE
    FAM_SP_STEP,   // SP_INC, SP_DEC
    FAM_SP_RW,     // SP_WR8 .. SP_RD32
    FAM_SP_ADDR,   // SP_LOAD (ids 50 and 60), SP_STORE
    FAM_PUSH,      // PUSH8, PUSH16, PUSH32
    FAM_POP,       // POP8, POP16, POP32
    FAM_LD,        // LD8, LD16, LD32
    FAM_CPYROM,    // CPYROM
    FAM_CPYMEM,    // CPYMEM
    FAM_SHIFT,     // shifts and rotates
    FAM_LOGIC,     // AND, OR, XOR, XNOR
    FAM_ARITH,     // ADD, ADC, SUB, SBC, MUL, DIV, REM, NEG
    FAM_INCDEC,    // INC, DEC
    FAM_BTST,      // BTST
    FAM_BCLRSET,   // BCLR, BSET
    FAM_INV,       // INV
    FAM_CPY,       // CPY
    FAM_OUTPORT,   // OUTPORT
    FAM_PORTLOGIC, // ANDPORT, ORPORT
    FAM_INPORT,    // INPORT
    FAM_PORTTST,   // PORTTST
    FAM_CMP,       // CMP8, CMP16, CMP32
    FAM_JUMP,      // JUMP, CALL and the conditional jumps and calls, direct or through a pointer
    FAM_COUNT
};

// Where a field of a code word takes its bits from. The first three are also the
// operand numbers of checks.
enum FieldSource : uint8_t {
    SRC_A,              // the operand values, a, b and c
    SRC_B,              //
    SRC_C,              //
    SRC_IA,             // 1 when the operand was written in parentheses
    SRC_IB,             //
    SRC_IC,             //
    SRC_SIZE,           // the size class (0 for an instruction without one)
    SRC_OPCODE,         // the id's base opcode
    SRC_ALT_OPCODE,     // the row's other opcode for the id, or else the base opcode
    SRC_C_MAGNITUDE,    // |c|, for a count stored as magnitude and sign
    SRC_C_NOT_NEGATIVE, // 1 when c is not negative
};

// One field: word `word` gets ((source >> shift) & mask) << to. A field that keeps a
// weak address passes the value 0xFFFF whole (the placeholder address of a weak name)
// instead of masking it.
struct LayoutField {
    uint8_t word = 0;
    uint8_t source = 0;
    uint8_t shift = 0;
    uint8_t to = 0;
    uint16_t mask = 0; // 0: no field (the end of the list)
    bool keepWeak = false;
};

// A check made on an operand before anything is written: 3015 for a value outside
// -128..255 (r8) or -32768..65535 (r16), 3014 for forbidden indirection.
enum CheckKind : uint8_t { CHECK_NONE, CHECK_R8, CHECK_R16, CHECK_DIRECT };

struct LayoutCheck {
    CheckKind kind = CHECK_NONE;
    uint8_t operand = 0; // SRC_A, SRC_B or SRC_C
};

constexpr bool passesCheck(CheckKind kind, int32_t value, bool indirect) {
    switch (kind) {
        case CHECK_R8:
            return value >= -128 && value <= 255;
        case CHECK_R16:
            return value >= -32768 && value <= 65535;
        case CHECK_DIRECT:
            return !indirect;
        case CHECK_NONE:
            break;
    }
    return true;
}

// The field an operand that names a relocatable symbol occupies, which tells the linker
// what to patch.
enum SymbolField : uint8_t {
    SF_UNSTATED,     // the row says nothing: no form can put a symbol here
    SF_REFUSED,      // the form takes a symbol here, but it cannot be relocated (3011)
    SF_PORT,         // a port number, bits 0-8
    SF_CODE,         // a code word address: bit 16 in bit 0, bits 0-15 in the next word
    SF_DATA,         // a data address (bits 0-13, or the whole word)
    SF_DATA_PLAIN,   // the same, always relocated without its addend
    SF_IMM8,         // an 8-bit immediate in bits 0-7
    SF_IMM16,        // a 16-bit immediate, the whole word
    SF_IMM32,        // a 32-bit immediate in two words, low half first
    SF_IMM8_SPLIT,   // bits 0-5 in bits 0-5, bits 6-7 in bits 14-15 of the next word
    SF_BIT5,         // a bit number or count in bits 0-4
    SF_SHIFT_COUNT,  // bits 1-4 in bits 1-4, bit 0 in bit 15 of the word two on
    SF_CPYMEM_COUNT, // magnitude bits 1-7 in bits 1-7, bit 0 and the sign in the next word
    SF_PORTTST_BIT,  // the bit number of PORTTST, bits 0-4
    kSymbolFieldCount
};

struct SymbolPlace {
    uint8_t word = 0; // the word the relocation names
    SymbolField field = SF_UNSTATED;
    // The relocation names a word that holds none of the operand's bits (CPY's
    // destination with an immediate source is relocated at the immediate's word).
    bool besideField = false;
};

constexpr int kMaxLayoutWords = 4;
constexpr int kMaxLayoutFields = 8;
constexpr int kMaxLayoutChecks = 2;
constexpr int8_t kAnyWidth = -2;    // a layout for every size class of the family
constexpr uint8_t kTableLength = 0; // the length the opcode table gives the id

// The code words of one operand pattern of a family.
struct InstructionLayout {
    // The operand pattern: one letter per operand, M for an address operand (see
    // isMemoryOperand), V for a value, * for either; "-" for no operands.
    const char* operands;
    int8_t width;       // the size class the layout is for, or kAnyWidth
    uint8_t length;     // in words; kTableLength for the opcode table's length
    uint16_t fixedBits; // constant bits of the first word
    LayoutField fields[kMaxLayoutFields];
    LayoutCheck checks[kMaxLayoutChecks]; // in the order they are made
    SymbolPlace symbols[3];               // per operand
};

// An opcode that one id of a family uses in place of its base opcode where a layout
// asks for SRC_ALT_OPCODE.
struct AlternateOpcode {
    int16_t id = -1;
    uint16_t opcode = 0;
};

struct FamilyRow {
    InstructionFamily family; // equal to the row index
    const char* name;
    const char* forms; // as "C $c, I I B"; "-" is the form without operands
    // The operand is a code address: a number is a word address that the front end
    // doubles into a byte address and hands over as an immediate.
    bool codeTarget;
    std::span<const InstructionLayout> layouts;
    AlternateOpcode alternates[2];
};

// The layout the statement's operands select for the entry's id, or null when its
// family has no such form.
const InstructionLayout* instructionLayout(const OpcodeEntry& entry, const Statement& statement);

// The length in words of a layout for the entry's id.
int layoutLength(const InstructionLayout& layout, const OpcodeEntry& entry);

// A layout's fields that read the operands, in the layout's order (mask 0 ends them).
struct OperandFields {
    const InstructionLayout* layout = nullptr;
    LayoutField fields[kMaxLayoutFields] = {};
};

// A layout made ready for one id, at compile time: the bits that do not depend on the
// operands (the fixed bits and the fields of the id's size class and opcodes) already
// set, and the layout's fields that read operands left to fill.
struct PreparedLayout {
    const OperandFields* operands = nullptr;
    uint16_t fixed[kMaxLayoutWords] = {}; // words are 16 bits: bits a field puts above them are cut off
    uint8_t length = 0;                   // in words, as layoutLength gives it
};

// The prepared layout the statement's operands select for the entry's id, or null when
// its family has no such form (as instructionLayout).
const PreparedLayout* preparedLayout(const OpcodeEntry& entry, const Statement& statement);

// The length in words of the layout the statement's operands select; -1 when there is
// none. The same as layoutLength of instructionLayout, from a table of its own.
int instructionLength(const OpcodeEntry& entry, const Statement& statement);

// The opcode that SRC_ALT_OPCODE stands for.
uint16_t alternateOpcode(const OpcodeEntry& entry);

// A memory operand: a direct address, or a symbol that does not stand for a label's
// address used as an immediate. The distinction survives resolution (a resolved label
// becomes a direct address, a resolved "$label" an immediate), so pass one and pass
// two agree on instruction lengths.
bool isMemoryOperand(const Operand& operand);

// The bits a field adds to its word for a value of its source.
constexpr uint32_t fieldBits(const LayoutField& field, uint32_t value) {
    // A weak name's placeholder address 0xFFFF survives whole.
    if (field.keepWeak && value == 0xFFFFu) return value;
    return ((value >> field.shift) & field.mask) << field.to;
}

// What a layout is filled from: the id, the opcode that SRC_ALT_OPCODE stands for, and
// the operand values and indirection flags.
struct LayoutInputs {
    const OpcodeEntry& entry;
    uint16_t alternate;
    int32_t value[3];
    bool indirect[3];
};

// The values of SRC_C_MAGNITUDE and SRC_C_NOT_NEGATIVE for a value of c. The magnitude
// is modulo 2^32, so -2^31 keeps bit 31 alone.
constexpr uint32_t magnitudeOf(int32_t c) {
    return c < 0 ? 0u - static_cast<uint32_t>(c) : static_cast<uint32_t>(c);
}
constexpr uint32_t notNegative(int32_t c) {
    return c >= 0 ? 1u : 0u;
}

// The values of every field source, indexed by FieldSource. All arithmetic is unsigned,
// so that negative operands wrap the way the target's two's-complement fields expect.
// They are all worked out up front, a handful of plain stores, so that filling a layout
// indexes them instead of branching on each field's source.
constexpr int kFieldSourceCount = SRC_C_NOT_NEGATIVE + 1;
constexpr void sourceValues(const LayoutInputs& in, uint32_t (&values)[kFieldSourceCount]) {
    for (int k = 0; k < 3; ++k) {
        values[SRC_A + k] = static_cast<uint32_t>(in.value[k]);
        values[SRC_IA + k] = in.indirect[k] ? 1u : 0u;
    }
    values[SRC_SIZE] = in.entry.sizeClass >= 0 ? static_cast<uint32_t>(in.entry.sizeClass) : 0u;
    values[SRC_OPCODE] = static_cast<uint32_t>(in.entry.opcode);
    values[SRC_ALT_OPCODE] = in.alternate;
    values[SRC_C_MAGNITUDE] = magnitudeOf(in.value[2]);
    values[SRC_C_NOT_NEGATIVE] = notNegative(in.value[2]);
}

// Whether a field reads the operands, rather than the id.
constexpr bool readsOperands(uint8_t source) {
    return source <= SRC_IC || source == SRC_C_MAGNITUDE || source == SRC_C_NOT_NEGATIVE;
}

// The words of a layout: its fixed bits and the bits of every field.
constexpr void fillLayoutWords(const InstructionLayout& layout, const LayoutInputs& in,
                               uint32_t (&words)[kMaxLayoutWords]) {
    uint32_t values[kFieldSourceCount]; // every entry set below
    sourceValues(in, values);
    for (uint32_t& word : words) word = 0;
    words[0] = layout.fixedBits;
    for (const LayoutField& field : layout.fields) {
        if (field.mask == 0) break;
        words[field.word] |= fieldBits(field, values[field.source]); // sources checked with the table
    }
}

// Operand patterns: a pattern string ("M V", "M M *", "-") read into the operand count
// and the operands whose kind it fixes.
struct OperandPattern {
    int count = -1;      // -1: the text is malformed
    unsigned care = 0;   // bit k: the pattern fixes operand k
    unsigned memory = 0; // bit k: operand k is an address (where cared for)
};

constexpr OperandPattern readOperandPattern(const char* text) {
    OperandPattern pattern;
    if (!text) return pattern;
    if (text[0] == '-' && text[1] == '\0') {
        pattern.count = 0;
        return pattern;
    }
    int count = 0;
    for (const char* p = text; *p; ++p) {
        if (*p == ' ') continue;
        if (count == 3 || (*p != 'M' && *p != 'V' && *p != '*')) return OperandPattern{};
        if (*p != '*') pattern.care |= 1u << count;
        if (*p == 'M') pattern.memory |= 1u << count;
        ++count;
    }
    pattern.count = count == 0 ? -1 : count;
    return pattern;
}

// The number of distinct concrete patterns: 1 without operands, 2, 4 and 8 with one,
// two and three.
constexpr int kPatternCount = 15;

// The index of a concrete pattern: `memory` has bit k set for an address operand k.
constexpr int patternIndex(int count, unsigned memory) {
    return (1 << count) - 1 + static_cast<int>(memory);
}
