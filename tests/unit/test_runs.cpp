// Runs in one process see nothing of each other: every golden source assembled in turn
// in this process, and again on two threads at once, gives the status, listing and object
// that the assembler gives as a process of its own.
#include "support/runnerSupport.h"
#include "testSupport.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <thread>
#include <unistd.h>

namespace {

struct Outcome {
    int status = -1;
    std::string listing;
    std::string object;
};

struct Job {
    std::string source; // relative to the golden folder
    Words args;         // the words of its #@args, "-o" and the object path last
};

// The golden sources whose runs need nothing but their arguments (no environment, no
// scratch-directory words, no trace log), each given `-o <dir>/<n>.obj`.
std::vector<Job> goldenJobs(const std::string& goldenDir) {
    std::vector<Job> jobs;
    for (const auto& entry : std::filesystem::recursive_directory_iterator(goldenDir)) {
        const std::string path = entry.path().string();
        if (entry.path().extension() != ".asm" || path.find("/include/") != std::string::npos) continue;
        Expectations e;
        std::string problems;
        if (!readMarkers(path, e, problems) || !e.env.empty()) continue;
        bool plain = true;
        for (const std::string& word : e.args)
            plain &= word.find("$TMP") == std::string::npos && word != "-l" && word.rfind("-o", 0) != 0 &&
                     word.rfind("--output", 0) != 0 && word.rfind("--log", 0) != 0;
        if (plain) jobs.push_back({std::filesystem::relative(path, goldenDir).string(), e.args});
    }
    std::sort(jobs.begin(), jobs.end(), [](const Job& a, const Job& b) { return a.source < b.source; });
    return jobs;
}

Words commandOf(const Job& job, const std::string& object) {
    Words words = {"zorlan"};
    words.insert(words.end(), job.args.begin(), job.args.end());
    words.insert(words.end(), {"-o", object, job.source});
    return words;
}

Outcome runInProcess(const Job& job, const std::string& object) {
    Words words = commandOf(job, object);
    std::vector<const char*> argv;
    for (const std::string& w : words) argv.push_back(w.c_str());
    CapturedOutput out;
    Outcome o;
    o.status = zorlanMain(static_cast<int>(argv.size()), argv.data(), out.stream()) & 0xFF;
    o.listing = out.text();
    o.object = readFile(object);
    return o;
}

class Runs : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(dir.ok());
        previous = std::filesystem::current_path();
        // Include files are found from the golden folder, as the golden runner runs them.
        std::filesystem::current_path(goldenDir);
    }
    void TearDown() override { std::filesystem::current_path(previous); }

    const std::string goldenDir = std::string(ZORLAN_TEST_DATA_DIR) + "/golden";
    std::filesystem::path previous;
    ScratchDir dir;
};

} // namespace

TEST_F(Runs, InTurnAndOnTwoThreadsAsSeparateProcessesDo) {
    const std::vector<Job> jobs = goldenJobs(goldenDir);
    ASSERT_GT(jobs.size(), 100u);

    std::vector<Outcome> alone(jobs.size()), inTurn(jobs.size()), threaded(jobs.size());
    for (size_t i = 0; i < jobs.size(); ++i) {
        const std::string object = dir.file("p" + std::to_string(i) + ".obj");
        Words words = commandOf(jobs[i], object);
        words[0] = ZORLAN_EXECUTABLE;
        ProcessResult result;
        ASSERT_TRUE(runProcess(words, goldenDir, {}, false, result)) << jobs[i].source;
        alone[i] = {result.exitStatus, result.output, readFile(object)};
    }
    for (size_t i = 0; i < jobs.size(); ++i)
        inTurn[i] = runInProcess(jobs[i], dir.file("s" + std::to_string(i) + ".obj"));

    // Two threads take every other source; their runs overlap all the way through, and
    // both write their objects into the same directory.
    auto half = [&](size_t first) {
        for (size_t i = first; i < jobs.size(); i += 2)
            threaded[i] = runInProcess(jobs[i], dir.file("t" + std::to_string(i) + ".obj"));
    };
    std::thread other(half, 1);
    half(0);
    other.join();

    for (size_t i = 0; i < jobs.size(); ++i) {
        SCOPED_TRACE(jobs[i].source);
        EXPECT_EQ(inTurn[i].status, alone[i].status);
        EXPECT_EQ(inTurn[i].listing, alone[i].listing);
        EXPECT_EQ(inTurn[i].object, alone[i].object);
        EXPECT_EQ(threaded[i].status, alone[i].status);
        EXPECT_EQ(threaded[i].listing, alone[i].listing);
        EXPECT_EQ(threaded[i].object, alone[i].object);
    }
    // Nothing but the objects is left behind: no temporary file of any run.
    for (const std::string& name : dir.entries()) EXPECT_EQ(name.substr(name.size() - 4), ".obj") << name;
}

TEST_F(Runs, AListingChangesNeitherTheObjectNorTheDiagnostics) {
    // With a listing or a trace log, pass two handles every instruction from its
    // statement; without, it lays down the words pass one worked out for instructions
    // that no symbol can change. Both ways must give the same run.
    const std::vector<Job> jobs = goldenJobs(goldenDir);
    ASSERT_GT(jobs.size(), 100u);
    for (size_t i = 0; i < jobs.size(); ++i) {
        SCOPED_TRACE(jobs[i].source);
        const Outcome plain = runInProcess(jobs[i], dir.file("plain" + std::to_string(i) + ".obj"));
        Job listed = jobs[i];
        listed.args.insert(listed.args.begin(), {"-a", dir.file("l" + std::to_string(i) + ".lst")});
        const Outcome withListing = runInProcess(listed, dir.file("listed" + std::to_string(i) + ".obj"));
        EXPECT_EQ(withListing.status, plain.status);
        EXPECT_EQ(withListing.listing, plain.listing);
        EXPECT_EQ(withListing.object, plain.object);
    }
}
