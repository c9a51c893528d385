#include "objdump/debugViews.h"

#include "objdump/objdumpViews.h"

#include <algorithm>
#include <cstring>
#include <iterator>
#include <map>
#include <span>
#include <string_view>
#include <utility>

namespace {

// A bounds-checked reader: a read past the end yields 0 and marks the cursor bad.
struct Cursor {
    std::span<const uint8_t> bytes;
    size_t pos = 0;
    bool bad = false;

    bool atEnd() const { return pos >= bytes.size(); }
    uint64_t fixed(int width) {
        if (bad || bytes.size() - pos < static_cast<size_t>(width) || pos > bytes.size()) {
            bad = true;
            return 0;
        }
        uint64_t value = 0;
        for (int k = 0; k < width; ++k) value |= uint64_t{bytes[pos + k]} << (8 * k);
        pos += static_cast<size_t>(width);
        return value;
    }
    uint8_t u8() { return static_cast<uint8_t>(fixed(1)); }
    uint16_t u16() { return static_cast<uint16_t>(fixed(2)); }
    uint32_t u32() { return static_cast<uint32_t>(fixed(4)); }
    uint64_t uleb() {
        uint64_t value = 0;
        for (int shift = 0; shift < 64; shift += 7) {
            const uint8_t byte = u8();
            if (bad) return 0;
            value |= uint64_t{byte & 0x7Fu} << shift;
            if (!(byte & 0x80)) return value;
        }
        bad = true; // longer than any 64-bit value
        return 0;
    }
    int64_t sleb() {
        int64_t value = 0;
        int shift = 0;
        uint8_t byte = 0;
        do {
            byte = u8();
            if (bad || shift >= 64) {
                bad = true;
                return 0;
            }
            value |= static_cast<int64_t>(uint64_t{byte & 0x7Fu} << shift);
            shift += 7;
        } while (byte & 0x80);
        if (shift < 64 && (byte & 0x40)) value |= static_cast<int64_t>(~uint64_t{0} << shift);
        return value;
    }
    // A zero-terminated string, as a view of the section's bytes.
    std::string_view str() {
        if (bad || pos >= bytes.size()) {
            bad = true;
            return {};
        }
        const char* start = reinterpret_cast<const char*>(bytes.data()) + pos;
        const void* zero = std::memchr(start, 0, bytes.size() - pos);
        if (!zero) {
            // Cut short: what there is, and the cursor is bad.
            const std::string_view rest(start, bytes.size() - pos);
            pos = bytes.size();
            bad = true;
            return rest;
        }
        const std::string_view text(start, static_cast<size_t>(static_cast<const char*>(zero) - start));
        pos += text.size() + 1;
        return text;
    }
    void skip(uint64_t count) {
        if (bad || count > bytes.size() - pos) {
            bad = true;
            return;
        }
        pos += static_cast<size_t>(count);
    }
};

constexpr int kMaxShownDepth = 32;

std::string nameOr(const char* name, uint32_t value) {
    if (name) return name;
    std::string text;
    appendf(text, "0x%x", value);
    return text;
}

struct Abbrev {
    uint32_t tag = 0;
    bool children = false;
    std::vector<std::pair<uint32_t, uint32_t>> attributes; // (attribute, form)
};

// The abbreviations by code; false with `error` set when the section is damaged.
bool readAbbrevs(std::span<const uint8_t> bytes, std::map<uint64_t, Abbrev>& out, std::string& error) {
    Cursor c{bytes};
    while (!c.atEnd()) {
        const uint64_t code = c.uleb();
        if (c.bad) break;
        if (code == 0) continue; // the closing zero
        Abbrev a;
        a.tag = static_cast<uint32_t>(c.uleb());
        a.children = c.u8() != 0;
        for (;;) {
            const uint64_t attribute = c.uleb();
            const uint64_t form = c.uleb();
            if (c.bad || (attribute == 0 && form == 0)) break;
            a.attributes.emplace_back(static_cast<uint32_t>(attribute), static_cast<uint32_t>(form));
        }
        if (c.bad) break;
        out[code] = std::move(a);
    }
    if (c.bad) error = std::string("truncated abbreviation at offset ") + std::to_string(c.pos);
    return !c.bad;
}

struct DebugValue {
    uint32_t attribute = 0;
    uint32_t form = 0;
    uint32_t offset = 0;
    uint64_t number = 0;
    std::string_view text; // into the section
    bool isText = false;
    bool isBlock = false;
};

struct DebugEntry {
    uint32_t offset = 0;
    uint64_t code = 0;
    const Abbrev* abbrev = nullptr;
    std::vector<DebugValue> values;
    int depth = 0;
};

struct UnitHeader {
    uint32_t unitLength = 0;
    uint16_t version = 0;
    uint32_t abbrevOffset = 0;
    uint8_t addressSize = 0;
};

bool readValue(Cursor& c, uint32_t form, uint8_t addressSize, DebugValue& v, int depth = 0) {
    switch (form) {
        case DW_FORM_addr:
            v.number = c.fixed(addressSize == 0 || addressSize > 8 ? 4 : addressSize);
            break;
        case DW_FORM_data1:
        case DW_FORM_flag:
        case DW_FORM_ref1:
            v.number = c.u8();
            break;
        case DW_FORM_data2:
        case DW_FORM_ref2:
            v.number = c.u16();
            break;
        case DW_FORM_data4:
        case DW_FORM_strp:
        case DW_FORM_ref_addr:
        case DW_FORM_ref4:
            v.number = c.u32();
            break;
        case DW_FORM_data8:
        case DW_FORM_ref8:
            v.number = c.fixed(8);
            break;
        case DW_FORM_sdata:
            v.number = static_cast<uint64_t>(c.sleb());
            break;
        case DW_FORM_udata:
        case DW_FORM_ref_udata:
            v.number = c.uleb();
            break;
        case DW_FORM_string:
            v.text = c.str();
            v.isText = true;
            break;
        case DW_FORM_block:
        case DW_FORM_block1:
        case DW_FORM_block2:
        case DW_FORM_block4: {
            const uint64_t length = form == DW_FORM_block    ? c.uleb()
                                    : form == DW_FORM_block1 ? c.u8()
                                    : form == DW_FORM_block2 ? c.u16()
                                                             : c.u32();
            c.skip(length);
            v.number = length;
            v.isBlock = true;
            break;
        }
        case DW_FORM_indirect: {
            const uint32_t actual = static_cast<uint32_t>(c.uleb());
            if (depth > 4 || c.bad) return false;
            v.form = actual;
            return readValue(c, actual, addressSize, v, depth + 1);
        }
        default:
            return false;
    }
    return !c.bad;
}

// The unit header and entries of .debug_info; false with `error` at the first problem
// (the entries read so far are kept).
bool readEntries(const ElfImage& image, std::map<uint64_t, Abbrev>& abbrevs, UnitHeader& header,
                 std::vector<DebugEntry>& entries, std::string& error) {
    const ElfImageSection* abbrevSection = findImageSection(image, predefinedSectionName(SEC_DEBUG_ABBREV));
    const ElfImageSection* info = findImageSection(image, predefinedSectionName(SEC_DEBUG_INFO));
    if (!info) {
        error = "no .debug_info section";
        return false;
    }
    if (!abbrevSection) {
        error = "no .debug_abbrev section";
        return false;
    }
    if (!readAbbrevs(abbrevSection->bytes, abbrevs, error)) return false;
    Cursor c{info->bytes};
    header.unitLength = c.u32();
    header.version = c.u16();
    header.abbrevOffset = c.u32();
    header.addressSize = c.u8();
    if (c.bad) {
        error = "the unit header is cut short";
        return false;
    }
    // The entries of a group are indented under it.
    std::vector<uint32_t> groupEnds;
    while (!c.atEnd()) {
        DebugEntry e;
        e.offset = static_cast<uint32_t>(c.pos);
        e.code = c.uleb();
        if (c.bad) break;
        if (e.code == 0) continue; // the section's closing zero
        auto found = abbrevs.find(e.code);
        if (found == abbrevs.end()) {
            error = std::string("entry at offset ") + std::to_string(e.offset) +
                    " uses unknown abbreviation " + std::to_string(e.code);
            return false;
        }
        e.abbrev = &found->second;
        bool hasSibling = false;
        uint32_t sibling = static_cast<uint32_t>(info->bytes.size());
        for (const auto& [attribute, form] : e.abbrev->attributes) {
            DebugValue v;
            v.attribute = attribute;
            v.form = form;
            v.offset = static_cast<uint32_t>(c.pos);
            if (!readValue(c, form, header.addressSize, v)) {
                error = c.bad ? std::string("entry at offset ") + std::to_string(e.offset) + " is cut short"
                              : std::string("entry at offset ") + std::to_string(e.offset) +
                                    " uses unknown form " + std::to_string(form);
                entries.push_back(std::move(e));
                return false;
            }
            if (attribute == DW_AT_sibling) {
                sibling = static_cast<uint32_t>(v.number);
                hasSibling = true;
            }
            e.values.push_back(std::move(v));
        }
        while (!groupEnds.empty() && e.offset >= groupEnds.back()) groupEnds.pop_back();
        e.depth = static_cast<int>(groupEnds.size());
        // A sibling reference closes a group (functions have one without the children
        // flag); an entry with children and no sibling reference runs to the end.
        if ((e.abbrev->children || hasSibling) && sibling > e.offset) groupEnds.push_back(sibling);
        entries.push_back(std::move(e));
    }
    if (c.bad) {
        error = std::string("truncated entry at offset ") + std::to_string(c.pos);
        return false;
    }
    return true;
}

std::string_view entryName(const DebugEntry& e) {
    for (const DebugValue& v : e.values)
        if (v.attribute == DW_AT_name && v.isText) return v.text;
    return {};
}

// The entry that starts at `offset`, or null; the entries are in the order of their
// offsets.
const DebugEntry* entryAt(const std::vector<DebugEntry>& entries, uint32_t offset) {
    auto found = std::lower_bound(entries.begin(), entries.end(), offset,
                                  [](const DebugEntry& e, uint32_t at) { return e.offset < at; });
    return found != entries.end() && found->offset == offset ? &*found : nullptr;
}

std::string formatValue(const DebugValue& v, const std::vector<DebugEntry>& entries) {
    std::string text;
    if (v.isText) {
        text += '"';
        appendName(text, v.text);
        text += '"';
        return text;
    }
    if (v.isBlock) {
        appendf(text, "[%llu bytes]", static_cast<unsigned long long>(v.number));
        return text;
    }
    if (v.attribute == DW_AT_type || v.attribute == DW_AT_sibling) {
        appendf(text, "<0x%llx>", static_cast<unsigned long long>(v.number));
        if (v.attribute == DW_AT_type) {
            const DebugEntry* target = entryAt(entries, static_cast<uint32_t>(v.number));
            if (!target) {
                text += " (no entry there)";
            } else {
                const std::string_view name = entryName(*target);
                appendf(text, " %s", nameOr(dwarfTagName(target->abbrev->tag), target->abbrev->tag).c_str());
                if (!name.empty()) {
                    text += " \"";
                    appendName(text, name);
                    text += '"';
                }
            }
        }
        return text;
    }
    if (v.form == DW_FORM_addr || v.attribute == DW_AT_low_pc || v.attribute == DW_AT_high_pc) {
        appendf(text, "0x%llx", static_cast<unsigned long long>(v.number));
        return text;
    }
    appendf(text, "%llu", static_cast<unsigned long long>(v.number));
    if (v.form == DW_FORM_data4 && v.number >= 0x80000000u)
        appendf(text, " (%d)", static_cast<int32_t>(static_cast<uint32_t>(v.number)));
    if (v.attribute == DW_AT_encoding && dwarfEncodingName(static_cast<uint32_t>(v.number)))
        appendf(text, " (%s)", dwarfEncodingName(static_cast<uint32_t>(v.number)));
    if (v.attribute == DW_AT_language && v.number <= UINT32_MAX &&
        dwarfLanguageName(static_cast<uint32_t>(v.number)))
        appendf(text, " (%s)", dwarfLanguageName(static_cast<uint32_t>(v.number)));
    return text;
}

} // namespace

