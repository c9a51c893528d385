// The files written beside the object on request (--MD, --listing): never in place of a
// file the run reads or writes, and whole or not at all.
#include "testSupport.h"

#include <gtest/gtest.h>

#include <csignal>
#include <filesystem>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {

class SideFiles : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(dir.ok());
        previous = fs::current_path();
        fs::current_path(dir.path());
        dir.write("prog.asm", "        .INCLUDE \"defs.inc\"\nstart:  NOP\n");
        dir.write("defs.inc", "        HALT\n");
    }
    void TearDown() override { fs::current_path(previous); }
    ScratchDir dir;
    fs::path previous;
};

} // namespace

TEST_F(SideFiles, NeverReplaceWhatTheRunReadsOrWrites) {
    const std::string source = readFile("prog.asm"), included = readFile("defs.inc");
    for (std::vector<const char*> words : {
             std::vector<const char*>{"--MD", "prog.asm", "prog.asm"},
             {"--listing", "defs.inc", "prog.asm"},
             {"--listing", "./prog.obj", "prog.asm"},
             {"--MD", "both.txt", "--listing", "both.txt", "prog.asm"},
         }) {
        fs::remove("prog.obj");
        RunResult r = runZorlan(words);
        EXPECT_EQ(r.status, 4) << words[1];
        const std::string named = std::string(words[words.size() - 2]);
        EXPECT_NE(r.output.find("A5006 unable to open file '" + named + "'"), std::string::npos) << r.output;
        EXPECT_EQ(readFile("prog.asm"), source);
        EXPECT_EQ(readFile("defs.inc"), included);
        EXPECT_TRUE(fs::exists("prog.obj")) << "the object is written all the same";
        EXPECT_EQ(readFile("prog.obj").substr(1, 3), "ELF") << words[1];
    }
    // The trace log, where the diagnostics then go.
    EXPECT_EQ(runZorlan({"-l", "trace.log", "--MD", "trace.log", "prog.asm"}).status, 4);
    EXPECT_NE(readFile("trace.log").find("A5006 unable to open file 'trace.log'"), std::string::npos);
    // A link to the source is the source.
    fs::create_symlink("prog.asm", "rule.d");
    EXPECT_EQ(runZorlan({"--MD", "rule.d", "prog.asm"}).status, 4);
    EXPECT_EQ(readFile("prog.asm"), source);
    EXPECT_TRUE(fs::is_symlink("rule.d"));
}

// A listing that cannot be written (here: past the file size limit) leaves the previous
// listing as it was and no temporary file; the run reports it and fails.
TEST_F(SideFiles, AFailedWriteKeepsThePreviousFile) {
    std::string text = "start:  NOP\n";
    for (int i = 0; i < 200; ++i) text += "        NOP     # a line the listing repeats\n";
    dir.write("prog.asm", text);
    dir.write("prog.lst", "previous listing");
    const std::string report = dir.file("report.txt");

    pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        std::signal(SIGXFSZ, SIG_IGN); // the write fails with EFBIG instead of ending the process
        struct rlimit limit = {4096, 4096};
        setrlimit(RLIMIT_FSIZE, &limit);
        FILE* out = std::fopen(report.c_str(), "w");
        std::vector<const char*> argv = {"zorlan", "-q", "--listing", "prog.lst", "prog.asm"};
        int status = zorlanMain(static_cast<int>(argv.size()), argv.data(), out);
        std::fclose(out);
        _exit(status);
    }
    int status = 0;
    ASSERT_EQ(waitpid(child, &status, 0), child);
    ASSERT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), 4);
    EXPECT_NE(readFile(report).find("A5006 unable to open file 'prog.lst'"), std::string::npos)
        << readFile(report);
    EXPECT_EQ(readFile("prog.lst"), "previous listing");
    EXPECT_EQ(dir.entries(),
              (std::vector<std::string>{"defs.inc", "prog.asm", "prog.lst", "prog.obj", "report.txt"}));
}
