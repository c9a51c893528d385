// The mnemonics of the source language: their spellings, instruction ids and the
// operand shapes each of them accepts. The rows are visible to constant expressions, so
// that the tables built from them (the grammar's form sets, the disassembler's forms)
// are data.
#pragma once

#include "isa/familyTable.h"
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

// Every mnemonic spelling with its instruction id; its forms are those of the id's family.
// SP_LOAD and CALL carry the id of their ordinary form; the grammar switches to the other
// id by the operand form.
inline constexpr MnemonicInfo kMnemonics[kMnemonicCount] = {
    {"NOP", 0, JUMP_NONE, false, nullptr},
    {"HALT", 1, JUMP_NONE, false, nullptr},
    {"WAIT", 2, JUMP_NONE, false, nullptr},
    {"STOP", 3, JUMP_NONE, false, nullptr},
    {"PUSHF", 4, JUMP_NONE, false, nullptr},
    {"POPF", 5, JUMP_NONE, false, nullptr},
    {"RTS", 6, JUMP_NONE, false, nullptr},
    {"IRET", 7, JUMP_NONE, false, nullptr},
    {"INTD", 8, JUMP_NONE, false, nullptr},
    {"INTT", 9, JUMP_NONE, false, nullptr},
    {"DRET", 10, JUMP_NONE, false, nullptr},
    {"HCF", 11, JUMP_NONE, false, nullptr},
    {"SAVEF", 12, JUMP_NONE, false, nullptr},
    {"SWAPF", 13, JUMP_NONE, false, nullptr},
    {"INT", 14, JUMP_NONE, false, nullptr},
    {"SETZ", 15, JUMP_NONE, false, nullptr},
    {"SETC", 16, JUMP_NONE, false, nullptr},
    {"SETO", 17, JUMP_NONE, false, nullptr},
    {"SETS", 18, JUMP_NONE, false, nullptr},
    {"SETI", 19, JUMP_NONE, false, nullptr},
    {"SETD", 20, JUMP_NONE, false, nullptr},
    {"SETT", 21, JUMP_NONE, false, nullptr},
    {"SETH", 22, JUMP_NONE, false, nullptr},
    {"SETF0", 23, JUMP_NONE, false, nullptr},
    {"SETF1", 24, JUMP_NONE, false, nullptr},
    {"SETF2", 25, JUMP_NONE, false, nullptr},
    {"SETF3", 26, JUMP_NONE, false, nullptr},
    {"SETF4", 27, JUMP_NONE, false, nullptr},
    {"SETF5", 28, JUMP_NONE, false, nullptr},
    {"SETF6", 29, JUMP_NONE, false, nullptr},
    {"SETF7", 30, JUMP_NONE, false, nullptr},
    {"CLRZ", 31, JUMP_NONE, false, nullptr},
    {"CLRC", 32, JUMP_NONE, false, nullptr},
    {"CLRO", 33, JUMP_NONE, false, nullptr},
    {"CLRS", 34, JUMP_NONE, false, nullptr},
    {"CLRI", 35, JUMP_NONE, false, nullptr},
    {"CLRD", 36, JUMP_NONE, false, nullptr},
    {"CLRT", 37, JUMP_NONE, false, nullptr},
    {"CLRH", 38, JUMP_NONE, false, nullptr},
    {"CLRF0", 39, JUMP_NONE, false, nullptr},
    {"CLRF1", 40, JUMP_NONE, false, nullptr},
    {"CLRF2", 41, JUMP_NONE, false, nullptr},
    {"CLRF3", 42, JUMP_NONE, false, nullptr},
    {"CLRF4", 43, JUMP_NONE, false, nullptr},
    {"CLRF5", 44, JUMP_NONE, false, nullptr},
    {"CLRF6", 45, JUMP_NONE, false, nullptr},
    {"CLRF7", 46, JUMP_NONE, false, nullptr},
    {"CPYF", 47, JUMP_NONE, false, nullptr},
    {"TXL", 48, JUMP_NONE, false, nullptr},
    {"WRCODE", 49, JUMP_NONE, false, nullptr},
    {"SP_INC", 51, JUMP_NONE, false, nullptr},
    {"SP_DEC", 52, JUMP_NONE, false, nullptr},
    {"SP_WR8", 53, JUMP_NONE, false, nullptr},
    {"SP_WR16", 54, JUMP_NONE, false, nullptr},
    {"SP_WR32", 55, JUMP_NONE, false, nullptr},
    {"SP_RD8", 56, JUMP_NONE, false, nullptr},
    {"SP_RD16", 57, JUMP_NONE, false, nullptr},
    {"SP_RD32", 58, JUMP_NONE, false, nullptr},
    {"SP_STORE", 59, JUMP_NONE, false, "$c, $l"},
    {"SP_LOAD", 60, JUMP_NONE, false, nullptr},
    {"PUSH8", 61, JUMP_NONE, false, nullptr},
    {"PUSH16", 62, JUMP_NONE, false, nullptr},
    {"PUSH32", 63, JUMP_NONE, false, nullptr},
    {"POP8", 64, JUMP_NONE, false, nullptr},
    {"POP16", 65, JUMP_NONE, false, nullptr},
    {"POP32", 66, JUMP_NONE, false, nullptr},
    {"LD8", 67, JUMP_NONE, false, nullptr},
    {"LD16", 68, JUMP_NONE, false, nullptr},
    {"LD32", 69, JUMP_NONE, false, nullptr},
    {"CPYROM", 70, JUMP_NONE, false, nullptr},
    {"CPYMEM", 71, JUMP_NONE, false, nullptr},
    {"SHR8", 72, JUMP_NONE, false, nullptr},
    {"SHR16", 73, JUMP_NONE, false, nullptr},
    {"SHR32", 74, JUMP_NONE, false, nullptr},
    {"SHL8", 75, JUMP_NONE, false, nullptr},
    {"SHL16", 76, JUMP_NONE, false, nullptr},
    {"SHL32", 77, JUMP_NONE, false, nullptr},
    {"SAR8", 78, JUMP_NONE, false, nullptr},
    {"SAR16", 79, JUMP_NONE, false, nullptr},
    {"SAR32", 80, JUMP_NONE, false, nullptr},
    {"SAL8", 81, JUMP_NONE, false, "C I C"},
    {"SAL16", 82, JUMP_NONE, false, nullptr},
    {"SAL32", 83, JUMP_NONE, false, nullptr},
    {"ROR8", 84, JUMP_NONE, false, nullptr},
    {"ROR16", 85, JUMP_NONE, false, nullptr},
    {"ROR32", 86, JUMP_NONE, false, nullptr},
    {"ROL8", 87, JUMP_NONE, false, nullptr},
    {"ROL16", 88, JUMP_NONE, false, "I $c"},
    {"ROL32", 89, JUMP_NONE, false, "B I B"},
    {"RORC8", 90, JUMP_NONE, false, nullptr},
    {"RORC16", 91, JUMP_NONE, false, nullptr},
    {"RORC32", 92, JUMP_NONE, false, nullptr},
    {"ROLC8", 93, JUMP_NONE, false, nullptr},
    {"ROLC16", 94, JUMP_NONE, false, nullptr},
    {"ROLC32", 95, JUMP_NONE, false, nullptr},
    {"AND8", 96, JUMP_NONE, false, nullptr},
    {"AND16", 97, JUMP_NONE, false, nullptr},
    {"AND32", 98, JUMP_NONE, false, nullptr},
    {"OR8", 99, JUMP_NONE, false, nullptr},
    {"OR16", 100, JUMP_NONE, false, nullptr},
    {"OR32", 101, JUMP_NONE, false, nullptr},
    {"XOR8", 102, JUMP_NONE, false, nullptr},
    {"XOR16", 103, JUMP_NONE, false, nullptr},
    {"XOR32", 104, JUMP_NONE, false, nullptr},
    {"XNOR8", 105, JUMP_NONE, false, nullptr},
    {"XNOR16", 106, JUMP_NONE, false, "I $c"},
    {"XNOR32", 107, JUMP_NONE, false, nullptr},
    {"ADD8", 108, JUMP_NONE, false, nullptr},
    {"ADD16", 109, JUMP_NONE, false, nullptr},
    {"ADD32", 110, JUMP_NONE, false, nullptr},
    {"ADC8", 111, JUMP_NONE, false, "C B C"},
    {"ADC16", 112, JUMP_NONE, false, "C B C"},
    {"ADC32", 113, JUMP_NONE, false, "C B C"},
    {"SUB8", 114, JUMP_NONE, false, nullptr},
    {"SUB16", 115, JUMP_NONE, false, "C B C"},
    {"SUB32", 116, JUMP_NONE, false, "C B C"},
    {"SBC8", 117, JUMP_NONE, false, "C B, C B C"},
    {"SBC16", 118, JUMP_NONE, false, "C B C"},
    {"SBC32", 119, JUMP_NONE, false, "C B C"},
    {"MUL8", 120, JUMP_NONE, false, "C $c, C $l, I $c, I $l, B $c, B $l, C B, C B C"},
    {"MUL16", 121, JUMP_NONE, false, "C B C"},
    {"MUL32", 122, JUMP_NONE, false, nullptr},
    {"DIV8", 123, JUMP_NONE, false, "C $c, C $l, I $c, I $l, B $c, B $l, C B, C B C"},
    {"DIV16", 124, JUMP_NONE, false, "C B C"},
    {"DIV32", 125, JUMP_NONE, false, nullptr},
    {"REM8", 126, JUMP_NONE, false, "C $c, C $l, I $c, I $l, B $c, B $l, C B, C B C"},
    {"REM16", 127, JUMP_NONE, false, "C B C, I B B"},
    {"REM32", 128, JUMP_NONE, false, nullptr},
    {"NEG8", 129, JUMP_NONE, false, "C $c, C $l, I $c, I $l, B $c, B $l, C B, C B C"},
    {"NEG16", 130, JUMP_NONE, false, "C B C"},
    {"NEG32", 131, JUMP_NONE, false, nullptr},
    {"INC8", 132, JUMP_NONE, false, nullptr},
    {"INC16", 133, JUMP_NONE, false, nullptr},
    {"INC32", 134, JUMP_NONE, false, nullptr},
    {"DEC8", 135, JUMP_NONE, false, nullptr},
    {"DEC16", 136, JUMP_NONE, false, nullptr},
    {"DEC32", 137, JUMP_NONE, false, nullptr},
    {"BTST8", 138, JUMP_NONE, false, nullptr},
    {"BTST16", 139, JUMP_NONE, false, nullptr},
    {"BTST32", 140, JUMP_NONE, false, nullptr},
    {"BCLR8", 141, JUMP_NONE, false, nullptr},
    {"BCLR16", 142, JUMP_NONE, false, nullptr},
    {"BCLR32", 143, JUMP_NONE, false, nullptr},
    {"BSET8", 144, JUMP_NONE, false, nullptr},
    {"BSET16", 145, JUMP_NONE, false, nullptr},
    {"BSET32", 146, JUMP_NONE, false, nullptr},
    {"INV8", 147, JUMP_NONE, false, nullptr},
    {"INV16", 148, JUMP_NONE, false, nullptr},
    {"INV32", 149, JUMP_NONE, false, nullptr},
    {"CPY8", 150, JUMP_NONE, false, nullptr},
    {"CPY16", 151, JUMP_NONE, false, nullptr},
    {"CPY32", 152, JUMP_NONE, false, nullptr},
    {"OUTPORT", 153, JUMP_NONE, false, nullptr},
    {"ANDPORT", 154, JUMP_NONE, true, nullptr},
    {"ORPORT", 155, JUMP_NONE, true, nullptr},
    {"INPORT", 156, JUMP_NONE, true, nullptr},
    {"PORTTST", 157, JUMP_NONE, false, nullptr},
    {"CMP8", 158, JUMP_NONE, false, nullptr},
    {"CMP16", 159, JUMP_NONE, false, nullptr},
    {"CMP32", 160, JUMP_NONE, false, nullptr},
    {"JUMP", 161, JUMP_PLAIN, false, nullptr},
    {"JGT", 163, JUMP_COND, false, nullptr},
    {"JGTS", 164, JUMP_COND, false, nullptr},
    {"JGE", 165, JUMP_COND, false, nullptr},
    {"JGES", 166, JUMP_COND, false, nullptr},
    {"JLT", 167, JUMP_COND, false, nullptr},
    {"JLTS", 168, JUMP_COND, false, nullptr},
    {"JLE", 169, JUMP_COND, false, nullptr},
    {"JLES", 170, JUMP_COND, false, nullptr},
    {"JNZ", 171, JUMP_COND, false, nullptr},
    {"JNC", 172, JUMP_COND, false, nullptr},
    {"JNO", 173, JUMP_COND, false, nullptr},
    {"JNS", 174, JUMP_COND, false, nullptr},
    {"JNI", 175, JUMP_COND, false, nullptr},
    {"JND", 176, JUMP_COND, false, nullptr},
    {"JNT", 177, JUMP_COND, false, nullptr},
    {"JNH", 178, JUMP_COND, false, nullptr},
    {"JNF0", 179, JUMP_COND, false, nullptr},
    {"JNF1", 180, JUMP_COND, false, nullptr},
    {"JNF2", 181, JUMP_COND, false, nullptr},
    {"JNF3", 182, JUMP_COND, false, nullptr},
    {"JNF4", 183, JUMP_COND, false, nullptr},
    {"JNF5", 184, JUMP_COND, false, nullptr},
    {"JNF6", 185, JUMP_COND, false, nullptr},
    {"JNF7", 186, JUMP_COND, false, nullptr},
    {"JZ", 187, JUMP_COND, false, nullptr},
    {"JC", 188, JUMP_COND, false, nullptr},
    {"JO", 189, JUMP_COND, false, nullptr},
    {"JS", 190, JUMP_COND, false, nullptr},
    {"JI", 191, JUMP_COND, false, nullptr},
    {"JD", 192, JUMP_COND, false, nullptr},
    {"JT", 193, JUMP_COND, false, nullptr},
    {"JH", 194, JUMP_COND, false, nullptr},
    {"JF0", 195, JUMP_COND, false, nullptr},
    {"JF1", 196, JUMP_COND, false, nullptr},
    {"JF2", 197, JUMP_COND, false, nullptr},
    {"JF3", 198, JUMP_COND, false, nullptr},
    {"JF4", 199, JUMP_COND, false, nullptr},
    {"JF5", 200, JUMP_COND, false, nullptr},
    {"JF6", 201, JUMP_COND, false, nullptr},
    {"JF7", 202, JUMP_COND, false, nullptr},
    {"CALL", 203, JUMP_CALL, false, nullptr},
    {"CALLGT", 205, JUMP_COND, false, nullptr},
    {"CALLGTS", 206, JUMP_COND, false, nullptr},
    {"CALLGE", 207, JUMP_COND, false, nullptr},
    {"CALLGES", 208, JUMP_COND, false, nullptr},
    {"CALLLT", 209, JUMP_COND, false, nullptr},
    {"CALLLTS", 210, JUMP_COND, false, nullptr},
    {"CALLLE", 211, JUMP_COND, false, nullptr},
    {"CALLLES", 212, JUMP_COND, false, nullptr},
    {"CALLNZ", 213, JUMP_COND, false, nullptr},
    {"CALLNC", 214, JUMP_COND, false, nullptr},
    {"CALLNO", 215, JUMP_COND, false, nullptr},
    {"CALLNS", 216, JUMP_COND, false, nullptr},
    {"CALLNI", 217, JUMP_COND, false, nullptr},
    {"CALLND", 218, JUMP_COND, false, nullptr},
    {"CALLNT", 219, JUMP_COND, false, nullptr},
    {"CALLNH", 220, JUMP_COND, false, nullptr},
    {"CALLN0", 221, JUMP_COND, false, nullptr},
    {"CALLN1", 222, JUMP_COND, false, nullptr},
    {"CALLN2", 223, JUMP_COND, false, nullptr},
    {"CALLN3", 224, JUMP_COND, false, nullptr},
    {"CALLN4", 225, JUMP_COND, false, nullptr},
    {"CALLN5", 226, JUMP_COND, false, nullptr},
    {"CALLN6", 227, JUMP_COND, false, nullptr},
    {"CALLN7", 228, JUMP_COND, false, nullptr},
    {"CALLZ", 229, JUMP_COND, false, nullptr},
    {"CALLC", 230, JUMP_COND, false, nullptr},
    {"CALLO", 231, JUMP_COND, false, nullptr},
    {"CALLS", 232, JUMP_COND, false, nullptr},
    {"CALLI", 233, JUMP_COND, false, nullptr},
    {"CALLD", 234, JUMP_COND, false, nullptr},
    {"CALLT", 235, JUMP_COND, false, nullptr},
    {"CALLH", 236, JUMP_COND, false, nullptr},
    {"CALL0", 237, JUMP_COND, false, nullptr},
    {"CALL1", 238, JUMP_COND, false, nullptr},
    {"CALL2", 239, JUMP_COND, false, nullptr},
    {"CALL3", 240, JUMP_COND, false, nullptr},
    {"CALL4", 241, JUMP_COND, false, nullptr},
    {"CALL5", 242, JUMP_COND, false, nullptr},
    {"CALL6", 243, JUMP_COND, false, nullptr},
    {"CALL7", 244, JUMP_COND, false, nullptr},
};

