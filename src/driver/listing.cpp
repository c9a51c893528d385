#include "driver/listing.h"

#include "core/Statement.h"
#include "symbols/assemblerState.h"

#include <algorithm>
#include <cstdio>
#include <cstring>

namespace {

constexpr size_t kBytesPerRow = 8;    // data bytes, or four code words
constexpr size_t kContentsWidth = 23; // eight bytes as "XX XX ..."
constexpr char kNotAssembled = '-';

// The low four bits of a `.symtab` info byte: the linkage the data directives, .GLOBAL
// (EXPORT or DO_NOT_EXPORT), .LOCAL and .WEAK give a name, named as zorlan-objdump -t
// names them.
struct LinkageName {
    int code;
    const char* name;
};
constexpr LinkageName kLinkages[] = {{0, "LOCAL"}, {1, "NOEXPORT"},     {2, "WEAK"},   {4, "LOCAL_ABS"},
                                     {8, "ABS"},   {9, "NOEXPORT_ABS"}, {13, "EXPORT"}};

bool isContentSection(int section) {
    return section < SEC_SYMTAB || section > SEC_SHSTRTAB;
}

int contentSectionLimit(const AssemblerState& state) {
    return std::clamp<int>(state.sectionCount, 0, kMaxSections);
}

// Code addresses count words, as jumps and `.symtab` count them; the others count bytes.
int64_t printedAddress(int section, int64_t byteAddress) {
    return section == SEC_TEXT ? byteAddress / 2 : byteAddress;
}

std::string hexBytes(const std::vector<uint8_t>& bytes, size_t from, size_t to, bool code) {
    std::string out;
    char item[8];
    for (size_t i = from; i < to;) {
        if (!out.empty()) out += ' ';
        if (code && i + 1 < to) {
            std::snprintf(item, sizeof item, "%04X", bytes[i] | (bytes[i + 1] << 8));
            i += 2;
        } else {
            std::snprintf(item, sizeof item, "%02X", bytes[i]);
            i += 1;
        }
        out += item;
    }
    return out;
}

// Lists the next line of the innermost file, with what its statements laid down.
void emitLine(Listing& listing, ListingFile& file, char mark) {
    const std::string_view rest = file.text.substr(std::min(file.offset, file.text.size()));
    const size_t newline = rest.find('\n');
    std::string_view text = rest.substr(0, newline);
    file.offset += newline == std::string_view::npos ? rest.size() : newline + 1;
    if (!text.empty() && text.back() == '\r') text.remove_suffix(1);

    ListingRow row;
    row.file = file.index;
    row.line = file.nextLine;
    row.mark = mark;
    row.text = text;
    ListingOutput& out = listing.pending;
    if (out.line == file.nextLine) {
        row.section = out.section;
        if (out.section >= 0) row.address = printedAddress(out.section, out.address);
        const size_t n = out.bytes.size();
        row.contents = hexBytes(out.bytes, 0, std::min(n, kBytesPerRow), out.code);
        listing.rows.push_back(std::move(row));
        // Long data goes on in continuation rows, each with its own address.
        for (size_t at = kBytesPerRow; at < n; at += kBytesPerRow) {
            ListingRow more;
            more.address = printedAddress(out.section, out.address + static_cast<int64_t>(at));
            more.contents = hexBytes(out.bytes, at, std::min(n, at + kBytesPerRow), out.code);
            listing.rows.push_back(std::move(more));
        }
        out = ListingOutput{};
    } else {
        listing.rows.push_back(std::move(row));
    }
    file.nextLine += 1;
}

// `text` and the blanks that fill its column, and one more between columns.
std::string padded(const std::string& text, size_t width) {
    return text + std::string(width > text.size() ? width - text.size() + 1 : 1, ' ');
}

bool atEnd(const ListingFile& file) {
    return file.offset >= file.text.size();
}

// Lists the lines of the innermost file before `line`.
void listUpTo(Listing& listing, ListingFile& file, int line) {
    while (file.nextLine < line && !atEnd(file)) emitLine(listing, file, ' ');
}

// Lists the rest of the innermost file and closes it.
void finishFile(Listing& listing, char mark) {
    if (listing.open.empty()) return;
    ListingFile& file = listing.open.back();
    // The line the last statement stood on was assembled, whatever follows it.
    if (listing.pending.line != 0 && listing.pending.line == file.nextLine) emitLine(listing, file, ' ');
    while (!atEnd(file)) emitLine(listing, file, mark);
    if (listing.pending.line != 0) { // a statement past the end of the text
        file.nextLine = listing.pending.line;
        emitLine(listing, file, ' ');
    }
    listing.open.pop_back();
}

int fileIndex(Listing& listing, const std::string& name) {
    listing.fileNames.push_back(name);
    return static_cast<int>(listing.fileNames.size()) - 1;
}

} // namespace

