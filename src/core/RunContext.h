// The ground of one run: what every layer of the assembler reads or reports to. Each
// layer above keeps its own state beside it (the object being built, the front end, the
// directives' bookkeeping), and the driver puts all of them together, new for each run,
// so two runs never see each other.
#pragma once

#include "core/messages.h"

#include <cstdint>
#include <cstdio>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// Switches set once from the command line.
struct Switches {
    int underscorePrefix = 0;             // -u: data names must start with an underscore, which is removed
    int caseSensitive = 0;                // -c: symbol names compare exactly; otherwise folded to upper case
    int debugInfo = 0;                    // -d 1: record the debug descriptions and write the debug sections
    std::vector<std::string> includeDirs; // the -I directories, then those of ZORLAN_INCLUDE
};

// The driver's run flags, set by the front end and the directives.
struct RunFlags {
    int absoluteMode = 0;   // the pre-scan found .ABS
    int assemblyFailed = 0; // a statement failed or the front end rejected one
    // The code reported for a statement the front end rejected.
    Diag pendingErrorCode = Diag::NeitherInstructionNorDirective;
    int endOfSource = 0; // set by .ENDP
    int fileIndex = 0;   // 1 for the input file, raised by each .INCLUDE
};

struct RunContext {
    explicit RunContext(FILE* standardOutput = stdout) : out(standardOutput) {}
    RunContext(const RunContext&) = delete;
    RunContext& operator=(const RunContext&) = delete;

    Switches switches;
    RunFlags flags;

    // The source position every diagnostic carries: the current file (main or included)
    // and the scanner's line and column in it.
    std::optional<std::string> fileName;
    int32_t lineNumber = 0;
    int32_t columnNumber = 0;

    DiagnosticList diagnostics;
    // Finds a word on the current line of the current file: its 1-based column, or 0. Set
    // by the driver only when the diagnostics are printed with columns, so that runs
    // without them never look.
    std::function<int(std::string_view word)> columnOf;
    FILE* logFile = nullptr; // trace log, null without -l (the driver opens and closes it)
    FILE* out;               // what stands for standard output in this run
};

// Trace log: printf-style lines, written only when a log file is open.
void logTrace(const RunContext& run, const char* format, ...) __attribute__((format(printf, 2, 3)));
inline bool tracing(const RunContext& run) {
    return run.logFile != nullptr;
}

// The current file name as C text, or null before any file is known.
inline const char* currentFileName(const RunContext& run) {
    return run.fileName ? run.fileName->c_str() : nullptr;
}

// Reports a catalogue code at the current file, line and column.
void reportAt(RunContext& run, Diag code, const char* arg = nullptr);
// The same for a diagnostic about one word of the line (an unknown directive, a name
// that cannot be resolved): the word and its column go with it. A column of 0 is looked
// up on the current line when the run looks columns up.
void reportWordAt(RunContext& run, Diag code, std::string_view word, int column = 0,
                  const char* arg = nullptr);
