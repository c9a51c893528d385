// The directive dispatcher and the handlers that move location counters or lay down data:
// .ORG, .ABS, .TEXT, .DATA, .EVEN, .ODD, .LOC, .DB, .DW, .DD, .ASCII, .ASCIIZ, .CONST, .EQU,
// .INCLUDE and .ENDP.
//
// Every handler runs in both passes. Pass one defines the names and advances the counters,
// which sizes the output; pass two advances the same counters by the same amounts and writes
// the bytes and relocation entries.
#include "directives/Directive.h"

#include "core/LIST.h"
#include "core/Statement.h"
#include "core/messages.h"
#include "debug/dbgUtil.h"
#include "directives/DirectiveDebug.h"
#include "directives/DirectiveHandlers.h"
#include "format/objectFormat.h"
#include "frontend/frontEnd.h"
#include "frontend/lexer.h"
#include "symbols/assemblerState.h"
#include "symbols/sectionHandler.h"
#include "symbols/stHashTable.h"
#include "symbols/stSymbolTable.h"

#include <algorithm>
#include <array>
#include <climits>
#include <cstring>
#include <sys/stat.h>
#include <vector>

namespace {

constexpr int kMaxIncludeDepth = 64;
// Includes a pass may open, and the bytes they may bring in all together. Files that
// include each other twice over multiply without end (two includes per level, thirty
// levels: a billion files), and a few includes of /dev/zero would read gigabytes; these
// budgets keep every run short while no real program comes near them.
constexpr int kMaxIncludesPerPass = 16384;
constexpr int64_t kMaxIncludedBytesPerPass = int64_t{64} << 20;

// No section can come near this; a larger request in pass two is a corrupted count.
constexpr int64_t kMaxSectionBytes = int64_t{1} << 30;
// The relocation arrays start with room for the pass-one estimate, within reason.
constexpr int32_t kMaxRelocationReserve = 1 << 16;

using Handler = int (*)(Statement*, DirectiveContext&, int);

bool inText(const AssemblerState* state) {
    return state->currentSection == SEC_TEXT;
}

// ---- Location-counter directives ----

int executeTEXT(Statement*, DirectiveContext& dc, int) {
    AssemblerState* state = &dc.state;
    state->currentSection = SEC_TEXT;
    return 0;
}

int executeDATA(Statement*, DirectiveContext& dc, int) {
    AssemblerState* state = &dc.state;
    state->currentSection = SEC_DATA;
    return 0;
}

int executeABS(Statement*, DirectiveContext& dc, int) {
    AssemblerState* state = &dc.state;
    state->relocatable = 0;
    state->absOrgStage += 1;
    return 0;
}

int executeLOC(Statement*, DirectiveContext&, int) {
    return 0;
}

// .EVEN (wantOdd false) and .ODD: text aligns word addresses, every other section bytes.
int executeAlignment(AssemblerState* state, int pass, bool wantOdd) {
    int section = state->currentSection;
    int64_t& counter = state->locationCounters[section];
    int64_t before = counter;
    if (section == SEC_TEXT) {
        if (counter & 1) counter += 1;
        bool wordIsOdd = ((counter / 2) & 1) != 0;
        if (wordIsOdd != wantOdd) counter += 2;
        if (pass == 0) state->textAlignment = wantOdd ? 1 : 2;
    } else {
        bool byteIsOdd = (counter & 1) != 0;
        if (byteIsOdd != wantOdd) counter += 1;
        if (pass == 0 && section == SEC_DATA) state->dataAlignment = wantOdd ? 1 : 2;
    }
    if (pass == 1) {
        // The skipped bytes stay zero: the blocks are zero-filled.
        // Any new block starts where the skipped bytes start.
        DataBlock* tail = state->sections[section].tail;
        if (!tail || tail->capacity - tail->used < 2) {
            tail = appendBlock(state, section,
                               createDataBlock(state, static_cast<int32_t>(before), state->blockCapacity));
            if (!tail) return failWith(state, Diag::OutOfMemory);
        }
        tail->used += static_cast<int32_t>(counter - before);
    }
    return 0;
}

int executeEVEN(Statement*, DirectiveContext& dc, int pass) {
    AssemblerState* state = &dc.state;
    return executeAlignment(state, pass, false);
}
int executeODD(Statement*, DirectiveContext& dc, int pass) {
    AssemblerState* state = &dc.state;
    return executeAlignment(state, pass, true);
}

// ---- .DB, .DW, .DD and the strings that become .DB data ----

// Where the element values of a data directive come from: the argument cells, or the
// characters between the quotes of an .ASCII/.ASCIIZ literal.
struct DataValues {
    const Statement* statement = nullptr;
    const std::string* literal = nullptr; // quotes included; element i is literal[i + 1]
    int64_t literalChars = 0;             // characters taken from the literal

