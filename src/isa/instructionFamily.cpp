#include "isa/instructionFamily.h"

#include "core/Statement.h"
#include "isa/opcodeTable.h"

namespace {

struct FamilyRange {
    int16_t first;
    int16_t last;
    InstructionFamily family;
};

constexpr FamilyRange kFamilyRanges[] = {
    {0, 1, FAM_PLAIN},        {2, 2, FAM_WAIT},        {3, 13, FAM_PLAIN},       {14, 14, FAM_INT},
    {15, 46, FAM_PLAIN},      {47, 47, FAM_CPYF},      {48, 48, FAM_TXL},        {49, 49, FAM_WRCODE},
    {50, 50, FAM_SP_IMM},     {51, 52, FAM_SP_STEP},   {53, 58, FAM_SP_RW},      {59, 60, FAM_SP_ADDR},
    {61, 63, FAM_PUSH},       {64, 66, FAM_POP},       {67, 69, FAM_LD},         {70, 70, FAM_CPYROM},
    {71, 71, FAM_CPYMEM},     {72, 95, FAM_SHIFT},     {96, 107, FAM_LOGIC},     {108, 119, FAM_ARITH},
    {120, 131, FAM_MULDIV},   {132, 137, FAM_INCDEC},  {138, 140, FAM_BTST},     {141, 146, FAM_BCLRSET},
    {147, 149, FAM_INV},      {150, 152, FAM_CPY},     {153, 153, FAM_OUTPORT},  {154, 155, FAM_PORTLOGIC},
    {156, 156, FAM_INPORT},   {157, 157, FAM_PORTTST}, {158, 160, FAM_CMP},      {161, 161, FAM_JUMP},
    {162, 162, FAM_JUMP_VIA}, {163, 203, FAM_JUMP},    {204, 204, FAM_JUMP_VIA}, {205, 244, FAM_JUMP},
};

// The ranges must be in order, contiguous and cover the whole table.
constexpr bool rangesCoverTable() {
    int next = 0;
    for (const FamilyRange& range : kFamilyRanges) {
        if (range.first != next || range.last < range.first) return false;
        next = range.last + 1;
    }
    return next == kInstructionCount;
}
static_assert(rangesCoverTable(), "family ranges must cover ids 0 to 244 once each");

struct FamilyIndex {
    InstructionFamily byId[kInstructionCount];
    constexpr FamilyIndex() : byId() {
        for (const FamilyRange& range : kFamilyRanges)
            for (int id = range.first; id <= range.last; ++id) byId[id] = range.family;
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
