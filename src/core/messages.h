// Diagnostics: the message catalogue, the diagnostics one run collects and the closing
// listing.
#pragma once

#include <cstdint>
#include <cstdio>
#include <string>
#include <string_view>
#include <vector>

enum Severity { SEV_OK = 0, SEV_ERROR = 1, SEV_WARNING = 2, SEV_INFO = 3, SEV_INTERNAL = 4 };

// Every catalogue code by name; the value is the number the listing prints.
enum class Diag : int32_t {
#define DIAG(name, code, severity, text) name = code,
#include "core/diagnostics.def"
#undef DIAG
};

struct CatalogueEntry {
    int severity;
    int code;
    const char* text; // printf-style; at most one "%s"
};

constexpr int kCatalogueSize = 0
#define DIAG(name, code, severity, text) +1
#include "core/diagnostics.def"
#undef DIAG
    ;

// The catalogue in lookup order.
inline constexpr CatalogueEntry kMessageCatalogue[kCatalogueSize] = {
#define DIAG(name, code, severity, text) {severity, code, text},
#include "core/diagnostics.def"
#undef DIAG
};

// Looks a code up in the catalogue (first match in table order); null when absent.
const CatalogueEntry* findCatalogueEntry(int code);

struct DiagnosticEntry {
    std::string text; // catalogue text with its placeholder filled in
    int code = 0;
    int severity = 0;
    int line = 0;
    int auxNumber = 0; // stored, never printed
    std::string fileName;
    bool fileNameIsNull = false; // printed as "(null)"
    // The word the diagnostic is about, when the reporter knows it and the text does not
    // already name it, and its column on the line (1-based; 0 unknown). Only the
    // editors' form prints them.
    std::string word;
    int column = 0;
};

// The diagnostics of one run, in report order, and their counts by severity.
struct DiagnosticList {
    std::vector<DiagnosticEntry> entries;
    int errors = 0; // errors and internal errors
    int warnings = 0;
    int infos = 0;
    // When the run's trace log is the listing's file, the listing is appended to it
    // instead of replacing it, so the trace survives the run.
    bool listingAppends = false;
};

// Records one diagnostic. `arg` fills the text's "%s" placeholder, if it has one; a
// null fileName is listed as "(null)". A number outside the catalogue is ignored.
void report(DiagnosticList& list, Diag code, int line, int auxNumber, const char* fileName,
            const char* arg = nullptr);
void report(DiagnosticList& list, int code, int line, int auxNumber, const char* fileName,
            const char* arg = nullptr);

// Adds the word a diagnostic is about, and its column, to the entry just reported with
// `code` (nothing when that report was ignored). A text that names its subject already
// ("unresolved symbol 'foo'") keeps only the column.
void attachWord(DiagnosticList& list, Diag code, std::string_view word, int column);

// How the closing listing writes each diagnostic.
enum class DiagnosticStyle {
    Listing, // Assembler: main.asm line 4: (error) A1002 not supported directive
    Gnu,     // main.asm:4:5: error: not supported directive 'OUTPROT' [A1002]
};

// Lists the diagnostics: the count line (unless quiet), then one line per entry. With a
// log name the listing goes into that file, else to `out`.
void printReport(const DiagnosticList& list, FILE* out, const char* logName, int quiet,
                 DiagnosticStyle style = DiagnosticStyle::Listing);

inline int errorCount(const DiagnosticList& list) {
    return list.errors;
}
