// The whole way round in one process: a source with every accepted operand form of every
// mnemonic, written with numbers and with symbols, is assembled, written back as source
// by the disassembler, assembled again (with -c) and compared.
#include "core/Statement.h"
#include "driver/Zorlan.h"
#include "format/elfReader.h"
#include "isa/encoder.h"
#include "isa/mnemonics.h"
#include "isa/opcodeTable.h"
#include "objdump/objdumpViews.h"
#include "testSupport.h"

#include <gtest/gtest.h>

#include <fstream>
#include <random>
#include <set>
#include <sstream>
#include <string>
#include <vector>

namespace {

const char* const kFlags[] = {"Z", "C", "O", "S", "I", "D", "T", "H", "F0", "F3", "F7"};
const char* const kDataNames[] = {"d0", "d1", "d2"};

struct Generator {
    std::mt19937 rng{7};
    int labels = 0; // text labels t0 .. t(labels-1) are defined above the current line

    int pick(int n) { return static_cast<int>(rng() % static_cast<unsigned>(n)); }
    std::string hex(uint32_t v) {
        std::ostringstream s;
        s << "0x" << std::hex << std::uppercase << v;
        return s.str();
    }
    // A name for a plain operand: data, or any text label (forward ones too).
    std::string name() {
        if (pick(2) == 0) return kDataNames[pick(3)];
        return "t" + std::to_string(pick(labels + 8));
    }
    // A name for "$name": only names already defined (a forward "$name" is sized from
    // whatever the previous lookup found), with addresses that fit 8-bit immediates.
    std::string definedName() {
        if (labels == 0 || pick(4) == 0) return "t0";
        return kDataNames[pick(3)];
    }
    std::string operand(OperandShape shape, bool branch, bool symbols, bool& parenthesised) {
        switch (shape) {
            case SHAPE_C:
                return hex(branch ? static_cast<uint32_t>(pick(0x8000))
                                  : static_cast<uint32_t>(pick(0x4000)));
            case SHAPE_I:
                parenthesised = !symbols || pick(3) == 0;
                if (!symbols) return "(" + hex(static_cast<uint32_t>(pick(0x4000))) + ")";
                return parenthesised ? std::string("(") + name() + ")" : name();
            case SHAPE_B: {
                const std::string b = name() + "+" + std::to_string(2 * pick(4));
                parenthesised = pick(3) == 0;
                return parenthesised ? std::string("(") + b + ")" : b;
            }
            case SHAPE_IMM_C:
                return "$" + std::to_string(pick(228) - 100);
            case SHAPE_IMM_L:
                return "$" + definedName();
            case SHAPE_F:
                return kFlags[pick(11)];
            default:
                return "?";
        }
    }
};

// Every accepted form, once with numbers where the form allows them and once with names.
std::vector<std::string> generateBody() {
    Generator g;
    std::vector<std::string> body;
    for (int m = 0; m < kMnemonicCount; ++m) {
        const MnemonicInfo& info = kMnemonics[m];
        const FormSet& set = mnemonicForms(m);
        for (int code = 0; code < kSignatureSpace; ++code) {
            if (!set.complete.test(static_cast<size_t>(code))) continue;
            for (int symbols = 0; symbols < 2; ++symbols) {
                std::string line;
                // Parentheses where the form forbids indirection are drawn again (a number
                // in that place can only be written in parentheses: names then).
                for (int attempt = 0; attempt < 8; ++attempt) {
                    line = std::string("        ") + info.spelling;
                    Statement st;
                    st.id = info.id;
                    for (int c = code; c != 0; c /= kShapeCount) {
                        const OperandShape shape = static_cast<OperandShape>(c % kShapeCount);
                        bool parenthesised = false;
                        line += std::string(" ") + g.operand(shape, info.jumpKind != JUMP_NONE,
                                                             symbols == 1 || attempt > 0, parenthesised);
                        Operand& op = st.operands[st.operandCount++];
                        op.kind = shape == SHAPE_C || shape == SHAPE_I || shape == SHAPE_B ? OPK_DIRECT
                                                                                           : OPK_IMMEDIATE;
                        op.indirect = parenthesised && info.jumpKind == JUMP_NONE ? 1 : 0;
                    }
                    InstructionWords words;
                    if (encodeWords(kOpcodeTable[st.id], st, words) != 3014) break;
                }
                if (body.size() % 12 == 0)
                    body.push_back(std::string("t") + std::to_string(g.labels++) + ":");
                body.push_back(line);
            }
        }
    }
    // Labels named forward but never reached are defined at the end.
    for (int k = g.labels; k < g.labels + 8; ++k) body.push_back(std::string("t") + std::to_string(k) + ":");
    return body;
}

const char* const kPrelude[] = {
    "        .DATA", "d0      .DB 4 1, 2, 3, 4", "d1      .DW 2 0x1234, 0x5678", "d2      .DD 1 0x11223344",
    "        .TEXT",
};
constexpr int kPreludeLines = sizeof(kPrelude) / sizeof(kPrelude[0]);

std::string assemble(const std::vector<const char*>& args) {
    return runZorlan(args).output;
}

// The body lines the listing reports errors on.
std::set<size_t> failedLines(const std::string& listing) {
    std::set<size_t> lines;
    std::istringstream in(listing);
    for (std::string l; std::getline(in, l);) {
        const size_t at = l.find(" line ");
        if (l.rfind("Assembler: ", 0) != 0 || at == std::string::npos) continue;
        const long n = std::strtol(l.c_str() + at + 6, nullptr, 10);
        if (n > kPreludeLines) lines.insert(static_cast<size_t>(n - kPreludeLines - 1));
    }
    return lines;
}

std::vector<uint8_t> sectionBytes(const ElfImage& image, const char* name) {
    const ElfImageSection* s = findImageSection(image, name);
    return s ? std::vector<uint8_t>(s->bytes.begin(), s->bytes.end()) : std::vector<uint8_t>{};
}

std::vector<std::string> relocations(const ElfImage& image) {
    std::vector<std::string> out;
    if (const ElfImageSection* rel = findImageSection(image, ".rel.text"))
        for (const ElfImageRelocation& r : rel->relocations)
            out.push_back(std::to_string(r.r_offset) + " " + std::to_string(r.type()) + " " +
                          std::string(image.symbols.at(r.symbolIndex()).name) + " " +
                          std::to_string(r.r_addend));
    return out;
}

} // namespace

