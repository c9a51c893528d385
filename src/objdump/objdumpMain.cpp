#include "objdump/objdumpMain.h"

#include "core/ver.h"
#include "format/elfReader.h"
#include "objdump/debugViews.h"
#include "objdump/objdumpViews.h"

#include <cstring>
#include <string>
#include <string_view>
#include <vector>

namespace {

constexpr const char* kTool = "zorlan-objdump";

constexpr const char* kUsage =
    "Usage: zorlan-objdump <option(s)> <file(s)>\n"
    " Shows what is inside Merrow object files.\n"
    " At least one of the following options must be given:\n"
    "  -f, --file-header        Display the ELF file header\n"
    "  -h, --section-headers    Display the section headers\n"
    "  -t, --syms               Display the symbol table\n"
    "  -r, --reloc              Display the relocation entries\n"
    "  -x, --all-headers        Display all of the above\n"
    "  -s, --full-contents      Display the full contents of every section\n"
    "  -d, --disassemble        Disassemble the .text section\n"
    "      --debug=KIND[,KIND]  Decode debug sections; KIND is line (.debug_line,\n"
    "                           .debug_raw_line), info (.debug_abbrev, .debug_info),\n"
    "                           reloc (.debug_info_reloc) or all\n"
    "      --reassemble         Write the object back as assembly source (assemble\n"
    "                           it with -c: the names are exact)\n"
    "  -v, --version            Display the version of this program\n"
    "  -H, --help               Display this information\n"
    " The following options are optional:\n"
    "  -j, --section=NAME       Only section NAME for -s, -d and -r (-r: also its\n"
    "                           relocation section); may be given more than once\n"
    "  -z, --disassemble-zeroes\n"
    "                           Show each zero word in -d rather than \"...\" for a\n"
    "                           run of four or more\n"
    "      --no-show-raw-insn   Leave out the words and bytes of each line of -d\n";

struct Options {
    bool fileHeader = false;
    bool sectionHeaders = false;
    bool symbols = false;
    bool relocations = false;
    bool contents = false;
    bool disassemble = false;
    bool debugLine = false;
    bool debugInfo = false;
    bool debugReloc = false;
    bool reassemble = false;
    bool help = false;
    bool version = false;
    std::vector<std::string> files;
    ViewOptions view;

