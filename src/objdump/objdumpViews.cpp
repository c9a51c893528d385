#include "objdump/objdumpViews.h"

#include "objdump/disassembler.h"

#include <algorithm>
#include <cstdio>
#include <span>
#include <unordered_set>
#include <vector>

void appendf(std::string& out, const char* format, ...) {
    char small[256];
    va_list args;
    va_start(args, format);
    va_list again;
    va_copy(again, args);
    const int n = std::vsnprintf(small, sizeof small, format, args);
    va_end(args);
    if (n < 0) {
        va_end(again);
        return;
    }
    if (static_cast<size_t>(n) < sizeof small) {
        out.append(small, static_cast<size_t>(n));
    } else {
        std::vector<char> big(static_cast<size_t>(n) + 1);
        std::vsnprintf(big.data(), big.size(), format, again);
        out.append(big.data(), static_cast<size_t>(n));
    }
    va_end(again);
}

void appendName(std::string& out, std::string_view name) {
    if (name.size() <= kMaxShownName) {
        out += name;
        return;
    }
    out += name.substr(0, kMaxShownName);
    out += "[...]";
}

std::string shownName(std::string_view name) {
    std::string text;
    appendName(text, name);
    return text;
}

void writeLine(FILE* out, const std::string& line) {
    std::fwrite(line.data(), 1, line.size(), out);
}

namespace {

std::string flagLetters(uint32_t flags) {
    std::string letters;
    for (const SectionFlagRow& row : kSectionFlags)
        if (flags & row.value) letters += row.letter;
    return letters;
}

std::string numberOr(const char* name, uint32_t value) {
    if (name) return name;
    char text[16];
    std::snprintf(text, sizeof text, "0x%X", value);
    return text;
}

const ElfImageSection* symbolTable(const ElfImage& image) {
    return image.symtabIndex > 0 ? &image.sections[static_cast<size_t>(image.symtabIndex)] : nullptr;
}

} // namespace

std::string symbolNumber(uint32_t index) {
    std::string text;
    appendf(text, "#%u", index);
    return text;
}

std::string sectionIndexName(const ElfImage& image, uint32_t index) {
    if (index == 0) return "UND";
    if (index == 0xFFF1) return "ABS";
    if (index < image.sections.size() && !image.sections[index].name.empty())
        return shownName(image.sections[index].name);
    return std::to_string(index);
}

void viewFileHeader(const ElfImage& image, FILE* out) {
    const ElfFileHeader& h = image.header;
    std::fprintf(out, "File header:\n");
    const char* type = elfFileTypeName(h.e_type);
    std::fprintf(out, "  Type:            %u (%s)\n", h.e_type, type ? type : "other");
    std::fprintf(out, "  Machine:         0x%04X\n", h.e_machine);
    std::fprintf(out, "  Version:         %u\n", h.e_version);
    std::fprintf(out, "  Entry point:     0x%X (byte address of the single text origin, 0 without one)\n",
                 h.e_entry);
    std::fprintf(out, "  Flags:           0x%X\n", h.e_flags);
    std::fprintf(out, "  Section headers: %u at offset %u, names in section %u\n\n", h.e_shnum, h.e_shoff,
                 h.e_shstrndx);
}

void viewSectionHeaders(const ElfImage& image, FILE* out) {
    std::fprintf(out, "Sections:\n");
    std::fprintf(out, "  [Nr] %-18s %-15s %-8s %-8s %-8s %-6s %4s %4s %5s %3s\n", "Name", "Type", "Offset",
                 "Size", "Flags", "", "Link", "Info", "Align", "Ent");
    for (size_t i = 1; i < image.sections.size(); ++i) {
        const ElfImageSection& s = image.sections[i];
        const ElfSectionHeader& h = s.header;
        std::fprintf(out, "  [%2zu] %-18s %-15s %08X %08X %08X %-6s %4u %4u %5u %3u\n", i,
                     shownName(s.name).c_str(), numberOr(sectionTypeName(h.sh_type), h.sh_type).c_str(),
                     h.sh_offset, h.sh_size, h.sh_flags, flagLetters(h.sh_flags).c_str(), h.sh_link,
                     h.sh_info, h.sh_addralign, h.sh_entsize);
    }
    std::fprintf(out,
                 "Flags: W write, A alloc, X execute, I info link (debug sections), p processor bits\n\n");
}

