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

TEST_F(DebugInfoTest, CompileUnitAndBaseTypesWhenNoDeclarationIsComplete) {
    state->debugFileName = "C:\\work\\prog.c";
    ensureTailBlock(state.get(), SEC_TEXT);
    state->textLoc() = 0x20;
    state->firstTextOrigin = 8;
    runAll({named(DIR_ENUM, "never_closed"), named(DIR_ENUMERATOR, "A", 1)});
    EXPECT_TRUE(build().empty());

    ASSERT_EQ(all.size(), 19u);
    for (size_t i = 0; i < all.size(); ++i) EXPECT_EQ(all[i].code, i + 1);
    const std::vector<uint8_t>& info = state->debugInfoBytes;
    EXPECT_EQ(readLe(info, 0, 4), info.size()); // the whole section, itself included
    EXPECT_EQ(readLe(info, 4, 2), 2u);
    EXPECT_EQ(readLe(info, 6, 4), 0u);
    EXPECT_EQ(info[10], 4);

    const DecodedEntry& cu = all[0];
    EXPECT_EQ(cu.tag, DW_TAG_compile_unit);
    EXPECT_EQ(cu.children, 1);
    EXPECT_EQ(cu.name(), "prog.c");
    EXPECT_EQ(cu.find(DW_AT_producer)->text, "Quillonix");
    EXPECT_EQ(cu.find(DW_AT_comp_dir)->text, "C:\\work\\");
    EXPECT_EQ(cu.value(DW_AT_language), 1u);
    EXPECT_EQ(cu.value(DW_AT_low_pc), 8u);
    EXPECT_EQ(cu.value(DW_AT_high_pc), 0x21u);
    EXPECT_EQ(cu.value(DW_AT_stmt_list), 0u);

    EXPECT_EQ(all[1].name(), "void");
    EXPECT_EQ(all[6].name(), "int");
    EXPECT_EQ(all[6].value(DW_AT_bit_size), 32u);
    EXPECT_EQ(all[6].value(DW_AT_byte_size), 4u);
    EXPECT_EQ(all[6].value(DW_AT_encoding), 5u);
    EXPECT_EQ(all[3].name(), "unsigned char");
    EXPECT_EQ(all[3].value(DW_AT_encoding), 8u);
    EXPECT_EQ(all[18].name(), "introm");
    EXPECT_EQ(all[18].find(DW_AT_bit_size)->form, DW_FORM_data2);
    EXPECT_EQ(all[18].find(DW_AT_encoding)->form, DW_FORM_data1);

    ASSERT_EQ(state->debugReloc.size(), 3u);
    EXPECT_EQ(state->debugReloc[0].r_offset, 6u);
    EXPECT_EQ(state->debugReloc[0].r_info, 18u);
    EXPECT_EQ(state->debugReloc[1].r_offset, cu.find(DW_AT_low_pc)->position);
    EXPECT_EQ(state->debugReloc[1].r_info, 19u);
    EXPECT_EQ(state->debugReloc[1].r_addend, 0);
    EXPECT_EQ(state->debugReloc[2].r_offset, cu.find(DW_AT_stmt_list)->position);
    EXPECT_EQ(state->debugReloc[2].r_info, 22u);
    EXPECT_EQ(state->debugReloc[2].r_addend, 4);
}

TEST_F(DebugInfoTest, WithoutCodeOnlyTheAbbreviationOffsetIsRelocated) {
    build();
    ASSERT_EQ(state->debugReloc.size(), 1u);
    EXPECT_EQ(state->debugReloc[0].r_info, 18u);
    EXPECT_EQ(all[0].find(DW_AT_comp_dir)->text, ".");
}

TEST_F(DebugInfoTest, MissingFileNameFailsAndLeavesNothing) {
    state->debugFileName.reset();
    EXPECT_EQ(buildDebugInfo(state.get()), -1);
    EXPECT_EQ(codes(), std::vector<int>{3008});
    EXPECT_TRUE(state->debugInfoBytes.empty());
    EXPECT_TRUE(state->debugAbbrev.empty());
    EXPECT_TRUE(state->debugReloc.empty());
}

