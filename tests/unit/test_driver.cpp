// Whole runs through zorlanMain where the golden tests cannot reach: the default output
// name, input names, a missing input, the log file's contents, and repeated runs in one
// process.
#include "driver/Zorlan.h"
#include "testSupport.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <sys/stat.h>
#include <vector>

namespace fs = std::filesystem;

namespace {

class DriverRun : public ::testing::Test {
  protected:
    // Runs happen inside the scratch directory, so that names are as a user types them.
    void SetUp() override {
        ASSERT_TRUE(dir.ok());
        previous = fs::current_path();
        fs::current_path(dir.path());
    }
    void TearDown() override { fs::current_path(previous); }
    void write(const std::string& name, const std::string& text) const { dir.write(name, text); }
    static std::string read(const std::string& name) { return readFile(name); }
    ScratchDir dir;
    fs::path previous;
};

} // namespace

TEST_F(DriverRun, DefaultOutputNameReplacesTheExtension) {
    write("prog.asm", "start: NOP\n");
    RunResult r = runZorlan({"prog.asm"});
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(r.output, "Assembling prog.asm\n0 errors, 0 warnings and 0 informational messages\n");
    EXPECT_TRUE(fs::exists("prog.obj"));
    for (const auto& entry : fs::directory_iterator(".")) // no temporary file is left behind
        EXPECT_TRUE(entry.path().extension() == ".asm" || entry.path().extension() == ".obj") << entry.path();
}

TEST_F(DriverRun, InputNamesMustEndInLowerCaseAsm) {
    write("prog.ASM", "NOP\n");
    RunResult upper = runZorlan({"prog.ASM"});
    EXPECT_EQ(upper.status, 1);
    EXPECT_EQ(upper.output, "Assembling prog.ASM\n1 errors, 0 warnings and 0 informational messages\n"
                            "Assembler: prog.ASM line 0: (error) A3007 invalid filename\n");
    // Too short to derive an output name: rejected before the file name is known.
    RunResult shortName = runZorlan({"-q", "ab.c"});
    EXPECT_EQ(shortName.status, 1);
    EXPECT_EQ(shortName.output, "Assembler: (null) line 0: (error) A3007 invalid filename\n");
    EXPECT_FALSE(fs::exists("prog.obj"));
}

TEST_F(DriverRun, MissingInput) {
    RunResult missing = runZorlan({"-q", "none.asm"});
    EXPECT_EQ(missing.status, 2);
    EXPECT_EQ(missing.output, "Assembler: none.asm line 0: (error) A5006 unable to open file 'none.asm'\n");
}

TEST_F(DriverRun, LogHoldsTheArgumentsTraceAndListing) {
    write("ok.asm", "start: JUMP start\n");
    RunResult r = runZorlan({"-l", "run.log", "ok.asm"});
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(r.output, "Assembling ok.asm\n");
    std::string log = read("run.log");
    EXPECT_EQ(log.rfind("Zorlan Ver 1.0 ASM Arguments[ zorlan -l run.log ok.asm   ]\n"
                        "******************************************* \n",
                        0),
              0u);
    EXPECT_NE(log.find("writeToFile BEGIN\n"), std::string::npos);
    EXPECT_EQ(log.substr(log.size() - 50), "0 errors, 0 warnings and 0 informational messages\n");
}

TEST_F(DriverRun, RepeatedRunsStartFromACleanState) {
    write("a.asm", "x: NOP\n");
    write("b.asm", "x: NOP\nx: NOP\n");
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(runZorlan({"-q", "-c", "a.asm"}).output, "");
        RunResult b = runZorlan({"-q", "b.asm"});
        EXPECT_EQ(b.status, 0);
        EXPECT_EQ(b.output, "Assembler: b.asm line 1: (warning) A3016 duplicate symbol 'X'\n");
    }
}

