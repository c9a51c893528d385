// The vocabulary of the object file, shared by the assembler that writes it and
// zorlan-objdump that reads it back: file types and identification, section types and
// flags, the predefined sections, relocation types and the .symtab info byte. A number
// that has a name is one row of a .def file beside this header, next to its name and
// what else belongs to it; the enums, constants and name tables here are expanded from
// those rows, so the writer and the reader cannot come to disagree.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>

// The name in the row of a table whose `value` is `value`, or null. (The lookups return
// fields rather than row pointers: some compilers' sanitizer builds cannot compare a
// pointer into a table with null in a constant expression.)
template <typename Row, size_t N> constexpr const char* formatName(const Row (&rows)[N], uint32_t value) {
    for (const Row& row : rows)
        if (row.value == value) return row.name;
    return nullptr;
}

// Whether no two rows of a table share a value.
template <typename Row, size_t N> constexpr bool formatValuesDistinct(const Row (&rows)[N]) {
    for (size_t i = 0; i < N; ++i)
        for (size_t j = i + 1; j < N; ++j)
            if (rows[i].value == rows[j].value) return false;
    return true;
}

// A number and the name a listing shows for it.
struct FormatName {
    uint32_t value;
    const char* name;
};

// ---- File header ----

#define ELF_FILE_TYPE(enumerator, number, word) constexpr int enumerator = number;
#include "format/elfFileTypes.def"
#undef ELF_FILE_TYPE

inline constexpr FormatName kElfFileTypeNames[] = {
#define ELF_FILE_TYPE(enumerator, number, word) {enumerator, word},
#include "format/elfFileTypes.def"
#undef ELF_FILE_TYPE
};
static_assert(formatValuesDistinct(kElfFileTypeNames));

constexpr const char* elfFileTypeName(uint32_t type) {
    return formatName(kElfFileTypeNames, type);
}

// e_ident: the magic, then 32-bit class, little-endian data and the current version in
// the bytes EI_CLASS, EI_DATA and EI_VERSION; the last byte is 16.
constexpr size_t kElfMagicSize = 4;
constexpr size_t EI_CLASS = 4;
constexpr size_t EI_DATA = 5;
constexpr size_t EI_VERSION = 6;
constexpr uint8_t ELF_CLASS32 = 1;
constexpr uint8_t ELF_DATA_LSB = 1;
constexpr uint8_t ELF_EV_CURRENT = 1; // also e_version
inline constexpr uint8_t kElfIdent[16] = {
    0x7F, 'E', 'L', 'F', ELF_CLASS32, ELF_DATA_LSB, ELF_EV_CURRENT, 0, 0, 0, 0, 0, 0, 0, 0, 16};

// ---- Sections ----

#define SECTION_TYPE(enumerator, number, name) constexpr uint32_t enumerator = number;
#include "format/sectionTypes.def"
#undef SECTION_TYPE

inline constexpr FormatName kSectionTypeNames[] = {
#define SECTION_TYPE(enumerator, number, name) {enumerator, name},
#include "format/sectionTypes.def"
#undef SECTION_TYPE
};
static_assert(formatValuesDistinct(kSectionTypeNames));

// The name a listing shows for a section type; null for one it shows as a number.
constexpr const char* sectionTypeName(uint32_t type) {
    return formatName(kSectionTypeNames, type);
}

#define SECTION_FLAG(enumerator, bits, letter, directiveLetter) constexpr uint32_t enumerator = bits;
#include "format/sectionFlags.def"
#undef SECTION_FLAG

struct SectionFlagRow {
    uint32_t value;
    char letter;          // in listings
    char directiveLetter; // lower case, accepted in either case by .SECTION; 0 for none
};

inline constexpr SectionFlagRow kSectionFlags[] = {
#define SECTION_FLAG(enumerator, bits, letter, directiveLetter) {enumerator, letter, directiveLetter},
#include "format/sectionFlags.def"
#undef SECTION_FLAG
};
static_assert(formatValuesDistinct(kSectionFlags));

// Section numbers (ordinals) of the predefined sections, in table order.
enum SectionOrdinal {
#define PREDEFINED_SECTION(enumerator, name, type, flags, relocates) enumerator,
#include "format/predefinedSections.def"
#undef PREDEFINED_SECTION
};

struct PredefinedSection {
    const char* name;
    uint32_t type;
    uint32_t flags;
    int relocates; // the ordinal of the section whose relocation entries it holds, -1 for none
};

