// Placeholder until the directive handlers land: every directive fails.
#include "directives/Directive.h"

int64_t lastOrgTextLoc = -1;

int directiveExecute(Statement*, AssemblerState*, int) {
    return -1;
}
int addPointerRelocation(int, AssemblerState*, const char*, int32_t, int) {
    return -1;
}
int executeORG(Statement*, AssemblerState*, int) {
    return -1;
}
void resetDirectivesForPassTwo() {}
void resetDirectiveState() {
    lastOrgTextLoc = -1;
}
