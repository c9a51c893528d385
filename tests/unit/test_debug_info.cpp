// .debug_abbrev / .debug_info as built from the recorded descriptions, read back
// through an independent decoder.
#include "debug/addAttributes.h"
#include "symbols/sectionHandler.h"
#include "symbols/stHashTable.h"
#include "symbols/stSymbolTable.h"
#include "test_debugSupport.h"

namespace {

class DebugInfoTest : public DebugTest {
  protected:
    void SetUp() override {
        DebugTest::SetUp();
        state->debugFileName = "main.c";
        state->currentSection = SEC_DATA;
    }

    // Builds and decodes; the entries after the compile unit and the 18 base types.
    std::vector<DecodedEntry> build() {
        EXPECT_EQ(buildDebugInfo(state.get()), 0);
        all = decodeDebugInfo(state->debugAbbrev, state->debugInfoBytes);
        for (const DecodedEntry& e : all) byOffset[e.offset] = e;
        return all.size() > 19 ? std::vector<DecodedEntry>(all.begin() + 19, all.end())
                               : std::vector<DecodedEntry>{};
    }

    // The entry a reference points to.
    const DecodedEntry& target(const DecodedEntry& from, int attribute = DW_AT_type) {
        static const DecodedEntry kNone;
        auto it = byOffset.find(from.value(attribute));
        return it == byOffset.end() ? kNone : it->second;
    }

    void runAll(const std::vector<Statement>& statements) {
        for (const Statement& st : statements) ASSERT_EQ(run(st), 0) << "directive " << st.id;
    }

