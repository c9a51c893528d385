#include "objdump/disassembler.h"

#include "core/Statement.h"
#include "format/objectFormat.h"
#include "isa/encoder.h"
#include "objdump/objdumpViews.h"

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <iterator>
#include <map>
#include <span>

// The flag operands of CPYF, BTST and PORTTST (the tests hold the names against the
// keyword table).
const char* const kDisasmFlagNames[16] = {"Z",  "C",  "O",  "S",  "I",  "D",  "T",  "H",
                                          "F0", "F1", "F2", "F3", "F4", "F5", "F6", "F7"};

namespace {

// The places of names in a listed item's text.
constexpr const char* kNameSlots[3] = {"\x01", "\x02", "\x03"};

bool isPointerType(uint32_t type) {
    return relocationSite(type) == RS_POINTER;
}

std::string hex(uint32_t value) {
    char text[16];
    std::snprintf(text, sizeof text, "0x%X", value);
    return text;
}

// Immediates read best in decimal while small; larger ones in hexadecimal, which the
// assembler reads back modulo 2^32.
std::string immediate(int32_t value) {
    if (value >= -1024 && value <= 1023) return std::to_string(value);
    return hex(static_cast<uint32_t>(value));
}

bool named(const OperandSymbol& s) {
    return s.name.data() != nullptr;
}

std::string symbolText(const OperandSymbol& s, bool withOffset) {
    std::string text(s.name);
    if (withOffset) {
        // Offsets are summed modulo 2^32, so a negative one is written as its wrapped value.
        text += '+';
        text += std::to_string(static_cast<uint32_t>(s.offset));
    }
    return text;
}

// One operand written in `shape`, or false when that shape cannot express it.
bool writeOperand(const DecodedInstruction& d, int o, OperandShape shape, bool throughPointer,
                  const OperandSymbol* symbol, bool strict, std::string& out) {
    const DecodedOperand& op = d.operands[o];
    if (symbol) {
        if (strict) {
            const bool address = symbol->type == R_DATA || symbol->type == R_DATA_ADDEND;
            const bool code = symbol->type == R_CODE || symbol->type == R_CODE_ADDEND;
            const bool named = shape == SHAPE_I || shape == SHAPE_B;
            if ((address && (!named || d.branch)) || (code && !d.branch)) return false;
            if (!address && !code && symbol->type != R_PORT && shape != SHAPE_IMM_L) return false;
        }
        const bool parentheses = d.branch ? throughPointer : op.indirect;
        switch (shape) {
            case SHAPE_I:
                if (symbol->offset != 0) return false;
                out = parentheses ? std::string("(") + symbolText(*symbol, false) + ")"
                                  : symbolText(*symbol, false);
                return true;
            case SHAPE_B:
                if (throughPointer) return false;
                out = op.indirect && !d.branch ? std::string("(") + symbolText(*symbol, true) + ")"
                                               : symbolText(*symbol, true);
                return true;
            case SHAPE_IMM_L:
                if (symbol->offset != 0) return false;
                out = std::string("$") + symbolText(*symbol, false);
                return true;
            default:
                return false;
        }
    }
    switch (shape) {
        case SHAPE_C:
            if (d.branch) {
                if (throughPointer) return false;
                out = hex(static_cast<uint32_t>(op.value) >> 1); // a code word address
                return true;
            }
            if (op.indirect) return false;
            out = hex(static_cast<uint32_t>(op.value));
            return true;
        case SHAPE_I:
            // A number in parentheses: an indirect address, or a pointer jump's target.
            if (d.branch ? !throughPointer : !op.indirect) return false;
            out = std::string("(") + hex(static_cast<uint32_t>(op.value)) + ")";
            return true;
        case SHAPE_IMM_C:
            out = std::string("$") + immediate(op.value);
            return true;
        case SHAPE_F:
            if (op.value < 0 || op.value > 15) return false;
            out = kDisasmFlagNames[op.value];
            return true;
        default:
            return false; // "$name" and name+N need a symbol
    }
}

} // namespace

