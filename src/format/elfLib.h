// A small ELF32 little-endian library: an object built in memory from a file header,
// section descriptors and data descriptors, laid out without padding and written to a
// descriptor in one piece. Failures leave a numeric code in the object's `errorCode` and return
// null or 0; nothing is printed.
#pragma once

#include "format/objectFormat.h"

#include <cstdint>
#include <memory>
#include <vector>

// Codes left in ElfObject::errorCode.
enum ElfError {
    ELF_E_NONE = 0,
    ELF_E_NO_BUFFER = 1,       // a data descriptor has a size but no buffer
    ELF_E_NO_HEADER = 2,       // the object has no file header yet
    ELF_E_NULL_ARGUMENT = 3,   // an argument is null
    ELF_E_NOT_WRITABLE = 5,    // update with write asked of an object not opened for writing
    ELF_E_NO_MEMORY = 6,       // memory exhausted
    ELF_E_SECTION_ZERO = 7,    // data added to the null section
    ELF_E_BEGIN_COMMAND = 8,   // elfBegin command outside 1..7
    ELF_E_HEADER_KIND = 11,    // elfNewEhdr kind other than relocatable or executable
    ELF_E_SHORT_WRITE = 12,    // a write to the file stopped short
    ELF_E_UPDATE_COMMAND = 15, // elfUpdate command outside 1..7
    ELF_E_LAYOUT = 16,         // the layout step failed
    ELF_E_SERIALISE = 20,      // the serialisation step failed
};

// Commands of elfBegin and elfUpdate; only "write" changes behaviour.
constexpr int ELF_C_WRITE = 2;
// The header kinds of elfNewEhdr, ELF_K_RELOCATABLE and ELF_K_EXECUTABLE, are the e_type
// values of format/elfFileTypes.def.

// Data types of a data descriptor; elfTypeSize gives their sizes.
enum ElfDataType {
    ELF_T_BYTE = 0,
    ELF_T_EHDR = 3,
    ELF_T_PHDR = 6,
    ELF_T_RELA = 7,
    ELF_T_REL = 8,
    ELF_T_SHDR = 9,
    ELF_T_SYM = 11,
    ELF_T_COUNT = 14,
};
// Size of one item of a data type (0..13); 0 for any other type.
uint32_t elfTypeSize(int type);

constexpr uint32_t kElfHeaderSize = 52;
constexpr uint32_t kElfProgramHeaderSize = 32;
constexpr uint32_t kElfSectionHeaderSize = 40;
constexpr uint16_t kElfMachine = 0xF261;
constexpr uint32_t kElfExtendedNumbering = 0xFF00; // section counts from here on go to section 0's sh_size

struct ElfFileHeader {
    uint8_t e_ident[16] = {};
    uint16_t e_type = 0;
    uint16_t e_machine = 0;
    uint32_t e_version = 0;
    uint32_t e_entry = 0;
    uint32_t e_phoff = 0;
    uint32_t e_shoff = 0;
    uint32_t e_flags = 0;
    uint16_t e_ehsize = 0;
    uint16_t e_phentsize = 0;
    uint16_t e_phnum = 0;
    uint16_t e_shentsize = 0;
    uint16_t e_shnum = 0;
    uint16_t e_shstrndx = 0;
};

struct ElfSectionHeader {
    uint32_t sh_name = 0;
    uint32_t sh_type = 0;
    uint32_t sh_flags = 0;
    uint32_t sh_addr = 0;
    uint32_t sh_offset = 0;
    uint32_t sh_size = 0;
    uint32_t sh_link = 0;
    uint32_t sh_info = 0;
    uint32_t sh_addralign = 0;
    uint32_t sh_entsize = 0;
};

struct ElfSection;

// One piece of a section's contents. The bytes belong to the caller and must stay
// valid until elfUpdate has written them.
struct ElfData {
    const void* buffer = nullptr;
    int32_t type = ELF_T_BYTE; // informational: structures are copied as they lie in memory
    uint32_t size = 0;
    ElfSection* section = nullptr;
};

struct ElfObject;

struct ElfSection {
    ElfObject* owner = nullptr;
    uint32_t index = 0; // 0 for the null section
    std::vector<std::unique_ptr<ElfData>> data;
    ElfSectionHeader header;
};

struct ElfObject {
    int fd = -1;
    std::unique_ptr<ElfFileHeader> header;
    std::vector<std::unique_ptr<ElfSection>> sections; // index order, the null section first
    uint32_t openFlags = 0;                            // bit 0: opened for writing
    uint32_t fileSize = 0;                             // set by the layout
    int errorCode = ELF_E_NONE;                        // the last failure, for the trace
};

// A new object writing to `fd`. Command 0 gives null without an error; 1..7 are
// accepted, ELF_C_WRITE opens for writing; anything else sets ELF_E_BEGIN_COMMAND.
std::unique_ptr<ElfObject> elfBegin(int fd, int command);
// The object's file header, created on first use; `kind` sets e_type.
ElfFileHeader* elfNewEhdr(ElfObject* object, int kind);
// Appends a section (the first call also creates the null section).
ElfSection* elfNewScn(ElfObject* object);
// Appends a zeroed data descriptor to a section.
ElfData* elfNewData(ElfSection* section);
ElfSectionHeader* elfGetShdr(ElfSection* section);
// Lays the file out (offsets, sizes, entry sizes, header fields); with ELF_C_WRITE also
// writes the whole file to the object's descriptor. 1 on success, 0 on failure.
int elfUpdate(ElfObject* object, int command);
// Releases the object and everything the library allocated (not the data buffers).
// 1, or 0 for a null object.
int elfEnd(std::unique_ptr<ElfObject>& object);
