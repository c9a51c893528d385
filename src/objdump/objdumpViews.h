// The views of zorlan-objdump: file header, section headers, symbols, relocations, full
// contents, disassembly, and the object written back as assembly source. Each view
// writes to its stream as it goes, a line at a time, and ends with a blank line (the
// source writer excepted), so that what a view needs in memory never grows with its
// output.
//
// Names and strings read from an object are shown at most kMaxShownName bytes long: a
// longer one is cut there and "[...]" follows. A damaged object can give every symbol,
// relocation or section the same long name, and showing it whole each time would make
// the output the product of the two.
#pragma once

#include "format/elfReader.h"
#include "format/objectFormat.h"

#include <cstdarg>
#include <cstdint>
#include <cstdio>
#include <string>
#include <string_view>
#include <vector>

constexpr size_t kMaxShownName = 1024;

// printf-style append.
void appendf(std::string& out, const char* format, ...) __attribute__((format(printf, 2, 3)));

// Appends a name of the object as views show it: whole, or cut at kMaxShownName bytes
// and followed by "[...]".
void appendName(std::string& out, std::string_view name);
std::string shownName(std::string_view name);

// Writes a line put together in `line`.
void writeLine(FILE* out, const std::string& line);

// A symbol index that names no symbol, as "#index".
std::string symbolNumber(uint32_t index);

// The name of a section index as symbols use it ("UND" for 0), as shown.
std::string sectionIndexName(const ElfImage& image, uint32_t index);

// How the views that take them are shown.
struct ViewOptions {
    // -j: the sections -s, -d and -r show (a relocation section is chosen by its own name
    // or by the name of the section it relocates); empty for all of them.
    std::vector<std::string> sections;
    bool rawWords = true;      // -d shows each line's words or bytes (--no-show-raw-insn clears it)
    bool collapseZeros = true; // -d shows a run of four or more zero words as "..." (-z clears it)

    bool chosen(std::string_view name) const;
};

void viewFileHeader(const ElfImage& image, FILE* out);
void viewSectionHeaders(const ElfImage& image, FILE* out);
void viewSymbols(const ElfImage& image, FILE* out);
void viewRelocations(const ElfImage& image, const ViewOptions& options, FILE* out);
// -s: every section that has bytes in the file, sixteen bytes a line in hexadecimal and
// as text.
void viewContents(const ElfImage& image, const ViewOptions& options, FILE* out);
void viewDisassembly(const ElfImage& image, const ViewOptions& options, FILE* out);

// The object as assembly source that assembles (with -c, names being exact) to the
// same code: the data section with its labels, the bss names, the text section as
// labels, instructions and data, and the linkage declarations. `objectName` goes into
// the heading comment. Names are written whole, each time they are used: an object
// whose names could come to more than kMaxSourceNameBytes in the source (each symbol's
// twice, each relocation's once: a damaged object whose relocations all name one long
// symbol) is refused, -1 with `error` saying how much, and nothing is written.
constexpr uint64_t kMaxSourceNameBytes = uint64_t{64} << 20;
int writeSource(const ElfImage& image, std::string_view objectName, FILE* out, std::string& error);