void viewSymbols(const ElfImage& image, FILE* out) {
    const ElfImageSection* symtab = symbolTable(image);
    if (!symtab) {
        std::fprintf(out, "No symbol table.\n\n");
        return;
    }
    std::fprintf(out, "Symbol table '%s' contains %zu entries (text values are word addresses):\n",
                 shownName(symtab->name).c_str(), image.symbols.size());
    std::fprintf(out, "  %5s %-8s %6s %-4s %-6s %-10s %-10s %s\n", "Num", "Value", "Size", "Info", "Bind",
                 "Kind", "Section", "Name");
    for (size_t k = 0; k < image.symbols.size(); ++k) {
        const ElfImageSymbol& s = image.symbols[k];
        std::fprintf(
            out, "  %5zu %08X %6u 0x%02X %-6s %-10s %-10s %s\n", k, s.st_value, s.st_size, s.st_info,
            numberOr(symbolBindingName(symbolBindingOf(s.st_info)), symbolBindingOf(s.st_info)).c_str(),
            numberOr(symbolKindName(symbolKindOf(s.st_info)), symbolKindOf(s.st_info)).c_str(),
            sectionIndexName(image, s.st_shndx).c_str(), shownName(s.name).c_str());
    }
    std::fprintf(out, "\n");
}

bool ViewOptions::chosen(std::string_view name) const {
    if (sections.empty()) return true;
    for (const std::string& section : sections)
        if (section == name) return true;
    return false;
}

void viewRelocations(const ElfImage& image, const ViewOptions& options, FILE* out) {
    bool any = false;
    for (size_t i = 1; i < image.sections.size(); ++i) {
        const ElfImageSection& s = image.sections[i];
        if (s.header.sh_type != ELF_SHT_RELA && s.header.sh_type != ELF_SHT_REL) continue;
        const char* relocated = relocatedSectionName(s.name);
        if (!options.chosen(s.name) && !(relocated && options.chosen(relocated))) continue;
        any = true;
        std::fprintf(out, "Relocation section '%s' (section %zu) contains %zu entries:\n",
                     shownName(s.name).c_str(), i, s.relocations.size());
        std::fprintf(out, "  %-13s %-8s %-16s %-20s %s\n", "Offset", "Info", "Type", "Symbol", "Addend");
        for (const ElfImageRelocation& r : s.relocations) {
            const uint32_t type = r.type();
            // Pointer items give byte offsets; instruction fields, code word offsets.
            const char* unit = relocationSite(type) == RS_POINTER ? "byte" : "word";
            const uint32_t symbol = r.symbolIndex();
            const std::string name =
                symbol < image.symbols.size() ? shownName(image.symbols[symbol].name) : symbolNumber(symbol);
            std::fprintf(out, "  %08X %-4s %08X %-16s %-20s %+d\n", r.r_offset, unit, r.r_info,
                         numberOr(relocationTypeName(type), type).c_str(), name.c_str(), r.r_addend);
        }
    }
    std::fprintf(out, any ? "\n" : "No relocations.\n\n");
}

void viewContents(const ElfImage& image, const ViewOptions& options, FILE* out) {
    bool any = false;
    std::string line;
    for (size_t i = 1; i < image.sections.size(); ++i) {
        const ElfImageSection& s = image.sections[i];
        // A no-bits section has no contents, whatever the file holds there.
        if (s.header.sh_type == ELF_SHT_NOBITS || s.bytes.empty() || !options.chosen(s.name)) continue;
        any = true;
        std::fprintf(out, "Contents of section %s:\n", shownName(s.name).c_str());
        // Addresses count from the section's address, in as many digits as the last one
        // needs and at least four.
        const uint64_t last = uint64_t{s.header.sh_addr} + s.bytes.size() - 1;
        int digits = 4;
        while (digits < 16 && (last >> (4 * digits)) != 0) ++digits;
        for (size_t at = 0; at < s.bytes.size(); at += 16) {
            line.clear();
            appendf(line, " %0*llx ", digits, static_cast<unsigned long long>(s.header.sh_addr + at));
            for (size_t k = 0; k < 16; ++k) {
                if (at + k < s.bytes.size())
                    appendf(line, "%02x", s.bytes[at + k]);
                else
                    line += "  ";
                if (k % 4 == 3) line += ' ';
            }
            line += ' ';
            for (size_t k = 0; k < 16; ++k) {
                const uint8_t c = at + k < s.bytes.size() ? s.bytes[at + k] : ' ';
                line += c >= 0x20 && c < 0x7F ? static_cast<char>(c) : '.';
            }
            line += '\n';
            writeLine(out, line);
        }
    }
    if (any) std::fprintf(out, "\n");
}

