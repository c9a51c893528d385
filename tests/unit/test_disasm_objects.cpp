// zorlan-objdump on good, damaged and foreign files: the command line, the diagnostics
// and exit statuses, and every view on objects with damaged contents.
#include "driver/Zorlan.h"
#include "format/elfReader.h"
#include "objdump/debugViews.h"
#include "objdump/objdumpMain.h"
#include "objdump/objdumpViews.h"
#include "testSupport.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <iterator>
#include <random>
#include <string>
#include <vector>

namespace {

// Code, data, pointers, bss, linkage and every debug section.
const char* const kSource = "        .FILE \"t.c\"\n"
                            "        .DATA\n"
                            "count   .DB 1 3\n"
                            "table   .DW 2 start, count\n"
                            "        .BSS buffer 4\n"
                            "        .TEXT\n"
                            "start:\n"
                            "        .FUNCTION \"start\" extern\n"
                            "        .RETURN \"int\" 16 SIGNED NORMAL 0 NORMAL 0 0\n"
                            "        .VARIABLE \"i\" 16 \"int\" SIGNED NORMAL 2 NORMAL 0 0 4\n"
                            "        .LINE 3\n"
                            "        LD8 count $10\n"
                            "        .LINE 4\n"
                            "        JNZ start+2\n"
                            "        RTS\n"
                            "        .FUNC_END \"start\"\n"
                            "ptr     .DW 1 start\n"
                            "        .GLOBAL EXPORT start\n";

struct ToolRun {
    int status = -1;
    std::string out;
    std::string err;
};

ToolRun runTool(std::vector<std::string> args) {
    args.insert(args.begin(), "zorlan-objdump");
    std::vector<char*> argv;
    for (std::string& a : args) argv.push_back(a.data());
    char *outText = nullptr, *errText = nullptr;
    size_t outSize = 0, errSize = 0;
    FILE* out = open_memstream(&outText, &outSize);
    FILE* err = open_memstream(&errText, &errSize);
    ToolRun run;
    run.status = objdumpMain(static_cast<int>(argv.size()), argv.data(), out, err);
    std::fclose(out);
    std::fclose(err);
    run.out.assign(outText, outSize);
    run.err.assign(errText, errSize);
    std::free(outText);
    std::free(errText);
    return run;
}

class ObjdumpFiles : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(dir.ok());
        const std::string source = dir.write("t.asm", kSource);
        object = dir.file("t.obj");
        const RunResult run = runZorlan({"-q", "-d", "1", "-o", object.c_str(), source.c_str()});
        ASSERT_EQ(run.status, 0) << run.output;
        const std::string text = readFile(object);
        bytes.assign(text.begin(), text.end());
    }

    std::string write(const std::string& name, const std::vector<uint8_t>& content) {
        return dir.write(name, std::string(content.begin(), content.end()));
    }

    ScratchDir dir;
    std::string object;
    std::vector<uint8_t> bytes;
};

// What a view writes.
template <typename View> std::string captured(View view) {
    CapturedOutput out;
    view(out.stream());
    return out.text();
}

// Every view of an image; each must say something, whatever the contents.
void runEveryView(const ElfImage& image) {
    EXPECT_FALSE(captured([&](FILE* out) { viewFileHeader(image, out); }).empty());
    EXPECT_FALSE(captured([&](FILE* out) { viewSectionHeaders(image, out); }).empty());
    EXPECT_FALSE(captured([&](FILE* out) { viewSymbols(image, out); }).empty());
    EXPECT_FALSE(captured([&](FILE* out) { viewRelocations(image, ViewOptions{}, out); }).empty());
    captured([&](FILE* out) { viewContents(image, ViewOptions{}, out); }); // says nothing without contents
    EXPECT_FALSE(captured([&](FILE* out) { viewDisassembly(image, ViewOptions{}, out); }).empty());
    EXPECT_FALSE(captured([&](FILE* out) { viewDebugInfo(image, out); }).empty());
    EXPECT_FALSE(captured([&](FILE* out) { viewDebugLine(image, out); }).empty());
    EXPECT_FALSE(captured([&](FILE* out) { viewDebugReloc(image, out); }).empty());
    std::string error;
    EXPECT_FALSE(
        captured([&](FILE* out) { EXPECT_EQ(writeSource(image, "t.obj", out, error), 0) << error; }).empty());
}

// An image holding only the debug sections, with `count` copies of `entry` after the
// unit header of .debug_info; the sections' bytes live beside it.
struct DebugImage {
    std::vector<uint8_t> abbrev;
    std::vector<uint8_t> info;
    ElfImage image;
};

