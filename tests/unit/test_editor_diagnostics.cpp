// Diagnostics in the editors' form (--diagnostics=gnu), read with the patterns that editors
// and build tools match compiler messages with: every line must give the file, line and
// column of the usual listing's entry, in the same order, with its kind; the other lines
// of the output must match none of them.
// GCC 12 warns, wrongly, that std::regex's compiled states may be used uninitialised
// when it optimises with the sanitizers on.
#pragma GCC diagnostic ignored "-Wmaybe-uninitialized"

#include "testSupport.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <regex>

namespace fs = std::filesystem;

namespace {

// Emacs compilation-mode: the `gnu' entry of compilation-error-regexp-alist-alist
// (compile.el). Group 1 file, 2 line, 3 column; 6 marks a warning, 7 an informational
// message, anything else is an error.
const std::regex
    kEmacsGnu("^(?:[[:alpha:]][-[:alnum:].]+: ?|[ \t]+(?:in |from ))?"
              "((?:[0-9]*[^0-9\n])(?:[^\n :]| [^-/\n]|:[^ \n])*?)(?: ?:)? ?"
              "([0-9]+)(?:-([0-9]+)(?:\\.([0-9]+))?|[.:]([0-9]+)(?:-(?:([0-9]+)\\.)?([0-9]+))?)?:"
              "(?: *(FutureWarning|RuntimeWarning|Warning|warning|W:)"
              "| *(Info(?:rmational)?|I:|info(?:rmational)?|[ \t]*\\[ skipping .+ \\]|instantiated "
              "from|required from|[Nn]ote)"
              "| *(?:[Ee]rror)|[0-9]?(?:[^0-9\n]|$)|[0-9][0-9][0-9])");

// Vim's default 'errorformat' entries for compilers, %f:%l:%c:%m before %f:%l:%m, with %f a
// run of the characters of 'isfname' on Unix.
const std::regex kVimWithColumn("^([-@/.0-9A-Za-z_+,#$%~=]+):([0-9]+):([0-9]+):(.+)$");
const std::regex kVimLine("^([-@/.0-9A-Za-z_+,#$%~=]+):([0-9]+):(.+)$");

// VS Code's $gcc problem matcher: file, line, column, severity, message.
const std::regex kVsCodeGcc("^(.*?):(\\d+):(\\d*):?\\s+(?:fatal\\s+)?(warning|error):\\s+(.*)$");

// One entry of the usual listing: "Assembler: FILE line N: (SEVERITY) ACODE TEXT".
struct ListedEntry {
    std::string file, severity;
    int line;
};

std::vector<ListedEntry> listedEntries(const std::string& output) {
    static const std::regex entry("^Assembler: (.*) line ([0-9]+): \\((\\w+)\\) A[0-9]{4} .*$");
    std::vector<ListedEntry> entries;
    std::istringstream in(output);
    std::smatch m;
    for (std::string line; std::getline(in, line);)
        if (std::regex_match(line, m, entry)) entries.push_back({m[1], m[3], std::stoi(m[2])});
    return entries;
}

std::vector<std::string> outputLines(const std::string& output) {
    std::vector<std::string> lines;
    std::istringstream in(output);
    for (std::string line; std::getline(in, line);) lines.push_back(line);
    return lines;
}

class EditorDiagnostics : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(dir.ok());
        previous = fs::current_path();
        fs::current_path(dir.path());
        fs::create_directory("src");
    }
    void TearDown() override { fs::current_path(previous); }

    // Runs the source both ways and checks every diagnostic line against every matcher.
    // `columns` are the expected columns of the diagnostics, 0 where there is none.
    void check(const std::string& source, const std::vector<int>& columns) {
        dir.write("src/prog.asm", source);
        RunResult usual = runZorlan({"-o", "prog.obj", "src/prog.asm"});
        RunResult gnu = runZorlan({"--diagnostics=gnu", "-o", "prog.obj", "src/prog.asm"});
        EXPECT_EQ(usual.status, gnu.status);
        const std::vector<ListedEntry> entries = listedEntries(usual.output);
        const std::vector<std::string> lines = outputLines(gnu.output);
        ASSERT_EQ(entries.size(), columns.size()) << usual.output;
        ASSERT_EQ(lines.size(), 2 + entries.size()) << gnu.output; // "Assembling", the count line
        EXPECT_EQ(lines[1], outputLines(usual.output)[1]) << "the count line stays";

        for (size_t i = 0; i < 2; ++i) {
            for (const std::regex* matcher : {&kEmacsGnu, &kVimWithColumn, &kVimLine, &kVsCodeGcc})
                EXPECT_FALSE(std::regex_search(lines[i], *matcher)) << lines[i];
        }
        for (size_t i = 0; i < entries.size(); ++i) {
            const std::string& line = lines[2 + i];
            const ListedEntry& want = entries[i];
            const bool warning = want.severity == "warning", note = want.severity == "info";
            std::smatch m;
            ASSERT_TRUE(std::regex_search(line, m, kEmacsGnu)) << line;
            EXPECT_EQ(m[1], want.file) << line;
            EXPECT_EQ(std::stoi(m[2]), want.line) << line;
            EXPECT_EQ(m[5].matched ? std::stoi(m[5]) : 0, columns[i]) << line;
            EXPECT_EQ(m[8].matched, warning) << line;
            EXPECT_EQ(m[9].matched, note) << line;

            if (columns[i] > 0) {
                ASSERT_TRUE(std::regex_match(line, m, kVimWithColumn)) << line;
                EXPECT_EQ(std::stoi(m[3]), columns[i]) << line;
            } else {
                EXPECT_FALSE(std::regex_match(line, kVimWithColumn)) << line;
                ASSERT_TRUE(std::regex_match(line, m, kVimLine)) << line;
            }
            EXPECT_EQ(m[1], want.file) << line;
            EXPECT_EQ(std::stoi(m[2]), want.line) << line;

            // Like a compiler's notes, informational messages are not problems to VS Code.
            if (note) {
                EXPECT_FALSE(std::regex_match(line, kVsCodeGcc)) << line;
                continue;
            }
            ASSERT_TRUE(std::regex_match(line, m, kVsCodeGcc)) << line;
            EXPECT_EQ(m[1], want.file) << line;
            EXPECT_EQ(std::stoi(m[2]), want.line) << line;
            EXPECT_EQ(m[3].str().empty() ? 0 : std::stoi(m[3]), columns[i]) << line;
            EXPECT_EQ(m[4], warning ? "warning" : "error") << line;
        }
    }

    ScratchDir dir;
    fs::path previous;
};

} // namespace

TEST_F(EditorDiagnostics, WarningsNotesAndAnErrorWithItsColumn) {
    check("        .DATA\n"
          "twice   .DB 1 1\n"
          "twice   .DB 1 2\n"
          "        .GLOBAL EXPORT twice\n"
          "        .GLOBAL EXPORT twice\n"
          "        .TEXT\n"
          "\tCALL\tnowhere\n",
          {0, 0, 17});
}

TEST_F(EditorDiagnostics, AnUnknownWordAtTheStartOfALine) {
    check("start:  NOP\n"
          "    OUTPROT 0x10 $1\n",
          {5});
}

TEST_F(EditorDiagnostics, AFailureWithoutALineOfItsOwn) {
    // The object cannot be created: an internal failure reads as an error.
    fs::create_directory("prog.obj");
    check("start:  NOP\n", {0});
}
