// The scanner: tokens, their semantic values, and the source position every
// diagnostic carries.
#pragma once

#include <cstddef>
#include <cstdio>
#include <memory>
#include <string>
#include <string_view>

struct AssemblerState;

// One source file's bytes and the scan position in them. The driver keeps the
// including file's buffer on the include stack and resumes it when the include ends.
struct ScanBuffer;
void destroyScanBuffer(ScanBuffer* buffer); // used by unique_ptr<ScanBuffer>'s deleter
struct ScanBufferDeleter {
    void operator()(ScanBuffer* b) const { destroyScanBuffer(b); }
};
using ScanBufferPtr = std::unique_ptr<ScanBuffer, ScanBufferDeleter>;

// The longest source file the assembler reads. A program that fits the target's
// memories is a few megabytes of text at most; a longer file (or a device such as
// /dev/zero) is refused instead of being read without end.
constexpr size_t kMaxSourceBytes = size_t{16} << 20;

enum class SourceRead { Ok, TooLarge, Failed };

// Reads a stream from its current position to its end into `bytes`. TooLarge when it
// holds more than kMaxSourceBytes (`bytes` then holds the first kMaxSourceBytes),
// Failed on a read error (`bytes` is then empty).
SourceRead readSource(FILE* stream, std::string& bytes);

// Discards the buffered input and continues with `stream` (read from its current
// position; the stream is not closed; at most kMaxSourceBytes are taken). A null
// stream gives an empty input.
void yyrestart(FILE* stream);

// Discards the buffered input and continues with `bytes`, which the scanner keeps.
void lexerStartOwned(std::string bytes);
// Discards the buffered input and continues with `text`, which is not copied: the
// caller keeps it alive and unchanged while the scanner reads it (the main file, read
// once and scanned by every pass).
void lexerStartText(std::string_view text);

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
