// Symbol tables: case folding, first definition wins, `.symtab`/`.strtab` building.
#include "driver/Zorlan.h"
#include "driver/initAsm.h"
#include "driver/interface.h"
#include "symbols/stHashTable.h"
#include "symbols/stSymbolTable.h"

#include <gtest/gtest.h>

namespace {

Symbol label(const char* name, int32_t value) {
    Symbol s;
    s.name = name;
    s.address = value;
    s.value = value;
    return s;
}

class SymbolTables : public ::testing::Test {
  protected:
    void SetUp() override {
        context = std::make_unique<RunContext>();
        ASSERT_EQ(initAssemblerState(*context, state), 0);
    }
    std::unique_ptr<RunContext> context;
    std::unique_ptr<AssemblerState> state;
};

} // namespace

TEST_F(SymbolTables, WithoutCaseSensitivityNamesFoldAndTheFirstDefinitionWins) {
    Symbol first = label("loop", 4);
    ASSERT_EQ(stInsertSymbol(first, state->labelTable.get()), 0);
    EXPECT_EQ(first.name, "LOOP");
    Symbol second = label("LOOP", 8);
    EXPECT_EQ(stInsertSymbol(second, state->labelTable.get()), -1);
    EXPECT_EQ(second.status, SYM_MULTIPLY_DEFINED);
    const Symbol* found = stLookupSymbol("LoOp", state->labelTable.get());
    ASSERT_NE(found, nullptr);
    EXPECT_EQ(found->value, 4);
}

TEST_F(SymbolTables, WithCaseSensitivityNamesStayDistinct) {
    context->switches.caseSensitive = 1;
    ASSERT_EQ(createSymbolTables(state.get()), 0);
    Symbol lower = label("loop", 4), upper = label("LOOP", 8);
    ASSERT_EQ(stInsertSymbol(lower, state->labelTable.get()), 0);
    ASSERT_EQ(stInsertSymbol(upper, state->labelTable.get()), 0);
    EXPECT_EQ(lower.name, "loop");
    EXPECT_EQ(stLookupSymbol("loop", state->labelTable.get())->value, 4);
    EXPECT_EQ(stLookupSymbol("LOOP", state->labelTable.get())->value, 8);
    EXPECT_EQ(stLookupSymbol("Loop", state->labelTable.get()), nullptr);
}

TEST_F(SymbolTables, NamesSharingTheirFirst64CharactersStayDistinct) {
    std::string prefix(64, 'A');
    Symbol a = label((prefix + "1").c_str(), 1), b = label((prefix + "2").c_str(), 2);
    EXPECT_EQ(stHash(a.name, 127), stHash(b.name, 127));
    ASSERT_EQ(stInsertSymbol(a, state->labelTable.get()), 0);
    ASSERT_EQ(stInsertSymbol(b, state->labelTable.get()), 0);
    EXPECT_EQ(stLookupSymbol((prefix + "2").c_str(), state->labelTable.get())->value, 2);
}

TEST_F(SymbolTables, NamesWithANegativeByteSumAreRefused) {
    Symbol odd = label("\xC3\xA9", 1); // the signed bytes sum below zero
    EXPECT_LT(stHash(odd.name, 127), 0);
    EXPECT_EQ(stInsertSymbol(odd, state->labelTable.get()), -1);
    EXPECT_EQ(stLookupSymbol("\xC3\xA9", state->labelTable.get()), nullptr);
}

TEST_F(SymbolTables, SymbolValuePrefersLabelsOverConstants) {
    Symbol c = label("x", 7);
    stInsertSymbol(c, state->constTable.get());
    int isLabel = -5;
    EXPECT_EQ(stSymbolValue(state.get(), "x", &isLabel), 7);
    EXPECT_EQ(isLabel, 0);
    Symbol l = label("x", 40);
    stInsertSymbol(l, state->labelTable.get());
    EXPECT_EQ(stSymbolValue(state.get(), "X", &isLabel), 40);
    EXPECT_EQ(isLabel, 1);
    isLabel = -5;
    EXPECT_EQ(stSymbolValue(state.get(), "nothing", &isLabel), -1);
    EXPECT_EQ(isLabel, -5);
}

TEST_F(SymbolTables, StrtabOffsetsAndInfoCodes) {
    ASSERT_EQ(addElfSymbol(state.get(), "main", 1, 0, 0, 0x10, 6, 1), 0);
    ASSERT_EQ(addElfSymbol(state.get(), "buf", 1, 0, 1, 0x20, 4, 0), 0);
    ASSERT_EQ(addElfSymbol(state.get(), "w", 2, 2, 0, 0xFFFF, 3, 1), 0);
    ASSERT_EQ(addElfSymbol(state.get(), "g", 1, 1, 1, 0, 0, 0), 0);
    ASSERT_EQ(state->symtab.size(), 4u);
    EXPECT_EQ(state->symtab[0].st_name, 1u);
    EXPECT_EQ(state->symtab[1].st_name, 6u);
    EXPECT_EQ(state->symtab[2].st_name, 10u);
    EXPECT_EQ(state->strtabSize, 14);
    EXPECT_EQ(std::string(reinterpret_cast<const char*>(state->strtabBuffer.data()) + 6), "buf");
    EXPECT_EQ(state->strtabBuffer[0], 0);
    EXPECT_EQ(state->symtab[0].st_info, 0x10);
    EXPECT_EQ(state->symtab[1].st_info, 0x14);
    EXPECT_EQ(state->symtab[2].st_info, 0x22);
    EXPECT_EQ(state->symtab[3].st_info, 0x18);
    EXPECT_EQ(state->symtab[1].st_shndx, 2);
    EXPECT_EQ(state->symtab[2].st_value, 0xFFFFu);
}

TEST_F(SymbolTables, SymtabIndexIsTheFirstEntryOfTheName) {
    addElfSymbol(state.get(), "alpha", 1, 0, 0, 0, 0, 1);
    addElfSymbol(state.get(), "Beta", 1, 0, 0, 0, 0, 1);
    addElfSymbol(state.get(), "BETA", 1, 0, 0, 0, 0, 1);
    EXPECT_EQ(findSymtabIndex(state.get(), "beta", false), 1);
    EXPECT_EQ(findSymtabIndex(state.get(), "BETA", true), 2);
    EXPECT_EQ(findSymtabIndex(state.get(), "beta", true), -1);
    EXPECT_EQ(findSymtabIndex(state.get(), "gamma", false), -1);
    EXPECT_STREQ(symtabEntryName(state.get(), 1), "Beta");
    context->switches.caseSensitive = 1;
    EXPECT_EQ(findSymtabIndex(state.get(), "beta", false), -1);
    EXPECT_EQ(findSymtabIndex(state.get(), "BETA", false), 2);
}

TEST_F(SymbolTables, StrtabGrowsPastItsFirstBlock) {
    std::string name(100, 'n');
    for (int i = 0; i < 100; ++i) {
        name[0] = static_cast<char>('A' + i % 26);
        name[1] = static_cast<char>('A' + i / 26);
        ASSERT_EQ(addElfSymbol(state.get(), name.c_str(), 1, 0, 0, i, 0, 1), 0);
    }
    EXPECT_EQ(state->strtabSize, 1 + 100 * 101);
    EXPECT_GE(state->strtabBuffer.size(), static_cast<size_t>(state->strtabSize));
    EXPECT_STREQ(symtabEntryName(state.get(), 99), name.c_str());
}
