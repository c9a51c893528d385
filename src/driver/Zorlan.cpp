#include "driver/Zorlan.h"

#include "core/Statement.h"
#include "core/messages.h"
#include "directives/Directive.h"
#include "driver/initAsm.h"
#include "driver/interface.h"
#include "driver/ver.h"
#include "frontend/lexer.h"
#include "frontend/parser.h"
#include "frontend/sourceText.h"
#include "isa/opcodeTable.h"
#include "objfile/fileIO.h"
#include "symbols/nameIndex.h"
#include "symbols/sectionHandler.h"
#include "symbols/stHashTable.h"
#include "symbols/stSymbolTable.h"

#include <algorithm>
#include <cassert>
#include <cstdlib>
#include <cstring>
#include <string_view>
#include <sys/stat.h>
#include <unistd.h>

int absoluteMode = 0;
int assemblyFailed = 0;
int pendingErrorCode = 1000;
int endOfSource = 0;
int fileIndex = 0;

namespace {

constexpr int kStatusOk = 0;
constexpr int kStatusUsage = 1;
constexpr int kStatusInput = 2;
constexpr int kStatusLog = 3;
constexpr int kStatusErrors = 4;

constexpr int64_t kDataMemoryLimit = 0x4000;  // 16 KiB of data memory
constexpr int64_t kCodeMemoryLimit = 0x40000; // 256 KiB of code memory
constexpr int kFunctionSizeStep = 1024;
constexpr size_t kMaxReservedLabels = size_t{1} << 20;

// Everything the driver keeps for one run besides the assembler state.
struct Run {
    CommandLineOptions options;
    std::unique_ptr<AssemblerState> state;
    std::string inputName;
    std::string outputName;
    SourceText mainSource; // the input file's bytes, read once and scanned by every pass

    // Label ranges of pass one: word counts of finished ranges and the open range.
    std::vector<int32_t> functionSizeList;
    bool rangeOpen = false;
    int64_t rangeStart = 0;
    // First function-size entry of each label name, for .FUNCTION and .FUNC_END, indexed
    // over the entries' own names.
    NameIndex<int32_t, -1> functionEntryIndex;

