#include "isa/opcodeTable.h"

#include "core/Statement.h"
#include "isa/instructionFamily.h"

const OpcodeEntry* lookupOpcodeTable(int id) {
    if (id < 0 || id >= kInstructionCount) return nullptr;
    return &kOpcodeTable[id];
}

int instructionSize(const Statement& statement) {
    const OpcodeEntry* entry = lookupOpcodeTable(statement.id);
    if (!entry) return -1;
    // The length of the form's layout; a form the family does not have has none.
    return instructionLength(*entry, statement);
}
