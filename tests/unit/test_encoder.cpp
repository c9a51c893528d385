// How the encoder frames its words in the text section's blocks; the code words and
// the operand checks are pinned by the golden tests.
#include "isa/encoder.h"
#include "isa/opcodeTable.h"
#include "symbols/sectionHandler.h"
#include "test_encoderSupport.h"

using namespace isatest;

namespace {

using EncoderTest = IsaTest;

} // namespace

TEST_F(EncoderTest, FirstBlockStartsAtTheCounterAndOddCountersArePadded) {
    state().textLoc() = 0x105;
    Statement halt = instruction(1, {});
    ASSERT_EQ(encodeInstruction(lookupOpcodeTable(1), &state(), &halt), 0);
    const DataBlock* block = state().sections[SEC_TEXT].head.get();
    ASSERT_NE(block, nullptr);
    EXPECT_EQ(block->start, 0x105);
    EXPECT_EQ(state().textLoc(), 0x106);
    EXPECT_EQ(textBytes(state()), (std::vector<uint8_t>{0x00, 0x01, 0x00}));

    // A failing instruction keeps its pad byte and writes nothing else.
    state().textLoc() += 3;
    Statement bad = instruction(67, {addr(1), imm(256)});
    EXPECT_EQ(encodeInstruction(lookupOpcodeTable(67), &state(), &bad), -1);
    EXPECT_EQ(state().textLoc(), 0x10A);
    EXPECT_EQ(block->used, 4);
}

TEST_F(EncoderTest, BlocksCloseBeforeTheTableLengthWouldFillThem) {
    // Emulate the driver: the counter advances by the table length after each instruction.
    auto emit = [&](Statement st) {
        ASSERT_EQ(encodeInstruction(lookupOpcodeTable(st.id), &state(), &st), 0);
        state().textLoc() += 2 * instructionSize(st);
    };
    for (int i = 0; i < 1019; ++i) emit(instruction(0, {})); // 2038 bytes
    const SectionChain& text = state().sections[SEC_TEXT];
    ASSERT_EQ(text.head.get(), text.tail);
    emit(instruction(68, {addr(1), imm(2)})); // 2038 + 6 = 2044: still fits
    EXPECT_EQ(text.tail->used, 2044);
    emit(instruction(0, {})); // 2044 + 2 reaches 2046: a new block
    ASSERT_NE(text.head.get(), text.tail);
    EXPECT_EQ(text.tail->start, 2044);
    EXPECT_EQ(text.tail->prev, text.head.get());
    EXPECT_EQ(text.head->used, 2044);
    EXPECT_EQ(text.tail->used, 2);
}

TEST_F(EncoderTest, LongFormsNeverOverrunABlock) {
    // SHR8 is two words in the table but four with a memory count; near the end of a
    // block it must start a new block instead of writing past the buffer, taking its pad
    // byte along so that the new block holds the whole instruction.
    for (int64_t start : {2040, 2041}) {
        fresh();
        DataBlock* block = appendBlock(&state(), SEC_TEXT, createDataBlock(0, kBlockCapacity));
        block->used = static_cast<int32_t>(start);
        state().textLoc() = start;
        Statement st = instruction(72, {addr(0x10), addr(0x20), addr(0x30)});
        ASSERT_EQ(encodeInstruction(lookupOpcodeTable(72), &state(), &st), 0);
        const SectionChain& text = state().sections[SEC_TEXT];
        ASSERT_NE(text.tail, block) << start;
        EXPECT_EQ(block->used, start);
        EXPECT_EQ(text.tail->start, start);
        EXPECT_EQ(text.tail->used, 8 + (start & 1));
        EXPECT_EQ(state().textLoc(), start + (start & 1)); // only the pad byte moves the counter
    }
}
