// Runs one golden test: assembles a source with the zorlan executable and checks the
// expectations its #@ marker comments state (README.md, "Golden tests").
//
//   golden_runner <zorlan-executable> <golden-dir> <relative .asm path>
//
// Exit status 0 when every expectation holds, 1 when one fails, 2 on bad usage.
#include "objfile/elfReader.h"

#include <dirent.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <climits>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <functional>
#include <map>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

namespace {

using Words = std::vector<std::string>;

constexpr unsigned kTimeoutSeconds = 60; // a hanging assembler is killed by SIGALRM

struct SymRow {
    std::string name;
    int64_t value, size, info, shndx;
};

struct RelRow {
    int64_t offset, type;
    std::string symbol; // "-" for index 0
    int64_t addend;
};

struct HeaderField {
    std::string section; // empty for the ELF file header
    std::string field;
    int64_t value;
};

struct Expectations {
    Words args;
    std::vector<std::pair<std::string, std::string>> env;
    int exitStatus = 0;
    std::optional<Words> out;
    std::vector<std::string> byteSectionOrder;     // sections with expected bytes, first mention first
    std::map<std::string, std::vector<int>> bytes; // -1: a byte this test leaves to another
    std::optional<Words> sections;
    std::optional<std::vector<SymRow>> symbols;
    std::map<std::string, std::vector<RelRow>> relocations;
    std::vector<HeaderField> header; // file header and section header fields
    bool noObject = false;
};

// ---- Small helpers ----

Words split(const std::string& text) {
    Words words;
    std::istringstream in(text);
    for (std::string w; in >> w;) words.push_back(w);
    return words;
}

// Decimal or 0x hexadecimal, with an optional minus sign.
bool parseNumber(const std::string& text, int64_t& value) {
    size_t at = text.size() > 1 && text[0] == '-' ? 1 : 0;
    int base = text.compare(at, 2, "0x") == 0 || text.compare(at, 2, "0X") == 0 ? 16 : 10;
    if (base == 16) at += 2;
    if (at >= text.size()) return false;
    errno = 0;
    char* end = nullptr;
    unsigned long long magnitude = std::strtoull(text.c_str() + at, &end, base);
    if (*end != '\0' || errno != 0 || !std::isxdigit(static_cast<unsigned char>(text[at])) ||
        magnitude > INT64_MAX)
        return false;
    value = text[0] == '-' ? -static_cast<int64_t>(magnitude) : static_cast<int64_t>(magnitude);
    return true;
}

// A 4-digit token is a code word (low byte first), a 2-digit token one byte, and *N
// stands for N bytes that another test checks (-1 each).
bool parseHexBytes(const Words& tokens, size_t first, std::vector<int>& out) {
    for (size_t i = first; i < tokens.size(); ++i) {
        const std::string& t = tokens[i];
        int64_t skipped = 0;
        if (t.size() > 1 && t[0] == '*') {
            if (!parseNumber(t.substr(1), skipped) || skipped < 1 || skipped > 1 << 20) return false;
            out.insert(out.end(), static_cast<size_t>(skipped), -1);
            continue;
        }
        bool hex = std::all_of(t.begin(), t.end(),
                               [](char c) { return std::isxdigit(static_cast<unsigned char>(c)); });
        if (!hex || (t.size() != 2 && t.size() != 4)) return false;
        unsigned long v = std::strtoul(t.c_str(), nullptr, 16);
        out.push_back(static_cast<int>(v & 0xFF));
        if (t.size() == 4) out.push_back(static_cast<int>(v >> 8));
    }
    return true;
}

template <class Byte> std::string hex(const std::vector<Byte>& bytes) {
    std::string s;
    char buf[4];
    for (Byte b : bytes) {
        const int v = static_cast<int>(b);
        if (v < 0) {
            s += "?? ";
        } else {
            std::snprintf(buf, sizeof buf, "%02x ", static_cast<unsigned>(v & 0xFF));
            s += buf;
        }
    }
    return s.empty() ? "(none)" : s;
}

// Addresses and bit fields read best in hex, counts and indexes in decimal.
std::string number(int64_t v, bool inHex = false) {
    char buf[32];
    std::snprintf(buf, sizeof buf, inHex && v >= 0 ? "0x%llx" : "%lld", static_cast<long long>(v));
    return buf;
}

// ---- Markers ----

using MarkerHandler = std::function<bool(Expectations&, const std::string& rest, const Words& words)>;

bool addBytes(Expectations& e, const std::string& section, const Words& words, size_t first) {
    if (!e.bytes.count(section)) e.byteSectionOrder.push_back(section);
    return parseHexBytes(words, first, e.bytes[section]);
}

// FIELD=VALUE words of a file header or section header marker.
bool addFields(Expectations& e, const std::string& section, const Words& words, size_t first) {
    for (size_t i = first; i < words.size(); ++i) {
        size_t eq = words[i].find('=');
        int64_t v;
        if (eq == std::string::npos || !parseNumber(words[i].substr(eq + 1), v)) return false;
        e.header.push_back({section, words[i].substr(0, eq), v});
    }
    return words.size() > first;
}

const std::map<std::string, MarkerHandler>& markerTable() {
    static const std::map<std::string, MarkerHandler> table = {
        {"args",
         [](Expectations& e, const std::string&, const Words& w) {
             e.args.insert(e.args.end(), w.begin(), w.end());
             return !w.empty();
         }},
        {"env",
         [](Expectations& e, const std::string& rest, const Words&) {
             size_t eq = rest.find('=');
             if (eq == std::string::npos || eq == 0) return false;
             e.env.emplace_back(rest.substr(0, eq), rest.substr(eq + 1));
             return true;
         }},
        {"exit",
         [](Expectations& e, const std::string&, const Words& w) {
             int64_t v;
             if (w.size() != 1 || !parseNumber(w[0], v) || v < 0 || v > 255) return false;
             e.exitStatus = static_cast<int>(v);
             return true;
         }},
        {"out",
         [](Expectations& e, const std::string& rest, const Words&) {
             if (!e.out) e.out.emplace();
             e.out->push_back(rest);
             return true;
         }},
        {"text",
         [](Expectations& e, const std::string&, const Words& w) { return addBytes(e, ".text", w, 0); }},
        {"data",
         [](Expectations& e, const std::string&, const Words& w) { return addBytes(e, ".data", w, 0); }},
        {"bss",
         [](Expectations& e, const std::string&, const Words& w) { return addBytes(e, ".bss", w, 0); }},
        {"section", [](Expectations& e, const std::string&,
                       const Words& w) { return !w.empty() && addBytes(e, w[0], w, 1); }},
        {"sections",
         [](Expectations& e, const std::string&, const Words& w) {
             if (e.sections) return false;
             e.sections = w;
             return true;
         }},
        {"sym",
         [](Expectations& e, const std::string&, const Words& w) {
             SymRow r{w.empty() ? "" : w[0], 0, 0, 0, 0};
             if (w.size() != 5 || !parseNumber(w[1], r.value) || !parseNumber(w[2], r.size) ||
                 !parseNumber(w[3], r.info) || !parseNumber(w[4], r.shndx))
                 return false;
             if (!e.symbols) e.symbols.emplace();
             e.symbols->push_back(r);
             return true;
         }},
        {"rel",
         [](Expectations& e, const std::string&, const Words& w) {
             RelRow r{0, 0, w.size() > 3 ? w[3] : "", 0};
             if (w.size() != 5 || !parseNumber(w[1], r.offset) || !parseNumber(w[2], r.type) ||
                 !parseNumber(w[4], r.addend))
                 return false;
             e.relocations[w[0]].push_back(r);
             return true;
         }},
        {"header",
         [](Expectations& e, const std::string&, const Words& w) { return addFields(e, "", w, 0); }},
        {"shdr", [](Expectations& e, const std::string&,
                    const Words& w) { return w.size() > 1 && addFields(e, w[0], w, 1); }},
        {"noobj",
         [](Expectations& e, const std::string&, const Words& w) {
             e.noObject = true;
             return w.empty();
         }},
    };
    return table;
}

bool readMarkers(const std::string& path, Expectations& e, std::string& problems) {
    std::ifstream in(path);
    if (!in) {
        problems += "cannot read " + path + "\n";
        return false;
    }
    int lineNumber = 0;
    for (std::string line; std::getline(in, line);) {
        ++lineNumber;
        if (!line.empty() && line.back() == '\r') line.pop_back();
        size_t at = line.find("#@");
        if (at == std::string::npos) continue;
        std::string marker = line.substr(at + 2);
        size_t blank = marker.find(' ');
        std::string name = marker.substr(0, blank);
        std::string rest = blank == std::string::npos ? "" : marker.substr(blank + 1);
        auto handler = markerTable().find(name);
        if (handler == markerTable().end()) {
            problems += "line " + std::to_string(lineNumber) + ": unknown marker #@" + name + "\n";
        } else if (!handler->second(e, rest, split(rest))) {
            problems +=
                "line " + std::to_string(lineNumber) + ": malformed marker: " + line.substr(at) + "\n";
        }
    }
    return problems.empty();
}

// ---- Processes and files ----

struct ProcessResult {
    int exitStatus = -1;
    int signal = 0;
    std::string output;
};

// Runs argv[0] (an absolute path) in `cwd` with extra environment entries, capturing
// standard output (and standard error when `mergeErrors`).
bool runProcess(const Words& argv, const std::string& cwd,
                const std::vector<std::pair<std::string, std::string>>& env, bool mergeErrors,
                ProcessResult& result) {
    int fds[2];
    if (pipe(fds) != 0) return false;
    pid_t pid = fork();
    if (pid < 0) return false;
    if (pid == 0) {
        dup2(fds[1], STDOUT_FILENO);
        if (mergeErrors) dup2(fds[1], STDERR_FILENO);
        close(fds[0]);
        close(fds[1]);
        if (!cwd.empty() && chdir(cwd.c_str()) != 0) _exit(126);
        unsetenv("ZORLAN_INCLUDE"); // the test states its own, or none
        for (const auto& [name, value] : env) setenv(name.c_str(), value.c_str(), 1);
        std::vector<char*> args;
        for (const std::string& a : argv) args.push_back(const_cast<char*>(a.c_str()));
        args.push_back(nullptr);
        alarm(kTimeoutSeconds);
        execv(args[0], args.data());
        _exit(127);
    }
    close(fds[1]);
    char buf[4096];
    for (ssize_t n; (n = read(fds[0], buf, sizeof buf)) != 0;) {
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) break;
        result.output.append(buf, static_cast<size_t>(n));
    }
    close(fds[0]);
    int status = 0;
    while (waitpid(pid, &status, 0) < 0)
        if (errno != EINTR) return false;
    if (WIFEXITED(status)) result.exitStatus = WEXITSTATUS(status);
    if (WIFSIGNALED(status)) result.signal = WTERMSIG(status);
    return true;
}