DebugImage debugImage(const std::vector<uint8_t>& abbrev, const std::vector<uint8_t>& entry, size_t count,
                      std::vector<ElfImageRelocation> relocations = {}) {
    DebugImage built;
    built.abbrev = abbrev;
    built.info = {0, 0, 0, 0, 2, 0, 0, 0, 0, 0, 4}; // unit_length, version 2, abbrev_offset 0, address_size 4
    for (size_t k = 0; k < count; ++k) built.info.insert(built.info.end(), entry.begin(), entry.end());
    ElfImage& image = built.image;
    image.sections.resize(4);
    image.sections[1].name = ".debug_abbrev";
    image.sections[1].bytes = built.abbrev;
    image.sections[2].name = ".debug_info";
    image.sections[2].bytes = built.info;
    image.sections[3].name = ".debug_info_reloc";
    image.sections[3].header.sh_type = ELF_SHT_DEBUG_RELOC;
    image.sections[3].relocations = std::move(relocations);
    return built; // the vectors move with their buffers, so the views stay good
}

size_t occurrences(const std::string& text, const std::string& part) {
    size_t count = 0;
    for (size_t at = text.find(part); at != std::string::npos; at = text.find(part, at + 1)) ++count;
    return count;
}

} // namespace

TEST_F(ObjdumpFiles, CommandLine) {
    struct Case {
        std::vector<std::string> args;
        int status;
        const char* errorText; // in the diagnostics; null for none
    };
    const Case cases[] = {
        {{}, kObjdumpUsage, "no view chosen"},
        {{"-d"}, kObjdumpUsage, "no input file"},
        {{"-q", object}, kObjdumpUsage, "invalid option -- 'q'"},
        {{"--frobnicate", object}, kObjdumpUsage, "unrecognised option '--frobnicate'"},
        {{"--debug=lines", object}, kObjdumpUsage, "unknown debug section kind 'lines'"},
        {{"-s", "-j"}, kObjdumpUsage, "option requires an argument -- 'j'"},
        {{"-s", "--section"}, kObjdumpUsage, "option '--section' requires a section name"},
        {{"-s", "-j", ".nope", "-j", ".data", object},
         kObjdumpUsage,
         "section '.nope' mentioned in a -j option, but not found in any input file"},
        {{"--help"}, kObjdumpOk, nullptr},
        {{"-H"}, kObjdumpOk, nullptr},
        {{"-dt", "--debug=line,reloc", object}, kObjdumpOk, nullptr},
        {{"-x", "--debug=all", "--", object}, kObjdumpOk, nullptr},
    };
    for (const Case& c : cases) {
        const ToolRun run = runTool(c.args);
        EXPECT_EQ(run.status, c.status) << run.err;
        if (c.errorText)
            EXPECT_NE(run.err.find(c.errorText), std::string::npos) << run.err;
        else
            EXPECT_EQ(run.err, "");
    }
    EXPECT_NE(runTool({"--help"}).out.find("Usage: zorlan-objdump"), std::string::npos);
    const ToolRun all = runTool({"-x", "-d", "--debug=all", object});
    for (const char* part :
         {"File header:", "Sections:", "Symbol table", "Relocation section '.rel.text'",
          "Disassembly of section .text", "Contents of .debug_info", "Contents of .debug_line",
          "Contents of .debug_raw_line", "Debug relocation section"})
        EXPECT_NE(all.out.find(part), std::string::npos) << part;
    // Every spelling of -j chooses the same sections, for -s, -d and -r alike: .data and
    // its relocations, and no disassembly (only .text is code).
    const ToolRun chosen = runTool({"-s", "-d", "-r", "-j", ".data", object});
    EXPECT_EQ(chosen.status, kObjdumpOk) << chosen.err;
    EXPECT_NE(chosen.out.find("Contents of section .data:"), std::string::npos) << chosen.out;
    EXPECT_NE(chosen.out.find("Relocation section '.rel.data'"), std::string::npos) << chosen.out;
    for (const char* other : {"Contents of section .text", ".rel.text", "Disassembly"})
        EXPECT_EQ(chosen.out.find(other), std::string::npos) << other;
    for (std::vector<std::string> spelling :
         std::vector<std::vector<std::string>>{{"-s", "-d", "-r", "-j.data"},
                                               {"-sdrj", ".data"},
                                               {"-s", "-d", "-r", "--section=.data"},
                                               {"--full-contents", "-d", "-r", "--section", ".data"}}) {
        spelling.push_back(object);
        EXPECT_EQ(runTool(spelling).out, chosen.out) << spelling[0] << " " << spelling[3];
    }
    // The rebuilt source has no heading, so it can go straight to the assembler.
    EXPECT_EQ(runTool({"--reassemble", object}).out.rfind("# Assembly source rebuilt", 0), 0u);
}

