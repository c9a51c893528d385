// The one parsed statement that passes from the front end to the rest of the assembler.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

enum StatementKind { SK_NONE = 0, SK_INSTRUCTION = 1, SK_DIRECTIVE = 2 };

enum StatementStatus {
    SS_NONE = 0,
    SS_END_OF_INPUT = 1,
    SS_COMPLETE = 2,
    SS_EMPTY = 3,
    SS_REJECTED = 5,
};

enum OperandKind { OPK_IMMEDIATE = 0, OPK_SYMBOL = 1, OPK_DIRECT = 2 };

constexpr int32_t kLabelStatementId = 246; // instruction id of a label line
constexpr int32_t kMaxArgCells = 262144;   // list items one statement may carry

// Directive numbers carried by directive statements.
enum DirectiveId {
    DIR_ORG = 1,
    DIR_DATA = 3,
    DIR_TEXT = 4,
    DIR_ABS = 5,
    DIR_EVEN = 6,
    DIR_ODD = 7,
    DIR_DB = 9,
    DIR_DW = 10,
    DIR_DD = 11,
    DIR_INCLUDE = 12,
    DIR_EQU = 13,
    DIR_CONST = 14,
    DIR_DATA_DEF = 15,
    DIR_DATA_INIT = 16,
    DIR_DATA_DEF_END = 17,
    DIR_ENDP = 18,
    DIR_ASCII = 19,
    DIR_ASCIIZ = 20,
    DIR_FILE = 21,
    DIR_LOC = 22,
    DIR_LINE = 23,
    DIR_SECTION = 24,
    DIR_BSS = 25,
    DIR_GLOBAL = 26,
    DIR_LOCAL = 27,
    DIR_WEAK = 28,
    DIR_VARIABLE = 29,
    DIR_TYPEDEF = 30,
    DIR_STRUCT = 31,
    DIR_STRUCTMEM = 32,
    DIR_UNION = 33,
    DIR_UNIONMEM = 34,
    DIR_ENUM = 35,
    DIR_ENUMERATOR = 36,
    DIR_FUNCTION = 37,
    DIR_PARAMETER = 38,
    DIR_RETURN = 39,
    DIR_FUNC_END = 40,
    DIR_STRUCT_END = 41,
    DIR_UNION_END = 42,
    DIR_ENUM_END = 43,
};

struct Operand {
    int32_t kind = OPK_IMMEDIATE;
    int32_t indirect = 0;       // written in parentheses
    int32_t labelImmediate = 0; // "$name" naming a label: the label's address as an immediate
    int32_t offset = 0;         // sum of the offsets of name+N+M
    int32_t value = 0;          // the number (kinds 0 and 2; kind 1 after resolution)
    // The symbol name (kind 1), as written. The grammar enters it into the run's name
    // table: `name` is its number there, and `text` views the table's copy, which lasts
    // as long as the run. -1 and empty for a number.
    int32_t name = -1;
    std::string_view text;
};

// One cell of the argument area: a number or a text.
struct ArgCell {
    int32_t number = 0;
    bool isText = false;
    std::string text;
};

constexpr int32_t kFlagExport = 1; // flags bit 0: .GLOBAL EXPORT
constexpr int32_t kFlagSigned = 2; // flags bit 1: signed debug declaration
constexpr int32_t kFlagNames = 4;  // flags bit 2: the args cells are names

struct Statement {
    int32_t kind = SK_NONE;
    int32_t status = SS_NONE;
    int32_t id = 0;

    // Instruction variant.
    int32_t operandCount = 0;
    Operand operands[3];

    // Directive variant. Null texts are empty optionals.
    std::optional<std::string> name;
    std::optional<std::string> fileName;
    std::optional<std::string> declName;
    std::optional<std::string> typeName;
    int32_t number = 0;
    std::optional<std::string> sectionType;
    int32_t pointerFlag = 0;
    int32_t number2 = 0;
    int32_t arrayFlag = 0;
    int32_t uninitialised = 0;
    int32_t pointerDimension = 0;
    int32_t declLine = 0;
    int32_t flags = 0;

    // Argument area: the cells a list directive collected (see `count` and `argCount`);
    // the vector keeps its capacity between statements.
    std::vector<ArgCell> args;
    int32_t count = 0;
    int32_t argCount = 0;
    int32_t size = 0;

    // Sets every field to its cleared value (the argument area keeps its storage).
    void clear();
    // The same for a statement known to hold nothing but instruction fields (kind,
    // status, id and operands), as an instruction or label line parsed into a cleared
    // statement does: the directive fields are left as they are, cleared already.
    void clearInstruction();
};