namespace {

void appendBytesOf(std::string& out, const ListingItem& item, size_t from, size_t count) {
    for (size_t k = from; k < from + count && k < item.bytes.size(); ++k)
        appendf(out, "%02X ", item.bytes[k]);
}

std::string byteList(std::span<const uint8_t> bytes, size_t from, size_t count) {
    std::string list;
    for (size_t k = from; k < from + count && k < bytes.size(); ++k)
        appendf(list, k == from ? "0x%02X" : ", 0x%02X", bytes[k]);
    return list;
}

const char* pointerDirective(const ListingItem& item) {
    return item.pointerWidth == 4 ? ".DD" : item.pointerWidth == 2 ? ".DW" : ".DB";
}

} // namespace

namespace {

// Runs of zero bytes this long or longer (four code words) are shown as one "...".
constexpr size_t kZeroRun = 8;

// The lines of the disassembly, a row of the listing each. Rows of zero bytes are held
// back until they come to kZeroRun bytes; then "..." stands for the whole run, as the
// usual disassemblers show padding and cleared memory. A label ends a run.
struct DisassemblyRows {
    FILE* out;
    bool collapse;
    std::vector<std::string> held;
    size_t heldBytes = 0;
    bool skipping = false;

    void row(const std::string& line, bool zero, size_t bytes) {
        if (!collapse || !zero) {
            endRun();
            writeLine(out, line);
            return;
        }
        if (skipping) return;
        held.push_back(line);
        heldBytes += bytes;
        if (heldBytes < kZeroRun) return;
        std::fputs("  ...\n", out);
        held.clear();
        skipping = true;
    }
    void endRun() {
        for (const std::string& line : held) writeLine(out, line);
        held.clear();
        heldBytes = 0;
        skipping = false;
    }
};

bool allZero(std::span<const uint8_t> bytes, size_t from, size_t count) {
    for (size_t k = from; k < from + count && k < bytes.size(); ++k)
        if (bytes[k] != 0) return false;
    return true;
}

} // namespace

void viewDisassembly(const ElfImage& image, const ViewOptions& options, FILE* out) {
    // Only the text section is code.
    if (!options.chosen(predefinedSectionName(SEC_TEXT))) return;
    const ObjectLayout layout = objectLayout(image);
    if (layout.text < 0) {
        std::fprintf(out, "No .text section.\n\n");
        return;
    }
    SectionListing listing;
    listText(image, layout, listing);
    std::fprintf(out, "Disassembly of section .text (word addresses%s):\n",
                 layout.textBase ? ", from the text origin" : "");
    DisassemblyRows rows{out, options.collapseZeros, {}};
    size_t label = 0;
    auto labelsUpTo = [&](uint32_t offset) {
        while (label < listing.labels.size() && listing.labels[label].offset <= offset) {
            rows.endRun();
            const ListingLabel& l = listing.labels[label++];
            std::fprintf(out, "\n%04X <%s>:\n", (listing.base + l.offset) / 2, shownName(l.name).c_str());
        }
    };
    std::string line, raw;
    for (const ListingItem& item : listing.items) {
        labelsUpTo(item.offset);
        const uint32_t word = (listing.base + item.offset) / 2;
        line.clear();
        raw.clear();
        if (item.kind == ITEM_INSTRUCTION) {
            for (size_t k = 0; k + 1 < item.bytes.size(); k += 2)
                appendf(raw, "%04X ", item.bytes[k] | (item.bytes[k + 1] << 8));
            appendf(line, "  %04X:  ", word);
            if (options.rawWords) appendf(line, "%-21s ", raw.c_str());
            appendItemText(line, item, true);
            line += '\n';
            const bool named = item.names[0].data() || item.names[1].data() || item.names[2].data();
            rows.row(line, !named && allZero(item.bytes, 0, item.bytes.size()), item.bytes.size());
        } else if (item.kind == ITEM_POINTER) {
            // A pointer is relocated: its zero bytes are a value to come, never padding.
            appendBytesOf(raw, item, 0, item.bytes.size());
            appendf(line, "  %04X:  ", word);
            if (options.rawWords) appendf(line, "%-21s ", raw.c_str());
            appendf(line, "%s ", pointerDirective(item));
            appendItemText(line, item, true);
            line += '\n';
            rows.row(line, false, item.bytes.size());
        } else {
            // Eight bytes a line; the address of a line that starts on an odd byte is
            // shown with a "+".
            for (size_t k = 0; k < item.bytes.size(); k += 8) {
                const uint32_t at = listing.base + item.offset + static_cast<uint32_t>(k);
                line.clear();
                raw.clear();
                appendBytesOf(raw, item, k, 8);
                appendf(line, "  %04X%s  ", at / 2, at % 2 ? "+" : ":");
                if (options.rawWords) appendf(line, "%-21s ", raw.c_str());
                appendf(line, ".DB %s\n", byteList(item.bytes, k, 8).c_str());
                rows.row(line, allZero(item.bytes, k, 8), std::min<size_t>(8, item.bytes.size() - k));
            }
        }
    }
    labelsUpTo(UINT32_MAX);
    rows.endRun();
    if (!listing.unplaced.empty()) {
        std::fprintf(out, "\nText symbols without a place in the section:");
        for (const std::string_view name : listing.unplaced)
            std::fprintf(out, " %s", shownName(name).c_str());
        std::fprintf(out, "\n");
    }
    std::fprintf(out, "\n");
}

