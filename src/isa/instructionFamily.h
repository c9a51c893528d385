// Instruction families: the instructions that share their operand forms. Each family
// has one row in the family table (isa/familyTable.h).
#pragma once

#include <cstdint>

struct Operand;

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

// The family of an instruction id; FAM_COUNT outside 0..244.
InstructionFamily instructionFamily(int id);

// A memory operand: a direct address, or a symbol that does not stand for a label's
// address used as an immediate. The distinction survives resolution (a resolved label
// becomes a direct address, a resolved "$label" an immediate), so pass one and pass
// two agree on instruction lengths.
bool isMemoryOperand(const Operand& operand);
