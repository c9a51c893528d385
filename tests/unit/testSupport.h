// Helpers shared by the unit tests.
#pragma once

#include "core/RunContext.h"
#include "core/messages.h"
#include "debug/dbgUtil.h"
#include "directives/Directive.h"
#include "driver/Zorlan.h"
#include "driver/initAsm.h"
#include "frontend/frontEnd.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <memory>
#include <string>
#include <string_view>
#include <system_error>
#include <vector>

// A stream in memory for what a run prints to its standard output.
class CapturedOutput {
  public:
    CapturedOutput() { stream_ = open_memstream(&buffer_, &size_); }
    ~CapturedOutput() {
        std::fclose(stream_);
        std::free(buffer_);
    }
    CapturedOutput(const CapturedOutput&) = delete;
    CapturedOutput& operator=(const CapturedOutput&) = delete;

    FILE* stream() const { return stream_; }
    std::string text() {
        std::fflush(stream_);
        return std::string(buffer_, size_);
    }

  private:
    char* buffer_ = nullptr;
    size_t size_ = 0;
    FILE* stream_ = nullptr;
};

// The exit status and standard output of one whole run.
struct RunResult {
    int status;
    std::string output;
};

// Runs the assembler with these words after the program name.
inline RunResult runZorlan(std::vector<const char*> words) {
    words.insert(words.begin(), "zorlan");
    CapturedOutput out;
    int status = zorlanMain(static_cast<int>(words.size()), words.data(), out.stream());
    return {status, out.text()};
}

// The parts of one run as the driver puts them together: the ground context, the state
// after start-up, the front end and the directives.
struct TestRun {
    TestRun() {
        initOk = initAssemblerState(context, state) == 0;
        frontEnd = std::make_unique<FrontEnd>(context, *state);
        directives = std::make_unique<DirectiveContext>(*state, *frontEnd, debug);
    }
    RunContext context;
    std::unique_ptr<AssemblerState> state;
    DebugDirectives debug;
    std::unique_ptr<FrontEnd> frontEnd;
    std::unique_ptr<DirectiveContext> directives;
    bool initOk = false;
};

inline std::string readFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

// A fresh directory under the system's temporary directory, removed with its contents.
class ScratchDir {
  public:
    ScratchDir() {
        std::string pattern = (std::filesystem::temp_directory_path() / "zorlan-test-XXXXXX").string();
        if (mkdtemp(pattern.data())) path_ = pattern;
    }
    ~ScratchDir() {
        std::error_code ignored;
        if (!path_.empty()) std::filesystem::remove_all(path_, ignored);
    }
    ScratchDir(const ScratchDir&) = delete;
    ScratchDir& operator=(const ScratchDir&) = delete;

    bool ok() const { return !path_.empty(); }
    const std::string& path() const { return path_; }
    std::string file(const std::string& name) const { return path_ + "/" + name; }
    // Writes a file of the directory; returns its path.
    std::string write(const std::string& name, std::string_view text) const {
        std::ofstream(file(name), std::ios::binary)
            .write(text.data(), static_cast<std::streamsize>(text.size()));
        return file(name);
    }
    // The names in the directory, sorted.
    std::vector<std::string> entries() const {
        std::vector<std::string> names;
        for (const auto& entry : std::filesystem::directory_iterator(path_))
            names.push_back(entry.path().filename().string());
        std::sort(names.begin(), names.end());
        return names;
    }

  private:
    std::string path_;
};