bool formatInstruction(const DecodedInstruction& d, const OperandSymbol* symbols, bool strict,
                       std::string& text) {
    const char* spelling = mnemonicSpelling(d.mnemonic);
    if (!spelling) return false;
    for (const WrittenForm& form : writtenForms(d)) {
        std::string line = spelling;
        bool ok = true;
        for (int o = 0; o < d.operandCount && ok; ++o) {
            const OperandSymbol* symbol = symbols && named(symbols[o]) ? &symbols[o] : nullptr;
            std::string operand;
            ok = writeOperand(d, o, form.shape[o], form.parenthesisedTarget, symbol, strict, operand);
            line += ' ';
            line += operand;
        }
        if (ok) {
            text = line;
            return true;
        }
    }
    return false;
}

void appendItemText(std::string& out, const ListingItem& item, bool shown) {
    for (const char c : item.text) {
        if (c < 1 || c > 3) {
            out += c;
        } else if (shown) {
            appendName(out, item.names[c - 1]);
        } else {
            out += item.names[c - 1];
        }
    }
}

ObjectLayout objectLayout(const ElfImage& image) {
    ObjectLayout layout;
    for (size_t i = 1; i < image.sections.size(); ++i) {
        const std::string_view name = image.sections[i].name;
        if (name == predefinedSectionName(SEC_TEXT) && layout.text < 0) layout.text = static_cast<int>(i);
        if (name == predefinedSectionName(SEC_DATA) && layout.data < 0) layout.data = static_cast<int>(i);
        if (name == predefinedSectionName(SEC_BSS) && layout.bss < 0) layout.bss = static_cast<int>(i);
    }
    // With a single text origin the section starts at the origin, which is the entry
    // point; otherwise it starts at address 0.
    layout.textBase = image.header.e_entry;
    // The data section starts at its first origin. An absolute object records it; a
    // relocatable one does not, so it is the lowest start that keeps every data symbol
    // inside the section (the symbols say where the bytes are).
    if (layout.data >= 0) {
        const ElfImageSection& data = image.sections[static_cast<size_t>(layout.data)];
        const uint64_t size = data.bytes.size();
        uint64_t lowest = UINT64_MAX, needed = 0;
        for (const ElfImageSymbol& s : image.symbols) {
            // Weak names have no place.
            if (s.st_shndx != layout.data || s.st_value == kWeakSymbolValue) continue;
            lowest = std::min<uint64_t>(lowest, s.st_value);
            const uint64_t end = uint64_t{s.st_value} + s.st_size;
            if (end > size) needed = std::max<uint64_t>(needed, end - size);
        }
        if (data.header.sh_addralign != 0 && data.header.sh_addralign <= lowest)
            layout.dataBase = data.header.sh_addralign;
        else if (lowest != UINT64_MAX)
            layout.dataBase = static_cast<uint32_t>(std::min(needed, lowest));
    }
    return layout;
}

