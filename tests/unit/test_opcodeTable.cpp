// The opcode table's edges and the pass-one length of every operand-count branch.
#include "isa/opcodeTable.h"
#include "test_encoderSupport.h"

#include <cstring>

using namespace isatest;

TEST(OpcodeTable, LookupEdgesAndSampleRows) {
    EXPECT_EQ(lookupOpcodeTable(-1), nullptr);
    EXPECT_EQ(lookupOpcodeTable(245), nullptr);
    EXPECT_EQ(lookupOpcodeTable(kLabelStatementId), nullptr);
    for (int id = 0; id < kInstructionCount; ++id) ASSERT_EQ(lookupOpcodeTable(id)->id, id);

    struct Row {
        int id;
        const char* name;
        int opcode, words, sizeClass;
    };
    // Family bases and steps that a shifted or mistyped row would break.
    const Row rows[] = {
        {10, "DRET", 0x000C, 1, -1},  {46, "CLR7", 0x00CF, 1, -1},  {63, "PUSH32", 0xEC00, 3, 2},
        {105, "XNOR8", 0x4AC0, 2, 0}, {131, "NEG32", 0x6E70, 4, 2}, {152, "CPY32", 0x4400, 3, 2},
        {186, "JNF7", 0xFA5E, 2, -1}, {204, "CALL", 0xFA88, 2, -1}, {244, "CALL7", 0xFAFE, 2, -1},
    };
    for (const Row& r : rows) {
        const OpcodeEntry* e = lookupOpcodeTable(r.id);
        EXPECT_STREQ(e->name, r.name) << r.id;
        EXPECT_EQ(e->opcode, r.opcode) << r.name;
        EXPECT_EQ(e->words, r.words) << r.name;
        EXPECT_EQ(e->sizeClass, r.sizeClass) << r.name;
    }
}

namespace {

struct SizeCase {
    const char* what;
    Statement statement;
    int words;
};

} // namespace

TEST(InstructionSize, EveryOperandCountBranch) {
    const SizeCase cases[] = {
        {"unknown id", instruction(245, {}), -1},
        {"label line", instruction(kLabelStatementId, {}), -1},
        {"more operands than a statement holds",
         [] {
             Statement st = instruction(108, {addr(1), addr(2), addr(3)});
             st.operandCount = 4;
             return st;
         }(),
         -1},
        // No operands: the table length.
        {"NOP", instruction(0, {}), 1},
        {"TXL without operands", instruction(48, {}), 3},
        // One operand.
        {"WAIT address", instruction(2, {addr(5)}), 1},
        {"INT symbol", instruction(14, {sym("v")}), 1},
        {"SP_LOAD immediate", instruction(50, {imm(5)}), 2},
        {"SP_LOAD $label", instruction(60, {lsym("l")}), 2},
        {"POP8 immediate", instruction(64, {imm(5)}), 2},
        {"JUMP numeric", instruction(161, {imm(0x200)}), 2},
        {"JUMP label", instruction(161, {sym("start")}), 2},
        {"CALL3 via pointer", instruction(240, {sym("p")}), 2},
        {"PUSH8 address", instruction(61, {addr(5)}), 2},
        {"PUSH8 symbol", instruction(61, {sym("v")}), 2},
        {"PUSH8 immediate", instruction(61, {imm(5)}), 1},
        {"PUSH8 $label", instruction(61, {lsym("l")}), 1},
        {"PUSH16 immediate", instruction(62, {imm(5)}), 2},
        {"PUSH32 immediate", instruction(63, {imm(5)}), 3},
        {"PUSH32 resolved $label", instruction(63, {limm(5)}), 3},
        {"SP_INC immediate", instruction(51, {imm(5)}), 1},
        // Two operands.
        {"CPYF", instruction(47, {imm(1), imm(2)}), 1},
        {"OUTPORT address", instruction(153, {addr(1), addr(2)}), 2},
        {"INPORT symbol", instruction(156, {addr(1), sym("v")}), 2},
        {"ADD8 immediate", instruction(108, {addr(1), imm(2)}), 2},
        {"ADD8 address", instruction(108, {addr(1), addr(2)}), 3},
        {"ADD8 $label", instruction(108, {addr(1), lsym("l")}), 2},
        {"ADD32 immediate", instruction(110, {addr(1), imm(2)}), 4},
        {"ADD32 symbol", instruction(110, {addr(1), sym("v")}), 3},
        {"CMP16 immediate", instruction(159, {addr(1), imm(2)}), 3},
        {"SHL8 immediate", instruction(75, {addr(1), imm(2)}), 2},
        {"SHL8 address", instruction(75, {addr(1), addr(2)}), 3},
        {"CPY8 immediate", instruction(150, {addr(1), imm(2)}), 3},
        // Three operands.
        {"BTST8 with flag", instruction(138, {addr(1), imm(2), imm(1)}), 2},
        {"BTST8 address third", instruction(138, {addr(1), addr(2), addr(3)}), 2},
        {"PORTTST address third", instruction(157, {addr(1), addr(2), sym("v")}), 2},
        {"CPYROM address count", instruction(70, {addr(1), addr(2), addr(3)}), 3},
        {"CPYMEM symbol count", instruction(71, {addr(1), addr(2), sym("n")}), 3},
        {"ANDPORT address third", instruction(154, {addr(1), addr(2), addr(3)}), 3},
        {"ORPORT immediate third", instruction(155, {addr(1), addr(2), imm(3)}), 3},
        {"ADD8 address third", instruction(108, {addr(1), addr(2), addr(3)}), 4},
        {"SHR16 immediate third", instruction(73, {addr(1), addr(2), imm(3)}), 3},
        {"SHR16 $label third", instruction(73, {addr(1), addr(2), lsym("l")}), 3},
        {"SHR16 symbol third", instruction(73, {addr(1), addr(2), sym("v")}), 4},
    };
    for (const SizeCase& c : cases) EXPECT_EQ(instructionSize(c.statement), c.words) << c.what;
}
