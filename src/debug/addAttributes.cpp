#include "debug/addAttributes.h"

#include "debug/dbgInfo.h"
#include "debug/dbgUtil.h"
#include "symbols/assemblerState.h"

namespace {

// addAttribute writes a number in one, two or four bytes and addStringAttribute a string;
// an attribute given any other form in format/dwarfAttributes.def would be written in a
// width its abbreviation does not announce.
constexpr bool writtenForm(DwarfForm form) {
    switch (form) {
        case DW_FORM_data1:
        case DW_FORM_flag:
        case DW_FORM_data2:
        case DW_FORM_addr:
        case DW_FORM_data4:
        case DW_FORM_ref4:
        case DW_FORM_string:
            return true;
        default:
            return false;
    }
}
constexpr bool everyAttributeWritten() {
    for (const DwarfAttributeRow& row : kDwarfAttributes)
        if (!writtenForm(row.form)) return false;
    return true;
}
static_assert(everyAttributeWritten());

void addPair(DebugInfoBuilder& b, int32_t attribute, int32_t form) {
    appendUleb128(b.abbrev, static_cast<uint32_t>(attribute));
    appendUleb128(b.abbrev, static_cast<uint32_t>(form));
    b.attrCtr++;
}

int32_t here(const DebugInfoBuilder& b) {
    return static_cast<int32_t>(b.info.size());
}

} // namespace

int32_t beginEntry(DebugInfoBuilder& b, int32_t tag, bool hasChildren) {
    appendUleb128(b.abbrev, static_cast<uint32_t>(b.abbrevCtr));
    appendUleb128(b.abbrev, static_cast<uint32_t>(tag));
    b.abbrev.push_back(hasChildren ? 1 : 0);
    int32_t offset = here(b);
    appendUleb128(b.info, static_cast<uint32_t>(b.dbgCtr));
    b.currentEntry = offset;
    b.entryName = -1;
    return offset;
}

int32_t addAttribute(DebugInfoBuilder& b, int32_t attribute, uint32_t value) {
    int32_t form = dwarfAttributeForm(static_cast<uint32_t>(attribute));
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
    if (attribute == DW_AT_name && b.entryName < 0) b.entryName = nameIntern(b.state->names, text);
    return offset;
}

int32_t entryNamed(const DebugInfoBuilder& b, std::string_view name) {
    const int32_t spelling = nameFind(b.state->names, name);
    if (spelling < 0 || static_cast<size_t>(spelling) >= b.entryByName.size()) return -1;
    return b.entryByName[static_cast<size_t>(spelling)];
}

void endEntry(DebugInfoBuilder& b) {
    b.abbrev.push_back(0);
    b.abbrev.push_back(0);
    // Type look-ups find the first completed entry of a name, so a later entry of the
    // same name never shadows it.
    if (b.entryName >= 0) {
        const auto name = static_cast<size_t>(b.entryName);
        if (name >= b.entryByName.size()) b.entryByName.resize(name + 1, -1);
        if (b.entryByName[name] < 0) b.entryByName[name] = b.currentEntry;
        b.entryName = -1;
    }
    b.abbrevCtr++;
    b.dbgCtr++;
}