namespace {

struct PlacedSymbol {
    uint32_t offset;
    uint32_t index; // in .symtab
};

// The section's symbols by offset (in .symtab order at one offset); the others go to
// `unplaced`. Text symbols hold word addresses.
std::vector<PlacedSymbol> placeSymbols(const ElfImage& image, int section, uint32_t base, bool words,
                                       uint32_t size, std::vector<std::string_view>& unplaced) {
    std::vector<PlacedSymbol> placed;
    for (uint32_t i = 0; i < image.symbols.size(); ++i) {
        const ElfImageSymbol& s = image.symbols[i];
        if (s.st_shndx != section) continue;
        const int64_t address = words ? int64_t{s.st_value} * 2 : int64_t{s.st_value};
        const int64_t offset = address - base;
        if (offset < 0 || offset > size || s.st_value == kWeakSymbolValue)
            unplaced.push_back(s.name);
        else
            placed.push_back({static_cast<uint32_t>(offset), i});
    }
    std::stable_sort(placed.begin(), placed.end(),
                     [](const PlacedSymbol& a, const PlacedSymbol& b) { return a.offset < b.offset; });
    return placed;
}

// A reference from a decoded instruction to a text symbol: the operand value the
// encoder was given and the bits of it the words keep.
struct TextReference {
    uint32_t symbol;
    uint32_t value;
    uint32_t kept;
};

struct TextContext {
    const ElfImage& image;
    const ObjectLayout& layout;
    std::span<const uint8_t> bytes;
    std::multimap<uint32_t, const ElfImageRelocation*> byWord; // instruction relocations by word
    std::map<uint32_t, const ElfImageRelocation*> pointers;    // pointer items by byte offset
};

const ElfImageSymbol* symbolOf(const ElfImage& image, const ElfImageRelocation& rel) {
    return rel.symbolIndex() < image.symbols.size() ? &image.symbols[rel.symbolIndex()] : nullptr;
}

bool pointerWithin(const TextContext& c, uint32_t from, uint32_t to) {
    auto it = c.pointers.lower_bound(from);
    return it != c.pointers.end() && it->first < to;
}

// Whether an operand holds the value the assembler gives the symbol: its address, and
// for a text symbol also twice its word address (a label line's byte address).
bool holdsSymbol(const DecodedOperand& op, const ElfImageSymbol& s, bool text) {
    if (op.kept == 0) return false; // the words keep nothing of it
    const uint32_t value = static_cast<uint32_t>(op.value);
    return ((value ^ s.st_value) & op.kept) == 0 || (text && ((value ^ (s.st_value * 2)) & op.kept) == 0);
}

// The relocated operands of a reading. Each relocation in the instruction's words goes
// to an operand that holds the symbol's value: the one whose field starts in that word
// if it does, else any (CPY with an immediate source has its destination relocated at
// the word of the immediate). Returns how well the relocations sit, -1 when one fits
// no operand: 2 for each in its operand's own word, 1 for each in the word of an
// immediate (where the assembler places CPY's), so that the reading the assembler
// would relocate the same way wins.
int attachSymbols(const TextContext& c, uint32_t p, const DecodedInstruction& d, OperandSymbol* symbols,
                  uint32_t* symbolIndex) {
    const uint32_t first = p / 2;
    int words[3] = {-1, -1, -1};
    for (auto it = c.byWord.lower_bound(first); it != c.byWord.end() && it->first < first + d.words; ++it) {
        const ElfImageRelocation& rel = *it->second;
        const ElfImageSymbol* s = symbolOf(c.image, rel);
        if (!s) return -1;
        const bool text = c.layout.text >= 0 && s->st_shndx == c.layout.text;
        const int word = static_cast<int>(it->first - first);
        int target = -1;
        for (int pass = 0; pass < 2 && target < 0; ++pass)
            for (int o = 0; o < d.operandCount && target < 0; ++o)
                if (!named(symbols[o]) && (pass == 1 || d.operands[o].homeWord == word) &&
                    holdsSymbol(d.operands[o], *s, text))
                    target = o;
        if (target < 0) return -1;
        words[target] = word;
        // Offsets from a text label are kept in words.
        symbols[target] = {s->name, text ? int64_t{rel.r_addend} * 2 : int64_t{rel.r_addend},
                           static_cast<uint8_t>(rel.type())};
        symbolIndex[target] = rel.symbolIndex();
    }
    int score = 0;
    for (int o = 0; o < d.operandCount; ++o) {
        if (words[o] < 0) continue;
        if (words[o] == d.operands[o].homeWord) {
            score += 2;
            continue;
        }
        for (int other = 0; other < d.operandCount; ++other)
            if (!named(symbols[other]) && d.operands[other].kind == OPK_IMMEDIATE &&
                d.operands[other].homeWord == words[o])
                score += 1;
    }
    return score;
}

// Tries to read one instruction at `p`; fills `item` and adds its references on success.
bool instructionAt(const TextContext& c, uint32_t p, uint32_t limit, ListingItem& item,
                   std::vector<TextReference>& refs) {
    uint16_t words[kMaxInstructionWords] = {};
    int available = 0;
    while (available < kMaxInstructionWords && p + 2u * (available + 1) <= limit &&
           !pointerWithin(c, p + 2u * available, p + 2u * (available + 1))) {
        const uint32_t at = p + 2u * available;
        words[available++] = static_cast<uint16_t>(c.bytes[at] | (c.bytes[at + 1] << 8));
    }
    DecodedInstruction found[16];
    const int count = decodeCandidates(words, available, found, 16);
    // The best placed reading whose relocated operands have the shapes of their
    // relocation types; failing that, the best placed one that can be written at all.
    for (int pass = 0; pass < 2; ++pass) {
        int best = -1, bestScore = -1;
        OperandSymbol bestSymbols[3];
        uint32_t bestIndex[3] = {};
        std::string bestText;
        for (int k = 0; k < count; ++k) {
            OperandSymbol symbols[3];
            uint32_t symbolIndex[3] = {};
            std::string text;
            const int score = attachSymbols(c, p, found[k], symbols, symbolIndex);
            if (score <= bestScore) continue;
            // The text keeps a place for each name rather than the name itself.
            OperandSymbol slots[3];
            for (int o = 0; o < 3; ++o) {
                slots[o] = symbols[o];
                if (named(symbols[o])) slots[o].name = kNameSlots[o];
            }
            if (!formatInstruction(found[k], slots, pass == 0, text)) continue;
            best = k;
            bestScore = score;
            bestText = std::move(text);
            std::copy(symbols, symbols + 3, bestSymbols);
            std::copy(symbolIndex, symbolIndex + 3, bestIndex);
        }
        if (best < 0) continue;
        const DecodedInstruction& d = found[best];
        item = ListingItem{};
        item.kind = ITEM_INSTRUCTION;
        item.offset = p;
        item.length = 2u * static_cast<uint32_t>(d.words);
        item.text = std::move(bestText);
        for (int o = 0; o < 3; ++o) item.names[o] = bestSymbols[o].name;
        item.bytes = c.bytes.subspan(p, item.length);
        for (int o = 0; o < d.operandCount; ++o)
            if (named(bestSymbols[o]))
                refs.push_back(
                    {bestIndex[o], static_cast<uint32_t>(d.operands[o].value), d.operands[o].kept});
        return true;
    }
    return false;
}

// Appends data from `from` to `to`: pointer items where a pointer relocation starts
// (when it lies on a boundary the section allows a directive to start at), bytes between.
void appendData(const ElfImage& image, std::span<const uint8_t> bytes,
                const std::map<uint32_t, const ElfImageRelocation*>& pointers, uint32_t from, uint32_t to,
                bool wordAligned, bool continueRun, std::vector<ListingItem>& items) {
    uint32_t p = from;
    while (p < to) {
        auto next = pointers.lower_bound(p);
        // A pointer item: two or four zero bytes (one, for the byte-sized elements that
        // .DB gives, when the next pointer follows directly).
        if (next != pointers.end() && next->first == p) {
            const ElfImageRelocation& rel = *next->second;
            uint32_t width = rel.type() == R_POINTER32 ? 4 : 2;
            auto after = std::next(next);
            if (after != pointers.end() && after->first < p + width) width = after->first - p;
            bool zero = p + width <= to;
            for (uint32_t k = p; zero && k < p + width; ++k) zero = bytes[k] == 0;
            const ElfImageSymbol* s = symbolOf(image, rel);
            if (zero && s && (width == 1 || width == 2 || width == 4) &&
                (!wordAligned || (p % 2 == 0 && width != 1))) {
                ListingItem item;
                item.kind = ITEM_POINTER;
                item.offset = p;
                item.length = width;
                item.pointerWidth = static_cast<uint8_t>(width);
                item.text = kNameSlots[0];
                item.names[0] = s->name;
                item.bytes = bytes.subspan(p, width);
                items.push_back(std::move(item));
                p += width;
                continue;
            }
        }
        // Bytes up to the next pointer item (or the end).
        uint32_t end = to;
        for (auto it = pointers.upper_bound(p); it != pointers.end() && it->first < to; ++it) {
            if (!wordAligned || it->first % 2 == 0) {
                end = it->first;
                break;
            }
        }
        if (continueRun && !items.empty() && items.back().kind == ITEM_BYTES &&
            items.back().offset + items.back().length == p) {
            ListingItem& last = items.back();
            last.length = end - last.offset;
            last.bytes = bytes.subspan(last.offset, last.length);
        } else {
            ListingItem item;
            item.kind = ITEM_BYTES;
            item.offset = p;
            item.length = end - p;
            item.bytes = bytes.subspan(p, end - p);
            items.push_back(std::move(item));
        }
        p = end;
        continueRun = true;
    }
}

} // namespace

