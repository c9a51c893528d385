// Reading code words back into instructions. The decoder keeps no description of the
// instruction set of its own: it enumerates the operand forms the front end accepts
// (the mnemonic table and the family table's form lists), reads each operand's bits out
// of the words where the form's layout in the family table puts them, and accepts a
// reading only when the encoder turns it back into exactly the same words.
#pragma once

#include "isa/mnemonics.h"

#include <cstdint>
#include <span>

// One way the operands of a decoded form may be written: a shape per operand and,
// for JUMP and CALL, whether a name target is written in parentheses (the variant that
// reads the target through a pointer).
struct WrittenForm {
    OperandShape shape[3] = {SHAPE_NONE, SHAPE_NONE, SHAPE_NONE};
    bool parenthesisedTarget = false;
};

struct DecodeForm;

struct DecodedOperand {
    int32_t kind = 0;  // OPK_IMMEDIATE or OPK_DIRECT, as the encoder saw it
    int32_t value = 0; // the operand value the encoder was given
    bool indirect = false;
    int8_t homeWord = -1; // the word that holds the operand's field; -1 when it is not encoded
    uint32_t kept = 0;    // the bits of the value the words keep
};

struct DecodedInstruction {
    const DecodeForm* form = nullptr;
    int id = -1;       // InstructionId
    int mnemonic = -1; // index into kMnemonics
    int words = 0;     // length in code words
    int operandCount = 0;
    bool branch = false; // a jump or call: the operand is a code target
    DecodedOperand operands[3];
};

// The written forms that give a decoded instruction's id and operand kinds, in the
// order of the mnemonic's form list.
std::span<const WrittenForm> writtenForms(const DecodedInstruction& instruction);

// Every reading of the words at `words` (`available` of them may be used) that the
// encoder reproduces exactly, the most natural first: fewer operands before more,
// addresses before immediates, and a mnemonic without operands before one that spells
// the same word with an operand (INTD before INT 1). Returns the number stored in `out`.
int decodeCandidates(const uint16_t* words, int available, DecodedInstruction* out, int capacity);

// The number of forms the decoder reads (for the tests).
int decodeFormCount();

// The spelling of a mnemonic (an index into kMnemonics), or null.
const char* mnemonicSpelling(int mnemonic);
