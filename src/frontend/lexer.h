// The scanner: tokens, their semantic values, and the source position every
// diagnostic carries.
#pragma once

#include <cstddef>
#include <cstdio>
#include <memory>
#include <string>
#include <string_view>

#include "frontend/token.h"

struct RunContext;

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

// The scanner's state: its input, its position and what the grammar reads of the last
// token. One per run; the run's source position follows the scanner.
struct Lexer {
    explicit Lexer(RunContext& run);
    Lexer(const Lexer&) = delete;
    Lexer& operator=(const Lexer&) = delete;

    RunContext& run;     // its line and column follow the scanner; a refused literal leaves its code
    ScanBufferPtr input; // never null
    int scanLine = 0;    // the driver sets and saves it when it switches files
    int scanColumn = 0;
    // Escape processing of string literals after .DB, .DW, .DD, .ASCII and .ASCIIZ.
    int escapeMode = 0;
    int stringDataLength = 0;
    LexValue yylval; // the last token's value
    // Set when the scanner rejected a string literal (1006/1007) since the statement
    // began; the grammar then keeps that more precise code.
    bool rejectedString = false;
    // Escape-processed literals alternate between two buffers, so the text of one literal
    // stays valid while the grammar reads the next one.
    std::string processed[2];
    int processedIndex = 0;
};

// Scans the next token and sets yylval; TOK_EOF at the end of the input.
int yylex(Lexer& lexer);

// A whole line of one of the commonest shapes, scanned in one go for the grammar's
// short way through it: the tokens and the scanner's state after them are exactly what
// yylex would have produced, token by token.
// It is filled by lexerScanLine, which sets every field that its shape uses (and only
// those: one is scanned per line, so it is left without initialisers).
struct ScannedLine {
    enum Shape { Empty, Label, Instruction, Directive, Data, Words };
    Shape shape;
    int32_t mnemonic;  // Instruction: index into the mnemonic table
    int32_t directive; // Directive: its DirectiveId
    int count;         // Instruction, Directive: operands (a Directive's are plain numbers)
    // Each operand: TOK_CONSTANT (number) or TOK_IDENTIFIER (text), written with a
    // leading "$" when `dollar` is set.
    struct Operand {
        int kind;
        bool dollar;
        int32_t number;
        std::string_view text;
    };
    Operand operands[3];
    std::string_view label; // Label: the name and its colon; Data: the name
    // Data: "name .DB count v1,v2,..." (and .DW, .DD) with plain numbers, or
    // "name .EQU n" (and .CONST): n in dataCount, no values.
    static constexpr int kMaxValues = 16;
    int32_t dataCount;
    int valueCount;
    int32_t values[kMaxValues];
    // Words: a directive keyword followed by plain tokens: string literals of printable
    // characters, plain numbers, names without parentheses that are no keyword, and
    // commas (kind ','). A literal's text keeps its quotes.
    struct Word { // without initialisers, so that an unused ScannedLine costs nothing
        int kind;
        int32_t number;
        const char* text;
        uint32_t length;
    };
    static constexpr int kMaxWords = 12;
    int wordCount;
    Word words[kMaxWords];
    // Where the scanner stands after the line's last token.
    size_t endPos;
    int endLine;
    int endColumn;
};

// Scans the line from the scanner's position without moving it: true when the line
// is blanks and a comment only, a label definition ("name:"), a mnemonic followed by
// at most three operands separated by blanks (plain numbers, names with or without
// parentheses, "$number" and "$name"), or a directive keyword without a name before
// it followed by at most one plain number, a data line ("name .DB count v1,v2" and
// .DW, .DD, with plain numbers: at most kMaxValues of them), or a constant ("name .EQU
// n", "name .CONST n"), and the line then ends
// (perhaps after a comment) with a line end. Anything else (keywords as operands, suffixes, commas,
// strings, base-plus-offset, a file's last line without a line end...) is false, and
// the line is left for yylex.
bool lexerScanLine(const Lexer& lexer, ScannedLine& line);
// Moves the scanner past a line that lexerScanLine accepted, as reading its tokens
// would have.
void lexerSkipScannedLine(Lexer& lexer, const ScannedLine& line);

// Discards the buffered input and continues with `stream` (read from its current
// position; the stream is not closed; at most kMaxSourceBytes are taken). A null
// stream gives an empty input.
void yyrestart(Lexer& lexer, FILE* stream);

// Discards the buffered input and continues with `bytes`, which the scanner keeps.
void lexerStartOwned(Lexer& lexer, std::string bytes);
// Discards the buffered input and continues with `text`, which is not copied: the
// caller keeps it alive and unchanged while the scanner reads it (the main file, read
// once and scanned by every pass).
void lexerStartText(Lexer& lexer, std::string_view text);

// The bytes the scanner reads now (the main file or the included file being read).
std::string_view lexerInputText(const Lexer& lexer);
// The word the statement just read begins with: the first word of its line, behind a
// label, with the full stop of a directive; empty when the line begins otherwise. The
// scanner stands within that line or just after its end.
std::string_view lexerStatementWord(const Lexer& lexer);
// The 1-based column at which `word`, a view into the current input, starts on its line,
// or 0 when it is not in the input.
int lexerColumnOf(const Lexer& lexer, std::string_view word);
// The 1-based column of `word` written as a word of its own on line `line` (1-based) of
// `text`, outside a comment and not as a label being defined ("word:"); 0 when it is not
// there. Names compare ignoring case unless `exactCase`.
int wordColumnOnLine(std::string_view text, int line, std::string_view word, bool exactCase);

// Takes the current input away from the scanner, keeping its position, so that it can
// be resumed later; the scanner is left with an empty input.
ScanBufferPtr lexerDetachInput(Lexer& lexer);
// Continues scanning a detached input exactly where it stopped.
void lexerResumeInput(Lexer& lexer, ScanBufferPtr input);
