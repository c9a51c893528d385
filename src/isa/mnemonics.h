// The mnemonics of the source language: their spellings, instruction ids and the
// operand shapes each of them accepts.
#pragma once

#include <cstddef>
#include <cstdint>

// Shape of one written operand.
enum OperandShape : uint8_t {
    SHAPE_NONE = 0,
    SHAPE_C = 1,     // a number
    SHAPE_I = 2,     // an identifier, possibly in parentheses
    SHAPE_B = 3,     // name+N..., possibly in parentheses
    SHAPE_IMM_C = 4, // $number
    SHAPE_IMM_L = 5, // $name
    SHAPE_F = 6,     // a flag name
    kShapeCount = 7, // base of the signature code
};

// A sequence of up to three shapes is coded as s1 + 7*s2 + 49*s3; a shorter sequence
// leaves the higher digits 0.
constexpr int kSignatureSpace = kShapeCount * kShapeCount * kShapeCount;

// A set of signature codes that can be built in constant expressions (the setters of
// std::bitset are not constexpr).
struct SignatureSet {
    uint64_t bits[(kSignatureSpace + 63) / 64] = {};
    constexpr bool test(size_t code) const { return (bits[code / 64] >> (code % 64)) & 1; }
    constexpr void set(size_t code, bool on = true) {
        const uint64_t bit = uint64_t{1} << (code % 64);
        bits[code / 64] = on ? bits[code / 64] | bit : bits[code / 64] & ~bit;
    }
};

// The accepted operand sequences of one mnemonic, and every prefix of them, so that
// the grammar can tell at each token whether the line can still become an accepted form.
struct FormSet {
    SignatureSet complete;
    SignatureSet prefix;
};

enum JumpKind : uint8_t {
    JUMP_NONE = 0,
    JUMP_PLAIN = 1, // JUMP: a parenthesised name selects the indirect id; also accepted without END
    JUMP_CALL = 2,  // CALL: a parenthesised name selects the indirect id
    JUMP_COND = 3,  // conditional jumps and calls: parentheses around a name are dropped
};

// Families of mnemonics that share their operand forms.
enum FormGroup : uint8_t {
    FG_NONE,     // no operands
    FG_WAIT,     // none, C, I
    FG_INT,      // C, I
    FG_CPYF,     // F F
    FG_TXL,      // two memory operands
    FG_SP_STEP,  // $c, $l
    FG_SP_STORE, // C, I, B
    FG_PUSH,     // one operand of any kind but a flag
    FG_IMM6,     // a memory operand and an immediate
    FG_SHIFT,    // shifts and rotates
    FG_LOGIC,    // AND, OR, XOR, XNOR
    FG_ARITH,    // ADD ... NEG
    FG_INV_CPY,  // INV, CPY
    FG_BTST,     // bit tests
    FG_CMP,      // compares
    FG_BRANCH,   // jumps and calls: C, I, B
    FG_CPYROM,
    FG_CPYMEM,
    FG_PORT_IO,  // OUTPORT, INPORT
    FG_PORT_LOG, // ANDPORT, ORPORT
    FG_PORTTST,
    kFormGroupCount,
};

struct MnemonicInfo {
    const char* spelling; // as written in the source
    int16_t id;           // InstructionId
    uint8_t group;        // FormGroup
    uint8_t jumpKind;     // JumpKind
    bool earlyAccept;     // a malformed line is accepted at the offending token (the port writes)
    const char* missing;  // forms of the group that this mnemonic does not accept, or null
};

// The forms of each group, as lists such as "C $c, I I B" ("-" is the form without
// operands).
extern const char* const kGroupForms[kFormGroupCount];

constexpr int kMnemonicCount = 242;
extern const MnemonicInfo kMnemonics[kMnemonicCount];

// Instruction ids chosen by the operand form.
constexpr int16_t kSpLoadImmediateId = 50;
constexpr int16_t kJumpIndirectId = 162;
constexpr int16_t kCallIndirectId = 204;

// The accepted forms of mnemonic `index` (0 <= index < kMnemonicCount).
const FormSet& mnemonicForms(int index);
