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
#include "driver/Zorlan.h"
#include "driver/initAsm.h"
#include "driver/interface.h"
#include "symbols/sectionHandler.h"
#include "symbols/stHashTable.h"
#include "symbols/stSymbolTable.h"

#include <algorithm>
#include <initializer_list>

namespace {

// Array and pointer dimensions each add one debug entry per level. Real declarations
// have a handful; the bound keeps a hostile dimension from producing gigabytes.
constexpr int32_t kMaxDimension = 1024;

std::string operandText(const std::optional<std::string>& text) {
    return text ? stripQuotes(*text) : std::string();
}

// Records are built in pass one, and only when debug information is wanted.
bool recording(int pass) {
    return pass == 0 && debugInfo != 0;
}

DataBlock* ensureMarkerBlock(AssemblerState* state, int ordinal) {
    SectionChain& chain = state->sections[ordinal];
    if (chain.head) return chain.head.get();
    return appendBlock(
        state, ordinal,
        createDataBlock(static_cast<int32_t>(state->locationCounters[ordinal]), state->blockCapacity));
}

// The opening directives create the .debug_abbrev / .debug_info section data that the
// writer later fills, and the declaration list.
int openDebugData(AssemblerState* state) {
    if (!ensureMarkerBlock(state, SEC_DEBUG_INFO) || !ensureMarkerBlock(state, SEC_DEBUG_ABBREV)) {
        logTrace(state, "[ERR] Failed to create DEBUG section data.\n");
        return -1;
    }
    debugDirectives(state).declListCreated = true;
    return 0;
}

bool hasDebugData(const AssemblerState* state) {
    return state->sections[SEC_DEBUG_INFO].head && state->sections[SEC_DEBUG_ABBREV].head &&
           state->debugDirectives;
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

// The catalogue code a check fails with, or 0.
int failedCheck(FlagCheck check, const DeclShape& s) {
    switch (check) {
        case FC_SIZE:
            return s.size < 0 ? 2018 : 0;
        case FC_ARRAY_FLAG:
            return (s.arrayFlag != 0 && s.arrayFlag != 1) ? 2022 : 0;
        case FC_ARRAY_DIM:
            return (s.arrayFlag == 1 && (s.arrayDim < 1 || s.arrayDim > kMaxDimension)) ? 2019 : 0;
        case FC_POINTER_FLAG:
            return (s.pointerFlag != 0 && s.pointerFlag != 1) ? 2023 : 0;
        case FC_POINTER_DIM:
            return (s.pointerFlag == 1 && (s.pointerDim < 1 || s.pointerDim > kMaxDimension)) ? 2020 : 0;
        case FC_LINE:
            return s.line < 1 ? 2001 : 0;
    }
    return 0;
}

constexpr FlagCheck kVariableChecks[] = {FC_SIZE,         FC_ARRAY_FLAG,  FC_ARRAY_DIM,
                                         FC_POINTER_FLAG, FC_POINTER_DIM, FC_LINE};
constexpr FlagCheck kReturnChecks[] = {FC_SIZE, FC_ARRAY_FLAG, FC_ARRAY_DIM, FC_POINTER_FLAG, FC_POINTER_DIM};
// Members look at the pointer before the array.
constexpr FlagCheck kMemberChecks[] = {FC_SIZE, FC_POINTER_FLAG, FC_POINTER_DIM, FC_ARRAY_FLAG, FC_ARRAY_DIM};

template <size_t N>
int checkShape(AssemblerState* state, const DeclShape& shape, const FlagCheck (&checks)[N]) {
    for (FlagCheck check : checks) {
        if (int code = failedCheck(check, shape)) {
            reportAt(state, code);
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
void completeModifiers(std::vector<int32_t>& codes, bool hadWords, const DeclShape& s) {
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
void placeByScope(AssemblerState* state, DebugDeclNode node) {
    DebugDirectives& d = debugDirectives(state);
    if (state->currentSection == SEC_TEXT) {
        if (!d.openFunction) d.openFunction = std::make_unique<FunctionDecl>();
        d.openFunction->locals.push_back(std::move(node));
    } else {
        d.declList.push_back(std::move(node));
    }
}

int32_t textLoc32(AssemblerState* state) {
    return static_cast<int32_t>(state->textLoc());
}

// ---- Handlers ----

int doEnum(Statement& st, AssemblerState* state, int pass) {
    if (!recording(pass)) return 0;
    if (openDebugData(state) != 0) return -1;
    auto decl = std::make_unique<EnumDecl>();
    decl->name = operandText(st.declName);
    debugDirectives(state).openEnum = std::move(decl);
    return 0;
}

int doEnumerator(Statement& st, AssemblerState* state, int pass) {
    if (!recording(pass)) return 0;
    if (!hasDebugData(state) || !state->debugDirectives->openEnum) {
        reportAt(state, 2000);
        return -1;
    }
    state->debugDirectives->openEnum->enumerators.push_back(Enumerator{operandText(st.declName), st.number});
    return 0;
}

int doEnumEnd(Statement& st, AssemblerState* state, int pass) {
    if (!recording(pass)) return 0;
    if (!hasDebugData(state) || !state->debugDirectives->openEnum) {
        reportAt(state, 2000);
        return -1;
    }
    const EnumDecl& open = *state->debugDirectives->openEnum;
    if (open.enumerators.empty()) {
        reportAt(state, 2010);
        return -1;
    }
    if (operandText(st.declName) != open.name) {
        reportAt(state, 2009);
        return -1;
    }
    DebugDeclNode node;
    node.kind = DECL_ENUM;
    node.enumDecl = std::make_unique<EnumDecl>(open);
    placeByScope(state, std::move(node));
    return 0;
}

// .STRUCT and .UNION.
int doAggregate(Statement& st, AssemblerState* state, int pass, bool isUnion) {
    if (!recording(pass)) return 0;
    if (openDebugData(state) != 0) return -1;
    auto decl = std::make_unique<StructDecl>();
    decl->name = operandText(st.declName);
    decl->size = st.size;
    DebugDirectives& d = debugDirectives(state);
    (isUnion ? d.openUnion : d.openStruct) = std::move(decl);
    return 0;
}

std::unique_ptr<StructDecl>* openAggregate(AssemblerState* state, bool isUnion) {
    if (!hasDebugData(state)) return nullptr;
    DebugDirectives& d = *state->debugDirectives;
    std::unique_ptr<StructDecl>& open = isUnion ? d.openUnion : d.openStruct;
    return open ? &open : nullptr;
}

// .STRUCTMEM and .UNIONMEM.
int doMember(Statement& st, AssemblerState* state, int pass, bool isUnion) {
    if (!recording(pass)) return 0;
    std::unique_ptr<StructDecl>* open = openAggregate(state, isUnion);
    if (!open) {
        reportAt(state, isUnion ? 2006 : 2003);
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
    completeModifiers(m.modifiers, false, shape);
    m.sourceLine = state->lineNumber;
    (*open)->members.push_back(std::move(m));
    return 0;
}

// .STRUCT_END and .UNION_END.
int doAggregateEnd(Statement& st, AssemblerState* state, int pass, bool isUnion) {
    if (!recording(pass)) return 0;
    std::unique_ptr<StructDecl>* open = openAggregate(state, isUnion);
    if (!open) {
        reportAt(state, isUnion ? 2006 : 2003);
        return -1;
    }
    if (operandText(st.declName) != (*open)->name) {
        reportAt(state, 2005);
        return -1;
    }
    DebugDeclNode node;
    node.kind = isUnion ? DECL_UNION : DECL_STRUCT;
    node.aggregate = std::make_unique<StructDecl>(**open);
    placeByScope(state, std::move(node));
    return 0;
}

int doTypedef(Statement& st, AssemblerState* state, int pass) {
    if (!recording(pass)) return 0;
    if (openDebugData(state) != 0) return -1;
    DebugDeclNode node;
    node.kind = DECL_TYPEDEF;
    node.typedefDecl =
        std::make_unique<TypedefDecl>(TypedefDecl{operandText(st.declName), operandText(st.typeName)});
    debugDirectives(state).declList.push_back(std::move(node));
    return 0;
}

int doVariable(Statement& st, AssemblerState* state, int pass) {
    if (!recording(pass)) return 0;
    if (openDebugData(state) != 0) return -1;
    DeclShape shape = shapeOf(st);
    if (checkShape(state, shape, kVariableChecks) != 0) return -1;
    std::string name = operandText(st.declName);
    if (st.number < 0 && !stLookupSymbol(name.c_str(), labelTable.get())) {
        reportAt(state, 3005, name.c_str());
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
    completeModifiers(v->modifiers, words.hadWords, shape);
    v->flags = ((st.flags & kFlagSigned) ? kVarSigned : 0) | (shape.pointerFlag == 1 ? kVarPointer : 0) |
               (shape.arrayFlag == 1 ? kVarArray : 0) | (words.isExtern ? kVarExtern : 0) |
               (words.isStatic ? kVarStatic : 0);
    v->fileIndex = fileIndex;
    v->sourceLine = state->lineNumber;

    DebugDeclNode node;
    node.kind = DECL_VARIABLE;
    node.variable = std::move(v);
    placeByScope(state, std::move(node));
    return 0;
}

FunctionDecl* openFunctionDecl(AssemblerState* state) {
    return hasDebugData(state) ? state->debugDirectives->openFunction.get() : nullptr;
}

int doParameter(Statement& st, AssemblerState* state, int pass) {
    if (!recording(pass)) return 0;
    FunctionDecl* function = openFunctionDecl(state);
    if (!function) {
        reportAt(state, 2012);
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
    completeModifiers(p.modifiers, words.hadWords, shape);
    p.flags = ((st.flags & kFlagSigned) ? kParamSigned : 0) | (shape.arrayFlag == 1 ? kParamArray : 0) |
              (shape.pointerFlag == 1 ? kParamPointer : 0);
    p.arrayDimension = st.number2;
    p.pointerDimension = st.pointerDimension;
    p.declLine = st.declLine;
    p.fileIndex = fileIndex;
    p.sourceLine = state->lineNumber;
    function->parameters.push_back(std::move(p));
    return 0;
}

int doReturn(Statement& st, AssemblerState* state, int pass) {
    if (!recording(pass)) return 0;
    FunctionDecl* function = openFunctionDecl(state);
    if (!function) {
        reportAt(state, 2012);
        return -1;
    }
    if (function->returnType) {
        reportAt(state, 2024);
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
    r->sourceLine = state->lineNumber;
    function->returnType = std::move(r);
    // The function's const/volatile words come first; the return type's levels follow.
    completeModifiers(function->modifiers, !function->modifiers.empty(), shape);
    return 0;
}

int doFunction(Statement& st, AssemblerState* state, int pass) {
    DebugDirectives& d = debugDirectives(state);
    if (d.openFunctionName) {
        report(2013, d.openFunctionLine, state->columnNumber, currentFileName(state));
        return -1;
    }
    std::string name = operandText(st.declName);
    d.openFunctionLine = state->lineNumber;
    markFunctionEntry(state, name.c_str());
    d.openFunctionName = name;

    if (!recording(pass)) return 0;
    if (openDebugData(state) != 0) return -1;
    if (!d.openFunction) d.openFunction = std::make_unique<FunctionDecl>();
    FunctionDecl& f = *d.openFunction;
    f.name = std::move(name);
    f.lowPc = textLoc32(state);
    ModifierWords words = readModifierWords(st, false, 0);
    f.modifiers = std::move(words.codes);
    if (words.isExtern) f.flags |= kFuncExtern;
    return 0;
}

int doFunctionEnd(Statement& st, AssemblerState* state, int pass) {
    DebugDirectives& d = debugDirectives(state);
    std::string name = operandText(st.declName);
    if (!d.openFunctionName) {
        reportAt(state, 2012);
        return -1;
    }
    if (name != *d.openFunctionName) {
        reportAt(state, 2008);
        return -1;
    }
    setFunctionEntrySize(state, name.c_str());
    d.openFunctionName.reset();

    if (!recording(pass)) return 0;
    FunctionDecl* function = openFunctionDecl(state);
    if (!function) {
        reportAt(state, 2012);
        return -1;
    }
    if (!function->returnType) {
        reportAt(state, 2017);
        return -1;
    }
    if (function->name != name) {
        reportAt(state, 2008);
        return -1;
    }
    function->highPc = textLoc32(state) + 1;
    DebugDeclNode node;
    node.kind = DECL_FUNCTION;
    node.function = std::move(d.openFunction);
    d.declList.push_back(std::move(node));
    return 0;
}

} // namespace

int executeFILE(Statement* statement, AssemblerState* state, int pass) {
    if (!statement || !state) return -1;
    if (!statement->fileName) { // an empty name is still a name
        reportAt(state, 3007);
        return -1;
    }
    std::string name = operandText(statement->fileName);
    if (recording(pass)) state->debugFileName = std::move(name);
    return 0;
}

int executeLINE(Statement* statement, AssemblerState* state, int pass) {
    if (!statement || !state) return -1;
    if (!recording(pass)) return 0;
    if (!ensureMarkerBlock(state, SEC_DEBUG_LINE) || !ensureMarkerBlock(state, SEC_DEBUG_RAW_LINE)) {
        logTrace(state, "[ERR] Failed to create DEBUG section data.\n");
        return -1;
    }
    DebugDirectives& d = debugDirectives(state);
    d.lineListCreated = true;
    int64_t address = state->textLoc();
    if (address & 1) ++address;
    d.lineList.push_back(LineEntry{statement->number, static_cast<int32_t>(address)});
    return 0;
}

int executeDebugDescription(Statement* statement, AssemblerState* state, int pass) {
    if (!statement || !state) return -1;
    Statement& st = *statement;
    switch (st.id) {
        case DIR_ENUM:
            return doEnum(st, state, pass);
        case DIR_ENUMERATOR:
            return doEnumerator(st, state, pass);
        case DIR_ENUM_END:
            return doEnumEnd(st, state, pass);
        case DIR_STRUCT:
            return doAggregate(st, state, pass, false);
        case DIR_UNION:
            return doAggregate(st, state, pass, true);
        case DIR_STRUCTMEM:
            return doMember(st, state, pass, false);
        case DIR_UNIONMEM:
            return doMember(st, state, pass, true);
        case DIR_STRUCT_END:
            return doAggregateEnd(st, state, pass, false);
        case DIR_UNION_END:
            return doAggregateEnd(st, state, pass, true);
        case DIR_TYPEDEF:
            return doTypedef(st, state, pass);
        case DIR_VARIABLE:
            return doVariable(st, state, pass);
        case DIR_FUNCTION:
            return doFunction(st, state, pass);
        case DIR_PARAMETER:
            return doParameter(st, state, pass);
        case DIR_RETURN:
            return doReturn(st, state, pass);
        case DIR_FUNC_END:
            return doFunctionEnd(st, state, pass);
        default:
            reportAt(state, 5001);
            return -1;
    }
}
