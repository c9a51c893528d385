#include "driver/Zorlan.h"

#include "core/LIST.h"
#include "core/RunContext.h"
#include "core/Statement.h"
#include "core/messages.h"
#include "core/prefault.h"
#include "core/ver.h"
#include "debug/dbgUtil.h"
#include "directives/Directive.h"
#include "driver/initAsm.h"
#include "driver/interface.h"
#include "driver/listing.h"
#include "driver/outputFiles.h"
#include "frontend/frontEnd.h"
#include "frontend/lexer.h"
#include "frontend/parser.h"
#include "frontend/sourceText.h"
#include "isa/encoder.h"
#include "isa/opcodeTable.h"
#include "objfile/fileIO.h"
#include "symbols/nameTable.h"
#include "symbols/sectionHandler.h"
#include "symbols/stHashTable.h"
#include "symbols/stSymbolTable.h"

#include <algorithm>
#include <cassert>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <new>
#include <string_view>
#include <sys/stat.h>

namespace {

constexpr int kStatusOk = 0;
constexpr int kStatusUsage = 1;
constexpr int kStatusInput = 2;
constexpr int kStatusLog = 3;
constexpr int kStatusErrors = 4;

constexpr int64_t kDataMemoryLimit = 0x4000;  // 16 KiB of data memory
constexpr int64_t kCodeMemoryLimit = 0x40000; // 256 KiB of code memory

// Everything one run holds: the ground context, the object being built, the front end,
// the directives' bookkeeping and the records of the debug descriptions. A new run is a
// new Run, so nothing carries over from one to the next.
struct Run {
    explicit Run(FILE* out) : context(out) {}

    RunContext context;
    CommandLineOptions options;
    std::unique_ptr<AssemblerState> state;
    DebugDirectives debug;
    std::unique_ptr<FrontEnd> frontEnd;
    std::unique_ptr<DirectiveContext> directives;

    std::string inputName;
    std::string outputName;
    SourceText mainSource; // the input file's bytes, read once and scanned by every pass
    std::optional<std::pair<dev_t, ino_t>> mainSourceIdentity;

    // Label ranges of pass one: word counts of finished ranges and the open range.
    List<int32_t> functionSizeList;
    bool rangeOpen = false;
    int64_t rangeStart = 0;

    bool lastWasSyntaxError = false;
    int endStatus = 0;        // the status when a handler asks to end the run
    bool logIsSource = false; // the log name is the main source: nothing is written to it

