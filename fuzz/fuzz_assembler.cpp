// libFuzzer target: arbitrary bytes are assembled as a source file. The first byte
// selects the switches (-d 1, -c, -u, and -l for the trace log), so every mode is
// covered by one corpus.
#include "driver/Zorlan.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <unistd.h>
#include <vector>

namespace {

// A scratch directory of this process, under $TMPDIR when it is set.
std::string workDir() {
    static std::string dir = [] {
        const char* base = std::getenv("TMPDIR");
        std::string pattern = std::string(base && *base ? base : "/tmp") + "/zorlan-fuzz-XXXXXX";
        const char* made = mkdtemp(pattern.data());
        return std::string(made ? made : "/tmp");
    }();
    return dir;
}

FILE* devNull() {
    static FILE* sink = std::fopen("/dev/null", "w");
    return sink;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size == 0) return 0;
    const std::string dir = workDir();
    const std::string source = dir + "/fuzz.asm";
    const std::string object = dir + "/fuzz.obj";
    const std::string log = dir + "/fuzz.log";
    FILE* f = std::fopen(source.c_str(), "wb");
    if (!f) return 0;
    std::fwrite(data + 1, 1, size - 1, f);
    std::fclose(f);

    std::vector<const char*> argv = {"zorlan", "-q", "-o", object.c_str()};
    if (data[0] & 1) argv.insert(argv.end(), {"-d", "1"});
    if (data[0] & 2) argv.push_back("-c");
    if (data[0] & 4) argv.push_back("-u");
    if (data[0] & 8) argv.insert(argv.end(), {"-l", log.c_str()});
    argv.push_back(source.c_str());

    zorlanMain(static_cast<int>(argv.size()), argv.data(), devNull());
    std::remove(object.c_str());
    std::remove(log.c_str());
    return 0;
}
