// The instruction encoder: code words from the opcode table and resolved operands.
#pragma once

#include <cstdint>

struct OpcodeEntry;
struct Statement;

constexpr int kMaxInstructionWords = 4;

// The code words of one instruction, in order.
struct InstructionWords {
    uint16_t word[kMaxInstructionWords] = {};
    int count = 0;
};

// The words of an instruction whose symbol operands are resolved, computed without
// touching any state (the disassembler learns the operand layouts from it): 0 with
// `out` filled, count 0 for a form that has no encoding; or the catalogue code of the
// first failed check (3014 or 3015), with count 0.
int encodeWords(const OpcodeEntry& entry, const Statement& statement, InstructionWords& out);
