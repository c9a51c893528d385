// Replays fuzz inputs without libFuzzer: each file named on the command line, and each
// regular file of each directory named (in name order), goes once through the target's
// LLVMFuzzerTestOneInput. Linked with a target's source by the normal build, it lets the
// test suite (and its sanitizer build) run the kept corpora. A fault ends the process
// as it would end the fuzzer; the last name printed is the input that caused it.
//
//   replay [-q] PATH...    (-q: no line per input)
#include <algorithm>
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <string_view>
#include <system_error>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size);

namespace {

namespace fs = std::filesystem;

// The inputs a path names; false when it names nothing readable.
bool collect(const fs::path& path, std::vector<fs::path>& inputs) {
    std::error_code ec;
    if (fs::is_regular_file(path, ec)) {
        inputs.push_back(path);
        return true;
    }
    if (!fs::is_directory(path, ec)) return false;
    std::vector<fs::path> found;
    for (const fs::directory_entry& entry : fs::directory_iterator(path, ec))
        if (entry.is_regular_file(ec)) found.push_back(entry.path());
    if (ec) return false;
    std::sort(found.begin(), found.end());
    inputs.insert(inputs.end(), found.begin(), found.end());
    return true;
}

} // namespace

int main(int argc, char** argv) {
    bool quiet = false;
    std::vector<fs::path> inputs;
    for (int i = 1; i < argc; ++i) {
        const std::string_view arg = argv[i];
        if (arg == "-q") {
            quiet = true;
            continue;
        }
        if (!collect(arg, inputs)) {
            std::fprintf(stderr, "replay: %s: no such file or directory\n", argv[i]);
            return 1;
        }
    }
    // An empty replay proves nothing: a corpus that went missing must fail the run.
    if (inputs.empty()) {
        std::fprintf(stderr, "usage: replay [-q] FILE-OR-DIRECTORY... (no inputs found)\n");
        return 1;
    }
    const auto start = std::chrono::steady_clock::now();
    size_t bytes = 0;
    for (const fs::path& input : inputs) {
        std::ifstream in(input, std::ios::binary);
        const std::vector<uint8_t> data((std::istreambuf_iterator<char>(in)),
                                        std::istreambuf_iterator<char>());
        if (!in.good() && !in.eof()) {
            std::fprintf(stderr, "replay: %s: cannot read\n", input.c_str());
            return 1;
        }
        if (!quiet) {
            std::printf("%s\n", input.c_str());
            std::fflush(stdout);
        }
        // libFuzzer never passes a null pointer, not even for an empty input.
        const uint8_t none = 0;
        LLVMFuzzerTestOneInput(data.empty() ? &none : data.data(), data.size());
        bytes += data.size();
    }
    const std::chrono::duration<double> spent = std::chrono::steady_clock::now() - start;
    std::printf("replayed %zu inputs (%zu bytes) in %.2f s\n", inputs.size(), bytes, spent.count());
    return 0;
}