Words listDirectory(const std::string& dir) {
    Words names;
    if (DIR* d = opendir(dir.c_str())) {
        while (dirent* entry = readdir(d))
            if (std::strcmp(entry->d_name, ".") != 0 && std::strcmp(entry->d_name, "..") != 0)
                names.push_back(entry->d_name);
        closedir(d);
    }
    std::sort(names.begin(), names.end());
    return names;
}

void removeDirectory(const std::string& dir) {
    for (const std::string& name : listDirectory(dir)) unlink((dir + "/" + name).c_str());
    rmdir(dir.c_str());
}

std::string findOnPath(const char* program) {
    const char* path = std::getenv("PATH");
    std::istringstream dirs(path ? path : "");
    for (std::string dir; std::getline(dirs, dir, ':');) {
        std::string candidate = (dir.empty() ? "." : dir) + "/" + program;
        if (access(candidate.c_str(), X_OK) == 0) return candidate;
    }
    return "";
}

Words lines(const std::string& text) {
    Words out;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) out.push_back(line);
    return out;
}

// ---- Checks ----

struct Checker {
    std::string failures;
    void fail(const std::string& text) { failures += text + "\n"; }
};

void checkOutput(Checker& c, const Words& expected, const std::string& actualText) {
    Words actual = lines(actualText);
    if (actual == expected) return;
    size_t first = 0;
    while (first < expected.size() && first < actual.size() && expected[first] == actual[first]) ++first;
    std::string text = "standard output differs from line " + std::to_string(first + 1) + ":\n";
    for (const std::string& l : expected) text += "  expected| " + l + "\n";
    for (const std::string& l : actual) text += "  actual  | " + l + "\n";
    c.fail(text);
}

