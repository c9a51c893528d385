// The assembler state: the object one run builds. Location counters, sections and their
// data blocks, string tables, symbol and relocation entries, the four name tables, table
// estimates, the label ranges and the debug buffers, beside the run's ground context.
#pragma once

#include <array>
#include <cstdint>
#include <cstdio>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "core/LIST.h"
#include "core/RunContext.h"
#include "format/objectFormat.h"
#include "isa/keywordTable.h"
#include "symbols/nameTable.h"
#include "symbols/stHashTable.h"

struct KeywordTable; // isa/keywordTable.h

constexpr int kBlockCapacity = 2046; // bytes per DataBlock
constexpr int kMaxSlots = 64;        // two slots per section
constexpr int kMaxSections = kMaxSlots / 2;
// SectionOrdinal and kPredefinedSections: format/predefinedSections.def.

enum DataBlockKind { BLOCK_PLAIN = 0, BLOCK_RELOCATIONS = 1, BLOCK_SYMBOLS = 2 };

// One chunk of a section's contents. Blocks are only ever appended to a chain and
// never move, so an instruction's words never straddle two blocks.
struct DataBlock {
    int32_t start = 0; // the section's location counter when the block was created
    int32_t capacity = kBlockCapacity;
    int32_t used = 0; // bytes written (may exceed `bytes.size()` for .bss, whose bytes are all zero)
    int32_t kind = BLOCK_PLAIN;
    // `capacity` zeroed bytes for plain blocks, empty for entry blocks: the block's own
    // (`ownBytes`) or carved from the state's block arena.
    std::span<uint8_t> bytes;
    std::unique_ptr<uint8_t[]> ownBytes;
    int32_t sectionType = -1; // set by .SECTION on a user section's first block
    int32_t sectionFlags = -1;
    std::unique_ptr<DataBlock> next;
    DataBlock* prev = nullptr;
    ~DataBlock(); // unlinks the chain iteratively
};

// Where the blocks' bytes come from: chunks that grow from a few blocks to many, so that
// a small program touches a page or two and a large one has the pages of each chunk
// asked for in one batch instead of faulted in one by one. Blocks never give their bytes
// back; the chunks go with the state.
struct BlockArena {
    std::vector<std::unique_ptr<uint8_t[]>> chunks;
    uint8_t* next = nullptr; // the current chunk's first free byte
    size_t left = 0;         // free bytes from `next` to the chunk's end
    size_t nextChunk = 0;    // the size of the next chunk (0: the first chunk's)
};

// The first block of a section's chain and the block currently appended to.
struct SectionChain {
    std::unique_ptr<DataBlock> head;
    DataBlock* tail = nullptr;
};

struct SectionSlot {
    std::string name;
    int32_t ordinal = -1;
    int32_t slotA = -1;
    int32_t slotB = -1;
};

struct SectionTypeName {
    int32_t typeCode = 0;
    std::string name;
};

// One `.symtab` entry, exactly as written to the object file (16 bytes, little-endian host).
struct ElfSymbolEntry {
    uint32_t st_name = 0;
    uint32_t st_value = 0;
    uint32_t st_size = 0;
    uint8_t st_info = 0;
    uint8_t st_other = 0;
    uint16_t st_shndx = 0;
};
static_assert(sizeof(ElfSymbolEntry) == 16);

// One relocation entry (`.rel.text`, `.rel.data`, `.debug_info_reloc`): 12 bytes.
struct RelocationEntry {
    uint32_t r_offset = 0;
    uint32_t r_info = 0; // type in bits 0-7, symbol index << 16
    int32_t r_addend = 0;
};
static_assert(sizeof(RelocationEntry) == 12);

// One label line found in pass one; its range up to the next label gives its size.
struct FunctionSizeEntry {
    int32_t name = -1;          // as written (state.names)
    int32_t kind = 1;           // 1 label, 2 function declared by .FUNCTION
    int32_t size = 0;           // in 16-bit words
    int32_t orgWordAddress = 0; // from the .ORG it follows
    int32_t byteAddress = 0;    // in .text
    int32_t relocatable = 0;
};

// A source file of the line program: directory and base name.
struct DebugFile {
    std::string directory;
    std::string baseName;
};

struct AssemblerState {
    explicit AssemblerState(RunContext& run);
    ~AssemblerState();
    AssemblerState(const AssemblerState&) = delete;
    AssemblerState& operator=(const AssemblerState&) = delete;

