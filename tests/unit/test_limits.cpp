// Whole runs on generated sources too large to keep in the repository, and the ways an
// object file can fail to be written: every one ends with a catalogue diagnostic, in
// bounded time, without leaving a partial object behind.
#include "driver/Zorlan.h"
#include "frontend/lexer.h"
#include "testSupport.h"

#include <gtest/gtest.h>

#include <csignal>
#include <functional>
#include <string>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

namespace {

RunResult assemble(const std::string& source, const std::string& object) {
    return runZorlan({"-q", "-o", object.c_str(), source.c_str()});
}

std::string diagnostic(const std::string& file, int line, int code, const char* text) {
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "A%04d ", code);
    return "Assembler: " + file + " line " + std::to_string(line) + ": (error) " + buffer + text + "\n";
}

bool isSymlink(const std::string& path) {
    struct stat info;
    return lstat(path.c_str(), &info) == 0 && S_ISLNK(info.st_mode);
}

// n items "1,1,...,1".
std::string ones(size_t n) {
    std::string list;
    list.reserve(2 * n);
    for (size_t i = 0; i < n; ++i) list += i ? ",1" : "1";
    return list;
}

} // namespace

// Sources generated at run time; each row's listing is exact.
TEST(GeneratedSources, LimitsEndInACatalogueDiagnostic) {
    struct Case {
        const char* what;
        std::function<std::string(const ScratchDir&)> source; // writes the files, returns the main one
        int status;
        std::function<std::string(const std::string&)> listing; // from the main file's name
    };
    const std::string comment15 = "#" + std::string((size_t{15} << 20) - 2, 'c') + "\n";
    const std::vector<Case> cases = {
        {"a main file one byte beyond the size limit",
         [](const ScratchDir& d) { return d.write("big.asm", std::string(kMaxSourceBytes + 1, '\n')); }, 2,
         [](const std::string& f) { return diagnostic(f, 0, 3020, "memory overflow"); }},
        {"a main file exactly at the size limit",
         [](const ScratchDir& d) {
             return d.write("full.asm", "#" + std::string(kMaxSourceBytes - 2, 'c') + "\n");
         },
         0, [](const std::string&) { return std::string(); }},
        {"includes that bring in more than a pass may read",
         [&comment15](const ScratchDir& d) {
             d.write("part.inc", comment15);
             std::string main;
             for (int i = 0; i < 5; ++i) main += "        .INCLUDE \"" + d.file("part.inc") + "\"\n";
             return d.write("many.asm", main);
         },
         2, [](const std::string& f) { return diagnostic(f, 5, 3020, "memory overflow"); }},
        {"a list of exactly 262,144 items",
         [](const ScratchDir& d) { return d.write("cells.asm", "x .DB 262144 " + ones(262144) + "\n"); }, 0,
         [](const std::string&) { return std::string(); }},
        {"a list one item longer than the argument area",
         [](const ScratchDir& d) { return d.write("cells1.asm", "x .DB 262145 " + ones(262145) + "\n"); }, 2,
         [](const std::string& f) { return diagnostic(f, 1, 3020, "memory overflow"); }},
        {"an identifier list one item longer than the argument area",
         [](const ScratchDir& d) {
             std::string names = "a";
             for (int i = 0; i < 262144; ++i) names += ",a";
             return d.write("names.asm", "a: NOP\n        .GLOBAL EXPORT " + names + "\n");
         },
         2, [](const std::string& f) { return diagnostic(f, 2, 3020, "memory overflow"); }},
        {"a line of ten million blanks before its instruction",
         [](const ScratchDir& d) { return d.write("blanks.asm", std::string(10'000'000, ' ') + "NOP\n"); }, 0,
         [](const std::string&) { return std::string(); }},
        {"a label of a million characters",
         [](const ScratchDir& d) {
             std::string name(1'000'000, 'L');
             return d.write("label.asm", name + ": JUMP " + name + "\n");
         },
         0, [](const std::string&) { return std::string(); }},
        {"an unknown name of a million characters",
         [](const ScratchDir& d) {
             return d.write("unknown.asm", "        JUMP " + std::string(1'000'000, 'u') + "\n");
         },
         4,
         [](const std::string& f) {
             return diagnostic(f, 1, 3012,
                               ("unresolved symbol '" + std::string(1'000'000, 'u') + "'").c_str());
         }},
    };
    for (const Case& c : cases) {
        ScratchDir dir;
        ASSERT_TRUE(dir.ok());
        std::string source = c.source(dir);
        RunResult r = assemble(source, dir.file("out.obj"));
        EXPECT_EQ(r.status, c.status) << c.what;
        // Listings may hold a million-character name: show only their beginning.
        EXPECT_TRUE(r.output == c.listing(source)) << c.what << ": " << r.output.substr(0, 300);
        bool written = access(dir.file("out.obj").c_str(), F_OK) == 0;
        EXPECT_EQ(written, c.status == 0) << c.what;
    }
}