// Every leading part of the complete forms, the empty one included.
constexpr void computePrefixes(FormSet& set) {
    set.prefix = SignatureSet{};
    for (int code = set.complete.next(0); code >= 0; code = set.complete.next(code + 1)) {
        set.prefix.set(0);
        int prefix = 0, weight = 1;
        for (int c = code; c != 0; c /= kShapeCount, weight *= kShapeCount) {
            prefix += (c % kShapeCount) * weight;
            set.prefix.set(static_cast<size_t>(prefix));
        }
    }
}

struct FormTable {
    FormSet sets[kMnemonicCount] = {};
    bool valid = true;
};

// A mnemonic accepts the forms of its id's family less the ones it lacks. A malformed
// list, or a missing form that is not one of the family's, is a slip in the tables.
constexpr FormTable buildFormTable() {
    FormTable table;
    FormSet family[FAM_COUNT] = {};
    for (int f = 0; f < FAM_COUNT; ++f) {
        table.valid &= forEachForm(kFamilyTable[f].forms, [&](int code) { family[f].complete.set(code); });
        computePrefixes(family[f]);
    }
    for (int i = 0; i < kMnemonicCount; ++i) {
        const MnemonicInfo& m = kMnemonics[i];
        const InstructionFamily f = familyOfId(m.id);
        if (f == FAM_COUNT) {
            table.valid = false;
            continue;
        }
        FormSet& set = table.sets[i];
        set = family[f];
        if (!m.missing) continue;
        table.valid &= forEachForm(m.missing, [&](int code) {
            table.valid &= set.complete.test(code);
            set.complete.set(code, false);
        });
        computePrefixes(set);
    }
    return table;
}

// The grammar's form checks and the disassembler's forms.
inline constexpr FormTable kFormTable = buildFormTable();
static_assert(kFormTable.valid, "a form list of the family or mnemonic table is malformed");

// Instruction ids chosen by the operand form.
constexpr int16_t kSpLoadImmediateId = 50;
constexpr int16_t kJumpIndirectId = 162;
constexpr int16_t kCallIndirectId = 204;

// The accepted forms of mnemonic `index` (0 <= index < kMnemonicCount).
const FormSet& mnemonicForms(int index);
