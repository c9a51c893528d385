// What each directive form puts into the statement record.
#include "testSupport.h"
#include "test_parser_support.h"

#include <string>
#include <vector>

namespace {

class Directives : public FrontEndTest {
  protected:
    // Parses the first statement of `text` into a record holding leftovers of an
    // earlier statement, so that clearing and not clearing both show.
    const Statement& parseOverLeftovers(std::string_view text) {
        loadSource(text);
        Statement& st = statement();
        st.clear();
        st.name = "old";
        st.declName = "oldDecl";
        st.count = 99;
        st.size = 77;
        st.flags = kFlagExport | kFlagNames;
        st.uninitialised = 1;
        return next();
    }
};

// The cells as text: numbers as they are, texts in brackets.
std::string cells(const Statement& st, int n) {
    std::string out;
    for (int i = 0; i < n; ++i) {
        if (i) out += ',';
        const ArgCell& c = st.args.at(static_cast<size_t>(i));
        out += c.isText ? "[" + c.text + "]" : std::to_string(c.number);
    }
    return out;
}

void expectDirective(const Statement& st, int id) {
    EXPECT_EQ(st.status, SS_COMPLETE);
    EXPECT_EQ(st.kind, SK_DIRECTIVE);
    EXPECT_EQ(st.id, id);
}

TEST_F(Directives, DataDirectiveForms) {
    const Statement& st = parseOverLeftovers("tbl .DB 3 1, 0x10,-3\n");
    expectDirective(st, DIR_DB);
    EXPECT_EQ(st.name, "tbl");
    EXPECT_EQ(st.count, 3);
    EXPECT_EQ(st.argCount, 3);
    EXPECT_EQ(cells(st, 3), "1,16,-3");
    EXPECT_EQ(st.flags, kFlagExport) << "names bit cleared, others kept";
    EXPECT_EQ(st.uninitialised, 0);

    parseOverLeftovers("c .DW 2 'a','b'\n");
    expectDirective(st, DIR_DW);
    EXPECT_EQ(cells(st, 2), "97,98");
    EXPECT_EQ(st.argCount, 2);

    parseOverLeftovers("buf .DD 8 ?\n");
    expectDirective(st, DIR_DD);
    EXPECT_EQ(st.name, "buf");
    EXPECT_EQ(st.count, 8);
    EXPECT_EQ(cells(st, 1), "63");
    EXPECT_EQ(st.argCount, 0);
    EXPECT_EQ(st.uninitialised, 1);
    EXPECT_EQ(st.flags, kFlagExport);

    parseOverLeftovers("s .DB 4 \"A\\xff\\n\"\n");
    EXPECT_EQ(st.argCount, 3);
    EXPECT_EQ(cells(st, 3), "65,-1,10") << "escape-processed, signed bytes";
    EXPECT_EQ(st.count, 4);

    parseOverLeftovers("p .DW 1 target\n");
    EXPECT_EQ(cells(st, 1), "[target]");
    EXPECT_EQ(st.argCount, 1);
    EXPECT_EQ(st.flags & kFlagNames, kFlagNames);

    parseOverLeftovers("v .DD 3 a, b,c\n");
    EXPECT_EQ(cells(st, 3), "[a],[b],[c]");
    EXPECT_EQ(st.argCount, 3);
    EXPECT_EQ(st.flags & kFlagNames, kFlagNames);
    EXPECT_EQ(frontEnd().parser.argCollector, 0);

    // Forms that do not name `uninitialised` leave it.
    parseOverLeftovers("p .DW 1 target\n");
    EXPECT_EQ(st.uninitialised, 1);
}

TEST_F(Directives, StructureInstanceForms) {
    const Statement& st = parseOverLeftovers("pt .DATA_DEF 2\n");
    expectDirective(st, DIR_DATA_DEF);
    EXPECT_EQ(st.name, "pt");
    EXPECT_EQ(st.count, 2);

    struct Case {
        const char* source;
        const char* cells;
        int count;
        bool names;
    } cases[] = {
        {"pt .DATA_INIT x 1 2 16\n", "[x]", 1, true},
        {"pt .DATA_INIT x, y 1 2 16\n", "[x],[y]", 2, true},
        {"pt .DATA_INIT 7 1 2 16\n", "7", 1, false},
        {"pt .DATA_INIT 7, -8, 9 1 2 16\n", "7,-8,9", 3, false},
        {"pt .DATA_INIT 'z' 1 2 16\n", "122", 1, false},
        {"pt .DATA_INIT 'a','b' 1 2 16\n", "97,98", 2, false},
        {"pt .DATA_INIT \"a\\n\" 1 2 16\n", "97,92,110", 3, false}, // no escape processing
    };
    for (const Case& c : cases) {
        parseOverLeftovers(c.source);
        expectDirective(st, DIR_DATA_INIT);
        EXPECT_EQ(st.name, "pt");
        EXPECT_EQ(st.number, 1);
        EXPECT_EQ(st.number2, 2);
        EXPECT_EQ(st.size, 16);
        EXPECT_EQ(st.count, c.count) << c.source;
        EXPECT_EQ(cells(st, c.count), c.cells) << c.source;
        EXPECT_EQ((st.flags & kFlagNames) != 0, c.names) << c.source;
    }

    parseOverLeftovers("pt .DATA_DEF_END\n");
    expectDirective(st, DIR_DATA_DEF_END);
    EXPECT_EQ(st.name, "pt");
    EXPECT_EQ(st.count, 99) << "left as it was";
}

TEST_F(Directives, NamedValueAndStringForms) {
    const Statement& st = parseOverLeftovers("k .EQU -7\n");
    expectDirective(st, DIR_EQU);
    EXPECT_EQ(st.name, "k");
    EXPECT_EQ(cells(st, 1), "-7");

    parseOverLeftovers("k .CONST 0x1234\n");
    expectDirective(st, DIR_CONST);
    EXPECT_EQ(cells(st, 1), "4660");

    parseOverLeftovers("msg .ASCII \"hi\\t\"\n");
    expectDirective(st, DIR_ASCII);
    EXPECT_EQ(st.name, "msg");
    EXPECT_EQ(cells(st, 1), "[\"hi\t\"]");
    EXPECT_EQ(st.count, 5);

    parseOverLeftovers("msg .ASCIIZ \"\"\n");
    expectDirective(st, DIR_ASCIIZ);
    EXPECT_EQ(st.count, 2);
}

TEST_F(Directives, KeywordFormsAndWhichOnesClearTheRecord) {
    struct Case {
        const char* source;
        int id;
        bool clears;
    } cases[] = {
        {".TEXT\n", DIR_TEXT, true}, {".DATA\n", DIR_DATA, true},     {".ABS\n", DIR_ABS, true},
        {".ODD\n", DIR_ODD, true},   {".EVEN\n", DIR_EVEN, false},    {".ENDP\n", DIR_ENDP, true},
        {".LOC\n", DIR_LOC, true},   {".LINE 42\n", DIR_LINE, false}, {".ORG 0x100\n", DIR_ORG, true},
    };
    for (const Case& c : cases) {
        const Statement& st = parseOverLeftovers(c.source);
        expectDirective(st, c.id);
        EXPECT_EQ(st.name.has_value(), !c.clears) << c.source;
        EXPECT_EQ(st.count, c.clears ? 0 : 99) << c.source;
    }
    EXPECT_EQ(parseOverLeftovers(".ORG 0x100\n").number, 256);
    EXPECT_EQ(parseOverLeftovers(".LINE 42\n").number, 42);

    const Statement& st = parseOverLeftovers(".INCLUDE \"defs.inc\"\n");
    expectDirective(st, DIR_INCLUDE);
    EXPECT_EQ(st.fileName, "\"defs.inc\"");
    EXPECT_FALSE(st.name.has_value());
    parseOverLeftovers(".FILE \"c:\\src\\a.c\"\n");
    expectDirective(st, DIR_FILE);
    EXPECT_EQ(st.fileName, "\"c:\\src\\a.c\"") << "no escape processing";
}

TEST_F(Directives, SectionAndLinkageForms) {
    const Statement& st = parseOverLeftovers(".SECTION \".fast\" awx 3\n");
    expectDirective(st, DIR_SECTION);
    EXPECT_EQ(st.name, "\".fast\"");
    EXPECT_EQ(st.sectionType, "awx");
    EXPECT_EQ(st.number, 3);

    parseOverLeftovers(".BSS heap 128\n");
    expectDirective(st, DIR_BSS);
    EXPECT_EQ(st.name, "heap");
    EXPECT_EQ(cells(st, 1), "128");
    EXPECT_EQ(st.argCount, 1);
    parseOverLeftovers(".BSS\n");
    EXPECT_FALSE(st.name.has_value());
    EXPECT_EQ(st.argCount, 0);

    parseOverLeftovers(".GLOBAL EXPORT a, \"b\", \"7\", (0x10), \"$12\"\n");
    expectDirective(st, DIR_GLOBAL);
    EXPECT_EQ(cells(st, 5), "[a],[b],7,16,0");
    EXPECT_EQ(st.count, 5);
    EXPECT_EQ(st.argCount, 5);
    EXPECT_EQ(st.flags & kFlagExport, kFlagExport);
    parseOverLeftovers(".GLOBAL DO_NOT_EXPORT main\n");
    EXPECT_EQ(st.flags & kFlagExport, 0);
    EXPECT_EQ(cells(st, 1), "[main]");

    parseOverLeftovers(".LOCAL x, y\n");
    expectDirective(st, DIR_LOCAL);
    EXPECT_EQ(st.count, 2);
    parseOverLeftovers(".WEAK \"w\"\n");
    expectDirective(st, DIR_WEAK);
    EXPECT_EQ(cells(st, 1), "[w]");
    EXPECT_EQ(st.argCount, 1);
}

TEST_F(Directives, DeclarationForms) {
    const Statement& st = parseOverLeftovers(".VARIABLE \"v\" 16 \"int\" 3 1 4 1 5 2 12\n");
    expectDirective(st, DIR_VARIABLE);
    EXPECT_EQ(st.declName, "\"v\"");
    EXPECT_EQ(st.size, 16);
    EXPECT_EQ(st.typeName, "\"int\"");
    EXPECT_EQ(st.flags, kFlagSigned) << "cleared first, then bit 0 of 3";
    EXPECT_EQ(st.pointerFlag, 1);
    EXPECT_EQ(st.number, 4);
    EXPECT_EQ(st.arrayFlag, 1);
    EXPECT_EQ(st.number2, 5);
    EXPECT_EQ(st.pointerDimension, 2);
    EXPECT_EQ(st.declLine, 12);
    EXPECT_EQ(st.count, 0);
    EXPECT_FALSE(st.name.has_value());

    parseOverLeftovers(".PARAMETER \"p\" 8 \"char\" UNSIGNED POINTER 6 NORMAL 0 1 30 static, \"x\"\n");
    expectDirective(st, DIR_PARAMETER);
    EXPECT_EQ(st.flags, kFlagExport | kFlagNames) << "word form: not cleared, signed bit cleared";
    EXPECT_EQ(st.pointerFlag, 1);
    EXPECT_EQ(st.number, 6);
    EXPECT_EQ(st.arrayFlag, 0);
    EXPECT_EQ(st.declLine, 30);
    EXPECT_EQ(st.count, 2);
    EXPECT_EQ(cells(st, 2), "[static],[x]");
    EXPECT_EQ(st.name, "old");

    parseOverLeftovers(".STRUCTMEM \"m\" \"int\" 16 SIGNED NORMAL 2 ARRAY 4 0\n");
    expectDirective(st, DIR_STRUCTMEM);
    EXPECT_EQ(st.declName, "\"m\"");
    EXPECT_EQ(st.typeName, "\"int\"");
    EXPECT_EQ(st.size, 16);
    EXPECT_EQ(st.flags, kFlagSigned);
    EXPECT_EQ(st.number, 2);
    EXPECT_EQ(st.arrayFlag, 1);
    EXPECT_EQ(st.number2, 4);
    parseOverLeftovers(".UNIONMEM \"m\" \"int\" 8 0 0 0 0 0 0\n");
    expectDirective(st, DIR_UNIONMEM);

    parseOverLeftovers(".RETURN \"long\" 32 1 0 0 0 0 0\n");
    expectDirective(st, DIR_RETURN);
    EXPECT_EQ(st.typeName, "\"long\"");
    EXPECT_EQ(st.size, 32);
    EXPECT_FALSE(st.declName.has_value());
    EXPECT_EQ(st.flags, kFlagSigned);
}

TEST_F(Directives, WrongDeclarationWordsAreRejected) {
    struct Case {
        const char* source;
        int code;
    } cases[] = {
        {".VARIABLE \"v\" 16 \"int\" SIGN NORMAL 0 NORMAL 0 0 1\n", 2021},
        {".VARIABLE \"v\" 16 \"int\" SIGNED POINT 0 NORMAL 0 0 1\n", 2023},
        {".PARAMETER \"v\" 16 \"int\" SIGNED NORMAL 0 NORMALS 0 0 1 x\n", 2022},
        {".RETURN \"int\" 16 signed NORMAL 0 NORMAL 0 0\n", 1001},
        {".STRUCTMEM \"m\" \"int\" 16 UNSIGNED NORMAL 0 ARRAYS 0 0\n", 2022},
        {".VARIABLE \"v\" 16 \"int\" SIGNED 0 0 NORMAL 0 0 1\n", 1001},
    };
    for (const Case& c : cases) {
        context().flags.pendingErrorCode = Diag::NeitherInstructionNorDirective;
        context().flags.assemblyFailed = 0;
        const Statement& st = parseOverLeftovers(c.source);
        EXPECT_EQ(st.status, SS_REJECTED) << c.source;
        EXPECT_EQ(static_cast<int>(context().flags.pendingErrorCode), c.code) << c.source;
        EXPECT_EQ(context().flags.assemblyFailed, 1);
        EXPECT_EQ(next().status, SS_END_OF_INPUT) << "the line was consumed";
    }
}

TEST_F(Directives, DebugNameForms) {
    struct Case {
        const char* source;
        int id;
        bool clears;
    } cases[] = {
        {".TYPEDEF \"t\" \"int\"\n", DIR_TYPEDEF, true},
        {".STRUCT \"s\" 4\n", DIR_STRUCT, true},
        {".UNION \"u\" 2\n", DIR_UNION, true},
        {".ENUM \"e\"\n", DIR_ENUM, true},
        {".ENUMERATOR \"A\" 3\n", DIR_ENUMERATOR, false},
        {".FUNCTION \"f\"\n", DIR_FUNCTION, false},
        {".FUNC_END \"f\"\n", DIR_FUNC_END, true},
        {".STRUCT_END \"s\"\n", DIR_STRUCT_END, true},
        {".UNION_END \"u\"\n", DIR_UNION_END, true},
        {".ENUM_END \"e\"\n", DIR_ENUM_END, true},
    };
    for (const Case& c : cases) {
        const Statement& st = parseOverLeftovers(c.source);
        expectDirective(st, c.id);
        EXPECT_TRUE(st.declName.has_value() && st.declName->size() == 3) << c.source;
        EXPECT_EQ(st.name.has_value(), !c.clears) << c.source;
    }
    const Statement& st = parseOverLeftovers(".TYPEDEF \"t\" \"int\"\n");
    EXPECT_EQ(st.typeName, "\"int\"");
    EXPECT_EQ(parseOverLeftovers(".STRUCT \"s\" 4\n").size, 4);
    EXPECT_EQ(parseOverLeftovers(".ENUMERATOR \"A\" 3\n").number, 3);
    EXPECT_EQ(parseOverLeftovers(".FUNCTION \"f\"\n").count, 0);
    // A bare number is no list item; a quoted one reads as a number.
    EXPECT_EQ(parseOverLeftovers(".FUNCTION \"f\" inline, 2\n").status, SS_REJECTED);
    parseOverLeftovers(".FUNCTION \"f\" inline, \"2\"\n");
    EXPECT_EQ(st.count, 2);
    EXPECT_EQ(cells(st, 2), "[inline],2");
}

TEST_F(Directives, UnderscoreRuleForDataNames) {
    CapturedOutput out;
    restart(Switches{1, 0, 0, {}}, out.stream());
    const Statement& st = parseOverLeftovers("_tbl .DB 1 5\n");
    expectDirective(st, DIR_DB);
    EXPECT_EQ(st.name, "tbl");
    EXPECT_EQ(parseOverLeftovers("_k .EQU 1\n").name, "k");
    EXPECT_EQ(parseOverLeftovers("heap .BSS\n").status, SS_REJECTED) << "not a form at all";
    EXPECT_EQ(parseOverLeftovers(".BSS heap 4\n").name, "heap") << ".BSS names are not data names";

    context().flags.assemblyFailed = 0;
    parseOverLeftovers("tbl .DW 1 5\n");
    EXPECT_EQ(st.status, SS_REJECTED);
    EXPECT_EQ(out.text(), "Data identifier should start with _\n");
    EXPECT_EQ(context().flags.assemblyFailed, 0);
}

TEST_F(Directives, LeftoversOfEarlierStatementsStayInPlace) {
    loadSource("a .EQU 5\n.LINE 3\n.TEXT\n");
    statement().clear();
    EXPECT_EQ(next().id, DIR_EQU);
    const Statement& line = next();
    EXPECT_EQ(line.id, DIR_LINE);
    EXPECT_EQ(line.name, "a");
    EXPECT_EQ(line.args.at(0).number, 5);
    const Statement& text = next();
    EXPECT_EQ(text.id, DIR_TEXT);
    EXPECT_FALSE(text.name.has_value());
    EXPECT_TRUE(text.args.empty());
}

} // namespace
