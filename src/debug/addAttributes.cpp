#include "debug/addAttributes.h"

#include "debug/dbgInfo.h"
#include "debug/dbgUtil.h"
#include "symbols/assemblerState.h"

namespace {

struct AttributeForm {
    int32_t attribute;
    int32_t form;
};

const AttributeForm kAttributeForms[] = {
    {DW_AT_sibling, DW_FORM_ref4},      {DW_AT_location, DW_FORM_data4},
    {DW_AT_name, DW_FORM_string},       {DW_AT_byte_size, DW_FORM_data2},
    {DW_AT_bit_offset, DW_FORM_data4},  {DW_AT_bit_size, DW_FORM_data2},
    {DW_AT_stmt_list, DW_FORM_data4},   {DW_AT_low_pc, DW_FORM_addr},
    {DW_AT_high_pc, DW_FORM_addr},      {DW_AT_language, DW_FORM_data2},
    {DW_AT_comp_dir, DW_FORM_string},   {DW_AT_const_value, DW_FORM_data4},
    {DW_AT_producer, DW_FORM_string},   {DW_AT_prototyped, DW_FORM_flag},
    {DW_AT_return_addr, DW_FORM_data4}, {DW_AT_data_member_location, DW_FORM_ref4},
    {DW_AT_decl_file, DW_FORM_data4},   {DW_AT_decl_line, DW_FORM_data4},
    {DW_AT_encoding, DW_FORM_data1},    {DW_AT_external, DW_FORM_flag},
    {DW_AT_static_link, DW_FORM_flag},  {DW_AT_type, DW_FORM_ref4},
};

void addPair(DebugInfoBuilder& b, int32_t attribute, int32_t form) {
    appendUleb128(b.abbrev, static_cast<uint32_t>(attribute));
    appendUleb128(b.abbrev, static_cast<uint32_t>(form));
    b.attrCtr++;
}

int32_t here(const DebugInfoBuilder& b) {
    return static_cast<int32_t>(b.info.size());
}

} // namespace

int32_t attributeForm(int32_t attribute) {
    for (const AttributeForm& row : kAttributeForms)
        if (row.attribute == attribute) return row.form;
    return 0;
}

int32_t beginEntry(DebugInfoBuilder& b, int32_t tag, bool hasChildren) {
    appendUleb128(b.abbrev, static_cast<uint32_t>(b.abbrevCtr));
    appendUleb128(b.abbrev, static_cast<uint32_t>(tag));
    b.abbrev.push_back(hasChildren ? 1 : 0);
    int32_t offset = here(b);
    appendUleb128(b.info, static_cast<uint32_t>(b.dbgCtr));
    b.currentEntry = offset;
    b.entryName.reset();
    return offset;
}

int32_t addAttribute(DebugInfoBuilder& b, int32_t attribute, uint32_t value) {
    int32_t form = attributeForm(attribute);
    addPair(b, attribute, form);
    int32_t offset = here(b);
    switch (form) {
        case DW_FORM_data1:
        case DW_FORM_flag:
            appendU8(b.info, value);
            break;
        case DW_FORM_data2:
            appendU16(b.info, value);
            break;
        default:
            appendU32(b.info, value);
            break; // addr (4-byte addresses), data4, ref4
    }
    return offset;
}

int32_t addStringAttribute(DebugInfoBuilder& b, int32_t attribute, const std::string& text) {
    addPair(b, attribute, DW_FORM_string);
    int32_t offset = here(b);
    appendCString(b.info, text);
    if (attribute == DW_AT_name && !b.entryName) b.entryName = text;
    return offset;
}

void endEntry(DebugInfoBuilder& b) {
    b.abbrev.push_back(0);
    b.abbrev.push_back(0);
    // Type look-ups find the first completed entry of a name, so a later entry of the
    // same name never shadows it.
    if (b.entryName) {
        b.entryByName.try_emplace(std::move(*b.entryName), b.currentEntry);
        b.entryName.reset();
    }
    b.abbrevCtr++;
    b.dbgCtr++;
}