// --version prints the assembler's version line after its own name, and nothing else is
// done: no view, no file is needed.
TEST(ObjdumpVersion, IsTheAssemblersVersionLine) {
    const RunResult assembler = runZorlan({"--version"});
    ASSERT_EQ(assembler.status, 0);
    ASSERT_EQ(assembler.output.rfind("Zorlan V", 0), 0u) << assembler.output;
    const std::string line = assembler.output.substr(std::strlen("Zorlan"));
    for (const char* option : {"--version", "-v"}) {
        const ToolRun run = runTool({option});
        EXPECT_EQ(run.status, kObjdumpOk) << option;
        EXPECT_EQ(run.out, "zorlan-objdump" + line) << option;
        EXPECT_EQ(run.err, "") << option;
    }
}

// The options of -d in their long spellings do what the short ones do (the view tests
// of tests/objdump/views check the short ones).
TEST_F(ObjdumpFiles, DisassemblyOptionsInLongForm) {
    const std::string source = dir.write("zeros.asm", "start: NOP\n NOP\n NOP\n NOP\n RTS\n");
    const std::string zeros = dir.file("zeros.obj");
    ASSERT_EQ(runZorlan({"-q", "-o", zeros.c_str(), source.c_str()}).status, 0);
    const std::string collapsed = runTool({"-d", zeros}).out;
    const std::string shown = runTool({"-dz", zeros}).out;
    EXPECT_NE(collapsed.find("  ...\n"), std::string::npos) << collapsed;
    EXPECT_NE(shown, collapsed);
    EXPECT_EQ(runTool({"--disassemble", "--disassemble-zeroes", zeros}).out, shown);
    const std::string bare = runTool({"-d", "--no-show-raw-insn", object}).out;
    EXPECT_NE(bare.find("  0000:  LD8 count $10\n"), std::string::npos) << bare;
}

TEST_F(ObjdumpFiles, FilesThatAreNotMerrowObjects) {
    std::vector<uint8_t> foreign = bytes;
    foreign[18] = 0x3E; // another machine
    foreign[19] = 0x00;
    std::vector<uint8_t> bigEndian = bytes;
    bigEndian[5] = 2;
    struct Case {
        std::string path;
        const char* diagnostic;
    };
    const Case cases[] = {
        {dir.file("none.obj"), std::strerror(ENOENT)},
        {dir.path(), std::strerror(EISDIR)},
        {write("text.obj", {'h', 'e', 'l', 'l', 'o', '\n'}), "file too short for an ELF header"},
        {write("zeros.obj", std::vector<uint8_t>(64, 0)), "bad ELF magic"},
        {write("foreign.obj", foreign), "not a Merrow object (machine 0x3E, expected 0xF261)"},
        {write("big.obj", bigEndian), "not a little-endian ELF file"},
        {write("cut.obj", std::vector<uint8_t>(bytes.begin(), bytes.end() - 1)),
         "runs past the end of the file"},
    };
    for (const Case& c : cases) {
        const ToolRun run = runTool({"-h", c.path});
        EXPECT_EQ(run.status, kObjdumpBadFile) << c.path;
        EXPECT_EQ(run.err.rfind("zorlan-objdump: " + c.path + ": ", 0), 0u) << run.err;
        EXPECT_NE(run.err.find(c.diagnostic), std::string::npos) << run.err;
        EXPECT_EQ(run.out, "");
    }
    // A file that cannot be opened gets the system's reason and nothing else, as the
    // usual tools print it.
    EXPECT_EQ(runTool({"-h", dir.file("none.obj")}).err,
              "zorlan-objdump: " + dir.file("none.obj") + ": " + std::strerror(ENOENT) + "\n");
    // A bad file among good ones: the good ones are still shown, the status tells.
    const ToolRun mixed = runTool({"-h", object, dir.file("none.obj"), object});
    EXPECT_EQ(mixed.status, kObjdumpBadFile);
    size_t shown = 0;
    for (size_t at = mixed.out.find("Sections:"); at != std::string::npos;
         at = mixed.out.find("Sections:", at + 1))
        ++shown;
    EXPECT_EQ(shown, 2u);
}

// Every proper prefix of an object is refused with a reason (the section headers come last).
TEST_F(ObjdumpFiles, EveryTruncationIsRefused) {
    ElfImage image;
    std::string error;
    ASSERT_EQ(readElfImage(bytes.data(), bytes.size(), image, error), 0) << error;
    runEveryView(image);
    for (size_t size = 0; size < bytes.size(); ++size) {
        error.clear();
        EXPECT_EQ(readElfImage(bytes.data(), size, image, error), -1) << "size " << size;
        EXPECT_FALSE(error.empty()) << "size " << size;
    }
}