    RunContext& run; // switches, flags, source position, diagnostics and trace log of the run

    // Every name the run met (symbol operands, labels, data names, `.symtab` names).
    NameTable names;

    std::vector<FunctionSizeEntry> functionSizes;
    PrefaultCursor functionSizePages; // its room is reserved from the source's size
    // The first entry of each label name as written, for .FUNCTION and .FUNC_END, by the
    // name's number.
    std::vector<int32_t> functionBySpelling;
    int32_t orgCount = 0;
    int32_t absOrgStage = 0;
    int32_t textStartAddress = 0;
    int32_t dataStartAddress = 0;
    int64_t orgRelativeLoc = 0;
    int32_t firstTextOrigin = 0;
    int32_t relocatable = 1;
    std::optional<std::string> debugFileName; // set by .FILE
    int32_t currentSection = SEC_TEXT;

    // Byte counters, one per section number. They are 64-bit so that absurd sizes in a
    // hostile source cannot overflow before the memory-limit check after pass one.
    std::array<int64_t, kMaxSlots> locationCounters{};
    int64_t& textLoc() { return locationCounters[SEC_TEXT]; }
    int64_t& dataLoc() { return locationCounters[SEC_DATA]; }
    int64_t& bssLoc() { return locationCounters[SEC_BSS]; }

    // The bytes of the blocks (declared before the chains, so that it outlives them).
    BlockArena blockArena;
    // Block chains, indexed by section number (the slot pairs of the section table: slotA holds the
    // head, slotB the tail).
    std::array<SectionChain, kMaxSections> sections;

    std::vector<uint8_t> strtabBuffer; // capacity grows by 2,046 bytes
    int32_t strtabSize = 0;
    std::vector<uint8_t> shstrtabBuffer;
    int32_t shstrtabSize = 0;

    int32_t slotCount = 0;
    int32_t sectionCount = 0;
    std::array<SectionSlot, kMaxSlots> sectionSlots;
    std::array<SectionTypeName, kMaxSlots> sectionTypeNames;
    int32_t sectionTypeNameCount = 0;

    int objectFd = -1;
    int32_t numSymbols = 2048;
    int32_t numRelocData = 0;
    int32_t numRelocText = 0;

    std::unique_ptr<KeywordTable> keywordTable;

    std::vector<uint8_t> debugAbbrev;    // .debug_abbrev bytes
    std::vector<uint8_t> debugInfoBytes; // .debug_info bytes
    std::vector<uint8_t> debugLine;      // .debug_line bytes
    std::vector<uint8_t> debugRawLine;   // .debug_raw_line bytes
    List<DebugFile> debugFileList;       // the main file, then each included file of pass two
    int32_t textAlignment = 0;
    int32_t dataAlignment = 0;
    int32_t blockCapacity = kBlockCapacity;
    int32_t debugRelocCapacity = kBlockCapacity;

    // `.symtab` entries in order of definition.
    std::vector<ElfSymbolEntry> symtab;
    PrefaultCursor symtabPages; // its room is reserved from the source's size
    bool symtabCreated = false;
    // The first entry of each name as written and of each canonical name, by the name's
    // number; -1 for none.
    std::vector<int32_t> symtabBySpelling;
    std::vector<int32_t> symtabByName;

    // Relocation entries of .rel.text, .rel.data and .debug_info_reloc.
    std::vector<RelocationEntry> relText;
    PrefaultCursor relTextPages; // its room is reserved from pass one's count
    std::vector<RelocationEntry> relData;
    std::vector<RelocationEntry> debugReloc;
    bool relTextCreated = false;
    bool relDataCreated = false;
    bool debugRelocCreated = false;

    // The four name tables: labels, external names, constants and global names.
    std::unique_ptr<SymbolTable> labelTable;
    std::unique_ptr<SymbolTable> externTable;
    std::unique_ptr<SymbolTable> constTable;
    std::unique_ptr<SymbolTable> globalTable;
};

// The run's trace log, diagnostics and source position, reached through the state.
void logTrace(const AssemblerState* state, const char* format, ...) __attribute__((format(printf, 2, 3)));
inline bool tracing(const AssemblerState* state) {
    return state && state->run.logFile;
}
inline void reportAt(const AssemblerState* state, Diag code, const char* arg = nullptr) {
    reportAt(state->run, code, arg);
}
inline const char* currentFileName(const AssemblerState* state) {
    return state ? currentFileName(state->run) : nullptr;
}
