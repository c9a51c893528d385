#include "isa/mnemonics.h"

#include <cstring>
#include <string_view>

// Operand forms of each family. The three-operand shift, logic and arithmetic lists
// are not supersets of one another: each family accepts exactly the forms listed.
constexpr const char* kGroupForms[kFormGroupCount] = {
    /* FG_NONE */ "-",
    /* FG_WAIT */ "-, C, I",
    /* FG_INT */ "C, I",
    /* FG_CPYF */ "F F",
    /* FG_TXL */ "C C, I C, B C, C I, C B, I I, I B, B I, B B",
    /* FG_SP_STEP */ "$c, $l",
    /* FG_SP_STORE */ "C, I, B",
    /* FG_PUSH */ "$c, $l, C, I, B",
    /* FG_IMM6 */ "C $c, C $l, I $c, I $l, B $c, B $l",
    /* FG_SHIFT */
    "C $c, C $l, I $c, I $l, B $c, B $l, C C, I I, I B, B I, B B, "
    "C C C, C C I, C C B, C C $c, C C $l, C I C, C I I, C B B, I C C, I C I, I C B, I I C, I I I, I I B, "
    "I I $c, I I $l, I B I, I B B, B C C, B C I, B C B, B I I, B I B, B B I, B B B",
    /* FG_LOGIC */
    "C $c, C $l, I $c, I $l, B $c, B $l, C C, C I, C B, I C, I I, I B, B C, B I, B B, "
    "C C C, C C I, C C B, C I I, C B B, I I C, I I I, I I B, I B I, I B B, B B I, B B B, B I I, B I B",
    /* FG_ARITH */
    "C $c, C $l, I $c, I $l, B $c, B $l, C C, C I, C B, I C, I I, I B, B C, B I, B B, "
    "C C C, C C I, C C B, C I C, C I I, C B B, C B C, I C C, I C I, I C B, I I C, I I I, I I B, I B C, "
    "I B I, I B B, B C C, B C I, B C B, B I C, B I I, B I B, B B C, B B I, B B B",
    /* FG_INV_CPY */ "C $c, C $l, I $c, I $l, B $c, B $l, C C, C I, C B, I C, I I, I B, B C, B B",
    /* FG_BTST */
    "C $c, C $l, I $c, I $l, B $c, B $l, C $c F, C $l F, I $c F, I $l F, B $c F, B $l F, C I I, C C I, C I C",
    /* FG_CMP */ "C $c, C $l, I $c, I $l, B $c, B $l, C C, I I, I B, B I, B B",
    /* FG_BRANCH */ "C, I, B",
    /* FG_CPYROM */ "C C $c, C C $l, C I $c, C I $l, I C $c, I C $l, I I $c, I I $l, C I I, C C I, C I C",
    /* FG_CPYMEM */ "C C $c, C C $l, C I $c, I C $c, I I $c, I I $l, C I I, C C I, C I C",
    /* FG_PORT_IO */ "C $c, C $l, C C, C I, I $c, I $l, I I, I B, I C",
    /* FG_PORT_LOG */ "C $c, C $l, I $c, I $l, C C $c, C C $l, I I $c, I I $l, C C I, C I C",
    /* FG_PORTTST */ "C $c, C $l, I $c, I $l, C $c F, C $l F, I $c F, I $l F, C C I, C I C",
};

