// The front end of one run: the scanner, the grammar, the one statement they fill, and
// the files waiting to be resumed when an included file ends.
#pragma once

#include "core/LIST.h"
#include "core/Statement.h"
#include "frontend/lexer.h"
#include "frontend/parser.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

struct AssemblerState;
struct RunContext;

// Where reading resumes when an included file ends.
struct IncludeContext {
    int32_t savedLine = 0;
    ScanBufferPtr savedInput; // the including file's scan buffer, positioned after .INCLUDE
    std::optional<std::string> savedFileName;
    int32_t savedFileIndex = 0;
};

struct FrontEnd {
    // `state` gives the name table that the names of operands and labels are entered
    // into, the symbol tables that "$name" operands are looked up in and the keyword
    // table of the flag names.
    FrontEnd(RunContext& run, AssemblerState& state) : run(run), state(state), lexer(run) {}
    FrontEnd(const FrontEnd&) = delete;
    FrontEnd& operator=(const FrontEnd&) = delete;

    RunContext& run;
    AssemblerState& state;
    Lexer lexer;
    Parser parser;
    Statement statement;               // overwritten by every parse
    List<IncludeContext> includeStack; // the innermost include at the head
};
