// Instructions written in the assembler's syntax, with relocated operands as the symbols
// they name, and the text listing's split of code, data and labels.
#include "driver/Zorlan.h"
#include "driver/initAsm.h"
#include "format/elfReader.h"
#include "isa/keywordTable.h"
#include "objdump/disassembler.h"
#include "testSupport.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

struct FormatCase {
    const char* expected; // null: no accepted form can write it
    std::vector<uint16_t> words;
    std::vector<OperandSymbol> symbols; // per operand; a null name leaves it a number
    bool strict = true;
};

std::string format(const FormatCase& c, bool& written) {
    DecodedInstruction found[16];
    const int n = decodeCandidates(c.words.data(), static_cast<int>(c.words.size()), found, 16);
    OperandSymbol symbols[3];
    for (size_t o = 0; o < c.symbols.size() && o < 3; ++o) symbols[o] = c.symbols[o];
    std::string text;
    written = false;
    for (int k = 0; k < n && !written; ++k) written = formatInstruction(found[k], symbols, c.strict, text);
    return text;
}

} // namespace

TEST(DisasmFormat, OperandsInTheAssemblersSyntax) {
    const OperandSymbol none{};
    const FormatCase cases[] = {
        {"JUMP start", {0xFA00, 0x0000}, {{"start", 0, 2}}},
        {"LD8 buf+2 $5", {0x2205, 0x0010}, {{"buf", 2, 8}}},
        {"LD8 (buf) $5", {0x2305, 0x0010}, {{"buf", 0, 6}}},
        {"LD8 (buf+4) $5", {0x2305, 0x0010}, {{"buf", 4, 8}}},
        {"LD8 0x10 $p", {0x2205, 0x0010}, {none, {"p", 0, 11}}},
        {"LD16 0x10 $0x8000", {0x2400, 0x0010, 0x8000}, {}},
        {"LD32 (0x10) $0x12345678", {0x2700, 0x0010, 0x5678, 0x1234}, {}},
        {"JUMP (vec)", {0xFA08, 0x0001}, {{"vec", 0, 2}}},
        {"JUMP (0x2)", {0xFA08, 0x0001}, {}},
        {"CALL start+4", {0xFA80, 0x0000}, {{"start", 4, 4}}},
        {"JUMP 0x10000", {0xFA01, 0x0000}, {}},
        {"CPYF C F7", {0x011F}, {}},
        {"PORTTST 0x7 $5 F3", {0xC807, 0x0165}, {}},
        {"OUTPORT 0x10 $-2", {0xB010, 0xFFFE}, {}},
        {"CPYMEM 0x10 (0x20) $-3", {0x7C03, 0x8020, 0x0010}, {}},
        {"SP_LOAD $0x1234", {0x0A00, 0x1234}, {}},
        {"SP_LOAD $top", {0x0A00, 0x1234}, {{"top", 0, 6}}, false},
        // A "$name" carries no offset; a negative offset is written wrapped, as the front end sums them.
        {nullptr, {0x2205, 0x0010}, {none, {"p", 2, 11}}},
        {"JUMP start+4294967294", {0xFA00, 0x0000}, {{"start", -2, 4}}},
        // A data address relocation must be a name, not "$name", when strict.
        {nullptr, {0x0A00, 0x1234}, {{"top", 0, 6}}},
    };
    for (const FormatCase& c : cases) {
        bool written = false;
        const std::string text = format(c, written);
        if (!c.expected) {
            EXPECT_FALSE(written) << text;
            continue;
        }
        EXPECT_TRUE(written) << c.expected;
        EXPECT_EQ(text, c.expected);
    }
}

TEST(DisasmFormat, FlagNamesAreTheKeywordTablesFlags) {
    RunContext context;
    std::unique_ptr<AssemblerState> state;
    ASSERT_EQ(initAssemblerState(context, state), 0);
    for (int id = 0; id < 16; ++id)
        EXPECT_EQ(keywordLookup(state->keywordTable.get(), kDisasmFlagNames[id]), id) << kDisasmFlagNames[id];
}