void checkObject(Checker& c, const Expectations& e, const ElfImage& image) {
    for (const std::string& name : e.byteSectionOrder) {
        const ElfImageSection* s = findImageSection(image, name);
        const std::vector<int>& want = e.bytes.at(name);
        if (!s) {
            c.fail("section " + name + " is missing (expected " + hex(want) + ")");
            continue;
        }
        size_t at = 0;
        while (at < want.size() && at < s->bytes.size() && (want[at] < 0 || want[at] == s->bytes[at])) ++at;
        if (at != want.size() || at != s->bytes.size()) {
            c.fail("section " + name + " differs at byte " + std::to_string(at) + ":\n  expected " +
                   hex(want) + "\n  actual   " + hex(s->bytes));
        }
    }
    Words names;
    for (size_t i = 1; i < image.sections.size(); ++i) names.push_back(image.sections[i].name);
    auto joined = [](const Words& w) {
        std::string s;
        for (const std::string& x : w) s += (s.empty() ? "" : " ") + x;
        return s;
    };
    if (e.sections && *e.sections != names)
        c.fail("sections differ:\n  expected " + joined(*e.sections) + "\n  actual   " + joined(names));

    if (e.symbols) {
        std::string want, got;
        for (const SymRow& r : *e.symbols)
            want += "  #@sym " + r.name + " " + number(r.value, true) + " " + number(r.size) + " " +
                    number(r.info, true) + " " + number(r.shndx) + "\n";
        for (const ElfImageSymbol& s : image.symbols)
            got += "  #@sym " + s.name + " " + number(s.st_value, true) + " " + number(s.st_size) + " " +
                   number(s.st_info, true) + " " + number(s.st_shndx) + "\n";
        if (want != got)
            c.fail("symbols differ; expected:\n" + want + "actual:\n" + (got.empty() ? "  (none)\n" : got));
    }
    for (const auto& [section, rows] : e.relocations) {
        const ElfImageSection* s = findImageSection(image, section);
        std::string want, got;
        for (const RelRow& r : rows)
            want += "  #@rel " + section + " " + number(r.offset, true) + " " + number(r.type) + " " +
                    r.symbol + " " + number(r.addend) + "\n";
        for (const ElfImageRelocation& r : s ? s->relocations : std::vector<ElfImageRelocation>{}) {
            uint32_t index = r.symbolIndex();
            std::string symbol = index == 0 ? "-" : image.symbols[index].name; // the reader checked the index
            got += "  #@rel " + section + " " + number(r.r_offset, true) + " " + number(r.type()) + " " +
                   symbol + " " + number(r.r_addend) + "\n";
        }
        if (want != got)
            c.fail(section + " entries differ; expected:\n" + want + "actual:\n" +
                   (!s            ? "  (no section)\n"
                    : got.empty() ? "  (none)\n"
                                  : got));
    }

    const ElfFileHeader& h = image.header;
    const std::map<std::string, int64_t> fileFields = {
        {"e_type", h.e_type},         {"e_machine", h.e_machine},     {"e_version", h.e_version},
        {"e_entry", h.e_entry},       {"e_phoff", h.e_phoff},         {"e_shoff", h.e_shoff},
        {"e_flags", h.e_flags},       {"e_ehsize", h.e_ehsize},       {"e_phentsize", h.e_phentsize},
        {"e_phnum", h.e_phnum},       {"e_shentsize", h.e_shentsize}, {"e_shnum", h.e_shnum},
        {"e_shstrndx", h.e_shstrndx},
    };
    for (const HeaderField& f : e.header) {
        std::map<std::string, int64_t> fields = fileFields;
        std::string owner = f.section.empty() ? "header" : f.section;
        if (!f.section.empty()) {
            const ElfImageSection* s = findImageSection(image, f.section);
            if (!s) {
                c.fail("section " + f.section + " is missing (expected " + f.field + "=" +
                       number(f.value, true) + ")");
                continue;
            }
            const ElfSectionHeader& sh = s->header;
            fields = {{"sh_name", sh.sh_name},           {"sh_type", sh.sh_type},
                      {"sh_flags", sh.sh_flags},         {"sh_addr", sh.sh_addr},
                      {"sh_offset", sh.sh_offset},       {"sh_size", sh.sh_size},
                      {"sh_link", sh.sh_link},           {"sh_info", sh.sh_info},
                      {"sh_addralign", sh.sh_addralign}, {"sh_entsize", sh.sh_entsize}};
        }
        auto it = fields.find(f.field);
        if (it == fields.end())
            c.fail("unknown " + owner + " field " + f.field);
        else if (it->second != f.value)
            c.fail(owner + " " + f.field + " is " + number(it->second, true) + ", expected " +
                   number(f.value, true));
    }
}