    DiagnosticStyle diagnosticStyle = DiagnosticStyle::Listing;
    std::unique_ptr<Listing> listing; // only when one is asked for
};

// Whether `name` is the same file (device and inode, so other spellings of the path and
// links count too) as one of the files that were read.
bool isSourceFile(const Run& run, const std::string& name) {
    struct stat info;
    if (stat(name.c_str(), &info) != 0) return false;
    if (run.mainSourceIdentity && *run.mainSourceIdentity == std::make_pair(info.st_dev, info.st_ino))
        return true;
    return run.directives && run.directives->includedIdentities.count({info.st_dev, info.st_ino}) != 0;
}

const char* logNameOf(const Run& run) {
    return run.options.logName ? run.options.logName->c_str() : nullptr;
}

// Lists the diagnostics and releases everything the run holds; returns the status.
int endRun(Run& run, int status) {
    RunContext& context = run.context;
    if (context.logFile) std::fflush(context.logFile);
    if (run.logIsSource)
        std::fprintf(stderr, "messages: %s is the source file\n", logNameOf(run));
    else
        printReport(context.diagnostics, context.out, logNameOf(run), run.options.flags & OPT_QUIET,
                    run.diagnosticStyle);
    run.directives.reset();
    run.frontEnd.reset();
    releaseAssemblerState(run.state);
    if (context.logFile) std::fclose(context.logFile);
    context.logFile = nullptr;
    return status;
}

// Points the scanner at the main file's bytes from their beginning.
void restartMainInput(Run& run) {
    lexerStartText(run.frontEnd->lexer, run.mainSource.view());
}

void reportPending(Run& run) {
    RunContext& context = run.context;
    // A rejected statement that left no more precise code is reported on the line after
    // the last one the scanner finished.
    if (context.flags.pendingErrorCode == Diag::NeitherInstructionNorDirective) {
        run.frontEnd->lexer.scanLine += 1;
        context.lineNumber = run.frontEnd->lexer.scanLine;
    }
    const Parser& parser = run.frontEnd->parser;
    if (parser.wordCode == context.flags.pendingErrorCode && !parser.word.empty())
        reportWordAt(context, context.flags.pendingErrorCode, parser.word, parser.wordColumn);
    else
        reportAt(context, context.flags.pendingErrorCode);
}

// Returns to the including file at an end of input; false when the main file ended.
bool popInclude(Run& run) {
    FrontEnd& frontEnd = *run.frontEnd;
    std::optional<IncludeContext> resumed = listRemove(frontEnd.includeStack, LIST_FRONT);
    if (!resumed) return false;
    IncludeContext& included = *resumed;
    run.context.fileName = std::move(included.savedFileName);
    run.context.flags.fileIndex = included.savedFileIndex;
    frontEnd.lexer.scanLine = included.savedLine;
    run.context.lineNumber = included.savedLine;
    lexerResumeInput(frontEnd.lexer, std::move(included.savedInput));
    return true;
}

// ---- Pass one ----

int appendRangeCount(Run& run, int32_t count) {
    return listAdd(run.functionSizeList, count, LIST_END);
}

// Closes the open label range at an end of input.
int closeOpenRange(Run& run) {
    if (!run.rangeOpen) return 0;
    AssemblerState* state = run.state.get();
    return appendRangeCount(run, static_cast<int32_t>((state->textLoc() - run.rangeStart) / 2));
}

enum HandleResult { HANDLED = 0, FAILED = -1, END_RUN = -2 };

// Readies the statement for the next parse. An instruction or label was parsed into a
// cleared statement and its handling only reads it, so it holds instruction fields alone.
void clearHandled(Statement& st) {
    if (st.kind == SK_INSTRUCTION)
        st.clearInstruction();
    else
        st.clear();
}

HandleResult defineLabel(Run& run, Statement& st) {
    AssemblerState* state = run.state.get();
    const Operand& label = st.operands[0];
    Symbol symbol;
    symbol.value = static_cast<int32_t>(state->textLoc());
    if (stInsertNamed(state->labelTable.get(), label.name, symbol) != 0)
        reportAt(state, Diag::DuplicateSymbol, stKeyText(state->names, label.text).c_str());
    if (state->run.logFile)
        logTrace(state, "adding %.*s in symtab.\n", static_cast<int>(label.text.size()), label.text.data());

    FunctionSizeEntry entry;
    entry.name = label.name;
    entry.kind = 1;
    entry.orgWordAddress = static_cast<int32_t>(state->orgRelativeLoc / 2);
    entry.relocatable = static_cast<int8_t>(state->relocatable);
    entry.byteAddress = static_cast<int32_t>(state->textLoc());
    addFunctionEntry(state, entry);

    int64_t& lastOrgTextLoc = run.directives->lastOrgTextLoc;
    if (run.rangeOpen) {
        int64_t end = state->textLoc();
        // An .ORG inside the range ends it where the counter stood before the jump.
        if (lastOrgTextLoc != -1) {
            end = lastOrgTextLoc;
            lastOrgTextLoc = -1;
        }
        if (appendRangeCount(run, static_cast<int32_t>((end - run.rangeStart) / 2)) != 0) {
            logTrace(state, "[ERR] Failed to add function size in the linked list.\n");
            run.endStatus = kStatusErrors;
            return END_RUN;
        }
    }
    run.rangeOpen = true;
    run.rangeStart = state->textLoc();
    lastOrgTextLoc = -1;
    return HANDLED;
}

HandleResult handlePassOne(Run& run, Statement& st) {
    AssemblerState* state = run.state.get();
    HandleResult result = HANDLED;
    if (st.kind == SK_DIRECTIVE && st.id == -1) {
        logTrace(state, "ASM ERROR @ src = %s Line = %d Directive Not supported \n", currentFileName(state),
                 state->run.lineNumber);
        reportAt(state, Diag::UnsupportedDirective);
        run.context.flags.assemblyFailed = 1;
        return HANDLED;
    }
    if (st.kind == SK_INSTRUCTION && st.id == -1) {
        logTrace(state, "ASM ERROR @ Line = %d Undefined Instruction \n", state->run.lineNumber);
        reportAt(state, Diag::UnsupportedInstructionFormat);
        run.context.flags.assemblyFailed = 1;
        return HANDLED;
    }
    if (st.kind == SK_INSTRUCTION) {
        if (state->textLoc() & 1) state->textLoc() += 1;
        if (st.id == kLabelStatementId) {
            result = defineLabel(run, st);
        } else {
            const OpcodeEntry* entry = lookupOpcodeTable(st.id);
            if (!entry) {
                reportAt(state, Diag::UnsupportedInstruction);
                run.endStatus = kStatusErrors;
                return END_RUN;
            }
            if (state->currentSection == SEC_TEXT) {
                // Words worked out for the recording give the length without another look.
                const int words = run.frontEnd->parser.recordedWords.count;
                int64_t bytes = 2 * static_cast<int64_t>(words ? words : instructionSize(st));
                state->textLoc() += bytes;
                state->orgRelativeLoc += bytes;
            } else {
                logTrace(state, "ASM ERROR @ Src = %s Line = %d Inst in Code Segment \n",
                         currentFileName(state), state->run.lineNumber);
                reportAt(state, Diag::InstructionInDataSection);
                result = FAILED;
            }
        }
    } else if (st.kind == SK_DIRECTIVE) {
        if (directiveExecute(&st, *run.directives, 0) < 0) result = FAILED;
    } else {
        reportAt(state, Diag::NeitherInstructionNorDirective);
    }
    if (result != HANDLED) return result;

    // Pass-one counts that size the symbol and relocation tables.
    if (st.kind == SK_INSTRUCTION) {
        if (st.id == kLabelStatementId) {
            state->numSymbols += 1;
        } else {
            for (int i = 0; i < st.operandCount && i < 3; ++i)
                if (st.operands[i].kind == OPK_SYMBOL) state->numRelocText += 1;
        }
    } else if (st.kind == SK_DIRECTIVE) {
        switch (st.id) {
            case DIR_DB:
            case DIR_DW:
            case DIR_DD:
            case DIR_CONST:
                state->numSymbols += 1;
                break;
            case DIR_GLOBAL:
            case DIR_LOCAL:
            case DIR_WEAK:
                state->numRelocData += 1;
                break;
            default:
                break;
        }
    }
    return HANDLED;
}

// The small records of both passes (names, symbols, label entries, relocations) come
// from the top of the heap once the large buffers have their room: asking for those
// pages in one batch spares a trip into the kernel for each. A quarter of the source's
// size is about what a program uses there, so the batch touches no page a run leaves
// unused; the debug descriptions of a run with debug information keep about as much
// again.
void prefaultHeapTop(size_t bytes) {
    std::unique_ptr<char[]> block(new (std::nothrow) char[bytes]);
    if (block) prefaultForWriting(block.get(), bytes);
}

// Reads pass one; returns the status that ends the run, or 0 to go on.
int runPassOne(Run& run) {
    AssemblerState* state = run.state.get();
    FrontEnd& frontEnd = *run.frontEnd;
    RunFlags& flags = run.context.flags;
    Statement& st = frontEnd.statement;
    st.clear();
    run.context.lineNumber = 0;
    frontEnd.lexer.scanLine = 0;
    flags.assemblyFailed = 0;
    flags.fileIndex = 1;
    restartMainInput(run);
    frontEnd.parser.argCollector = 0;
    // A statement's record is smaller than its text, and names, labels and symbols are
    // fewer than the text has lines: room for these up front means no copying as they
    // grow (untouched room costs nothing).
    // Pass two reads an instruction that no symbol can change only to encode it, unless
    // a listing or the trace log follows it statement by statement: then its words are
    // worked out here, once.
    const bool encodeAhead = !run.listing && !run.context.logFile;
    parserRecordStatements(frontEnd, run.mainSource.size(), encodeAhead);
    reserveSymbolsForSource(state, run.mainSource.size());
    if (run.context.switches.debugInfo) reserveDebugForSource(run.debug, run.mainSource.size());
    prefaultHeapTop(run.mainSource.size() / (run.context.switches.debugInfo ? 2 : 4));

    for (;;) {
        parseStatement(frontEnd);
        run.lastWasSyntaxError = st.status == SS_REJECTED;
        if (st.status == SS_REJECTED || flags.assemblyFailed) {
            reportPending(run);
            break;
        }
        if (st.status == SS_END_OF_INPUT || flags.endOfSource) {
            if (closeOpenRange(run) != 0) {
                logTrace(state, "[ERR] Failed to add function size in the linked list.\n");
                break;
            }
            if (!popInclude(run)) break;
            st.clear();
            continue;
        }
        if (st.status == SS_EMPTY) continue;
        HandleResult result = handlePassOne(run, st);
        if (result == END_RUN) return run.endStatus;
        if (result == FAILED) {
            flags.assemblyFailed = 1;
            break;
        }
        clearHandled(st);
    }
    return kStatusOk;
}

int endOfPassOne(Run& run) {
    AssemblerState* state = run.state.get();
    if (run.context.flags.assemblyFailed || run.lastWasSyntaxError) return kStatusInput;

    bool overflow = state->dataLoc() > kDataMemoryLimit || state->textLoc() > kCodeMemoryLimit;
    // No other section can be larger than the largest memory either; checking them here keeps
    // absurd sizes from ever reaching pass two.
    for (int i = SEC_BSS; i < kMaxSections; ++i)
        if (state->locationCounters[i] > kCodeMemoryLimit || state->locationCounters[i] < 0) overflow = true;
    if (state->dataLoc() < 0 || state->textLoc() < 0) overflow = true;
    if (overflow) {
        reportAt(state, Diag::MemoryOverflow);
        return kStatusErrors;
    }

    // Each label gets the word count of its range, in order; declared functions keep
    // their own size. Counts left over are dropped.
    for (FunctionSizeEntry& entry : state->functionSizes) {
        std::optional<int32_t> count = listRemove(run.functionSizeList, LIST_END);
        if (!count) break;
        if (entry.kind == 1) entry.size = *count;
    }
    listClear(run.functionSizeList);

    size_t nameBytes = 0;
    for (const FunctionSizeEntry& entry : state->functionSizes)
        nameBytes += nameText(state->names, entry.name).size();
    reserveElfSymbols(state, state->functionSizes.size(), nameBytes);

    logTrace(state, "[INF] Logging function sizes\n");
    logTrace(state, "--------------------------->\n");
    for (const FunctionSizeEntry& entry : state->functionSizes) {
        int32_t address =
            (state->relocatable && state->orgCount == 1) ? entry.orgWordAddress : entry.byteAddress / 2;
        if (addNamedElfSymbol(state, entry.name, entry.kind, 0, 0, address, entry.size, entry.relocatable) !=
            0)
            logTrace(state, "Failed to add symbol in symtab.\n");
        if (state->run.logFile) {
            const std::string_view name = nameText(state->names, entry.name);
            logTrace(state, "Func: %.*s          size: %d  type: %d\n", static_cast<int>(name.size()),
                     name.data(), entry.size, entry.kind);
        }
    }
    logTrace(state, "<---------------------------\n");
    return kStatusOk;
}

// ---- Pass two ----

HandleResult handlePassTwo(Run& run, Statement& st) {
    AssemblerState* state = run.state.get();
    if (st.kind == SK_INSTRUCTION) {
        if (st.id == kLabelStatementId) return HANDLED;
        const OpcodeEntry* entry = lookupOpcodeTable(st.id);
        if (!entry) {
            logTrace(state, "lookupOpcodeTable() failed for inst: %d\n", st.id);
            reportAt(state, Diag::UnsupportedInstruction);
            return FAILED;
        }
        int size = instructionSize(st);
        bool failed = resolveOperands(state, &st, entry) < 0;
#ifndef NDEBUG
        const DataBlock* tailBefore = state->sections[SEC_TEXT].tail;
        int32_t usedBefore = tailBefore ? tailBefore->used : 0;
        bool padded = (state->textLoc() & 1) != 0;
#endif
        // The encoder runs even after a failed resolution, as the statement fails anyway.
        int encoded = encodeInstruction(entry, state, &st);
        if (encoded < 0) failed = true;
#ifndef NDEBUG
        if (!failed) {
            const DataBlock* tail = state->sections[SEC_TEXT].tail;
            int32_t written = tail == tailBefore ? tail->used - usedBefore : (tail ? tail->used : 0);
            assert(written - (padded ? 1 : 0) == 2 * size && "encoder and size rule disagree");
        }
#endif
        int64_t bytes = 2 * static_cast<int64_t>(size);
        state->textLoc() += bytes;
        state->orgRelativeLoc += bytes;
        return failed ? FAILED : HANDLED;
    }
    if (st.kind == SK_DIRECTIVE) {
        if (directiveExecute(&st, *run.directives, 1) < 0) {
            logTrace(state, "directiveExecute() failed.\n");
            return FAILED;
        }
        return HANDLED;
    }
    reportAt(state, Diag::NeitherInstructionNorDirective);
    return HANDLED;
}

// An instruction that pass one recorded with its words (see Parser::encodeAhead): what
// handlePassTwo does with it, less what its words already settle.
HandleResult layDownRecorded(Run& run, int32_t id, const InstructionWords& words) {
    AssemblerState* state = run.state.get();
    const OpcodeEntry* entry = lookupOpcodeTable(id);
    if (!entry) { // not recorded so: an id without an entry is never encoded
        reportAt(state, Diag::UnsupportedInstruction);
        return FAILED;
    }
    const bool failed = layDownWords(state, *entry, words) < 0;
    const int64_t bytes = 2 * static_cast<int64_t>(words.count);
    state->textLoc() += bytes;
    state->orgRelativeLoc += bytes;
    return failed ? FAILED : HANDLED;
}

// Resets the counters for pass two and records the main file for the line program.
int preparePassTwo(Run& run) {
    AssemblerState* state = run.state.get();
    state->locationCounters.fill(0);
    state->orgRelativeLoc = 0;
    state->absOrgStage = 0;
    state->textStartAddress = 0;
    state->dataStartAddress = 0;
    state->firstTextOrigin = 0;
    state->relocatable = 1;
    state->currentSection = SEC_TEXT;
    resetDirectivesForPassTwo(*run.directives);

    FrontEnd& frontEnd = *run.frontEnd;
    frontEnd.statement.clear();
    run.context.flags.endOfSource = 0;
    run.context.lineNumber = 0;
    frontEnd.lexer.scanLine = 0;
    restartMainInput(run);
    // A listing shows the source's lines, and diagnostics with columns look words up on
    // them; only then does the source stay.
    const bool keepSource = run.listing || run.context.columnOf;
    if (parserReplayStatements(frontEnd) && !keepSource) {
        // Pass two replays what pass one parsed and scans nothing: the source's memory is
        // free for the object's sections.
        lexerStartText(frontEnd.lexer, {});
        run.mainSource.release();
    }
    run.context.flags.fileIndex = 1;

    SplitPath parts = splitPath(state->debugFileName ? state->debugFileName->c_str() : nullptr);
    if (!parts.directory || !parts.baseName) {
        if (run.context.switches.debugInfo) {
            reportAt(state, Diag::MissingFile);
            return kStatusUsage;
        }
    } else {
        listAdd(state->debugFileList, DebugFile{*parts.directory, *parts.baseName}, LIST_END);
    }
    logTrace(state, "num symbols: %d, numRelocText: %d, numRelocData: %d\n", state->numSymbols,
             state->numRelocText, state->numRelocData);
    return kStatusOk;
}

// The line a statement stands on: one that ended with its line's end leaves the scanner
// at the start of the next line, counted already; one that ended within its line (a label
// line, the last line of a file without a line end) leaves it on its own line.
int statementLine(const RunContext& context) {
    return context.columnNumber == 0 ? context.lineNumber : context.lineNumber + 1;
}

// Tells the listing what pass two made of the statement just handled.
[[gnu::noinline]] void listStatement(Run& run, Listing& listing, HandleResult result) {
    const Statement& st = run.frontEnd->statement;
    listingAfterStatement(listing, *run.state, st, statementLine(run.context));
    if (result != HANDLED)
        listingStop(listing);
    else if (st.kind == SK_DIRECTIVE && st.id == DIR_INCLUDE && run.context.fileName)
        // A successful .INCLUDE has made the included file the current input.
        listingInclude(listing, *run.context.fileName, lexerInputText(run.frontEnd->lexer));
}

// Reads pass two; true when no statement failed. With a listing, it is told of every
// statement and file (out of line: a run without a listing only tests the pointer).
bool runPassTwo(Run& run) {
    FrontEnd& frontEnd = *run.frontEnd;
    Statement& st = frontEnd.statement;
    Listing* const listing = run.listing.get();
    if (listing) listingStart(*listing, run.inputName, run.mainSource.view());
    for (;;) {
        parseStatement(frontEnd);
        if (st.status == SS_REJECTED) {
            reportPending(run);
            if (listing) listingStop(*listing);
            return false;
        }
        if (st.status == SS_END_OF_INPUT || run.context.flags.endOfSource) {
            if (listing) listingEndFile(*listing, run.context.flags.endOfSource != 0);
            if (!popInclude(run)) return true;
            st.clear();
            continue;
        }
        if (st.status == SS_EMPTY) continue;
        if (listing) [[unlikely]]
            listingBeforeStatement(*listing, *run.state);
        InstructionWords& recorded = frontEnd.parser.recordedWords;
        const HandleResult result =
            recorded.count ? layDownRecorded(run, st.id, recorded) : handlePassTwo(run, st);
        if (listing) [[unlikely]]
            listStatement(run, *listing, result);
        if (result != HANDLED) return false;
        clearHandled(st);
        // What follows and needs nothing of this loop but its words laid down (empty
        // lines, labels, instructions recorded with their words) is passed as it comes,
        // without a statement. (After .ENDP the next statement is read but not handled,
        // so it waits for the loop.)
        if (!listing && !run.context.flags.endOfSource) {
            int32_t id = 0;
            while (parserPlainNext(frontEnd.parser))
                if (parserReplayPlain(frontEnd, id) == StatementRecording::P_WORDS &&
                    layDownRecorded(run, id, recorded) != HANDLED)
                    return false;
        }
    }
}

// Writes the object file, whole or not at all (see OutputFile). A failure that the writer
// did not report itself is reported as 3009, so that a run without an object never ends
// with status 0.
void writeObject(Run& run) {
    AssemblerState* state = run.state.get();
    const int errorsBefore = errorCount(run.context.diagnostics);
    // The object never takes the place of a file the run read.
    OutputFile file;
    if (isSourceFile(run, run.outputName) || openOutputFile(run.outputName, file) != 0) {
        reportAt(state, Diag::ObjectNotCreated);
        return;
    }
    state->objectFd = file.fd;
    const int written = writeToFile(state, run.debug, run.outputName.c_str());
    file.fd = state->objectFd; // -1 once the writer has closed it after a complete write
    state->objectFd = -1;
    const bool done = closeOutputFile(file, written == 1) == 0;
    if (!done && errorCount(run.context.diagnostics) == errorsBefore) reportAt(state, Diag::ObjectNotCreated);
}

// Whether an output file asked for would replace a file the run read or wrote: the
// source, an included file, the object or the log.
bool replacesRunFile(const Run& run, const std::string& name) {
    if (isSourceFile(run, name) || sameFile(name, run.outputName)) return true;
    return run.options.logName && sameFile(name, *run.options.logName);
}

void writeSideFile(Run& run, const std::string& name, const std::string& text) {
    if (replacesRunFile(run, name) || writeFileWhole(name, text) != 0)
        reportAt(run.context, Diag::CannotOpenFile, name.c_str());
}

// The dependency rule, once the object exists, and the listing, once pass two has run.
// Kept out of line: the passes that the driver's main function takes in stay as compact
// as they are without these files.
[[gnu::noinline]] void writeSideFiles(Run& run, bool objectWritten) {
    const CommandLineOptions& options = run.options;
    if (objectWritten && options.dependencyName) {
        std::vector<std::string> sources{run.inputName};
        for (const IncludedFile& included : run.directives->includedFiles) sources.push_back(included.path);
        writeSideFile(run, *options.dependencyName, dependencyRule(run.outputName, sources));
    }
    if (run.listing && options.listingName) {
        if (options.dependencyName && sameFile(*options.listingName, *options.dependencyName))
            reportAt(run.context, Diag::CannotOpenFile, options.listingName->c_str());
        else
            writeSideFile(run, *options.listingName, listingText(*run.listing));
    }
}

// The form of the diagnostics: --diagnostics, else ZORLAN_DIAGNOSTICS (a value it does
// not know is ignored), else the listing form.
DiagnosticStyle chosenDiagnosticStyle(const CommandLineOptions& options) {
    if (options.diagnosticStyle) return *options.diagnosticStyle;
    DiagnosticStyle style = DiagnosticStyle::Listing;
    if (const char* value = std::getenv("ZORLAN_DIAGNOSTICS")) diagnosticStyleNamed(value, style);
    return style;
}

void addEnvironmentIncludeDirs(std::vector<std::string>& includeDirs) {
    const char* value = std::getenv("ZORLAN_INCLUDE");
    if (!value) return;
    std::string list = value;
    size_t start = 0;
    while (start <= list.size()) {
        size_t end = list.find(';', start);
        if (end == std::string::npos) end = list.size();
        if (end > start) addIncludeDir(list.substr(start, end - start).c_str(), includeDirs);
        start = end + 1;
    }
}

bool endsWithAsm(const std::string& name) {
    return name.size() >= 4 && name.compare(name.size() - 4, 4, ".asm") == 0;
}

int assemble(Run& run, int argc, const char* const* argv) {
    AssemblerState* state = run.state.get();
    RunContext& context = run.context;
    if (!(run.options.flags & OPT_QUIET)) std::fprintf(context.out, "Assembling %s\n", run.inputName.c_str());

    if (run.options.outputName) {
        run.outputName = *run.options.outputName;
    } else if (run.inputName.size() < 5) {
        reportAt(state, Diag::InvalidFilename);
        return endRun(run, kStatusUsage);
    } else {
        run.outputName = run.inputName.substr(0, run.inputName.size() - 4) + ".obj";
    }

    state->run.lineNumber = 0;
    state->run.fileName = run.inputName;
    if (!endsWithAsm(run.inputName)) {
        reportAt(state, Diag::InvalidFilename);
        return endRun(run, kStatusUsage);
    }
    switch (run.mainSource.load(run.inputName)) {
        case SourceRead::Ok:
            break;
        case SourceRead::TooLarge:
            reportAt(state, Diag::MemoryOverflow);
            return endRun(run, kStatusInput);
        case SourceRead::Failed:
            reportAt(state, Diag::CannotOpenFile, run.inputName.c_str());
            return endRun(run, kStatusInput);
    }

    struct stat sourceInfo;
    if (stat(run.inputName.c_str(), &sourceInfo) == 0)
        run.mainSourceIdentity = std::make_pair(sourceInfo.st_dev, sourceInfo.st_ino);

    if (run.options.logName) {
        // A log named like the source is a log that cannot be opened: the source stays whole.
        run.logIsSource = isSourceFile(run, *run.options.logName);
        if (!run.logIsSource) context.logFile = std::fopen(run.options.logName->c_str(), "w+");
        if (!context.logFile) {
            reportAt(state, Diag::CannotOpenLog);
            return endRun(run, kStatusLog);
        }
        context.diagnostics.listingAppends = true;
        std::fputs("Zorlan Ver 1.0 ASM Arguments[ ", context.logFile);
        for (int i = 0; i < argc; ++i) std::fprintf(context.logFile, "%s ", argv[i]);
        std::fputs("  ]\n", context.logFile);
        std::fputs("******************************************* \n", context.logFile);
    }

    // Pre-scan: .ABS anywhere in the main file enables .ORG for the whole run. A file that
    // does not contain the text ".ABS" cannot hold the directive, and the scan has nothing
    // else to show, except the messages of the -u rule, which every scan prints.
    if (context.switches.underscorePrefix || run.mainSource.view().find(".ABS") != std::string_view::npos) {
        restartMainInput(run);
        Statement& st = run.frontEnd->statement;
        for (;;) {
            st.clear();
            parseStatement(*run.frontEnd);
            if (st.status == SS_END_OF_INPUT) break;
            if (st.kind == SK_DIRECTIVE && st.id == DIR_ABS && st.status == SS_COMPLETE) {
                context.flags.absoluteMode = 1;
                break;
            }
        }
    }

    if (int status = runPassOne(run); status != kStatusOk) return endRun(run, status);
    if (int status = endOfPassOne(run); status != kStatusOk) return endRun(run, status);
    if (int status = preparePassTwo(run); status != kStatusOk) return endRun(run, status);

    const bool passTwoComplete = runPassTwo(run);
    parserReadSource(*run.frontEnd);
    // The writer renumbers the symbols' sections for the object; the listing shows them
    // as the source made them.
    if (run.listing) listingSymbols(*run.listing, *state);
    bool objectWritten = false;
    if (passTwoComplete) {
        const int errorsBefore = errorCount(context.diagnostics);
        writeObject(run);
        objectWritten = errorCount(context.diagnostics) == errorsBefore;
    }
    writeSideFiles(run, objectWritten);
    const DiagnosticList& diagnostics = context.diagnostics;
    const bool failed = errorCount(diagnostics) != 0 ||
                        ((run.options.flags & OPT_FATAL_WARNINGS) && diagnostics.warnings != 0);
    return endRun(run, failed ? kStatusErrors : kStatusOk);
}

} // namespace

