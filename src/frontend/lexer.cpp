// Placeholder until the scanner lands: every input is empty.
#include "frontend/lexer.h"

struct ScanBuffer {};

int scanLine = 0;
int scanColumn = 0;
int escapeMode = 0;
int stringDataLength = 0;

void destroyScanBuffer(ScanBuffer* buffer) {
    delete buffer;
}
void yyrestart(FILE*) {}
ScanBufferPtr lexerDetachInput() {
    return ScanBufferPtr(new ScanBuffer);
}
void lexerResumeInput(ScanBufferPtr) {}
void lexerAttachState(AssemblerState*) {}
void resetLexer() {
    scanLine = scanColumn = escapeMode = stringDataLength = 0;
}
