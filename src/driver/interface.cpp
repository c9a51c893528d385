#include "driver/interface.h"

#include "core/messages.h"

#include <cstdlib>
#include <cstring>

const OptionSpec kOptionTable[] = {
    {"verbose", 2, 'v', nullptr, "Verbose output of command lines for tools"},
    {"quiet", 2, 'q', nullptr, "Quieten output of command lines for tools"},
    {"uscore", 2, 'u', nullptr, "Add underscore to ASM directives"},
    {"csensitive", 2, 'c', nullptr, "Case sensitive symbols"},
    {"output", 1, 'o', "FILE", "Set output file name"},
    {"log", 1, 'l', "FILE", "Set log file name"},
    {"debug", 1, 'd', "LEVEL", "Propagate debug information"},
    {"version", 2, 'e', nullptr, "Display tool versions"},
    {"include", 1, 'I', nullptr, "Add include directory search path"},
    {"help", 2, 'h', nullptr, "Display Help message"},
    // Beyond the usage text: what build systems and editors ask of an assembler.
    {"MD", 1, 'P', "FILE", "Write a Make rule naming the object's source files"},
    {"listing", 1, 'a', "FILE", "Write a listing of the assembled lines and the symbols"},
    {"diagnostics", 1, 'F', "FORMAT", "Diagnostics format: gnu or default"},
    {"fatal-warnings", 2, 'E', nullptr, "Count warnings as errors for the exit status"},
    {nullptr, 0, 0, nullptr, nullptr},
};

namespace {

constexpr size_t kMaxKeyLength = 255;

bool keyMatches(const std::string& key, const OptionSpec& row) {
    if (key.size() > 2 && key[0] == '-' && key[1] == '-')
        return key.compare(2, std::string::npos, row.name) == 0;
    return key.size() == 2 && key[0] == '-' && key[1] == row.val;
}

} // namespace

int nextOption(OptionReader& reader, int argc, const char* const* argv, const OptionSpec* table,
               int* rowIndex) {
    reader.argument.reset();
    if (rowIndex) *rowIndex = -1;
    if (argc != reader.previousArgc) {
        reader.previousArgc = argc;
        reader.wordIndex = 0;
    }
    ++reader.wordIndex;
    if (reader.wordIndex >= argc) {
        reader.wordIndex = 0;
        return -1;
    }
    const char* word = argv[reader.wordIndex];
    if (word[0] != '-') {
        reader.argument = word;
        return 'f';
    }

    std::string key;
    for (const char* p = word; *p && *p != '=' && key.size() < kMaxKeyLength; ++p)
        if (*p != ' ' && *p != '\t') key += *p;

    int row = -1;
    for (int i = 0; table[i].name; ++i) {
        if (keyMatches(key, table[i])) {
            row = i;
            break;
        }
    }
    if (row < 0) {
        std::fprintf(reader.out, "Unknown parameter \"%s\"\n", word);
        return '?';
    }
    if (rowIndex) *rowIndex = row;
    if (table[row].hasArg != 1) return table[row].val;

    if (const char* eq = std::strchr(word, '=')) {
        reader.argument = eq + 1;
    } else if (reader.wordIndex + 1 < argc && std::strcmp(argv[reader.wordIndex + 1], "=") == 0) {
        // "-o = name": both words are consumed; a trailing lone "=" leaves the option without a value.
        reader.wordIndex += 1;
        if (reader.wordIndex + 1 < argc) {
            reader.wordIndex += 1;
            reader.argument = argv[reader.wordIndex];
        }
    } else if (reader.wordIndex + 1 < argc && argv[reader.wordIndex + 1][0] != '-') {
        reader.wordIndex += 1;
        reader.argument = argv[reader.wordIndex];
    }
    return table[row].val;
}

void printUsage(FILE* out) {
    std::fprintf(out, "%s [options] [file ...]\n\n", "Zorlan");
    std::fputs("  -d level\tSpecify debug output level for assembler.\n"
               "  -o\t\tSpecify output filename.\n"
               "  -l\t\tSpecify log filename.\n"
               "  -v\t\tVerbose output of command lines for tools.\n"
               "  -q\t\tQuieten output of command lines for tools.\n"
               "  -I\t\tAdd a search directory for include files.\n"
               "  --version\tDisplay tool versions.\n"
               "  --help\tDisplay this help message.\n"
               "\n",
               out);
}

int addIncludeDir(const char* path, std::vector<std::string>& dirs) {
    if (!path) return -1;
    std::string dir = path;
    if (dir.find(' ') != std::string::npos) dir = '"' + dir + '"';
    dirs.push_back(std::move(dir));
    return 0;
}

bool diagnosticStyleNamed(const std::string& name, DiagnosticStyle& style) {
    if (name == "gnu") {
        style = DiagnosticStyle::Gnu;
        return true;
    }
    if (name == "default") {
        style = DiagnosticStyle::Listing;
        return true;
    }
    return false;
}

namespace {

// The debug level's value: its leading number, or 0 for text that is not a number.
long long readLevel(const std::string& text) {
    return std::strtoll(text.c_str(), nullptr, 10);
}

} // namespace

int parseOptions(int argc, const char* const* argv, CommandLineOptions& options, FILE* out) {
    if (argc <= 1) {
        printUsage(out);
        return 1;
    }
    options.debugLevel = 0;
    int rowIndex = -1;
    OptionReader reader{out, 0, -1, std::nullopt};
    for (int code; (code = nextOption(reader, argc, argv, kOptionTable, &rowIndex)) != -1;) {
        const std::optional<std::string>& value = reader.argument;
        switch (code) {
            case '?':
            case 'h':
                options.flags |= OPT_HELP;
                break;
            case 'I':
                if (value) addIncludeDir(value->c_str(), options.includeDirs);
                break;
            case 'c':
                options.flags |= OPT_CSENSITIVE;
                break;
            case 'd':
                if (value) {
                    long long level = readLevel(*value);
                    if (level > 1) {
                        std::fprintf(out, "Maximum debug level is %i\n", 1);
                        return 1;
                    }
                    if (level < 0) {
                        std::fprintf(out, "Minimum debug level is %i\n", 0);
                        return 1;
                    }
                    options.debugLevel = static_cast<uint8_t>(level);
                }
                break;
            case 'e':
                options.flags |= OPT_VERSION;
                break;
            case 'f':
                options.inputName = value;
                break;
            case 'l':
                options.logName = value;
                break;
            case 'o':
                options.outputName = value;
                break;
            case 'q':
                options.flags |= OPT_QUIET;
                break;
            case 'u':
                options.flags |= OPT_USCORE;
                break;
            case 'v':
                options.flags |= OPT_VERBOSE;
                break;
            case 'P':
                options.dependencyName = value;
                break;
            case 'a':
                options.listingName = value;
                break;
            case 'F':
                if (value) {
                    DiagnosticStyle style;
                    if (!diagnosticStyleNamed(*value, style)) {
                        std::fprintf(out, "Unknown diagnostics format \"%s\"\n", value->c_str());
                        return 1;
                    }
                    options.diagnosticStyle = style;
                }
                break;
            case 'E':
                options.flags |= OPT_FATAL_WARNINGS;
                break;
            default:
                break;
        }
    }
    if (options.flags & OPT_HELP) {
        printUsage(out);
        options.inputName.reset();
        return 0;
    }
    if (!(options.flags & OPT_VERSION) && !options.inputName) {
        std::fputs("No input file specified\n", out);
        printUsage(out);
    }
    return 0;
}
