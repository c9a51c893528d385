// The instruction encoder: code words from the opcode table and resolved operands.
#pragma once

struct AssemblerState;
struct OpcodeEntry;
struct Statement;

// Appends the instruction's words to the text section; 0, or -1 after reporting.
int encodeInstruction(const OpcodeEntry* entry, AssemblerState* state, Statement* statement);