void listingStart(Listing& listing, const std::string& name, std::string_view text) {
    listing.mainName = name;
    listing.open.push_back(ListingFile{fileIndex(listing, name), text, 0, 1});
}

void listingInclude(Listing& listing, const std::string& name, std::string_view text) {
    // The .INCLUDE line comes before the included lines.
    if (!listing.open.empty() && listing.pending.line != 0)
        listUpTo(listing, listing.open.back(), listing.pending.line + 1);
    const std::string& kept = listing.includedTexts.emplace_back(text);
    listing.open.push_back(ListingFile{fileIndex(listing, name), kept, 0, 1});
}

void listingBeforeStatement(Listing& listing, const AssemblerState& state) {
    const int limit = contentSectionLimit(state);
    for (int s = 0; s < limit; ++s) {
        const DataBlock* tail = state.sections[static_cast<size_t>(s)].tail;
        listing.marks[static_cast<size_t>(s)] = SectionMark{tail, tail ? tail->used : 0};
    }
}

void listingAfterStatement(Listing& listing, const AssemblerState& state, const Statement& st, int line) {
    if (listing.open.empty()) return;
    ListingFile& file = listing.open.back();
    listUpTo(listing, file, line);
    ListingOutput& out = listing.pending;
    line = std::max(line, file.nextLine);
    if (out.line != line) {
        out = ListingOutput{};
        out.line = line;
    }

    // The first section whose contents grew holds what this statement laid down.
    const int limit = contentSectionLimit(state);
    for (int s = 0; s < limit; ++s) {
        if (!isContentSection(s)) continue;
        const SectionChain& chain = state.sections[static_cast<size_t>(s)];
        const SectionMark& mark = listing.marks[static_cast<size_t>(s)];
        if (chain.tail == mark.tail && (!chain.tail || chain.tail->used == mark.used)) continue;
        const DataBlock* block = mark.tail ? mark.tail : chain.head.get();
        int32_t from = mark.tail ? mark.used : 0;
        std::vector<uint8_t> bytes;
        const int64_t address = block ? static_cast<int64_t>(block->start) + from : 0;
        // .bss reserves room and holds no bytes in the object.
        for (; block && s != SEC_BSS; block = block->next.get(), from = 0) {
            const int32_t end = std::min<int32_t>(block->used, static_cast<int32_t>(block->bytes.size()));
            for (int32_t i = std::max(from, 0); i < end; ++i)
                bytes.push_back(block->bytes[static_cast<size_t>(i)]);
        }
        int64_t first = address;
        size_t skip = 0;
        // Code starts on an even byte: a byte laid down to get there is no part of it.
        if (s == SEC_TEXT && (first & 1) && !bytes.empty()) {
            skip = 1;
            first += 1;
        }
        // A label before an instruction on the same line laid down nothing: the line's
        // address is where the instruction's words begin.
        if (out.bytes.empty()) {
            out.section = s;
            out.address = first;
            out.code = st.kind == SK_INSTRUCTION;
        }
        if (out.section == s)
            out.bytes.insert(out.bytes.end(), bytes.begin() + static_cast<std::ptrdiff_t>(skip), bytes.end());
        return;
    }
    // Nothing laid down: the line stands where the current section's counter is.
    if (out.section < 0) {
        const int s = state.currentSection;
        int64_t counter = s >= 0 && s < kMaxSlots ? state.locationCounters[static_cast<size_t>(s)] : 0;
        if (s == SEC_TEXT) counter += counter & 1; // labels and instructions start on a word
        out.section = s;
        out.address = counter;
    }
}

void listingEndFile(Listing& listing, bool skipped) {
    finishFile(listing, skipped ? kNotAssembled : ' ');
}

void listingStop(Listing& listing) {
    while (!listing.open.empty()) finishFile(listing, kNotAssembled);
}