TEST(DisasmRoundTrip, EveryFormWithNumbersAndNames) {
    ScratchDir dir;
    ASSERT_TRUE(dir.ok());
    const std::string source = dir.file("forms.asm"), object = dir.file("forms.obj");
    const std::string rebuilt = dir.file("rebuilt.asm"), again = dir.file("rebuilt.obj");

    // Lines the assembler refuses (a name where no relocation exists, a value out of
    // range) are dropped until the source assembles.
    std::vector<std::string> body = generateBody();
    const size_t generated = body.size();
    std::string listing;
    for (int attempt = 0; attempt < 400; ++attempt) {
        std::ofstream out(source);
        for (const char* l : kPrelude) out << l << "\n";
        for (const std::string& l : body) out << l << "\n";
        out.close();
        listing = assemble({"-q", "-o", object.c_str(), source.c_str()});
        const std::set<size_t> failed = failedLines(listing);
        if (failed.empty()) break;
        for (auto it = failed.rbegin(); it != failed.rend(); ++it) {
            if (*it < body.size()) body.erase(body.begin() + static_cast<long>(*it));
        }
    }
    ASSERT_TRUE(failedLines(listing).empty()) << listing;
    EXPECT_GT(body.size(), generated * 9 / 10) << "too many generated lines were refused";

    ElfImage first, second;
    std::string error;
    ASSERT_EQ(readElfFile(object.c_str(), first, error), 0) << error;
    {
        CapturedOutput source;
        ASSERT_EQ(writeSource(first, "forms.obj", source.stream(), error), 0) << error;
        std::ofstream(rebuilt) << source.text();
    }
    const std::string relisting = assemble({"-q", "-c", "-o", again.c_str(), rebuilt.c_str()});
    EXPECT_TRUE(failedLines(relisting).empty() && relisting.find("error") == std::string::npos) << relisting;
    ASSERT_EQ(readElfFile(again.c_str(), second, error), 0) << error;

    const std::vector<uint8_t> textA = sectionBytes(first, ".text"), textB = sectionBytes(second, ".text");
    size_t differs = 0;
    while (differs < textA.size() && differs < textB.size() && textA[differs] == textB[differs]) ++differs;
    EXPECT_EQ(textA.size(), textB.size());
    EXPECT_EQ(differs, std::min(textA.size(), textB.size())) << "first difference at .text byte " << differs;
    EXPECT_EQ(sectionBytes(first, ".data"), sectionBytes(second, ".data"));
    const std::vector<std::string> relA = relocations(first), relB = relocations(second);
    EXPECT_EQ(relA.size(), relB.size());
    for (size_t k = 0; k < relA.size() && k < relB.size(); ++k) {
        if (relA[k] == relB[k]) continue;
        ADD_FAILURE() << "relocation " << k << ": " << relA[k] << " became " << relB[k];
        break;
    }
}