inline constexpr PredefinedSection kPredefinedSectionTable[] = {
#define PREDEFINED_SECTION(enumerator, name, type, flags, relocates) {name, type, flags, relocates},
#include "format/predefinedSections.def"
#undef PREDEFINED_SECTION
};
constexpr int kPredefinedSections =
    static_cast<int>(sizeof kPredefinedSectionTable / sizeof(PredefinedSection));

constexpr const char* predefinedSectionName(SectionOrdinal ordinal) {
    return kPredefinedSectionTable[ordinal].name;
}

// The name of the section whose relocation entries the predefined section of that name
// holds (.text for .rel.text), or null.
constexpr const char* relocatedSectionName(std::string_view relocationSection) {
    for (const PredefinedSection& row : kPredefinedSectionTable)
        if (row.relocates >= 0 && relocationSection == row.name)
            return kPredefinedSectionTable[row.relocates].name;
    return nullptr;
}

// ---- Relocations ----

// What an entry's r_offset counts and whether it names a symbol (relocationTypes.def).
enum RelocationSite : uint8_t { RS_UNKNOWN, RS_INSTRUCTION, RS_POINTER, RS_DEBUG_UNIT, RS_DEBUG_SYMBOL };

enum RelocationType : uint8_t {
#define RELOCATION_TYPE(enumerator, number, name, site) enumerator = number,
#include "format/relocationTypes.def"
#undef RELOCATION_TYPE
};

struct RelocationTypeRow {
    uint32_t value;
    const char* name;
    RelocationSite site;
};

inline constexpr RelocationTypeRow kRelocationTypes[] = {
#define RELOCATION_TYPE(enumerator, number, name, site) {enumerator, name, site},
#include "format/relocationTypes.def"
#undef RELOCATION_TYPE
};
static_assert(formatValuesDistinct(kRelocationTypes));

constexpr const char* relocationTypeName(uint32_t type) {
    return formatName(kRelocationTypes, type);
}

constexpr RelocationSite relocationSite(uint32_t type) {
    for (const RelocationTypeRow& row : kRelocationTypes)
        if (row.value == type) return row.site;
    return RS_UNKNOWN;
}

// r_info holds the type in bits 0-7 and the symbol index in bits 16-31.
constexpr uint32_t relocationInfo(uint32_t symbolIndex, uint32_t type) {
    return (symbolIndex << 16) | (type & 0xFF);
}
constexpr uint32_t relocationSymbolOf(uint32_t info) {
    return info >> 16;
}
constexpr uint32_t relocationTypeOf(uint32_t info) {
    return info & 0xFF;
}

// ---- Symbols ----

enum SymbolBinding : uint8_t {
#define SYMBOL_BINDING(enumerator, value, name) enumerator = value,
#include "format/symbolBindings.def"
#undef SYMBOL_BINDING
};

inline constexpr FormatName kSymbolBindingNames[] = {
#define SYMBOL_BINDING(enumerator, value, name) {enumerator, name},
#include "format/symbolBindings.def"
#undef SYMBOL_BINDING
};
static_assert(formatValuesDistinct(kSymbolBindingNames));

enum SymbolKind : uint8_t {
#define SYMBOL_KIND(enumerator, value, name) enumerator = value,
#include "format/symbolKinds.def"
#undef SYMBOL_KIND
};

inline constexpr FormatName kSymbolKindNames[] = {
#define SYMBOL_KIND(enumerator, value, name) {enumerator, name},
#include "format/symbolKinds.def"
#undef SYMBOL_KIND
};
static_assert(formatValuesDistinct(kSymbolKindNames));

// The info byte: binding in the upper nibble, kind in the lower.
constexpr uint8_t symbolInfo(uint32_t binding, uint32_t kind) {
    return static_cast<uint8_t>(binding * 16 + kind);
}
constexpr uint8_t symbolBindingOf(uint8_t info) {
    return static_cast<uint8_t>(info >> 4);
}
constexpr uint8_t symbolKindOf(uint8_t info) {
    return static_cast<uint8_t>(info & 0xF);
}

constexpr const char* symbolBindingName(uint32_t binding) {
    return formatName(kSymbolBindingNames, binding);
}
constexpr const char* symbolKindName(uint32_t kind) {
    return formatName(kSymbolKindNames, kind);
}

// The value of a name declared .WEAK, which has no place in its section.
constexpr uint32_t kWeakSymbolValue = 0xFFFF;
