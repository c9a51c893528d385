// Placeholder until the debug-description directives land: they are accepted and ignored.
#include "directives/DirectiveDebug.h"

int executeFILE(Statement*, AssemblerState*, int) {
    return 0;
}
int executeLINE(Statement*, AssemblerState*, int) {
    return 0;
}
int executeDebugDescription(Statement*, AssemblerState*, int) {
    return 0;
}
