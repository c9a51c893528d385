// Code words of every instruction family, the range and indirection checks, and the
// block framing of the text section.
#include "isa/encoder.h"
#include "isa/opcodeTable.h"
#include "symbols/sectionHandler.h"
#include "test_encoderSupport.h"

using namespace isatest;

namespace {

struct EncodeCase {
    const char* what;
    Statement statement;
    std::vector<uint16_t> words; // expected code words; empty when `error` is expected
    int error = 0;               // expected diagnostic code
};

class EncoderTest : public IsaTest {
  protected:
    // Encodes one statement into a fresh state and checks words or the diagnostic.
    void check(const EncodeCase& c) {
        fresh();
        Statement st = c.statement;
        const int result = encodeInstruction(lookupOpcodeTable(st.id), &state(), &st);
        if (c.error) {
            EXPECT_EQ(result, -1) << c.what;
            EXPECT_EQ(diagnosticCodes(), std::vector<int>{c.error}) << c.what;
            EXPECT_TRUE(textWords(state()).empty()) << c.what << ": nothing may be written";
            return;
        }
        EXPECT_EQ(result, 0) << c.what;
        EXPECT_TRUE(diagnostics().empty()) << c.what;
        EXPECT_EQ(textWords(state()), c.words) << c.what;
    }
    void checkAll(std::initializer_list<EncodeCase> cases) {
        for (const EncodeCase& c : cases) check(c);
    }
};

} // namespace

TEST_F(EncoderTest, NoAndOneOperand) {
    checkAll({
        {"NOP", instruction(0, {}), {0x0000}},
        {"HALT", instruction(1, {}), {0x0001}},
        {"INTD", instruction(8, {}), {0x0041}},
        {"SETZ", instruction(15, {}), {0x0080}},
        {"CLR7", instruction(46, {}), {0x00CF}},
        {"WAIT 0x25", instruction(2, {addr(0x25)}), {0x0065}},
        {"INT 9", instruction(14, {addr(9)}), {0x0041}},
        {"SP_LOAD $0x1234", instruction(50, {imm(0x1234)}), {0x0A00, 0x1234}},
        {"SP_INC $0x1FF", instruction(51, {imm(0x1FF)}), {0x08FF}},
        {"SP_DEC $2", instruction(52, {imm(2)}), {0x0902}},
        {"SP_STORE (0x100)", instruction(59, {ind(0x100)}), {0x1A01, 0x0100}},
        {"SP_LOAD from memory", instruction(60, {addr(0x100)}), {0x1B00, 0x0100}},
        {"SP_LOAD $label", instruction(60, {limm(0x300)}), {0x0A00, 0x0300}},
        {"PUSH16 (0xC005)", instruction(62, {ind(0xC005)}), {0xF201, 0x4005}},
        {"PUSH32 0x10", instruction(63, {addr(0x10)}), {0xF200, 0x8010}},
        {"PUSH8 $0x1AB", instruction(61, {imm(0x1AB)}), {0xE8AB}},
        {"PUSH16 $0x12345", instruction(62, {imm(0x12345)}), {0xEA00, 0x2345}},
        {"PUSH32 $0x12345678", instruction(63, {imm(0x12345678)}), {0xEC00, 0x5678, 0x1234}},
        {"POP32 (0x10)", instruction(66, {ind(0x10)}), {0xF381, 0x0010}},
        {"POP8 $5", instruction(64, {imm(5)}), {0xF300, 0x0005}},
        {"JUMP 0x10000", instruction(161, {imm(0x20000)}), {0xFA01, 0x0000}},
        {"JGTS label", instruction(164, {addr(0x2468)}), {0xFA12, 0x1234}},
        {"CALL7 top of code", instruction(244, {imm(0x3FFFE)}), {0xFAFF, 0xFFFF}},
        {"JUMP_I indirect", instruction(162, {ind(0x0100)}), {0xFA08, 0x0100}},
        {"JUMP_I as written by the front end", instruction(162, {addr(0x0100)}), {0xFA08, 0x0080}},
        {"CALL through pointer", instruction(204, {ind(0x0200)}), {0xFA88, 0x0200}},
        {"WAIT (5)", instruction(2, {ind(5)}), {}, 3014},
    });
}

