// The instruction decoder: every operand form the front end accepts decodes back to
// words the encoder reproduces, and the readings of ambiguous words come in the
// preferred order.
#include "core/Statement.h"
#include "isa/encoder.h"
#include "isa/opcodeTable.h"
#include "objdump/instructionDecoder.h"

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

namespace {

// The statement the front end builds for a written form with the given values, after
// resolution: names became addresses, "$name" immediates.
Statement statementFor(int mnemonic, const WrittenForm& form, int count, const int32_t* values,
                       const bool* indirect) {
    const MnemonicInfo& m = kMnemonics[mnemonic];
    Statement st;
    st.kind = SK_INSTRUCTION;
    st.id = m.id;
    st.operandCount = count;
    for (int o = 0; o < count; ++o) {
        Operand& op = st.operands[o];
        const OperandShape s = form.shape[o];
        const bool address = s == SHAPE_C || s == SHAPE_I || s == SHAPE_B;
        op.kind = address && !(m.jumpKind != JUMP_NONE && s == SHAPE_C) ? OPK_DIRECT : OPK_IMMEDIATE;
        op.value = values[o];
        op.indirect = (s == SHAPE_I || s == SHAPE_B) && indirect[o] && m.jumpKind == JUMP_NONE ? 1 : 0;
    }
    if (st.id == INS_SP_LOAD && count == 1 && form.shape[0] == SHAPE_IMM_C) st.id = kSpLoadImmediateId;
    if (form.parenthesisedTarget) st.id = m.jumpKind == JUMP_PLAIN ? kJumpIndirectId : kCallIndirectId;
    return st;
}

int32_t randomValue(std::mt19937& rng, OperandShape shape) {
    switch (rng() % 4) {
        case 0:
            return 0;
        case 1: // small, and within every 8-bit check
            return static_cast<int32_t>(rng() % 256) - (shape == SHAPE_F ? 0 : 128);
        case 2:
            return static_cast<int32_t>(rng() % 0x4000);
        default:
            return static_cast<int32_t>(rng());
    }
}

std::vector<uint16_t> encode(const Statement& st) {
    InstructionWords words;
    if (encodeWords(kOpcodeTable[st.id], st, words) != 0) return {};
    return std::vector<uint16_t>(words.word, words.word + words.count);
}

std::vector<DecodedInstruction> decode(const std::vector<uint16_t>& words) {
    DecodedInstruction found[16];
    const int n = decodeCandidates(words.data(), static_cast<int>(words.size()), found, 16);
    return std::vector<DecodedInstruction>(found, found + n);
}

} // namespace

// Every accepted form of every mnemonic, with random operand values: whatever the
// encoder writes, the decoder finds a reading of exactly that length.
TEST(DisasmDecoder, EveryAcceptedFormDecodes) {
    std::mt19937 rng(20260);
    int encoded = 0;
    for (int m = 0; m < kMnemonicCount; ++m) {
        const FormSet& set = mnemonicForms(m);
        for (int code = 0; code < kSignatureSpace; ++code) {
            if (!set.complete.test(static_cast<size_t>(code))) continue;
            WrittenForm form;
            int count = 0;
            for (int c = code; c != 0; c /= kShapeCount)
                form.shape[count++] = static_cast<OperandShape>(c % 7);
            for (int variant = 0; variant < 2; ++variant) {
                form.parenthesisedTarget =
                    variant == 1 && count == 1 && form.shape[0] == SHAPE_I &&
                    (kMnemonics[m].jumpKind == JUMP_PLAIN || kMnemonics[m].jumpKind == JUMP_CALL);
                if (variant == 1 && !form.parenthesisedTarget) continue;
                for (int trial = 0; trial < 24; ++trial) {
                    int32_t values[3];
                    bool indirect[3];
                    for (int o = 0; o < 3; ++o) {
                        values[o] = randomValue(rng, form.shape[o]);
                        indirect[o] = rng() % 2;
                    }
                    const Statement st = statementFor(m, form, count, values, indirect);
                    const std::vector<uint16_t> words = encode(st);
                    if (words.empty()) continue; // refused by a range check, or no encoding
                    ++encoded;
                    std::vector<uint16_t> padded = words;
                    padded.resize(4, 0xFFFF); // what follows must not matter
                    const std::vector<DecodedInstruction> found = decode(padded);
                    ASSERT_FALSE(found.empty())
                        << kMnemonics[m].spelling << " form " << code << " trial " << trial;
                    EXPECT_EQ(found[0].words, static_cast<int>(words.size())) << kMnemonics[m].spelling;
                }
            }
        }
    }
    EXPECT_GT(encoded, 10000);
}

