// Structure instances: bit packing, placement and their diagnostics.
#include "test_directive_support.h"

namespace {

using StructInstances = DirectiveTest;

Statement dataDef(const char* name, int32_t size) {
    Statement st = directive(DIR_DATA_DEF, name);
    st.count = size;
    return st;
}

Statement member(const std::vector<int32_t>& values, int32_t bitOffset, int32_t bitWidth, int32_t bitSize) {
    Statement st = directive(DIR_DATA_INIT, "m");
    for (int32_t v : values) st.args.push_back(numberCell(v));
    st.count = static_cast<int32_t>(values.size());
    st.number = bitOffset;
    st.number2 = bitWidth;
    st.size = bitSize;
    return st;
}

Statement symbolicMember(const std::vector<std::string>& names, int32_t bitOffset, int32_t bitWidth,
                         int32_t bitSize) {
    Statement st = member({}, bitOffset, bitWidth, bitSize);
    for (const std::string& n : names) st.args.push_back(textCell(n));
    st.count = static_cast<int32_t>(names.size());
    st.flags = kFlagNames;
    return st;
}

struct PackingCase {
    const char* what;
    int32_t size;
    std::vector<Statement> members;
    Bytes bytes;
};

TEST_F(StructInstances, BitPacking) {
    const PackingCase cases[] = {
        {"two nibbles", 1, {member({0xA}, 0, 4, 4), member({0x5}, 4, 4, 4)}, {0xA5}},
        {"3 bits across a byte boundary", 2, {member({7}, 6, 3, 3)}, {0x03, 0x80}},
        {"only the low byte of a bit-field", 1, {member({0x1F3}, 0, 2, 2)}, {0xC0}},
        {"array of bytes", 4, {member({1, 2, 3}, 8, 8, 24)}, {0, 1, 2, 3}},
        {"unaligned bytes", 3, {member({0xAB, 0xCD}, 4, 8, 16)}, {0x0A, 0xBC, 0xD0}},
        {"wide element", 8, {member({-2}, 0, 64, 64)}, {0xFE, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF}},
    };
    for (const PackingCase& c : cases) {
        SetUp();
        std::vector<Statement> sts = {directive(DIR_DATA), dataDef("s", c.size)};
        sts.insert(sts.end(), c.members.begin(), c.members.end());
        sts.push_back(directive(DIR_DATA_DEF_END, "s"));
        ASSERT_EQ(runBothPasses(sts), 0) << c.what;
        EXPECT_EQ(sectionBytes(SEC_DATA), c.bytes) << c.what;
        EXPECT_EQ(state->dataLoc(), c.size);
        EXPECT_TRUE(diagnostics().empty()) << c.what;
        TearDown();
    }
}

TEST_F(StructInstances, TextPlacementAndSymbol) {
    std::vector<Statement> sts = {dataStatement(DIR_DB, "odd", 1, {9}), dataDef("s", 3),
                                  member({0x0102}, 0, 16, 16), directive(DIR_DATA_DEF_END, "s")};
    ASSERT_EQ(runBothPasses(sts), 0);
    EXPECT_EQ(sectionBytes(SEC_TEXT), (Bytes{9, 0, 2, 1, 0}));
    EXPECT_EQ(symbol("s").st_value, 1u); // a word address
    EXPECT_EQ(symbol("s").st_size, 3u);  // in bytes
    EXPECT_EQ(state->textLoc(), 5);
}

TEST_F(StructInstances, IdentifierMembersAreRelocated) {
    std::vector<Statement> sts = {directive(DIR_DATA),
                                  dataStatement(DIR_DB, "x", 2, {0}),
                                  dataDef("s", 8),
                                  member({0x7F}, 0, 8, 8),
                                  symbolicMember({"x"}, 16, 16, 16),
                                  symbolicMember({"s"}, 32, 32, 32),
                                  directive(DIR_DATA_DEF_END, "s")};
    ASSERT_EQ(runBothPasses(sts), 0);
    EXPECT_EQ(state->numRelocData, 2);
    EXPECT_EQ(sectionBytes(SEC_DATA), (Bytes{0, 0, 0x7F, 0, 0, 0, 0, 0, 0, 0}));
    ASSERT_EQ(state->relData.size(), 2u);
    EXPECT_EQ(state->relData[0].r_offset, 4u);
    EXPECT_EQ(state->relData[0].r_info, 7u); // symbol 0, 16-bit pointer
    EXPECT_EQ(state->relData[1].r_offset, 6u);
    EXPECT_EQ(state->relData[1].r_info, (1u << 16) | 3u);
}

TEST_F(StructInstances, Diagnostics) {
    struct Case {
        const char* what;
        std::vector<Statement> sts;
        int code;
    };
    const Case cases[] = {
        {"member before any instance", {member({1}, 0, 8, 8)}, 2025},
        {"end before any instance", {directive(DIR_DATA_DEF_END, "s")}, 2025},
        {"instance without members", {dataDef("s", 2), directive(DIR_DATA_DEF_END, "s")}, 2026},
        {"more values than room", {dataDef("s", 4), member({1, 2, 3}, 0, 8, 16)}, 3019},
        {"values past the end",
         {dataDef("s", 2), member({1, 2}, 8, 8, 16), directive(DIR_DATA_DEF_END, "s")},
         3019},
        {"bit-field past the end",
         {dataDef("s", 1), member({1}, 6, 4, 4), directive(DIR_DATA_DEF_END, "s")},
         3019},
        {"zero width", {dataDef("s", 2), member({1}, 0, 0, 8)}, 2018},
        {"negative offset", {dataDef("s", 2), member({1}, -8, 8, 8)}, 2018},
        {"negative size", {dataDef("s", -3)}, 2018},
    };
    for (const Case& c : cases) {
        SetUp();
        std::vector<Statement> sts = c.sts;
        int result = 0;
        for (Statement& st : sts)
            if ((result = run(st, 1)) < 0) break;
        EXPECT_EQ(result, -1) << c.what;
        EXPECT_EQ(reportedCodes(), std::vector<int>{c.code}) << c.what;
        TearDown();
    }
}

TEST_F(StructInstances, PassOneChecksOnlySizes) {
    Statement early = member({1}, 0, 8, 8);
    EXPECT_EQ(run(early, 0), 0); // no instance is needed in pass one
    Statement zeroWidth = symbolicMember({"x"}, 0, 0, 16);
    EXPECT_EQ(run(zeroWidth, 0), -1);
    EXPECT_EQ(reportedCodes(), std::vector<int>{2018});
    EXPECT_EQ(state->numRelocData, 0);

    // A failed end leaves the instance open: the second end fails the same way, not with 2025.
    Statement def = dataDef("s", 1), end = directive(DIR_DATA_DEF_END, "s"), bad = member({1}, 8, 8, 8),
              good = member({1}, 0, 8, 8);
    ASSERT_EQ(run(def, 1), 0);
    ASSERT_EQ(run(bad, 1), 0);
    EXPECT_EQ(run(end, 1), -1);
    EXPECT_EQ(run(end, 1), -1);
    EXPECT_EQ(reportedCodes(), (std::vector<int>{2018, 3019, 3019}));
}

} // namespace
