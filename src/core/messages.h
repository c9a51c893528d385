// Diagnostics: the message catalogue, the collected diagnostics and the closing listing.
#pragma once

#include <cstdio>
#include <string>
#include <vector>

enum Severity { SEV_OK = 0, SEV_ERROR = 1, SEV_WARNING = 2, SEV_INFO = 3, SEV_INTERNAL = 4 };

struct CatalogueEntry {
    int severity;
    int code;
    const char* text; // printf-style; at most one "%s"
};

constexpr int kCatalogueSize = 69;
extern const CatalogueEntry kMessageCatalogue[kCatalogueSize];

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
};

// Records one diagnostic. Codes outside the catalogue are ignored. `arg` fills the
// text's "%s" placeholder, if it has one; a null fileName is listed as "(null)".
void report(int code, int line, int auxNumber, const char* fileName, const char* arg = nullptr);

// Lists the diagnostics: the count line (unless quiet), then one line per entry.
// With a log name the listing goes into that file, else to zorlanStdout().
void printReport(const char* logName, int quiet);

int errorCount(); // errors plus internal errors
int warningCount();
int infoCount();
const std::vector<DiagnosticEntry>& diagnostics();

// When the trace log of this run is the listing's file, the listing is appended to it
// instead of replacing it, so the trace survives the run.
void setListingAppends(bool append);

void resetDiagnostics();

// The stream that stands for standard output (tests may redirect it).
FILE* zorlanStdout();
void setZorlanStdout(FILE* stream);
