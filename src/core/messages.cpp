#include "core/messages.h"

#include <cerrno>
#include <cstring>

namespace {

constexpr const char* kSeverityNames[5] = {"OK", "error", "warning", "info", "internal"};
// The same severities as editors and build tools read them: an internal failure is an
// error, an informational message a note.
constexpr const char* kGnuSeverityNames[5] = {"note", "error", "warning", "note", "error"};

// Fills the single "%s" of a catalogue text; "%%" stands for a percent sign.
std::string formatText(const char* format, const char* arg) {
    std::string out;
    for (const char* p = format; *p; ++p) {
        if (p[0] == '%' && p[1] == 's') {
            out += arg ? arg : "(null)";
            ++p;
        } else if (p[0] == '%' && p[1] == '%') {
            out += '%';
            ++p;
        } else {
            out += *p;
        }
    }
    return out;
}

} // namespace

const CatalogueEntry* findCatalogueEntry(int code) {
    for (const CatalogueEntry& entry : kMessageCatalogue)
        if (entry.code == code) return &entry;
    return nullptr;
}

void report(DiagnosticList& list, Diag code, int line, int auxNumber, const char* fileName, const char* arg) {
    report(list, static_cast<int>(code), line, auxNumber, fileName, arg);
}

void report(DiagnosticList& list, int code, int line, int auxNumber, const char* fileName, const char* arg) {
    const CatalogueEntry* entry = findCatalogueEntry(code);
    if (!entry) return;
    DiagnosticEntry diag;
    diag.text = formatText(entry->text, arg);
    diag.code = code;
    diag.severity = entry->severity;
    diag.line = line;
    diag.auxNumber = auxNumber;
    diag.fileNameIsNull = fileName == nullptr;
    if (fileName) diag.fileName = fileName;
    list.entries.push_back(std::move(diag));
    switch (entry->severity) {
        case SEV_ERROR:
        case SEV_INTERNAL:
            ++list.errors;
            break;
        case SEV_WARNING:
            ++list.warnings;
            break;
        case SEV_INFO:
            ++list.infos;
            break;
        default:
            break;
    }
}

void attachWord(DiagnosticList& list, Diag code, std::string_view word, int column) {
    if (list.entries.empty() || list.entries.back().code != static_cast<int>(code)) return;
    DiagnosticEntry& entry = list.entries.back();
    const CatalogueEntry* catalogue = findCatalogueEntry(entry.code);
    if (catalogue && !std::strstr(catalogue->text, "%s")) entry.word.assign(word);
    entry.column = column > 0 ? column : 0;
}

namespace {

void printListingLine(FILE* out, const DiagnosticEntry& d) {
    const char* severity = (d.severity >= 0 && d.severity < 5) ? kSeverityNames[d.severity] : "?";
    std::fprintf(out, "Assembler: %s line %d: (%s) A%04d %s\n",
                 d.fileNameIsNull ? "(null)" : d.fileName.c_str(), d.line, severity, d.code, d.text.c_str());
}

// FILE:LINE[:COLUMN]: SEVERITY: TEXT['WORD'] [ACODE], the form compilers print and editors
// and build tools jump from.
void printGnuLine(FILE* out, const DiagnosticEntry& d) {
    const char* severity = (d.severity >= 0 && d.severity < 5) ? kGnuSeverityNames[d.severity] : "error";
    std::fprintf(out, "%s:%d:", d.fileNameIsNull ? "(null)" : d.fileName.c_str(), d.line);
    if (d.column > 0) std::fprintf(out, "%d:", d.column);
    std::fprintf(out, " %s: %s", severity, d.text.c_str());
    if (!d.word.empty()) std::fprintf(out, " '%s'", d.word.c_str());
    std::fprintf(out, " [A%04d]\n", d.code);
}

} // namespace

void printReport(const DiagnosticList& list, FILE* out, const char* logName, int quiet,
                 DiagnosticStyle style) {
    if (logName) {
        out = std::fopen(logName, list.listingAppends ? "a" : "w");
        if (!out) {
            std::fprintf(stderr, "messages: %s\n", std::strerror(errno));
            return;
        }
    }
    if (!quiet)
        std::fprintf(out, "%d errors, %d warnings and %d informational messages\n", list.errors,
                     list.warnings, list.infos);
    for (const DiagnosticEntry& d : list.entries) {
        if (style == DiagnosticStyle::Gnu)
            printGnuLine(out, d);
        else
            printListingLine(out, d);
    }
    if (logName)
        std::fclose(out);
    else
        std::fflush(out);
}
