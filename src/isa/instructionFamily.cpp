#include "isa/instructionFamily.h"

#include "core/Statement.h"
#include "isa/familyTable.h"

namespace {

constexpr uint8_t kNoLayout = 0xFF;

// What the readers of the family table look up per statement, computed from the table:
// for each id, its family's layouts, the one it uses for every concrete operand pattern
// (by position in that list), and the opcode it uses where a layout asks for its
// alternate.
struct FamilyIndex {
    const InstructionLayout* layouts[kInstructionCount] = {};
    uint8_t layoutOf[kInstructionCount][kPatternCount] = {};
    uint8_t lengthOf[kInstructionCount][kPatternCount] = {}; // 0: no layout
    uint16_t opcodeOf[kInstructionCount] = {};
    bool valid = true;
};

constexpr FamilyIndex buildFamilyIndex() {
    FamilyIndex index;
    for (const FamilyRow& row : kFamilyTable) {
        for (const InstructionLayout& layout : row.layouts) {
            index.valid &= readOperandPattern(layout.operands).count >= 0;
            for (const LayoutField& field : layout.fields)
                index.valid &=
                    field.mask == 0 || (field.source < kFieldSourceCount && field.word < kMaxLayoutWords);
        }
        for (const AlternateOpcode& alternate : row.alternates)
            if (alternate.id >= 0)
                index.valid &= familyOfId(alternate.id) == row.family && alternate.opcode != 0;
    }
    for (int id = 0; id < kInstructionCount; ++id) {
        const FamilyRow& row = kFamilyTable[familyOfId(id)];
        index.layouts[id] = row.layouts.data();
        for (int count = 0; count <= 3; ++count) {
            for (unsigned memory = 0; memory < (1u << count); ++memory) {
                const int n = rowLayoutIndex(row, count, memory, kOpcodeTable[id].sizeClass);
                const int pattern = patternIndex(count, memory);
                index.layoutOf[id][pattern] = n < 0 ? kNoLayout : static_cast<uint8_t>(n);
                index.lengthOf[id][pattern] = n < 0
                                                  ? 0
                                                  : static_cast<uint8_t>(row.layouts[n].length != kTableLength
                                                                             ? row.layouts[n].length
                                                                             : kOpcodeTable[id].words);
            }
        }
        index.opcodeOf[id] = familyAlternateOpcode(id);
    }
    return index;
}

constexpr FamilyIndex kFamilyIndex = buildFamilyIndex();

// Every layout's operand fields, the families' layouts one family after the other; and
// every id's layouts prepared for it, the layouts of each id's family in the family's
// order, one id after the other.
constexpr size_t countLayouts() {
    size_t n = 0;
    for (const FamilyRow& row : kFamilyTable) n += row.layouts.size();
    return n;
}
constexpr size_t countPrepared() {
    size_t n = 0;
    for (int id = 0; id < kInstructionCount; ++id) n += kFamilyTable[familyOfId(id)].layouts.size();
    return n;
}
constexpr size_t kLayoutCount = countLayouts();
constexpr size_t kPreparedCount = countPrepared();

struct OperandFieldsIndex {
    OperandFields layouts[kLayoutCount] = {};
    uint16_t firstOf[FAM_COUNT] = {}; // where each family's layouts start
};

constexpr OperandFieldsIndex buildOperandFields() {
    OperandFieldsIndex index;
    size_t next = 0;
    for (const FamilyRow& row : kFamilyTable) {
        index.firstOf[row.family] = static_cast<uint16_t>(next);
        for (const InstructionLayout& layout : row.layouts) {
            OperandFields& fields = index.layouts[next++];
            fields.layout = &layout;
            int kept = 0;
            for (const LayoutField& field : layout.fields) {
                if (field.mask == 0) break;
                if (readsOperands(field.source)) fields.fields[kept++] = field;
            }
        }
    }
    return index;
}

constexpr OperandFieldsIndex kOperandFields = buildOperandFields();

struct PreparedIndex {
    PreparedLayout layouts[kPreparedCount] = {};
    uint16_t firstOf[kInstructionCount] = {}; // where each id's layouts start
    bool valid = true;
};

constexpr PreparedIndex buildPreparedIndex() {
    PreparedIndex index;
    size_t next = 0;
    for (int id = 0; id < kInstructionCount; ++id) {
        const OpcodeEntry& entry = kOpcodeTable[id];
        const FamilyRow& row = kFamilyTable[familyOfId(id)];
        index.firstOf[id] = static_cast<uint16_t>(next);
        // The inputs a layout's constant fields read; operand fields are left out below.
        const LayoutInputs constants{entry, kFamilyIndex.opcodeOf[id], {0, 0, 0}, {false, false, false}};
        uint32_t values[kFieldSourceCount] = {};
        sourceValues(constants, values);
        for (size_t n = 0; n < row.layouts.size(); ++n) {
            const InstructionLayout& layout = row.layouts[n];
            PreparedLayout& prepared = index.layouts[next++];
            prepared.operands = &kOperandFields.layouts[kOperandFields.firstOf[row.family] + n];
            prepared.length =
                static_cast<uint8_t>(layout.length != kTableLength ? layout.length : entry.words);
            uint32_t fixed[kMaxLayoutWords] = {layout.fixedBits};
            for (const LayoutField& field : layout.fields) {
                if (field.mask == 0) break;
                if (!readsOperands(field.source)) fixed[field.word] |= fieldBits(field, values[field.source]);
            }
            for (int w = 0; w < kMaxLayoutWords; ++w) prepared.fixed[w] = static_cast<uint16_t>(fixed[w]);
            index.valid &= prepared.length <= kMaxLayoutWords && prepared.operands->layout == &layout;
        }
    }
    index.valid &= next == kPreparedCount && next <= 0xFFFF;
    return index;
}

constexpr PreparedIndex kPreparedIndex = buildPreparedIndex();
static_assert(kPreparedIndex.valid, "a layout of the family table cannot be prepared");
static_assert(kFamilyIndex.valid,
              "a layout pattern, a field or an alternate opcode of the family table is malformed");

// The concrete operand pattern of a statement (see patternIndex); -1 for more than three
// operands. Several readers look it up for every instruction.
int operandPattern(const Statement& statement) {
    const Operand* op = statement.operands;
    unsigned memory = 0;
    switch (statement.operandCount) {
        case 3:
            memory |= isMemoryOperand(op[2]) ? 4u : 0u;
            [[fallthrough]];
        case 2:
            memory |= isMemoryOperand(op[1]) ? 2u : 0u;
            [[fallthrough]];
        case 1:
            memory |= isMemoryOperand(op[0]) ? 1u : 0u;
            [[fallthrough]];
        case 0:
            return patternIndex(statement.operandCount, memory);
        default:
            return -1;
    }
}

} // namespace

const InstructionLayout* instructionLayout(const OpcodeEntry& entry, const Statement& statement) {
    const int pattern = operandPattern(statement);
    if (pattern < 0 || static_cast<unsigned>(entry.id) >= kInstructionCount) return nullptr;
    const uint8_t n = kFamilyIndex.layoutOf[entry.id][pattern];
    return n == kNoLayout ? nullptr : kFamilyIndex.layouts[entry.id] + n;
}

const PreparedLayout* preparedLayout(const OpcodeEntry& entry, const Statement& statement) {
    const int pattern = operandPattern(statement);
    if (pattern < 0 || static_cast<unsigned>(entry.id) >= kInstructionCount) return nullptr;
    const uint8_t n = kFamilyIndex.layoutOf[entry.id][pattern];
    return n == kNoLayout ? nullptr : &kPreparedIndex.layouts[kPreparedIndex.firstOf[entry.id] + n];
}

int instructionLength(const OpcodeEntry& entry, const Statement& statement) {
    const int pattern = operandPattern(statement);
    if (pattern < 0 || static_cast<unsigned>(entry.id) >= kInstructionCount) return -1;
    const int length = kFamilyIndex.lengthOf[entry.id][pattern];
    return length != 0 ? length : -1;
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
