// The debug relocation table: skipped code addresses, symbol indexes and growth.
#include "debug/dbgRelocation.h"
#include "symbols/sectionHandler.h"
#include "symbols/stSymbolTable.h"
#include "test_debugSupport.h"

namespace {

TEST_F(DebugTest, CodeAddressRelocationsNeedCode) {
    for (int type : {DRT_CU_LOW_PC, DRT_FUNCTION_LOW_PC, DRT_STMT_LIST})
        EXPECT_EQ(addDebugRelocation(state.get(), 20, 0, 4, type, "x"), 0);
    EXPECT_FALSE(state->debugRelocCreated);
    EXPECT_TRUE(state->debugReloc.empty());

    ASSERT_EQ(addDebugRelocation(state.get(), 6, 0, 4, DRT_ABBREV_OFFSET, "abbrev_offset"), 0);
    ensureTailBlock(state.get(), SEC_TEXT);
    ASSERT_EQ(addDebugRelocation(state.get(), 40, 0, 0, DRT_CU_LOW_PC, "CU DW_low_pc"), 0);
    ASSERT_EQ(state->debugReloc.size(), 2u);
    EXPECT_TRUE(state->debugRelocCreated);
    EXPECT_TRUE(state->sections[SEC_DEBUG_INFO_RELOC].head);
    EXPECT_EQ(state->debugReloc[0].r_offset, 6u);
    EXPECT_EQ(state->debugReloc[0].r_info, 18u);
    EXPECT_EQ(state->debugReloc[0].r_addend, 4);
    EXPECT_EQ(state->debugReloc[1].r_info, 19u);
    EXPECT_EQ(state->debugReloc[1].r_addend, 0);
}

TEST_F(DebugTest, SymbolRelocationsNameTheSymtabEntry) {
    EXPECT_EQ(addDebugRelocation(state.get(), 30, 1, 4, DRT_VARIABLE_LOCATION, "buf"), -1);
    ASSERT_EQ(addElfSymbol(state.get(), "main", 0, 0, 0, 0, 2, 1), 0);
    ASSERT_EQ(addElfSymbol(state.get(), "BUF", 0, 0, 1, 0, 2, 1), 0);
    EXPECT_EQ(addDebugRelocation(state.get(), 30, 1, 4, DRT_VARIABLE_LOCATION, "missing"), -1);
    EXPECT_EQ(codes(), (std::vector<int>{3005, 3010}));
    EXPECT_EQ(diagnostics()[0].text, "symbol not yet declared 'buf'");

    ASSERT_EQ(addDebugRelocation(state.get(), 30, 1, 4, DRT_VARIABLE_LOCATION, "buf"), 0); // case folded
    ASSERT_EQ(state->debugReloc.size(), 1u);
    EXPECT_EQ(state->debugReloc[0].r_info, (1u << 16) + 21);

    caseSensitive = 1;
    EXPECT_EQ(addDebugRelocation(state.get(), 34, 1, 4, DRT_VARIABLE_LOCATION, "buf"), -1);
    EXPECT_EQ(codes().back(), 3010);
}

TEST_F(DebugTest, TableGrowsPastItsFirstCapacity) {
    for (int i = 0; i < 2047; ++i)
        ASSERT_EQ(addDebugRelocation(state.get(), i * 4, 0, i, DRT_ABBREV_OFFSET, "abbrev_offset"), 0);
    EXPECT_EQ(state->debugRelocCapacity, 2 * 2046);
    ASSERT_EQ(state->debugReloc.size(), 2047u);
    EXPECT_EQ(state->debugReloc[2046].r_offset, 2046u * 4);
    EXPECT_EQ(state->debugReloc[2046].r_addend, 2046);
    EXPECT_EQ(state->sections[SEC_DEBUG_INFO_RELOC].head->used, 2047);
}

} // namespace