void listText(const ElfImage& image, const ObjectLayout& layout, SectionListing& out) {
    out = SectionListing{};
    out.section = layout.text;
    out.base = layout.textBase;
    if (layout.text < 0) return;
    const ElfImageSection& text = image.sections[static_cast<size_t>(layout.text)];
    const std::span<const uint8_t> bytes = text.bytes;
    const uint32_t size = static_cast<uint32_t>(bytes.size());
    const std::vector<PlacedSymbol> placed =
        placeSymbols(image, layout.text, layout.textBase, true, size, out.unplaced);

    TextContext c{image, layout, bytes, {}, {}};
    if (const ElfImageSection* rel = findImageSection(image, predefinedSectionName(SEC_REL_TEXT))) {
        for (const ElfImageRelocation& r : rel->relocations) {
            if (isPointerType(r.type())) {
                // Pointer items hold the byte address the directive gave.
                const int64_t offset = int64_t{r.r_offset} - layout.textBase;
                if (offset >= 0 && offset < size) c.pointers.emplace(static_cast<uint32_t>(offset), &r);
            } else {
                c.byWord.emplace(r.r_offset, &r);
            }
        }
    }

    // The stretches between labels; a stretch may be found to be data.
    std::vector<uint32_t> starts{0};
    for (const PlacedSymbol& s : placed)
        if (s.offset < size && s.offset != starts.back()) starts.push_back(s.offset);
    std::vector<bool> isData(starts.size(), false);
    // The size of a data item, in words, is its label's size.
    std::vector<uint32_t> dataWords(starts.size(), 0);
    for (const PlacedSymbol& s : placed) {
        if (s.offset >= size) continue;
        const size_t r =
            static_cast<size_t>(std::upper_bound(starts.begin(), starts.end(), s.offset) - starts.begin()) -
            1;
        dataWords[r] = std::max<uint32_t>({dataWords[r], image.symbols[s.index].st_size, 1});
    }

    // One stretch as items, with the references its instructions make.
    auto listStretch = [&](size_t r, std::vector<ListingItem>& items, std::vector<TextReference>& refs) {
        const uint32_t from = starts[r];
        const uint32_t to = r + 1 < starts.size() ? starts[r + 1] : size;
        uint32_t p = from;
        // A stretch that starts with data belongs to a data label: the directive's
        // size (in words, from the label) is data, and the code may go on after it.
        ListingItem first;
        const bool code = !isData[r] && instructionAt(c, from, to, first, refs);
        if (code) {
            p += first.length;
            items.push_back(std::move(first));
        } else if (dataWords[r] > 0) {
            const uint32_t end = std::min<uint64_t>(to, from + 2ull * dataWords[r]);
            appendData(image, bytes, c.pointers, from, end, true, false, items);
            p = end;
        }
        while (p < to) {
            ListingItem item;
            if (p % 2 == 0 && instructionAt(c, p, to, item, refs)) {
                p += item.length;
                items.push_back(std::move(item));
                continue;
            }
            const uint32_t step = p % 2 == 0 && p + 2 <= to ? 2 : 1;
            appendData(image, bytes, c.pointers, p, p + step, true, p != from, items);
            p += step;
        }
    };

    // A label whose stretch starts with an instruction names code, unless its
    // references show a word address: then the stretch is data, and is listed again.
    // Stretches are listed on their own, and a label is looked at again only when a
    // new listing changed its references, so that a chain of labels, each found to be
    // data through the listing of the one before, costs one listing per stretch rather
    // than one of the whole section per label. For each label's symbol: its stretch, and
    // how many references contradict its value as a byte address and as a word address.
    constexpr size_t kNoStretch = SIZE_MAX;
    std::vector<size_t> labelStretch(image.symbols.size(), kNoStretch);
    for (const PlacedSymbol& s : placed) {
        if (s.offset >= size) continue;
        labelStretch[s.index] =
            static_cast<size_t>(std::upper_bound(starts.begin(), starts.end(), s.offset) - starts.begin()) -
            1;
    }
    std::vector<int64_t> notBytes(image.symbols.size(), 0), notWords(image.symbols.size(), 0);
    std::vector<bool> touched(image.symbols.size(), false);
    std::vector<uint32_t> touchedSymbols;
    auto tally = [&](const TextReference& ref, int delta) {
        if (labelStretch[ref.symbol] == kNoStretch) return;
        const uint32_t word = image.symbols[ref.symbol].st_value;
        if (((ref.value ^ (word * 2)) & ref.kept) != 0) notBytes[ref.symbol] += delta;
        if (((ref.value ^ word) & ref.kept) != 0) notWords[ref.symbol] += delta;
        if (!touched[ref.symbol]) touchedSymbols.push_back(ref.symbol);
        touched[ref.symbol] = true;
    };

    std::vector<std::vector<ListingItem>> stretchItems(starts.size());
    std::vector<std::vector<TextReference>> stretchRefs(starts.size());
    std::vector<size_t> relist(starts.size());
    for (size_t r = 0; r < relist.size(); ++r) relist[r] = r;
    while (!relist.empty()) {
        for (size_t r : relist) {
            for (const TextReference& ref : stretchRefs[r]) tally(ref, -1);
            stretchItems[r].clear();
            stretchRefs[r].clear();
            listStretch(r, stretchItems[r], stretchRefs[r]);
            for (const TextReference& ref : stretchRefs[r]) tally(ref, 1);
        }
        relist.clear();
        for (uint32_t symbol : touchedSymbols) {
            touched[symbol] = false;
            const size_t r = labelStretch[symbol];
            if (isData[r] || notBytes[symbol] == 0 || notWords[symbol] != 0) continue;
            isData[r] = true;
            relist.push_back(r);
        }
        touchedSymbols.clear();
    }

    // The stretches' items go into one list, each stretch's freed once moved, so the
    // listing is held about once rather than twice (a section without labels is one
    // stretch, whose list is taken as it is).
    if (stretchItems.size() == 1) {
        out.items = std::move(stretchItems[0]);
    } else {
        size_t total = 0;
        for (const std::vector<ListingItem>& items : stretchItems) total += items.size();
        out.items.reserve(total);
        for (std::vector<ListingItem>& items : stretchItems) {
            std::move(items.begin(), items.end(), std::back_inserter(out.items));
            std::vector<ListingItem>().swap(items);
        }
    }
    for (const PlacedSymbol& s : placed) {
        ListingLabel label;
        label.offset = s.offset;
        label.name = image.symbols[s.index].name;
        // Data labels start the data that follows them.
        auto item = std::lower_bound(out.items.begin(), out.items.end(), s.offset,
                                     [](const ListingItem& i, uint32_t offset) { return i.offset < offset; });
        label.data = item != out.items.end() && item->offset == s.offset && item->kind != ITEM_INSTRUCTION;
        out.labels.push_back(std::move(label));
    }
}

