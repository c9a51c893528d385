// The scanner: token boundaries, keyword and number rules, strings, positions, input.
#include "frontend/token.h"
#include "isa/mnemonics.h"
#include "isa/opcodeTable.h"
#include "test_parser_support.h"

#include <string>

namespace {

// One token as text: its kind and value, so that whole lines compare at once.
std::string describe(const LexValue& v, int token) {
    switch (token) {
        case TOK_IDENTIFIER:
            return "ID:" + std::string(v.text);
        case TOK_LABEL:
            return "LABEL:" + std::string(v.text);
        case TOK_CONSTANT:
            return "C:" + std::to_string(v.number);
        case TOK_CHAR:
            return "CHAR:" + std::to_string(v.number);
        case TOK_STRING:
            return "STR:" + std::string(v.text);
        case TOK_BASE_PLUS_OFFSET:
            return "BPO:" + std::string(v.text);
        case TOK_DIRECTIVE:
            return "DIR:" + std::to_string(v.number);
        case TOK_EXPORT:
            return "EXPORT";
        case TOK_DO_NOT_EXPORT:
            return "DO_NOT_EXPORT";
        case TOK_MNEMONIC:
            return std::string("MN:") + kMnemonics[v.number].spelling;
        case TOK_FLAG:
            return "FLAG:" + std::string(v.text) + "=" + std::to_string(v.number);
        case TOK_DFLAG:
            return "DFLAG:" + std::string(v.text);
        case TOK_PORT:
            return "PORT";
        case TOK_LFLAG:
            return "LFLAG:" + std::string(1, static_cast<char>(v.number));
        case TOK_END:
            return "END";
        default:
            return std::string(1, static_cast<char>(token));
    }
}

class Scanner : public FrontEndTest {
  protected:
    std::string describe(int token) { return ::describe(lexer().yylval, token); }

