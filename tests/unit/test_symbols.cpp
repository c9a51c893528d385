// Symbol tables: case folding, first definition wins, `.symtab`/`.strtab` building.
#include "driver/Zorlan.h"
#include "driver/initAsm.h"
#include "driver/interface.h"
#include "symbols/stHashTable.h"
#include "symbols/stSymbolTable.h"

#include <gtest/gtest.h>

namespace {

Symbol label(int32_t value) {
    Symbol s;
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
    Symbol first = label(4);
    ASSERT_EQ(stInsertSymbol(state->labelTable.get(), "loop", first), 0);
    EXPECT_EQ(stKeyText(state->names, nameText(state->names, first.name)), "LOOP");
    Symbol second = label(8);
    EXPECT_EQ(stInsertSymbol(state->labelTable.get(), "LOOP", second), -1);
    EXPECT_EQ(second.status, SYM_MULTIPLY_DEFINED);
    EXPECT_EQ(second.name, first.name);
    const Symbol* found = stLookupSymbol("LoOp", state->labelTable.get());
    ASSERT_NE(found, nullptr);
    EXPECT_EQ(found->value, 4);
}

TEST_F(SymbolTables, WithCaseSensitivityNamesStayDistinct) {
    context->switches.caseSensitive = 1;
    ASSERT_EQ(createSymbolTables(state.get()), 0);
    Symbol lower = label(4), upper = label(8);
    ASSERT_EQ(stInsertSymbol(state->labelTable.get(), "loop", lower), 0);
    ASSERT_EQ(stInsertSymbol(state->labelTable.get(), "LOOP", upper), 0);
    EXPECT_EQ(nameText(state->names, lower.name), "loop");
    EXPECT_EQ(stKeyText(state->names, "loop"), "loop");
    EXPECT_EQ(stLookupSymbol("loop", state->labelTable.get())->value, 4);
    EXPECT_EQ(stLookupSymbol("LOOP", state->labelTable.get())->value, 8);
    EXPECT_EQ(stLookupSymbol("Loop", state->labelTable.get()), nullptr);
}

TEST_F(SymbolTables, NamesSharingTheirFirst64CharactersStayDistinct) {
    std::string prefix(64, 'A');
    Symbol a = label(1), b = label(2);
    EXPECT_EQ(stHash(prefix + "1", 127), stHash(prefix + "2", 127));
    ASSERT_EQ(stInsertSymbol(state->labelTable.get(), prefix + "1", a), 0);
    ASSERT_EQ(stInsertSymbol(state->labelTable.get(), prefix + "2", b), 0);
    EXPECT_EQ(stLookupSymbol((prefix + "2").c_str(), state->labelTable.get())->value, 2);
}

TEST_F(SymbolTables, NamesWithANegativeByteSumAreRefused) {
    Symbol odd = label(1); // the signed bytes sum below zero
    EXPECT_LT(stHash("\xC3\xA9", 127), 0);
    EXPECT_EQ(stInsertSymbol(state->labelTable.get(), "\xC3\xA9", odd), -1);
    EXPECT_EQ(stLookupSymbol("\xC3\xA9", state->labelTable.get()), nullptr);
    // Folding a lower-case letter can take a sum below zero: the key decides, as folded.
    Symbol folded = label(1);
    EXPECT_GE(stHash("a\xA0", 127), 0);
    EXPECT_LT(stHash("A\xA0", 127), 0);
    EXPECT_EQ(stInsertSymbol(state->labelTable.get(), "a\xA0", folded), -1);
}

TEST_F(SymbolTables, SymbolValuePrefersLabelsOverConstants) {
    Symbol c = label(7);
    stInsertSymbol(state->constTable.get(), "x", c);
    int isLabel = -5;
    EXPECT_EQ(stSymbolValue(state.get(), "x", &isLabel), 7);
    EXPECT_EQ(isLabel, 0);
    Symbol l = label(40);
    stInsertSymbol(state->labelTable.get(), "x", l);
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
