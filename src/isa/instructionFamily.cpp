#include "isa/instructionFamily.h"

#include "core/Statement.h"
#include "isa/familyTable.h"

namespace {

constexpr uint8_t kNoLayout = 0xFF;
constexpr int kWidthSlots = 4; // size classes -1 (none), 0, 1 and 2

// What the readers of the family table look up per statement, computed from the table:
// the family of each id, the layout each family chooses for every concrete operand
// pattern and size class, and the opcode each id uses where a layout asks for its
// alternate.
struct FamilyIndex {
    InstructionFamily familyOf[kInstructionCount] = {};
    uint8_t layoutOf[FAM_COUNT][kPatternCount][kWidthSlots] = {};
    uint16_t opcodeOf[kInstructionCount] = {}; // what SRC_ALT_OPCODE stands for
    bool valid = true;
};

constexpr FamilyIndex buildFamilyIndex() {
    FamilyIndex index;
    for (int id = 0; id < kInstructionCount; ++id) index.familyOf[id] = familyOfId(id);
    for (int f = 0; f < FAM_COUNT; ++f) {
        const FamilyRow& row = kFamilyTable[f];
        for (const InstructionLayout& layout : row.layouts)
            index.valid &= readOperandPattern(layout.operands).count >= 0;
        for (int count = 0; count <= 3; ++count) {
            for (unsigned memory = 0; memory < (1u << count); ++memory) {
                for (int slot = 0; slot < kWidthSlots; ++slot) {
                    const InstructionLayout* layout =
                        familyLayout(static_cast<InstructionFamily>(f), count, memory, slot - 1);
                    index.layoutOf[f][patternIndex(count, memory)][slot] =
                        layout ? static_cast<uint8_t>(layout - row.layouts.data()) : kNoLayout;
                }
            }
        }
        for (const AlternateOpcode& alternate : row.alternates)
            if (alternate.id >= 0) index.valid &= familyOfId(alternate.id) == f && alternate.opcode != 0;
    }
    for (int id = 0; id < kInstructionCount; ++id) index.opcodeOf[id] = familyAlternateOpcode(id);
    return index;
}

constexpr FamilyIndex kFamilyIndex = buildFamilyIndex();
static_assert(kFamilyIndex.valid, "a layout pattern or an alternate opcode of the family table is malformed");

} // namespace

const InstructionLayout* instructionLayout(const OpcodeEntry& entry, const Statement& statement) {
    const int count = statement.operandCount;
    if (entry.id < 0 || entry.id >= kInstructionCount || count < 0 || count > 3) return nullptr;
    unsigned memory = 0;
    for (int k = 0; k < count; ++k)
        if (isMemoryOperand(statement.operands[k])) memory |= 1u << k;
    const InstructionFamily family = kFamilyIndex.familyOf[entry.id];
    const int slot = entry.sizeClass >= -1 && entry.sizeClass <= 2 ? entry.sizeClass + 1 : 0;
    const uint8_t n = kFamilyIndex.layoutOf[family][patternIndex(count, memory)][slot];
    return n == kNoLayout ? nullptr : &kFamilyTable[family].layouts[n];
}

int layoutLength(const InstructionLayout& layout, const OpcodeEntry& entry) {
    return layout.length != kTableLength ? layout.length : entry.words;
}

uint16_t alternateOpcode(const OpcodeEntry& entry) {
    return kFamilyIndex.opcodeOf[entry.id];
}

bool isMemoryOperand(const Operand& operand) {
    return operand.kind == OPK_DIRECT || (operand.kind == OPK_SYMBOL && operand.labelImmediate != 1);
}
