// Round trip of one golden source through zorlan-objdump:
//
//   roundtrip_runner <zorlan> <zorlan-objdump> <golden-dir> <relative .asm path>
//
// assembles the source as its golden test does (its #@args and #@env markers, working
// directory <golden-dir>), writes the object back as source with --reassemble,
// assembles that with -c and compares the two objects' .text bytes and .rel.text
// entries (by symbol name). A source that leaves no object is reported as skipped
// (exit status 77).
#include "format/elfReader.h"
#include "support/runnerSupport.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <string>
#include <sys/stat.h>
#include <vector>

namespace {

constexpr int kSkipped = 77;

std::string hexBytes(const std::vector<uint8_t>& bytes, size_t from, size_t count) {
    std::string text;
    for (size_t k = from; k < bytes.size() && k < from + count; ++k) {
        char b[4];
        std::snprintf(b, sizeof b, "%02X ", bytes[k]);
        text += b;
    }
    return text;
}

// The .rel.text entries as comparable lines: offset, type, symbol name, addend.
Words relocationLines(const ElfImage& image) {
    Words lines;
    const ElfImageSection* rel = findImageSection(image, ".rel.text");
    if (!rel) return lines;
    for (const ElfImageRelocation& r : rel->relocations) {
        const std::string name =
            r.symbolIndex() < image.symbols.size() ? std::string(image.symbols[r.symbolIndex()].name) : "?";
        lines.push_back(std::to_string(r.r_offset) + " type " + std::to_string(r.type()) + " " + name + " " +
                        std::to_string(r.r_addend));
    }
    return lines;
}

// Compares the two objects; the problems found, empty when they agree.
std::string compare(const ElfImage& original, const ElfImage& again) {
    std::string problems;
    const ElfImageSection* a = findImageSection(original, ".text");
    const ElfImageSection* b = findImageSection(again, ".text");
    std::vector<uint8_t> textA, textB;
    if (a) textA.assign(a->bytes.begin(), a->bytes.end());
    if (b) textB.assign(b->bytes.begin(), b->bytes.end());
    if (textA != textB) {
        size_t at = 0;
        while (at < textA.size() && at < textB.size() && textA[at] == textB[at]) ++at;
        problems += std::string(".text differs at byte ") + std::to_string(at) + " (sizes " +
                    std::to_string(textA.size()) + " and " + std::to_string(textB.size()) + "): original " +
                    hexBytes(textA, at & ~size_t{7}, 16) + "| reassembled " +
                    hexBytes(textB, at & ~size_t{7}, 16) + "\n";
    }
    const Words relA = relocationLines(original), relB = relocationLines(again);
    if (relA != relB) {
        problems += ".rel.text differs:\n";
        for (size_t k = 0; k < relA.size() || k < relB.size(); ++k) {
            const std::string x = k < relA.size() ? relA[k] : "-", y = k < relB.size() ? relB[k] : "-";
            problems += (x == y ? "    " : "  * ") + x + "  |  " + y + "\n";
        }
    }
    return problems;
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 5) {
        std::fprintf(stderr,
                     "usage: roundtrip_runner <zorlan> <zorlan-objdump> <golden-dir> <relative .asm path>\n");
        return 2;
    }
    const std::string zorlan = absolutePath(argv[1]), objdump = absolutePath(argv[2]);
    const std::string goldenDir = absolutePath(argv[3]), source = argv[4];

    Expectations e;
    std::string problems;
    if (!readMarkers(goldenDir + "/" + source, e, problems)) {
        std::fprintf(stderr, "%s: %s", source.c_str(), problems.c_str());
        return 2;
    }
    const std::string tmp = makeScratchDirectory("zorlan-roundtrip");
    if (tmp.empty()) {
        std::fprintf(stderr, "cannot make a scratch directory: %s\n", std::strerror(errno));
        return 2;
    }
    const std::string origDir = tmp + "/original";
    mkdir(origDir.c_str(), 0700);
    Environment env;
    ProcessResult first;
    runProcess(assembleCommand(zorlan, e, origDir, source, env), goldenDir, env, false, first);

    Words objects;
    for (const std::string& name : listDirectory(origDir))
        if (name.size() > 4 && name.compare(name.size() - 4, 4, ".obj") == 0)
            objects.push_back(origDir + "/" + name);
    if (objects.size() != 1) {
        std::printf("%s leaves no object: nothing to round-trip\n", source.c_str());
        removeDirectory(tmp);
        return kSkipped;
    }

    int result = 0;
    const std::string rebuilt = tmp + "/rebuilt.asm", again = tmp + "/rebuilt.obj";
    ProcessResult dump, reassembly;
    const bool dumped =
        runProcess({objdump, "--reassemble", objects[0]}, tmp, {}, false, dump) && dump.exitStatus == 0;
    std::ofstream(rebuilt) << dump.output;
    const bool assembled = dumped &&
                           runProcess({zorlan, "-c", "-o", again, rebuilt}, tmp, {}, false, reassembly) &&
                           reassembly.exitStatus == 0;
    ElfImage a, b;
    std::string error;
    if (!dumped) {
        std::printf("zorlan-objdump --reassemble exited with %d\n", dump.exitStatus);
        result = 1;
    } else if (!assembled) {
        std::printf("the rebuilt source does not assemble (exit %d):\n%s", reassembly.exitStatus,
                    reassembly.output.c_str());
        result = 1;
    } else if (readElfFile(objects[0].c_str(), a, error) != 0 || readElfFile(again.c_str(), b, error) != 0) {
        std::printf("cannot read an object: %s\n", error.c_str());
        result = 1;
    } else if (const std::string problems = compare(a, b); !problems.empty()) {
        std::printf("%s", problems.c_str());
        result = 1;
    }
    if (result != 0) std::printf("--- rebuilt source ---\n%s", dump.output.c_str());
    removeDirectory(tmp);
    return result;
}
