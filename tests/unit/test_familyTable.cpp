// The family table: every row is consistent, the consistency checks catch a broken row,
// and every accepted form assembles to the length pass one gives it.
#include "isa/encoder.h"
#include "isa/familyTable.h"
#include "isa/mnemonics.h"
#include "isa/opcodeTable.h"
#include "symbols/sectionHandler.h"
#include "test_encoderSupport.h"

#include <string>
#include <vector>

using namespace isatest;

namespace {

constexpr const char* kShapeWords[kShapeCount] = {"", "C", "I", "B", "$c", "$l", "F"};

std::string formText(int code) {
    std::string text;
    for (int k = 0; k < signatureLength(code); ++k)
        text += std::string(k ? " " : "") + kShapeWords[signatureShape(code, k)];
    return text.empty() ? "-" : text;
}

// The operand whose value bits a field holds, or -1 (opcode bits, size class, flags).
int valueOperand(const LayoutField& field) {
    if (field.source <= SRC_C) return field.source - SRC_A;
    if (field.source == SRC_C_MAGNITUDE || field.source == SRC_C_NOT_NEGATIVE) return 2;
    return -1;
}

std::vector<int> familyIds(InstructionFamily family) {
    std::vector<int> ids;
    for (int id = 0; id < kInstructionCount; ++id)
        if (familyOfId(id) == family) ids.push_back(id);
    return ids;
}

// The first fault of a row for its ids, or "": a form without a layout; a field outside
// its layout's words or an empty word; a check or field of an operand the form lacks;
// an operand that can name a symbol without a stated field; a relocation that names a
// word holding none of the operand's bits; a layout no form selects; a length given
// although it is the opcode table's for every id.
std::string rowFault(const FamilyRow& row, const std::vector<int>& ids) {
    std::string fault;
    std::vector<bool> used(row.layouts.size()), ownLength(row.layouts.size());
    forEachForm(row.forms, [&](int code) {
        for (int id : ids) {
            if (!fault.empty()) return;
            const OpcodeEntry& entry = kOpcodeTable[id];
            const std::string where = std::string(row.name) + " " + entry.name + " " + formText(code) + ": ";
            const int count = signatureLength(code);
            const int index = rowLayoutIndex(row, count, formMemory(row, code), entry.sizeClass);
            if (index < 0) {
                fault = where + "no layout";
                return;
            }
            const size_t n = static_cast<size_t>(index);
            const InstructionLayout* layout = &row.layouts[n];
            used[n] = true;
            ownLength[n] = ownLength[n] || (layout->length != kTableLength && layout->length != entry.words);
            const int length = layout->length != kTableLength ? layout->length : entry.words;
            bool filled[kMaxLayoutWords] = {layout->fixedBits != 0};
            bool holds[3][kMaxLayoutWords] = {};
            for (const LayoutField& field : layout->fields) {
                if (field.mask == 0) break;
                const int o = valueOperand(field);
                if (field.word >= length)
                    fault = where + "a field lies beyond the " + std::to_string(length) + " words";
                else if (o >= count)
                    fault = where + "a field of a missing operand";
                else
                    filled[field.word] = true;
                if (fault.empty() && o >= 0) holds[o][field.word] = true;
            }
            for (int w = 0; w < length && fault.empty(); ++w)
                if (!filled[w]) fault = where + "word " + std::to_string(w) + " is empty";
            for (const LayoutCheck& check : layout->checks)
                if (check.kind != CHECK_NONE && check.operand >= count)
                    fault = where + "a check of a missing operand";
            for (int k = 0; k < count && fault.empty(); ++k) {
                const SymbolPlace& place = layout->symbols[k];
                const std::string operand = "operand " + std::to_string(k + 1);
                if (namesSymbol(signatureShape(code, k)) && place.field == SF_UNSTATED)
                    fault = where + operand + " can name a symbol but has no stated field";
                else if (place.field > SF_REFUSED &&
                         (place.word >= length || (!place.besideField && !holds[k][place.word])))
                    fault = where + operand + " is relocated at word " + std::to_string(place.word) +
                            ", which holds none of its bits";
            }
        }
    });
    for (size_t n = 0; n < row.layouts.size() && fault.empty(); ++n) {
        const std::string layout = std::string(row.name) + " layout \"" + row.layouts[n].operands + "\": ";
        if (!used[n])
            fault = layout + "no form selects it";
        else if (row.layouts[n].length != kTableLength && !ownLength[n])
            fault = layout + "its length is the opcode table's";
    }
    return fault;
}

// Broken copies of real rows, each with one fault the checks must name.
using namespace familyLayouts;
constexpr InstructionLayout withField(InstructionLayout layout, LayoutField field) {
    for (LayoutField& f : layout.fields) {
        if (f.mask != 0) continue;
        f = field;
        break;
    }
    return layout;
}
constexpr InstructionLayout withPlace(InstructionLayout layout, int operand, SymbolPlace place) {
    layout.symbols[operand] = place;
    return layout;
}
constexpr InstructionLayout withLength(InstructionLayout layout, uint8_t length) {
    layout.length = length;
    return layout;
}
constexpr InstructionLayout kLdWithout32[] = {kLd[0], kLd[1]};
constexpr InstructionLayout kLd16TooLong[] = {kLd[0], withField(kLd[1], high(3, B)), kLd[2]};
constexpr InstructionLayout kLd8MisplacedImmediate[] = {withPlace(kLd[0], 1, imm8(1)), kLd[1], kLd[2]};
constexpr InstructionLayout kLdUnreachable[] = {
    kLd[0], kLd[1], kLd[2], {"V V", ANY, TABLE, 0, {opcode()}, {}, {}}};
constexpr InstructionLayout kSpStepUnstated[] = {withPlace(kSpStep[0], 0, {})};
constexpr InstructionLayout kCpyNeedlessLength[] = {kCpy[0], withLength(kCpy[1], 3)};

// An operand of `shape` as the front end hands it to pass one (`resolved` false) or as
// resolution leaves it for the encoder; the values pass every range check.
Operand operandOf(OperandShape shape, bool codeTarget, bool parenthesised, bool resolved) {
    switch (shape) {
        case SHAPE_C:
            return codeTarget ? imm(0x200) : addr(0x21);
        case SHAPE_IMM_C:
            return imm(3);
        case SHAPE_F:
            return imm(1);
        case SHAPE_IMM_L:
            return resolved ? limm(0x42) : lsym("lbl");
        case SHAPE_I:
            if (parenthesised) return resolved ? addr(0x48) : sym("ptr"); // JUMP and CALL through a pointer
            return resolved ? addr(0x44) : sym("var");
        default:
            return resolved ? addr(0x46) : sym("var", 2);
    }
}

int bytesOfText(const AssemblerState& state) {
    int used = 0;
    for (const DataBlock* b = state.sections[SEC_TEXT].head.get(); b; b = b->next.get()) used += b->used;
    return used;
}

using FamilyForms = IsaTest;

} // namespace