    bool lastWasSyntaxError = false;
};

Run* g_run = nullptr; // the run in progress, for the .FUNCTION bookkeeping

const char* logNameOf(const Run& run) {
    return run.options.logName ? run.options.logName->c_str() : nullptr;
}

// Lists the diagnostics and releases everything the run holds; returns the status.
int endRun(Run& run, int status) {
    if (run.state && run.state->logFile) std::fflush(run.state->logFile);
    printReport(logNameOf(run), run.options.flags & OPT_QUIET);
    FILE* log = run.state ? run.state->logFile : nullptr;
    releaseAssemblerState(run.state);
    destroySymbolTables();
    if (log) std::fclose(log);
    return status;
}

// Points the scanner at the main file's bytes from their beginning.
void restartMainInput(Run& run) {
    lexerStartText(run.mainSource.view());
}

void reportPending(AssemblerState* state) {
    // A rejected statement that left no more precise code is reported on the line after
    // the last one the scanner finished.
    if (pendingErrorCode == 1000) {
        scanLine += 1;
        state->lineNumber = scanLine;
    }
    reportAt(state, pendingErrorCode);
}

// Returns to the including file at an end of input; false when the main file ended.
bool popInclude(AssemblerState* state) {
    if (state->includeStack.empty()) return false;
    IncludeContext context = std::move(state->includeStack.back());
    state->includeStack.pop_back();
    state->fileName = std::move(context.savedFileName);
    fileIndex = context.savedFileIndex;
    scanLine = context.savedLine;
    state->lineNumber = context.savedLine;
    lexerResumeInput(std::move(context.savedInput));
    return true;
}

// ---- Pass one ----

int appendRangeCount(Run& run, int32_t count) {
    run.functionSizeList.push_back(count);
    return 0;
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

int g_endStatus = 0; // the status when a handler asks to end the run

HandleResult defineLabel(Run& run, Statement& st) {
    AssemblerState* state = run.state.get();
    const std::string& label = st.operands[0].text;
    Symbol symbol;
    symbol.name = label;
    symbol.address = static_cast<int32_t>(state->textLoc());
    symbol.value = static_cast<int32_t>(state->textLoc());
    if (stInsertSymbol(symbol, labelTable.get()) != 0) reportAt(state, 3016, symbol.name.c_str());
    if (state->logFile) logTrace(state, "adding %s in symtab.\n", label.c_str());

    if (static_cast<int32_t>(state->functionSizes.size()) >= state->functionSizeCapacity)
        state->functionSizeCapacity += kFunctionSizeStep;
    FunctionSizeEntry entry;
    entry.name = label;
    entry.kind = 1;
    entry.wordAddress = static_cast<int32_t>(state->textLoc() / 2);
    entry.orgWordAddress = static_cast<int32_t>(state->orgRelativeLoc / 2);
    entry.relocatable = state->relocatable;
    entry.byteAddress = static_cast<int32_t>(state->textLoc());
    const auto index = static_cast<int32_t>(state->functionSizes.size());
    const uint32_t hash = nameHash(label, false);
    const bool known = run.functionEntryIndex.find(hash, [state, &label](int32_t i) {
        return state->functionSizes[static_cast<size_t>(i)].name == label;
    }) >= 0;
    state->functionSizes.push_back(std::move(entry));
    if (!known) run.functionEntryIndex.insert(hash, index);

    if (run.rangeOpen) {
        int64_t end = state->textLoc();
        // An .ORG inside the range ends it where the counter stood before the jump.
        if (lastOrgTextLoc != -1) {
            end = lastOrgTextLoc;
            lastOrgTextLoc = -1;
        }
        appendRangeCount(run, static_cast<int32_t>((end - run.rangeStart) / 2));
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
                 state->lineNumber);
        reportAt(state, 1002);
        assemblyFailed = 1;
        return HANDLED;
    }
    if (st.kind == SK_INSTRUCTION && st.id == -1) {
        logTrace(state, "ASM ERROR @ Line = %d Undefined Instruction \n", state->lineNumber);
        reportAt(state, 1004);
        assemblyFailed = 1;
        return HANDLED;
    }
    if (st.kind == SK_INSTRUCTION) {
        if (state->textLoc() & 1) state->textLoc() += 1;
        if (st.id == kLabelStatementId) {
            result = defineLabel(run, st);
        } else {
            const OpcodeEntry* entry = lookupOpcodeTable(st.id);
            if (!entry) {
                reportAt(state, 1003);
                g_endStatus = kStatusErrors;
                return END_RUN;
            }
            if (state->currentSection == SEC_TEXT) {
                int64_t bytes = 2 * static_cast<int64_t>(instructionSize(st));
                state->textLoc() += bytes;
                state->orgRelativeLoc += bytes;
            } else {
                logTrace(state, "ASM ERROR @ Src = %s Line = %d Inst in Code Segment \n",
                         currentFileName(state), state->lineNumber);
                reportAt(state, 3001);
                result = FAILED;
            }
        }
    } else if (st.kind == SK_DIRECTIVE) {
        if (directiveExecute(&st, state, 0) < 0) result = FAILED;
    } else {
        reportAt(state, 1000);
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

// Reads pass one; returns the status that ends the run, or 0 to go on.
int runPassOne(Run& run) {
    AssemblerState* state = run.state.get();
    Statement& st = currentStatement();
    st.clear();
    state->lineNumber = 0;
    scanLine = 0;
    assemblyFailed = 0;
    fileIndex = 1;
    restartMainInput(run);
    resetArgCollector();
    // A statement's record is smaller than its text, and a line holds at most one label:
    // room for these up front means no copying as they grow (untouched room costs nothing).
    parserRecordStatements(run.mainSource.size());
    state->functionSizes.reserve(std::min<size_t>(run.mainSource.size() / 8, kMaxReservedLabels));

    for (;;) {
        parseStatement();
        run.lastWasSyntaxError = st.status == SS_REJECTED;
        if (st.status == SS_REJECTED || assemblyFailed) {
            reportPending(state);
            break;
        }
        if (st.status == SS_END_OF_INPUT || endOfSource) {
            if (closeOpenRange(run) != 0) break;
            if (!popInclude(state)) break;
            st.clear();
            continue;
        }
        if (st.status == SS_EMPTY) continue;
        HandleResult result = handlePassOne(run, st);
        if (result == END_RUN) return g_endStatus;
        if (result == FAILED) {
            assemblyFailed = 1;
            break;
        }
        clearHandled(st);
    }
    return kStatusOk;
}

int endOfPassOne(Run& run) {
    AssemblerState* state = run.state.get();
    if (assemblyFailed || run.lastWasSyntaxError) return kStatusInput;

    bool overflow = state->dataLoc() > kDataMemoryLimit || state->textLoc() > kCodeMemoryLimit;
    // No other section can be larger than the largest memory either; checking them here keeps
    // absurd sizes from ever reaching pass two.
    for (int i = SEC_BSS; i < kMaxSections; ++i)
        if (state->locationCounters[i] > kCodeMemoryLimit || state->locationCounters[i] < 0) overflow = true;
    if (state->dataLoc() < 0 || state->textLoc() < 0) overflow = true;
    if (overflow) {
        reportAt(state, 3020);
        return kStatusErrors;
    }

    // Each label gets the word count of its range; declared functions keep their own size.
    size_t next = 0;
    for (FunctionSizeEntry& entry : state->functionSizes) {
        if (next >= run.functionSizeList.size()) break;
        int32_t count = run.functionSizeList[next++];
        if (entry.kind == 1) entry.size = count;
    }

    logTrace(state, "[INF] Logging function sizes\n");
    logTrace(state, "--------------------------->\n");
    for (const FunctionSizeEntry& entry : state->functionSizes) {
        int32_t address =
            (state->relocatable && state->orgCount == 1) ? entry.orgWordAddress : entry.wordAddress;
        if (addElfSymbol(state, entry.name.c_str(), entry.kind, 0, 0, address, entry.size,
                         entry.relocatable) != 0)
            logTrace(state, "Failed to add symbol in symtab.\n");
        if (state->logFile)
            logTrace(state, "Func: %s          size: %d  type: %d\n", entry.name.c_str(), entry.size,
                     entry.kind);
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
            reportAt(state, 1003);
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
        if (directiveExecute(&st, state, 1) < 0) {
            logTrace(state, "directiveExecute() failed.\n");
            return FAILED;
        }
        return HANDLED;
    }
    reportAt(state, 1000);
    return HANDLED;
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
    resetDirectivesForPassTwo();

    currentStatement().clear();
    endOfSource = 0;
    state->lineNumber = 0;
    scanLine = 0;
    restartMainInput(run);
    if (parserReplayStatements()) {
        // Pass two replays what pass one parsed and scans nothing: the source's memory is
        // free for the object's sections.
        lexerStartText({});
        run.mainSource.release();
    }
    fileIndex = 1;

    SplitPath parts = splitPath(state->debugFileName ? state->debugFileName->c_str() : nullptr);
    if (!parts.directory || !parts.baseName) {
        if (debugInfo) {
            reportAt(state, 3008);
            return kStatusUsage;
        }
    } else {
        state->debugFileListCreated = true;
        state->debugFileList.push_back(DebugFile{*parts.directory, *parts.baseName});
    }
    logTrace(state, "num symbols: %d, numRelocText: %d, numRelocData: %d\n", state->numSymbols,
             state->numRelocText, state->numRelocData);
    return kStatusOk;
}

// Reads pass two; true when no statement failed.
bool runPassTwo(Run& run) {
    AssemblerState* state = run.state.get();
    Statement& st = currentStatement();
    for (;;) {
        parseStatement();
        if (st.status == SS_REJECTED) {
            reportPending(state);
            return false;
        }
        if (st.status == SS_END_OF_INPUT || endOfSource) {
            if (!popInclude(state)) return true;
            st.clear();
            continue;
        }
        if (st.status == SS_EMPTY) continue;
        if (handlePassTwo(run, st) != HANDLED) return false;
        clearHandled(st);
    }
}

// Where the object goes. A new or regular file is written under a temporary name beside
// it and renamed into place only when the writer finished, so a failed write never leaves
// a truncated object behind. Anything else that exists (a device such as /dev/null, a
// pipe) is written directly: renaming over it would replace the device itself.
bool writesInPlace(const std::string& name) {
    struct stat info;
    return stat(name.c_str(), &info) == 0 && !S_ISREG(info.st_mode);
}

// Where the object really goes: through a symbolic link to its target, so that the link
// stays a link.
std::string objectTarget(const std::string& name) {
    struct stat info;
    if (lstat(name.c_str(), &info) == 0 && S_ISLNK(info.st_mode)) {
        if (char* resolved = realpath(name.c_str(), nullptr)) {
            std::string target = resolved;
            std::free(resolved);
            return target;
        }
    }
    return name;
}

// A short temporary name beside the target, so that even a target name near the file
// name limit leaves room for it.
std::string temporaryName(const std::string& target) {
    size_t slash = target.rfind('/');
    std::string directory = slash == std::string::npos ? std::string() : target.substr(0, slash + 1);
    return directory + ".zorlan" + std::to_string(getpid()) + ".tmp";
}

// Writes the object file. A failure that the writer did not report itself is reported
// as 3009, so that a run without an object never ends with status 0.
void writeObject(Run& run) {
    AssemblerState* state = run.state.get();
    const int errorsBefore = errorCount();
    const std::string target = objectTarget(run.outputName);
    bool inPlace = writesInPlace(target);
    std::string temporary = inPlace ? target : temporaryName(target);
    int fd = createObjectFile(temporary.c_str());
    if (fd < 0 && !inPlace) {
        // A directory we may not create files in can still hold a writable object.
        inPlace = true;
        temporary = target;
        fd = createObjectFile(temporary.c_str());
    }
    if (fd < 0) {
        reportAt(state, 3009);
        return;
    }
    // An object that is replaced keeps the permissions it had.
    struct stat previous;
    if (!inPlace && stat(target.c_str(), &previous) == 0 && S_ISREG(previous.st_mode))
        fchmod(fd, previous.st_mode & 07777);
    state->objectFd = fd;
    int written = writeToFile(state, run.outputName.c_str());
    if (state->objectFd >= 0) {
        closeObjectFile(state->objectFd);
        state->objectFd = -1;
    }
    bool done = written == 1 && (inPlace || std::rename(temporary.c_str(), target.c_str()) == 0);
    if (!done && !inPlace) std::remove(temporary.c_str());
    if (!done && errorCount() == errorsBefore) reportAt(state, 3009);
}

void addEnvironmentIncludeDirs() {
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
    FILE* out = zorlanStdout();
    if (!(run.options.flags & OPT_QUIET)) std::fprintf(out, "Assembling %s\n", run.inputName.c_str());

    if (run.options.outputName) {
        run.outputName = *run.options.outputName;
    } else if (run.inputName.size() < 5) {
        reportAt(state, 3007);
        return endRun(run, kStatusUsage);
    } else {
        run.outputName = run.inputName.substr(0, run.inputName.size() - 4) + ".obj";
    }

    state->lineNumber = 0;
    state->fileName = run.inputName;
    if (!endsWithAsm(run.inputName)) {
        reportAt(state, 3007);
        return endRun(run, kStatusUsage);
    }
    switch (run.mainSource.load(run.inputName)) {
        case SourceRead::Ok:
            break;
        case SourceRead::TooLarge:
            reportAt(state, 3020);
            return endRun(run, kStatusInput);
        case SourceRead::Failed:
            reportAt(state, 5006, run.inputName.c_str());
            return endRun(run, kStatusInput);
    }

    if (run.options.logName) {
        state->logFile = std::fopen(run.options.logName->c_str(), "w+");
        if (!state->logFile) {
            reportAt(state, 5007);
            return endRun(run, kStatusLog);
        }
        setListingAppends(true);
        std::fputs("Zorlan Ver 1.0 ASM Arguments[ ", state->logFile);
        for (int i = 0; i < argc; ++i) std::fprintf(state->logFile, "%s ", argv[i]);
        std::fputs("  ]\n", state->logFile);
        std::fputs("******************************************* \n", state->logFile);
    }

    // Pre-scan: .ABS anywhere in the main file enables .ORG for the whole run. A file that
    // does not contain the text ".ABS" cannot hold the directive, and the scan has nothing
    // else to show, except the messages of the -u rule, which every scan prints.
    if (underscorePrefix || run.mainSource.view().find(".ABS") != std::string_view::npos) {
        restartMainInput(run);
        Statement& st = currentStatement();
        for (;;) {
            st.clear();
            parseStatement();
            if (st.status == SS_END_OF_INPUT) break;
            if (st.kind == SK_DIRECTIVE && st.id == DIR_ABS && st.status == SS_COMPLETE) {
                absoluteMode = 1;
                break;
            }
        }
    }

    if (int status = runPassOne(run); status != kStatusOk) return endRun(run, status);
    if (int status = endOfPassOne(run); status != kStatusOk) return endRun(run, status);
    if (int status = preparePassTwo(run); status != kStatusOk) return endRun(run, status);

    const bool passTwoComplete = runPassTwo(run);
    parserReadSource();
    if (passTwoComplete) writeObject(run);
    return endRun(run, errorCount() == 0 ? kStatusOk : kStatusErrors);
}

} // namespace

void resetProcessState() {
    resetSwitches();
    resetOptionReader();
    resetDiagnostics();
    destroySymbolTables();
    resetLexer();
    resetParser();
    resetDirectiveState();
    currentStatement().clear();
    absoluteMode = 0;
    assemblyFailed = 0;
    pendingErrorCode = 1000;
    endOfSource = 0;
    fileIndex = 0;
    g_endStatus = 0;
}

SplitPath splitPath(const char* path) {
    SplitPath parts;
    if (!path) return parts;
    std::string_view text = path;
    if (text.find('\\') != std::string_view::npos) {
        size_t baseStart = text.find_last_of("\\/") + 1;
        parts.directory.emplace(text.substr(0, baseStart));
        parts.baseName.emplace(text.substr(baseStart));
    } else {
        parts.directory.emplace(".");
        parts.baseName.emplace(text);
    }
    return parts;
}

namespace {

std::string_view unquoted(const char* name) {
    std::string_view text = name;
    if (!text.empty() && text.front() == '"') text.remove_prefix(1);
    if (!text.empty() && text.back() == '"') text.remove_suffix(1);
    return text;
}

FunctionSizeEntry* findFunctionEntry(AssemblerState* state, const char* name, int line) {
    if (!name) {
        logTrace(state, "%s: %d [ERR] NULL function name", "Zorlan", line);
        return nullptr;
    }
    if (!g_run) return nullptr;
    const std::string_view wanted = unquoted(name);
    const int32_t index = g_run->functionEntryIndex.find(nameHash(wanted, false), [state, wanted](int32_t i) {
        return static_cast<size_t>(i) < state->functionSizes.size() &&
               state->functionSizes[static_cast<size_t>(i)].name == wanted;
    });
    return index < 0 ? nullptr : &state->functionSizes[static_cast<size_t>(index)];
}

} // namespace

void markFunctionEntry(AssemblerState* state, const char* name) {
    if (FunctionSizeEntry* entry = findFunctionEntry(state, name, __LINE__)) entry->kind = 2;
}

void setFunctionEntrySize(AssemblerState* state, const char* name) {
    if (FunctionSizeEntry* entry = findFunctionEntry(state, name, __LINE__))
        entry->size = static_cast<int32_t>((state->textLoc() - entry->byteAddress) >> 1);
}

int zorlanMain(int argc, const char* const* argv) {
    resetProcessState();

    Run run;
    if (parseOptions(argc, argv, run.options) != 0) return kStatusUsage;

    initAssemblerState(run.state);
    lexerAttachState(run.state.get());

    if (run.options.flags & OPT_VERSION) {
        std::fputs("Zorlan", zorlanStdout());
        printVersion();
    }
    underscorePrefix = (run.options.flags & OPT_USCORE) ? 1 : 0;
    caseSensitive = (run.options.flags & OPT_CSENSITIVE) ? 1 : 0;
    debugInfo = run.options.debugLevel != 0 ? 1 : 0;
    includeDirs = run.options.includeDirs;
    addEnvironmentIncludeDirs();

    int status = kStatusOk;
    if (run.options.inputName) {
        run.inputName = *run.options.inputName;
        g_run = &run;
        status = assemble(run, argc, argv);
        g_run = nullptr;
    } else {
        releaseAssemblerState(run.state);
        destroySymbolTables();
    }
    lexerAttachState(nullptr);
    return status;
}