void viewDebugInfo(const ElfImage& image, FILE* out) {
    std::map<uint64_t, Abbrev> abbrevs;
    UnitHeader header;
    std::vector<DebugEntry> entries;
    std::string error;
    const bool ok = readEntries(image, abbrevs, header, entries, error);
    const ElfImageSection* info = findImageSection(image, predefinedSectionName(SEC_DEBUG_INFO));
    if (!info) {
        std::fputs("No .debug_info section.\n\n", out);
        return;
    }
    std::fprintf(out, "Contents of .debug_info (%zu bytes, %zu abbreviations):\n", info->bytes.size(),
                 abbrevs.size());
    if (info->bytes.size() >= kDwarfUnitHeaderSize) {
        std::fprintf(out, "  unit_length %u (%s), version %u, abbrev_offset %u, address_size %u\n",
                     header.unitLength,
                     header.unitLength == info->bytes.size() ? "the whole section" : "not the section size",
                     header.version, header.abbrevOffset, header.addressSize);
    }
    for (const DebugEntry& e : entries) {
        // Nesting deeper than any the assembler writes is shown at one depth: a damaged
        // section of nested entries would otherwise indent its output quadratically.
        const std::string indent(2 * static_cast<size_t>(std::min(e.depth, kMaxShownDepth)), ' ');
        std::fprintf(out, "%s <0x%04x> [%llu] %s%s\n", indent.c_str(), e.offset,
                     static_cast<unsigned long long>(e.code),
                     nameOr(dwarfTagName(e.abbrev->tag), e.abbrev->tag).c_str(),
                     e.abbrev->children ? ", children" : "");
        for (const DebugValue& v : e.values) {
            std::fprintf(out, "%s     %-26s %-7s %s\n", indent.c_str(),
                         nameOr(dwarfAttributeName(v.attribute), v.attribute).c_str(),
                         nameOr(dwarfFormName(v.form), v.form).c_str(), formatValue(v, entries).c_str());
        }
    }
    if (!ok) std::fprintf(out, "  error: %s\n", error.c_str());
    std::fputs("\n", out);
}

