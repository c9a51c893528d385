// What the golden runners share: the #@ markers of a golden source, and running
// programs in scratch directories.
#pragma once

#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <utility>
#include <vector>

using Words = std::vector<std::string>;
using Environment = std::vector<std::pair<std::string, std::string>>;

struct SymRow {
    std::string name;
    int64_t value, size, info, shndx;
};

struct RelRow {
    int64_t offset, type;
    std::string symbol; // "-" for index 0
    int64_t addend;
};

struct HeaderField {
    std::string section; // empty for the ELF file header
    std::string field;
    int64_t value;
};

// What a file the run leaves in its scratch directory must hold.
struct FileExpectation {
    std::optional<Words> lines;        // #@file: the whole file, line by line
    std::optional<std::string> sameAs; // #@file-equals: a file of the golden folder
    bool absent = false;               // #@nofile
};

struct Expectations {
    Words args;
    Environment env;
    int exitStatus = 0;
    std::optional<Words> out;
    std::vector<std::string> byteSectionOrder;     // sections with expected bytes, first mention first
    std::map<std::string, std::vector<int>> bytes; // -1: a byte this test leaves to another
    std::optional<Words> sections;
    std::optional<std::vector<SymRow>> symbols;
    std::map<std::string, std::vector<RelRow>> relocations;
    std::vector<HeaderField> header; // file header and section header fields
    bool noObject = false;
    std::map<std::string, FileExpectation> files; // by name in the scratch directory
};

// Reads the markers of a golden source; unknown or malformed markers are problems.
bool readMarkers(const std::string& path, Expectations& e, std::string& problems);

Words split(const std::string& text);
Words lines(const std::string& text);
std::string readTextFile(const std::string& path);

struct ProcessResult {
    int exitStatus = -1;
    int signal = 0;
    std::string output;
};

// Runs argv[0] (an absolute path) in `cwd` with extra environment entries (ZORLAN_INCLUDE
// unset unless given), capturing standard output (and standard error when
// `mergeErrors`). A run that hangs is killed after a minute.
bool runProcess(const Words& argv, const std::string& cwd, const Environment& env, bool mergeErrors,
                ProcessResult& result);

// The command that assembles a golden source as its test does: its #@args with "$TMP"
// standing for `tmp`, and "-o tmp/out.obj" unless the arguments name an output. The
// environment values get the same substitution.
Words assembleCommand(const std::string& zorlan, const Expectations& e, const std::string& tmp,
                      const std::string& source, Environment& env);

// A new directory under /tmp named after `prefix`; empty when none could be made.
std::string makeScratchDirectory(const std::string& prefix);
Words listDirectory(const std::string& dir);  // names, sorted
void removeDirectory(const std::string& dir); // with everything in it
std::string findOnPath(const char* program);
std::string absolutePath(const char* path); // empty when it does not exist
