// The assembly driver and the statement handling of its two passes.
#pragma once

#include <optional>
#include <string>

struct AssemblerState;

// The whole program: options, start-up, pre-scan, two passes, object file, listing.
// Returns the exit status (-1 for memory exhaustion). Every call starts from a clean
// process state, so one process may assemble many sources in turn.
int zorlanMain(int argc, const char* const* argv);

// Process-wide run flags.
extern int absoluteMode;     // the pre-scan found .ABS
extern int assemblyFailed;   // a statement failed or the front end rejected one
extern int pendingErrorCode; // code for a statement the front end rejected
extern int endOfSource;      // set by .ENDP
extern int fileIndex;        // 1 for the input file, raised by each .INCLUDE

// Called by .FUNCTION and .FUNC_END in both passes: mark the label entry of `name` as a
// declared function, and give it its size from the current text location.
void markFunctionEntry(AssemblerState* state, const char* name);
void setFunctionEntrySize(AssemblerState* state, const char* name);

// Splits a path into directory and base name: with a backslash anywhere, the directory
// runs up to and including the last backslash or slash; otherwise it is ".". A null
// path gives neither part.
struct SplitPath {
    std::optional<std::string> directory;
    std::optional<std::string> baseName;
};
SplitPath splitPath(const char* path);

// Clears every process-wide piece of state (switches, diagnostics, scanner, parser,
// symbol tables, directive and driver flags).
void resetProcessState();
