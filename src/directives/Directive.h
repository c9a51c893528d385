// Directive dispatch and the handlers of every directive, in both passes.
#pragma once

#include <cstdint>

struct AssemblerState;
struct Statement;

// Runs one directive statement; pass 0 is pass one, 1 pass two. Negative on failure.
int directiveExecute(Statement* statement, AssemblerState* state, int pass);

// Records a 16-bit (width 2, type 7) or 32-bit (width 4, type 3) pointer relocation
// against `name` in .rel.data (data section current) or .rel.text. Nothing unless isSymbol is 1.
int addPointerRelocation(int isSymbol, AssemblerState* state, const char* name, int32_t address, int width);

int executeORG(Statement* statement, AssemblerState* state, int pass);

// The text location counter just before the last text .ORG of pass one, or -1.
extern int64_t lastOrgTextLoc;

// Pass two starts the data directives' running state afresh.
void resetDirectivesForPassTwo();
// Clears all directive state (a new run).
void resetDirectiveState();