    std::vector<DecodedEntry> all;
    std::map<uint32_t, DecodedEntry> byOffset;
};

TEST_F(DebugInfoTest, MissingFileNameFailsAndLeavesNothing) {
    state->debugFileName.reset();
    EXPECT_EQ(buildDebugInfo(state.get()), -1);
    EXPECT_EQ(codes(), std::vector<int>{3008});
    EXPECT_TRUE(state->debugInfoBytes.empty());
    EXPECT_TRUE(state->debugAbbrev.empty());
    EXPECT_TRUE(state->debugReloc.empty());
}

TEST_F(DebugInfoTest, UnknownTypesFailTheBuild) {
    struct Case {
        std::vector<Statement> statements;
        int code;
        std::string text;
    };
    std::vector<Case> cases = {
        {{declaration(DIR_VARIABLE, "v", "nosuch", {16, 0, 0, 0, 0, 0, 0, 3})},
         4000,
         "unknown datatype 'nosuch'"},
        {{typedefOf("T", "struct Later"), named(DIR_STRUCT, "Later", 8)},
         4003,
         "unresolved datatype \"Later\""},
        {{named(DIR_FUNCTION, "f"), declaration(DIR_RETURN, "", "int"),
          declaration(DIR_PARAMETER, "p", "Later"), named(DIR_FUNC_END, "f"), typedefOf("Later", "int")},
         4003,
         "unresolved datatype \"Later\""},
    };
    for (const Case& c : cases) {
        SetUp();
        runAll(c.statements);
        EXPECT_EQ(buildDebugInfo(state.get()), -1);
        ASSERT_EQ(codes(), std::vector<int>{c.code});
        EXPECT_EQ(diagnostics()[0].text, c.text);
        EXPECT_TRUE(state->debugInfoBytes.empty());
        TearDown();
    }
}

// Struct member offsets are covered end to end; here: a pointer member's chain and a
// union, whose members carry no byte location.
TEST_F(DebugInfoTest, PointerMemberChainAndUnionMembers) {
    runAll({named(DIR_STRUCT, "S", 16), declaration(DIR_STRUCTMEM, "next", "S", {16, 0, 1, 0, 0, 0, 1}),
            named(DIR_STRUCT_END, "S"), named(DIR_UNION, "U", 8),
            declaration(DIR_UNIONMEM, "u1", "char", {3}), declaration(DIR_UNIONMEM, "u2", "char", {8}),
            named(DIR_UNION_END, "U")});
    std::vector<DecodedEntry> d = build();
    ASSERT_EQ(d.size(), 6u);
    const DecodedEntry &s = d[0], &next = d[1], &ptr = d[2], &u = d[3];
    EXPECT_EQ(s.value(DW_AT_sibling), u.offset);
    EXPECT_EQ(target(next).offset, ptr.offset);
    EXPECT_EQ(ptr.tag, DW_TAG_pointer_type);
    EXPECT_EQ(ptr.value(DW_AT_byte_size), 2u);
    EXPECT_EQ(target(ptr).offset, s.offset);

    EXPECT_EQ(u.tag, DW_TAG_union_type);
    EXPECT_EQ(d[4].value(DW_AT_bit_offset), 0u);
    EXPECT_FALSE(d[5].has(DW_AT_data_member_location));
    EXPECT_EQ(d[5].value(DW_AT_byte_size), 1u);
    EXPECT_EQ(u.value(DW_AT_sibling), state->debugInfoBytes.size() - 1); // just past the group
}

TEST_F(DebugInfoTest, ModifierChainsLinkEachEntryToTheNext) {
    //                                                       size sg ptr off arr adim pdim line
    runAll({declaration(DIR_VARIABLE, "grid", "int", {32, 0, 1, 0, 1, 2, 1, 5}),
            declaration(DIR_VARIABLE, "cv", "char", {8, 0, 0, 2, 0, 0, 0, 6}, {"const", "volatile"})});
    std::vector<DecodedEntry> d = build();
    ASSERT_EQ(d.size(), 7u);
    EXPECT_EQ(d[0].tag, DW_TAG_variable);
    EXPECT_EQ(d[1].tag, DW_TAG_array_type);
    EXPECT_EQ(d[2].tag, DW_TAG_array_type);
    EXPECT_EQ(d[3].tag, DW_TAG_pointer_type);
    for (int i : {0, 1, 2}) EXPECT_EQ(target(d[i]).offset, d[i + 1].offset) << i;
    EXPECT_EQ(target(d[3]).name(), "int");
    EXPECT_EQ(d[1].value(DW_AT_byte_size), 4u);

    EXPECT_EQ(d[5].tag, DW_TAG_const_type);
    EXPECT_EQ(d[6].tag, DW_TAG_volatile_type);
    EXPECT_FALSE(d[5].has(DW_AT_byte_size));
    EXPECT_EQ(target(d[4]).offset, d[5].offset);
    EXPECT_EQ(target(d[6]).name(), "char");
}

TEST_F(DebugInfoTest, StaticVariableMissingFromSymtabFailsWith3010) {
    Symbol label;
    label.name = "lost";
    ASSERT_EQ(stInsertSymbol(label, labelTable.get()), 0);
    ASSERT_EQ(addElfSymbol(state.get(), "other", 0, 0, 0, 0, 2, 1), 0);
    runAll({declaration(DIR_VARIABLE, "lost", "int", {32, 0, 0, -1, 0, 0, 0, 1})});
    EXPECT_EQ(buildDebugInfo(state.get()), -1);
    EXPECT_EQ(codes(), std::vector<int>{3010});
}

TEST_F(DebugInfoTest, EnumGroupAndAnExternVariableOfItsType) {
    runAll({named(DIR_ENUM, "Color"), named(DIR_ENUMERATOR, "RED", -1), named(DIR_ENUMERATOR, "BLUE", 7),
            named(DIR_ENUM_END, "Color"),
            declaration(DIR_VARIABLE, "c", "Color", {32, 0, 0, 0, 0, 0, 0, 2}, {"extern"})});
    std::vector<DecodedEntry> d = build();
    ASSERT_EQ(d.size(), 4u);
    EXPECT_FALSE(d[3].has(DW_AT_decl_file)); // extern: no declaration place
    EXPECT_EQ(d[3].value(DW_AT_external), 1u);
    EXPECT_EQ(d[0].tag, DW_TAG_enumeration_type);
    EXPECT_EQ(d[0].value(DW_AT_byte_size), 4u);
    EXPECT_EQ(d[0].value(DW_AT_sibling), d[3].offset);
    EXPECT_EQ(d[1].tag, DW_TAG_enumerator);
    EXPECT_EQ(d[1].value(DW_AT_const_value), 0xFFFFFFFFu);
    EXPECT_EQ(d[2].value(DW_AT_const_value), 7u);
    EXPECT_EQ(target(d[3]).offset, d[0].offset);
}

} // namespace
