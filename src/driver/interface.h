// Command line: the option table, the option reader, the usage text and the
// process-wide switches that the options set.
#pragma once

#include "core/messages.h"

#include <cstdint>
#include <cstdio>
#include <optional>
#include <string>
#include <vector>

struct OptionSpec {
    const char* name; // long name, matched as --name
    int hasArg;       // 1: takes a value, 2: takes none
    char val;         // short letter, matched as -c, and the code nextOption returns
    const char* argName;
    const char* doc;
};

extern const OptionSpec kOptionTable[]; // ended by a row whose name is null

enum OptionFlagBits : uint8_t {
    OPT_VERBOSE = 1,
    OPT_VERSION = 2,
    OPT_QUIET = 4,
    OPT_HELP = 8,
    OPT_USCORE = 16,
    OPT_CSENSITIVE = 32,
    OPT_FATAL_WARNINGS = 64,
};

struct CommandLineOptions {
    uint8_t flags = 0;
    uint8_t debugLevel = 0;
    std::optional<std::string> outputName;
    std::optional<std::string> logName;
    std::optional<std::string> inputName;
    std::vector<std::string> includeDirs;           // in command-line order
    std::optional<std::string> dependencyName;      // --MD: the Make rule of the object's sources
    std::optional<std::string> listingName;         // --listing
    std::optional<DiagnosticStyle> diagnosticStyle; // --diagnostics; unset: ZORLAN_DIAGNOSTICS decides
};

// The value of --diagnostics (and ZORLAN_DIAGNOSTICS): "gnu" or "default"; false for any
// other word.
bool diagnosticStyleNamed(const std::string& name, DiagnosticStyle& style);

// Where the option reader stands between calls.
struct OptionReader {
    FILE* out;         // where "Unknown parameter" goes
    int wordIndex = 0; // the word last read
    int previousArgc = -1;
    std::optional<std::string> argument; // the value of the option just returned, or the word
};

// Returns the next option's letter, 'f' for a non-option word, '?' for an unknown
// option, or -1 after the last word. The option's value (or the word) is left in
// reader.argument.
int nextOption(OptionReader& reader, int argc, const char* const* argv, const OptionSpec* table,
               int* rowIndex);

// 0: go on (possibly without an input file); 1: stop with exit status 1. Messages and
// the usage text go to `out`.
int parseOptions(int argc, const char* const* argv, CommandLineOptions& options, FILE* out);

// Appends a directory; one containing a blank is stored between double quotes.
int addIncludeDir(const char* path, std::vector<std::string>& dirs);

void printUsage(FILE* out);
