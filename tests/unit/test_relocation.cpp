// Resolution of symbol operands and the `.rel.text` entries: word positions, types,
// addends, symbol indexes and the failures.
#include "isa/opcodeTable.h"
#include "symbols/sectionHandler.h"
#include "symbols/stHashTable.h"
#include "symbols/stSymbolTable.h"
#include "test_encoderSupport.h"

using namespace isatest;

namespace {

struct Expected {
    uint32_t word; // position within the instruction
    uint32_t type;
    uint32_t symbol = 1; // .symtab index ("var" unless named)
    int32_t addend = 0;
};

class RelocationTest : public IsaTest {
  protected:
    void SetUp() override {
        IsaTest::SetUp();
        populate();
    }
    // A fresh state with the test's symbols, under the current case switch.
    void restart(bool caseSensitiveNames = false) {
        fresh();
        caseSensitive = caseSensitiveNames ? 1 : 0;
        populate();
    }
    void populate() {
        // .symtab: 0 start (text), 1 var (data), 2 lbl (text), 3 port (data).
        define("start", 0x10, 0);
        define("var", 0x100, 1);
        define("lbl", 0x30, 0);
        define("port", 0x05, 1);
        Symbol k{"k", "", 0, SYM_DEFINED, 0, 7, 0};
        ASSERT_EQ(stInsertSymbol(k, constTable.get()), 0);
        state().textLoc() = 0x40; // instructions at word address 0x20
    }
    void define(const char* name, int32_t value, int32_t isData, bool inSymtab = true) {
        Symbol s{name, "", 0, SYM_DEFINED, value, value, isData};
        ASSERT_EQ(stInsertSymbol(s, labelTable.get()), 0);
        if (inSymtab) {
            ASSERT_EQ(addElfSymbol(&state(), name, 1, 0, isData, value, 0, 1), 0);
        }
    }
    int resolve(Statement& st) { return resolveOperands(&state(), &st, lookupOpcodeTable(st.id)); }
};

struct RelocCase {
    const char* what;
    Statement statement;
    std::vector<Expected> entries;
};

} // namespace

TEST_F(RelocationTest, OperandsTakeTheirSymbolsValues) {
    Statement st = instruction(108, {sym("VAR", 3), lsym("lbl")}); // ADD8 VAR+3 $lbl, names folded
    ASSERT_EQ(resolve(st), 0);
    EXPECT_EQ(st.operands[0].kind, OPK_DIRECT);
    EXPECT_EQ(st.operands[0].value, 0x100);
    EXPECT_EQ(st.operands[1].kind, OPK_IMMEDIATE);
    EXPECT_EQ(st.operands[1].value, 0x30);
    ASSERT_EQ(state().relText.size(), 2u);
    EXPECT_EQ(state().relText[0].r_addend, 3); // data labels keep byte offsets
    EXPECT_EQ(state().relText[0].r_info, 0x00010008u);

    // A constant gives its value and no relocation.
    Statement cmp = instruction(158, {sym("k"), imm(1)});
    ASSERT_EQ(resolve(cmp), 0);
    EXPECT_EQ(cmp.operands[0].kind, OPK_DIRECT);
    EXPECT_EQ(cmp.operands[0].value, 7);
    EXPECT_EQ(state().relText.size(), 2u);
    EXPECT_TRUE(diagnostics().empty());
}

