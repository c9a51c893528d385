// Whole runs through zorlanMain where the golden tests cannot reach: the default output
// name, input names, a missing input, the log file's contents, and repeated runs in one
// process.
#include "driver/Zorlan.h"
#include "testSupport.h"

#include <gtest/gtest.h>

#include <filesystem>
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
