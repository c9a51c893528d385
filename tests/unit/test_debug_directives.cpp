// The debug-description directives: their checks and codes in order, the scope rule,
// the modifier lists and the function bookkeeping of both passes.
#include "symbols/stHashTable.h"
#include "symbols/stSymbolTable.h"
#include "test_debugSupport.h"

namespace {

struct ShapeCase {
    const char* what;
    int id;
    Shape shape;
    int expected; // 0: accepted
};

// One declaration per row; each opens what it needs first.
class FlagChecks : public DebugTest, public ::testing::WithParamInterface<ShapeCase> {};

TEST_P(FlagChecks, ReportTheFirstFailingCheckInDirectiveOrder) {
    const ShapeCase& c = GetParam();
    ASSERT_EQ(run(named(DIR_STRUCT, "S", 32)), 0);
    ASSERT_EQ(run(named(DIR_UNION, "U", 32)), 0);
    ASSERT_EQ(run(named(DIR_FUNCTION, "f")), 0);
    int result = run(declaration(c.id, "v", "int", c.shape));
    if (c.expected == 0) {
        EXPECT_EQ(result, 0);
        EXPECT_TRUE(codes().empty());
    } else {
        EXPECT_EQ(result, -1);
        EXPECT_EQ(codes(), std::vector<int>{c.expected});
    }
}

//                                   size sg ptr off arr adim pdim line
INSTANTIATE_TEST_SUITE_P(
    Declarations, FlagChecks,
    ::testing::Values(
        ShapeCase{"plain variable", DIR_VARIABLE, {16, 0, 0, 0, 0, 0, 0, 1}, 0},
        ShapeCase{"negative size first", DIR_VARIABLE, {-1, 0, 7, 0, 9, 0, 0, 0}, 2018},
        ShapeCase{"array flag before pointer flag", DIR_VARIABLE, {8, 0, 7, 0, 9, 0, 0, 1}, 2022},
        ShapeCase{"array without dimension", DIR_VARIABLE, {8, 0, 7, 0, 1, 0, 0, 1}, 2019},
        ShapeCase{"bad pointer flag", DIR_VARIABLE, {8, 0, 7, 0, 0, 0, 0, 1}, 2023},
        ShapeCase{"pointer without dimension", DIR_VARIABLE, {8, 0, 1, 0, 0, 0, 0, 0}, 2020},
        ShapeCase{"line last", DIR_VARIABLE, {8, 0, 0, 0, 0, 0, 0, 0}, 2001},
        ShapeCase{"huge array dimension", DIR_VARIABLE, {8, 0, 0, 0, 1, 2000000000, 0, 1}, 2019},
        ShapeCase{"parameter line", DIR_PARAMETER, {8, 0, 0, 0, 0, 0, 0, -3}, 2001},
        ShapeCase{"parameter array flag", DIR_PARAMETER, {8, 0, 0, 0, 2, 0, 0, 1}, 2022},
        ShapeCase{"return has no line", DIR_RETURN, {8, 0, 1, 0, 0, 0, 2, 0}, 0},
        ShapeCase{"return array dimension", DIR_RETURN, {8, 0, 1, 0, 1, 0, 0, 0}, 2019},
        ShapeCase{"member: pointer before array", DIR_STRUCTMEM, {8, 0, 7, 0, 9, 0, 0, 0}, 2023},
        ShapeCase{"member pointer dimension", DIR_STRUCTMEM, {8, 0, 1, 0, 9, 0, 0, 0}, 2020},
        ShapeCase{"member array flag", DIR_STRUCTMEM, {8, 0, 0, 0, 9, 0, 0, 0}, 2022},
        ShapeCase{"member negative size", DIR_STRUCTMEM, {-8, 0, 7, 0, 0, 0, 0, 0}, 2018},
        ShapeCase{"union member: odd array flag is no array", DIR_UNIONMEM, {8, 0, 0, 0, 9, 0, 0, 0}, 0},
        ShapeCase{"union member array dimension", DIR_UNIONMEM, {8, 0, 0, 0, 1, 0, 0, 0}, 2019},
        ShapeCase{"union member pointer flag", DIR_UNIONMEM, {8, 0, 2, 0, 1, 0, 0, 0}, 2023}),
    [](const ::testing::TestParamInfo<ShapeCase>& info) {
        std::string name = info.param.what;
        for (char& ch : name)
            if (!std::isalnum(static_cast<unsigned char>(ch))) ch = '_';
        return name;
    });

struct ContextCase {
    const char* what;
    std::vector<Statement> statements; // the last one is the one checked
    int expected;
};

TEST_F(DebugTest, MissingOrMismatchedContextReportsItsCode) {
    std::vector<ContextCase> cases = {
        {"enumerator without enum", {named(DIR_ENUMERATOR, "A", 1)}, 2000},
        {"enum end without enum", {named(DIR_TYPEDEF, "t"), named(DIR_ENUM_END, "E")}, 2000},
        {"enum without enumerators", {named(DIR_ENUM, "E"), named(DIR_ENUM_END, "E")}, 2010},
        {"enumerators before name", {named(DIR_ENUM, "E"), named(DIR_ENUM_END, "F")}, 2010},
        {"enum name mismatch",
         {named(DIR_ENUM, "E"), named(DIR_ENUMERATOR, "A", 1), named(DIR_ENUM_END, "F")},
         2009},
        {"member without struct", {named(DIR_UNION, "U", 8), declaration(DIR_STRUCTMEM, "m", "int")}, 2003},
        {"member without union", {named(DIR_STRUCT, "S", 8), declaration(DIR_UNIONMEM, "m", "int")}, 2006},
        {"struct end without struct", {named(DIR_ENUM, "E"), named(DIR_STRUCT_END, "S")}, 2003},
        {"union name mismatch", {named(DIR_UNION, "U", 8), named(DIR_UNION_END, "V")}, 2005},
        {"parameter without function",
         {named(DIR_TYPEDEF, "t", 0), declaration(DIR_PARAMETER, "p", "int")},
         2012},
        {"return without function", {named(DIR_TYPEDEF, "t", 0), declaration(DIR_RETURN, "", "int")}, 2012},
        {"second return",
         {named(DIR_FUNCTION, "f"), declaration(DIR_RETURN, "", "int"), declaration(DIR_RETURN, "", "int")},
         2024},
        {"function end without return", {named(DIR_FUNCTION, "f"), named(DIR_FUNC_END, "f")}, 2017},
        {"function end without function", {named(DIR_FUNC_END, "f")}, 2012},
        {"function end mismatch", {named(DIR_FUNCTION, "f"), named(DIR_FUNC_END, "g")}, 2008},
        {"static variable without label", {declaration(DIR_VARIABLE, "nolabel", "int", {8, 0, 0, -1})}, 3005},
    };
    for (ContextCase& c : cases) {
        SetUp();
        int last = 0;
        for (const Statement& st : c.statements) last = run(st);
        EXPECT_EQ(last, -1) << c.what;
        ASSERT_FALSE(codes().empty()) << c.what;
        EXPECT_EQ(codes().back(), c.expected) << c.what;
        EXPECT_EQ(codes().size(), 1u) << c.what;
        TearDown();
    }
}

TEST_F(DebugTest, WithoutDebugInformationOnlyTheBookkeepingRuns) {
    debugInfo = 0;
    EXPECT_EQ(run(declaration(DIR_VARIABLE, "v", "int", {-5, 0, 9, 0, 9, 0, 0, 0})), 0);
    EXPECT_EQ(run(named(DIR_ENUMERATOR, "A", 1)), 0);
    EXPECT_EQ(run(named(DIR_FUNCTION, "f")), 0);
    EXPECT_EQ(run(named(DIR_FUNCTION, "g")), -1);
    EXPECT_EQ(run(named(DIR_FUNC_END, "h")), -1);
    EXPECT_EQ(run(directive(DIR_FILE)), -1);
    EXPECT_EQ(codes(), (std::vector<int>{2013, 2008, 3007}));
    EXPECT_FALSE(state->sections[SEC_DEBUG_INFO].head);
    EXPECT_TRUE(records().declList.empty());
    EXPECT_FALSE(state->debugFileName);
}

TEST_F(DebugTest, PassTwoBuildsNothingButKeepsTheBookkeeping) {
    ASSERT_EQ(run(named(DIR_FUNCTION, "f"), 1), 0);
    EXPECT_EQ(records().openFunctionName, "f");
    EXPECT_EQ(run(declaration(DIR_VARIABLE, "v", "int", {-5}), 1), 0);
    EXPECT_EQ(run(named(DIR_FUNC_END, "g"), 1), -1);
    ASSERT_EQ(run(named(DIR_FUNC_END, "f"), 1), 0);
    EXPECT_FALSE(records().openFunctionName);
    EXPECT_EQ(run(fileDirective("a.c"), 1), 0);
    EXPECT_EQ(codes(), std::vector<int>{2008});
    EXPECT_FALSE(state->sections[SEC_DEBUG_INFO].head);
    EXPECT_FALSE(state->debugFileName);
    EXPECT_FALSE(records().openFunction);
}

struct ModifierCase {
    const char* what;
    Shape shape;
    std::vector<std::string> words;
    std::vector<int32_t> expected;
};

TEST_F(DebugTest, ModifierListsOfVariablesAndParameters) {
    //                                size sg ptr off arr adim pdim line
    std::vector<ModifierCase> cases = {
        {"array levels then pointer levels", {2, 0, 1, 4, 1, 3, 1, 12}, {}, {3, 3, 3, 2}},
        {"written pointer becomes the array", {2, 0, 1, 4, 1, 3, 1, 12}, {"pointer"}, {3}},
        {"pointer word needs the pointer flag", {2, 0, 0, 4, 0, 0, 0, 12}, {"pointer", "const"}, {0}},
        {"pointer levels after the words", {2, 0, 1, 4, 0, 0, 2, 12}, {"const", "volatile"}, {0, 1, 2, 2}},
        {"written pointer stands for the levels", {2, 0, 1, 4, 0, 0, 2, 12}, {"pointer"}, {2}},
        {"array word alone still adds the levels", {2, 0, 0, 4, 1, 2, 0, 12}, {"array"}, {3, 3, 3}},
        {"array with words drops the pointer levels", {2, 0, 1, 4, 1, 2, 3, 12}, {"const"}, {0, 3, 3}},
        {"flags only", {2, 0, 0, 4, 0, 0, 0, 12}, {"extern", "static", "unknown"}, {}},
    };
    for (const ModifierCase& c : cases) {
        SetUp();
        state->currentSection = SEC_DATA;
        ASSERT_EQ(run(declaration(DIR_VARIABLE, "v", "int", c.shape, c.words)), 0) << c.what;
        ASSERT_EQ(run(named(DIR_FUNCTION, "f")), 0);
        ASSERT_EQ(run(declaration(DIR_PARAMETER, "p", "int", c.shape, c.words)), 0) << c.what;
        ASSERT_EQ(records().declList.size(), 1u);
        EXPECT_EQ(records().declList[0].variable->modifiers, c.expected) << c.what;
        EXPECT_EQ(records().openFunction->parameters[0].modifiers, c.expected) << c.what;
        TearDown();
    }
}

TEST_F(DebugTest, VariableAndParameterFlagsKeepTheirOwnBitOrder) {
    state->currentSection = SEC_DATA;
    Shape s{16, 1, 1, 2, 1, 1, 1, 3};
    ASSERT_EQ(run(declaration(DIR_VARIABLE, "v", "int", s, {"extern", "static"})), 0);
    ASSERT_EQ(run(named(DIR_FUNCTION, "f")), 0);
    ASSERT_EQ(run(declaration(DIR_PARAMETER, "p", "int", s)), 0);
    EXPECT_EQ(records().declList[0].variable->flags,
              kVarSigned | kVarPointer | kVarArray | kVarExtern | kVarStatic);
    EXPECT_EQ(records().openFunction->parameters[0].flags, kParamSigned | kParamArray | kParamPointer);
}

TEST_F(DebugTest, ReturnTypeExtendsTheFunctionModifiers) {
    struct Case {
        std::vector<std::string> functionWords;
        Shape ret;
        std::vector<int32_t> expected;
        int32_t flags;
    };
    //                                           size sg ptr addr arr adim pdim
    std::vector<Case> cases = {
        {{}, {16, 0, 1, 0, 1, 2, 1}, {3, 3, 2}, 0},
        {{"const", "extern"}, {16, 0, 1, 0, 1, 2, 1}, {0, 3, 3}, kFuncExtern},
        {{"volatile", "pointer"}, {16, 0, 1, 0, 0, 0, 2}, {1, 2, 2}, 0},
        {{}, {16, 0, 0, 0, 0, 0, 0}, {}, 0},
    };
    for (const Case& c : cases) {
        SetUp();
        Statement fn = declaration(DIR_FUNCTION, "f", "", {}, c.functionWords);
        ASSERT_EQ(run(fn), 0);
        ASSERT_EQ(run(declaration(DIR_RETURN, "", "int", c.ret)), 0);
        EXPECT_EQ(records().openFunction->modifiers, c.expected);
        EXPECT_EQ(records().openFunction->flags, c.flags);
        TearDown();
    }
}

TEST_F(DebugTest, ScopeRulePlacesDeclarationsByTheCurrentSection) {
    // Completed in text before any .FUNCTION: kept for the function that comes next.
    ASSERT_EQ(run(declaration(DIR_VARIABLE, "early", "int")), 0);
    ASSERT_EQ(run(named(DIR_ENUM, "E")), 0);
    ASSERT_EQ(run(named(DIR_ENUMERATOR, "A", 1)), 0);
    ASSERT_EQ(run(named(DIR_ENUM_END, "E")), 0);
    ASSERT_EQ(run(typedefOf("T", "int")), 0); // typedefs are always global
    ASSERT_EQ(run(named(DIR_FUNCTION, "f")), 0);
    ASSERT_EQ(run(declaration(DIR_RETURN, "", "int")), 0);
    ASSERT_EQ(run(named(DIR_FUNC_END, "f")), 0);
    state->currentSection = SEC_DATA;
    ASSERT_EQ(run(declaration(DIR_VARIABLE, "global", "int")), 0);

    const auto& list = records().declList;
    ASSERT_EQ(list.size(), 3u);
    EXPECT_EQ(list[0].kind, DECL_TYPEDEF);
    ASSERT_EQ(list[1].kind, DECL_FUNCTION);
    const FunctionDecl& f = *list[1].function;
    EXPECT_EQ(f.name, "f");
    ASSERT_EQ(f.locals.size(), 2u);
    EXPECT_EQ(f.locals[0].variable->name, "early");
    EXPECT_EQ(f.locals[1].enumDecl->name, "E");
    EXPECT_EQ(list[2].variable->name, "global");
}

TEST_F(DebugTest, EndedRecordsStayOpenAndCompletedCopiesDoNotChange) {
    state->currentSection = SEC_DATA;
    ASSERT_EQ(run(named(DIR_STRUCT, "S", 16)), 0);
    ASSERT_EQ(run(declaration(DIR_STRUCTMEM, "a", "char", {8})), 0);
    ASSERT_EQ(run(named(DIR_STRUCT_END, "S")), 0);
    ASSERT_EQ(run(declaration(DIR_STRUCTMEM, "b", "char", {8})), 0);
    ASSERT_EQ(run(named(DIR_STRUCT_END, "S")), 0);
    ASSERT_EQ(records().declList.size(), 2u);
    EXPECT_EQ(records().declList[0].aggregate->members.size(), 1u);
    EXPECT_EQ(records().declList[1].aggregate->members.size(), 2u);
    EXPECT_EQ(records().declList[1].kind, DECL_STRUCT);
}

TEST_F(DebugTest, OpeningDirectivesCreateTheSectionDataAndLineCreatesItsOwn) {
    EXPECT_EQ(run(named(DIR_ENUMERATOR, "A", 1)), -1); // nothing opened yet
    EXPECT_FALSE(state->sections[SEC_DEBUG_ABBREV].head);
    ASSERT_EQ(run(typedefOf("T", "int")), 0);
    EXPECT_TRUE(state->sections[SEC_DEBUG_ABBREV].head);
    EXPECT_TRUE(state->sections[SEC_DEBUG_INFO].head);
    EXPECT_FALSE(state->sections[SEC_DEBUG_LINE].head);

    state->textLoc() = 9;
    ASSERT_EQ(run(lineDirective(7)), 0);
    state->textLoc() = 12;
    ASSERT_EQ(run(lineDirective(3)), 0);
    EXPECT_TRUE(state->sections[SEC_DEBUG_LINE].head);
    EXPECT_TRUE(state->sections[SEC_DEBUG_RAW_LINE].head);
    ASSERT_EQ(records().lineList.size(), 2u);
    EXPECT_EQ(records().lineList[0].line, 7);
    EXPECT_EQ(records().lineList[0].address, 10);
    EXPECT_EQ(records().lineList[1].address, 12);
}

TEST_F(DebugTest, FileNameLosesItsQuotesAndStaticVariablesNeedTheirLabel) {
    ASSERT_EQ(run(fileDirective("src\\main.c")), 0);
    EXPECT_EQ(state->debugFileName, "src\\main.c");
    EXPECT_EQ(run(fileDirective("")), -1);
    EXPECT_EQ(codes(), std::vector<int>{3007});

    Symbol label;
    label.name = "counter";
    ASSERT_EQ(stInsertSymbol(label, labelTable.get()), 0);
    state->currentSection = SEC_DATA;
    EXPECT_EQ(run(declaration(DIR_VARIABLE, "Counter", "int", {16, 0, 0, -1})), 0); // names fold without -c
    EXPECT_EQ(records().declList.size(), 1u);
}

} // namespace
