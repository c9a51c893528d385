// The mnemonics of the source language: their spellings, instruction ids and the
// operand shapes each of them accepts.
#pragma once

#include "isa/operandForms.h"

#include <cstdint>

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

struct MnemonicInfo {
    const char* spelling; // as written in the source
    int16_t id;           // InstructionId
    uint8_t jumpKind;     // JumpKind
    bool earlyAccept;     // a malformed line is accepted at the offending token (the port writes)
    const char* missing;  // forms of its family that this mnemonic does not accept, or null
};

constexpr int kMnemonicCount = 242;
extern const MnemonicInfo kMnemonics[kMnemonicCount];

// Instruction ids chosen by the operand form.
constexpr int16_t kSpLoadImmediateId = 50;
constexpr int16_t kJumpIndirectId = 162;
constexpr int16_t kCallIndirectId = 204;

// The accepted forms of mnemonic `index` (0 <= index < kMnemonicCount).
const FormSet& mnemonicForms(int index);
