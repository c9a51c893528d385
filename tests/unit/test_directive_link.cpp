// Section and linkage directives.
#include "testSupport.h"
#include "test_directive_support.h"

#include "symbols/sectionHandler.h"
#include "symbols/stHashTable.h"

namespace {

using LinkDirectives = DirectiveTest;

Statement section(const char* name, const char* flags, int32_t type) {
    Statement st = directive(DIR_SECTION, name);
    st.sectionType = flags;
    st.number = type;
    return st;
}

TEST_F(LinkDirectives, SectionCreatesInPassTwoAndASecondOneSwitches) {
    Statement st = section("\"vectors\"", "awxM", 12);
    ASSERT_EQ(run(st, 0), 0);
    EXPECT_EQ(state->sectionCount, 13);
    ASSERT_EQ(run(st, 1), 0);
    int ordinal = -1;
    sectionLookup("\"VECTORS\"", state.get(), nullptr, nullptr, &ordinal);
    ASSERT_EQ(ordinal, 13); // the name keeps its quotes
    const DataBlock* block = state->sections[13].head.get();
    ASSERT_NE(block, nullptr);
    EXPECT_EQ(block->sectionType, 0x70000000);
    EXPECT_EQ(static_cast<uint32_t>(block->sectionFlags), 0xF0000007u);
    EXPECT_EQ(state->currentSection, SEC_TEXT); // creating a section does not select it

    // The operands of a second .SECTION of the name are not examined.
    Statement again = section("\"Vectors\"", "q", 99);
    ASSERT_EQ(run(again, 1), 0);
    EXPECT_EQ(state->currentSection, 13);
    EXPECT_EQ(block->next, nullptr);
    EXPECT_TRUE(diagnostics().empty());
}

TEST_F(LinkDirectives, SectionTypeAndFlagErrors) {
    struct Case {
        const char* flags;
        int32_t type;
        std::vector<int> codes;
        int32_t storedFlags; // -1: the directive fails and no block is chained
    };
    const Case cases[] = {
        {"aw", 0, {}, 3}, {"aqz", 3, {3004, 3004}, 2}, {"a", 15, {3003}, -1}, {"a", -1, {3003}, -1}};
    for (const Case& c : cases) {
        SetUp();
        Statement st = section("\"s\"", c.flags, c.type);
        EXPECT_EQ(run(st, 1), c.storedFlags == -1 ? -1 : 0) << c.flags << " " << c.type;
        EXPECT_EQ(reportedCodes(), c.codes);
        const DataBlock* block = state->sections[13].head.get();
        EXPECT_EQ(block ? block->sectionFlags : -1, c.storedFlags);
        TearDown();
    }
}

TEST_F(LinkDirectives, BssBareFormSelectsInPassTwoAndNamedFormReserves) {
    Statement bare = directive(DIR_BSS);
    ASSERT_EQ(run(bare, 0), 0);
    EXPECT_EQ(state->currentSection, SEC_TEXT);
    Statement named = dataStatement(DIR_BSS, "buf", 0, {5000});
    std::vector<Statement> sts = {named, named};
    ASSERT_EQ(runBothPasses(sts), 0);
    EXPECT_EQ(symbol("buf").st_size, 5000u);
    EXPECT_EQ(symbol("buf").st_shndx, 3);
    EXPECT_EQ(state->symtab[1].st_value, 5000u); // the duplicate still gets its entry
    const DataBlock* second = state->sections[SEC_BSS].head->next.get();
    ASSERT_NE(second, nullptr);
    EXPECT_EQ(second->start, 5000);
    EXPECT_EQ(second->used, 5000);
    ASSERT_EQ(run(bare, 1), 0);
    EXPECT_EQ(state->currentSection, SEC_BSS);
    Statement negative = dataStatement(DIR_BSS, "neg", 0, {-5});
    EXPECT_EQ(run(negative, 0), -1);
    EXPECT_EQ(reportedCodes(), (std::vector<int>{3016, 2018}));
}

class Linkage : public DirectiveTest {
  protected:
    // Defines the data names a, b and c in pass one.
    void defineNames() {
        state->currentSection = SEC_DATA;
        for (const char* name : {"a", "b", "c"}) {
            Statement st = dataStatement(DIR_DB, name, 1, {0});
            ASSERT_EQ(run(st, 0), 0);
        }
    }
};

TEST_F(Linkage, GlobalChecksDeclarationsAndNames) {
    defineNames();
    Statement undeclared = nameList(DIR_GLOBAL, {"a", "zz", "b"}, kFlagExport);
    EXPECT_EQ(run(undeclared, 0), -1);
    EXPECT_NE(stLookupSymbol("a", globalTable.get()), nullptr);

    // A repeated name is only noted and ends the list; names after it are not declared.
    Statement repeated = nameList(DIR_GLOBAL, {"A", "b"}, kFlagExport);
    EXPECT_EQ(run(repeated, 0), 0);
    EXPECT_EQ(stLookupSymbol("b", globalTable.get()), nullptr);

    // Pass two compares with the `.symtab` names byte for byte.
    EXPECT_EQ(run(repeated, 1), -1);
    Statement local = nameList(DIR_LOCAL, {"nothing"});
    EXPECT_EQ(run(local, 0), -1);
    EXPECT_EQ(reportedCodes(), (std::vector<int>{3005, 2027, 3006, 3005}));
    EXPECT_EQ(diagnostics()[0].text, "symbol not yet declared 'zz'");
    EXPECT_EQ(errorCount(), 3); // 2027 is informational
}

TEST_F(Linkage, UnderscoreRuleAppliesToGlobalNames) {
    defineNames();
    underscorePrefix = 1;
    Statement good = nameList(DIR_GLOBAL, {"_a"}, kFlagExport);
    ASSERT_EQ(run(good, 0), 0);
    ASSERT_EQ(run(good, 1), 0);
    EXPECT_EQ(symbol("a").st_info, 0x1D);
    CapturedOutput out;
    Statement bad = nameList(DIR_GLOBAL, {"b"}, kFlagExport);
    EXPECT_EQ(run(bad, 0), -1);
    EXPECT_EQ(out.text(), "Data identifier should start with _\n");
}

} // namespace
