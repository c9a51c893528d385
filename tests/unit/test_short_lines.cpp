// The short way through the commonest lines (lexerScanLine and the grammar's use of it)
// must leave exactly what reading the same lines token by token leaves: every statement,
// the scanner's line and column, and the source position of the run, statement after
// statement, also when the line goes wrong or a later line takes the long way.
#include "frontend/lexer.h"
#include "isa/mnemonics.h"
#include "statementSnapshot.h"
#include "test_parser_support.h"

#include <random>
#include <string>
#include <vector>

namespace {

using snapshot::differences;
using snapshot::Snapshot;

class ShortLines : public FrontEndTest {
  protected:
    // Reads `source` to its end with the short way on or off.
    std::vector<Snapshot> parseAll(std::string_view source, bool shortLines) {
        loadSource(source);
        frontEnd().parser.shortLines = shortLines;
        return snapshot::readToEnd(frontEnd(), context());
    }

    void expectBothWaysAgree(const std::string& source) {
        const std::vector<Snapshot> longWay = parseAll(source, false);
        const std::vector<Snapshot> shortWay = parseAll(source, true);
        ASSERT_EQ(shortWay.size(), longWay.size()) << source;
        for (size_t i = 0; i < longWay.size(); ++i)
            ASSERT_EQ(differences(shortWay[i], longWay[i]), "") << "statement " << i << " of:\n" << source;
    }

    // Whether the first line of `text` takes the short way, and the shape it is read as.
    bool takesShortWay(std::string_view text, ScannedLine& line) {
        loadSource(text);
        return lexerScanLine(lexer(), line);
    }
};

} // namespace

TEST_F(ShortLines, CommonLinesTakeTheShortWayAndOthersDecline) {
    struct Case {
        const char* line;
        bool shortWay;
    };
    const Case cases[] = {
        {"\tADD16 0x031C 0x032E 0x0123\n", true},
        {"\tLD8 0x016B $k_0012\t# comment\n", true},
        {"        JNZ L1456\r\n", true},
        {"\tPUSH16 $-5 \n", true},
        {"L1457:\n", true},
        {"   \t # only a comment\n", true},
        {"\n", true},
        {"        .LINE 12\n", true},
        {"\t.ORG 0x100\n", true},
        {"\t.TEXT\n", true},
        {"\tADD8 x, $5\n", false},      // a comma: the grammar rejects it the long way
        {"\tADD8 x 12u\n", false},      // a suffix
        {"\tADD8 x 1e3\n", false},      // an exponent
        {"\tADD8 x+1 $5\n", false},     // base plus offset
        {"\tCPY16 (0x20) buf\n", true}, // parentheses make an indirect operand
        {"\tJUMP (vec)\n", true},
        {"\tCPY16 (a+1) buf\n", false},
        {"\tBTST8 x $3 C\n", false}, // a flag is a keyword
        {"\tNOP", false},            // the input ends before the line does
        {"\tNOP # no line end", false},
        {"\tADD8 $ 5 x\n", false}, // a blank after the dollar sign
        {"\tnop\n", false},        // not a mnemonic
        {"k_0001\t.EQU 18\n", true},
        {"k .CONST -0x5\n", false},
        {"k .EQU 5 6\n", false},
        {"tbl_1\t.DW 2 0x3457, -2 # table\n", true},
        {"buf .DB 3 1,2,\n", false},    // a list that ends with a comma
        {"buf .DB 3 'a','b'\n", false}, // character constants
        {"buf .DB 2 ?\n", false},
        {"buf .DB 1 1 2\n", false},
        {"PORT .DB 1 1\n", false},                                         // a keyword is no name
        {"buf .DB 17 1,2,3,4,5,6,7,8,9,10,11,12,13,14,15,16,17\n", false}, // longer than the short way takes
        {"\t.LINE5\n", false}, // the keyword run must be the whole word
        {"\t.DB 5\n", true},   // scanned, but the grammar reads data the long way
        {"\tNOP\rx\n", false},
        {"\tADD8 x y z w\n", false}, // four operands
        {"        .RETURN \"int\" 16 SIGNED NORMAL 0 NORMAL 0 0\n", true},
        {"        .FUNCTION \"drv_1\" extern, \"x\"  # items\n", true},
        {"        .FUNC_END \"drv_1\"\n", true},
        {"\t.STRUCTMEM \"m\" \"int\" 16 1 0 0 0 0 0\n", true},
        {"\t.FUNCTION \"a\tb\"\n", false}, // a tab in the literal
        {"\t.FUNCTION \"f\" (x)\n", false},
        {"\t.FUNC_END \"f\" extra\n", true}, // scanned; the grammar reads it the long way
        {"\t.GLOBAL EXPORT a\n", false},
    };
    for (const Case& c : cases) {
        ScannedLine line;
        EXPECT_EQ(takesShortWay(c.line, line), c.shortWay) << c.line;
        expectBothWaysAgree(c.line);
    }
}

TEST_F(ShortLines, OperandsAndPositionsAreThoseOfTheTokens) {
    ScannedLine line;
    ASSERT_TRUE(takesShortWay("  \tLD16 0x022F $63085 -7 # x\n", line));
    EXPECT_EQ(line.shape, ScannedLine::Instruction);
    EXPECT_STREQ(kMnemonics[line.mnemonic].spelling, "LD16");
    ASSERT_EQ(line.count, 3);
    EXPECT_EQ(line.operands[0].number, 0x22F);
    EXPECT_TRUE(line.operands[1].dollar);
    EXPECT_EQ(line.operands[1].number, 63085);
    EXPECT_EQ(line.operands[2].number, -7);
    EXPECT_EQ(line.endLine, 1);
    EXPECT_EQ(line.endColumn, 0);

    // Eight spaces of indent are passed at once, and the blanks after them still count.
    ASSERT_TRUE(takesShortWay("          lbl_2: NOP\n", line));
    EXPECT_EQ(line.endColumn, 16);

    // A label leaves the scanner after its colon, on its own line: the tab stop counts.
    ASSERT_TRUE(takesShortWay(" \tfn_1: NOP\n", line));
    EXPECT_EQ(line.shape, ScannedLine::Label);
    EXPECT_EQ(line.label, "fn_1:");
    EXPECT_EQ(line.endLine, 0);
    EXPECT_EQ(line.endColumn, 13);
}

