// Instruction lines: the operand forms each mnemonic accepts, and how each written
// operand becomes an Operand of the statement.
#include "frontend/operands.h"
#include "symbols/stHashTable.h"
#include "test_parser_support.h"

#include <sstream>
#include <string>
#include <vector>

namespace {

// A line of `mnemonic` written in the form `form` ("C I $l"; "-" for no operands).
std::string lineOf(const std::string& mnemonic, const std::string& form) {
    std::istringstream words(form);
    std::string line = mnemonic, word;
    while (words >> word) {
        if (word == "-") continue;
        line += ' ';
        if (word == "C")
            line += "12";
        else if (word == "I")
            line += "x";
        else if (word == "B")
            line += "y+1";
        else if (word == "$c")
            line += "$5";
        else if (word == "$l")
            line += "$k";
        else if (word == "F")
            line += "Z";
        else
            line += "?bad-form-word?";
    }
    return line + "\n";
}

std::vector<std::string> splitForms(const char* list) {
    std::vector<std::string> forms;
    std::stringstream in(list);
    std::string form;
    while (std::getline(in, form, ',')) forms.push_back(form);
    return forms;
}

int operandCountOf(const std::string& form) {
    std::istringstream words(form);
    std::string word;
    int n = 0;
    while (words >> word) n += word != "-";
    return n;
}

struct FormCase {
    const char* mnemonics; // blank-separated
    const char* accepted;
    const char* rejected;
};

class OperandForms : public FrontEndTest {
  protected:
    void checkForms(const FormCase& c) {
        std::istringstream names(c.mnemonics);
        std::string mnemonic;
        while (names >> mnemonic) {
            for (const std::string& form : splitForms(c.accepted)) {
                std::string line = lineOf(mnemonic, form);
                const Statement& st = parseOne(line);
                EXPECT_EQ(st.status, SS_COMPLETE) << line;
                EXPECT_EQ(st.kind, SK_INSTRUCTION) << line;
                EXPECT_EQ(st.operandCount, operandCountOf(form)) << line;
            }
            if (!c.rejected) continue;
            for (const std::string& form : splitForms(c.rejected)) {
                std::string line = lineOf(mnemonic, form);
                context().flags.pendingErrorCode = Diag::NeitherInstructionNorDirective;
                EXPECT_EQ(parseOne(line).status, SS_REJECTED) << line;
                EXPECT_EQ(static_cast<int>(context().flags.pendingErrorCode), 1004) << line;
            }
        }
    }
};

TEST_F(OperandForms, EachCategoryAcceptsItsFormsAndNoOthers) {
    const FormCase cases[] = {
        {"NOP HALT STOP RTS IRET INTD INTT DRET HCF SAVEF SWAPF PUSHF POPF", "-", "C, I, $c"},
        {"SETZ SETH SETF0 CLRC CLRF7", "-", "C, F"},
        {"INT", "C, I", "-, B, $c"},
        {"WAIT", "-, C, I", "B, $l"},
        {"CPYF", "F F", "F, F F F, C C, I F"},
        {"TXL WRCODE", "C C, I C, B C, C I, C B, I I, I B, B I, B B", "C, C $c, C C C"},
        {"SP_INC SP_DEC", "$c, $l", "C, I, B, -"},
        {"SP_STORE", "C, I, B", "$c, $l"},
        {"SP_LOAD PUSH8 PUSH16 PUSH32 POP8 POP16 POP32", "$c, $l, C, I, B", "F, C C, -"},
        {"SP_WR8 SP_WR16 SP_WR32 SP_RD8 SP_RD16 SP_RD32 LD8 LD16 LD32 INC8 INC32 DEC16 BCLR8 BSET32",
         "C $c, C $l, I $c, I $l, B $c, B $l", "C C, I I, $c C, C, C $c F"},
        {"SHR8 SHL16 SAR32 SAL16 ROR8 ROLC32 RORC16",
         "C $c, B $l, C C, I I, I B, B I, B B, C C C, C C I, C C B, C C $c, C C $l, C I C, C I I, C B B, "
         "I C C, I C I, I C B, I I C, I I I, I I B, I I $c, I I $l, I B I, I B B, B C C, B C I, B C B, "
         "B I I, B I B, B B I, B B B",
         "C I, I C, C B, B C, C I B, C B C, I B C, B B C, B I C, C $c C, I I F"},
        {"AND8 OR16 XOR32 XNOR8",
         "C $c, I $l, C C, C I, C B, I C, I I, I B, B C, B I, B B, C C C, C C I, C C B, C I I, C B B, "
         "I I C, I I I, I I B, I B I, I B B, B B I, B B B, B I I, B I B",
         "C I C, C C $c, I C C, I C I, B C C, B I C"},
        {"ADD8 ADC16 SUB32 SBC16 MUL32 DIV16 REM32 NEG16",
         "C $c, B $l, C I, I B, C C C, C C I, C C B, C I C, C I I, C B B, I C C, I C I, I C B, I I C, "
         "I I I, I I B, I B C, I B I, I B B, B C C, B C I, B C B, B I C, B I I, B I B, B B C, B B I, B B B",
         "C C $c, I I $l, C $c F, C"},
        {"INV8 INV16 CPY8 CPY32", "C $c, B $l, C C, C I, C B, I C, I I, I B, B C, B B", "B I, C C C, C"},
        {"BTST8 BTST16 BTST32",
         "C $c, B $l, C $c F, C $l F, I $c F, I $l F, B $c F, B $l F, C I I, C C I, C I C",
         "C C C, I I I, C $c C, C C"},
        {"CMP8 CMP16 CMP32", "C $c, I $l, C C, I I, I B, B I, B B", "C I, I C, C B, C C C"},
        {"JUMP JGT JLES CALL CALLGES JNZ JNF0 JZ JF7 CALLNZ CALLN3 CALLZ CALL7", "C, I, B", "$c, $l, F, -"},
        {"CPYROM", "C C $c, C C $l, C I $c, C I $l, I C $c, I C $l, I I $c, I I $l, C I I, C C I, C I C",
         "B C $c, C B $c, C C C, C C"},
        {"CPYMEM", "C C $c, C C $l, C I $c, I C $c, I I $c, I I $l, C I I, C C I, C I C",
         "C I $l, I C $l, C C C"},
        {"OUTPORT INPORT", "C $c, C $l, C C, C I, I $c, I $l, I I, I B, I C", "B C, B $c, C B, C, C C C"},
        {"ANDPORT ORPORT", "C $c, C $l, I $c, I $l, C C $c, C C $l, I I $c, I I $l, C C I, C I C",
         "C C, C I, I C $c, C C C"},
        {"PORTTST", "C $c, C $l, I $c, I $l, C $c F, C $l F, I $c F, I $l F, C C I, C I C",
         "C C, C $c C, B $c F"},
    };
    for (const FormCase& c : cases) checkForms(c);
}

TEST_F(OperandForms, ExceptionsToTheFamilyForms) {
    const FormCase cases[] = {
        {"SAL8", "C I I", "C I C"},
        {"SAL16 SAL32 SHR8", "C I C", nullptr},
        {"ROL16", "I $l, I I $c", "I $c"},
        {"ROL8 ROL32", "I $c", nullptr},
        {"ROL32", "B I I", "B I B"},
        {"ROL8 ROL16", "B I B", nullptr},
        {"XNOR16", "I $l", "I $c"},
        {"XNOR8 XNOR32 AND16", "I $c", nullptr},
        {"ADD8 ADD16 ADD32 SUB8 MUL32 DIV32 REM32 NEG32", "C B C", nullptr},
        {"ADC8 ADC16 ADC32 SUB16 SUB32 SBC16 SBC32 MUL16 DIV16 NEG16", "C B B, C B", "C B C"},
        {"SBC8", "C I, C B B", "C B, C B C"},
        {"REM16", "I B I, C B B", "C B C, I B B"},
        {"REM8 REM32", "I B B", nullptr},
        {"MUL8 DIV8 REM8 NEG8", "C C, C I, B B, C C C, B B B, I B B",
         "C $c, C $l, I $c, I $l, B $c, B $l, C B, C B C"},
    };
    for (const FormCase& c : cases) checkForms(c);
}

// An operand as text: kind i/s/d, then the number or name (with offset and value for
// a symbol), * when indirect and ^ for a label immediate.
std::string describe(const Operand& op) {
    std::string out;
    if (op.kind == OPK_SYMBOL) {
        out = "s:" + std::string(op.text);
        if (op.offset) out += "+" + std::to_string(op.offset);
        if (op.value) out += "=" + std::to_string(op.value);
    } else {
        out = (op.kind == OPK_IMMEDIATE ? "i:" : "d:") + std::to_string(op.value);
    }
    if (op.indirect) out += "*";
    if (op.labelImmediate) out += "^";
    return out;
}

std::string describe(const Statement& st) {
    std::string out = std::to_string(st.id);
    for (int i = 0; i < st.operandCount; ++i) out += " " + describe(st.operands[i]);
    return out;
}

struct ClassCase {
    const char* line;
    const char* statement; // id, then the operands
};

TEST_F(OperandForms, OperandsAreClassifiedByHowTheyAreWritten) {
    const ClassCase cases[] = {
        {"ADD8 10 $5", "108 d:10 i:5"},
        {"ADD8 10 20", "108 d:10 d:20"},
        {"ADD8 (ptr) $1", "108 s:ptr* i:1"},
        {"ADD8 (12) $-1", "108 d:12* i:-1"},
        {"CPY16 (0x20) buf", "151 d:32* s:buf"},
        {"CMP8 (tbl+2) $0", "158 s:tbl+2* i:0"},
        {"ADD16 name+4+2 $1", "109 s:name+6 i:1"},
        {"SUB8 a 0x10 @b", "114 s:a d:16 s:@b"},
        {"BTST8 x $3 C", "138 s:x i:3 i:1"},
        {"PORTTST 7 $2 F6", "157 d:7 i:2 i:14"},
        {"CPYF Z F7", "47 i:0 i:15"},
        {"INT 3", "14 d:3"},
        {"SP_LOAD $5", "50 i:5"},
        {"SP_LOAD x", "60 s:x"},
        {"SP_LOAD 4", "60 d:4"},
        {"NOP", "0"},
        {"SETF3", "26"},
        {"CLRF0", "39"},
        // Jump and call targets: numbers are word addresses; a parenthesised name
        // selects the indirect JUMP or CALL and is not itself indirect.
        {"JUMP 100", "161 i:200"},
        {"JUMP start", "161 s:start"},
        {"JUMP (vec)", "162 s:vec"},
        {"JUMP (vec+2)", "161 s:vec+2*"},
        {"CALL (f)", "204 s:f"},
        {"CALL f", "203 s:f"},
        {"CALL 0x7FFFFFFF", "203 i:-2"},
        {"JGT (lbl)", "163 s:lbl"},
        {"JF3 x", "198 s:x"},
        {"CALLN0 (x)", "221 s:x"},
    };
    for (const ClassCase& c : cases) {
        std::string line = std::string(c.line) + "\n";
        const Statement& st = parseOne(line);
        ASSERT_EQ(st.status, SS_COMPLETE) << c.line;
        EXPECT_EQ(describe(st), c.statement) << c.line;
    }
}

TEST_F(OperandForms, DollarNamesAreLookedUpWhenTheLineIsRead) {
    Symbol k;
    k.value = 7;
    ASSERT_EQ(stInsertSymbol(state()->constTable.get(), "k", k), 0);
    Symbol lab;
    ASSERT_EQ(stInsertSymbol(state()->labelTable.get(), "lab", lab), 0);
    Symbol ext;
    ASSERT_EQ(stInsertSymbol(state()->externTable.get(), "ext", ext), 0);
    Symbol both; // a label wins over a constant of the same name
    both.value = 3;
    ASSERT_EQ(stInsertSymbol(state()->constTable.get(), "both", both), 0);
    ASSERT_EQ(stInsertSymbol(state()->labelTable.get(), "both", both), 0);

    const ClassCase sequence[] = {
        {"PUSH16 $fwd", "62 i:-1"}, // nothing found yet: an immediate
        {"PUSH16 $k", "62 i:7"},
        {"PUSH16 $lab", "62 s:lab^"},
        {"PUSH16 $fwd", "62 s:fwd=-1^"}, // forward reference after a label
        {"PUSH16 $LAB", "62 s:LAB^"},    // names are compared without regard to case
        {"PUSH16 $ext", "62 s:ext^"},
        {"PUSH16 $both", "62 s:both^"},
        {"ADD8 x $k", "108 s:x i:7"},
        {"ADD8 x $fwd", "108 s:x i:-1"}, // forward reference after a constant
        {"ADD8 x $lab", "108 s:x s:lab^"},
    };
    for (const ClassCase& c : sequence) {
        std::string line = std::string(c.line) + "\n";
        const Statement& st = parseOne(line);
        ASSERT_EQ(st.status, SS_COMPLETE) << c.line;
        EXPECT_EQ(describe(st), c.statement) << c.line;
    }
}

TEST_F(OperandForms, MalformedBasePlusOffsetRejectsTheLine) {
    for (const char* line : {"ADD8 a+1) $1\n", "ADD8 (a+1 $1\n", "JUMP (t+1\n", "INPORT x y+1)\n"}) {
        context().flags.pendingErrorCode = Diag::NeitherInstructionNorDirective;
        const Statement& st = parseOne(line);
        EXPECT_EQ(st.status, SS_REJECTED) << line;
        EXPECT_EQ(static_cast<int>(context().flags.pendingErrorCode), 1004) << line;
        EXPECT_EQ(next().status, SS_END_OF_INPUT) << "the whole line was read: " << line;
    }
}

TEST(OperandText, NumbersWrittenAsText) {
    struct Case {
        const char* text;
        bool number;
        int32_t value;
    } cases[] = {
        {"12", true, 12},        {"0x1F", true, 31}, {"0X1fu", true, 31}, {"(0x10)", true, 16},
        {"4294967297", true, 1}, {"5x3", true, 5},   {"$12", true, 0},    {"'9'", true, 0},
        {"12abc", true, 12},     {"abc", false, 0},  {"", false, 0},      {"-5", false, 0},
        {"_1", false, 0},        {"((", false, 0},
    };
    for (const Case& c : cases) {
        int32_t value = -99;
        EXPECT_EQ(numberFromText(c.text, value), c.number) << c.text;
        if (c.number) {
            EXPECT_EQ(value, c.value) << c.text;
        }
    }
}

TEST(OperandText, BasePlusOffsetOperands) {
    struct Case {
        const char* text;
        const char* result; // "" when malformed
    } cases[] = {
        {"a+1", "s:a+1"},
        {"(a+1)", "s:a+1*"},
        {"a+1+2+3", "s:a+6"},
        {"_x@9+10", "s:_x@9+10"},
        {"a+4294967295+2", "s:a+1"},
        {"a+1)", ""},
        {"(a+1", ""},
        {"ab", ""},
        {"+1+2", ""},
        {"a+b", ""},
        {"a(+1", ""},
        {"(+1)", ""},
    };
    for (const Case& c : cases) {
        Operand op;
        bool ok = parseBasePlusOffset(c.text, op);
        EXPECT_EQ(ok ? describe(op) : std::string(), c.result) << c.text;
    }
}

} // namespace
