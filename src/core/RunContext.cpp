#include "core/RunContext.h"

#include <cstdarg>

void logTrace(const RunContext& run, const char* format, ...) {
    if (!run.logFile) return;
    va_list args;
    va_start(args, format);
    std::vfprintf(run.logFile, format, args);
    va_end(args);
}

void reportAt(RunContext& run, Diag code, const char* arg) {
    report(run.diagnostics, code, run.lineNumber, run.columnNumber, currentFileName(run), arg);
}

void reportWordAt(RunContext& run, Diag code, std::string_view word, int column, const char* arg) {
    reportAt(run, code, arg);
    if (column <= 0 && run.columnOf && !word.empty()) column = run.columnOf(word);
    attachWord(run.diagnostics, code, word, column);
}
