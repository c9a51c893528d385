// The encoder interprets the layout that the family table gives the statement's form:
// it makes the layout's checks in order, then fills the words from the layout's fields.
#include "isa/encoder.h"

#include "core/Statement.h"
#include "isa/instructionFamily.h"
#include "isa/opcodeTable.h"

namespace {

// The catalogue code of a failed check (3015 for a range, 3014 for forbidden
// indirection), or 0.
int checkOperand(const LayoutCheck& check, const Operand& op) {
    const int32_t v = op.value;
    switch (check.kind) {
        case CHECK_R8:
            return v >= -128 && v <= 255 ? 0 : 3015;
        case CHECK_R16:
            return v >= -32768 && v <= 65535 ? 0 : 3015;
        case CHECK_DIRECT:
            return op.indirect == 0 ? 0 : 3014;
        case CHECK_NONE:
            break;
    }
    return 0;
}

// The values the fields of a layout take their bits from. All arithmetic is unsigned,
// so that negative operands wrap the way the target's two's-complement fields expect.
void fieldSources(const OpcodeEntry& entry, const Statement& st, uint32_t (&source)[kFieldSourceCount]) {
    const Operand* op = st.operands;
    for (int k = 0; k < 3; ++k) {
        source[SRC_A + k] = static_cast<uint32_t>(op[k].value);
        source[SRC_IA + k] = op[k].indirect ? 1u : 0u;
    }
    source[SRC_SIZE] = entry.sizeClass >= 0 ? static_cast<uint32_t>(entry.sizeClass) : 0u;
    source[SRC_OPCODE] = static_cast<uint32_t>(entry.opcode);
    source[SRC_ALT_OPCODE] = alternateOpcode(entry);
    const int64_t c = op[2].value;
    source[SRC_C_MAGNITUDE] = static_cast<uint32_t>(c < 0 ? -c : c);
    source[SRC_C_NOT_NEGATIVE] = c >= 0 ? 1u : 0u;
}

} // namespace

int encodeWords(const OpcodeEntry& entry, const Statement& statement, InstructionWords& out) {
    out = InstructionWords{};
    const InstructionLayout* layout = instructionLayout(entry, statement);
    if (!layout) return 0; // a form the family does not have: nothing to write

    for (const LayoutCheck& check : layout->checks) {
        if (check.kind == CHECK_NONE) break;
        if (const int code = checkOperand(check, statement.operands[check.operand])) return code;
    }

    uint32_t source[kFieldSourceCount];
    fieldSources(entry, statement, source);
    uint32_t words[kMaxInstructionWords] = {layout->fixedBits};
    for (const LayoutField& field : layout->fields) {
        if (field.mask == 0) break;
        const uint32_t value = source[field.source];
        // A weak name's placeholder address 0xFFFF survives whole.
        words[field.word] |=
            field.keepWeak && value == 0xFFFFu ? value : ((value >> field.shift) & field.mask) << field.to;
    }
    out.count = layoutLength(*layout, entry);
    for (int k = 0; k < out.count; ++k) out.word[k] = static_cast<uint16_t>(words[k]);
    return 0;
}
