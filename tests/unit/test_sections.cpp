// Predefined sections, the section-name buffer and the attribute tables.
#include "directives/DirectiveHandlers.h"
#include "driver/Zorlan.h"
#include "driver/initAsm.h"
#include "driver/messages.h"
#include "symbols/sectionHandler.h"
#include "symbols/stSymbolTable.h"

#include <gtest/gtest.h>

#include <cstring>

namespace {

class Sections : public ::testing::Test {
  protected:
    void SetUp() override {
        resetProcessState();
        ASSERT_EQ(initAssemblerState(state), 0);
    }
    void TearDown() override {
        releaseAssemblerState(state);
        destroySymbolTables();
    }
    std::string shstrtab() const {
        return std::string(reinterpret_cast<const char*>(state->shstrtabBuffer.data()),
                           static_cast<size_t>(state->shstrtabSize));
    }
    std::unique_ptr<AssemblerState> state;
};

} // namespace

TEST_F(Sections, StartUpState) {
    EXPECT_EQ(state->sectionCount, 13);
    EXPECT_EQ(state->slotCount, 26);
    EXPECT_EQ(state->numSymbols, 2048);
    EXPECT_EQ(state->relocatable, 1);
    EXPECT_EQ(state->blockCapacity, 2046);
    EXPECT_FALSE(state->fileName.has_value());
    for (int64_t counter : state->locationCounters) EXPECT_EQ(counter, 0);
    static const char kNames[] = ".text\0.data\0.bss\0.symtab\0.strtab\0.rel.text\0.rel.data\0"
                                 ".debug_abbrev\0.debug_info\0.debug_line\0.debug_info_reloc\0"
                                 ".debug_raw_line\0.shstrtab\0";
    const std::string names(kNames, sizeof kNames - 1);
    EXPECT_EQ(shstrtab(), std::string(1, '\0') + names);
}

TEST_F(Sections, LookupIgnoresCase) {
    int a, b, ordinal;
    sectionLookup(".TEXT", state.get(), &a, &b, &ordinal);
    EXPECT_EQ(ordinal, 0);
    EXPECT_EQ(a, 0);
    EXPECT_EQ(b, 1);
    sectionLookup(".rel.data", state.get(), &a, &b, &ordinal);
    EXPECT_EQ(ordinal, 6);
    EXPECT_EQ(a, 12);
    EXPECT_EQ(b, 13);
    sectionLookup(".text2", state.get(), &a, &b, &ordinal);
    EXPECT_EQ(ordinal, -1);
    EXPECT_EQ(a, -1);
    EXPECT_EQ(sectionTypeCode(".DEBUG_LINE", state.get()), 7);
    EXPECT_EQ(sectionTypeCode(".nothing", state.get()), -1);
}

TEST_F(Sections, TheTwentiethAddedSectionIsRefused) {
    resetDiagnostics();
    char name[16];
    for (int i = 1; i <= 19; ++i) {
        std::snprintf(name, sizeof name, "\"s%d\"", i);
        ASSERT_EQ(addSection(name, state.get()), 0) << i;
    }
    int ordinal;
    sectionLookup("\"S19\"", state.get(), nullptr, nullptr, &ordinal);
    EXPECT_EQ(ordinal, 31);
    EXPECT_EQ(addSection("\"s20\"", state.get()), -1);
    ASSERT_EQ(diagnostics().size(), 1u);
    EXPECT_EQ(diagnostics()[0].code, 5004);
    EXPECT_EQ(state->sectionCount, 32);
}

TEST_F(Sections, RemovingANameShiftsTheRestAndShrinks) {
    int32_t before = state->shstrtabSize;
    ASSERT_EQ(removeSectionName(".DATA", state.get()), 0);
    EXPECT_EQ(state->shstrtabSize, before - 6);
    int32_t start = 0, end = 0;
    ASSERT_EQ(findSectionName(".bss", state->shstrtabBuffer.data(), state->shstrtabSize, &start, &end), 0);
    EXPECT_EQ(start, 7);
    EXPECT_EQ(end, 11);
    EXPECT_EQ(findSectionName(".data", state->shstrtabBuffer.data(), state->shstrtabSize, &start, &end), -1);
    for (int i = state->shstrtabSize; i < before; ++i) EXPECT_EQ(state->shstrtabBuffer[i], 0);
    resetDiagnostics();
    EXPECT_EQ(removeSectionName(".data", state.get()), -1);
    EXPECT_EQ(diagnostics().at(0).code, 3002);
}