    int64_t given() const {
        if (literal) return literalChars;
        return std::min<int64_t>(statement->argCount, static_cast<int64_t>(statement->args.size()));
    }
    int32_t value(int64_t i) const {
        if (literal) {
            if (i >= literalChars || static_cast<size_t>(i + 1) >= literal->size()) return 0;
            return static_cast<signed char>((*literal)[static_cast<size_t>(i + 1)]);
        }
        if (i >= given()) return 0;
        const ArgCell& cell = statement->args[static_cast<size_t>(i)];
        return cell.isText ? 0 : cell.number;
    }
    // The identifier of element i in the identifier forms, or null.
    const std::string* name(int64_t i) const {
        if (literal || !(statement->flags & kFlagNames) || i >= given()) return nullptr;
        const ArgCell& cell = statement->args[static_cast<size_t>(i)];
        return cell.isText ? &cell.text : nullptr;
    }
};

const char* dataKeyword(int elementSize) {
    switch (elementSize) {
        case 1:
            return "DB";
        case 2:
            return "DW";
        default:
            return "DD";
    }
}

int dataPassOne(Statement* st, AssemblerState* state, int64_t count, int elementSize, bool uninitialised,
                bool identifiers) {
    int section = uninitialised ? SEC_BSS : state->currentSection;
    int64_t& counter = state->locationCounters[section];
    int64_t bytes = count * elementSize;
    int32_t value = 0;
    int32_t symbolSize = 0;
    if (section == SEC_TEXT) {
        // Data in the text section starts on a word boundary and is addressed by words.
        if (counter & 1) counter += 1;
        value = static_cast<int32_t>(counter / 2);
        symbolSize = static_cast<int32_t>((bytes + 1) / 2);
    } else {
        value = static_cast<int32_t>(counter);
        symbolSize = static_cast<int32_t>(bytes);
    }
    defineDataLabel(state, *st->name, value, section);
    if (addElfSymbol(state, st->name->c_str(), 1, 0, section, value, symbolSize, state->relocatable) != 0)
        return -1;
    counter += bytes;
    if (inText(state)) state->orgRelativeLoc += bytes;
    if (identifiers) addToEstimate(state->numRelocData, count);
    return 0;
}

int dataPassTwo(AssemblerState* state, const DataValues& values, int64_t count, int elementSize,
                bool uninitialised) {
    int section = uninitialised ? SEC_BSS : state->currentSection;
    if (uninitialised) logTrace(state, "This .%s is for .BSS\n", dataKeyword(elementSize));
    int64_t bytes = count * elementSize;
    if (bytes > kMaxSectionBytes) return failWith(state, Diag::MemoryOverflow);

    std::vector<uint8_t> buffer;
    if (!uninitialised) {
        buffer.assign(static_cast<size_t>(bytes), 0);
        for (int64_t i = 0; i < count; ++i) {
            uint32_t v = static_cast<uint32_t>(values.value(i));
            uint8_t* out = buffer.data() + i * elementSize;
            for (int b = 0; b < elementSize; ++b) out[b] = static_cast<uint8_t>(v >> (8 * b));
        }
    }
    if (appendSectionBytes(state, section, uninitialised ? nullptr : buffer.data(), bytes, elementSize) != 0)
        return -1;

    int64_t& counter = state->locationCounters[section];
    int64_t start = counter;
    counter += bytes;
    if (inText(state)) state->orgRelativeLoc += bytes;

    // Identifier elements hold zeros; the linker fills in the addresses.
    int width = elementSize == 4 ? 4 : 2;
    for (int64_t i = 0; i < count && i < values.given(); ++i) {
        const std::string* name = values.name(i);
        if (!name) continue;
        if (addPointerRelocation(1, state, name->c_str(), static_cast<int32_t>(start + i * elementSize),
                                 width) != 0)
            return -1;
    }
    return 0;
}

int executeData(Statement* st, AssemblerState* state, int pass, int elementSize, const DataValues& values,
                int64_t count) {
    if (!st->name) return failWith(state, Diag::InvalidDirectiveSyntax);
    if (count < 1) return failWith(state, Diag::InvalidSize);
    bool uninitialised = values.literal == nullptr && st->uninitialised == 1;
    if (pass == 0) {
        bool identifiers = values.literal == nullptr && (st->flags & kFlagNames);
        return dataPassOne(st, state, count, elementSize, uninitialised, identifiers);
    }
    return dataPassTwo(state, values, count, elementSize, uninitialised);
}

int executeDataList(Statement* st, AssemblerState* state, int pass, int elementSize) {
    DataValues values;
    values.statement = st;
    return executeData(st, state, pass, elementSize, values, st->count);
}

int executeDB(Statement* st, DirectiveContext& dc, int pass) {
    AssemblerState* state = &dc.state;
    return executeDataList(st, state, pass, 1);
}
int executeDW(Statement* st, DirectiveContext& dc, int pass) {
    AssemblerState* state = &dc.state;
    return executeDataList(st, state, pass, 2);
}
int executeDD(Statement* st, DirectiveContext& dc, int pass) {
    AssemblerState* state = &dc.state;
    return executeDataList(st, state, pass, 4);
}

// .ASCII and .ASCIIZ: the characters between the quotes (and a zero for .ASCIIZ) become
// .DB elements. The statement's count is the literal's length with both quotes.
int executeString(Statement* st, AssemblerState* state, int pass, bool zeroTerminated) {
    const std::string empty;
    const std::string* literal = &empty;
    if (!st->args.empty() && st->args[0].isText) literal = &st->args[0].text;
    logTrace(state, "executeASCII BEGIN\n");
    logTrace(state, "string: %s\n", literal->c_str());
    DataValues values;
    values.statement = st;
    values.literal = literal;
    values.literalChars = static_cast<int64_t>(st->count) - 2;
    int64_t count = zeroTerminated ? static_cast<int64_t>(st->count) - 1 : values.literalChars;
    int result = executeData(st, state, pass, 1, values, count);
    logTrace(state, "executeASCII END ret = %d\n", result);
    return result;
}

int executeASCII(Statement* st, DirectiveContext& dc, int pass) {
    AssemblerState* state = &dc.state;
    return executeString(st, state, pass, false);
}
int executeASCIIZ(Statement* st, DirectiveContext& dc, int pass) {
    AssemblerState* state = &dc.state;
    return executeString(st, state, pass, true);
}

int32_t firstNumber(const Statement* st) {
    return (!st->args.empty() && !st->args[0].isText) ? st->args[0].number : 0;
}

// .CONST: one big-endian word in the data section, whatever section is current.
int executeCONST(Statement* st, DirectiveContext& dc, int pass) {
    AssemblerState* state = &dc.state;
    if (!st->name) return failWith(state, Diag::InvalidDirectiveSyntax);
    int64_t& counter = state->dataLoc();
    if (pass == 0) {
        defineDataLabel(state, *st->name, static_cast<int32_t>(counter), 1);
        counter += 2;
        return 0;
    }
    counter += 2;
    int32_t address = static_cast<int32_t>(counter - 2);
    DataBlock* tail = state->sections[SEC_DATA].tail;
    if (!tail) tail = appendBlock(state, SEC_DATA, createDataBlock(state, address, state->blockCapacity));
    if (tail &&
        (tail->capacity - tail->used < 3 || tail->used + 2 > static_cast<int32_t>(tail->bytes.size())))
        tail = appendBlock(state, SEC_DATA, createDataBlock(state, address, state->blockCapacity));
    if (!tail) return failWith(state, Diag::OutOfMemory);
    uint32_t value = static_cast<uint32_t>(firstNumber(st));
    tail->bytes[static_cast<size_t>(tail->used)] = static_cast<uint8_t>(value >> 8);
    tail->bytes[static_cast<size_t>(tail->used) + 1] = static_cast<uint8_t>(value);
    tail->used += 2;
    return addElfSymbol(state, st->name->c_str(), 1, 0, SEC_DATA, address, 2, state->relocatable) == 0 ? 0
                                                                                                       : -1;
}

// .EQU: a named constant; operands that name it need no relocation.
int executeEQU(Statement* st, DirectiveContext& dc, int pass) {
    AssemblerState* state = &dc.state;
    if (!st->name) return failWith(state, Diag::InvalidDirectiveSyntax);
    if (pass != 0) return 0;
    Symbol symbol;
    symbol.value = firstNumber(st);
    if (stInsertSymbol(state->constTable.get(), *st->name, symbol) != 0)
        reportAt(state, Diag::DuplicateSymbol, stKeyText(state->names, *st->name).c_str());
    return 0;
}

// ---- .INCLUDE and .ENDP ----

bool isDirectory(FILE* stream) {
    struct stat info;
    return fstat(fileno(stream), &info) == 0 && S_ISDIR(info.st_mode);
}

// Opens a file for reading, refusing directories (which would read as an empty file).
FILE* openSource(const std::string& path) {
    FILE* stream = std::fopen(path.c_str(), "r");
    if (stream && isDirectory(stream)) {
        std::fclose(stream);
        return nullptr;
    }
    return stream;
}

// A directory whose name holds a blank is kept between double quotes; the quotes are
// not part of the name the file system knows.
std::string unquotedDirectory(const std::string& dir) {
    if (dir.size() >= 2 && dir.front() == '"' && dir.back() == '"') return dir.substr(1, dir.size() - 2);
    return dir;
}

void rememberIncluded(DirectiveContext& dc, const std::string& path, FILE* stream) {
    struct stat info;
    if (fstat(fileno(stream), &info) != 0) return;
    if (dc.includedIdentities.emplace(info.st_dev, info.st_ino).second)
        dc.includedFiles.push_back(IncludedFile{path, info.st_dev, info.st_ino});
}

int executeINCLUDE(Statement* st, DirectiveContext& dc, int pass) {
    AssemblerState* state = &dc.state;
    // The name is the text after the first double quote, without its last character.
    std::string name;
    if (st->fileName) {
        size_t quote = st->fileName->find('"');
        name = quote == std::string::npos ? *st->fileName : st->fileName->substr(quote + 1);
        if (quote != std::string::npos && !name.empty()) name.pop_back();
    }
    logTrace(state, "INCLUDE file: %s\n", name.c_str());

    // A file that includes itself, directly or not, stops at this depth instead of looping.
    if (listCount(dc.frontEnd.includeStack) >= kMaxIncludeDepth || name.empty() ||
        dc.includesThisPass >= kMaxIncludesPerPass)
        return failWith(state, Diag::CannotOpenFile, name.c_str());

    std::string path = name;
    FILE* stream = openSource(path);
    for (const std::string& dir : state->run.switches.includeDirs) {
        if (stream) break;
        path = unquotedDirectory(dir) + "/" + name;
        stream = openSource(path);
    }
    if (!stream) return failWith(state, Diag::CannotOpenFile, name.c_str());
    rememberIncluded(dc, path, stream);
    std::string bytes;
    SourceRead read = readSource(stream, bytes);
    std::fclose(stream);
    if (read == SourceRead::Failed) return failWith(state, Diag::CannotOpenFile, name.c_str());
    dc.includesThisPass += 1;
    dc.includedBytesThisPass += static_cast<int64_t>(bytes.size());
    if (read == SourceRead::TooLarge || dc.includedBytesThisPass > kMaxIncludedBytesPerPass)
        return failWith(state, Diag::MemoryOverflow);

    if (pass == 1) {
        SplitPath parts = splitPath(name.c_str());
        if (!parts.directory || !parts.baseName) return failWith(state, Diag::MissingFile);
        listAdd(state->debugFileList, DebugFile{std::move(*parts.directory), std::move(*parts.baseName)},
                LIST_END);
    }

    IncludeContext context;
    context.savedLine = state->run.lineNumber;
    context.savedInput = lexerDetachInput(dc.frontEnd.lexer);
    context.savedFileName = std::move(state->run.fileName);
    context.savedFileIndex = state->run.flags.fileIndex;
    listAdd(dc.frontEnd.includeStack, std::move(context), LIST_FRONT);
    state->run.fileName = path;
    dc.frontEnd.lexer.scanLine = 0;
    state->run.flags.fileIndex += 1;
    lexerStartOwned(dc.frontEnd.lexer, std::move(bytes));
    return 0;
}

int executeENDP(Statement*, DirectiveContext& dc, int) {
    AssemblerState* state = &dc.state;
    logTrace(state, "executeENDP BEGIN\n");
    int result = 0;
    if (!inText(state)) {
        reportAt(state, Diag::DirectiveOnlyInText);
        result = -1;
    } else {
        state->run.flags.endOfSource = 1;
    }
    logTrace(state, "executeENDP END ret = %d\n", result);
    return result;
}

// ---- Dispatch ----

constexpr int kHighestDirectiveId = DIR_ENUM_END;

constexpr std::array<Handler, kHighestDirectiveId + 1> makeHandlerTable() {
    std::array<Handler, kHighestDirectiveId + 1> table{};
    table[DIR_ORG] = executeORG;
    table[DIR_DATA] = executeDATA;
    table[DIR_TEXT] = executeTEXT;
    table[DIR_ABS] = executeABS;
    table[DIR_EVEN] = executeEVEN;
    table[DIR_ODD] = executeODD;
    table[DIR_DB] = executeDB;
    table[DIR_DW] = executeDW;
    table[DIR_DD] = executeDD;
    table[DIR_INCLUDE] = executeINCLUDE;
    table[DIR_EQU] = executeEQU;
    table[DIR_CONST] = executeCONST;
    table[DIR_DATA_DEF] = executeDATA_DEF;
    table[DIR_DATA_INIT] = executeDATA_INIT;
    table[DIR_DATA_DEF_END] = executeDATA_DEF_END;
    table[DIR_ENDP] = executeENDP;
    table[DIR_ASCII] = executeASCII;
    table[DIR_ASCIIZ] = executeASCIIZ;
    table[DIR_FILE] = executeFILE;
    table[DIR_LOC] = executeLOC;
    table[DIR_LINE] = executeLINE;
    table[DIR_SECTION] = executeSECTION;
    table[DIR_BSS] = executeBSS;
    table[DIR_GLOBAL] = executeGLOBAL;
    table[DIR_LOCAL] = executeLOCAL;
    table[DIR_WEAK] = executeWEAK;
    for (int id = DIR_VARIABLE; id <= DIR_ENUM_END; ++id) table[id] = executeDebugDescription;
    return table;
}

constexpr std::array<Handler, kHighestDirectiveId + 1> kHandlers = makeHandlerTable();

} // namespace

