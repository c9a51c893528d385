#include "core/Statement.h"

// Clearing runs at least once per source line, so it resets field by field: the
// argument area keeps its storage, and nothing is constructed.
// The size check below stops the build when the record gains a field, so that the new
// field is cleared here too (it only knows the size on the usual 64-bit library).
#if defined(__GLIBCXX__) && defined(__x86_64__)
static_assert(sizeof(Statement) == 416, "Statement changed: clear every field in Statement::clear()");
#endif

void Statement::clear() {
    clearInstruction(); // the fields an instruction or label line writes, then the rest

    name.reset();
    fileName.reset();
    declName.reset();
    typeName.reset();
    number = 0;
    sectionType.reset();
    pointerFlag = 0;
    number2 = 0;
    arrayFlag = 0;
    uninitialised = 0;
    pointerDimension = 0;
    declLine = 0;
    flags = 0;

    args.clear();
    count = 0;
    argCount = 0;
    size = 0;
}

void Statement::clearInstruction() {
    kind = SK_NONE;
    status = SS_NONE;
    id = 0;
    operandCount = 0;
    for (Operand& op : operands) {
        op.kind = OPK_IMMEDIATE;
        op.indirect = 0;
        op.labelImmediate = 0;
        op.offset = 0;
        op.value = 0;
        op.name = -1;
        op.text = {};
    }
}