int zorlanMain(int argc, const char* const* argv, FILE* out) {
    Run run(out ? out : stdout);
    RunContext& context = run.context;
    if (parseOptions(argc, argv, run.options, context.out) != 0) return kStatusUsage;

    // Options first: the symbol tables fold names or not by -c.
    context.switches.underscorePrefix = (run.options.flags & OPT_USCORE) ? 1 : 0;
    context.switches.caseSensitive = (run.options.flags & OPT_CSENSITIVE) ? 1 : 0;
    context.switches.debugInfo = run.options.debugLevel != 0 ? 1 : 0;
    context.switches.includeDirs = run.options.includeDirs;
    addEnvironmentIncludeDirs(context.switches.includeDirs);
    run.diagnosticStyle = chosenDiagnosticStyle(run.options);
    if (run.diagnosticStyle == DiagnosticStyle::Gnu) {
        // Names that pass two cannot resolve are found on their line for the column.
        context.columnOf = [&run](std::string_view word) {
            if (!run.frontEnd) return 0;
            return wordColumnOnLine(lexerInputText(run.frontEnd->lexer), run.context.lineNumber, word,
                                    run.context.switches.caseSensitive != 0);
        };
    }
    if (run.options.listingName) run.listing = std::make_unique<Listing>();

    initAssemblerState(context, run.state);
    run.frontEnd = std::make_unique<FrontEnd>(context, *run.state);
    run.directives = std::make_unique<DirectiveContext>(*run.state, *run.frontEnd, run.debug);

    if (run.options.flags & OPT_VERSION) {
        std::fputs("Zorlan", context.out);
        printVersion(context.out);
    }

    if (!run.options.inputName) return kStatusOk;
    run.inputName = *run.options.inputName;
    return assemble(run, argc, argv);
}