TEST_F(EncoderTest, TwoOperandMoves) {
    checkAll({
        {"CPYF C F7", instruction(47, {imm(1), imm(15)}), {0x011F}},
        {"TXL (0x4001) 0x4002", instruction(48, {ind(0x4001), addr(0x4002)}), {0xFD01, 0x0002, 0x0001}},
        {"TXL 1 (2)", instruction(48, {addr(1), ind(2)}), {}, 3014},
        {"WRCODE 0x10 (0x20)", instruction(49, {addr(0x10), ind(0x20)}), {0xFD21, 0x0020, 0x0010}},
        {"SP_WR16", instruction(54, {addr(0x4005), imm(0x7F)}), {0x127F, 0x4005}},
        {"SP_RD32 -1", instruction(58, {addr(5), imm(-1)}), {0x13FF, 0x8005}},
        {"SP_WR8 range before indirection", instruction(53, {ind(5), imm(300)}), {}, 3015},
        {"SP_WR8 indirect", instruction(53, {ind(5), imm(3)}), {}, 3014},
        {"LD8 255", instruction(67, {ind(0x1234), imm(255)}), {0x23FF, 0x1234}},
        {"LD8 -128", instruction(67, {addr(0x10), imm(-128)}), {0x2280, 0x0010}},
        {"LD8 256", instruction(67, {addr(0x10), imm(256)}), {}, 3015},
        {"LD8 -129", instruction(67, {addr(0x10), imm(-129)}), {}, 3015},
        {"LD16 65535", instruction(68, {addr(0x10), imm(65535)}), {0x2400, 0x0010, 0xFFFF}},
        {"LD16 -32768", instruction(68, {addr(0x10), imm(-32768)}), {0x2400, 0x0010, 0x8000}},
        {"LD16 65536", instruction(68, {addr(0x10), imm(65536)}), {}, 3015},
        {"LD16 -32769", instruction(68, {addr(0x10), imm(-32769)}), {}, 3015},
        {"LD32", instruction(69, {ind(0x10), imm(0x12345678)}), {0x2700, 0x0010, 0x5678, 0x1234}},
    });
}

TEST_F(EncoderTest, TwoOperandShiftsLogicArithmetic) {
    checkAll({
        {"SHL16 count", instruction(76, {ind(0x4010), imm(0x25)}), {0x3325, 0x4010}},
        {"ROLC32 count in memory", instruction(95, {addr(0x10), ind(0x20)}), {0x3CE2, 0x8020, 0x0010}},
        {"AND8 memory", instruction(96, {ind(0x10), ind(0x20)}), {0x5501, 0x0020, 0x0010}},
        {"OR32 memory", instruction(101, {addr(0x10), addr(0x4020)}), {0x5440, 0x8020, 0x0010}},
        {"XOR8 split immediate", instruction(102, {addr(0x3FFF), imm(0xC5)}), {0x4A85, 0xFFFF}},
        {"OR16 immediate", instruction(100, {addr(0x10), imm(-2)}), {0x4C40, 0x0010, 0xFFFE}},
        {"XNOR32 immediate",
         instruction(107, {ind(0x10), imm(0x89ABCDEF)}),
         {0x4FC0, 0x0010, 0xCDEF, 0x89AB}},
        {"AND8 256", instruction(96, {addr(0x10), imm(256)}), {}, 3015},
        {"XOR16 65536", instruction(103, {addr(0x10), imm(65536)}), {}, 3015},
        {"ADD8 mem $5", instruction(108, {addr(0x10), imm(5)}), {0x6A05, 0x0010}},
        {"ADC8 mem $5", instruction(111, {addr(0x10), imm(5)}), {0x6A05, 0x4010}},
        {"SBC8 (mem) $5", instruction(117, {ind(0x10), imm(5)}), {0x6B05, 0xC010}},
        {"MUL8", instruction(120, {addr(0x10), imm(7)}), {0x6A07, 0x0010}},
        {"SUB16 weak address kept", instruction(115, {addr(0xFFFF), imm(0x1234)}), {0x6C20, 0xFFFF, 0x1234}},
        {"SUB16 14-bit address", instruction(115, {addr(0x4010), imm(1)}), {0x6C20, 0x0010, 0x0001}},
        {"NEG32", instruction(131, {ind(0x10), imm(0x12345678)}), {0x6F70, 0x0010, 0x5678, 0x1234}},
        {"ADC16 memory", instruction(112, {addr(0x10), ind(0x20)}), {0x7411, 0x4020, 0x0010}},
        {"SUB8 -129", instruction(114, {addr(0x10), imm(-129)}), {}, 3015},
        {"INC32", instruction(134, {ind(0x10), imm(0x80)}), {0x8380, 0x8010}},
        {"DEC8", instruction(135, {addr(0x10), imm(1)}), {0x8A01, 0x0010}},
        {"INC8 256", instruction(132, {addr(0x10), imm(256)}), {}, 3015},
    });
}