namespace {

constexpr const char* kIndent = "        ";

std::string generatedName(char section, uint32_t offset) {
    char text[16];
    std::snprintf(text, sizeof text, "@%c%04X", section, offset);
    return text;
}

// The data directives of one listed section, with their labels.
void writeSectionData(FILE* out, const SectionListing& listing, char prefix) {
    size_t label = 0;
    std::string line;
    for (const ListingItem& item : listing.items) {
        // Labels before this item: all but the one the item's directive carries are
        // label lines.
        std::string_view carried;
        while (label < listing.labels.size() && listing.labels[label].offset <= item.offset) {
            const ListingLabel& l = listing.labels[label++];
            if (item.kind != ITEM_INSTRUCTION && carried.empty() && l.offset == item.offset && l.data)
                carried = l.name;
            else
                std::fprintf(out, "%.*s:\n", static_cast<int>(l.name.size()), l.name.data());
        }
        line.clear();
        if (item.kind == ITEM_INSTRUCTION) {
            line += kIndent;
            appendItemText(line, item, false);
            line += '\n';
            writeLine(out, line);
            continue;
        }
        const std::string generated = generatedName(prefix, item.offset);
        if (carried.empty()) carried = generated;
        appendf(line, "%-7.*s", static_cast<int>(carried.size()), carried.data());
        if (item.kind == ITEM_POINTER) {
            appendf(line, " %s 1 ", pointerDirective(item));
            appendItemText(line, item, false);
            line += '\n';
        } else {
            appendf(line, " .DB %zu %s\n", item.bytes.size(),
                    byteList(item.bytes, 0, item.bytes.size()).c_str());
        }
        writeLine(out, line);
    }
    for (; label < listing.labels.size(); ++label) {
        const std::string_view name = listing.labels[label].name;
        std::fprintf(out, "%.*s:\n", static_cast<int>(name.size()), name.data());
    }
}

// A directive followed by a list of names, written as it goes.
struct NameList {
    FILE* out;
    const char* directive;
    bool started = false;