// ---- Shared pieces ----

void defineDataLabel(AssemblerState* state, const std::string& name, int32_t value, int isData) {
    Symbol symbol;
    symbol.value = value;
    symbol.isData = isData;
    if (stInsertSymbol(state->labelTable.get(), name, symbol) != 0)
        reportAt(state, Diag::DuplicateSymbol, stKeyText(state->names, name).c_str());
}

int appendSectionBytes(AssemblerState* state, int section, const uint8_t* bytes, int64_t size,
                       int elementSize) {
    if (section < 0 || section >= kMaxSections || elementSize < 1)
        return failWith(state, Diag::InternalError);
    DataBlock* tail = ensureTailBlock(state, section);
    if (!tail) return failWith(state, Diag::OutOfMemory);
    int64_t& counter = state->locationCounters[section];
    if (section == SEC_TEXT && (counter & 1)) {
        // A zero pad byte puts the data on a word boundary.
        if (tail->used >= tail->capacity) {
            tail = appendBlock(state, section,
                               createDataBlock(state, static_cast<int32_t>(counter), state->blockCapacity));
            if (!tail) return failWith(state, Diag::OutOfMemory);
        }
        tail->used += 1;
        counter += 1;
    }
    int64_t room = std::min<int64_t>(tail->capacity, static_cast<int64_t>(tail->bytes.size()));
    if (tail->used + size < room) {
        if (bytes && size > 0) std::memcpy(tail->bytes.data() + tail->used, bytes, static_cast<size_t>(size));
        tail->used += static_cast<int32_t>(size);
        return 0;
    }
    // Too big for the tail block: new blocks, each holding as many whole elements as fit.
    int64_t perBlock = (state->blockCapacity / elementSize) * elementSize;
    if (perBlock < 1) return failWith(state, Diag::InternalError);
    for (int64_t written = 0; written < size;) {
        int64_t chunk = std::min(perBlock, size - written);
        DataBlock* block = appendBlock(
            state, section,
            createDataBlock(state, static_cast<int32_t>(counter + written), state->blockCapacity));
        if (!block) return failWith(state, Diag::OutOfMemory);
        if (bytes) std::memcpy(block->bytes.data(), bytes + written, static_cast<size_t>(chunk));
        block->used = static_cast<int32_t>(chunk);
        written += chunk;
    }
    return 0;
}

