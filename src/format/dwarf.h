// The DWARF 2 vocabulary of the debug sections, shared by the debug-information builder
// and zorlan-objdump's debug views: tags, attributes with the form each is written in,
// forms, base-type encodings, languages and line-program opcodes. The numbers and names
// are rows of the dwarf*.def files beside this header.
#pragma once

#include "format/objectFormat.h"

#include <cstdint>

// The compile-unit header that opens .debug_info: unit_length (4 bytes), version (2),
// debug_abbrev_offset (4) and address_size (1).
constexpr uint32_t kDwarfUnitHeaderSize = 11;
constexpr uint32_t kDwarfUnitAbbrevOffset = 6; // where debug_abbrev_offset lies

enum DwarfTag {
#define DWARF_TAG(enumerator, number) enumerator = number,
#include "format/dwarfTags.def"
#undef DWARF_TAG
};

enum DwarfForm {
#define DWARF_FORM(enumerator, number, name) enumerator = number,
#include "format/dwarfForms.def"
#undef DWARF_FORM
};

enum DwarfAttribute {
#define DWARF_ATTRIBUTE(enumerator, number, form) enumerator = number,
#include "format/dwarfAttributes.def"
#undef DWARF_ATTRIBUTE
};

enum DwarfEncoding {
#define DWARF_ENCODING(enumerator, number, name) enumerator = number,
#include "format/dwarfEncodings.def"
#undef DWARF_ENCODING
};

enum DwarfLanguage {
#define DWARF_LANGUAGE(enumerator, number, name) enumerator = number,
#include "format/dwarfLanguages.def"
#undef DWARF_LANGUAGE
};

// Line-program opcodes: the standard ones, and the extended ones that follow a 0 byte
// and a length.
enum DwarfLineOpcode {
    DW_LNS_copy = 1,
    DW_LNS_advance_pc = 2,
    DW_LNS_advance_line = 3,
    DW_LNS_set_file = 4,
    DW_LNS_set_column = 5,
    DW_LNS_negate_stmt = 6,
    DW_LNS_set_basic_block = 7,
    DW_LNS_const_add_pc = 8,
    DW_LNS_fixed_advance_pc = 9,
};
enum DwarfLineExtendedOpcode {
    DW_LNE_end_sequence = 1,
    DW_LNE_set_address = 2,
    DW_LNE_define_file = 3,
};

inline constexpr FormatName kDwarfTagNames[] = {
#define DWARF_TAG(enumerator, number) {enumerator, #enumerator},
#include "format/dwarfTags.def"
#undef DWARF_TAG
};
static_assert(formatValuesDistinct(kDwarfTagNames));

inline constexpr FormatName kDwarfFormNames[] = {
#define DWARF_FORM(enumerator, number, name) {enumerator, name},
#include "format/dwarfForms.def"
#undef DWARF_FORM
};
static_assert(formatValuesDistinct(kDwarfFormNames));

struct DwarfAttributeRow {
    uint32_t value;
    const char* name;
    DwarfForm form;
};

inline constexpr DwarfAttributeRow kDwarfAttributes[] = {
#define DWARF_ATTRIBUTE(enumerator, number, form) {enumerator, #enumerator, form},
#include "format/dwarfAttributes.def"
#undef DWARF_ATTRIBUTE
};
static_assert(formatValuesDistinct(kDwarfAttributes));

inline constexpr FormatName kDwarfEncodingNames[] = {
#define DWARF_ENCODING(enumerator, number, name) {enumerator, name},
#include "format/dwarfEncodings.def"
#undef DWARF_ENCODING
};
static_assert(formatValuesDistinct(kDwarfEncodingNames));

inline constexpr FormatName kDwarfLanguageNames[] = {
#define DWARF_LANGUAGE(enumerator, number, name) {enumerator, name},
#include "format/dwarfLanguages.def"
#undef DWARF_LANGUAGE
};
static_assert(formatValuesDistinct(kDwarfLanguageNames));

// Names for listings; null for a number without a row.
constexpr const char* dwarfTagName(uint32_t tag) {
    return formatName(kDwarfTagNames, tag);
}
constexpr const char* dwarfAttributeName(uint32_t attribute) {
    return formatName(kDwarfAttributes, attribute);
}
constexpr const char* dwarfFormName(uint32_t form) {
    return formatName(kDwarfFormNames, form);
}
constexpr const char* dwarfEncodingName(uint32_t encoding) {
    return formatName(kDwarfEncodingNames, encoding);
}
constexpr const char* dwarfLanguageName(uint32_t language) {
    return formatName(kDwarfLanguageNames, language);
}

// The attributes' forms indexed by attribute number, built from the rows above: the
// debug builder looks a form up for every attribute it writes.
inline constexpr uint32_t kFormIndexSize = 0x80;
struct DwarfFormIndex {
    uint8_t form[kFormIndexSize] = {};
};
constexpr DwarfFormIndex makeDwarfFormIndex() {
    DwarfFormIndex index;
    for (const DwarfAttributeRow& row : kDwarfAttributes)
        index.form[row.value] = static_cast<uint8_t>(row.form);
    return index;
}
constexpr bool formsFitTheIndex() {
    for (const DwarfAttributeRow& row : kDwarfAttributes)
        if (row.value >= kFormIndexSize || static_cast<int>(row.form) == 0) return false;
    return true;
}
static_assert(formsFitTheIndex(), "an attribute number outgrows the form index, or a row has no form");
inline constexpr DwarfFormIndex kDwarfFormIndex = makeDwarfFormIndex();

// The form an attribute is always written in; 0 for an attribute the builder does not use.
constexpr int32_t dwarfAttributeForm(uint32_t attribute) {
    return attribute < kFormIndexSize ? kDwarfFormIndex.form[attribute] : 0;
}
