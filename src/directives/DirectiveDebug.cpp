// The debug-description directives. The compiler that wrote the source describes its
// types, variables, functions and line positions with them; in pass one, with debug
// information on, they become the records of DebugDirectives, which the debug builders
// turn into DWARF after pass two. .FILE's operand check and the function bookkeeping of
// .FUNCTION / .FUNC_END run in both passes whatever the option, because the label sizes
// in the symbol table depend on them.
#include "directives/DirectiveDebug.h"

#include "core/Statement.h"
#include "core/messages.h"
#include "debug/dbgUtil.h"
#include "directives/Directive.h"
#include "symbols/assemblerState.h"
#include "symbols/sectionHandler.h"
#include "symbols/stHashTable.h"
#include "symbols/stSymbolTable.h"

#include <algorithm>
#include <initializer_list>

namespace {

// Array and pointer dimensions each add one modifier level, and each level one debug
// entry of a dozen bytes or so. Real declarations have a handful; these bounds keep a
// hostile source from producing gigabytes: one dimension, and all levels of the run.
constexpr int32_t kMaxDimension = 65536;
constexpr int64_t kMaxModifierLevels = int64_t{1} << 22;

std::string operandText(const std::optional<std::string>& text) {
    return text ? stripQuotes(*text) : std::string();
}

// Records are built in pass one, and only when debug information is wanted.
bool recording(const DirectiveContext& dc, int pass) {
    return pass == 0 && dc.state.run.switches.debugInfo != 0;
}

DataBlock* ensureMarkerBlock(DirectiveContext& dc, int ordinal) {
    AssemblerState* state = &dc.state;
    SectionChain& chain = state->sections[ordinal];
    if (chain.head) return chain.head.get();
    return appendBlock(
        state, ordinal,
        createDataBlock(state, static_cast<int32_t>(state->locationCounters[ordinal]), state->blockCapacity));
}

// The opening directives create the .debug_abbrev / .debug_info section data that the
// writer later fills, and the declaration list.
int openDebugData(DirectiveContext& dc) {
    AssemblerState* state = &dc.state;
    if (!ensureMarkerBlock(dc, SEC_DEBUG_INFO) || !ensureMarkerBlock(dc, SEC_DEBUG_ABBREV)) {
        logTrace(state, "[ERR] Failed to create DEBUG section data.\n");
        return -1;
    }
    return 0;
}

bool hasDebugData(const AssemblerState* state) {
    return state->sections[SEC_DEBUG_INFO].head && state->sections[SEC_DEBUG_ABBREV].head;
}

// ---- Operand checks shared by the declarations ----

enum FlagCheck { FC_SIZE, FC_ARRAY_FLAG, FC_ARRAY_DIM, FC_POINTER_FLAG, FC_POINTER_DIM, FC_LINE };

struct DeclShape {
    int32_t size = 0;
    int32_t arrayFlag = 0;
    int32_t arrayDim = 0;
    int32_t pointerFlag = 0;
    int32_t pointerDim = 0;
    int32_t line = 1;
};

// The code a check fails with, or nothing.
std::optional<Diag> failedCheck(FlagCheck check, const DeclShape& s) {
    switch (check) {
        case FC_SIZE:
            if (s.size < 0) return Diag::InvalidSize;
            break;
        case FC_ARRAY_FLAG:
            if (s.arrayFlag != 0 && s.arrayFlag != 1) return Diag::InvalidArrayFlag;
            break;
        case FC_ARRAY_DIM:
            if (s.arrayFlag == 1 && s.arrayDim < 1) return Diag::InvalidArrayDimension;
            if (s.arrayFlag == 1 && s.arrayDim > kMaxDimension) return Diag::MemoryOverflow;
            break;
        case FC_POINTER_FLAG:
            if (s.pointerFlag != 0 && s.pointerFlag != 1) return Diag::InvalidPointerFlag;
            break;
        case FC_POINTER_DIM:
            if (s.pointerFlag == 1 && s.pointerDim < 1) return Diag::InvalidPointerDimension;
            if (s.pointerFlag == 1 && s.pointerDim > kMaxDimension) return Diag::MemoryOverflow;
            break;
        case FC_LINE:
            if (s.line < 1) return Diag::InvalidLineNumber;
            break;
    }
    return std::nullopt;
}

constexpr FlagCheck kVariableChecks[] = {FC_SIZE,         FC_ARRAY_FLAG,  FC_ARRAY_DIM,
                                         FC_POINTER_FLAG, FC_POINTER_DIM, FC_LINE};
constexpr FlagCheck kReturnChecks[] = {FC_SIZE, FC_ARRAY_FLAG, FC_ARRAY_DIM, FC_POINTER_FLAG, FC_POINTER_DIM};
// Members look at the pointer before the array.
constexpr FlagCheck kMemberChecks[] = {FC_SIZE, FC_POINTER_FLAG, FC_POINTER_DIM, FC_ARRAY_FLAG, FC_ARRAY_DIM};

template <size_t N>
int checkShape(AssemblerState* state, const DeclShape& shape, const FlagCheck (&checks)[N]) {
    for (FlagCheck check : checks) {
        if (std::optional<Diag> code = failedCheck(check, shape)) {
            reportAt(state, *code);
            return -1;
        }
    }
    return 0;
}

DeclShape shapeOf(const Statement& st) {
    DeclShape s;
    s.size = st.size;
    s.arrayFlag = st.arrayFlag;
    s.arrayDim = st.number2;
    s.pointerFlag = st.pointerFlag;
    s.pointerDim = st.pointerDimension;
    s.line = st.declLine;
    return s;
}

// ---- Modifier lists ----

void appendCodes(std::vector<int32_t>& codes, int32_t code, int32_t count) {
    codes.insert(codes.end(), static_cast<size_t>(std::max(count, 0)), code);
}

// Adds what the array and pointer operands imply to a modifier list. Without modifier
// words the list is the array levels followed by the pointer levels. With words, an
// array declaration turns written pointers into array levels and only adds array
// levels when none came from a written pointer; a plain pointer declaration adds its
// levels when no pointer was written.
void addImpliedModifiers(std::vector<int32_t>& codes, bool hadWords, const DeclShape& s) {
    if (!hadWords) {
        if (s.arrayFlag == 1) appendCodes(codes, MOD_ARRAY, s.arrayDim);
        if (s.pointerFlag == 1) appendCodes(codes, MOD_POINTER, s.pointerDim);
        return;
    }
    int32_t pointers = static_cast<int32_t>(std::count(codes.begin(), codes.end(), MOD_POINTER));
    if (s.arrayFlag == 1) {
        int32_t changed = 0;
        for (int32_t& code : codes) {
            if (code == MOD_POINTER) {
                code = MOD_ARRAY;
                ++changed;
            }
        }
        if (changed == 0) appendCodes(codes, MOD_ARRAY, s.arrayDim);
    } else if (s.pointerFlag == 1 && pointers == 0) {
        appendCodes(codes, MOD_POINTER, s.pointerDim);
    }
}

// Completes a declaration's modifier list and counts its levels against the run's
// budget; past the budget the declaration is refused with 3020. 0 or -1.
int completeModifiers(DirectiveContext& dc, std::vector<int32_t>& codes, bool hadWords, const DeclShape& s) {
    const size_t before = codes.size();
    addImpliedModifiers(codes, hadWords, s);
    dc.debug.modifierLevels += static_cast<int64_t>(codes.size() - before);
    if (dc.debug.modifierLevels > kMaxModifierLevels) {
        reportAt(&dc.state, Diag::MemoryOverflow);
        return -1;
    }
    return 0;
}

struct ModifierWords {
    std::vector<int32_t> codes;
    bool isExtern = false;
    bool isStatic = false;
    bool hadWords = false;
};

// The trailing word list of .VARIABLE / .PARAMETER (`allowTypeWords`) or .FUNCTION.
// Unknown words, and numbers, are ignored.
ModifierWords readModifierWords(const Statement& st, bool allowTypeWords, int32_t pointerFlag) {
    ModifierWords words;
    int32_t count = std::clamp<int32_t>(st.count, 0, static_cast<int32_t>(st.args.size()));
    words.hadWords = count > 0;
    for (int32_t i = 0; i < count; ++i) {
        const ArgCell& cell = st.args[static_cast<size_t>(i)];
        if (!cell.isText) continue;
        const std::string& w = cell.text;
        if (w == "const")
            words.codes.push_back(MOD_CONST);
        else if (w == "volatile")
            words.codes.push_back(MOD_VOLATILE);
        else if (w == "extern")
            words.isExtern = true;
        else if (!allowTypeWords)
            continue;
        else if (w == "pointer") {
            if (pointerFlag == 1) words.codes.push_back(MOD_POINTER);
        } else if (w == "array")
            words.codes.push_back(MOD_ARRAY);
        else if (w == "static")
            words.isStatic = true;
    }
    return words;
}

// ---- Where completed declarations go ----

// Enums, structs, unions and variables completed in the text section belong to the
// function being described; one is opened empty when .FUNCTION has not come yet.
void placeByScope(DirectiveContext& dc, DebugDeclNode node) {
    AssemblerState* state = &dc.state;
    DebugDirectives& d = dc.debug;
    if (state->currentSection == SEC_TEXT) {
        if (!d.openFunction) d.openFunction = std::make_unique<FunctionDecl>();
        d.openFunction->locals.push_back(std::move(node));
    } else {
        appendDeclaration(d, std::move(node));
    }
}

int32_t textLoc32(AssemblerState* state) {
    return static_cast<int32_t>(state->textLoc());
}

// ---- Handlers ----

int doEnum(Statement& st, DirectiveContext& dc, int pass) {
    if (!recording(dc, pass)) return 0;
    if (openDebugData(dc) != 0) return -1;
    auto decl = std::make_unique<EnumDecl>();
    decl->name = operandText(st.declName);
    dc.debug.openEnum = std::move(decl);
    return 0;
}

int doEnumerator(Statement& st, DirectiveContext& dc, int pass) {
    AssemblerState* state = &dc.state;
    if (!recording(dc, pass)) return 0;
    if (!hasDebugData(state) || !dc.debug.openEnum) {
        reportAt(state, Diag::MissingEnum);
        return -1;
    }
    dc.debug.openEnum->enumerators.push_back(Enumerator{operandText(st.declName), st.number});
    return 0;
}

int doEnumEnd(Statement& st, DirectiveContext& dc, int pass) {
    AssemblerState* state = &dc.state;
    if (!recording(dc, pass)) return 0;
    if (!hasDebugData(state) || !dc.debug.openEnum) {
        reportAt(state, Diag::MissingEnum);
        return -1;
    }
    const EnumDecl& open = *dc.debug.openEnum;
    if (open.enumerators.empty()) {
        reportAt(state, Diag::MissingEnumerators);
        return -1;
    }
    if (operandText(st.declName) != open.name) {
        reportAt(state, Diag::EnumNameMismatch);
        return -1;
    }
    DebugDeclNode node;
    node.kind = DECL_ENUM;
    node.enumDecl = std::make_unique<EnumDecl>(open);
    placeByScope(dc, std::move(node));
    return 0;
}

// .STRUCT and .UNION.
int doAggregate(Statement& st, DirectiveContext& dc, int pass, bool isUnion) {
    if (!recording(dc, pass)) return 0;
    if (openDebugData(dc) != 0) return -1;
    auto decl = std::make_unique<StructDecl>();
    decl->name = operandText(st.declName);
    decl->size = st.size;
    DebugDirectives& d = dc.debug;
    (isUnion ? d.openUnion : d.openStruct) = std::move(decl);
    return 0;
}

std::unique_ptr<StructDecl>* openAggregate(DirectiveContext& dc, bool isUnion) {
    AssemblerState* state = &dc.state;
    if (!hasDebugData(state)) return nullptr;
    DebugDirectives& d = dc.debug;
    std::unique_ptr<StructDecl>& open = isUnion ? d.openUnion : d.openStruct;
    return open ? &open : nullptr;
}

// .STRUCTMEM and .UNIONMEM.
int doMember(Statement& st, DirectiveContext& dc, int pass, bool isUnion) {
    AssemblerState* state = &dc.state;
    if (!recording(dc, pass)) return 0;
    std::unique_ptr<StructDecl>* open = openAggregate(dc, isUnion);
    if (!open) {
        reportAt(state, isUnion ? Diag::MissingUnion : Diag::MissingStruct);
        return -1;
    }
    DeclShape shape = shapeOf(st);
    if (isUnion && shape.arrayFlag != 1)
        shape.arrayFlag = 0; // a union member is an array only when flagged 1
    if (checkShape(state, shape, kMemberChecks) != 0) return -1;

    MemberDecl m;
    m.name = operandText(st.declName);
    m.size = st.size;
    m.datatypeName = operandText(st.typeName);
    m.offset = st.number;
    m.arrayDimension = st.number2;
    m.pointerDimension = st.pointerDimension;
    m.flags = (st.flags & kFlagSigned) ? 1 : 0;
    m.isPointer = shape.pointerFlag;
    m.isArray = shape.arrayFlag;
    if (completeModifiers(dc, m.modifiers, false, shape) != 0) return -1;
    m.sourceLine = state->run.lineNumber;
    (*open)->members.push_back(std::move(m));
    return 0;
}

// .STRUCT_END and .UNION_END.
int doAggregateEnd(Statement& st, DirectiveContext& dc, int pass, bool isUnion) {
    AssemblerState* state = &dc.state;
    if (!recording(dc, pass)) return 0;
    std::unique_ptr<StructDecl>* open = openAggregate(dc, isUnion);
    if (!open) {
        reportAt(state, isUnion ? Diag::MissingUnion : Diag::MissingStruct);
        return -1;
    }
    if (operandText(st.declName) != (*open)->name) {
        reportAt(state, Diag::AggregateNameMismatch);
        return -1;
    }
    DebugDeclNode node;
    node.kind = isUnion ? DECL_UNION : DECL_STRUCT;
    node.aggregate = std::make_unique<StructDecl>(**open);
    placeByScope(dc, std::move(node));
    return 0;
}

int doTypedef(Statement& st, DirectiveContext& dc, int pass) {
    if (!recording(dc, pass)) return 0;
    if (openDebugData(dc) != 0) return -1;
    DebugDeclNode node;
    node.kind = DECL_TYPEDEF;
    node.typedefDecl =
        std::make_unique<TypedefDecl>(TypedefDecl{operandText(st.declName), operandText(st.typeName)});
    appendDeclaration(dc.debug, std::move(node));
    return 0;
}

int doVariable(Statement& st, DirectiveContext& dc, int pass) {
    AssemblerState* state = &dc.state;
    if (!recording(dc, pass)) return 0;
    if (openDebugData(dc) != 0) return -1;
    DeclShape shape = shapeOf(st);
    if (checkShape(state, shape, kVariableChecks) != 0) return -1;
    std::string name = operandText(st.declName);
    if (st.number < 0 && !stLookupSymbol(name.c_str(), state->labelTable.get())) {
        reportAt(state, Diag::SymbolNotDeclared, name.c_str());
        return -1;
    }
    ModifierWords words = readModifierWords(st, true, shape.pointerFlag);

    auto v = std::make_unique<VariableDecl>();
    v->name = std::move(name);
    v->size = st.size;
    v->datatypeName = operandText(st.typeName);
    v->offset = st.number;
    v->declLine = st.declLine;
    v->arrayDimension = st.number2;
    v->pointerDimension = st.pointerDimension;
    v->modifiers = std::move(words.codes);
    if (completeModifiers(dc, v->modifiers, words.hadWords, shape) != 0) return -1;
    v->flags = ((st.flags & kFlagSigned) ? kVarSigned : 0) | (shape.pointerFlag == 1 ? kVarPointer : 0) |
               (shape.arrayFlag == 1 ? kVarArray : 0) | (words.isExtern ? kVarExtern : 0) |
               (words.isStatic ? kVarStatic : 0);
    v->fileIndex = state->run.flags.fileIndex;
    v->sourceLine = state->run.lineNumber;

    DebugDeclNode node;
    node.kind = DECL_VARIABLE;
    node.variable = std::move(v);
    placeByScope(dc, std::move(node));
    return 0;
}

FunctionDecl* openFunctionDecl(DirectiveContext& dc) {
    AssemblerState* state = &dc.state;
    return hasDebugData(state) ? dc.debug.openFunction.get() : nullptr;
}

int doParameter(Statement& st, DirectiveContext& dc, int pass) {
    AssemblerState* state = &dc.state;
    if (!recording(dc, pass)) return 0;
    FunctionDecl* function = openFunctionDecl(dc);
    if (!function) {
        reportAt(state, Diag::MissingFunction);
        return -1;
    }
    DeclShape shape = shapeOf(st);
    if (checkShape(state, shape, kVariableChecks) != 0) return -1;
    ModifierWords words = readModifierWords(st, true, shape.pointerFlag);

    ParameterDecl p;
    p.name = operandText(st.declName);
    p.size = st.size;
    p.datatypeName = operandText(st.typeName);
    p.offset = st.number;
    p.modifiers = std::move(words.codes);
    if (completeModifiers(dc, p.modifiers, words.hadWords, shape) != 0) return -1;
    p.flags = ((st.flags & kFlagSigned) ? kParamSigned : 0) | (shape.arrayFlag == 1 ? kParamArray : 0) |
              (shape.pointerFlag == 1 ? kParamPointer : 0);
    p.arrayDimension = st.number2;
    p.pointerDimension = st.pointerDimension;
    p.declLine = st.declLine;
    p.fileIndex = state->run.flags.fileIndex;
    p.sourceLine = state->run.lineNumber;
    function->parameters.push_back(std::move(p));
    return 0;
}

int doReturn(Statement& st, DirectiveContext& dc, int pass) {
    AssemblerState* state = &dc.state;
    if (!recording(dc, pass)) return 0;
    FunctionDecl* function = openFunctionDecl(dc);
    if (!function) {
        reportAt(state, Diag::MissingFunction);
        return -1;
    }
    if (function->returnType) {
        reportAt(state, Diag::DuplicateReturnType);
        return -1;
    }
    DeclShape shape = shapeOf(st);
    if (checkShape(state, shape, kReturnChecks) != 0) return -1;

    auto r = std::make_unique<ReturnDecl>();
    r->datatypeName = operandText(st.typeName);
    r->size = st.size;
    r->flags = ((st.flags & kFlagSigned) ? kRetSigned : 0) | (shape.pointerFlag == 1 ? kRetPointer : 0) |
               (shape.arrayFlag == 1 ? kRetArray : 0);
    r->arrayDimension = st.number2;
    r->pointerDimension = st.pointerDimension;
    r->address = st.number;
    r->sourceLine = state->run.lineNumber;
    function->returnType = std::move(r);
    // The function's const/volatile words come first; the return type's levels follow.
    return completeModifiers(dc, function->modifiers, !function->modifiers.empty(), shape);
}

int doFunction(Statement& st, DirectiveContext& dc, int pass) {
    AssemblerState* state = &dc.state;
    DebugDirectives& d = dc.debug;
    if (d.openFunctionName) {
        report(state->run.diagnostics, Diag::MissingFuncEnd, d.openFunctionLine, state->run.columnNumber,
               currentFileName(state));
        return -1;
    }
    std::string name = operandText(st.declName);
    d.openFunctionLine = state->run.lineNumber;
    markFunctionEntry(state, name.c_str());
    d.openFunctionName = name;

    if (!recording(dc, pass)) return 0;
    if (openDebugData(dc) != 0) return -1;
    if (!d.openFunction) d.openFunction = std::make_unique<FunctionDecl>();
    FunctionDecl& f = *d.openFunction;
    f.name = std::move(name);
    f.lowPc = textLoc32(state);
    ModifierWords words = readModifierWords(st, false, 0);
    f.modifiers = std::move(words.codes);
    if (words.isExtern) f.flags |= kFuncExtern;
    return 0;
}

int doFunctionEnd(Statement& st, DirectiveContext& dc, int pass) {
    AssemblerState* state = &dc.state;
    DebugDirectives& d = dc.debug;
    std::string name = operandText(st.declName);
    if (!d.openFunctionName) {
        reportAt(state, Diag::MissingFunction);
        return -1;
    }
    if (name != *d.openFunctionName) {
        reportAt(state, Diag::FunctionNameMismatch);
        return -1;
    }
    setFunctionEntrySize(state, name.c_str());
    d.openFunctionName.reset();

    if (!recording(dc, pass)) return 0;
    FunctionDecl* function = openFunctionDecl(dc);
    if (!function) {
        reportAt(state, Diag::MissingFunction);
        return -1;
    }
    if (!function->returnType) {
        reportAt(state, Diag::MissingReturnType);
        return -1;
    }
    if (function->name != name) {
        reportAt(state, Diag::FunctionNameMismatch);
        return -1;
    }
    function->highPc = textLoc32(state) + 1;
    DebugDeclNode node;
    node.kind = DECL_FUNCTION;
    node.function = std::move(d.openFunction);
    appendDeclaration(d, std::move(node));
    return 0;
}

} // namespace