    bool anyView() const {
        return fileHeader || sectionHeaders || symbols || relocations || contents || disassemble ||
               debugLine || debugInfo || debugReloc || reassemble;
    }
};

// Reads the --debug list; false on an unknown kind.
bool debugKinds(std::string_view list, Options& o, std::string& bad) {
    while (!list.empty()) {
        const size_t comma = list.find(',');
        const std::string_view kind = list.substr(0, comma);
        list = comma == std::string_view::npos ? std::string_view() : list.substr(comma + 1);
        if (kind == "line") {
            o.debugLine = true;
        } else if (kind == "info") {
            o.debugInfo = true;
        } else if (kind == "reloc") {
            o.debugReloc = true;
        } else if (kind == "all") {
            o.debugLine = o.debugInfo = o.debugReloc = true;
        } else {
            bad = std::string(kind);
            return false;
        }
    }
    return true;
}

// Parses the command line; false after a diagnostic.
bool parseOptions(int argc, char** argv, Options& o, FILE* err) {
    struct Long {
        const char* name;
        bool Options::*flag;
    };
    static const Long kLong[] = {
        {"--file-header", &Options::fileHeader}, {"--section-headers", &Options::sectionHeaders},
        {"--syms", &Options::symbols},           {"--reloc", &Options::relocations},
        {"--full-contents", &Options::contents}, {"--disassemble", &Options::disassemble},
        {"--reassemble", &Options::reassemble},  {"--help", &Options::help},
        {"--version", &Options::version},
    };
    bool onlyFiles = false;
    for (int i = 1; i < argc; ++i) {
        const std::string_view arg = argv[i] ? argv[i] : "";
        if (onlyFiles || arg.size() < 2 || arg[0] != '-') {
            o.files.emplace_back(arg);
            continue;
        }
        if (arg == "--") {
            onlyFiles = true;
            continue;
        }
        if (arg.substr(0, 2) == "--") {
            if (arg == "--all-headers") {
                o.fileHeader = o.sectionHeaders = o.symbols = o.relocations = true;
                continue;
            }
            if (arg == "--disassemble-zeroes") {
                o.view.collapseZeros = false;
                continue;
            }
            if (arg == "--no-show-raw-insn") {
                o.view.rawWords = false;
                continue;
            }
            if (arg == "--section" || arg.substr(0, 10) == "--section=") {
                if (arg.size() > 10) {
                    o.view.sections.emplace_back(arg.substr(10));
                } else if (arg.size() == 9 && i + 1 < argc && argv[i + 1]) {
                    o.view.sections.emplace_back(argv[++i]);
                } else {
                    std::fprintf(err, "%s: option '--section' requires a section name\n", kTool);
                    return false;
                }
                continue;
            }
            if (arg.substr(0, 8) == "--debug=") {
                std::string bad;
                if (!debugKinds(arg.substr(8), o, bad)) {
                    std::fprintf(err, "%s: unknown debug section kind '%s' (line, info, reloc or all)\n",
                                 kTool, bad.c_str());
                    return false;
                }
                continue;
            }
            bool known = false;
            for (const Long& l : kLong) {
                if (arg == l.name) {
                    o.*l.flag = true;
                    known = true;
                }
            }
            if (!known) {
                std::fprintf(err, "%s: unrecognised option '%.*s'\n", kTool, static_cast<int>(arg.size()),
                             arg.data());
                return false;
            }
            continue;
        }
        for (size_t k = 1; k < arg.size(); ++k) {
            if (arg[k] == 'j') {
                // The section name is the rest of the word, or the next word.
                if (k + 1 < arg.size()) {
                    o.view.sections.emplace_back(arg.substr(k + 1));
                } else if (i + 1 < argc && argv[i + 1]) {
                    o.view.sections.emplace_back(argv[++i]);
                } else {
                    std::fprintf(err, "%s: option requires an argument -- 'j'\n", kTool);
                    return false;
                }
                break;
            }
            switch (arg[k]) {
                case 'f':
                    o.fileHeader = true;
                    break;
                case 'h':
                    o.sectionHeaders = true;
                    break;
                case 't':
                    o.symbols = true;
                    break;
                case 'r':
                    o.relocations = true;
                    break;
                case 's':
                    o.contents = true;
                    break;
                case 'z':
                    o.view.collapseZeros = false;
                    break;
                case 'x':
                    o.fileHeader = o.sectionHeaders = o.symbols = o.relocations = true;
                    break;
                case 'd':
                    o.disassemble = true;
                    break;
                case 'H':
                    o.help = true;
                    break;
                case 'v':
                    o.version = true;
                    break;
                default:
                    std::fprintf(err, "%s: invalid option -- '%c'\n", kTool, arg[k]);
                    return false;
            }
        }
    }
    return true;
}

// One file: read, check, and the views in a fixed order. `found` marks the -j sections
// the file has.
bool dumpFile(const std::string& name, const Options& o, bool heading, std::vector<bool>& found, FILE* out,
              FILE* err) {
    ElfImage image;
    std::string error;
    if (readElfFile(name.c_str(), image, error) != 0 || checkMerrowObject(image, error) != 0) {
        std::fprintf(err, "%s: %s: %s\n", kTool, name.c_str(), error.c_str());
        return false;
    }
    for (size_t k = 0; k < o.view.sections.size(); ++k)
        if (findImageSection(image, o.view.sections[k])) found[k] = true;
    if (heading) std::fprintf(out, "\n%s:     file format elf32-merrow\n\n", name.c_str());
    if (o.fileHeader) viewFileHeader(image, out);
    if (o.sectionHeaders) viewSectionHeaders(image, out);
    if (o.symbols) viewSymbols(image, out);
    if (o.relocations) viewRelocations(image, o.view, out);
    if (o.contents) viewContents(image, o.view, out);
    if (o.disassemble) viewDisassembly(image, o.view, out);
    if (o.debugInfo) viewDebugInfo(image, out);
    if (o.debugLine) viewDebugLine(image, out);
    if (o.debugReloc) viewDebugReloc(image, out);
    if (o.reassemble && writeSource(image, name, out, error) != 0) {
        std::fprintf(err, "%s: %s: %s\n", kTool, name.c_str(), error.c_str());
        return false;
    }
    return true;
}

} // namespace

int checkMerrowObject(const ElfImage& image, std::string& error) {
    if (image.header.e_machine != kElfMachine) {
        char text[80];
        std::snprintf(text, sizeof text, "not a Merrow object (machine 0x%X, expected 0x%X)",
                      image.header.e_machine, kElfMachine);
        error = text;
        return -1;
    }
    return 0;
}

int objdumpMain(int argc, char** argv, FILE* out, FILE* err) {
    Options o;
    if (!parseOptions(argc, argv, o, err)) {
        std::fprintf(err, "%s", kUsage);
        return kObjdumpUsage;
    }
    if (o.help) {
        std::fprintf(out, "%s", kUsage);
        return kObjdumpOk;
    }
    if (o.version) {
        std::fputs(kTool, out);
        printVersion(out);
        return kObjdumpOk;
    }
    if (!o.anyView() || o.files.empty()) {
        if (!o.anyView()) std::fprintf(err, "%s: no view chosen\n", kTool);
        if (o.files.empty()) std::fprintf(err, "%s: no input file\n", kTool);
        std::fprintf(err, "%s", kUsage);
        return kObjdumpUsage;
    }
    // The source writer's output is meant for the assembler: no heading above it.
    const bool heading =
        !(o.reassemble && !o.fileHeader && !o.sectionHeaders && !o.symbols && !o.relocations && !o.contents &&
          !o.disassemble && !o.debugLine && !o.debugInfo && !o.debugReloc);
    int status = kObjdumpOk;
    std::vector<bool> found(o.view.sections.size(), false);
    for (const std::string& file : o.files)
        if (!dumpFile(file, o, heading, found, out, err)) status = kObjdumpBadFile;
    // A -j name that no file has is most likely mistyped.
    for (size_t k = 0; k < found.size(); ++k) {
        if (found[k]) continue;
        std::fprintf(err, "%s: section '%s' mentioned in a -j option, but not found in any input file\n",
                     kTool, o.view.sections[k].c_str());
        if (status == kObjdumpOk) status = kObjdumpUsage;
    }
    return status;
}