    void add(std::string_view name) {
        if (started)
            std::fputs(", ", out);
        else
            std::fprintf(out, "%s%s ", kIndent, directive);
        std::fwrite(name.data(), 1, name.size(), out);
        started = true;
    }
    void end() {
        if (started) std::fprintf(out, "\n");
    }
};

void writeWeak(FILE* out, const ElfImage& image, const std::vector<std::string_view>& unplaced) {
    std::unordered_set<std::string_view> pending(unplaced.begin(), unplaced.end());
    NameList names{out, ".WEAK"};
    for (const ElfImageSymbol& s : image.symbols)
        if (symbolKindOf(s.st_info) == SYM_KIND_WEAK && pending.erase(s.name) != 0) names.add(s.name);
    names.end();
}

void writeBss(FILE* out, const ElfImage& image, const ObjectLayout& layout) {
    if (layout.bss < 0) return;
    const uint32_t size =
        static_cast<uint32_t>(image.sections[static_cast<size_t>(layout.bss)].header.sh_size);
    std::vector<const ElfImageSymbol*> names;
    for (const ElfImageSymbol& s : image.symbols)
        if (s.st_shndx == layout.bss && s.st_value < size) names.push_back(&s);
    std::stable_sort(names.begin(), names.end(), [](const ElfImageSymbol* a, const ElfImageSymbol* b) {
        return a->st_value < b->st_value;
    });
    uint32_t at = 0;
    for (size_t k = 0; k < names.size(); ++k) {
        if (names[k]->st_value > at) {
            std::fprintf(out, "%s.BSS %s %u\n", kIndent, generatedName('b', at).c_str(),
                         names[k]->st_value - at);
            at = names[k]->st_value;
        }
        if (names[k]->st_value < at) continue; // a second name at one address has no room
        const uint32_t end = k + 1 < names.size() ? names[k + 1]->st_value : size;
        std::fprintf(out, "%s.BSS %.*s %u\n", kIndent, static_cast<int>(names[k]->name.size()),
                     names[k]->name.data(), end - at);
        at = end;
    }
    if (at < size) std::fprintf(out, "%s.BSS %s %u\n", kIndent, generatedName('b', at).c_str(), size - at);
}

void writeLinkage(FILE* out, const ElfImage& image) {
    NameList exported{out, ".GLOBAL EXPORT"};
    for (const ElfImageSymbol& s : image.symbols)
        if (symbolKindOf(s.st_info) == SYM_KIND_EXPORT) exported.add(s.name);
    exported.end();
    NameList hidden{out, ".GLOBAL DO_NOT_EXPORT"};
    for (const ElfImageSymbol& s : image.symbols) {
        const uint8_t kind = symbolKindOf(s.st_info);
        if (kind == SYM_KIND_NOEXPORT || kind == SYM_KIND_NOEXPORT_ABS) hidden.add(s.name);
    }
    hidden.end();
}

} // namespace

int writeSource(const ElfImage& image, std::string_view objectName, FILE* out, std::string& error) {
    // The names the source would write, at most: each symbol's at its definition and in
    // a declaration, and the one of each relocation's symbol at the reference.
    uint64_t names = 0;
    for (const ElfImageSymbol& s : image.symbols) names += 2 * s.name.size();
    for (const ElfImageSection& s : image.sections)
        for (const ElfImageRelocation& r : s.relocations)
            if (r.symbolIndex() < image.symbols.size()) names += image.symbols[r.symbolIndex()].name.size();
    if (names > kMaxSourceNameBytes) {
        error = "the rebuilt source could come to " + std::to_string(names >> 20) +
                " MiB of symbol names (one for each symbol and each relocation), more than the " +
                std::to_string(kMaxSourceNameBytes >> 20) + " MiB it writes at most";
        return -1;
    }
    const ObjectLayout layout = objectLayout(image);
    std::fprintf(out, "# Assembly source rebuilt from %.*s by zorlan-objdump; assemble it with -c.\n",
                 static_cast<int>(objectName.size()), objectName.data());
    if (layout.textBase != 0) std::fprintf(out, "%s.ABS\n", kIndent);

    SectionListing data;
    listData(image, layout, data);
    if (layout.data >= 0 || !data.unplaced.empty()) {
        std::fprintf(out, "%s.DATA\n", kIndent);
        if (layout.dataBase != 0) std::fprintf(out, "%s.ORG %u\n", kIndent, layout.dataBase);
        writeWeak(out, image, data.unplaced);
        writeSectionData(out, data, 'd');
    }
    data = SectionListing{};
    writeBss(out, image, layout);

    SectionListing text;
    listText(image, layout, text);
    std::fprintf(out, "%s.TEXT\n", kIndent);
    if (layout.textBase != 0) std::fprintf(out, "%s.ORG %u\n", kIndent, layout.textBase / 2);
    writeWeak(out, image, text.unplaced);
    writeSectionData(out, text, 't');
    writeLinkage(out, image);
    return 0;
}
