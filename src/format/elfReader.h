// Reads an ELF32 little-endian relocatable object into plain records: the file header,
// the sections with their names and bytes, the symbol table with names, and the entries
// of every relocation section. Everything is checked against the file's bounds first; a
// damaged file gives an error text, never a read out of bounds.
//
// Names and section contents are views into the file's bytes, which the image keeps
// (mapped, or read once), never copies: a damaged file whose symbols all share one long
// name, or whose section headers all point at the same bytes, costs no more memory than
// the file itself. Sections may not share bytes (no byte of an ELF file belongs to two
// sections), so the relocation entries decoded here are bounded by the file too.
#pragma once

#include "format/elfLib.h"
#include "format/objectFormat.h"

#include <cstddef>
#include <cstdint>
#include <memory>
#include <span>
#include <string>
#include <string_view>
#include <vector>

struct ElfImageRelocation {
    uint32_t r_offset = 0;
    uint32_t r_info = 0;
    int32_t r_addend = 0; // 0 for entries without an addend
    uint32_t symbolIndex() const { return relocationSymbolOf(r_info); }
    uint32_t type() const { return relocationTypeOf(r_info); }
};

struct ElfImageSection {
    std::string_view name; // into the section name table
    ElfSectionHeader header;
    std::span<const uint8_t> bytes; // into the file; empty for a no-bits section stored outside it
    std::vector<ElfImageRelocation> relocations; // for relocation sections only
};

struct ElfImageSymbol {
    std::string_view name; // into the string table
    uint32_t st_name = 0;
    uint32_t st_value = 0;
    uint32_t st_size = 0;
    uint8_t st_info = 0;
    uint8_t st_other = 0;
    uint16_t st_shndx = 0;
};

struct ElfImage {
    ElfFileHeader header;
    std::vector<ElfImageSection> sections; // in index order, the null section first
    std::vector<ElfImageSymbol> symbols;   // entries of the first symbol table, in order
    int32_t symtabIndex = -1;              // section index of that table, -1 without one
    // The file's bytes, which the names and contents above point into; shared by copies
    // of the image.
    std::shared_ptr<const uint8_t> file;
    size_t fileSize = 0;
};

// Files that cannot be mapped (pipes, devices) are read up to this size; a longer one is
// refused. Objects the assembler writes are a few megabytes at most.
constexpr size_t kMaxReadObjectBytes = size_t{64} << 20;

// Parses a copy of `size` bytes; 0 with `image` filled, or -1 with `error` naming the
// first problem.
int readElfImage(const uint8_t* bytes, size_t size, ElfImage& image, std::string& error);
// Reads a file (mapping a regular one) and parses it; -1 with `error` holding the
// system's reason when the file cannot be opened or read.
int readElfFile(const char* path, ElfImage& image, std::string& error);

// The first section with that name, or null.
const ElfImageSection* findImageSection(const ElfImage& image, std::string_view name);
