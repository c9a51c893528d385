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

// Family encodings are covered end to end by the golden tests; these are the worked
// examples and the forms whose operands the front end shapes specially.
TEST_F(EncoderTest, WorkedExamplesAndSpecialForms) {
    checkAll({
        {"NOP", instruction(0, {}), {0x0000}},
        {"ADD8 mem $5", instruction(108, {addr(0x10), imm(5)}), {0x6A05, 0x0010}},
        {"ADC8 mem $5", instruction(111, {addr(0x10), imm(5)}), {0x6A05, 0x4010}},
        {"JUMP 0x10000", instruction(161, {imm(0x20000)}), {0xFA01, 0x0000}},
        {"CALL7 top of code", instruction(244, {imm(0x3FFFE)}), {0xFAFF, 0xFFFF}},
        {"JUMP_I indirect", instruction(162, {ind(0x0100)}), {0xFA08, 0x0100}},
        {"JUMP_I as the front end leaves it", instruction(162, {addr(0x0100)}), {0xFA08, 0x0080}},
        {"CALL through pointer", instruction(204, {ind(0x0200)}), {0xFA88, 0x0200}},
        {"SP_LOAD $label", instruction(60, {limm(0x300)}), {0x0A00, 0x0300}},
        {"LD8 255", instruction(67, {ind(0x1234), imm(255)}), {0x23FF, 0x1234}},
        {"LD8 -128", instruction(67, {addr(0x10), imm(-128)}), {0x2280, 0x0010}},
        {"CPYMEM -3", instruction(71, {addr(0xFFFF), ind(0x20), imm(-3)}), {0x7C03, 0x8020, 0xFFFF}},
        {"CPYMEM 3", instruction(71, {addr(0x10), addr(0x20), imm(3)}), {0x7C02, 0xC020, 0x0010}},
        {"CPYMEM 0", instruction(71, {addr(0x10), addr(0x20), imm(0)}), {0x7C00, 0x4020, 0x0010}},
    });
}

// Every failing check, and where a form has two, the one that must be reported first.
TEST_F(EncoderTest, RangeAndIndirectionChecks) {
    checkAll({
        {"WAIT (5)", instruction(2, {ind(5)}), {}, 3014},
        {"TXL 1 (2)", instruction(48, {addr(1), ind(2)}), {}, 3014},
        {"SP_WR8 range before indirection", instruction(53, {ind(5), imm(300)}), {}, 3015},
        {"SP_WR8 indirect", instruction(53, {ind(5), imm(3)}), {}, 3014},
        {"LD8 256", instruction(67, {addr(0x10), imm(256)}), {}, 3015},
        {"LD8 -129", instruction(67, {addr(0x10), imm(-129)}), {}, 3015},
        {"LD16 65536", instruction(68, {addr(0x10), imm(65536)}), {}, 3015},
        {"LD16 -32769", instruction(68, {addr(0x10), imm(-32769)}), {}, 3015},
        {"AND8 256", instruction(96, {addr(0x10), imm(256)}), {}, 3015},
        {"XOR16 65536", instruction(103, {addr(0x10), imm(65536)}), {}, 3015},
        {"SUB8 -129", instruction(114, {addr(0x10), imm(-129)}), {}, 3015},
        {"ADD16 -32769", instruction(109, {addr(0x10), imm(-32769)}), {}, 3015},
        {"INC8 256", instruction(132, {addr(0x10), imm(256)}), {}, 3015},
        {"BCLR8 256", instruction(141, {addr(0x10), imm(256)}), {}, 3015},
        {"INV8 256", instruction(147, {addr(0x10), imm(256)}), {}, 3015},
        {"OUTPORT indirect port before range", instruction(153, {ind(5), imm(300)}), {}, 3014},
        {"OUTPORT range", instruction(153, {addr(5), imm(300)}), {}, 3015},
        {"ANDPORT range before indirection", instruction(154, {ind(5), imm(300)}), {}, 3015},
        {"ORPORT indirect port", instruction(155, {ind(5), imm(3)}), {}, 3014},
        {"INPORT indirect port", instruction(156, {ind(5), addr(0x30)}), {}, 3014},
        {"PORTTST range before indirection", instruction(157, {ind(7), imm(-200)}), {}, 3015},
        {"CMP16 70000", instruction(159, {addr(0x10), imm(70000)}), {}, 3015},
        {"CPYROM indirect source", instruction(70, {addr(0x10), ind(0x20), imm(1)}), {}, 3014},
        {"ANDPORT three, range first", instruction(154, {ind(5), addr(0x20), imm(256)}), {}, 3015},
        {"ORPORT three, indirect port", instruction(155, {ind(5), addr(0x20), imm(1)}), {}, 3014},
        {"PORTTST three, indirect port", instruction(157, {ind(1), imm(3), imm(15)}), {}, 3014},
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