// Every mnemonic spelling with its instruction id. SP_LOAD and CALL carry the id of
// their ordinary form; the grammar switches to the other id by the operand form.
constexpr MnemonicInfo kMnemonics[kMnemonicCount] = {
    {"NOP", 0, FG_NONE, JUMP_NONE, false, nullptr},
    {"HALT", 1, FG_NONE, JUMP_NONE, false, nullptr},
    {"WAIT", 2, FG_WAIT, JUMP_NONE, false, nullptr},
    {"STOP", 3, FG_NONE, JUMP_NONE, false, nullptr},
    {"PUSHF", 4, FG_NONE, JUMP_NONE, false, nullptr},
    {"POPF", 5, FG_NONE, JUMP_NONE, false, nullptr},
    {"RTS", 6, FG_NONE, JUMP_NONE, false, nullptr},
    {"IRET", 7, FG_NONE, JUMP_NONE, false, nullptr},
    {"INTD", 8, FG_NONE, JUMP_NONE, false, nullptr},
    {"INTT", 9, FG_NONE, JUMP_NONE, false, nullptr},
    {"DRET", 10, FG_NONE, JUMP_NONE, false, nullptr},
    {"HCF", 11, FG_NONE, JUMP_NONE, false, nullptr},
    {"SAVEF", 12, FG_NONE, JUMP_NONE, false, nullptr},
    {"SWAPF", 13, FG_NONE, JUMP_NONE, false, nullptr},
    {"INT", 14, FG_INT, JUMP_NONE, false, nullptr},
    {"SETZ", 15, FG_NONE, JUMP_NONE, false, nullptr},
    {"SETC", 16, FG_NONE, JUMP_NONE, false, nullptr},
    {"SETO", 17, FG_NONE, JUMP_NONE, false, nullptr},
    {"SETS", 18, FG_NONE, JUMP_NONE, false, nullptr},
    {"SETI", 19, FG_NONE, JUMP_NONE, false, nullptr},
    {"SETD", 20, FG_NONE, JUMP_NONE, false, nullptr},
    {"SETT", 21, FG_NONE, JUMP_NONE, false, nullptr},
    {"SETH", 22, FG_NONE, JUMP_NONE, false, nullptr},
    {"SETF0", 23, FG_NONE, JUMP_NONE, false, nullptr},
    {"SETF1", 24, FG_NONE, JUMP_NONE, false, nullptr},
    {"SETF2", 25, FG_NONE, JUMP_NONE, false, nullptr},
    {"SETF3", 26, FG_NONE, JUMP_NONE, false, nullptr},
    {"SETF4", 27, FG_NONE, JUMP_NONE, false, nullptr},
    {"SETF5", 28, FG_NONE, JUMP_NONE, false, nullptr},
    {"SETF6", 29, FG_NONE, JUMP_NONE, false, nullptr},
    {"SETF7", 30, FG_NONE, JUMP_NONE, false, nullptr},
    {"CLRZ", 31, FG_NONE, JUMP_NONE, false, nullptr},
    {"CLRC", 32, FG_NONE, JUMP_NONE, false, nullptr},
    {"CLRO", 33, FG_NONE, JUMP_NONE, false, nullptr},
    {"CLRS", 34, FG_NONE, JUMP_NONE, false, nullptr},
    {"CLRI", 35, FG_NONE, JUMP_NONE, false, nullptr},
    {"CLRD", 36, FG_NONE, JUMP_NONE, false, nullptr},
    {"CLRT", 37, FG_NONE, JUMP_NONE, false, nullptr},
    {"CLRH", 38, FG_NONE, JUMP_NONE, false, nullptr},
    {"CLRF0", 39, FG_NONE, JUMP_NONE, false, nullptr},
    {"CLRF1", 40, FG_NONE, JUMP_NONE, false, nullptr},
    {"CLRF2", 41, FG_NONE, JUMP_NONE, false, nullptr},
    {"CLRF3", 42, FG_NONE, JUMP_NONE, false, nullptr},
    {"CLRF4", 43, FG_NONE, JUMP_NONE, false, nullptr},
    {"CLRF5", 44, FG_NONE, JUMP_NONE, false, nullptr},
    {"CLRF6", 45, FG_NONE, JUMP_NONE, false, nullptr},
    {"CLRF7", 46, FG_NONE, JUMP_NONE, false, nullptr},
    {"CPYF", 47, FG_CPYF, JUMP_NONE, false, nullptr},
    {"TXL", 48, FG_TXL, JUMP_NONE, false, nullptr},
    {"WRCODE", 49, FG_TXL, JUMP_NONE, false, nullptr},
    {"SP_INC", 51, FG_SP_STEP, JUMP_NONE, false, nullptr},
    {"SP_DEC", 52, FG_SP_STEP, JUMP_NONE, false, nullptr},
    {"SP_WR8", 53, FG_IMM6, JUMP_NONE, false, nullptr},
    {"SP_WR16", 54, FG_IMM6, JUMP_NONE, false, nullptr},
    {"SP_WR32", 55, FG_IMM6, JUMP_NONE, false, nullptr},
    {"SP_RD8", 56, FG_IMM6, JUMP_NONE, false, nullptr},
    {"SP_RD16", 57, FG_IMM6, JUMP_NONE, false, nullptr},
    {"SP_RD32", 58, FG_IMM6, JUMP_NONE, false, nullptr},
    {"SP_STORE", 59, FG_SP_STORE, JUMP_NONE, false, nullptr},
    {"SP_LOAD", 60, FG_PUSH, JUMP_NONE, false, nullptr},
    {"PUSH8", 61, FG_PUSH, JUMP_NONE, false, nullptr},
    {"PUSH16", 62, FG_PUSH, JUMP_NONE, false, nullptr},
    {"PUSH32", 63, FG_PUSH, JUMP_NONE, false, nullptr},
    {"POP8", 64, FG_PUSH, JUMP_NONE, false, nullptr},
    {"POP16", 65, FG_PUSH, JUMP_NONE, false, nullptr},
    {"POP32", 66, FG_PUSH, JUMP_NONE, false, nullptr},
    {"LD8", 67, FG_IMM6, JUMP_NONE, false, nullptr},
    {"LD16", 68, FG_IMM6, JUMP_NONE, false, nullptr},
    {"LD32", 69, FG_IMM6, JUMP_NONE, false, nullptr},
    {"CPYROM", 70, FG_CPYROM, JUMP_NONE, false, nullptr},
    {"CPYMEM", 71, FG_CPYMEM, JUMP_NONE, false, nullptr},
    {"SHR8", 72, FG_SHIFT, JUMP_NONE, false, nullptr},
    {"SHR16", 73, FG_SHIFT, JUMP_NONE, false, nullptr},
    {"SHR32", 74, FG_SHIFT, JUMP_NONE, false, nullptr},
    {"SHL8", 75, FG_SHIFT, JUMP_NONE, false, nullptr},
    {"SHL16", 76, FG_SHIFT, JUMP_NONE, false, nullptr},
    {"SHL32", 77, FG_SHIFT, JUMP_NONE, false, nullptr},
    {"SAR8", 78, FG_SHIFT, JUMP_NONE, false, nullptr},
    {"SAR16", 79, FG_SHIFT, JUMP_NONE, false, nullptr},
    {"SAR32", 80, FG_SHIFT, JUMP_NONE, false, nullptr},
    {"SAL8", 81, FG_SHIFT, JUMP_NONE, false, "C I C"},
    {"SAL16", 82, FG_SHIFT, JUMP_NONE, false, nullptr},
    {"SAL32", 83, FG_SHIFT, JUMP_NONE, false, nullptr},
    {"ROR8", 84, FG_SHIFT, JUMP_NONE, false, nullptr},
    {"ROR16", 85, FG_SHIFT, JUMP_NONE, false, nullptr},
    {"ROR32", 86, FG_SHIFT, JUMP_NONE, false, nullptr},
    {"ROL8", 87, FG_SHIFT, JUMP_NONE, false, nullptr},
    {"ROL16", 88, FG_SHIFT, JUMP_NONE, false, "I $c"},
    {"ROL32", 89, FG_SHIFT, JUMP_NONE, false, "B I B"},
    {"RORC8", 90, FG_SHIFT, JUMP_NONE, false, nullptr},
    {"RORC16", 91, FG_SHIFT, JUMP_NONE, false, nullptr},
    {"RORC32", 92, FG_SHIFT, JUMP_NONE, false, nullptr},
    {"ROLC8", 93, FG_SHIFT, JUMP_NONE, false, nullptr},
    {"ROLC16", 94, FG_SHIFT, JUMP_NONE, false, nullptr},
    {"ROLC32", 95, FG_SHIFT, JUMP_NONE, false, nullptr},
    {"AND8", 96, FG_LOGIC, JUMP_NONE, false, nullptr},
    {"AND16", 97, FG_LOGIC, JUMP_NONE, false, nullptr},
    {"AND32", 98, FG_LOGIC, JUMP_NONE, false, nullptr},
    {"OR8", 99, FG_LOGIC, JUMP_NONE, false, nullptr},
    {"OR16", 100, FG_LOGIC, JUMP_NONE, false, nullptr},
    {"OR32", 101, FG_LOGIC, JUMP_NONE, false, nullptr},
    {"XOR8", 102, FG_LOGIC, JUMP_NONE, false, nullptr},
    {"XOR16", 103, FG_LOGIC, JUMP_NONE, false, nullptr},
    {"XOR32", 104, FG_LOGIC, JUMP_NONE, false, nullptr},
    {"XNOR8", 105, FG_LOGIC, JUMP_NONE, false, nullptr},
    {"XNOR16", 106, FG_LOGIC, JUMP_NONE, false, "I $c"},
    {"XNOR32", 107, FG_LOGIC, JUMP_NONE, false, nullptr},
    {"ADD8", 108, FG_ARITH, JUMP_NONE, false, nullptr},
    {"ADD16", 109, FG_ARITH, JUMP_NONE, false, nullptr},
    {"ADD32", 110, FG_ARITH, JUMP_NONE, false, nullptr},
    {"ADC8", 111, FG_ARITH, JUMP_NONE, false, "C B C"},
    {"ADC16", 112, FG_ARITH, JUMP_NONE, false, "C B C"},
    {"ADC32", 113, FG_ARITH, JUMP_NONE, false, "C B C"},
    {"SUB8", 114, FG_ARITH, JUMP_NONE, false, nullptr},
    {"SUB16", 115, FG_ARITH, JUMP_NONE, false, "C B C"},
    {"SUB32", 116, FG_ARITH, JUMP_NONE, false, "C B C"},
    {"SBC8", 117, FG_ARITH, JUMP_NONE, false, "C B, C B C"},
    {"SBC16", 118, FG_ARITH, JUMP_NONE, false, "C B C"},
    {"SBC32", 119, FG_ARITH, JUMP_NONE, false, "C B C"},
    {"MUL8", 120, FG_ARITH, JUMP_NONE, false, "C $c, C $l, I $c, I $l, B $c, B $l, C B, C B C"},
    {"MUL16", 121, FG_ARITH, JUMP_NONE, false, "C B C"},
    {"MUL32", 122, FG_ARITH, JUMP_NONE, false, nullptr},
    {"DIV8", 123, FG_ARITH, JUMP_NONE, false, "C $c, C $l, I $c, I $l, B $c, B $l, C B, C B C"},
    {"DIV16", 124, FG_ARITH, JUMP_NONE, false, "C B C"},
    {"DIV32", 125, FG_ARITH, JUMP_NONE, false, nullptr},
    {"REM8", 126, FG_ARITH, JUMP_NONE, false, "C $c, C $l, I $c, I $l, B $c, B $l, C B, C B C"},
    {"REM16", 127, FG_ARITH, JUMP_NONE, false, "C B C, I B B"},
    {"REM32", 128, FG_ARITH, JUMP_NONE, false, nullptr},
    {"NEG8", 129, FG_ARITH, JUMP_NONE, false, "C $c, C $l, I $c, I $l, B $c, B $l, C B, C B C"},
    {"NEG16", 130, FG_ARITH, JUMP_NONE, false, "C B C"},
    {"NEG32", 131, FG_ARITH, JUMP_NONE, false, nullptr},
    {"INC8", 132, FG_IMM6, JUMP_NONE, false, nullptr},
    {"INC16", 133, FG_IMM6, JUMP_NONE, false, nullptr},
    {"INC32", 134, FG_IMM6, JUMP_NONE, false, nullptr},
    {"DEC8", 135, FG_IMM6, JUMP_NONE, false, nullptr},
    {"DEC16", 136, FG_IMM6, JUMP_NONE, false, nullptr},
    {"DEC32", 137, FG_IMM6, JUMP_NONE, false, nullptr},
    {"BTST8", 138, FG_BTST, JUMP_NONE, false, nullptr},
    {"BTST16", 139, FG_BTST, JUMP_NONE, false, nullptr},
    {"BTST32", 140, FG_BTST, JUMP_NONE, false, nullptr},
    {"BCLR8", 141, FG_IMM6, JUMP_NONE, false, nullptr},
    {"BCLR16", 142, FG_IMM6, JUMP_NONE, false, nullptr},
    {"BCLR32", 143, FG_IMM6, JUMP_NONE, false, nullptr},
    {"BSET8", 144, FG_IMM6, JUMP_NONE, false, nullptr},
    {"BSET16", 145, FG_IMM6, JUMP_NONE, false, nullptr},
    {"BSET32", 146, FG_IMM6, JUMP_NONE, false, nullptr},
    {"INV8", 147, FG_INV_CPY, JUMP_NONE, false, nullptr},
    {"INV16", 148, FG_INV_CPY, JUMP_NONE, false, nullptr},
    {"INV32", 149, FG_INV_CPY, JUMP_NONE, false, nullptr},
    {"CPY8", 150, FG_INV_CPY, JUMP_NONE, false, nullptr},
    {"CPY16", 151, FG_INV_CPY, JUMP_NONE, false, nullptr},
    {"CPY32", 152, FG_INV_CPY, JUMP_NONE, false, nullptr},
    {"OUTPORT", 153, FG_PORT_IO, JUMP_NONE, false, nullptr},
    {"ANDPORT", 154, FG_PORT_LOG, JUMP_NONE, true, nullptr},
    {"ORPORT", 155, FG_PORT_LOG, JUMP_NONE, true, nullptr},
    {"INPORT", 156, FG_PORT_IO, JUMP_NONE, true, nullptr},
    {"PORTTST", 157, FG_PORTTST, JUMP_NONE, false, nullptr},
    {"CMP8", 158, FG_CMP, JUMP_NONE, false, nullptr},
    {"CMP16", 159, FG_CMP, JUMP_NONE, false, nullptr},
    {"CMP32", 160, FG_CMP, JUMP_NONE, false, nullptr},
    {"JUMP", 161, FG_BRANCH, JUMP_PLAIN, false, nullptr},
    {"JGT", 163, FG_BRANCH, JUMP_COND, false, nullptr},
    {"JGTS", 164, FG_BRANCH, JUMP_COND, false, nullptr},
    {"JGE", 165, FG_BRANCH, JUMP_COND, false, nullptr},
    {"JGES", 166, FG_BRANCH, JUMP_COND, false, nullptr},
    {"JLT", 167, FG_BRANCH, JUMP_COND, false, nullptr},
    {"JLTS", 168, FG_BRANCH, JUMP_COND, false, nullptr},
    {"JLE", 169, FG_BRANCH, JUMP_COND, false, nullptr},
    {"JLES", 170, FG_BRANCH, JUMP_COND, false, nullptr},
    {"JNZ", 171, FG_BRANCH, JUMP_COND, false, nullptr},
    {"JNC", 172, FG_BRANCH, JUMP_COND, false, nullptr},
    {"JNO", 173, FG_BRANCH, JUMP_COND, false, nullptr},
    {"JNS", 174, FG_BRANCH, JUMP_COND, false, nullptr},
    {"JNI", 175, FG_BRANCH, JUMP_COND, false, nullptr},
    {"JND", 176, FG_BRANCH, JUMP_COND, false, nullptr},
    {"JNT", 177, FG_BRANCH, JUMP_COND, false, nullptr},
    {"JNH", 178, FG_BRANCH, JUMP_COND, false, nullptr},
    {"JNF0", 179, FG_BRANCH, JUMP_COND, false, nullptr},
    {"JNF1", 180, FG_BRANCH, JUMP_COND, false, nullptr},
    {"JNF2", 181, FG_BRANCH, JUMP_COND, false, nullptr},
    {"JNF3", 182, FG_BRANCH, JUMP_COND, false, nullptr},
    {"JNF4", 183, FG_BRANCH, JUMP_COND, false, nullptr},
    {"JNF5", 184, FG_BRANCH, JUMP_COND, false, nullptr},
    {"JNF6", 185, FG_BRANCH, JUMP_COND, false, nullptr},
    {"JNF7", 186, FG_BRANCH, JUMP_COND, false, nullptr},
    {"JZ", 187, FG_BRANCH, JUMP_COND, false, nullptr},
    {"JC", 188, FG_BRANCH, JUMP_COND, false, nullptr},
    {"JO", 189, FG_BRANCH, JUMP_COND, false, nullptr},
    {"JS", 190, FG_BRANCH, JUMP_COND, false, nullptr},
    {"JI", 191, FG_BRANCH, JUMP_COND, false, nullptr},
    {"JD", 192, FG_BRANCH, JUMP_COND, false, nullptr},
    {"JT", 193, FG_BRANCH, JUMP_COND, false, nullptr},
    {"JH", 194, FG_BRANCH, JUMP_COND, false, nullptr},
    {"JF0", 195, FG_BRANCH, JUMP_COND, false, nullptr},
    {"JF1", 196, FG_BRANCH, JUMP_COND, false, nullptr},
    {"JF2", 197, FG_BRANCH, JUMP_COND, false, nullptr},
    {"JF3", 198, FG_BRANCH, JUMP_COND, false, nullptr},
    {"JF4", 199, FG_BRANCH, JUMP_COND, false, nullptr},
    {"JF5", 200, FG_BRANCH, JUMP_COND, false, nullptr},
    {"JF6", 201, FG_BRANCH, JUMP_COND, false, nullptr},
    {"JF7", 202, FG_BRANCH, JUMP_COND, false, nullptr},
    {"CALL", 203, FG_BRANCH, JUMP_CALL, false, nullptr},
    {"CALLGT", 205, FG_BRANCH, JUMP_COND, false, nullptr},
    {"CALLGTS", 206, FG_BRANCH, JUMP_COND, false, nullptr},
    {"CALLGE", 207, FG_BRANCH, JUMP_COND, false, nullptr},
    {"CALLGES", 208, FG_BRANCH, JUMP_COND, false, nullptr},
    {"CALLLT", 209, FG_BRANCH, JUMP_COND, false, nullptr},
    {"CALLLTS", 210, FG_BRANCH, JUMP_COND, false, nullptr},
    {"CALLLE", 211, FG_BRANCH, JUMP_COND, false, nullptr},
    {"CALLLES", 212, FG_BRANCH, JUMP_COND, false, nullptr},
    {"CALLNZ", 213, FG_BRANCH, JUMP_COND, false, nullptr},
    {"CALLNC", 214, FG_BRANCH, JUMP_COND, false, nullptr},
    {"CALLNO", 215, FG_BRANCH, JUMP_COND, false, nullptr},
    {"CALLNS", 216, FG_BRANCH, JUMP_COND, false, nullptr},
    {"CALLNI", 217, FG_BRANCH, JUMP_COND, false, nullptr},
    {"CALLND", 218, FG_BRANCH, JUMP_COND, false, nullptr},
    {"CALLNT", 219, FG_BRANCH, JUMP_COND, false, nullptr},
    {"CALLNH", 220, FG_BRANCH, JUMP_COND, false, nullptr},
    {"CALLN0", 221, FG_BRANCH, JUMP_COND, false, nullptr},
    {"CALLN1", 222, FG_BRANCH, JUMP_COND, false, nullptr},
    {"CALLN2", 223, FG_BRANCH, JUMP_COND, false, nullptr},
    {"CALLN3", 224, FG_BRANCH, JUMP_COND, false, nullptr},
    {"CALLN4", 225, FG_BRANCH, JUMP_COND, false, nullptr},
    {"CALLN5", 226, FG_BRANCH, JUMP_COND, false, nullptr},
    {"CALLN6", 227, FG_BRANCH, JUMP_COND, false, nullptr},
    {"CALLN7", 228, FG_BRANCH, JUMP_COND, false, nullptr},
    {"CALLZ", 229, FG_BRANCH, JUMP_COND, false, nullptr},
    {"CALLC", 230, FG_BRANCH, JUMP_COND, false, nullptr},
    {"CALLO", 231, FG_BRANCH, JUMP_COND, false, nullptr},
    {"CALLS", 232, FG_BRANCH, JUMP_COND, false, nullptr},
    {"CALLI", 233, FG_BRANCH, JUMP_COND, false, nullptr},
    {"CALLD", 234, FG_BRANCH, JUMP_COND, false, nullptr},
    {"CALLT", 235, FG_BRANCH, JUMP_COND, false, nullptr},
    {"CALLH", 236, FG_BRANCH, JUMP_COND, false, nullptr},
    {"CALL0", 237, FG_BRANCH, JUMP_COND, false, nullptr},
    {"CALL1", 238, FG_BRANCH, JUMP_COND, false, nullptr},
    {"CALL2", 239, FG_BRANCH, JUMP_COND, false, nullptr},
    {"CALL3", 240, FG_BRANCH, JUMP_COND, false, nullptr},
    {"CALL4", 241, FG_BRANCH, JUMP_COND, false, nullptr},
    {"CALL5", 242, FG_BRANCH, JUMP_COND, false, nullptr},
    {"CALL6", 243, FG_BRANCH, JUMP_COND, false, nullptr},
    {"CALL7", 244, FG_BRANCH, JUMP_COND, false, nullptr},
};