// Rows of the relocation rules that the golden tests do not already show end to end.
TEST_F(RelocationTest, WordPositionsAndTypes) {
    const RelocCase cases[] = {
        {"SP_LOAD memory", instruction(60, {sym("var", 2)}), {{1, 8, 1, 2}}},
        {"SP_LOAD $label", instruction(60, {lsym("lbl")}), {{1, 6, 2}}},
        {"SP_WR8", instruction(53, {sym("var"), lsym("port")}), {{1, 6}, {0, 11, 3}}},
        {"PUSH8 memory", instruction(61, {sym("var")}), {{1, 6}}},
        {"PUSH8 $label", instruction(61, {lsym("lbl")}), {{0, 11, 2}}},
        {"PUSH16 $label", instruction(62, {lsym("lbl")}), {{1, 12, 2}}},
        {"POP16 with offset", instruction(65, {sym("var", 2)}), {{1, 8, 1, 2}}},
        {"LD32", instruction(69, {sym("var"), lsym("port")}), {{1, 6}, {2, 13, 3}}},
        {"CPYROM", instruction(70, {sym("var"), sym("var"), lsym("port")}), {{2, 6}, {1, 6}, {0, 11, 3}}},
        {"SHR8 count", instruction(72, {sym("var"), lsym("port")}), {{1, 6}, {0, 10, 3}}},
        {"SHR8 memory count", instruction(72, {sym("var"), sym("var")}), {{2, 6}, {1, 6}}},
        {"AND8 three", instruction(96, {sym("var"), sym("var"), sym("var")}), {{3, 6}, {1, 6}, {2, 6}}},
        {"SUB32 three", instruction(116, {sym("var"), sym("var"), sym("var")}), {{3, 6}, {1, 6}, {2, 6}}},
        {"AND8 memory", instruction(96, {sym("var"), sym("var")}), {{2, 6}, {1, 6}}},
        {"XOR16 $label", instruction(103, {sym("var"), lsym("port")}), {{1, 6}, {2, 12, 3}}},
        {"OR32 $label", instruction(101, {sym("var"), lsym("port")}), {{1, 6}, {2, 13, 3}}},
        {"ADC8 $label", instruction(111, {sym("var"), lsym("port")}), {{1, 6}, {0, 11, 3}}},
        {"MUL16 $label", instruction(121, {sym("var"), lsym("port")}), {{1, 6}, {2, 12, 3}}},
        {"NEG32 $label", instruction(131, {sym("var"), lsym("port")}), {{1, 6}, {2, 13, 3}}},
        {"DEC32 $label", instruction(137, {sym("var"), lsym("port")}), {{1, 6}, {0, 11, 3}}},
        {"INV8 memory", instruction(147, {sym("var"), sym("var")}), {{2, 6}, {1, 6}}},
        {"CPY16 memory", instruction(151, {sym("var"), sym("var")}), {{2, 6}, {1, 6}}},
        {"BTST8", instruction(138, {sym("var"), lsym("port")}), {{1, 6}, {0, 10, 3}}},
        {"BTST8 three", instruction(138, {sym("var"), sym("var"), sym("var")}), {{1, 6}, {0, 10}, {0, 10}}},
        {"INPORT $label", instruction(156, {sym("port"), lsym("port")}), {{0, 1, 3}, {1, 11, 3}}},
        {"ORPORT two", instruction(155, {sym("port"), lsym("port")}), {{0, 1, 3}, {1, 11, 3}}},
        {"ANDPORT three",
         instruction(154, {sym("port"), sym("var"), lsym("port")}),
         {{0, 1, 3}, {2, 6}, {1, 11, 3}}},
        {"PORTTST three",
         instruction(157, {sym("port"), sym("var"), sym("var")}),
         {{0, 1, 3}, {1, 9}, {1, 9}}},
        {"CMP8 memory", instruction(158, {sym("var"), sym("var")}), {{1, 6}, {2, 6}}},
        {"CMP8 $label", instruction(158, {sym("var"), lsym("port")}), {{1, 6}, {0, 11, 3}}},
        {"CMP16 $label", instruction(159, {sym("var"), lsym("port")}), {{1, 6}, {2, 12, 3}}},
        {"CALL through pointer", instruction(204, {sym("var")}), {{0, 2}}},
        // A negative offset from a text label halves towards minus infinity.
        {"CALLGT lbl-3", instruction(205, {sym("lbl", -3)}), {{0, 4, 2, -2}}},
    };
    for (const RelocCase& c : cases) {
        restart();
        Statement st = c.statement;
        ASSERT_EQ(resolve(st), 0) << c.what;
        EXPECT_TRUE(diagnostics().empty()) << c.what;
        ASSERT_EQ(state().relText.size(), c.entries.size()) << c.what;
        for (size_t i = 0; i < c.entries.size(); ++i) {
            const RelocationEntry& got = state().relText[i];
            const Expected& want = c.entries[i];
            EXPECT_EQ(got.r_offset, 0x20 + want.word) << c.what << " entry " << i;
            EXPECT_EQ(got.r_info, (want.symbol << 16) | want.type) << c.what << " entry " << i;
            EXPECT_EQ(got.r_addend, want.addend) << c.what << " entry " << i;
        }
    }
}

