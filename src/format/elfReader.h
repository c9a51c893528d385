// Reads an ELF32 little-endian relocatable object from a byte buffer into plain records:
// the file header, the sections with their names and bytes, the symbol table with
// names, and the entries of every relocation section. Everything is checked against the
// buffer's bounds first; a damaged file gives an error text, never a read out of bounds.
#pragma once

#include "format/elfLib.h"
#include "format/objectFormat.h"

#include <cstddef>
#include <cstdint>
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
    std::string name;
    ElfSectionHeader header;
    std::vector<uint8_t> bytes;                  // empty for a no-bits section stored outside the file
    std::vector<ElfImageRelocation> relocations; // for relocation sections only
};

struct ElfImageSymbol {
    std::string name;
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
};

// Parses `size` bytes; 0 with `image` filled, or -1 with `error` naming the first problem.
int readElfImage(const uint8_t* bytes, size_t size, ElfImage& image, std::string& error);
// Reads a whole file and parses it.
int readElfFile(const char* path, ElfImage& image, std::string& error);

// The first section with that name, or null.
const ElfImageSection* findImageSection(const ElfImage& image, std::string_view name);