namespace {

// One shape word of a form list; SHAPE_NONE for an unknown word.
constexpr OperandShape shapeOfWord(std::string_view word) {
    if (word == "C") return SHAPE_C;
    if (word == "I") return SHAPE_I;
    if (word == "B") return SHAPE_B;
    if (word == "$c") return SHAPE_IMM_C;
    if (word == "$l") return SHAPE_IMM_L;
    if (word == "F") return SHAPE_F;
    return SHAPE_NONE;
}

// Adds the forms of `list` to `out` (with remove set, takes them away); false on a
// malformed list.
constexpr bool addForms(std::string_view rest, SignatureSet& out, bool remove) {
    while (!rest.empty()) {
        const size_t comma = rest.find(',');
        std::string_view form = rest.substr(0, comma);
        rest = comma == std::string_view::npos ? std::string_view() : rest.substr(comma + 1);

        int code = 0, weight = 1, count = 0;
        while (!form.empty()) {
            const size_t start = form.find_first_not_of(' ');
            if (start == std::string_view::npos) break;
            form.remove_prefix(start);
            const size_t end = form.find(' ');
            const std::string_view word = form.substr(0, end);
            form = end == std::string_view::npos ? std::string_view() : form.substr(end);
            if (word == "-" && count == 0) {
                count = -1; // the form without operands
                continue;
            }
            const OperandShape shape = shapeOfWord(word);
            if (shape == SHAPE_NONE || count < 0 || count == 3) return false;
            code += shape * weight;
            weight *= kShapeCount;
            ++count;
        }
        if (count == 0) return false;
        out.set(static_cast<size_t>(code), !remove);
    }
    return true;
}

// Every leading part of the complete forms, the empty one included.
constexpr void computePrefixes(FormSet& set) {
    set.prefix = SignatureSet{};
    for (int code = 0; code < kSignatureSpace; ++code) {
        if (!set.complete.test(static_cast<size_t>(code))) continue;
        int weight = 1;
        int c = code;
        int prefix = 0;
        set.prefix.set(0);
        while (c != 0) {
            prefix += (c % kShapeCount) * weight;
            set.prefix.set(static_cast<size_t>(prefix));
            c /= kShapeCount;
            weight *= kShapeCount;
        }
    }
}

struct FormTable {
    FormSet sets[kMnemonicCount] = {};
    bool valid = true;
};

constexpr FormTable buildFormTable() {
    FormTable table;
    for (int i = 0; i < kMnemonicCount; ++i) {
        const MnemonicInfo& m = kMnemonics[i];
        table.valid &= addForms(kGroupForms[m.group], table.sets[i].complete, false);
        if (m.missing) table.valid &= addForms(m.missing, table.sets[i].complete, true);
        computePrefixes(table.sets[i]);
    }
    return table;
}

constexpr FormTable kFormTable = buildFormTable();
static_assert(kFormTable.valid, "a form list of the mnemonic tables is malformed");

} // namespace

const FormSet& mnemonicForms(int index) {
    return kFormTable.sets[index];
}
