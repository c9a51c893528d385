// Runs one golden test: assembles a source with the zorlan executable and checks the
// expectations its #@ marker comments state (README.md, "Golden tests").
//
//   golden_runner <zorlan-executable> <golden-dir> <relative .asm path>
//
// Exit status 0 when every expectation holds, 1 when one fails, 2 on bad usage.
#include "format/elfReader.h"
#include "support/runnerSupport.h"

#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <iterator>
#include <map>
#include <string>
#include <vector>

namespace {

// ---- Small helpers ----

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
                   hex(want) + "\n  actual   " + hex(std::vector<uint8_t>(s->bytes.begin(), s->bytes.end())));
        }
    }
    Words names;
    for (size_t i = 1; i < image.sections.size(); ++i) names.emplace_back(image.sections[i].name);
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
            got += "  #@sym " + std::string(s.name) + " " + number(s.st_value, true) + " " +
                   number(s.st_size) + " " + number(s.st_info, true) + " " + number(s.st_shndx) + "\n";
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
            std::string symbol =
                index == 0 ? "-" : std::string(image.symbols[index].name); // the reader checked the index
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

std::string withScratch(std::string text, const std::string& tmp) {
    for (size_t at = 0; (at = text.find("$TMP", at)) != std::string::npos; at += tmp.size())
        text.replace(at, 4, tmp);
    return text;
}

// The files the markers name in the scratch directory: written or not, and what they hold.
void checkFiles(Checker& c, const Expectations& e, const std::string& tmp, const std::string& goldenDir) {
    for (const auto& [name, want] : e.files) {
        const std::string path = tmp + "/" + name;
        const bool exists = access(path.c_str(), F_OK) == 0;
        if (want.absent || !exists) {
            if (want.absent != !exists)
                c.fail("file " + name + (exists ? " was written" : " was not written"));
            continue;
        }
        // Inline lines may name the scratch directory as $TMP; a file of the golden folder is
        // taken as it is.
        std::string expected;
        if (want.sameAs) {
            expected = readTextFile(goldenDir + "/" + *want.sameAs);
        } else {
            for (const std::string& line : *want.lines) expected += withScratch(line, tmp) + "\n";
        }
        const std::string actual = readTextFile(path);
        if (actual == expected) continue;
        const Words expectedLines = lines(expected), got = lines(actual);
        size_t first = 0;
        while (first < expectedLines.size() && first < got.size() && expectedLines[first] == got[first])
            ++first;
        c.fail("file " + name + " differs from line " + std::to_string(first + 1) + ":\n  expected| " +
               (first < expectedLines.size() ? expectedLines[first] : "(end)") + "\n  actual  | " +
               (first < got.size() ? got[first] : "(end)") + "\nwhole file:\n" + actual);
    }
}

// The same source assembled again with a listing, a dependency rule and editor-style
// diagnostics asked for: whatever the run writes beside the object, it must end with the
// same status and leave the same object, byte for byte, and no temporary file.
void checkSideOutputsChangeNothing(Checker& c, const std::string& zorlan, const Expectations& e,
                                   const std::string& source, const std::string& goldenDir, int status,
                                   const std::string& tmp, const Words& objects) {
    const std::string again = makeScratchDirectory("zorlan-golden-again");
    if (again.empty()) {
        c.fail("cannot create a second temporary directory");
        return;
    }
    Expectations withOutputs = e;
    withOutputs.args.insert(withOutputs.args.begin(),
                            {"--listing", "$TMP/again.lst", "--MD", "$TMP/again.d", "--diagnostics=gnu"});
    Environment env;
    ProcessResult run;
    if (!runProcess(assembleCommand(zorlan, withOutputs, again, source, env), goldenDir, env, false, run)) {
        c.fail("cannot run " + zorlan + " a second time");
    } else if (run.exitStatus != status || run.signal != 0) {
        c.fail("with a listing and a dependency rule: exit status " + std::to_string(run.exitStatus) +
               " (signal " + std::to_string(run.signal) + "), without them " + std::to_string(status));
    } else {
        Words againObjects;
        for (const std::string& name : listDirectory(again)) {
            if (name.find(".tmp") != std::string::npos)
                c.fail("with a listing and a dependency rule: temporary file left behind: " + name);
            if (name.size() > 4 && name.compare(name.size() - 4, 4, ".obj") == 0)
                againObjects.push_back(name);
        }
        if (againObjects != objects)
            c.fail("with a listing and a dependency rule the run leaves other objects");
        else if (objects.size() == 1 &&
                 readTextFile(tmp + "/" + objects[0]) != readTextFile(again + "/" + objects[0]))
            c.fail("with a listing and a dependency rule the object differs");
    }
    removeDirectory(again);
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
    const std::string tmp = makeScratchDirectory("zorlan-golden");
    if (tmp.empty()) {
        std::printf("FAIL %s: cannot create a temporary directory\n", source.c_str());
        return 1;
    }
    Environment env;
    const Words args = assembleCommand(zorlan, e, tmp, source, env);

    Checker c;
    ProcessResult run;
    if (!runProcess(args, goldenDir, env, false, run)) c.fail("cannot run " + zorlan);
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
    checkFiles(c, e, tmp, goldenDir);
    if (run.signal == 0)
        checkSideOutputsChangeNothing(c, zorlan, e, source, goldenDir, run.exitStatus, tmp, objects);
    removeDirectory(tmp);

    if (!c.failures.empty()) {
        std::printf("FAIL %s\n%s", source.c_str(), c.failures.c_str());
        return 1;
    }
    std::printf("PASS %s\n", source.c_str());
    return 0;
}
