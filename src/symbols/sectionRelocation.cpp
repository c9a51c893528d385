// Pass-two resolution of symbol operands and the `.rel.text` entries they leave.
#include "core/Statement.h"
#include "core/messages.h"
#include "isa/instructionFamily.h"
#include "isa/opcodeTable.h"
#include "symbols/assemblerState.h"
#include "symbols/sectionHandler.h"
#include "symbols/stHashTable.h"
#include "symbols/stSymbolTable.h"

#include <initializer_list>

namespace {

// Relocation types. The data-address and code-address types come in two flavours chosen
// by the addend: 6 or 8, and 2 or 4.
enum RelocType : uint8_t {
    R_PORT = 1,
    R_CODE = 2,
    R_CODE_ADDEND = 4,
    R_DATA = 6,
    R_DATA_ADDEND = 8,
    R_PORTTST_BIT = 9,
    R_BIT5 = 10,
    R_IMM8 = 11,
    R_IMM16 = 12,
    R_IMM32 = 13,
    R_IMM8_SPLIT = 14,
    R_SHIFT_COUNT = 15,
    R_CPYMEM_COUNT = 16,
    R_DATA_BY_ADDEND = 0xF0, // 6, or 8 with an addend
    R_CODE_BY_ADDEND = 0xF1, // 2, or 4 with an addend
};

// What a rule asks of the operand being relocated or of its neighbours. "Memory" is an
// address operand (see isMemoryOperand).
enum RelocCondition : uint8_t {
    C_ANY,
    C_LABEL_IMM, // the operand was written "$label"
    C_NOT_LABEL_IMM,
    C_SELF_MEM,
    C_SELF_NOT_MEM,
    C_OP2_MEM,
    C_OP2_NOT_MEM,
    C_OP3_MEM,
    C_OP3_NOT_MEM,
};

constexpr uint8_t W_ANY = 0xFF; // any operand width
constexpr uint8_t OP_ANY = 0;   // any operand
constexpr uint8_t OP_2_3 = 4;   // the second or third operand
constexpr uint8_t N_ANY = 0;    // any operand count

using FamilySet = uint64_t;
static_assert(FAM_COUNT <= 64);

constexpr FamilySet familySet(std::initializer_list<InstructionFamily> families) {
    FamilySet bits = 0;
    for (InstructionFamily family : families) bits |= FamilySet{1} << family;
    return bits;
}

struct RelocRule {
    FamilySet families;
    uint8_t width;        // size class 0..2, or W_ANY
    uint8_t operandCount; // 2, 3 or N_ANY
    uint8_t operand;      // 1..3, OP_ANY or OP_2_3
    RelocCondition condition;
    uint8_t word; // word position within the instruction
    uint8_t type;
};

constexpr uint8_t D = R_DATA_BY_ADDEND;
constexpr FamilySet kTxl = familySet({FAM_TXL, FAM_WRCODE});
constexpr FamilySet kStackPointer = familySet({FAM_SP_IMM, FAM_SP_ADDR});
constexpr FamilySet kPushPop = familySet({FAM_PUSH, FAM_POP});
constexpr FamilySet kMemoryOps = familySet({FAM_LOGIC, FAM_ARITH, FAM_MULDIV, FAM_INCDEC, FAM_INV, FAM_CPY});
constexpr FamilySet kWideImmediates = familySet({FAM_LOGIC, FAM_ARITH, FAM_MULDIV});
constexpr FamilySet kBits = familySet({FAM_BTST, FAM_BCLRSET});
constexpr FamilySet kPorts = familySet({FAM_OUTPORT, FAM_INPORT, FAM_PORTLOGIC});
constexpr FamilySet kJumps = familySet({FAM_JUMP, FAM_JUMP_VIA});

// Word position and type of a relocated operand. The first rule that matches decides; a
// relocation no rule covers is refused.
constexpr RelocRule kRelocRules[] = {
    {kTxl, W_ANY, N_ANY, 1, C_ANY, 2, D},
    {kTxl, W_ANY, N_ANY, 2, C_ANY, 1, D},
    {kStackPointer, W_ANY, N_ANY, OP_ANY, C_ANY, 1, D},
    {familySet({FAM_SP_STEP}), W_ANY, N_ANY, OP_ANY, C_ANY, 0, R_IMM8},
    {familySet({FAM_SP_RW}), W_ANY, N_ANY, 1, C_ANY, 1, D},
    {familySet({FAM_SP_RW}), W_ANY, N_ANY, 2, C_ANY, 0, R_IMM8},
    {kPushPop, W_ANY, N_ANY, OP_ANY, C_NOT_LABEL_IMM, 1, D},
    {familySet({FAM_PUSH}), 0, N_ANY, OP_ANY, C_LABEL_IMM, 0, R_IMM8},
    {familySet({FAM_PUSH}), 1, N_ANY, OP_ANY, C_LABEL_IMM, 1, R_IMM16},
    {familySet({FAM_PUSH}), 2, N_ANY, OP_ANY, C_LABEL_IMM, 1, R_IMM32},
    {familySet({FAM_LD}), W_ANY, N_ANY, 1, C_ANY, 1, D},
    {familySet({FAM_LD}), 0, N_ANY, 2, C_ANY, 0, R_IMM8},
    {familySet({FAM_LD}), 1, N_ANY, 2, C_ANY, 2, R_IMM16},
    {familySet({FAM_LD}), 2, N_ANY, 2, C_ANY, 2, R_IMM32},
    {familySet({FAM_CPYROM, FAM_CPYMEM}), W_ANY, N_ANY, 1, C_ANY, 2, D},
    {familySet({FAM_CPYROM, FAM_CPYMEM}), W_ANY, N_ANY, 2, C_ANY, 1, D},
    {familySet({FAM_CPYROM}), W_ANY, N_ANY, 3, C_ANY, 0, R_IMM8},
    {familySet({FAM_CPYMEM}), W_ANY, N_ANY, 3, C_ANY, 0, R_CPYMEM_COUNT},
    // Shifts and rotates.
    {familySet({FAM_SHIFT}), W_ANY, 2, 1, C_OP2_MEM, 2, D},
    {familySet({FAM_SHIFT}), W_ANY, 2, 1, C_OP2_NOT_MEM, 1, D},
    {familySet({FAM_SHIFT}), W_ANY, 2, 2, C_SELF_MEM, 1, D},
    {familySet({FAM_SHIFT}), W_ANY, 2, 2, C_SELF_NOT_MEM, 0, R_BIT5},
    {familySet({FAM_SHIFT}), W_ANY, 3, 1, C_OP3_MEM, 3, D},
    {familySet({FAM_SHIFT}), W_ANY, 3, 1, C_OP3_NOT_MEM, 2, D},
    {familySet({FAM_SHIFT}), W_ANY, 3, 2, C_OP3_MEM, 2, R_DATA}, // never the addend flavour
    {familySet({FAM_SHIFT}), W_ANY, 3, 2, C_OP3_NOT_MEM, 1, R_DATA},
    {familySet({FAM_SHIFT}), W_ANY, 3, 3, C_SELF_MEM, 1, D},
    {familySet({FAM_SHIFT}), W_ANY, 3, 3, C_SELF_NOT_MEM, 0, R_SHIFT_COUNT},
    // Logic, arithmetic, INC, DEC, INV and CPY ...
    {kMemoryOps, W_ANY, 3, 1, C_ANY, 3, D},
    {kMemoryOps, W_ANY, 3, 2, C_ANY, 1, D},
    {kMemoryOps, W_ANY, 3, 3, C_ANY, 2, D},
    {kMemoryOps, W_ANY, 2, 1, C_OP2_MEM, 2, D},
    {kMemoryOps, W_ANY, 2, 1, C_OP2_NOT_MEM, 1, D},
    {kMemoryOps, W_ANY, 2, 2, C_NOT_LABEL_IMM, 1, D},
    // ... and their "$label" immediates (none for MUL8 to NEG8, INV and CPY).
    {familySet({FAM_LOGIC}), 0, 2, 2, C_LABEL_IMM, 0, R_IMM8_SPLIT},
    {kWideImmediates, 1, 2, 2, C_LABEL_IMM, 2, R_IMM16},
    {kWideImmediates, 2, 2, 2, C_LABEL_IMM, 2, R_IMM32},
    {familySet({FAM_ARITH}), 0, 2, 2, C_LABEL_IMM, 0, R_IMM8},
    {familySet({FAM_INCDEC}), W_ANY, 2, 2, C_LABEL_IMM, 0, R_IMM8},
    // Bit operations.
    {kBits, W_ANY, N_ANY, 1, C_ANY, 1, D},
    {kBits, W_ANY, N_ANY, OP_2_3, C_ANY, 0, R_BIT5},
    // Ports.
    {kPorts, W_ANY, 2, 1, C_ANY, 0, R_PORT},
    {kPorts, W_ANY, 2, 2, C_NOT_LABEL_IMM, 1, D},
    {kPorts, W_ANY, 2, 2, C_LABEL_IMM, 1, R_IMM8},
    {familySet({FAM_PORTLOGIC}), W_ANY, 3, 1, C_ANY, 0, R_PORT},
    {familySet({FAM_PORTLOGIC}), W_ANY, 3, 2, C_ANY, 2, D},
    {familySet({FAM_PORTLOGIC}), W_ANY, 3, 3, C_ANY, 1, R_IMM8},
    {familySet({FAM_PORTTST}), W_ANY, N_ANY, 1, C_ANY, 0, R_PORT},
    {familySet({FAM_PORTTST}), W_ANY, N_ANY, OP_2_3, C_ANY, 1, R_PORTTST_BIT},
    // Compares.
    {familySet({FAM_CMP}), W_ANY, N_ANY, 1, C_ANY, 1, D},
    {familySet({FAM_CMP}), W_ANY, N_ANY, 2, C_NOT_LABEL_IMM, 2, D},
    {familySet({FAM_CMP}), 0, N_ANY, 2, C_LABEL_IMM, 0, R_IMM8},
    {familySet({FAM_CMP}), 1, N_ANY, 2, C_LABEL_IMM, 2, R_IMM16},
    {familySet({FAM_CMP}), 2, N_ANY, 2, C_LABEL_IMM, 2, R_IMM32},
    // Jumps and calls.
    {kJumps, W_ANY, N_ANY, OP_ANY, C_ANY, 0, R_CODE_BY_ADDEND},
};
constexpr int kRuleCount = sizeof(kRelocRules) / sizeof(kRelocRules[0]);

// For each family, the indexes of its rules in table order, so that a lookup reads only
// the handful of rows that can apply.
constexpr int kMaxRulesPerFamily = 16;
constexpr bool fitsIndex() {
    for (int f = 0; f < FAM_COUNT; ++f) {
        int n = 0;
        for (const RelocRule& rule : kRelocRules) n += (rule.families >> f) & 1;
        if (n > kMaxRulesPerFamily) return false;
    }
    return true;
}
static_assert(fitsIndex(), "too many relocation rules for one family");
struct RuleIndex {
    uint8_t rules[FAM_COUNT][kMaxRulesPerFamily];
    uint8_t count[FAM_COUNT];
    constexpr RuleIndex() : rules(), count() {
        for (int i = 0; i < kRuleCount; ++i)
            for (int f = 0; f < FAM_COUNT; ++f)
                if (kRelocRules[i].families & (FamilySet{1} << f))
                    rules[f][count[f]++] = static_cast<uint8_t>(i);
    }
};
constexpr RuleIndex kRuleIndex;

bool conditionHolds(RelocCondition condition, const Statement& st, int operandIndex) {
    const Operand& self = st.operands[operandIndex - 1];
    switch (condition) {
        case C_ANY:
            return true;
        case C_LABEL_IMM:
            return self.labelImmediate == 1;
        case C_NOT_LABEL_IMM:
            return self.labelImmediate != 1;
        case C_SELF_MEM:
            return isMemoryOperand(self);
        case C_SELF_NOT_MEM:
            return !isMemoryOperand(self);
        case C_OP2_MEM:
            return isMemoryOperand(st.operands[1]);
        case C_OP2_NOT_MEM:
            return !isMemoryOperand(st.operands[1]);
        case C_OP3_MEM:
            return isMemoryOperand(st.operands[2]);
        case C_OP3_NOT_MEM:
            return !isMemoryOperand(st.operands[2]);
    }
    return false;
}

// The rule for relocating operand `operandIndex` (1..3) of the statement, or null.
const RelocRule* findRelocRule(const OpcodeEntry& entry, const Statement& st, int operandIndex) {
    const InstructionFamily family = instructionFamily(entry.id);
    if (family >= FAM_COUNT) return nullptr;
    for (int n = 0; n < kRuleIndex.count[family]; ++n) {
        const RelocRule& rule = kRelocRules[kRuleIndex.rules[family][n]];
        if (rule.width != W_ANY && rule.width != entry.sizeClass) continue;
        if (rule.operandCount != N_ANY && rule.operandCount != st.operandCount) continue;
        if (rule.operand == OP_2_3 ? operandIndex < 2
                                   : (rule.operand != OP_ANY && rule.operand != operandIndex))
            continue;
        if (conditionHolds(rule.condition, st, operandIndex)) return &rule;
    }
    return nullptr;
}

int32_t finalType(uint8_t type, int32_t addend) {
    if (type == R_DATA_BY_ADDEND) return addend != 0 ? R_DATA_ADDEND : R_DATA;
    if (type == R_CODE_BY_ADDEND) return addend != 0 ? R_CODE_ADDEND : R_CODE;
    return type;
}

} // namespace

