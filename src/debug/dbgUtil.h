// Records built by the debug-description directives (.FILE, .LINE, types, variables,
// functions), read later by the debug-information and line-program builders, and the
// little-endian / LEB128 byte helpers every debug buffer is written with.
#pragma once

#include "core/prefault.h"

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

struct AssemblerState;

// What a DebugDeclNode holds.
enum DebugDeclKind {
    DECL_VARIABLE = 0,
    DECL_TYPEDEF = 1,
    DECL_STRUCT = 2,
    DECL_UNION = 3,
    DECL_ENUM = 4,
    DECL_FUNCTION = 5,
};

// Codes of a declaration's modifier chain, outermost first.
enum TypeModifier { MOD_CONST = 0, MOD_VOLATILE = 1, MOD_POINTER = 2, MOD_ARRAY = 3 };

// VariableDecl flags.
constexpr int32_t kVarSigned = 1;
constexpr int32_t kVarPointer = 2;
constexpr int32_t kVarArray = 4;
constexpr int32_t kVarExtern = 8;
constexpr int32_t kVarStatic = 16;
// ParameterDecl flags (array and pointer swap places against VariableDecl).
constexpr int32_t kParamSigned = 1;
constexpr int32_t kParamArray = 2;
constexpr int32_t kParamPointer = 4;
// ReturnDecl flags.
constexpr int32_t kRetSigned = 1;
constexpr int32_t kRetPointer = 2;
constexpr int32_t kRetArray = 4;
// FunctionDecl flags.
constexpr int32_t kFuncExtern = 1;

struct Enumerator {
    std::string name;
    int32_t value = 0;
};

struct EnumDecl {
    std::string name;
    int32_t size = 32; // bits; enums are always 32 bits wide
    std::vector<Enumerator> enumerators;
};

struct MemberDecl {
    std::string name;
    int32_t size = 0; // bits
    std::string datatypeName;
    int32_t offset = 0; // as written; the layout is computed from the sizes instead
    int32_t arrayDimension = 0;
    int32_t pointerDimension = 0;
    int32_t flags = 0; // bit 0 signed
    int32_t isPointer = 0;
    int32_t isArray = 0;
    std::vector<int32_t> modifiers;
    int32_t sourceLine = 0;
};

// Structs and unions share this shape.
struct StructDecl {
    std::string name;
    int32_t size = 0; // bits
    std::vector<MemberDecl> members;
};

struct VariableDecl {
    std::string name;
    int32_t size = 0;
    std::string datatypeName;
    int32_t offset = 0; // frame offset or address; negative: the address of the label of that name
    int32_t declLine = 0;
    int32_t arrayDimension = 0;
    int32_t pointerDimension = 0;
    std::vector<int32_t> modifiers;
    int32_t flags = 0; // kVar*
    int32_t fileIndex = 0;
    int32_t sourceLine = 0;
};

struct ParameterDecl {
    std::string name;
    int32_t size = 0;
    std::string datatypeName;
    int32_t offset = 0;
    std::vector<int32_t> modifiers;
    int32_t flags = 0; // kParam*
    int32_t arrayDimension = 0;
    int32_t pointerDimension = 0;
    int32_t declLine = 0;
    int32_t fileIndex = 0;
    int32_t sourceLine = 0;
};

struct ReturnDecl {
    std::string datatypeName;
    int32_t size = 0;
    int32_t flags = 0; // kRet*
    int32_t arrayDimension = 0;
    int32_t pointerDimension = 0;
    int32_t address = 0; // the return address operand
    int32_t sourceLine = 0;
};

struct TypedefDecl {
    std::string name;
    std::string datatypeName;
};

struct DebugDeclNode;

struct FunctionDecl {
    std::string name;
    std::unique_ptr<ReturnDecl> returnType;
    std::vector<ParameterDecl> parameters;
    std::vector<int32_t> modifiers; // const/volatile words, then what .RETURN adds
    int32_t lowPc = 0;              // text location at .FUNCTION (bytes)
    int32_t highPc = 0;             // text location at .FUNC_END, plus one
    int32_t flags = 0;              // kFuncExtern
    std::vector<DebugDeclNode> locals;
};