std::string argumentText(const ArgCell& cell) {
    return cell.isText ? cell.text : std::to_string(cell.number);
}

bool applyDataIdentifierRule(const AssemblerState* state, std::string& name) {
    if (!state->run.switches.underscorePrefix) return true;
    if (name.empty() || name[0] != '_') {
        std::fputs("Data identifier should start with _\n", state->run.out);
        return false;
    }
    name.erase(0, 1);
    return true;
}

void addToEstimate(int32_t& estimate, int64_t amount) {
    int64_t sum = static_cast<int64_t>(estimate) + amount;
    estimate = static_cast<int32_t>(std::clamp<int64_t>(sum, 0, INT32_MAX));
}

// ---- Public interface ----

int directiveExecute(Statement* statement, DirectiveContext& dc, int pass) {
    if (!statement || pass < 0 || pass > 1) return -1;
    int id = statement->id;
    Handler handler = (id >= 0 && id <= kHighestDirectiveId) ? kHandlers[id] : nullptr;
    if (!handler) return failWith(&dc.state, Diag::UnsupportedDirective);
    return handler(statement, dc, pass);
}

int executeORG(Statement* statement, DirectiveContext& dc, int pass) {
    AssemblerState* state = &dc.state;
    int64_t n = statement->number;
    if (state->currentSection == SEC_TEXT) {
        // Without .ABS anywhere in the source the text origin cannot move.
        if (!state->run.flags.absoluteMode) return 0;
        if (2 * n < state->textLoc()) return failWith(state, Diag::OrgOverlap);
        if (state->absOrgStage == 1) {
            state->textStartAddress = state->textLoc() != 0 ? static_cast<int32_t>(n) : 0;
            state->absOrgStage += 1;
        }
        if (pass == 0) dc.lastOrgTextLoc = state->textLoc();
        state->textLoc() = 2 * n;
        if (pass == 0) {
            state->orgRelativeLoc = state->orgCount == 0 ? 0 : 2 * n;
            state->orgCount += 1;
        }
    } else if (state->currentSection == SEC_DATA) {
        if (n < state->dataLoc()) return failWith(state, Diag::OrgOverlap);
        state->dataLoc() = n;
        if (state->absOrgStage == 1) {
            state->dataStartAddress = static_cast<int32_t>(n);
            state->absOrgStage += 1;
        }
    } else {
        return 0; // the other sections have no origin
    }
    if (pass == 0) return 0;

    // Each origin opens a block based at the new address.
    int section = state->currentSection;
    if (section == SEC_TEXT)
        logTrace(state, "TEXT loc: %lld [%lld]\n", static_cast<long long>(state->textLoc()),
                 static_cast<long long>(n));
    else
        logTrace(state, "DATA loc: %lld\n", static_cast<long long>(state->dataLoc()));
    bool hadBlocks = state->sections[section].tail != nullptr;
    auto block =
        createDataBlock(state, static_cast<int32_t>(state->locationCounters[section]), state->blockCapacity);
    if (!appendBlock(state, section, std::move(block))) return failWith(state, Diag::OutOfMemory);
    if (section == SEC_TEXT) {
        if (hadBlocks)
            state->orgRelativeLoc = 2 * n;
        else
            state->firstTextOrigin = static_cast<int32_t>(2 * n);
    }
    return 0;
}