    std::string scanAll(std::string_view source) {
        loadSource(source);
        std::string out;
        for (int t = yylex(lexer()); t != TOK_EOF; t = yylex(lexer())) {
            if (!out.empty()) out += ' ';
            out += describe(t);
        }
        return out;
    }
};

struct ScanCase {
    const char* source;
    const char* tokens;
};

TEST_F(Scanner, TokenBoundariesFollowLongestMatchAndRuleOrder) {
    const ScanCase cases[] = {
        {"ADD8 x y\n", "MN:ADD8 ID:x ID:y END"},
        {"ADD8 x, $5\n", "MN:ADD8 ID:x , $ C:5 END"},
        {"CALLO CALL0 JF3 SETF0 SP_LOAD\n", "MN:CALLO MN:CALL0 MN:JF3 MN:SETF0 MN:SP_LOAD END"},
        {"NOPX NOP8 nop NOP Nop", "ID:NOPX ID:NOP8 ID:nop MN:NOP ID:Nop"},
        {"F4 Z ZZ F8 z H", "FLAG:F4=12 FLAG:Z=0 ID:ZZ ID:F8 ID:z FLAG:H=7"},
        {".ORGX .db .DATA_DEF_END .DATA_DEFX .Org", "DIR:1 ID:X ID:db DIR:17 DIR:15 ID:X ID:Org"},
        {".DATA .DATA_INIT .ASCIIZ .LOCAL .LOC .FILE", "DIR:3 DIR:16 DIR:20 DIR:27 DIR:22 DIR:21"},
        {"NOP: Z: (x): lbl :", "LABEL:NOP: LABEL:Z: LABEL:(x): ID:lbl"},
        {"abc+1 (a+1) a+1+2+3 abc +1 abc-1", "BPO:abc+1 BPO:(a+1) BPO:a+1+2+3 ID:abc C:1 ID:abc C:-1"},
        {"a+0x10 ((a+1 (a+1 a+1) NOP+2 x+", "BPO:a+0 ID:x10 ID:((a C:1 BPO:(a+1 BPO:a+1) BPO:NOP+2 ID:x"},
        {"(x) (0x10) ) ( a(b+1", "ID:(x) ID:(0x10) ID:) ID:( ID:a(b C:1"},
        // The apostrophe after ab opens a character constant holding a blank.
        {"'a' ''' 'ab' ' ' '~'", "CHAR:97 CHAR:39 ' ID:ab CHAR:32 CHAR:32 '"},
        {"'~' '\"' '\t'", "CHAR:126 CHAR:34 ' '"},
        {"-a -w -x -m -q -ab", "LFLAG:2 LFLAG:1 LFLAG:4 LFLAG:5 ID:q LFLAG:2 ID:b"},
        {"signed unsigned PORT PORTX PORTTST EXPORT DO_NOT_EXPORT",
         "DFLAG:signed DFLAG:unsigned PORT ID:PORTX MN:PORTTST EXPORT DO_NOT_EXPORT"},
        {"abc # comment, \"not a string\"\n# only\n", "ID:abc END END"},
        {"; . : % \\ ` ~ \r\x01\x7f\x80\xff + - ? $ ,\n", "? $ , END"},
        {"a;b//c @d _e", "ID:a ID:b ID:c ID:@d ID:_e"},
    };
    for (const ScanCase& c : cases) EXPECT_EQ(scanAll(c.source), c.tokens) << c.source;
}

TEST_F(Scanner, NumbersWrapAndTakeSuffixes) {
    const ScanCase cases[] = {
        {"0XAbL 12UL 5u -5 - 5 0777 00x1", "C:171 C:12 C:5 C:-5 C:5 C:777 C:0 ID:x1"},
        {"0x 0x1G 0xffffffff 0x100000001", "C:0 ID:x C:1 ID:G C:-1 C:1"},
        {"4294967296 4294967295 -2147483648 -4294967297 2147483648",
         "C:0 C:-1 C:-2147483648 C:-1 C:-2147483648"},
        {"1.5 12abc 123:", "C:1 C:5 C:12 ID:abc C:123"},
        // Exponent form: mantissa times ten to the exponent, wrapping; a negative
        // exponent divides and truncates.
        {"1e5 2E-1 25e-1 3e+2f 7e0L 1e 1e+ 1e40 5e-99",
         "C:100000 C:0 C:2 C:300 C:7 C:1 ID:e C:1 ID:e C:0 C:0"},
        {"3e9 1e10", "C:-1294967296 C:1410065408"},
    };
    for (const ScanCase& c : cases) EXPECT_EQ(scanAll(c.source), c.tokens) << c.source;
}

TEST_F(Scanner, StringsAreKeptAsWrittenOutsideDataDirectives) {
    EXPECT_EQ(scanAll(".INCLUDE \"A\\x41\\101\"\n"), "DIR:12 STR:\"A\\x41\\101\" END");
    EXPECT_EQ(lexer().stringDataLength, 11);
    EXPECT_EQ(scanAll("\"a\\q\" \"x\ny\"\n"), "STR:\"a\\q\" STR:\"x\ny\" END");
    EXPECT_EQ(static_cast<int>(context().flags.pendingErrorCode), 1000);
    // A quote with no partner, or with a NUL byte before it, is dropped.
    EXPECT_EQ(scanAll("\"abc\n"), "ID:abc END");
    EXPECT_EQ(scanAll(std::string_view("\"a\0b\" c\n", 8)), "ID:a ID:b ID:c END");
}

TEST_F(Scanner, DataDirectivesEscapeTheirStrings) {
    EXPECT_EQ(scanAll(".ASCII \"A\\x41\\101\"\n"), "DIR:19 STR:\"AAA\" END");
    EXPECT_EQ(lexer().stringDataLength, 5);

    loadSource(".DB \"\\b\\f\\n\\r\\t\\v\\a\\\\\\?\\'\\x7F\\0\\777\\1234\"");
    EXPECT_EQ(yylex(lexer()), TOK_DIRECTIVE);
    ASSERT_EQ(yylex(lexer()), TOK_STRING);
    const std::string expected("\"\b\f\n\r\t\v\a\\?'\x7F\0\xFF\x53"
                               "4\"",
                               17);
    EXPECT_EQ(std::string(lexer().yylval.text), expected);
    EXPECT_EQ(lexer().stringDataLength, 17);

    // A literal ending in backslash-quote loses its closing quote to the escape.
    EXPECT_EQ(scanAll(".DW \"a\\\"\n"), "DIR:10 STR:\"a\" END");
}

TEST_F(Scanner, RejectedLiteralsBecomeEndWithTheirCode) {
    struct Case {
        const char* source;
        int code;
    } cases[] = {
        {".DB \"a\\qb\" x", 1007}, {".DD \"\\x4g\" x", 1007}, {".ASCIIZ \"\\9\" x", 1007},
        {".DB \"a\nb\" x", 1006},  {".DW \"a\rb\" x", 1006},  {".DB \"\\q\nb\" x", 1007},
    };
    for (const Case& c : cases) {
        context().flags.pendingErrorCode = Diag::NeitherInstructionNorDirective;
        lexer().escapeMode = 0;
        loadSource(c.source);
        EXPECT_EQ(yylex(lexer()), TOK_DIRECTIVE);
        EXPECT_EQ(yylex(lexer()), TOK_END) << c.source;
        EXPECT_EQ(static_cast<int>(context().flags.pendingErrorCode), c.code) << c.source;
        EXPECT_EQ(yylex(lexer()), TOK_IDENTIFIER) << "scanning goes on after the literal";
    }
}

TEST_F(Scanner, PositionsCountTabsLinesAndNotSkippedCharacters) {
    struct Case {
        const char* source;
        int line, column; // after the first token
    } cases[] = {
        {"\tx", 0, 9},    {"abc\tx", 0, 3},        {";;;x", 0, 1},        {"# c\t\nx", 1, 1},
        {"\n\nab", 2, 2}, {"  \"a\nbc\" x", 1, 3}, {"abcdefgh\tx", 0, 8}, {"\"a\tb\" x", 0, 10},
    };
    for (const Case& c : cases) {
        lexer().scanLine = lexer().scanColumn = 0;
        loadSource(c.source);
        int t = yylex(lexer());
        while (t == TOK_END) t = yylex(lexer());
        EXPECT_EQ(lexer().scanLine, c.line) << c.source;
        EXPECT_EQ(lexer().scanColumn, c.column) << c.source;
        EXPECT_EQ(context().lineNumber, c.line) << c.source;
        EXPECT_EQ(context().columnNumber, c.column) << c.source;
    }
    // Tab stops: column 3 moves to 8, column 8 to 16.
    lexer().scanLine = lexer().scanColumn = 0;
    loadSource("abc\tx\nabcdefgh\ty");
    yylex(lexer());
    yylex(lexer());
    EXPECT_EQ(lexer().scanColumn, 9);
    yylex(lexer());
    yylex(lexer());
    yylex(lexer());
    EXPECT_EQ(lexer().scanColumn, 17);
}

TEST_F(Scanner, InputIsReadWholeAndCanBeSetAside) {
    yyrestart(lexer(), nullptr);
    EXPECT_EQ(yylex(lexer()), TOK_EOF);

    loadSource("a b\nc");
    EXPECT_EQ(describe(yylex(lexer())), "ID:a");
    ScanBufferPtr outer = lexerDetachInput(lexer());
    EXPECT_EQ(yylex(lexer()), TOK_EOF) << "nothing is left after detaching";
    loadSource("inner");
    EXPECT_EQ(describe(yylex(lexer())), "ID:inner");
    EXPECT_EQ(yylex(lexer()), TOK_EOF);
    lexerResumeInput(lexer(), std::move(outer));
    EXPECT_EQ(describe(yylex(lexer())), "ID:b");
    EXPECT_EQ(yylex(lexer()), TOK_END);
    EXPECT_EQ(describe(yylex(lexer())), "ID:c");
    EXPECT_EQ(yylex(lexer()), TOK_EOF);
    EXPECT_EQ(yylex(lexer()), TOK_EOF) << "the end stays the end";
}

TEST(ReadSource, StreamsOfUnknownLengthAreReadWhole) {
    // A memory stream has no file behind it, so it is read in growing chunks: every
    // length around the chunk sizes must come back byte for byte.
    for (size_t length : {size_t{0}, size_t{1}, size_t{4095}, size_t{4096}, size_t{4097}, size_t{12289},
                          size_t{65536}, size_t{300001}}) {
        std::string text(length, '\0');
        for (size_t i = 0; i < length; ++i) text[i] = static_cast<char>('a' + (i * 7 + i / 4096) % 26);
        FILE* stream = fmemopen(length ? text.data() : nullptr, length ? length : 1, "rb");
        ASSERT_NE(stream, nullptr);
        if (length == 0) std::fgetc(stream); // an empty stream: at its end already
        std::string read;
        EXPECT_EQ(readSource(stream, read), SourceRead::Ok) << length;
        std::fclose(stream);
        EXPECT_EQ(read.size(), length);
        EXPECT_TRUE(read == text) << "bytes differ at length " << length;
    }
}

TEST_F(Scanner, EndlessDeviceInputIsCapped) {
    FILE* zero = std::fopen("/dev/zero", "rb");
    if (!zero) GTEST_SKIP() << "no /dev/zero";
    yyrestart(lexer(), zero);
    std::fclose(zero);
    EXPECT_EQ(yylex(lexer()), TOK_EOF); // 256 MiB of skipped NUL bytes, then the end
}

TEST_F(Scanner, EveryMnemonicSpellingCarriesItsInstructionId) {
    for (int i = 0; i < kMnemonicCount; ++i) {
        std::string spelling = kMnemonics[i].spelling;
        loadSource(spelling);
        ASSERT_EQ(yylex(lexer()), TOK_MNEMONIC) << spelling;
        ASSERT_EQ(lexer().yylval.number, i);
        // The instruction table names the flag forms SET0, CLR0 and keeps JF0 and CALL0.
        std::string tableName = spelling;
        if (tableName.rfind("SETF", 0) == 0 || tableName.rfind("CLRF", 0) == 0) tableName.erase(3, 1);
        const OpcodeEntry* entry = lookupOpcodeTable(kMnemonics[i].id);
        ASSERT_NE(entry, nullptr) << spelling;
        EXPECT_STREQ(entry->name, tableName.c_str()) << spelling;
    }
}

} // namespace
