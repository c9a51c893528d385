// Section lookup, the attribute tables and the block chains that data is laid into.
#include "directives/DirectiveHandlers.h"
#include "driver/Zorlan.h"
#include "driver/initAsm.h"
#include "symbols/sectionHandler.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

namespace {

class Sections : public ::testing::Test {
  protected:
    void SetUp() override {
        context = std::make_unique<RunContext>();
        ASSERT_EQ(initAssemblerState(*context, state), 0);
    }
    std::unique_ptr<RunContext> context;
    std::unique_ptr<AssemblerState> state;
};

} // namespace

TEST_F(Sections, LookupIgnoresCaseAndGivesBothSlots) {
    int a, b, ordinal;
    sectionLookup(".TEXT", state.get(), &a, &b, &ordinal);
    EXPECT_EQ(std::vector<int>({a, b, ordinal}), std::vector<int>({0, 1, 0}));
    sectionLookup(".rel.data", state.get(), &a, &b, &ordinal);
    EXPECT_EQ(std::vector<int>({a, b, ordinal}), std::vector<int>({12, 13, 6}));
    sectionLookup(".text2", state.get(), &a, &b, &ordinal);
    EXPECT_EQ(std::vector<int>({a, ordinal}), std::vector<int>({-1, -1}));
    EXPECT_EQ(sectionTypeCode(".DEBUG_LINE", state.get()), 7);
    EXPECT_EQ(sectionTypeCode(".nothing", state.get()), -1);
}

TEST(SectionAttributes, FlagLettersAndTypeNumbers) {
    int32_t type, flags;
    sectionAttributes(".debug_info_reloc", &type, &flags);
    EXPECT_EQ(static_cast<uint32_t>(type), 0x80000005u);
    EXPECT_EQ(flags, 64);
    sectionAttributes("\".mine\"", &type, &flags);
    EXPECT_EQ(std::vector<int32_t>({type, flags}), std::vector<int32_t>({-1, -1}));
    // Listings show more flags than .SECTION sets: their letters (I, p) are not accepted.
    const std::pair<char, int32_t> letters[] = {{'W', 1},  {'a', 2},  {'X', 4},  {'m', int32_t(0xF0000000)},
                                                {'r', -1}, {'I', -1}, {'i', -1}, {'p', -1},
                                                {'\0', -1}};
    for (auto [letter, flag] : letters) EXPECT_EQ(sectionFlagFromLetter(letter), flag) << letter;
    const std::pair<int32_t, int32_t> types[] = {
        {0, 0}, {11, 11}, {12, 0x70000000}, {13, 0x7FFFFFFF}, {14, INT32_MIN}, {15, -1}, {-1, -1}};
    for (auto [number, code] : types) EXPECT_EQ(sectionTypeFromNumber(number), code) << number;
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

// Blocks share the arena's chunks: each must come zeroed, hold its full capacity, and
// keep its bytes while later blocks (in later, larger chunks) are written through.
TEST_F(Sections, ArenaBlocksAreZeroedAndKeepTheirBytes) {
    std::vector<std::unique_ptr<DataBlock>> blocks;
    for (int i = 0; i < 200; ++i) {
        blocks.push_back(createDataBlock(state.get(), i * kBlockCapacity, kBlockCapacity));
        DataBlock& block = *blocks.back();
        ASSERT_EQ(block.bytes.size(), static_cast<size_t>(kBlockCapacity));
        for (uint8_t byte : block.bytes) ASSERT_EQ(byte, 0) << "block " << i;
        std::fill(block.bytes.begin(), block.bytes.end(), static_cast<uint8_t>(i + 1));
    }
    for (int i = 0; i < 200; ++i)
        for (uint8_t byte : blocks[static_cast<size_t>(i)]->bytes)
            ASSERT_EQ(byte, static_cast<uint8_t>(i + 1)) << "block " << i;
    // A block larger than any chunk gets a chunk of its own.
    auto large = createDataBlock(state.get(), 0, 200000);
    ASSERT_EQ(large->bytes.size(), 200000u);
    EXPECT_EQ(large->bytes[199999], 0);
    EXPECT_EQ(createDataBlock(state.get(), 0, 0)->bytes.size(), 0u);
}
