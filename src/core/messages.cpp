#include "core/messages.h"

#include <cerrno>
#include <cstring>

const CatalogueEntry kMessageCatalogue[kCatalogueSize] = {
    {SEV_ERROR, 1000, "neither instruction nor directive"},
    {SEV_ERROR, 1002, "not supported directive"},
    {SEV_ERROR, 1001, "invalid directive syntax"},
    {SEV_ERROR, 1004, "instruction format not supported"},
    {SEV_ERROR, 1003, "not supported instruction"},
    {SEV_ERROR, 3000, "failed to assemble instruction"},
    {SEV_ERROR, 3001, "instruction not allowed in data section"},
    {SEV_ERROR, 1005, "syntax error"},
    {SEV_ERROR, 5006, "unable to open file '%s'"},
    {SEV_ERROR, 5007, "unable to open log file"},
    {SEV_ERROR, 2000, "missing .ENUM directive"},
    {SEV_ERROR, 2002, "missing enum name"},
    {SEV_ERROR, 2010, "missing enumerators"},
    {SEV_ERROR, 2003, "missing .STRUCT directive"},
    {SEV_ERROR, 2004, "missing struct name"},
    {SEV_ERROR, 2005, "struct/union name mismatch"},
    {SEV_ERROR, 2006, "missing .UNION directive"},
    {SEV_ERROR, 2007, "missing union name"},
    {SEV_ERROR, 2011, "missing struct/union members"},
    {SEV_ERROR, 2008, "function name mismatch"},
    {SEV_ERROR, 2009, "enum name mismatch"},
    {SEV_ERROR, 2012, "missing .FUNCTION directive"},
    {SEV_ERROR, 2013, "missing .FUNC_END directive"},
    {SEV_ERROR, 2014, "missing function name"},
    {SEV_ERROR, 2015, "missing parameter name"},
    {SEV_ERROR, 2016, "missing datatype name"},
    {SEV_ERROR, 2017, "missing function return type"},
    {SEV_ERROR, 2018, "invalid size specified"},
    {SEV_ERROR, 2019, "invalid array dimension"},
    {SEV_ERROR, 2020, "invalid pointer dimension"},
    {SEV_ERROR, 2001, "invalid line number"},
    {SEV_ERROR, 2021, "invalid signed/unsigned flag"},
    {SEV_ERROR, 2022, "invalid array flag"},
    {SEV_ERROR, 2023, "invalid pointer flag"},
    {SEV_ERROR, 2025, "missing .DATA_DEF directive"},
    {SEV_ERROR, 2026, "missing struct initialized value/s"},
    {SEV_ERROR, 2024, "duplicate return type"},
    {SEV_ERROR, 3017, "directive not allowed in text section"},
    {SEV_ERROR, 3018, "directive is only allowed in text section"},
    {SEV_ERROR, 3002, "unknown section '%s'"},
    {SEV_ERROR, 3003, "invalid section type"},
    {SEV_ERROR, 3004, "invalid section flag"},
    {SEV_ERROR, 3005, "symbol not yet declared '%s'"},
    {SEV_ERROR, 3006, "symbol not found in string table"},
    {SEV_ERROR, 3007, "invalid filename"},
    {SEV_INFO, 2027, "multiple global declaration"},
    {SEV_ERROR, 3008, "missing .FILE directive"},
    {SEV_ERROR, 5004, "has reached the maximum number of sections"},
    {SEV_ERROR, 3010, "symbol does not exist in .symtab"},
    {SEV_ERROR, 3011, "symbol does not need to be relocated"},
    {SEV_ERROR, 3012, "unresolved symbol '%s'"},
    {SEV_ERROR, 3013, "invalid ORG value, address overlaps"},
    {SEV_INTERNAL, 5000, "malloc() failed"},
    {SEV_INTERNAL, 5001, "internal error"},
    {SEV_INTERNAL, 3009, "failed to create object file"},
    {SEV_INTERNAL, 5002, "failed to create .symtab section"},
    {SEV_INTERNAL, 5003, "failed to create relocation section"},
    {SEV_INTERNAL, 5005, "no entry in symtab yet"},
    {SEV_WARNING, 3016, "duplicate symbol '%s'"},
    {SEV_ERROR, 4000, "unknown datatype '%s'"},
    {SEV_ERROR, 4001, "failed to create .debug_abbrev section"},
    {SEV_ERROR, 4002, "failed to create .debug_info section"},
    {SEV_ERROR, 3014, "indirect access is not allowed"},
    {SEV_ERROR, 3015, "value is greater than the operand size"},
    {SEV_ERROR, 1006, "syntax error unterminated string"},
    {SEV_ERROR, 1007, "syntax error illegal escape sequence"},
    {SEV_ERROR, 3019, "insufficient structure instance size"},
    {SEV_ERROR, 4003, "unresolved datatype \"%s\""},
    {SEV_ERROR, 3020, "memory overflow"},
};

namespace {

const char* const kSeverityNames[5] = {"OK", "error", "warning", "info", "internal"};

struct DiagnosticList {
    std::vector<DiagnosticEntry> entries;
    int errors = 0;
    int warnings = 0;
    int infos = 0;
};

DiagnosticList g_diagnostics;
FILE* g_stdout = nullptr; // null: the real standard output
bool g_listingAppends = false;

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

void report(int code, int line, int auxNumber, const char* fileName, const char* arg) {
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
    g_diagnostics.entries.push_back(std::move(diag));
    switch (entry->severity) {
        case SEV_ERROR:
        case SEV_INTERNAL:
            ++g_diagnostics.errors;
            break;
        case SEV_WARNING:
            ++g_diagnostics.warnings;
            break;
        case SEV_INFO:
            ++g_diagnostics.infos;
            break;
        default:
            break;
    }
}

void printReport(const char* logName, int quiet) {
    FILE* out = zorlanStdout();
    if (logName) {
        out = std::fopen(logName, g_listingAppends ? "a" : "w");
        if (!out) {
            std::fprintf(stderr, "messages: %s\n", std::strerror(errno));
            return;
        }
    }
    if (!quiet)
        std::fprintf(out, "%d errors, %d warnings and %d informational messages\n", g_diagnostics.errors,
                     g_diagnostics.warnings, g_diagnostics.infos);
    for (const DiagnosticEntry& d : g_diagnostics.entries) {
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

int errorCount() {
    return g_diagnostics.errors;
}
int warningCount() {
    return g_diagnostics.warnings;
}
int infoCount() {
    return g_diagnostics.infos;
}
const std::vector<DiagnosticEntry>& diagnostics() {
    return g_diagnostics.entries;
}

void setListingAppends(bool append) {
    g_listingAppends = append;
}

void resetDiagnostics() {
    g_diagnostics = DiagnosticList{};
    g_listingAppends = false;
}

FILE* zorlanStdout() {
    return g_stdout ? g_stdout : stdout;
}
void setZorlanStdout(FILE* stream) {
    g_stdout = stream;
}
