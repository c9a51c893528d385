// Directive dispatch, data directives, origins, alignment, .INCLUDE and .ENDP.
#include "test_directive_support.h"

#include "frontend/lexer.h"
#include "symbols/stHashTable.h"

#include <filesystem>
#include <fstream>
#include <unistd.h>

namespace {

using DataDirectives = DirectiveTest;

TEST_F(DataDirectives, UnknownIdsReport1002) {
    for (int id : {-1, 0, 2, 8, 44, 246}) {
        Statement st = directive(id);
        EXPECT_EQ(run(st, 0), -1) << id;
    }
    Statement text = directive(DIR_TEXT);
    EXPECT_EQ(directiveExecute(&text, state.get(), 2), -1); // no such pass: no report
    EXPECT_EQ(reportedCodes(), std::vector<int>(6, 1002));
}

TEST_F(DataDirectives, DataInTextIsPaddedAndAddressedByWords) {
    std::vector<Statement> sts = {dataStatement(DIR_DB, "a", 3, {5, 6, 7}),
                                  dataStatement(DIR_DW, "b", 1, {0x0102}),
                                  dataStatement(DIR_DD, "c", 1, {0})};
    for (Statement& st : sts) ASSERT_EQ(run(st, 0), 0);
    EXPECT_EQ(state->orgRelativeLoc, 9); // the pad byte is not data
    SetUp();
    ASSERT_EQ(runBothPasses(sts), 0);
    EXPECT_EQ(sectionBytes(SEC_TEXT), (Bytes{5, 6, 7, 0, 2, 1, 0, 0, 0, 0}));
    EXPECT_EQ(symbol("a").st_size, 2u); // three bytes are two words
    EXPECT_EQ(symbol("b").st_value, 2u);
    EXPECT_EQ(symbol("c").st_value, 3u);
}

TEST_F(DataDirectives, FullBlocksContinueInNewBlocksOfWholeElements) {
    std::vector<int32_t> values(600);
    for (int i = 0; i < 600; ++i) values[static_cast<size_t>(i)] = 0x01020304 + i;
    std::vector<Statement> sts = {directive(DIR_DATA), dataStatement(DIR_DB, "x", 1, {0xAA}),
                                  dataStatement(DIR_DD, "y", 600, values)};
    ASSERT_EQ(runBothPasses(sts), 0);
    const DataBlock* first = state->sections[SEC_DATA].head.get();
    ASSERT_NE(first->next, nullptr);
    EXPECT_EQ(first->next->start, 1);
    EXPECT_EQ(first->next->used, 2044); // 511 whole elements
    EXPECT_EQ(first->next->next->start, 2045);
    Bytes bytes = sectionBytes(SEC_DATA);
    ASSERT_EQ(bytes.size(), 2401u);
    EXPECT_EQ(bytes[1 + 4 * 511 + 1], 0x05); // 0x01020304 + 511, first in the third block
}

TEST_F(DataDirectives, StringsBecomeBytesAndEmptyOnesAreRejected) {
    Statement z = directive(DIR_ASCIIZ, "z");
    z.args = {textCell("\"ab\"")};
    z.count = 4;
    Statement a = directive(DIR_ASCII, "a");
    a.args = {textCell(std::string("\"x\0\xE9\"", 5))}; // escapes may leave a zero byte
    a.count = 5;
    a.uninitialised = 1; // left over from an earlier statement: strings never go to .bss
    std::vector<Statement> sts = {directive(DIR_DATA), z, a};
    ASSERT_EQ(runBothPasses(sts), 0);
    EXPECT_EQ(sectionBytes(SEC_DATA), (Bytes{'a', 'b', 0, 'x', 0, 0xE9}));

    Statement empty = directive(DIR_ASCII, "e");
    empty.args = {textCell("\"\"")};
    empty.count = 2;
    Statement zero = dataStatement(DIR_DW, "w", 0, {});
    EXPECT_EQ(run(empty, 0), -1);
    EXPECT_EQ(run(zero, 0), -1);
    EXPECT_EQ(reportedCodes(), (std::vector<int>{2018, 2018}));
}

TEST_F(DataDirectives, IdentifierValuesGetPointerRelocations) {
    EXPECT_EQ(addPointerRelocation(1, state.get(), "x", 0, 2), -1); // no symbols yet: 5005
    auto names = [](int id, const char* label, int32_t count, std::vector<std::string> ids) {
        Statement st = dataStatement(id, label, count, {});
        for (const std::string& n : ids) st.args.push_back(textCell(n));
        st.argCount = static_cast<int32_t>(ids.size());
        st.flags = kFlagNames;
        return st;
    };
    std::vector<Statement> sts = {directive(DIR_DATA),
                                  dataStatement(DIR_DB, "pad", 1, {1}),
                                  names(DIR_DW, "p", 3, {"pad", "q"}),
                                  names(DIR_DD, "q", 1, {"p"}),
                                  directive(DIR_TEXT),
                                  names(DIR_DW, "t", 1, {"Q"})};
    ASSERT_EQ(runBothPasses(sts), 0);
    const uint32_t pad = 0, p = 1, q = 2;
    auto entry = [](uint32_t offset, uint32_t symbol, uint32_t type) {
        return std::array{offset, symbol << 16 | type};
    };
    std::vector<std::array<uint32_t, 2>> data;
    for (const RelocationEntry& r : state->relData) data.push_back({r.r_offset, r.r_info});
    EXPECT_EQ(data, (std::vector{entry(1, pad, 7), entry(3, q, 7), entry(7, p, 3)}));
    ASSERT_EQ(state->relText.size(), 1u); // found ignoring case without -c
    EXPECT_EQ(state->relText[0].r_info, (q << 16) | 7u);
    EXPECT_EQ(sectionBytes(SEC_DATA), (Bytes{1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0}));

    EXPECT_EQ(addPointerRelocation(1, state.get(), "nowhere", 0, 2), -1);
    EXPECT_EQ(reportedCodes(), (std::vector<int>{5005, 3010}));
}

TEST_F(DataDirectives, EquDefinesConstantsAndDuplicatesWarn) {
    Statement a = dataStatement(DIR_EQU, "size", 0, {42});
    Statement b = dataStatement(DIR_EQU, "SIZE", 0, {7});
    EXPECT_EQ(run(a, 0), 0);
    EXPECT_EQ(run(b, 0), 0);
    EXPECT_EQ(stLookupSymbol("Size", constTable.get())->value, 42);
    EXPECT_EQ(diagnostics().at(0).text, "duplicate symbol 'SIZE'");
}

Statement org(int32_t n) {
    Statement st = directive(DIR_ORG);
    st.number = n;
    return st;
}

TEST_F(DataDirectives, OrgMovesCountersAndOpensBlocks) {
    absoluteMode = 1;
    std::vector<Statement> sts = {
        directive(DIR_ABS),  org(0x100), dataStatement(DIR_DW, "w", 1, {0x0A0B}), org(0x101),
        directive(DIR_DATA), org(0x20),  dataStatement(DIR_DB, "d", 1, {3})};
    for (Statement& st : sts) ASSERT_EQ(run(st, 0), 0);
    EXPECT_EQ(state->orgCount, 2);
    EXPECT_EQ(lastOrgTextLoc, 0x202);
    EXPECT_EQ(state->orgRelativeLoc, 0x202);
    EXPECT_EQ(symbol("w").st_value, 0x100u);
    EXPECT_EQ(symbol("w").st_info, 0x14); // absolute object
    EXPECT_EQ(stLookupSymbol("d", labelTable.get())->value, 0x20);

    SetUp();
    absoluteMode = 1;
    ASSERT_EQ(runBothPasses(sts), 0);
    EXPECT_EQ(state->firstTextOrigin, 0x200);
    const DataBlock* text = state->sections[SEC_TEXT].head.get();
    EXPECT_EQ(text->start, 0x200);
    EXPECT_EQ(text->next->start, 0x202);
    EXPECT_EQ(state->sections[SEC_DATA].head->start, 0x20);
    EXPECT_EQ(sectionBytes(SEC_TEXT), (Bytes{0x0B, 0x0A}));
}

TEST_F(DataDirectives, OrgOverlapsAndOrgWithoutAbs) {
    Statement ignored = org(0x100);
    EXPECT_EQ(run(ignored, 1), 0);
    EXPECT_EQ(state->textLoc(), 0);
    EXPECT_EQ(state->sections[SEC_TEXT].head, nullptr);
    absoluteMode = 1;
    std::vector<std::pair<Statement, int>> steps = {{org(0x100), 0}, {org(0x100), 0},
                                                    {org(0x80), -1}, {directive(DIR_DATA), 0},
                                                    {org(4), 0},     {org(3), -1}};
    for (auto& [st, expected] : steps) EXPECT_EQ(run(st, 0), expected);
    EXPECT_EQ(state->textLoc(), 0x200);
    EXPECT_EQ(state->dataLoc(), 4);
    EXPECT_EQ(reportedCodes(), (std::vector<int>{3013, 3013}));
}

TEST_F(DataDirectives, EvenAndOddAlignAndRecordTheAlignment) {
    struct Case {
        int section;
        int64_t start;
        int id;
        int64_t expected;
    };
    const Case cases[] = {
        {SEC_TEXT, 6, DIR_EVEN, 8}, {SEC_TEXT, 8, DIR_ODD, 10}, {SEC_TEXT, 5, DIR_EVEN, 8},
        {SEC_TEXT, 7, DIR_ODD, 10}, {SEC_TEXT, 8, DIR_EVEN, 8}, {SEC_DATA, 3, DIR_EVEN, 4},
        {SEC_DATA, 4, DIR_ODD, 5},  {SEC_DATA, 5, DIR_ODD, 5},
    };
    for (const Case& c : cases) {
        for (int pass : {0, 1}) {
            SetUp();
            state->currentSection = c.section;
            state->locationCounters[c.section] = c.start;
            Statement st = directive(c.id);
            ASSERT_EQ(run(st, pass), 0);
            EXPECT_EQ(state->locationCounters[c.section], c.expected) << c.start << " id " << c.id;
            int32_t alignment = c.section == SEC_TEXT ? state->textAlignment : state->dataAlignment;
            EXPECT_EQ(alignment, pass == 1 ? 0 : (c.id == DIR_EVEN ? 2 : 1));
            if (pass == 1) {
                const DataBlock* tail = state->sections[c.section].tail;
                EXPECT_EQ(tail->start, c.start);
                EXPECT_EQ(tail->used, c.expected - c.start);
            }
            TearDown();
        }
    }
}

TEST_F(DataDirectives, EndpOnlyInText) {
    Statement endp = directive(DIR_ENDP);
    state->currentSection = SEC_DATA;
    EXPECT_EQ(run(endp, 0), -1);
    EXPECT_EQ(endOfSource, 0);
    state->currentSection = SEC_TEXT;
    EXPECT_EQ(run(endp, 1), 0);
    EXPECT_EQ(endOfSource, 1);
    EXPECT_EQ(reportedCodes(), std::vector<int>{3018});
}

TEST_F(DataDirectives, IncludeSearchesDirectoriesAndRefusesRunawayNesting) {
    auto dir = std::filesystem::temp_directory_path() / ("zorlan_inc_" + std::to_string(getpid()));
    std::filesystem::create_directories(dir / "sub");
    std::ofstream(dir / "sub" / "part.inc") << "x .DB 1 1\n";
    auto include = [](const std::string& name) {
        Statement st = directive(DIR_INCLUDE);
        st.fileName = "\"" + name + "\"";
        return st;
    };
    includeDirs = {(dir / "missing").string(), (dir / "sub").string()};
    fileIndex = 1;
    state->lineNumber = 12;
    Statement st = include("part.inc");
    ASSERT_EQ(run(st, 1), 0);
    ASSERT_EQ(state->includeStack.size(), 1u);
    EXPECT_EQ(state->includeStack.back().savedLine, 12);
    EXPECT_EQ(state->includeStack.back().savedFileName, "t.asm");
    EXPECT_EQ(state->includeStack.back().savedFileIndex, 1);
    EXPECT_EQ(state->fileName, (dir / "sub").string() + "/part.inc");
    EXPECT_EQ(fileIndex, 2);
    ASSERT_EQ(state->debugFileList.size(), 1u);
    EXPECT_EQ(state->debugFileList[0].baseName, "part.inc");

    Statement missing = include("nothere.inc"), directory = include(dir.string());
    EXPECT_EQ(run(missing, 0), -1);
    EXPECT_EQ(run(directory, 0), -1);
    for (int depth = 1; depth < 64; ++depth) ASSERT_EQ(run(st, 0), 0) << depth;
    EXPECT_EQ(run(st, 0), -1);
    EXPECT_EQ(state->debugFileList.size(), 1u); // pass one records no debug files
    EXPECT_EQ(reportedCodes(), (std::vector<int>{5006, 5006, 5006}));
    EXPECT_EQ(diagnostics()[0].text, "unable to open file 'nothere.inc'");
    std::filesystem::remove_all(dir);
}

} // namespace
