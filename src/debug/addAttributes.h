// Writing debug entries: each entry gets its own abbreviation (code n for the n-th
// entry), and each attribute is written in the one form it always uses.
#pragma once

#include <cstdint>
#include <string>

struct DebugInfoBuilder;

// DWARF 2 tags used by the builder.
enum DwarfTag {
    DW_TAG_array_type = 0x01,
    DW_TAG_enumeration_type = 0x04,
    DW_TAG_formal_parameter = 0x05,
    DW_TAG_member = 0x0d,
    DW_TAG_pointer_type = 0x0f,
    DW_TAG_compile_unit = 0x11,
    DW_TAG_structure_type = 0x13,
    DW_TAG_typedef = 0x16,
    DW_TAG_union_type = 0x17,
    DW_TAG_base_type = 0x24,
    DW_TAG_const_type = 0x26,
    DW_TAG_enumerator = 0x28,
    DW_TAG_subprogram = 0x2e,
    DW_TAG_variable = 0x34,
    DW_TAG_volatile_type = 0x35,
};

// DWARF 2 attributes used by the builder.
enum DwarfAttribute {
    DW_AT_sibling = 0x01,
    DW_AT_location = 0x02,
    DW_AT_name = 0x03,
    DW_AT_byte_size = 0x0b,
    DW_AT_bit_offset = 0x0c,
    DW_AT_bit_size = 0x0d,
    DW_AT_stmt_list = 0x10,
    DW_AT_low_pc = 0x11,
    DW_AT_high_pc = 0x12,
    DW_AT_language = 0x13,
    DW_AT_comp_dir = 0x1b,
    DW_AT_const_value = 0x1c,
    DW_AT_producer = 0x25,
    DW_AT_prototyped = 0x27,
    DW_AT_return_addr = 0x2a,
    DW_AT_data_member_location = 0x38,
    DW_AT_decl_file = 0x3a,
    DW_AT_decl_line = 0x3b,
    DW_AT_encoding = 0x3e,
    DW_AT_external = 0x3f,
    DW_AT_static_link = 0x48,
    DW_AT_type = 0x49,
};

enum DwarfForm {
    DW_FORM_addr = 0x01,
    DW_FORM_data2 = 0x05,
    DW_FORM_data4 = 0x06,
    DW_FORM_string = 0x08,
    DW_FORM_data1 = 0x0b,
    DW_FORM_flag = 0x0c,
    DW_FORM_ref4 = 0x13,
};

// The form an attribute is always written in; 0 for an attribute the builder does not use.
int32_t attributeForm(int32_t attribute);

// Starts the next entry of the builder: its abbreviation (code, tag,
// children flag) and its first value, the code as ULEB128. Returns the entry's offset.
int32_t beginEntry(DebugInfoBuilder& b, int32_t tag, bool hasChildren);
// Adds a numeric attribute in its form's width; returns the value's offset.
int32_t addAttribute(DebugInfoBuilder& b, int32_t attribute, uint32_t value);
// Adds a string attribute; a name attribute also names the entry for type look-ups.
int32_t addStringAttribute(DebugInfoBuilder& b, int32_t attribute, const std::string& text);
// Closes the abbreviation and advances the entry counters.
void endEntry(DebugInfoBuilder& b);