TEST_F(DebugInfoTest, VariablesReferToTypesByNameIncludingLaterTypedefs) {
    runAll({declaration(DIR_VARIABLE, "x", "int", {32, 1, 0, 6, 0, 0, 0, 12}),
            declaration(DIR_VARIABLE, "y", "myint", {32, 1, 0, 8, 0, 0, 0, 13}),
            declaration(DIR_VARIABLE, "e", "int", {32, 1, 0, 10, 0, 0, 0, 14}, {"extern"}),
            typedefOf("myint", "unsigned int")});
    std::vector<DecodedEntry> d = build();
    ASSERT_EQ(d.size(), 4u);
    EXPECT_EQ(d[0].tag, DW_TAG_variable);
    EXPECT_EQ(target(d[0]).name(), "int");
    EXPECT_EQ(target(d[0]).tag, DW_TAG_base_type);
    EXPECT_EQ(d[0].value(DW_AT_decl_file), 1u);
    EXPECT_EQ(d[0].value(DW_AT_decl_line), 12u);
    EXPECT_EQ(d[0].value(DW_AT_location), 6u);
    EXPECT_EQ(d[0].find(DW_AT_external), nullptr);

    EXPECT_EQ(target(d[1]).offset, d[3].offset); // resolved once the typedef exists
    EXPECT_EQ(target(d[3]).name(), "unsigned int");

    EXPECT_EQ(d[2].find(DW_AT_decl_file), nullptr);
    EXPECT_EQ(d[2].value(DW_AT_external), 1u);
    EXPECT_TRUE(state->debugReloc.size() == 1u) << "no code, no static variable: only the header";
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

TEST_F(DebugInfoTest, UnknownTypeIsReportedAtTheDirectiveLine) {
    state->lineNumber = 42;
    runAll({declaration(DIR_VARIABLE, "v", "nosuch", {16, 0, 0, 0, 0, 0, 0, 3})});
    state->lineNumber = 99;
    EXPECT_EQ(buildDebugInfo(state.get()), -1);
    ASSERT_EQ(diagnostics().size(), 1u);
    EXPECT_EQ(diagnostics()[0].line, 42);
}

TEST_F(DebugInfoTest, MembersGetBitAndByteOffsetsAndTheGroupASibling) {
    runAll({named(DIR_STRUCT, "S", 40), declaration(DIR_STRUCTMEM, "a", "char", {3}),
            declaration(DIR_STRUCTMEM, "b", "char", {8}), declaration(DIR_STRUCTMEM, "c", "char", {5}),
            declaration(DIR_STRUCTMEM, "d", "S", {16, 0, 1, 0, 0, 0, 1}), named(DIR_STRUCT_END, "S"),
            named(DIR_UNION, "U", 8), declaration(DIR_UNIONMEM, "u1", "char", {3}),
            declaration(DIR_UNIONMEM, "u2", "char", {8}), named(DIR_UNION_END, "U")});
    std::vector<DecodedEntry> d = build();
    ASSERT_EQ(d.size(), 9u);
    const DecodedEntry &s = d[0], &a = d[1], &b = d[2], &c = d[3], &dm = d[4], &ptr = d[5];
    EXPECT_EQ(s.tag, DW_TAG_structure_type);
    EXPECT_EQ(s.children, 1);
    EXPECT_EQ(s.value(DW_AT_bit_size), 40u);
    EXPECT_EQ(s.value(DW_AT_sibling), d[6].offset);

    EXPECT_EQ(a.value(DW_AT_bit_size), 3u);
    EXPECT_EQ(a.value(DW_AT_bit_offset), 0u);
    EXPECT_EQ(a.value(DW_AT_data_member_location), 0u);
    EXPECT_EQ(a.find(DW_AT_byte_size), nullptr);
    EXPECT_EQ(b.value(DW_AT_byte_size), 1u);
    EXPECT_EQ(b.find(DW_AT_bit_offset), nullptr);
    EXPECT_EQ(b.value(DW_AT_data_member_location), 1u); // 3 / 8 + 1
    EXPECT_EQ(c.value(DW_AT_bit_offset), 3u);
    EXPECT_EQ(c.value(DW_AT_data_member_location), 2u);
    EXPECT_EQ(dm.value(DW_AT_data_member_location), 3u);
    EXPECT_EQ(dm.find(DW_AT_data_member_location)->form, DW_FORM_ref4);

    // A pointer member: its chain follows it and ends at the struct itself.
    EXPECT_EQ(target(dm).offset, ptr.offset);
    EXPECT_EQ(ptr.tag, DW_TAG_pointer_type);
    EXPECT_EQ(ptr.value(DW_AT_byte_size), 2u);
    EXPECT_EQ(target(ptr).offset, s.offset);

    const DecodedEntry& u = d[6];
    EXPECT_EQ(u.tag, DW_TAG_union_type);
    EXPECT_EQ(d[7].find(DW_AT_data_member_location), nullptr);
    EXPECT_EQ(d[8].find(DW_AT_data_member_location), nullptr);
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
    EXPECT_EQ(d[5].find(DW_AT_byte_size), nullptr);
    EXPECT_EQ(target(d[4]).offset, d[5].offset);
    EXPECT_EQ(target(d[6]).name(), "char");
}

TEST_F(DebugInfoTest, FunctionGroupWithParametersLocalsAndRelocations) {
    ensureTailBlock(state.get(), SEC_TEXT);
    ASSERT_EQ(addElfSymbol(state.get(), "helper", 0, 0, 0, 0, 2, 1), 0);
    ASSERT_EQ(addElfSymbol(state.get(), "main", 0, 0, 0, 2, 2, 1), 0);
    Symbol label;
    label.name = "total";
    ASSERT_EQ(stInsertSymbol(label, labelTable.get()), 0);
    ASSERT_EQ(addElfSymbol(state.get(), "total", 0, 0, 1, 0, 2, 1), 0);

    state->currentSection = SEC_TEXT;
    state->textLoc() = 4;
    runAll({declaration(DIR_VARIABLE, "count", "int", {32, 0, 0, 2, 0, 0, 0, 9}),
            declaration(DIR_FUNCTION, "main", "", {}, {"extern"}),
            declaration(DIR_PARAMETER, "argc", "int", {32, 0, 0, 4, 0, 0, 0, 8}),
            declaration(DIR_RETURN, "", "short", {16, 0, 0, 0x1234}),
            declaration(DIR_VARIABLE, "total", "int", {32, 0, 0, -1, 0, 0, 0, 10}, {"static"})});
    state->textLoc() = 20;
    ASSERT_EQ(run(named(DIR_FUNC_END, "main")), 0);
    std::vector<DecodedEntry> d = build();
    ASSERT_EQ(d.size(), 4u);

    const DecodedEntry& f = d[0];
    EXPECT_EQ(f.tag, DW_TAG_subprogram);
    EXPECT_EQ(f.name(), "main");
    EXPECT_EQ(f.value(DW_AT_low_pc), 4u);
    EXPECT_EQ(f.value(DW_AT_high_pc), 21u);
    EXPECT_EQ(f.value(DW_AT_external), 1u);
    EXPECT_EQ(f.value(DW_AT_prototyped), 1u);
    EXPECT_EQ(f.value(DW_AT_return_addr), 0x1234u);
    EXPECT_EQ(target(f).name(), "short");
    EXPECT_EQ(f.value(DW_AT_sibling), state->debugInfoBytes.size() - 1);

    EXPECT_EQ(d[1].tag, DW_TAG_formal_parameter);
    EXPECT_EQ(d[1].value(DW_AT_location), 4u);
    EXPECT_EQ(d[1].value(DW_AT_decl_line), 8u);
    EXPECT_EQ(target(d[1]).name(), "int");
    EXPECT_EQ(d[2].name(), "count"); // locals in order, after the parameters
    EXPECT_EQ(d[2].value(DW_AT_location), 2u);
    EXPECT_EQ(d[3].name(), "total");
    EXPECT_EQ(d[3].value(DW_AT_static_link), 1u);

    // Header, CU low_pc, CU stmt_list, the function's low_pc, the static local.
    ASSERT_EQ(state->debugReloc.size(), 5u);
    const RelocationEntry& fn = state->debugReloc[3];
    EXPECT_EQ(fn.r_offset, f.find(DW_AT_low_pc)->position);
    EXPECT_EQ(fn.r_info, (1u << 16) + 20);
    EXPECT_EQ(fn.r_addend, 4);
    const RelocationEntry& var = state->debugReloc[4];
    EXPECT_EQ(var.r_offset, d[3].find(DW_AT_location)->position);
    EXPECT_EQ(var.r_info, (2u << 16) + 21);
    EXPECT_EQ(var.r_addend, 4);
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

TEST_F(DebugInfoTest, EnumGroupWithEnumerators) {
    runAll({named(DIR_ENUM, "Color"), named(DIR_ENUMERATOR, "RED", -1), named(DIR_ENUMERATOR, "BLUE", 7),
            named(DIR_ENUM_END, "Color"),
            declaration(DIR_VARIABLE, "c", "Color", {32, 0, 0, 0, 0, 0, 0, 2})});
    std::vector<DecodedEntry> d = build();
    ASSERT_EQ(d.size(), 4u);
    EXPECT_EQ(d[0].tag, DW_TAG_enumeration_type);
    EXPECT_EQ(d[0].value(DW_AT_byte_size), 4u);
    EXPECT_EQ(d[0].value(DW_AT_sibling), d[3].offset);
    EXPECT_EQ(d[1].tag, DW_TAG_enumerator);
    EXPECT_EQ(d[1].value(DW_AT_const_value), 0xFFFFFFFFu);
    EXPECT_EQ(d[2].value(DW_AT_const_value), 7u);
    EXPECT_EQ(target(d[3]).offset, d[0].offset);
}

} // namespace
