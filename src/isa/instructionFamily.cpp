#include "isa/instructionFamily.h"

#include "core/Statement.h"
#include "isa/familyTable.h"

namespace {

struct FamilyIndex {
    InstructionFamily byId[kInstructionCount];
    constexpr FamilyIndex() : byId() {
        for (int id = 0; id < kInstructionCount; ++id) byId[id] = familyOfId(id);
    }
};

constexpr FamilyIndex kFamilyIndex;

} // namespace

InstructionFamily instructionFamily(int id) {
    if (id < 0 || id >= kInstructionCount) return FAM_COUNT;
    return kFamilyIndex.byId[id];
}

bool isMemoryOperand(const Operand& operand) {
    return operand.kind == OPK_DIRECT || (operand.kind == OPK_SYMBOL && operand.labelImmediate != 1);
}