TEST_F(Sections, AttributeTables) {
    int32_t type, flags;
    sectionAttributes(".TEXT", &type, &flags);
    EXPECT_EQ(type, 1);
    EXPECT_EQ(flags, 6);
    sectionAttributes(".debug_info_reloc", &type, &flags);
    EXPECT_EQ(static_cast<uint32_t>(type), 0x80000005u);
    EXPECT_EQ(flags, 64);
    sectionAttributes("\".mine\"", &type, &flags);
    EXPECT_EQ(type, -1);
    EXPECT_EQ(flags, -1);

    EXPECT_EQ(sectionFlagFromLetter('W'), 1);
    EXPECT_EQ(sectionFlagFromLetter('a'), 2);
    EXPECT_EQ(sectionFlagFromLetter('X'), 4);
    EXPECT_EQ(static_cast<uint32_t>(sectionFlagFromLetter('m')), 0xF0000000u);
    EXPECT_EQ(sectionFlagFromLetter('r'), -1);
    EXPECT_EQ(sectionTypeFromNumber(11), 11);
    EXPECT_EQ(sectionTypeFromNumber(12), 0x70000000);
    EXPECT_EQ(sectionTypeFromNumber(13), 0x7FFFFFFF);
    EXPECT_EQ(static_cast<uint32_t>(sectionTypeFromNumber(14)), 0x80000000u);
    EXPECT_EQ(sectionTypeFromNumber(15), -1);
    EXPECT_EQ(sectionTypeFromNumber(-1), -1);
}

TEST_F(Sections, RenumberingAfterDroppedTextOrData) {
    addElfSymbol(state.get(), "t", 1, 0, 0, 0, 0, 1); // index 1
    addElfSymbol(state.get(), "d", 1, 0, 1, 0, 0, 1); // index 2
    addElfSymbol(state.get(), "b", 1, 0, 2, 0, 0, 1); // index 3
    renumberSymbolSections(state.get(), 1);
    EXPECT_EQ(state->symtab[0].st_shndx, 1);
    EXPECT_EQ(state->symtab[1].st_shndx, 1);
    EXPECT_EQ(state->symtab[2].st_shndx, 2);
    state->symtab[1].st_shndx = 2;
    state->symtab[2].st_shndx = 3;
    renumberSymbolSections(state.get(), 2);
    EXPECT_EQ(state->symtab[1].st_shndx, 1);
    EXPECT_EQ(state->symtab[2].st_shndx, 1);
}

TEST_F(Sections, BlocksChainAtTheTail) {
    DataBlock* first = ensureTailBlock(state.get(), SEC_DATA);
    ASSERT_NE(first, nullptr);
    EXPECT_EQ(ensureTailBlock(state.get(), SEC_DATA), first);
    state->dataLoc() = 100;
    DataBlock* second = appendBlock(state.get(), SEC_DATA, createDataBlock(100, kBlockCapacity));
    EXPECT_EQ(state->sections[SEC_DATA].head.get(), first);
    EXPECT_EQ(state->sections[SEC_DATA].tail, second);
    EXPECT_EQ(first->next.get(), second);
    EXPECT_EQ(second->prev, first);
    EXPECT_EQ(second->start, 100);
    EXPECT_EQ(second->bytes.size(), 2046u);
    EXPECT_EQ(second->sectionType, -1);
}

TEST_F(Sections, DataThatOverflowsTheTailGoesIntoNewBlocksOfWholeElements) {
    const uint8_t one = 0xAA;
    ASSERT_EQ(appendSectionBytes(state.get(), SEC_DATA, &one, 1, 1), 0);
    state->dataLoc() = 1;
    std::vector<uint8_t> words(2400); // 600 four-byte elements
    for (size_t i = 0; i < words.size(); ++i) words[i] = static_cast<uint8_t>(i / 4);
    ASSERT_EQ(appendSectionBytes(state.get(), SEC_DATA, words.data(), 2400, 4), 0);
    const DataBlock* first = state->sections[SEC_DATA].head.get();
    ASSERT_EQ(first->used, 1);
    const DataBlock* second = first->next.get();
    ASSERT_NE(second, nullptr);
    EXPECT_EQ(second->start, 1);
    EXPECT_EQ(second->used, 2044); // 511 whole elements
    const DataBlock* third = second->next.get();
    ASSERT_NE(third, nullptr);
    EXPECT_EQ(third->start, 1 + 2044);
    EXPECT_EQ(third->used, 2400 - 2044);
    EXPECT_EQ(third->bytes[0], 0xFF); // element 511
    EXPECT_EQ(state->sections[SEC_DATA].tail, third);
}

TEST(SplitPath, BackslashDecidesTheDirectory) {
    SplitPath p = splitPath("src\\sub/main.c");
    EXPECT_EQ(*p.directory, "src\\sub/");
    EXPECT_EQ(*p.baseName, "main.c");
    SplitPath q = splitPath("src/main.c");
    EXPECT_EQ(*q.directory, ".");
    EXPECT_EQ(*q.baseName, "src/main.c");
    SplitPath none = splitPath(nullptr);
    EXPECT_FALSE(none.directory.has_value());
    EXPECT_FALSE(none.baseName.has_value());
}