void listData(const ElfImage& image, const ObjectLayout& layout, SectionListing& out) {
    out = SectionListing{};
    out.section = layout.data;
    out.base = layout.dataBase;
    if (layout.data < 0) return;
    const std::span<const uint8_t> bytes = image.sections[static_cast<size_t>(layout.data)].bytes;
    const uint32_t size = static_cast<uint32_t>(bytes.size());
    const std::vector<PlacedSymbol> placed =
        placeSymbols(image, layout.data, layout.dataBase, false, size, out.unplaced);
    std::map<uint32_t, const ElfImageRelocation*> pointers;
    if (const ElfImageSection* rel = findImageSection(image, predefinedSectionName(SEC_REL_DATA))) {
        for (const ElfImageRelocation& r : rel->relocations) {
            const int64_t offset = int64_t{r.r_offset} - layout.dataBase;
            if (isPointerType(r.type()) && offset >= 0 && offset < size)
                pointers.emplace(static_cast<uint32_t>(offset), &r);
        }
    }
    uint32_t from = 0;
    for (size_t k = 0; k <= placed.size(); ++k) {
        const uint32_t to = k < placed.size() ? std::min(placed[k].offset, size) : size;
        if (to > from) appendData(image, bytes, pointers, from, to, false, false, out.items);
        from = std::max(from, to);
    }
    for (const PlacedSymbol& s : placed) out.labels.push_back({s.offset, image.symbols[s.index].name, true});
}
