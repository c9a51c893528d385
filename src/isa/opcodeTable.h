// The instruction table: ids, base opcodes, lengths and operand size classes.
#pragma once

#include <cstdint>

struct Statement;

constexpr int kInstructionCount = 245;

struct OpcodeEntry {
    int32_t id;        // InstructionId, equal to the row index
    int32_t opcode;    // base opcode word (low 16 bits)
    int32_t words;     // default length in 16-bit words
    int32_t sizeClass; // 0 8-bit, 1 16-bit, 2 32-bit, -1 none
    const char* name;  // mnemonic as the table names it (SET0, JF3, JUMP_I, ...)
};

extern const OpcodeEntry kOpcodeTable[kInstructionCount];

// The entry of an id, or null outside 0..244.
const OpcodeEntry* lookupOpcodeTable(int id);

// Length of an instruction statement in 16-bit words; -1 when the id has no entry or
// its family no layout for the operands.
int instructionSize(const Statement& statement);

// Ids the rest of the assembler names.
enum InstructionIdConstants {
    INS_NOP = 0,
    INS_WAIT = 2,
    INS_INT = 14,
    INS_CPYF = 47,
    INS_TXL = 48,
    INS_WRCODE = 49,
    INS_SP_LOAD_IMM = 50,
    INS_SP_LOAD = 60,
    INS_ANDPORT = 154,
    INS_ORPORT = 155,
    INS_JUMP = 161,
    INS_JUMP_I = 162,
    INS_CALL = 203,
    INS_CALL_I = 204,
    INS_LAST = 244,
};
