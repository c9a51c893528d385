// Listings of an object's code and data: the text section as instructions and data
// between its labels, with relocated operands written as the symbols they name, and
// the data section as data items under its labels. The views and the source writer
// render these listings.
#pragma once

#include "format/elfReader.h"
#include "objdump/instructionDecoder.h"

#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

// Where the assembler's sections are in an object and which address each one's first
// byte has.
struct ObjectLayout {
    int text = -1; // section indexes; -1 when the section was left out
    int data = -1;
    int bss = -1;
    uint32_t textBase = 0; // byte address of the first .text byte (the one text origin)
    uint32_t dataBase = 0; // byte address of the first .data byte (the first data origin)
};

ObjectLayout objectLayout(const ElfImage& image);

enum ListingItemKind : uint8_t {
    ITEM_INSTRUCTION, // `text` holds the mnemonic and operands
    ITEM_BYTES,       // `bytes` holds the values
    ITEM_POINTER,     // a pointer item: `text` holds the symbol, `pointerWidth` its size
};

struct ListingItem {
    ListingItemKind kind = ITEM_BYTES;
    uint32_t offset = 0; // in the section
    uint32_t length = 0; // bytes
    // The text with each symbol name left out: the byte 1, 2 or 3 holds the place of
    // names[0], [1] or [2] (views of the object's own bytes, put in when the text is
    // written), so that a listing's size never depends on how long the names are.
    std::string text;
    std::string_view names[3];
    std::span<const uint8_t> bytes; // the section's own
    uint8_t pointerWidth = 0;       // 1 (.DB), 2 (.DW) or 4 (.DD)
};

// Appends an item's text with its names put in: whole, or with `shown`, as the views
// show names (cut at kMaxShownName bytes).
void appendItemText(std::string& out, const ListingItem& item, bool shown);

struct ListingLabel {
    uint32_t offset = 0;
    std::string_view name;
    // Defined by a data directive: in text such a label's value is a word address, not
    // the byte address a label line gives.
    bool data = false;
};

struct SectionListing {
    int section = -1;
    uint32_t base = 0;                      // byte address of offset 0
    std::vector<ListingItem> items;         // in offset order, together covering the section
    std::vector<ListingLabel> labels;       // in offset order; a label at the end has no item
    std::vector<std::string_view> unplaced; // the section's symbols outside its bytes (weak names)
};

// The text section as instructions and data. Every instruction written here assembles
// back to its words; what decodes as no instruction, or lies under a pointer relocation,
// is data. A label whose references show it names data (by a value that is a word
// address) makes its stretch data too.
void listText(const ElfImage& image, const ObjectLayout& layout, SectionListing& out);

// The data section as data items: runs of bytes split at its labels, and pointer items.
void listData(const ElfImage& image, const ObjectLayout& layout, SectionListing& out);

// The spellings of the FlagId values 0 to 15, as flag operands are written.
extern const char* const kDisasmFlagNames[16];

// A relocated operand: the symbol it names and the offset as written in the source. An
// operand without a symbol has a null name (a name of no bytes is still a name).
struct OperandSymbol {
    std::string_view name;
    int64_t offset = 0;
    uint8_t type = 0; // the relocation type
};

// The instruction in the assembler's syntax, with the relocated operands written as
// their symbols; false when no accepted form of the mnemonic can express the reading
// (then `text` is unchanged). With `strict`, a relocated operand must also be written
// in the shape its relocation type belongs to (a data address as a name, an immediate
// as "$name").
bool formatInstruction(const DecodedInstruction& instruction, const OperandSymbol* symbols, bool strict,
                       std::string& text);