struct PreferenceCase {
    const char* what;
    std::vector<uint16_t> words;
    const char* mnemonic; // of the first reading
    int id;
    int operandCount;
    std::vector<int32_t> values;
};

// Words that several forms produce: the first reading is the plainest spelling, and
// the values are those the encoder was given (not just the bits it kept).
TEST(DisasmDecoder, PreferredReadingsOfAmbiguousWords) {
    const PreferenceCase cases[] = {
        {"INT 1 is INTD", {0x0041}, "INTD", 8, 0, {}},
        {"WAIT without operand", {0x0002}, "WAIT", 2, 0, {}},
        {"WAIT with a count", {0x0065}, "WAIT", 2, 1, {5}},
        {"SP_LOAD immediate", {0x0A00, 0x1234}, "SP_LOAD", 50, 1, {0x1234}},
        {"SP_LOAD from memory", {0x1B00, 0x0100}, "SP_LOAD", 60, 1, {0x100}},
        {"BTST with flag Z is the two-operand form", {0x9403, 0x0010}, "BTST8", 138, 2, {0x10, 3}},
        {"BTST with flag C", {0x9423, 0x4010}, "BTST16", 139, 3, {0x10, 3, 1}},
        {"far jump keeps bit 16", {0xFA01, 0x0000}, "JUMP", 161, 1, {0x20000}},
        {"jump through a pointer", {0xFA08, 0x0001}, "JUMP", 162, 1, {2}},
        {"negative copy count", {0x7C03, 0x8020, 0x0010}, "CPYMEM", 71, 3, {0x10, 0x20, -3}},
        {"positive copy count", {0x7C02, 0xC020, 0x0010}, "CPYMEM", 71, 3, {0x10, 0x20, 3}},
        {"ADC8 immediate", {0x6A05, 0x4010}, "ADC8", 111, 2, {0x10, 5}},
        {"split 8-bit AND immediate", {0x4A3F, 0xC010}, "AND8", 96, 2, {0x10, 0xFF}},
        {"INC16 size in the second word", {0x8201, 0x4010}, "INC16", 133, 2, {0x10, 1}},
    };
    for (const PreferenceCase& c : cases) {
        const std::vector<DecodedInstruction> found = decode(c.words);
        ASSERT_FALSE(found.empty()) << c.what;
        const DecodedInstruction& d = found[0];
        EXPECT_STREQ(mnemonicSpelling(d.mnemonic), c.mnemonic) << c.what;
        EXPECT_EQ(d.id, c.id) << c.what;
        ASSERT_EQ(d.operandCount, c.operandCount) << c.what;
        for (int o = 0; o < d.operandCount; ++o)
            EXPECT_EQ(d.operands[o].value, c.values[o]) << c.what << " #" << o;
    }
}

// Words no instruction produces, and instructions cut short, give no reading.
TEST(DisasmDecoder, WordsWithoutAnInstruction) {
    const std::vector<std::vector<uint16_t>> none = {
        {0x0008},         // between IRET and DRET
        {0xFFFF, 0xFFFF}, // above the calls
        {0x4A00},         // AND8 needs its address word
        {0xEC00, 0x1234}, // PUSH32 needs three words
    };
    for (const std::vector<uint16_t>& words : none)
        EXPECT_TRUE(decode(words).empty()) << std::hex << words[0];
    EXPECT_EQ(decodeCandidates(nullptr, 2, nullptr, 0), 0);
}
