// Placeholder until operand resolution lands: every symbol operand is unresolved.
#include "symbols/sectionHandler.h"

int resolveOperands(AssemblerState*, Statement*, const OpcodeEntry*) {
    return -1;
}
int relocateText(AssemblerState*, Statement*, const OpcodeEntry*, const char*, int, int32_t) {
    return -1;
}