TEST_F(RelocationTest, OffsetsFollowTheOneOrgAndRoundUp) {
    state().textLoc() = 0x401;
    Statement a = instruction(161, {sym("start")});
    ASSERT_EQ(resolve(a), 0);
    state().orgCount = 1;
    state().orgRelativeLoc = 0x11;
    Statement b = instruction(161, {sym("start")});
    ASSERT_EQ(resolve(b), 0);
    state().orgCount = 2; // more than one ORG: back to the text counter
    Statement c = instruction(161, {sym("start")});
    ASSERT_EQ(resolve(c), 0);
    ASSERT_EQ(state().relText.size(), 3u);
    EXPECT_EQ(state().relText[0].r_offset, 0x201u);
    EXPECT_EQ(state().relText[1].r_offset, 0x9u);
    EXPECT_EQ(state().relText[2].r_offset, 0x201u);
}

TEST_F(RelocationTest, Failures) {
    struct FailCase {
        const char* what;
        Statement statement;
        std::vector<int> codes;
        size_t entries; // relocation entries recorded all the same
    };
    const FailCase cases[] = {
        // Only the first unresolved operand is reported.
        {"two unknown names", instruction(108, {sym("nowhere"), sym("nothing")}), {3012}, 0},
        {"second operand unknown", instruction(108, {sym("var"), sym("nothing")}), {3012}, 1},
        {"label without .symtab entry", instruction(161, {sym("orphan")}), {3010}, 0},
        {"no rule: INT", instruction(14, {sym("var")}), {3011}, 0},
        {"no rule: MUL8 $label", instruction(120, {sym("var"), lsym("port")}), {3011}, 1},
        {"no rule: POP8 $label", instruction(64, {lsym("port")}), {3011}, 0},
        {"each operand is tried", instruction(47, {sym("var"), sym("var")}), {3011, 3011}, 0},
    };
    for (const FailCase& c : cases) {
        restart();
        define("orphan", 0x50, 0, false);
        Statement st = c.statement;
        EXPECT_EQ(resolve(st), -1) << c.what;
        EXPECT_EQ(diagnosticCodes(), c.codes) << c.what;
        EXPECT_EQ(state().relText.size(), c.entries) << c.what;
    }
}

TEST_F(RelocationTest, NoSymbolEntriesYet) {
    fresh(); // labels but no .symtab entries
    Symbol s{"start", "", 0, SYM_DEFINED, 0x10, 0x10, 0};
    ASSERT_EQ(stInsertSymbol(s, labelTable.get()), 0);
    Statement st = instruction(161, {sym("start")});
    EXPECT_EQ(resolve(st), -1);
    EXPECT_EQ(diagnosticCodes(), std::vector<int>{5005});
    EXPECT_TRUE(state().relTextCreated);
}

TEST_F(RelocationTest, CaseSensitiveNames) {
    restart(true);
    Statement upper = instruction(161, {sym("START")});
    EXPECT_EQ(resolve(upper), -1);
    EXPECT_EQ(diagnosticCodes(), std::vector<int>{3012});
    Statement exact = instruction(161, {sym("start")});
    resetDiagnostics();
    EXPECT_EQ(resolve(exact), 0);
    ASSERT_EQ(state().relText.size(), 1u);
    EXPECT_EQ(state().relText[0].r_info, 0x00000002u);
}
