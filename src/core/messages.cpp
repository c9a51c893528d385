#include "core/messages.h"

#include <cerrno>
#include <cstring>

namespace {

constexpr const char* kSeverityNames[5] = {"OK", "error", "warning", "info", "internal"};

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

void printReport(const DiagnosticList& list, FILE* out, const char* logName, int quiet) {
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
        const char* severity = (d.severity >= 0 && d.severity < 5) ? kSeverityNames[d.severity] : "?";
        std::fprintf(out, "Assembler: %s line %d: (%s) A%04d %s\n",
                     d.fileNameIsNull ? "(null)" : d.fileName.c_str(), d.line, severity, d.code,
                     d.text.c_str());
    }
    if (logName)
        std::fclose(out);
    else
        std::fflush(out);
}
