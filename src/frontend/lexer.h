// The scanner: tokens, their semantic values, and the source position every
// diagnostic carries.
#pragma once

#include <cstdio>
#include <memory>

struct AssemblerState;

// One source file's bytes and the scan position in them. The driver keeps the
// including file's buffer on the include stack and resumes it when the include ends.
struct ScanBuffer;
void destroyScanBuffer(ScanBuffer* buffer); // used by unique_ptr<ScanBuffer>'s deleter
struct ScanBufferDeleter {
    void operator()(ScanBuffer* b) const { destroyScanBuffer(b); }
};
using ScanBufferPtr = std::unique_ptr<ScanBuffer, ScanBufferDeleter>;

// Discards the buffered input and continues with `stream` (read from its current
// position; the stream is not closed). A null stream gives an empty input.
void yyrestart(FILE* stream);

// Takes the current input away from the scanner, keeping its position, so that it can
// be resumed later; the scanner is left with an empty input.
ScanBufferPtr lexerDetachInput();
// Continues scanning a detached input exactly where it stopped.
void lexerResumeInput(ScanBufferPtr input);

// The state whose lineNumber and columnNumber follow the scanner (may be null).
void lexerAttachState(AssemblerState* state);

// The scanner's line and column counters (the driver sets and saves scanLine).
extern int scanLine;
extern int scanColumn;

// Escape processing of string literals after .DB, .DW, .DD, .ASCII and .ASCIIZ.
extern int escapeMode;
extern int stringDataLength;

// Clears every piece of scanner state (a new run).
void resetLexer();
