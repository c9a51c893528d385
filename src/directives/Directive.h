// Directive dispatch and the handlers of every directive, in both passes.
#pragma once

#include <cstdint>
#include <memory>
#include <set>
#include <string>
#include <sys/types.h>
#include <utility>
#include <vector>

struct AssemblerState;
struct DebugDirectives;
struct FrontEnd;
struct Statement;
struct StructInstance;

// A file read through .INCLUDE: the path it was found under and what it is on disk.
struct IncludedFile {
    std::string path;
    dev_t device = 0;
    ino_t inode = 0;
};

// What the directives of one run read and change: the object being built, the front end
// (.INCLUDE switches its input), the records of the debug descriptions, and the
// directives' own bookkeeping.
struct DirectiveContext {
    DirectiveContext(AssemblerState& state, FrontEnd& frontEnd, DebugDirectives& debug);
    ~DirectiveContext();
    DirectiveContext(const DirectiveContext&) = delete;
    DirectiveContext& operator=(const DirectiveContext&) = delete;

    AssemblerState& state;
    FrontEnd& frontEnd;
    DebugDirectives& debug;

    // The text location counter just before the last text .ORG of pass one, or -1.
    int64_t lastOrgTextLoc = -1;
    // Includes this pass opened, and the bytes they brought in.
    int includesThisPass = 0;
    int64_t includedBytesThisPass = 0;
    // Every file .INCLUDE read, each once, in the order first read, and what they are.
    std::vector<IncludedFile> includedFiles;
    std::set<std::pair<dev_t, ino_t>> includedIdentities;
    // The structure instance between .DATA_DEF and .DATA_DEF_END (pass two only).
    std::unique_ptr<StructInstance> openInstance;
};

// Runs one directive statement; pass 0 is pass one, 1 pass two. Negative on failure.
int directiveExecute(Statement* statement, DirectiveContext& dc, int pass);

// Records a 16-bit (width 2, type 7) or 32-bit (width 4, type 3) pointer relocation
// against `name` in .rel.data (data section current) or .rel.text. Nothing unless isSymbol is 1.
int addPointerRelocation(int isSymbol, AssemblerState* state, const char* name, int32_t address, int width);

// Pass two starts the directives' bookkeeping afresh.
void resetDirectivesForPassTwo(DirectiveContext& dc);