// One completed declaration; exactly the pointer that matches `kind` is set.
struct DebugDeclNode {
    int32_t kind = DECL_VARIABLE;
    std::unique_ptr<VariableDecl> variable;
    std::unique_ptr<TypedefDecl> typedefDecl;
    std::unique_ptr<StructDecl> aggregate; // struct or union
    std::unique_ptr<EnumDecl> enumDecl;
    std::unique_ptr<FunctionDecl> function;
};

struct LineEntry {
    int32_t line = 0;
    int32_t address = 0; // even text byte address
};

// Everything the debug directives of one run build, read by the debug-information and
// line-program builders. One per run.
struct DebugDirectives {
    std::vector<DebugDeclNode> declList; // completed declarations in directive order
    PrefaultCursor declPages;            // the list's room is reserved from the source's size
    std::vector<LineEntry> lineList;
    PrefaultCursor linePages;   // the list's room is reserved from the source's size
    int64_t modifierLevels = 0; // modifier codes of all declarations so far

    // Open records. The enum, struct and union stay open after their end directive.
    std::unique_ptr<EnumDecl> openEnum;
    std::unique_ptr<StructDecl> openStruct;
    std::unique_ptr<StructDecl> openUnion;
    std::unique_ptr<FunctionDecl> openFunction;
    // The function between .FUNCTION and .FUNC_END, tracked in both passes with or
    // without debug information.
    std::optional<std::string> openFunctionName;
    int32_t openFunctionLine = 0;
};

// Room for the records a source of `sourceBytes` bytes can give, so that the lists
// are not copied as they grow (untouched room costs nothing): a .LINE line takes at
// least eight bytes, a declaration far more.
void reserveDebugForSource(DebugDirectives& debug, size_t sourceBytes);
// Appends a completed declaration to `debug.declList`, asking for its pages ahead.
void appendDeclaration(DebugDirectives& debug, DebugDeclNode&& node);

// ---- Byte helpers (little-endian, as every debug table is) ----

// Defined here so that the builders' many small appends compile to stores.
inline void appendUleb128(std::vector<uint8_t>& out, uint32_t value) {
    do {
        uint8_t byte = value & 0x7F;
        value >>= 7;
        if (value != 0) byte |= 0x80;
        out.push_back(byte);
    } while (value != 0);
}
int32_t uleb128Size(uint32_t value);
inline void appendU8(std::vector<uint8_t>& out, uint32_t value) {
    out.push_back(static_cast<uint8_t>(value));
}
inline void appendU16(std::vector<uint8_t>& out, uint32_t value) {
    out.push_back(static_cast<uint8_t>(value));
    out.push_back(static_cast<uint8_t>(value >> 8));
}
inline void appendU32(std::vector<uint8_t>& out, uint32_t value) {
    appendU16(out, value & 0xFFFF);
    appendU16(out, value >> 16);
}
inline void patchU16(std::vector<uint8_t>& out, size_t at, uint32_t value) {
    out[at] = static_cast<uint8_t>(value);
    out[at + 1] = static_cast<uint8_t>(value >> 8);
}
inline void patchU32(std::vector<uint8_t>& out, size_t at, uint32_t value) {
    patchU16(out, at, value & 0xFFFF);
    patchU16(out, at + 2, value >> 16);
}
// Appends the text and its terminating zero byte.
void appendCString(std::vector<uint8_t>& out, const std::string& text);

// Splits a path into directory and base name: with a backslash anywhere, the directory
// runs up to and including the last backslash or slash; otherwise it is ".". A null
// path gives neither part.
struct SplitPath {
    std::optional<std::string> directory;
    std::optional<std::string> baseName;
};
SplitPath splitPath(const char* path);

// Removes one leading and one trailing double quote, as operands are written.
std::string stripQuotes(const std::string& text);