std::vector<DebugAttributeAt> debugAttributeOffsets(const ElfImage& image) {
    std::map<uint64_t, Abbrev> abbrevs;
    UnitHeader header;
    std::vector<DebugEntry> entries;
    std::string error;
    readEntries(image, abbrevs, header, entries, error);
    std::vector<DebugAttributeAt> out;
    for (const DebugEntry& e : entries)
        for (const DebugValue& v : e.values) out.push_back({v.offset, e.offset, v.attribute, e.abbrev->tag});
    return out;
}

void viewDebugLine(const ElfImage& image, FILE* out) {
    const ElfImageSection* line = findImageSection(image, predefinedSectionName(SEC_DEBUG_LINE));
    if (!line) {
        std::fputs("No .debug_line section.\n", out);
    } else {
        Cursor c{line->bytes};
        std::fprintf(out, "Contents of .debug_line (%zu bytes):\n", line->bytes.size());
        const uint32_t unitLength = c.u32();
        const uint16_t version = c.u16();
        const uint32_t headerLength = c.u32();
        const size_t programStart = c.pos + headerLength;
        const uint8_t minLength = c.u8();
        const uint8_t defaultIsStmt = c.u8();
        const int8_t lineBase = static_cast<int8_t>(c.u8());
        const uint8_t lineRange = c.u8();
        const uint8_t opcodeBase = c.u8();
        if (!c.bad) {
            std::fprintf(out, "  unit_length %u, version %u, header_length %u\n", unitLength, version,
                         headerLength);
            std::fprintf(out,
                         "  minimum_instruction_length %u, default_is_stmt %u, line_base %d, line_range %u, "
                         "opcode_base %u\n",
                         minLength, defaultIsStmt, lineBase, lineRange, opcodeBase);
        }
        std::string lengths;
        for (int k = 1; k < opcodeBase && !c.bad; ++k) appendf(lengths, " %u", c.u8());
        std::fprintf(out, "  standard_opcode_lengths:%s\n", lengths.c_str());
        std::fputs("  include_directories:\n", out);
        for (int k = 1; !c.bad; ++k) {
            const std::string_view dir = c.str();
            if (dir.empty()) break;
            std::fprintf(out, "    %d  %s\n", k, shownName(dir).c_str());
        }
        std::fputs("  file_names:\n", out);
        for (int k = 1; !c.bad; ++k) {
            const std::string_view name = c.str();
            if (name.empty()) break;
            const uint64_t dir = c.uleb(), time = c.uleb(), length = c.uleb();
            std::fprintf(out, "    %d  %s  (directory %llu, time %llu, length %llu)\n", k,
                         shownName(name).c_str(), static_cast<unsigned long long>(dir),
                         static_cast<unsigned long long>(time), static_cast<unsigned long long>(length));
        }
        if (!c.bad && c.pos != programStart)
            std::fprintf(out, "  note: header_length says the program starts at %zu, the tables end at %zu\n",
                         programStart, c.pos);
        c.pos = programStart;
        std::fputs("  Line program:\n", out);
        uint64_t address = 0;
        int64_t row = 1;
        bool ended = false;
        while (!c.bad && !c.atEnd() && !ended) {
            const size_t at = c.pos;
            const uint8_t op = c.u8();
            std::string text;
            if (op == 0) {
                const uint64_t length = c.uleb();
                const size_t end = c.pos + length;
                const uint8_t sub = length ? c.u8() : 0;
                if (sub == DW_LNE_end_sequence) {
                    appendf(text, "end_sequence");
                    ended = true;
                } else if (sub == DW_LNE_set_address) {
                    address = c.fixed(static_cast<int>(length - 1 > 8 ? 8 : length - 1));
                    appendf(text, "set_address 0x%llx", static_cast<unsigned long long>(address));
                } else {
                    appendf(text, "extended opcode %u (%llu bytes)", sub,
                            static_cast<unsigned long long>(length));
                }
                if (!c.bad && c.pos < end) c.skip(end - c.pos);
            } else if (op == DW_LNS_copy) {
                appendf(text, "copy                         row: address 0x%04llx line %lld",
                        static_cast<unsigned long long>(address), static_cast<long long>(row));
            } else if (op == DW_LNS_advance_pc) {
                const uint64_t delta = c.uleb();
                address += delta * minLength;
                appendf(text, "advance_pc %llu (address 0x%llx)", static_cast<unsigned long long>(delta),
                        static_cast<unsigned long long>(address));
            } else if (op == DW_LNS_advance_line) {
                // The delta is written as the unsigned LEB128 of a 32-bit value.
                const int32_t delta = static_cast<int32_t>(static_cast<uint32_t>(c.uleb()));
                row += delta;
                appendf(text, "advance_line %d (line %lld)", delta, static_cast<long long>(row));
            } else if (op < opcodeBase) {
                appendf(text, "standard opcode %u", op);
                if (op == DW_LNS_set_file || op == DW_LNS_set_column)
                    appendf(text, " %llu", static_cast<unsigned long long>(c.uleb()));
                if (op == DW_LNS_fixed_advance_pc) appendf(text, " %u", c.u16());
            } else if (lineRange != 0) {
                const int adjusted = op - opcodeBase;
                address += static_cast<uint64_t>(adjusted / lineRange) * minLength;
                row += lineBase + adjusted % lineRange;
                appendf(text, "special opcode %u            row: address 0x%04llx line %lld", op,
                        static_cast<unsigned long long>(address), static_cast<long long>(row));
            } else {
                appendf(text, "opcode %u with line_range 0", op);
            }
            if (!c.bad) std::fprintf(out, "    [0x%04zx] %s\n", at, text.c_str());
        }
        if (c.bad) std::fputs("  error: the section is cut short\n", out);
    }

    const ElfImageSection* raw = findImageSection(image, predefinedSectionName(SEC_DEBUG_RAW_LINE));
    if (!raw) {
        std::fputs("No .debug_raw_line section.\n\n", out);
        return;
    }
    std::fprintf(out, "Contents of .debug_raw_line (%zu entries):\n", raw->bytes.size() / 8);
    std::fputs("  Address delta  Address     Line delta  Line\n", out);
    Cursor c{raw->bytes};
    int64_t row = 1;
    while (c.bytes.size() - c.pos >= 8) {
        const uint16_t words = c.u16();
        const uint32_t address = c.u32();
        const int16_t delta = static_cast<int16_t>(c.u16());
        row += delta;
        std::fprintf(out, "  %6u words   0x%08x  %+10d  %lld\n", words, address, delta,
                     static_cast<long long>(row));
    }
    if (!c.atEnd()) std::fprintf(out, "  error: %zu bytes left over\n", c.bytes.size() - c.pos);
    std::fputs("\n", out);
}