int addPointerRelocation(int isSymbol, AssemblerState* state, const char* name, int32_t address, int width) {
    if (isSymbol != 1) return 0;
    if (!state) return -1;
    if (!name) {
        logTrace(state, "label is NULL\n");
        return -1;
    }
    bool toData = state->currentSection == SEC_DATA;
    std::vector<RelocationEntry>& table = toData ? state->relData : state->relText;
    bool& created = toData ? state->relDataCreated : state->relTextCreated;
    if (!created) {
        int64_t estimate = static_cast<int64_t>(state->numRelocData) + state->numRelocText;
        table.reserve(static_cast<size_t>(std::clamp<int64_t>(estimate, 0, kMaxRelocationReserve)));
        created = true;
    }
    if (!state->symtabCreated) return failWith(state, Diag::NoSymtabEntry);
    int32_t index = findSymtabIndex(state, name, false);
    if (index < 0) {
        logTrace(state, "Label is not found in the symbol table\n");
        return failWith(state, Diag::SymbolNotInSymtab);
    }
    if (width != 2 && width != 4) return 0; // only 16- and 32-bit pointers are relocated

    RelocationEntry entry;
    entry.r_offset = static_cast<uint32_t>(address);
    entry.r_info = relocationInfo(static_cast<uint32_t>(index), width == 2 ? R_POINTER16 : R_POINTER32);
    entry.r_addend = 0;
    table.push_back(entry);
    logTrace(state, "RAM/ROM Relocation for pointers @ %s section\n",
             predefinedSectionName(toData ? SEC_REL_DATA : SEC_REL_TEXT));
    logTrace(state, "r_offset: 0x%x, r_info: 0x%x, r_addend: 0x%x\n", entry.r_offset, entry.r_info,
             static_cast<unsigned>(entry.r_addend));
    return 0;
}

DirectiveContext::DirectiveContext(AssemblerState& state, FrontEnd& frontEnd, DebugDirectives& debug)
    : state(state), frontEnd(frontEnd), debug(debug) {}

DirectiveContext::~DirectiveContext() = default;

void resetDirectivesForPassTwo(DirectiveContext& dc) {
    dc.lastOrgTextLoc = -1;
    dc.openInstance.reset();
    dc.includesThisPass = 0;
    dc.includedBytesThisPass = 0;
}