TEST(FamilyTable, EveryRowIsConsistent) {
    for (const FamilyRow& row : kFamilyTable) EXPECT_EQ(rowFault(row, familyIds(row.family)), "");
}

TEST(FamilyTable, ChecksNameTheFaultOfABrokenRow) {
    struct Case {
        InstructionFamily family;
        std::span<const InstructionLayout> layouts;
        const char* fault;
    };
    const Case cases[] = {
        {FAM_LD, kLdWithout32, "LD LD32 C $c: no layout"},
        {FAM_LD, kLd16TooLong, "LD LD16 C $c: a field lies beyond the 3 words"},
        {FAM_LD, kLd8MisplacedImmediate,
         "LD LD8 C $c: operand 2 is relocated at word 1, which holds none of its bits"},
        {FAM_LD, kLdUnreachable, "LD layout \"V V\": no form selects it"},
        {FAM_SP_STEP, kSpStepUnstated,
         "SP_STEP SP_INC $l: operand 1 can name a symbol but has no stated field"},
        {FAM_CPY, kCpyNeedlessLength, "CPY layout \"M M\": its length is the opcode table's"},
    };
    for (const Case& c : cases) {
        FamilyRow row = kFamilyTable[c.family];
        row.layouts = c.layouts;
        EXPECT_EQ(rowFault(row, familyIds(c.family)), c.fault);
    }
}

// Pass one sizes a form before its names are resolved and pass two after; both must
// agree with what the encoder writes, for every accepted form of every mnemonic.
TEST_F(FamilyForms, EveryAcceptedFormAssemblesToItsPassOneLength) {
    std::vector<bool> idSeen(kInstructionCount);
    for (int m = 0; m < kMnemonicCount; ++m) {
        const MnemonicInfo& info = kMnemonics[m];
        const bool codeTarget = kFamilyTable[familyOfId(info.id)].codeTarget;
        for (int code = 0; code < kSignatureSpace; ++code) {
            if (!mnemonicForms(m).complete.test(static_cast<size_t>(code))) continue;
            const int count = signatureLength(code);
            const bool pointer = (info.jumpKind == JUMP_PLAIN || info.jumpKind == JUMP_CALL) &&
                                 signatureShape(code, 0) == SHAPE_I;
            for (int variant = 0; variant < (pointer ? 2 : 1); ++variant) {
                int id = info.id;
                if (variant == 1) id = info.jumpKind == JUMP_PLAIN ? kJumpIndirectId : kCallIndirectId;
                if (id == INS_SP_LOAD && signatureShape(code, 0) == SHAPE_IMM_C) id = kSpLoadImmediateId;
                Statement passOne = instruction(id, {}), passTwo = instruction(id, {});
                for (int k = 0; k < count; ++k) {
                    passOne.operands[passOne.operandCount++] =
                        operandOf(signatureShape(code, k), codeTarget, variant, false);
                    passTwo.operands[passTwo.operandCount++] =
                        operandOf(signatureShape(code, k), codeTarget, variant, true);
                }
                const std::string what = std::string(info.spelling) + " " + formText(code);
                const int size = instructionSize(passOne);
                EXPECT_EQ(instructionSize(passTwo), size) << what;
                const int before = bytesOfText(state());
                ASSERT_EQ(encodeInstruction(lookupOpcodeTable(id), &state(), &passTwo), 0) << what;
                EXPECT_EQ(bytesOfText(state()) - before, 2 * size) << what;
                state().textLoc() += 2 * size;
                idSeen[id] = true;
            }
        }
    }
    EXPECT_TRUE(diagnostics().entries.empty());
    for (int id = 0; id < kInstructionCount; ++id)
        EXPECT_TRUE(idSeen[id]) << kOpcodeTable[id].name << " has no form";
}

