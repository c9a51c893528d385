// The encoder interprets the layout that the family table gives the statement's form:
// it makes the layout's checks in order, then fills the words from the layout's fields.
#include "isa/encoder.h"

#include "core/Statement.h"
#include "core/messages.h"
#include "isa/instructionFamily.h"
#include "isa/opcodeTable.h"

static_assert(kMaxLayoutWords == kMaxInstructionWords);

int encodeWords(const OpcodeEntry& entry, const Statement& statement, InstructionWords& out) {
    out = InstructionWords{};
    // The layout comes prepared for the id: what the id alone decides is set already.
    const PreparedLayout* prepared = preparedLayout(entry, statement);
    if (!prepared) return 0; // a form the family does not have: nothing to write

    // The first failing check gives the code: 3015 for a range, 3014 for indirection.
    const OperandFields& operands = *prepared->operands;
    for (const LayoutCheck& check : operands.layout->checks) {
        if (check.kind == CHECK_NONE) break;
        const Operand& op = statement.operands[check.operand];
        if (!passesCheck(check.kind, op.value, op.indirect != 0))
            return static_cast<int>(check.kind == CHECK_DIRECT ? Diag::IndirectNotAllowed
                                                               : Diag::ValueTooLarge);
    }

    // The values of the sources operand fields read; the others are in the prepared bits.
    const Operand* op = statement.operands;
    uint32_t values[kFieldSourceCount];
    for (int k = 0; k < 3; ++k) {
        values[SRC_A + k] = static_cast<uint32_t>(op[k].value);
        values[SRC_IA + k] = op[k].indirect != 0 ? 1u : 0u;
    }
    values[SRC_C_MAGNITUDE] = magnitudeOf(op[2].value);
    values[SRC_C_NOT_NEGATIVE] = notNegative(op[2].value);
    uint32_t words[kMaxLayoutWords];
    for (int k = 0; k < kMaxLayoutWords; ++k) words[k] = prepared->fixed[k];
    for (const LayoutField& field : operands.fields) {
        if (field.mask == 0) break;
        words[field.word] |= fieldBits(field, values[field.source]);
    }
    out.count = prepared->length;
    for (int k = 0; k < out.count; ++k) out.word[k] = static_cast<uint16_t>(words[k]);
    return 0;
}
