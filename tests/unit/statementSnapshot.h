// A deep copy of everything one parse leaves behind, and a field-by-field comparison, for
// the tests that check two ways of reading statements against each other.
#pragma once

#include "core/RunContext.h"
#include "core/Statement.h"
#include "frontend/frontEnd.h"
#include "frontend/parser.h"

#include <string>
#include <vector>

namespace snapshot {

// A deep copy of everything a parse leaves behind.
struct Snapshot {
    Statement st;
    int line = 0;
    int column = 0;
    int stateLine = 0;
    int pendingCode = 0;
    int collector = 0;
    InstructionWords words; // the words a replayed statement came back with, if any
};

inline bool sameOperand(const Operand& a, const Operand& b) {
    return a.kind == b.kind && a.indirect == b.indirect && a.labelImmediate == b.labelImmediate &&
           a.offset == b.offset && a.value == b.value && a.text == b.text;
}

inline bool sameCells(const std::vector<ArgCell>& a, const std::vector<ArgCell>& b) {
    if (a.size() != b.size()) return false;
    for (size_t i = 0; i < a.size(); ++i)
        if (a[i].number != b[i].number || a[i].isText != b[i].isText || a[i].text != b[i].text) return false;
    return true;
}

// Every field, so that a field the recording forgets shows up here.
inline std::string differences(const Snapshot& a, const Snapshot& b) {
    std::string out;
    auto field = [&out](const char* name, bool same) {
        if (!same) out += std::string(" ") + name;
    };
    const Statement& x = a.st;
    const Statement& y = b.st;
    field("kind", x.kind == y.kind);
    field("status", x.status == y.status);
    field("id", x.id == y.id);
    field("operandCount", x.operandCount == y.operandCount);
    for (int i = 0; i < 3; ++i) field("operand", sameOperand(x.operands[i], y.operands[i]));
    field("name", x.name == y.name);
    field("fileName", x.fileName == y.fileName);
    field("declName", x.declName == y.declName);
    field("typeName", x.typeName == y.typeName);
    field("number", x.number == y.number);
    field("sectionType", x.sectionType == y.sectionType);
    field("pointerFlag", x.pointerFlag == y.pointerFlag);
    field("number2", x.number2 == y.number2);
    field("arrayFlag", x.arrayFlag == y.arrayFlag);
    field("uninitialised", x.uninitialised == y.uninitialised);
    field("pointerDimension", x.pointerDimension == y.pointerDimension);
    field("declLine", x.declLine == y.declLine);
    field("flags", x.flags == y.flags);
    field("args", sameCells(x.args, y.args));
    field("count", x.count == y.count);
    field("argCount", x.argCount == y.argCount);
    field("size", x.size == y.size);
    field("line", a.line == b.line);
    field("column", a.column == b.column);
    field("stateLine", a.stateLine == b.stateLine);
    field("pendingErrorCode", a.pendingCode == b.pendingCode);
    field("argCollector", a.collector == b.collector);
    return out;
}

// Parses (or replays) statements from the front end's input until its end, as the
// driver reads a pass (the record is cleared after every statement but an empty one),
// and keeps what each one left behind.
inline std::vector<Snapshot> readToEnd(FrontEnd& fe, RunContext& context) {
    fe.parser.lastLookup = LabelLookup{};
    context.flags.pendingErrorCode = Diag::NeitherInstructionNorDirective;
    fe.parser.argCollector = 0;
    Statement& st = fe.statement;
    st.clear();
    std::vector<Snapshot> out;
    for (int guard = 0; guard < 10000; ++guard) {
        parseStatement(fe);
        out.push_back({st, fe.lexer.scanLine, fe.lexer.scanColumn, context.lineNumber,
                       static_cast<int>(context.flags.pendingErrorCode), fe.parser.argCollector,
                       fe.parser.recordedWords});
        if (st.status == SS_END_OF_INPUT) break;
        if (st.status != SS_EMPTY) st.clear();
    }
    return out;
}

} // namespace snapshot