TEST(OpcodeTable, LookupEdgesAndSizesOfImpossibleStatements) {
    EXPECT_EQ(lookupOpcodeTable(-1), nullptr);
    EXPECT_EQ(lookupOpcodeTable(kInstructionCount), nullptr);
    EXPECT_EQ(lookupOpcodeTable(kLabelStatementId), nullptr);
    for (int id = 0; id < kInstructionCount; ++id) ASSERT_EQ(lookupOpcodeTable(id)->id, id);
    EXPECT_EQ(instructionSize(instruction(kInstructionCount, {})), -1);
    EXPECT_EQ(instructionSize(instruction(kLabelStatementId, {})), -1);
    Statement tooMany = instruction(108, {addr(1), addr(2), addr(3)});
    tooMany.operandCount = 4;
    EXPECT_EQ(instructionSize(tooMany), -1);
    // A form the family does not have (ADD8 ending in an immediate) has no length and no words.
    Statement missing = instruction(108, {addr(1), addr(2), imm(3)});
    InstructionWords words;
    EXPECT_EQ(instructionSize(missing), -1);
    EXPECT_EQ(encodeWords(kOpcodeTable[108], missing, words), 0);
    EXPECT_EQ(words.count, 0);
}

TEST(FamilyTable, PreparedLayoutsEncodeAsTheirLayoutsDo) {
    // The encoder starts from layouts prepared for each id; filling the layout itself,
    // field by field, must give the same words for every id, operand pattern and value.
    const int32_t values[] = {0,      1,      -1,     5,      0x7F,       0xFF,     -128,
                              0x1234, 0x3FFF, 0xFFFF, -32768, 0x12345678, INT32_MIN};
    int compared = 0;
    for (int id = 0; id < kInstructionCount; ++id) {
        const OpcodeEntry& entry = kOpcodeTable[id];
        for (int count = 0; count <= 3; ++count) {
            for (unsigned memory = 0; memory < (1u << count); ++memory) {
                for (size_t v = 0; v < std::size(values); ++v) {
                    Statement st;
                    st.kind = SK_INSTRUCTION;
                    st.id = id;
                    st.operandCount = count;
                    int32_t in[3] = {0, 0, 0};
                    bool indirect[3] = {false, false, false};
                    for (int k = 0; k < count; ++k) {
                        st.operands[k].kind = (memory >> k) & 1 ? OPK_DIRECT : OPK_IMMEDIATE;
                        in[k] = values[(v + 3 * static_cast<size_t>(k)) % std::size(values)];
                        indirect[k] = ((v >> k) & 1) != 0 && ((memory >> k) & 1) != 0;
                        st.operands[k].value = in[k];
                        st.operands[k].indirect = indirect[k] ? 1 : 0;
                    }
                    const InstructionLayout* layout = instructionLayout(entry, st);
                    InstructionWords words;
                    if (!layout || encodeWords(entry, st, words) != 0) continue;
                    uint32_t expected[kMaxLayoutWords];
                    fillLayoutWords(*layout,
                                    LayoutInputs{entry,
                                                 alternateOpcode(entry),
                                                 {in[0], in[1], in[2]},
                                                 {indirect[0], indirect[1], indirect[2]}},
                                    expected);
                    SCOPED_TRACE("id " + std::to_string(id) + " pattern " +
                                 std::to_string(patternIndex(count, memory)));
                    ASSERT_EQ(words.count, layoutLength(*layout, entry));
                    for (int k = 0; k < words.count; ++k)
                        EXPECT_EQ(words.word[k], static_cast<uint16_t>(expected[k]));
                    ++compared;
                }
            }
        }
    }
    EXPECT_GT(compared, 5000);
}