// Existing outputs that are not regular files are written in place, never renamed over.
TEST(ObjectOutput, DevicesAndDirectoriesAreNeverReplaced) {
    struct Case {
        const char* what;
        const char* target; // what out.obj is: a symlink to this, or (null) a directory
        int status;
        std::string listing;
    };
    const std::string fail = "A3009 failed to create object file\n";
    const std::vector<Case> cases = {
        {"a link to /dev/null", "/dev/null", 0, ""},
        {"a link to /dev/full", "/dev/full", 4, fail},
        {"a directory", nullptr, 4, fail},
    };
    for (const Case& c : cases) {
        ScratchDir dir;
        ASSERT_TRUE(dir.ok());
        std::string source = dir.write("prog.asm", "        NOP\n");
        std::string out = dir.file("out.obj");
        if (c.target)
            ASSERT_EQ(symlink(c.target, out.c_str()), 0);
        else
            ASSERT_EQ(mkdir(out.c_str(), 0700), 0);
        RunResult r = assemble(source, out);
        EXPECT_EQ(r.status, c.status) << c.what;
        if (c.listing.empty())
            EXPECT_EQ(r.output, "") << c.what;
        else
            EXPECT_NE(r.output.find(c.listing), std::string::npos) << c.what << ": " << r.output;
        EXPECT_EQ(dir.entries(), (std::vector<std::string>{"out.obj", "prog.asm"})) << c.what;
        if (c.target)
            EXPECT_TRUE(isSymlink(out)) << c.what;
        else
            rmdir(out.c_str());
    }
}

// A write that fails half way (here: the file size limit of the process) leaves the
// previous object untouched and no temporary file; the run reports 3009.
TEST(ObjectOutput, FailedWriteKeepsThePreviousObject) {
    ScratchDir dir;
    ASSERT_TRUE(dir.ok());
    std::string source = dir.write("prog.asm", "        .DATA\nbuf     .DB 400 1\n");
    std::string out = dir.write("out.obj", "previous object");
    std::string listingFile = dir.file("listing.txt");

    pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        std::signal(SIGXFSZ, SIG_IGN); // the write fails with EFBIG instead of ending the process
        struct rlimit limit = {256, 256};
        setrlimit(RLIMIT_FSIZE, &limit);
        FILE* listing = std::fopen(listingFile.c_str(), "w");
        std::vector<const char*> argv = {"zorlan", "-q", "-o", out.c_str(), source.c_str()};
        int status = zorlanMain(static_cast<int>(argv.size()), argv.data(), listing);
        std::fclose(listing);
        _exit(status);
    }
    int status = 0;
    ASSERT_EQ(waitpid(child, &status, 0), child);
    ASSERT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), 4);
    EXPECT_NE(readFile(listingFile).find("A3009 failed to create object file"), std::string::npos)
        << readFile(listingFile);
    EXPECT_EQ(readFile(out), "previous object");
    EXPECT_EQ(dir.entries(), (std::vector<std::string>{"listing.txt", "out.obj", "prog.asm"}));
}

// A replaced object keeps its permissions, a link to an object stays a link, and an output
// name near the file name limit still leaves room for the temporary file.
TEST(ObjectOutput, ReplacingKeepsModesLinksAndLongNames) {
    ScratchDir dir;
    ASSERT_TRUE(dir.ok());
    std::string source = dir.write("prog.asm", "        NOP\n");
    std::string plain = dir.write("plain.obj", "old");
    ASSERT_EQ(chmod(plain.c_str(), 0644), 0);
    EXPECT_EQ(assemble(source, plain).status, 0);
    struct stat info;
    ASSERT_EQ(stat(plain.c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 07777, 0644u);
    EXPECT_NE(readFile(plain), "old");

    std::string target = dir.write("target.obj", "old");
    std::string link = dir.file("link.obj");
    ASSERT_EQ(symlink("target.obj", link.c_str()), 0);
    EXPECT_EQ(assemble(source, link).status, 0);
    EXPECT_TRUE(isSymlink(link));
    EXPECT_EQ(readFile(target), readFile(plain));

    std::string longName = dir.file(std::string(251, 'o') + ".obj");
    RunResult r = assemble(source, longName);
    EXPECT_EQ(r.status, 0) << r.output;
    EXPECT_EQ(readFile(longName), readFile(plain));
    EXPECT_EQ(dir.entries().size(), 5u) << "no temporary file is left behind";
}