TEST_F(ShortLines, WholeSourcesReadAlikeBothWays) {
    // Short and long lines mixed, lines that go wrong, and sources that end without a
    // line end, so that the position a long line starts from is the short way's.
    const std::vector<std::string> sources = {
        "start:  NOP\n\tADD8 x $5\nloop:\tJUMP loop\n\tJUMP loop extra\n\tCALL fn\n",
        "\tLD32\tbig\t$-2147483648\r\n\tSP_LOAD $4\n\tSP_LOAD x\n\tJUMP 100\n\tJUMP (vec)\n",
        "\tNOP\n\tADD8 x, $5\n\tNOP\n",
        "\tPUSH8 $later\n\tPUSH8 $nowhere\nlater:\n\tINC16 457 $4\n\tNOP",
        "\t.LINE 3\n\t.LINE -5\n\t.ORG 0x10\n\t.EVEN\n\t.DATA\n\t.TEXT 5\n\t.LINE\n",
        "\tANDPORT 0x100 $0x7F\n\tORPORT 3 $1\n\tINPORT PORT0 (0x30)\n\tOUTPORT 0x10 $1\n",
        "\t.FUNCTION \"f\" extern\n\t.FUNCTION \"g\"\n\t.FUNCTION \"h\" a, \"b\", 7\n\t.FUNCTION \"i\" a,\n"
        "\t.RETURN \"int\" 16 SIGNED NORMAL 0 NORMAL 0 0\n\t.RETURN \"int\" 16 3 1 2 1 4 5\n"
        "\t.RETURN \"int\" 16 MAYBE NORMAL 0 NORMAL 0 0\n\t.RETURN \"int\" 16 SIGNED POINTER 0 ARRAY 0\n"
        "\t.STRUCT \"s\" 4\n\t.STRUCTMEM \"m\" \"int\" 16 UNSIGNED POINTER 2 ARRAY 3 1\n"
        "\t.UNIONMEM \"u\" \"char\" 8 0 0 0 0 0 0\n\t.STRUCT_END \"s\"\n\t.ENUM \"e\"\n\t.ENUM_END \"e\"\n"
        "\t.UNION_END \"u\"\n\t.FUNC_END \"f\" extra\n\t.FUNC_END\n",
        "\t\v\fNOP\f\n\tADD16 0x01 0x02 0x03 0x04\n\tNOP\t# last",
        "tbl .DW 2 1, 2\nbuf .DB 3 1 ,2,3\n_u .DD 1 -1\nbad .DB 1 1,\nlate .DB 1 5\n",
        "k .EQU 0x10\nc .CONST -3\n\tLD8 x $k\nk .EQU 4\nd .DATA_DEF 4\n",
    };
    for (const std::string& source : sources) expectBothWaysAgree(source);
}

TEST_F(ShortLines, GeneratedLinesReadAlikeBothWays) {
    // Lines put together from pieces that each way reads differently: any mix of them
    // must come out the same. The seed is fixed, so a failure can be replayed.
    const char* const starts[] = {
        "\t", "  ", "", "lbl:", " L1: ", "x ", "\t.", "#", "        ", "          "};
    const char* const words[] = {"NOP",    "ADD8",       "ADD16",     "JUMP",       "CALL",    "LD16",
                                 "PUSH16", "BTST8",      "ANDPORT",   "LINE",       "ORG",     "TEXT",
                                 "EVEN",   ".EQU",       "nop",       "JNZ",        ".DB",     ".DW",
                                 ".DD",    ".CONST",     ".FUNCTION", ".RETURN",    ".GLOBAL", ".FILE",
                                 ".LOCAL", ".PARAMETER", ".FUNC_END", ".STRUCTMEM", ".ENUM"};
    const char* const operands[] = {
        "0x1F",   "12",       "-3",      "$5",     "$-7",         "$k",     "name", "(p)",
        "a+1",    "Z",        "PORT",    "12u",    "'a'",         "\"s\"",  ",",    "0x",
        "1e2",    "$",        "@at",     "x:",     "99999999999", "0X7fff", "1,2",  "3,",
        ",-4",    "\"str\"",  "\"a,b\"", "EXPORT", "SIGNED",      "signed", "\"x",  "\"t\tab\"",
        "NORMAL", "UNSIGNED", "POINTER", "ARRAY",  "0",           "16"};
    const char* const blanks[] = {" ", "\t", " \t ", "  "};
    const char* const ends[] = {"\n", " # c\n", "\r\n", "#\n", "\t\n", "\r"};
    std::mt19937 random(20261207);
    auto pick = [&random](const auto& list) { return list[random() % (sizeof(list) / sizeof(list[0]))]; };
    for (int s = 0; s < 300; ++s) {
        std::string source;
        const int lines = 1 + static_cast<int>(random() % 12);
        for (int l = 0; l < lines; ++l) {
            source += pick(starts);
            source += pick(words);
            const int n = static_cast<int>(random() % 5);
            for (int i = 0; i < n; ++i) {
                source += pick(blanks);
                source += pick(operands);
            }
            source += pick(ends);
        }
        if (random() % 4 == 0) source.pop_back(); // a last line without its line end
        expectBothWaysAgree(source);
    }
}