namespace {

// Assembles a source in a scratch directory and lists the object's text section.
class TextListing : public ::testing::Test {
  protected:
    SectionListing list(const std::string& source) {
        const std::string asmPath = dir.write("t.asm", source), objPath = dir.file("t.obj");
        const RunResult run = runZorlan({"-q", "-o", objPath.c_str(), asmPath.c_str()});
        EXPECT_EQ(run.status, 0) << run.output;
        std::string error;
        EXPECT_EQ(readElfFile(objPath.c_str(), image, error), 0) << error;
        SectionListing listing;
        listText(image, objectLayout(image), listing);
        return listing;
    }

    static std::string describe(const SectionListing& l) {
        std::string out;
        size_t label = 0;
        for (const ListingItem& item : l.items) {
            for (; label < l.labels.size() && l.labels[label].offset <= item.offset; ++label)
                out += std::string(l.labels[label].name) + (l.labels[label].data ? "(data) " : ": ");
            if (item.kind == ITEM_POINTER) out += "ptr ";
            if (item.kind == ITEM_BYTES)
                out += std::to_string(item.bytes.size()) + " bytes";
            else
                appendItemText(out, item, false);
            out += "; ";
        }
        for (; label < l.labels.size(); ++label) out += std::string(l.labels[label].name) + ": ";
        return out;
    }

    ScratchDir dir;
    ElfImage image;
};

} // namespace

TEST_F(TextListing, DataInTextTakesItsLabelsSize) {
    // 01 02 03 00 would read as CPYF-free junk and then STOP; the label's size keeps both
    // words data, and the code after it is code again.
    EXPECT_EQ(describe(list("start: NOP\nodd .DB 3 1, 2, 3\nnext: HALT\n")),
              "start: NOP; odd(data) 4 bytes; next: HALT; ");
}

TEST_F(TextListing, AReferenceByWordAddressMakesALabelData) {
    // The word 0 reads as NOP, but LD8 uses the label's word address: it is data.
    EXPECT_EQ(describe(list("start: LD8 tbl $1\n RTS\ntbl .DW 1 0\n")),
              "start: LD8 tbl $1; RTS; tbl(data) 2 bytes; ");
    // The same bytes as a label line are code.
    EXPECT_EQ(describe(list("start: LD8 tbl $1\n RTS\ntbl: NOP\n")), "start: LD8 tbl $1; RTS; tbl: NOP; ");
}

TEST_F(TextListing, PointerItemsAndALabelAtTheEnd) {
    EXPECT_EQ(describe(list("main: NOP\nptr .DW 1 main\nwide .DD 1 main\nend:\n")),
              "main: NOP; ptr(data) ptr main; wide(data) ptr main; end: ");
}

TEST_F(TextListing, ASingleOriginIsTheSectionsBase) {
    const SectionListing l = list(".ABS\n.ORG 0x100\nstart: NOP\n JUMP start\n");
    EXPECT_EQ(l.base, 0x200u);
    EXPECT_EQ(describe(l), "start: NOP; JUMP start; ");
}

TEST_F(TextListing, WeakNamesHaveNoPlace) {
    const SectionListing l = list("main: NOP\n.WEAK w\n");
    EXPECT_EQ(l.unplaced, std::vector<std::string_view>{"w"});
    EXPECT_EQ(describe(l), "main: NOP; ");
}

TEST_F(TextListing, AChainOfDataLabelsIsListedInLinearTime) {
    // Read as code, each label's word 0x2200 takes the next word as its operand and hides
    // the LD8 that names the following label; that LD8 shows only once the label is
    // found to be data. Listing the whole section again for each label in turn took
    // minutes here.
    constexpr int kLabels = 5000;
    std::string source = "start: LD8 L1 $0\n", expected = "start: LD8 L1 $0; ";
    for (int k = 1; k <= kLabels; ++k) {
        const std::string next = k < kLabels ? "LD8 L" + std::to_string(k + 1) + " $0" : "RTS";
        source += "L" + std::to_string(k) + " .DW 1 0x2200\n " + next + "\n";
        expected += "L" + std::to_string(k) + "(data) 2 bytes; " + next + "; ";
    }
    EXPECT_EQ(describe(list(source)), expected);
}