// No run writes over a file it read: an object named like the main source or an included
// file (by any spelling of its path, or through a link) ends the run with 3009 and
// writes nothing; a log named like the source is a log that cannot be opened.
TEST_F(DriverRun, SourcesAreNeverOverwritten) {
    const std::string source = "start: NOP\n        .INCLUDE \"inc.asm\"\n";
    write("prog.asm", source);
    write("inc.asm", "        NOP\n");
    fs::create_symlink("prog.asm", "alias.asm");
    const std::string refused = "Assembler: prog.asm line 2: (internal) A3009 failed to create object file\n";
    for (const char* object : {"prog.asm", "./prog.asm", "alias.asm", "inc.asm"}) {
        RunResult r = runZorlan({"-q", "-o", object, "prog.asm"});
        EXPECT_EQ(r.status, 4) << object;
        EXPECT_EQ(r.output, refused) << object;
        EXPECT_EQ(read("prog.asm"), source) << object;
        EXPECT_EQ(read("inc.asm"), "        NOP\n") << object;
    }
    for (const char* log : {"prog.asm", "alias.asm"}) {
        RunResult r = runZorlan({"-l", log, "prog.asm"});
        EXPECT_EQ(r.status, 3) << log;
        EXPECT_EQ(r.output, "Assembling prog.asm\n") << log;
        EXPECT_EQ(read("prog.asm"), source) << log;
    }
    EXPECT_EQ(dir.entries(), (std::vector<std::string>{"alias.asm", "inc.asm", "prog.asm"}));
}

// A new object gets the mode any new file of the user's gets; a replaced one keeps its own.
TEST_F(DriverRun, NewObjectsFollowTheUmask) {
    write("prog.asm", "start: NOP\n");
    const mode_t previousMask = umask(022);
    RunResult fresh = runZorlan({"-q", "-o", "new.obj", "prog.asm"});
    umask(027);
    RunResult other = runZorlan({"-q", "-o", "other.obj", "prog.asm"});
    fs::permissions("new.obj", fs::perms(0600));
    RunResult replaced = runZorlan({"-q", "-o", "new.obj", "prog.asm"});
    umask(previousMask);
    EXPECT_EQ(fresh.status + other.status + replaced.status, 0);
    EXPECT_EQ(fs::status("other.obj").permissions(), fs::perms(0640));
    EXPECT_EQ(fs::status("new.obj").permissions(), fs::perms(0600));
}

// A directory whose name holds a blank finds its files, given by -I or in ZORLAN_INCLUDE.
TEST_F(DriverRun, IncludeDirectoriesWithBlanks) {
    fs::create_directory("my inc");
    write("my inc/defs.asm", "        NOP\n");
    write("prog.asm", "        .INCLUDE \"defs.asm\"\n");
    EXPECT_EQ(runZorlan({"-q", "-I", "my inc", "prog.asm"}).output, "");
    EXPECT_EQ(runZorlan({"-q", "--include=my inc", "prog.asm"}).output, "");
    setenv("ZORLAN_INCLUDE", "none;my inc", 1);
    RunResult fromEnvironment = runZorlan({"-q", "prog.asm"});
    unsetenv("ZORLAN_INCLUDE");
    EXPECT_EQ(fromEnvironment.status, 0);
    EXPECT_EQ(fromEnvironment.output, "");
}

// Contents in a section that .SECTION added under a name the writer does not know end
// the writing; the object of an earlier run stays as it was.
TEST_F(DriverRun, UnknownSectionKeepsThePreviousObject) {
    write("prog.asm", "        .SECTION \".mine\" aw 1\n        .SECTION \".mine\" aw 1\nv       .DB 1 7\n");
    write("prog.obj", "previous object");
    RunResult r = runZorlan({"-q", "prog.asm"});
    EXPECT_EQ(r.status, 4);
    EXPECT_EQ(r.output, "Assembler: fileIO.cpp line 4: (internal) A5001 internal error\n");
    EXPECT_EQ(read("prog.obj"), "previous object");
    EXPECT_EQ(dir.entries(), (std::vector<std::string>{"prog.asm", "prog.obj"}));
}