namespace {

// relocateText, for a name that may be a label already met: its remembered .symtab
// entry saves the name lookup.
int relocate(AssemblerState* state, Statement* statement, const OpcodeEntry* entry, const char* name,
             int operandIndex, int32_t addend, const Symbol* label) {
    if (!state || !statement || !entry || !name || operandIndex < 1 || operandIndex > 3) {
        if (state) report(state->run.diagnostics, Diag::InternalError, __LINE__, 0, "sectionRelocation.cpp");
        return -1;
    }
    if (!state->relTextCreated) {
        state->relTextCreated = true;
        const int64_t estimate = int64_t{state->numRelocText} + state->numRelocData;
        if (estimate > 0) state->relText.reserve(static_cast<size_t>(estimate));
    }
    if (!state->symtabCreated || state->symtab.empty()) {
        reportAt(state, Diag::NoSymtabEntry);
        return -1;
    }
    int32_t symbolIndex = label ? label->symtabIndex : -1;
    if (symbolIndex < 0) {
        symbolIndex = findSymtabIndex(state, name, false);
        if (label) label->symtabIndex = symbolIndex;
    }
    if (symbolIndex < 0) {
        logTrace(state, "Label is not found in the symbol table\n");
        reportAt(state, Diag::SymbolNotInSymtab);
        return -1;
    }

    // Offsets count words from the start of the text, or from the one ORG's origin.
    int64_t location = state->orgCount == 1 ? state->orgRelativeLoc : state->textLoc();
    location += location & 1;
    if (state->run.logFile)
        logTrace(state, "relocateText() textLOC: %d, relocOffset_i:%d\n", static_cast<int>(location),
                 static_cast<int>(state->orgRelativeLoc));

    const RelocRule* rule = findRelocRule(*entry, *statement, operandIndex);
    if (!rule) {
        logTrace(state, "Line %d [%d] is not relocatable.\n", state->run.lineNumber, entry->id);
        reportWordAt(state->run, Diag::NoRelocationNeeded, name);
        return -1;
    }

    RelocationEntry reloc;
    const int32_t type = finalType(rule->type, addend);
    reloc.r_offset = static_cast<uint32_t>(location / 2 + rule->word);
    reloc.r_info = (static_cast<uint32_t>(symbolIndex) << 16) | static_cast<uint32_t>(type);
    reloc.r_addend = addend;
    state->relText.push_back(reloc);

    if (state->run.logFile) {
        logTrace(state, "------------>\n");
        logTrace(state, "Dumping \"%s\" rel info [reloc #: %d]\n", name,
                 static_cast<int>(state->relText.size() - 1));
        logTrace(state, "reloc type: %d\n", type);
        logTrace(state, "symtab index: %d\n", symbolIndex);
        logTrace(state, "r_offset: 0x%x\n", reloc.r_offset);
        logTrace(state, "r_info: 0x%x\n", reloc.r_info);
        logTrace(state, "r_addend: 0x%x\n", static_cast<unsigned>(reloc.r_addend));
        logTrace(state, "<-----------\n");
    }
    return 0;
}

} // namespace