int executeFILE(Statement* statement, DirectiveContext& dc, int pass) {
    AssemblerState* state = &dc.state;
    if (!statement || !state) return -1;
    if (!statement->fileName) { // an empty name is still a name
        reportAt(state, Diag::InvalidFilename);
        return -1;
    }
    std::string name = operandText(statement->fileName);
    if (recording(dc, pass)) state->debugFileName = std::move(name);
    return 0;
}

int executeLINE(Statement* statement, DirectiveContext& dc, int pass) {
    AssemblerState* state = &dc.state;
    if (!statement || !state) return -1;
    if (!recording(dc, pass)) return 0;
    if (!ensureMarkerBlock(dc, SEC_DEBUG_LINE) || !ensureMarkerBlock(dc, SEC_DEBUG_RAW_LINE)) {
        logTrace(state, "[ERR] Failed to create DEBUG section data.\n");
        return -1;
    }
    DebugDirectives& d = dc.debug;
    int64_t address = state->textLoc();
    if (address & 1) ++address;
    prefaultVectorAhead(d.lineList, d.linePages);
    d.lineList.push_back(LineEntry{statement->number, static_cast<int32_t>(address)});
    return 0;
}

int executeDebugDescription(Statement* statement, DirectiveContext& dc, int pass) {
    AssemblerState* state = &dc.state;
    if (!statement || !state) return -1;
    Statement& st = *statement;
    switch (st.id) {
        case DIR_ENUM:
            return doEnum(st, dc, pass);
        case DIR_ENUMERATOR:
            return doEnumerator(st, dc, pass);
        case DIR_ENUM_END:
            return doEnumEnd(st, dc, pass);
        case DIR_STRUCT:
            return doAggregate(st, dc, pass, false);
        case DIR_UNION:
            return doAggregate(st, dc, pass, true);
        case DIR_STRUCTMEM:
            return doMember(st, dc, pass, false);
        case DIR_UNIONMEM:
            return doMember(st, dc, pass, true);
        case DIR_STRUCT_END:
            return doAggregateEnd(st, dc, pass, false);
        case DIR_UNION_END:
            return doAggregateEnd(st, dc, pass, true);
        case DIR_TYPEDEF:
            return doTypedef(st, dc, pass);
        case DIR_VARIABLE:
            return doVariable(st, dc, pass);
        case DIR_FUNCTION:
            return doFunction(st, dc, pass);
        case DIR_PARAMETER:
            return doParameter(st, dc, pass);
        case DIR_RETURN:
            return doReturn(st, dc, pass);
        case DIR_FUNC_END:
            return doFunctionEnd(st, dc, pass);
        default:
            reportAt(state, Diag::InternalError);
            return -1;
    }
}
