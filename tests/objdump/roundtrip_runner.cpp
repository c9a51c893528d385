// Round trip of one golden source through zorlan-objdump:
//
//   roundtrip_runner <zorlan> <zorlan-objdump> <golden-dir> <relative .asm path>
//
// assembles the source as its golden test does (its #@args and #@env markers, working
// directory <golden-dir>), writes the object back as source with --reassemble,
// assembles that with -c and compares the two objects' .text bytes and .rel.text
// entries (by symbol name). A source that leaves no object is reported as skipped
// (exit status 77).
#include "objfile/elfReader.h"

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <dirent.h>
#include <fstream>
#include <iterator>
#include <sstream>
#include <string>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>
#include <utility>
#include <vector>

namespace {

using Words = std::vector<std::string>;
using Environment = std::vector<std::pair<std::string, std::string>>;

constexpr int kSkipped = 77;
constexpr unsigned kTimeoutSeconds = 60;

Words split(const std::string& text) {
    Words words;
    std::istringstream in(text);
    for (std::string w; in >> w;) words.push_back(w);
    return words;
}

std::string substituteTmp(std::string text, const std::string& tmp) {
    for (size_t at; (at = text.find("$TMP")) != std::string::npos;) text.replace(at, 4, tmp);
    return text;
}

// The #@args words and #@env entries of a golden source.
bool readRunMarkers(const std::string& path, const std::string& tmp, Words& args, Environment& env) {
    std::ifstream in(path);
    if (!in) return false;
    for (std::string line; std::getline(in, line);) {
        const size_t at = line.find("#@");
        if (at == std::string::npos) continue;
        const std::string marker = line.substr(at + 2);
        if (marker.rfind("args ", 0) == 0) {
            for (const std::string& w : split(marker.substr(5))) args.push_back(substituteTmp(w, tmp));
        } else if (marker.rfind("env ", 0) == 0) {
            const std::string rest = marker.substr(4);
            const size_t eq = rest.find('=');
            if (eq != std::string::npos)
                env.emplace_back(rest.substr(0, eq), substituteTmp(rest.substr(eq + 1), tmp));
        }
    }
    return true;
}

// Runs argv (argv[0] an absolute path) in `cwd`; standard output goes to `outputPath`
// (or is discarded when empty). Returns the exit status, or -1 when the run failed.
int run(const Words& argv, const std::string& cwd, const Environment& env, const std::string& outputPath) {
    const pid_t pid = fork();
    if (pid < 0) return -1;
    if (pid == 0) {
        const char* target = outputPath.empty() ? "/dev/null" : outputPath.c_str();
        FILE* out = std::freopen(target, "wb", stdout);
        if (!out) _exit(126);
        if (!cwd.empty() && chdir(cwd.c_str()) != 0) _exit(126);
        unsetenv("ZORLAN_INCLUDE");
        for (const auto& [name, value] : env) setenv(name.c_str(), value.c_str(), 1);
        std::vector<char*> args;
        for (const std::string& a : argv) args.push_back(const_cast<char*>(a.c_str()));
        args.push_back(nullptr);
        alarm(kTimeoutSeconds);
        execv(args[0], args.data());
        _exit(127);
    }
    int status = 0;
    while (waitpid(pid, &status, 0) < 0)
        if (errno != EINTR) return -1;
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

Words objectsIn(const std::string& dir) {
    Words found;
    if (DIR* d = opendir(dir.c_str())) {
        while (dirent* entry = readdir(d)) {
            const std::string name = entry->d_name;
            if (name.size() > 4 && name.compare(name.size() - 4, 4, ".obj") == 0)
                found.push_back(dir + "/" + name);
        }
        closedir(d);
    }
    return found;
}

void removeTree(const std::string& dir) {
    if (DIR* d = opendir(dir.c_str())) {
        while (dirent* entry = readdir(d)) {
            const std::string name = entry->d_name;
            if (name == "." || name == "..") continue;
            const std::string path = dir + "/" + name;
            if (unlink(path.c_str()) != 0) removeTree(path);
        }
        closedir(d);
    }
    rmdir(dir.c_str());
}

std::string absolute(const std::string& path) {
    if (!path.empty() && path[0] == '/') return path;
    char cwd[4096];
    return getcwd(cwd, sizeof cwd) ? std::string(cwd) + "/" + path : path;
}

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
            r.symbolIndex() < image.symbols.size() ? image.symbols[r.symbolIndex()].name : "?";
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
    const std::vector<uint8_t> none;
    const std::vector<uint8_t>& textA = a ? a->bytes : none;
    const std::vector<uint8_t>& textB = b ? b->bytes : none;
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
    const std::string zorlan = absolute(argv[1]), objdump = absolute(argv[2]), goldenDir = absolute(argv[3]);
    const std::string source = argv[4];

    char tmpTemplate[] = "/tmp/zorlan-roundtrip-XXXXXX";
    if (!mkdtemp(tmpTemplate)) {
        std::fprintf(stderr, "cannot make a scratch directory: %s\n", std::strerror(errno));
        return 2;
    }
    const std::string tmp = tmpTemplate;
    const std::string origDir = tmp + "/original";
    mkdir(origDir.c_str(), 0700);

    Words args;
    Environment env;
    if (!readRunMarkers(goldenDir + "/" + source, origDir, args, env)) {
        std::fprintf(stderr, "cannot read %s\n", source.c_str());
        removeTree(tmp);
        return 2;
    }
    bool namesOutput = false;
    for (const std::string& a : args) namesOutput |= a == "-o" || a.rfind("-o=", 0) == 0 || a == "--output";
    Words first{zorlan};
    first.insert(first.end(), args.begin(), args.end());
    if (!namesOutput) first.insert(first.end(), {"-o", origDir + "/out.obj"});
    first.push_back(source);
    run(first, goldenDir, env, "");

    const Words objects = objectsIn(origDir);
    if (objects.size() != 1) {
        std::printf("%s leaves no object: nothing to round-trip\n", source.c_str());
        removeTree(tmp);
        return kSkipped;
    }

    int result = 0;
    const std::string rebuilt = tmp + "/rebuilt.asm", again = tmp + "/rebuilt.obj";
    const int dumped = run({objdump, "--reassemble", objects[0]}, tmp, {}, rebuilt);
    const int assembled =
        dumped == 0 ? run({zorlan, "-c", "-o", again, rebuilt}, tmp, {}, tmp + "/listing.txt") : -1;
    ElfImage a, b;
    std::string error;
    if (dumped != 0) {
        std::printf("zorlan-objdump --reassemble exited with %d\n", dumped);
        result = 1;
    } else if (assembled != 0) {
        std::printf("the rebuilt source does not assemble (exit %d):\n", assembled);
        std::ifstream listing(tmp + "/listing.txt");
        std::printf("%s", std::string(std::istreambuf_iterator<char>(listing), {}).c_str());
        result = 1;
    } else if (readElfFile(objects[0].c_str(), a, error) != 0 || readElfFile(again.c_str(), b, error) != 0) {
        std::printf("cannot read an object: %s\n", error.c_str());
        result = 1;
    } else if (const std::string problems = compare(a, b); !problems.empty()) {
        std::printf("%s", problems.c_str());
        result = 1;
    }
    if (result != 0) {
        std::ifstream in(rebuilt);
        std::printf("--- rebuilt source ---\n%s",
                    std::string(std::istreambuf_iterator<char>(in), {}).c_str());
    }
    removeTree(tmp);
    return result;
}