// Damaged contents that still read as an object: every view copes, none crashes (the
// sanitizer build checks the reads).
TEST_F(ObjdumpFiles, DamagedContentsAreShownWithoutFault) {
    std::mt19937 rng(99);
    int readable = 0;
    for (int trial = 0; trial < 1500; ++trial) {
        std::vector<uint8_t> damaged = bytes;
        const int changes = 1 + static_cast<int>(rng() % 8);
        for (int k = 0; k < changes; ++k) {
            const size_t at = rng() % damaged.size();
            damaged[at] = static_cast<uint8_t>(rng() % 3 == 0 ? 0xFF : rng());
        }
        ElfImage image;
        std::string error;
        if (readElfImage(damaged.data(), damaged.size(), image, error) != 0) continue;
        if (checkMerrowObject(image, error) != 0) continue;
        ++readable;
        runEveryView(image);
    }
    EXPECT_GT(readable, 500); // most damage is in the contents, which the reader accepts
}

// Relocation fields at their extremes: offsets and addends that no assembler writes.
TEST_F(ObjdumpFiles, ExtremeRelocationFields) {
    ElfImage image;
    std::string error;
    ASSERT_EQ(readElfImage(bytes.data(), bytes.size(), image, error), 0) << error;
    const ElfImageSection* rel = findImageSection(image, ".rel.text");
    ASSERT_NE(rel, nullptr);
    const size_t table = rel->header.sh_offset, entries = rel->relocations.size();
    for (uint32_t value : {0x80000000u, 0xA6000000u, 0x7FFFFFFFu, 0xFFFFFFFFu}) {
        for (size_t field : {size_t{8}, size_t{0}}) { // every addend, then every offset
            std::vector<uint8_t> damaged = bytes;
            for (size_t entry = 0; entry < entries; ++entry)
                for (size_t k = 0; k < 4; ++k)
                    damaged[table + 12 * entry + field + k] = static_cast<uint8_t>(value >> (8 * k));
            ASSERT_EQ(readElfImage(damaged.data(), damaged.size(), image, error), 0) << error;
            runEveryView(image);
        }
    }
}

// Debug sections built to make the work outgrow the bytes: output and time stay in
// proportion to the section.
TEST(ObjdumpDebugViews, LargeSectionsAreShownInProportion) {
    // Each one-byte entry has children and no sibling reference, so each nests inside
    // the one before: indenting every level would print gigabytes of blanks.
    constexpr size_t kNested = 20000;
    const DebugImage nestedImage = debugImage({1, 0x2e, 1, 0, 0, 0}, {1}, kNested);
    const std::string nested = captured([&](FILE* out) { viewDebugInfo(nestedImage.image, out); });
    EXPECT_EQ(occurrences(nested, "DW_TAG_subprogram, children"), kNested);
    EXPECT_LT(nested.size(), 128 * kNested);

    // A relocation for every low_pc value (code 1, then four address bytes), one for the
    // unit header and one inside a value: each value's field is found without a pass
    // over all the values.
    constexpr uint32_t kEntries = 100000;
    std::vector<ElfImageRelocation> relocations;
    for (uint32_t k = 0; k < kEntries; ++k) relocations.push_back({11 + 5 * k + 1, 19, 0});
    relocations.push_back({6, 18, 0});
    relocations.push_back({11 + 5 * 7 + 3, 19, 0});
    const DebugImage fieldImage =
        debugImage({1, 0x11, 0, 0x11, 0x01, 0, 0, 0}, {1, 0, 0, 0, 0}, kEntries, relocations);
    const std::string fields = captured([&](FILE* out) { viewDebugReloc(fieldImage.image, out); });
    EXPECT_EQ(occurrences(fields, "DW_AT_low_pc of DW_TAG_compile_unit <0x"), kEntries);
    for (uint32_t k : {0u, kEntries / 2, kEntries - 1}) {
        char line[96];
        std::snprintf(line, sizeof line, "  %08X R_DEBUG_CU_LOW_PC (19)", 11 + 5 * k + 1);
        const size_t at = fields.find(line);
        ASSERT_NE(at, std::string::npos) << line;
        std::snprintf(line, sizeof line, "DW_AT_low_pc of DW_TAG_compile_unit <0x%x>\n", 11 + 5 * k);
        EXPECT_EQ(fields.find(line, at), fields.find('\n', at) - std::strlen(line) + 1) << line;
    }
    EXPECT_EQ(occurrences(fields, "unit header debug_abbrev_offset"), 1u);
    EXPECT_NE(fields.find("  00000031 R_DEBUG_CU_LOW_PC (19)       -                0       \n"),
              std::string::npos);
}