// Header fields that the object format sets on purpose and readelf reads in the
// conventional meaning: .symtab keeps sh_link 0, relocation sections keep sh_info 0,
// .text/.data carry their .EVEN/.ODD code in sh_info, and the debug sections' flag 64
// reads as "info field is a link". These warnings are expected; any other complaint is not.
const char* const kExpectedReadelfWarnings[] = {
    "Link field (0) should index a string section",
    "Info field (0) should index a relocatable section",
    ") in info field",
    "Expected link to another section in info field",
};

// readelf's complaints, one per "Error:" or "Warning:", up to the next one or the line's end.
Words readelfComplaints(const std::string& output) {
    Words complaints;
    for (size_t at = 0; (at = output.find(": ", at)) != std::string::npos; at += 2) {
        size_t word = output.find_last_of(" \n", at - 1);
        word = word == std::string::npos ? 0 : word + 1;
        std::string kind = output.substr(word, at - word);
        if (kind != "Error" && kind != "Warning") continue;
        size_t end = std::min(output.find('\n', at), output.find("readelf: ", at));
        complaints.push_back(output.substr(word, end == std::string::npos ? std::string::npos : end - word));
    }
    return complaints;
}

void checkWithReadelf(Checker& c, const std::string& object) {
    std::string readelf = findOnPath("readelf");
    if (readelf.empty()) return;
    ProcessResult r;
    if (!runProcess({readelf, "-h", "-S", "-s", object}, "", {}, true, r)) {
        c.fail("cannot run readelf");
        return;
    }
    std::string unexpected;
    for (const std::string& complaint : readelfComplaints(r.output)) {
        bool expected =
            complaint.rfind("Warning", 0) == 0 &&
            std::any_of(std::begin(kExpectedReadelfWarnings), std::end(kExpectedReadelfWarnings),
                        [&](const char* text) { return complaint.find(text) != std::string::npos; });
        if (!expected) unexpected += "  " + complaint + "\n";
    }
    if (r.exitStatus != 0 || !unexpected.empty())
        c.fail("readelf does not accept the object (status " + std::to_string(r.exitStatus) + "):\n" +
               unexpected);
}