int relocateText(AssemblerState* state, Statement* statement, const OpcodeEntry* entry, const char* name,
                 int operandIndex, int32_t addend) {
    return relocate(state, statement, entry, name, operandIndex, addend, nullptr);
}

int resolveOperands(AssemblerState* state, Statement* statement, const OpcodeEntry* entry) {
    if (!state || !statement || !entry) {
        if (state) report(state->run.diagnostics, Diag::InternalError, __LINE__, 0, "sectionRelocation.cpp");
        return -1;
    }
    if (state->run.logFile) logTrace(state, "textloc: %d\n", static_cast<int>(state->textLoc()));
    const int count = statement->operandCount;
    if (count == 0) return 0;
    if (count < 0 || count > 3) return -1;

    int result = 0;
    for (int i = 0; i < count; ++i) {
        Operand& op = statement->operands[i];
        if (op.kind != OPK_SYMBOL) continue;
        const char* name = op.text.c_str();
        // Operand names are identifiers, which hold no NUL: the text is the whole name.
        const uint32_t hash = stNameHash(op.text, !state->run.switches.caseSensitive);
        // A "$label" operand stands for the label's address as an immediate; any other
        // symbol operand is an address.
        const int32_t resolvedKind = op.labelImmediate == 1 ? OPK_IMMEDIATE : OPK_DIRECT;
        if (const Symbol* label = stFindSymbol(op.text, hash, state->labelTable.get())) {
            op.kind = resolvedKind;
            op.value = label->value;
            // Code is addressed in words, so offsets from a text label are halved.
            const int32_t addend = label->isData == 0 ? op.offset >> 1 : op.offset;
            if (relocate(state, statement, entry, name, i + 1, addend, label) != 0) result = -1;
        } else if (const Symbol* external = stFindSymbol(op.text, hash, state->externTable.get())) {
            op.kind = OPK_IMMEDIATE;
            op.value = external->value;
            const int32_t addend = external->isData == 0 ? op.offset >> 1 : op.offset;
            if (relocateText(state, statement, entry, name, i + 1, addend) != 0) result = -1;
        } else if (const Symbol* constant = stFindSymbol(op.text, hash, state->constTable.get())) {
            op.kind = resolvedKind;
            op.value = constant->value;
        } else {
            if (count == 1)
                logTrace(state, "ASM ERROR @ src = %s Line = %d Unresolved Symbol ->%s\n",
                         currentFileName(state), state->run.lineNumber, name);
            else
                logTrace(state, "ASM ERROR @ src = %s Line = %d Unresolved Symbol\n", currentFileName(state),
                         state->run.lineNumber);
            reportWordAt(state->run, Diag::UnresolvedSymbol, op.text, 0, name);
            return -1;
        }
    }
    return result;
}