void viewDebugReloc(const ElfImage& image, FILE* out) {
    const ElfImageSection* reloc = findImageSection(image, predefinedSectionName(SEC_DEBUG_INFO_RELOC));
    if (!reloc) {
        std::fputs("No .debug_info_reloc section.\n\n", out);
        return;
    }
    // The attribute values by where they start (in section order at one offset), so
    // that each entry finds its field by a search rather than a pass over them all.
    std::vector<DebugAttributeAt> attributes = debugAttributeOffsets(image);
    std::stable_sort(
        attributes.begin(), attributes.end(),
        [](const DebugAttributeAt& a, const DebugAttributeAt& b) { return a.valueOffset < b.valueOffset; });
    std::fprintf(out, "Debug relocation section '.debug_info_reloc' contains %zu entries:\n",
                 reloc->relocations.size());
    std::fprintf(out, "  %-8s %-28s %-16s %-7s %s\n", "Offset", "Type", "Symbol", "Addend", "Field");
    for (const ElfImageRelocation& r : reloc->relocations) {
        const uint32_t type = r.type();
        // The unit-level types name no symbol; index 0 there means none.
        const bool named = relocationSite(type) == RS_DEBUG_SYMBOL;
        std::string symbol = "-";
        if (named)
            symbol = r.symbolIndex() < image.symbols.size() ? shownName(image.symbols[r.symbolIndex()].name)
                                                            : symbolNumber(r.symbolIndex());
        std::string field = r.r_offset == kDwarfUnitAbbrevOffset ? "unit header debug_abbrev_offset" : "";
        // The last value that starts there names the field.
        auto after = std::upper_bound(
            attributes.begin(), attributes.end(), r.r_offset,
            [](uint32_t offset, const DebugAttributeAt& a) { return offset < a.valueOffset; });
        if (after != attributes.begin() && std::prev(after)->valueOffset == r.r_offset) {
            const DebugAttributeAt& a = *std::prev(after);
            field = nameOr(dwarfAttributeName(a.attribute), a.attribute) + " of " +
                    nameOr(dwarfTagName(a.tag), a.tag);
            appendf(field, " <0x%x>", a.entryOffset);
        }
        const char* name = relocationTypeName(type);
        std::string typeText = name ? name : "";
        appendf(typeText, "%s(%u)", name ? " " : "", type);
        std::fprintf(out, "  %08X %-28s %-16s %-7d %s\n", r.r_offset, typeText.c_str(), symbol.c_str(),
                     r.r_addend, field.c_str());
    }
    std::fputs("\n", out);
}