std::string absolutePath(const char* path) {
    char resolved[PATH_MAX];
    return realpath(path, resolved) ? resolved : "";
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 4) {
        std::fprintf(stderr, "usage: golden_runner <zorlan-executable> <golden-dir> <relative .asm path>\n");
        return 2;
    }
    const std::string zorlan = absolutePath(argv[1]), goldenDir = absolutePath(argv[2]), source = argv[3];
    if (zorlan.empty() || goldenDir.empty()) {
        std::fprintf(stderr, "golden_runner: cannot find %s or %s\n", argv[1], argv[2]);
        return 2;
    }
    Expectations e;
    std::string problems;
    if (!readMarkers(goldenDir + "/" + source, e, problems)) {
        std::printf("FAIL %s: bad markers\n%s", source.c_str(), problems.c_str());
        return 1;
    }
    char tmpTemplate[] = "/tmp/zorlan-golden-XXXXXX";
    if (!mkdtemp(tmpTemplate)) {
        std::printf("FAIL %s: cannot create a temporary directory\n", source.c_str());
        return 1;
    }
    const std::string tmp = tmpTemplate;

    // "$TMP" in arguments and environment values stands for the run's scratch directory.
    auto substitute = [&tmp](std::string text) {
        for (size_t at; (at = text.find("$TMP")) != std::string::npos;) text.replace(at, 4, tmp);
        return text;
    };
    Words args{zorlan};
    bool hasOutput = false;
    for (const std::string& a : e.args) {
        args.push_back(substitute(a));
        hasOutput |= a == "-o" || a.rfind("-o=", 0) == 0 || a.rfind("--output", 0) == 0;
    }
    if (!hasOutput) args.insert(args.end(), {"-o", tmp + "/out.obj"});
    args.push_back(source);
    for (auto& entry : e.env) entry.second = substitute(entry.second);

    Checker c;
    ProcessResult run;
    if (!runProcess(args, goldenDir, e.env, false, run)) c.fail("cannot run " + zorlan);
    if (run.signal != 0) c.fail("zorlan was killed by signal " + std::to_string(run.signal));
    if (run.exitStatus != e.exitStatus)
        c.fail("exit status " + std::to_string(run.exitStatus) + ", expected " +
               std::to_string(e.exitStatus));
    checkOutput(c,
                e.out ? *e.out
                      : Words{"Assembling " + source, "0 errors, 0 warnings and 0 informational messages"},
                run.output);

    Words objects;
    for (const std::string& name : listDirectory(tmp)) {
        if (name.find(".tmp") != std::string::npos) c.fail("temporary file left behind: " + name);
        if (name.size() > 4 && name.compare(name.size() - 4, 4, ".obj") == 0) objects.push_back(name);
    }
    if (e.noObject) {
        if (!objects.empty()) c.fail("an object file was written: " + objects[0]);
    } else if (objects.size() != 1) {
        c.fail("expected one object file in the scratch directory, found " + std::to_string(objects.size()));
    } else {
        std::string object = tmp + "/" + objects[0];
        ElfImage image;
        std::string error;
        if (readElfFile(object.c_str(), image, error) != 0)
            c.fail("the object is not a valid ELF file: " + error);
        else
            checkObject(c, e, image);
        checkWithReadelf(c, object);
    }
    removeDirectory(tmp);

    if (!c.failures.empty()) {
        std::printf("FAIL %s\n%s", source.c_str(), c.failures.c_str());
        return 1;
    }
    std::printf("PASS %s\n", source.c_str());
    return 0;
}
