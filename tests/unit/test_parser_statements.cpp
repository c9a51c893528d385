// The statement frame: one statement per call, empty lines, end of input, rejected
// lines with their codes and recovery, and the line each statement carries.
#include "test_parser_support.h"

#include <string>
#include <vector>

namespace {

class Statements : public FrontEndTest {
  protected:
    // Parses the whole source; one entry per statement: status, id (or code when
    // rejected) and the line number the statement carries.
    std::string trace(std::string_view source) {
        loadSource(source);
        std::string out;
        for (int guard = 0; guard < 100; ++guard) {
            context().flags.pendingErrorCode = Diag::NeitherInstructionNorDirective;
            context().flags.assemblyFailed = 0;
            const Statement& st = next();
            if (!out.empty()) out += ' ';
            switch (st.status) {
                case SS_END_OF_INPUT:
                    out += "eof";
                    if (context().flags.assemblyFailed)
                        out += "!" + std::to_string(static_cast<int>(context().flags.pendingErrorCode));
                    return out;
                case SS_EMPTY:
                    out += "empty";
                    break;
                case SS_REJECTED:
                    out += "E" + std::to_string(static_cast<int>(context().flags.pendingErrorCode));
                    break;
                case SS_COMPLETE:
                    out += (st.kind == SK_DIRECTIVE ? "d" : "i") + std::to_string(st.id);
                    break;
                default:
                    out += "?";
                    break;
            }
            out += "@" + std::to_string(context().lineNumber);
            statement().clear();
        }
        return out + " (no end)";
    }
};

struct Case {
    const char* source;
    const char* statements;
};

TEST_F(Statements, LabelsInstructionsAndEmptyLines) {
    const Case cases[] = {
        {"start: JUMP start\n", "i246@0 i161@1 eof"},
        {"x:\n", "i246@0 empty@1 eof"},
        {"x: y: NOP\n", "i246@0 i246@0 i0@1 eof"},
        {"\n# only a comment\n\t  \n", "empty@1 empty@2 empty@3 eof"},
        {"", "eof"},
        {"NOP\nHALT\n\n.TEXT\n", "i0@1 i1@2 empty@3 d4@4 eof"},
    };
    for (const Case& c : cases) EXPECT_EQ(trace(c.source), c.statements) << c.source;
}

TEST_F(Statements, RejectedLinesCarryTheirCodeAndSkipTheRestOfTheLine) {
    const Case cases[] = {
        // Lines of unknown form.
        {"a b\nNOP\n", "E1002@1 i0@2 eof"},
        {".DB 3 1\n", "E1002@1 eof"},
        {"5 NOP\n", "E1002@1 eof"},
        {"x NOP\n", "E1002@1 eof"},
        {"PORT\n", "E1002@1 eof"},
        // Malformed directives: any error after the keyword.
        {"x .ASCII 5\n", "E1001@1 eof"},
        {".ORG 5 6\n", "E1001@1 eof"},
        {".TEXT x\n", "E1001@1 eof"},
        {"x .DB 3 1,2,\n", "E1001@1 eof"},
        {".EQU 5\n", "E1001@1 eof"},
        {".ASCII \"s\"\n", "E1001@1 eof"},
        {".GLOBAL x\n", "E1001@1 eof"},
        {".FUNCTION \"f\" inline, 2\n", "E1001@1 eof"}, // a bare number is no list item
        // Debug declarations: a word out of place, or words and numbers mixed.
        {".VARIABLE \"v\" 16 \"int\" SIGN NORMAL 0 NORMAL 0 0 1\n", "E2021@1 eof"},
        {".RETURN \"int\" 16 signed NORMAL 0 NORMAL 0 0\n", "E1001@1 eof"},
        {".VARIABLE \"v\" 16 \"int\" SIGNED 0 0 NORMAL 0 0 1\n", "E1001@1 eof"},
        // .EQU, .CONST and the structure-instance directives recover only without
        // their name: after one, a malformed line is of unknown form.
        {"x .EQU y\n", "E1002@1 eof"},
        {"x .CONST\n", "E1002@1 eof"},
        {"x .DATA_DEF y\n", "E1002@1 eof"},
        {"x .DATA_INIT 1 2 3\n", "E1002@1 eof"},
        // Malformed instructions.
        {"ADD8 x, $5\nNOP\n", "E1004@1 i0@2 eof"},
        {"MUL8 x $2\n", "E1004@1 eof"},
        {"MUL16 x $2\n", "i121@1 eof"},
        {"CMP8 (tbl+2 $0\n", "E1004@1 eof"},
        {"NOP x y z\n", "E1004@1 eof"},
        {"signed\n", "E1002@1 eof"},
        {"ADD8 x -a\n", "E1004@1 eof"},
    };
    for (const Case& c : cases) EXPECT_EQ(trace(c.source), c.statements) << c.source;
}

TEST_F(Statements, EarlyEndsOfJumpAndPortWrites) {
    const Case cases[] = {
        // JUMP name is complete without its END; the token after the name is dropped.
        {"JUMP x y\n", "i161@0 empty@1 eof"},
        {"JUMP x y z\n", "i161@0 E1002@1 eof"},
        {"JUMP (v) NOP\n", "i162@0 empty@1 eof"},
        {"JUMP 5 y\n", "E1004@1 eof"},
        {"JGT x y\n", "E1004@1 eof"},
        // The port writes are rejected at the offending token; the rest of the line is
        // the next statement.
        {"INPORT 1 2 3 4\n", "E1004@0 E1002@1 eof"},
        {"ANDPORT 1 2 3\n", "E1004@0 empty@1 eof"},
        {"ORPORT x\nNOP\n", "E1004@1 i0@2 eof"},
        {"INPORT $ 5 NOP\n", "E1004@0 E1002@1 eof"},
        {"OUTPORT 1 2 3 4\n", "E1004@1 eof"},
        {"PORTTST 1 2 3 4\n", "E1004@1 eof"},
    };
    for (const Case& c : cases) EXPECT_EQ(trace(c.source), c.statements) << c.source;
}

TEST_F(Statements, SourceWithoutFinalNewline) {
    const Case cases[] = {
        {"NOP\nJUMP x", "i0@1 i161@1 eof"},
        {"x:", "i246@0 eof"},
        {"NOP", "eof!1000"},
        {".TEXT", "eof!1000"},
        {"x .DB 1 2", "eof!1000"},
        {"a b", "eof!1000"},
        {"ADD8 x, $5", "eof!1000"},
        {"INPORT 1", "E1004@0 eof"},
        {"NOP\n# trailing comment", "i0@1 eof"},
    };
    for (const Case& c : cases) EXPECT_EQ(trace(c.source), c.statements) << c.source;

    // Further calls keep reporting the end of the input.
    loadSource("NOP\n");
    EXPECT_EQ(next().status, SS_COMPLETE);
    EXPECT_EQ(next().status, SS_END_OF_INPUT);
    EXPECT_EQ(next().status, SS_END_OF_INPUT);
}

TEST_F(Statements, UnfinishedRecoveryLeavesThePendingCode) {
    context().flags.pendingErrorCode = static_cast<Diag>(1234);
    loadSource("ADD8 x, $5");
    const Statement& st = next();
    EXPECT_EQ(st.status, SS_END_OF_INPUT);
    EXPECT_EQ(context().flags.assemblyFailed, 1);
    EXPECT_EQ(static_cast<int>(context().flags.pendingErrorCode), 1234);
}

TEST_F(Statements, RejectedLiteralsKeepTheirOwnCode) {
    // The scanner returns an END in place of the literal, so the statement ends before
    // its newline is read and carries the line before it (or, for a literal with a line
    // break, the line the literal started on).
    const Case cases[] = {
        {"x .DB 1 \"a\\q\"\n", "E1007@0 empty@1 eof"},
        {"NOP\nx .DB 2 \"ab\ncd\"\nNOP\n", "i0@1 E1006@2 empty@3 i0@4 eof"},
        {"x .ASCII \"\\x4\"\n", "E1007@0 empty@1 eof"},
        {".ASCIIZ \"\\x4\"\n", "E1007@0 empty@1 eof"},
        {".DB \"\\q\"\n", "E1007@0 empty@1 eof"},
        {"NOP .DB \"\\q\" tail\n", "E1007@0 E1002@1 eof"},
        {"x .ASCII \"ok\" .DB \"\\q\"\n", "E1007@0 empty@1 eof"},
        // Without a data keyword on the line the literal is not examined.
        {".TEXT \"\\q\"\n", "E1001@1 eof"},
        {"x .DB 1 \"\\q\"", "E1007@0 eof"},
    };
    for (const Case& c : cases) EXPECT_EQ(trace(c.source), c.statements) << c.source;
}

TEST_F(Statements, RejectionSetsTheFailureFlag) {
    loadSource("a b\n");
    const Statement& st = next();
    EXPECT_EQ(st.status, SS_REJECTED);
    EXPECT_EQ(context().flags.assemblyFailed, 1);
    EXPECT_EQ(static_cast<int>(context().flags.pendingErrorCode), 1002);
}

TEST_F(Statements, LinesOfAMixedSource) {
    EXPECT_EQ(trace("x: NOP\n\nADD8 a $1\nJUMP y z\nbad line here\n.TEXT\n"),
              "i246@0 i0@1 empty@2 i108@3 i161@3 empty@4 E1002@5 d4@6 eof");
}

TEST_F(Statements, OverlongListsAreRejectedWithoutGrowingForever) {
    std::string source = "x .DB 1 0";
    source.reserve(2 * kMaxArgCells + 64);
    for (int i = 1; i <= kMaxArgCells; ++i) source += ",1";
    source += "\nNOP\n";
    EXPECT_EQ(trace(source), "E3020@1 i0@2 eof");
    EXPECT_LE(statement().args.capacity(), static_cast<size_t>(2 * kMaxArgCells));

    std::string literal = "x .DB 1 \"" + std::string(kMaxArgCells + 1, 'a') + "\"\n";
    EXPECT_EQ(trace(literal), "E3020@1 eof");

    // Exactly the limit is fine.
    source = "x .DW 1 0";
    for (int i = 1; i < kMaxArgCells; ++i) source += ",1";
    source += "\n";
    loadSource(source);
    const Statement& st = next();
    EXPECT_EQ(st.status, SS_COMPLETE);
    EXPECT_EQ(st.argCount, kMaxArgCells);
}

} // namespace