void listingSymbols(Listing& listing, const AssemblerState& state) {
    listing.sectionNames.assign(static_cast<size_t>(kMaxSections), std::string());
    for (int i = 0; i < state.slotCount && i < kMaxSlots; ++i) {
        const SectionSlot& slot = state.sectionSlots[static_cast<size_t>(i)];
        if (slot.ordinal >= 0 && slot.ordinal < kMaxSections && !slot.name.empty())
            listing.sectionNames[static_cast<size_t>(slot.ordinal)] = slot.name;
    }

    struct SymbolRow {
        std::string name, section, value, size, binding;
    };
    std::vector<SymbolRow> rows;
    size_t nameWidth = 4, sectionWidth = 7;
    for (const ElfSymbolEntry& e : state.symtab) {
        SymbolRow row;
        const size_t at = e.st_name;
        const size_t size =
            std::min(static_cast<size_t>(std::max(state.strtabSize, 0)), state.strtabBuffer.size());
        if (at < size) {
            const char* start = reinterpret_cast<const char*>(state.strtabBuffer.data()) + at;
            row.name.assign(start, strnlen(start, size - at));
        }
        const int section = static_cast<int>(e.st_shndx) - 1;
        row.section = section >= 0 && section < kMaxSections &&
                              !listing.sectionNames[static_cast<size_t>(section)].empty()
                          ? listing.sectionNames[static_cast<size_t>(section)]
                          : std::to_string(e.st_shndx);
        char number[32];
        std::snprintf(number, sizeof number, "%04X", e.st_value);
        row.value = number;
        row.size = std::to_string(e.st_size);
        row.binding = std::to_string(e.st_info & 0xF);
        for (const LinkageName& linkage : kLinkages)
            if (linkage.code == (e.st_info & 0xF)) row.binding = linkage.name;
        nameWidth = std::max(nameWidth, row.name.size());
        sectionWidth = std::max(sectionWidth, row.section.size());
        rows.push_back(std::move(row));
    }

    std::string& out = listing.symbols;
    out = "\nSymbols (values in .text are code word addresses):\n";
    auto addRow = [&](const SymbolRow& row) {
        std::string text =
            padded(row.name, nameWidth) + padded(row.section, sectionWidth) + padded(row.value, 8);
        text +=
            std::string(row.size.size() < 6 ? 6 - row.size.size() : 0, ' ') + row.size + "  " + row.binding;
        out += text + "\n";
    };
    addRow(SymbolRow{"Name", "Section", "Value", "Size", "Binding"});
    for (const SymbolRow& row : rows) addRow(row);
}

std::string listingText(const Listing& listing) {
    std::vector<std::string> locations(listing.rows.size());
    size_t locationWidth = 8, sectionWidth = 7;
    int64_t highest = 0;
    auto sectionName = [&listing](int section) -> std::string {
        if (section < 0) return "";
        if (static_cast<size_t>(section) < listing.sectionNames.size() &&
            !listing.sectionNames[static_cast<size_t>(section)].empty())
            return listing.sectionNames[static_cast<size_t>(section)];
        return std::to_string(section + 1);
    };
    for (size_t i = 0; i < listing.rows.size(); ++i) {
        const ListingRow& row = listing.rows[i];
        if (row.file >= 0)
            locations[i] = listing.fileNames[static_cast<size_t>(row.file)] + ":" + std::to_string(row.line);
        locationWidth = std::max(locationWidth, locations[i].size());
        sectionWidth = std::max(sectionWidth, sectionName(row.section).size());
        highest = std::max(highest, row.address);
    }

    std::string out = "Listing of " + listing.mainName +
                      "\nAddresses count code words in .text and bytes elsewhere; lines marked " +
                      std::string(1, kNotAssembled) + " were not assembled.\n\n";
    const size_t addressWidth = highest > 0xFFFF ? 5 : 4;
    auto addRow = [&](const std::string& location, char mark, const std::string& section,
                      const std::string& address, const std::string& contents, std::string_view text) {
        std::string line = padded(location, locationWidth) + mark + ' ' + padded(section, sectionWidth) +
                           padded(address, addressWidth) + padded(contents, kContentsWidth);
        line.append(text);
        while (!line.empty() && (line.back() == ' ' || line.back() == '\t')) line.pop_back();
        out += line + "\n";
    };
    addRow("Location", ' ', "Section", "Addr", "Contents", "Source");
    char address[32];
    for (size_t i = 0; i < listing.rows.size(); ++i) {
        const ListingRow& row = listing.rows[i];
        address[0] = '\0';
        if (row.address >= 0)
            std::snprintf(address, sizeof address, "%0*llX", static_cast<int>(addressWidth),
                          static_cast<unsigned long long>(row.address));
        addRow(locations[i], row.mark, sectionName(row.section), address, row.contents, row.text);
    }
    out += listing.symbols;
    return out;
}
