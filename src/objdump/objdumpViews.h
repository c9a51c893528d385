// The views of zorlan-objdump: file header, section headers, symbols, relocations,
// disassembly, and the object written back as assembly source. Each returns its text.
#pragma once

#include "format/elfReader.h"
#include "format/objectFormat.h"

#include <cstdarg>
#include <cstdint>
#include <string>

// printf-style append.
void appendf(std::string& out, const char* format, ...) __attribute__((format(printf, 2, 3)));

// A symbol index that names no symbol, as "#index".
std::string symbolNumber(uint32_t index);

// The name of a section index as symbols use it ("UND" for 0).
std::string sectionIndexName(const ElfImage& image, uint32_t index);

std::string viewFileHeader(const ElfImage& image);
std::string viewSectionHeaders(const ElfImage& image);
std::string viewSymbols(const ElfImage& image);
std::string viewRelocations(const ElfImage& image);
std::string viewDisassembly(const ElfImage& image);

// The object as assembly source that assembles (with -c, names being exact) to the
// same code: the data section with its labels, the bss names, the text section as
// labels, instructions and data, and the linkage declarations. `objectName` goes into
// the heading comment.
std::string writeSource(const ElfImage& image, const std::string& objectName);