TEST_F(EncoderTest, TwoOperandBitsCopiesPortsCompares) {
    checkAll({
        {"BTST16", instruction(139, {ind(0x10), imm(33)}), {0x9601, 0x4010}},
        {"BSET32", instruction(146, {ind(0x10), imm(31)}), {0xA2BF, 0x8010}},
        {"BCLR8 256", instruction(141, {addr(0x10), imm(256)}), {}, 3015},
        {"INV16", instruction(148, {addr(0x10), imm(0)}), {0x4200, 0x4010}},
        {"INV8 memory", instruction(147, {ind(0x10), ind(0x20)}), {0x4541, 0x0020, 0x0010}},
        {"CPY32", instruction(152, {addr(0x10), imm(3)}), {0x4400, 0x8003, 0x0010}},
        {"OUTPORT immediate", instruction(153, {addr(0x1FF), imm(0x12)}), {0xB1FF, 0x0012}},
        {"OUTPORT memory", instruction(153, {addr(5), ind(0x20)}), {0xB605, 0x0020}},
        {"OUTPORT indirect port before range", instruction(153, {ind(5), imm(300)}), {}, 3014},
        {"OUTPORT range", instruction(153, {addr(5), imm(300)}), {}, 3015},
        {"ANDPORT", instruction(154, {addr(0x105), imm(0x7F)}), {0xB905, 0x007F}},
        {"ANDPORT range before indirection", instruction(154, {ind(5), imm(300)}), {}, 3015},
        {"ORPORT indirect port", instruction(155, {ind(5), imm(3)}), {}, 3014},
        {"INPORT", instruction(156, {addr(0x1FF), ind(0x30)}), {0xBFFF, 0x0030}},
        {"INPORT indirect port", instruction(156, {ind(5), addr(0x30)}), {}, 3014},
        {"PORTTST", instruction(157, {addr(7), imm(0x25)}), {0xC807, 0x0005}},
        {"PORTTST range before indirection", instruction(157, {ind(7), imm(-200)}), {}, 3015},
        {"CMP8", instruction(158, {addr(0x10), imm(-1)}), {0xDAFF, 0x0010}},
        {"CMP16", instruction(159, {ind(0x10), imm(0x8000)}), {0xDD00, 0x0010, 0x8000}},
        {"CMP32", instruction(160, {addr(0x10), imm(0x12345678)}), {0xDE00, 0x0010, 0x5678, 0x1234}},
        {"CMP16 memory", instruction(159, {ind(0x10), ind(0x20)}), {0xE501, 0x4010, 0x0020}},
        {"CMP16 70000", instruction(159, {addr(0x10), imm(70000)}), {}, 3015},
    });
}

TEST_F(EncoderTest, ThreeOperands) {
    checkAll({
        {"CPYROM", instruction(70, {ind(0x10), addr(0x20), imm(0x1FF)}), {0x2DFF, 0x0020, 0x0010}},
        {"CPYROM indirect source", instruction(70, {addr(0x10), ind(0x20), imm(1)}), {}, 3014},
        {"CPYMEM -3", instruction(71, {addr(0xFFFF), ind(0x20), imm(-3)}), {0x7C03, 0x8020, 0xFFFF}},
        {"CPYMEM 3", instruction(71, {addr(0x10), addr(0x20), imm(3)}), {0x7C02, 0xC020, 0x0010}},
        {"CPYMEM 0", instruction(71, {addr(0x10), addr(0x20), imm(0)}), {0x7C00, 0x4020, 0x0010}},
        {"SHR8 count", instruction(72, {ind(0x10), addr(0x20), imm(0x13)}), {0x3512, 0x0020, 0x8010}},
        {"SAR32 count in memory",
         instruction(80, {addr(0x10), ind(0x20), ind(0x30)}),
         {0x3E43, 0x8030, 0x0020, 0x0010}},
        {"AND16", instruction(97, {ind(0x10), ind(0x20), ind(0x30)}), {0x5703, 0x4020, 0x0030, 0x0010}},
        {"XNOR8", instruction(105, {addr(0x10), addr(0x20), addr(0x30)}), {0x56C0, 0x0020, 0x0030, 0x0010}},
        {"DIV32", instruction(125, {addr(0x10), addr(0x20), addr(0x30)}), {0x7650, 0x8020, 0x0030, 0x0010}},
        {"ADD8", instruction(108, {addr(0x10), ind(0x20), addr(0x30)}), {0x7601, 0x0020, 0x0030, 0x0010}},
        {"BTST32 with flag", instruction(140, {ind(0x10), imm(3), imm(15)}), {0x97E3, 0x8010}},
        {"ANDPORT", instruction(154, {addr(5), ind(0x20), imm(0x7F)}), {0xC205, 0x007F, 0x0020}},
        {"ORPORT", instruction(155, {addr(5), addr(0x20), imm(1)}), {0xC405, 0x0001, 0x0020}},
        {"ANDPORT range before indirection", instruction(154, {ind(5), addr(0x20), imm(256)}), {}, 3015},
        {"ORPORT indirect port", instruction(155, {ind(5), addr(0x20), imm(1)}), {}, 3014},
        {"PORTTST with flag", instruction(157, {addr(0x1FF), imm(3), imm(15)}), {0xC9FF, 0x01E3}},
        {"PORTTST indirect port", instruction(157, {ind(1), imm(3), imm(15)}), {}, 3014},
    });
}

TEST_F(EncoderTest, FormsWithoutEncodingWriteNothing) {
    checkAll({
        {"SETZ with an operand", instruction(15, {addr(1)}), {}},
        {"ADD8 with one operand", instruction(108, {addr(1)}), {}},
        {"JUMP with two operands", instruction(161, {addr(1), addr(2)}), {}},
        {"ADD8 with an immediate third operand", instruction(108, {addr(1), addr(2), imm(3)}), {}},
        {"INC8 with three operands", instruction(132, {addr(1), addr(2), addr(3)}), {}},
    });
    Statement st = instruction(0, {});
    EXPECT_EQ(encodeInstruction(nullptr, &state(), &st), -1);
    EXPECT_EQ(diagnosticCodes(), std::vector<int>{5001});
}

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
