// The object file writer. The sections go out in their fixed table order; a section
// that ends up empty is left out, its name is cut from `.shstrtab` and the indexes that
// depend on it are corrected, so the object only describes what it holds.
#include "objfile/fileIO.h"

#include "core/messages.h"
#include "debug/dbgInfo.h"
#include "format/elfLib.h"
#include "symbols/assemblerState.h"
#include "symbols/sectionHandler.h"

#include <algorithm>
#include <cstring>
#include <fcntl.h>
#include <new>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace {

// The position an internal failure of the writer is listed at: the step of the writing
// that failed (the section loop), so that the listing does not move with the source.
constexpr int kUnknownSectionSite = 4;

// Where a section's bytes come from: one buffer, or (`blocks` set, `bytes` null) the
// used bytes of a chain of blocks, block after block.
struct SectionBytes {
    const void* bytes = nullptr;
    int64_t size = 0;
    int32_t dataType = ELF_T_BYTE;
    const DataBlock* blocks = nullptr;
};

struct WriterRun {
    WriterRun(AssemblerState* state, const DebugDirectives& debug) : state(state), debug(debug) {}

    AssemblerState* state = nullptr;
    const DebugDirectives& debug; // the records the debug sections are built from
    std::unique_ptr<ElfObject> object;
    ElfFileHeader* header = nullptr;
    int removedTextData = 0; // .text and .data left out so far (for the symbol renumbering)
    int removedCount = 0;
    uint32_t symtabIndex = 0; // ELF index of .symtab once it is kept
    // Joined block chains; they must outlive the final update, which copies them.
    std::vector<std::unique_ptr<uint8_t[]>> buffers;
};

bool isRelocationSection(int ordinal) {
    return ordinal == SEC_REL_TEXT || ordinal == SEC_REL_DATA || ordinal == SEC_DEBUG_INFO_RELOC;
}

bool isDebugSection(int ordinal) {
    return ordinal >= SEC_DEBUG_ABBREV && ordinal <= SEC_DEBUG_RAW_LINE;
}

// Sections whose bytes come from their block chains (code, data, bss, user sections).
bool isBlockSection(int ordinal) {
    return ordinal <= SEC_BSS || ordinal > SEC_SHSTRTAB;
}

template <typename T> SectionBytes entriesOf(const std::vector<T>& entries, int32_t dataType) {
    return SectionBytes{entries.data(), static_cast<int64_t>(entries.size() * sizeof(T)), dataType};
}

SectionBytes bytesOf(const std::vector<uint8_t>& buffer, int64_t size) {
    return SectionBytes{buffer.data(), std::clamp<int64_t>(size, 0, static_cast<int64_t>(buffer.size())),
                        ELF_T_BYTE};
}

// The five debug sections. The builders fill their buffers when the loop reaches the
// section that needs them, so each buffer is complete before it is taken.
int collectDebug(WriterRun& run, int ordinal, const char* name, SectionBytes& out) {
    AssemblerState* state = run.state;
    if (!state->run.switches.debugInfo) {
        logTrace(state, "[INF] No debug information.\n");
        return 0;
    }
    if (!state->sections[ordinal].head) {
        if (ordinal == SEC_DEBUG_ABBREV)
            logTrace(state, "[INF] No .debug_abbrev.\n");
        else
            logTrace(state, "-->%s is empty.\n", name);
        return 0;
    }
    switch (ordinal) {
        case SEC_DEBUG_ABBREV:
            dumpDebugDescriptions(state, run.debug);
            if (buildDebugInfo(state, run.debug) < 0) return -1;
            out = entriesOf(state->debugAbbrev, ELF_T_BYTE);
            break;
        case SEC_DEBUG_INFO:
            out = entriesOf(state->debugInfoBytes, ELF_T_BYTE);
            dumpHex(state->debugInfoBytes.data(), out.size, state);
            break;
        case SEC_DEBUG_LINE:
            if (buildLineProgram(state, run.debug) < 0) return -1;
            out = entriesOf(state->debugLine, ELF_T_BYTE);
            break;
        case SEC_DEBUG_INFO_RELOC:
            out = entriesOf(state->debugReloc, ELF_T_RELA);
            break;
        default:
            out = entriesOf(state->debugRawLine, ELF_T_BYTE);
            dumpHex(state->debugRawLine.data(), out.size, state);
            break;
    }
    return 0;
}

int collectRelocations(WriterRun& run, int ordinal, const char* name, SectionBytes& out) {
    AssemblerState* state = run.state;
    bool created = ordinal == SEC_REL_TEXT ? state->relTextCreated : state->relDataCreated;
    const std::vector<RelocationEntry>& entries = ordinal == SEC_REL_TEXT ? state->relText : state->relData;
    if (!created && entries.empty()) {
        logTrace(state, "-->%s is empty.\n", name);
        return 0;
    }
    out = entriesOf(entries, ELF_T_RELA);
    logTrace(state, "sizeof of rel: %d\n", static_cast<int>(out.size));
    if (tracing(state)) {
        logTrace(state, "%s in hex format.\n", name);
        dumpHex(static_cast<const uint8_t*>(out.bytes), out.size, state);
    }
    return 0;
}

// Whether a chain's blocks lie back to back from the first one's start, each holding
// all the bytes it used: the section's bytes are then the blocks' own, in order.
bool backToBack(const DataBlock* head) {
    int64_t position = 0;
    for (const DataBlock* block = head; block; block = block->next.get()) {
        if (int64_t{block->start} - head->start != position || block->used < 0 ||
            static_cast<size_t>(block->used) > block->bytes.size())
            return false;
        position += block->used;
    }
    return true;
}

// A code, data, bss or user section's blocks. Blocks that lie back to back are written
// as they are; any others (gaps, overlaps, a .bss block's zeros) are joined into one
// buffer. `.text` gets the origin of its first block as leading zeros when it is not a
// single-origin program (one .ORG moves the origin into e_entry instead).
int collectBlocks(WriterRun& run, int ordinal, const char* name, SectionBytes& out) {
    AssemblerState* state = run.state;
    logTrace(state, "None of the special sections\n");
    const DataBlock* head = state->sections[ordinal].head.get();
    if (!head) {
        logTrace(state, "NULL == asmData->section_sp[ counter_i ]\n");
        return 0;
    }
    int64_t span = sectionSpan(head);
    if (span == 0) return 0;
    int64_t padding = (ordinal == SEC_TEXT && state->orgCount != 1) ? state->firstTextOrigin : 0;
    padding = std::max<int64_t>(padding, 0);
    int64_t total = span + padding;
    if (padding == 0 && backToBack(head)) {
        out = SectionBytes{nullptr, total, ELF_T_BYTE, head};
        return 0;
    }
    std::unique_ptr<uint8_t[]> buffer;
    if (total <= UINT32_MAX) buffer.reset(new (std::nothrow) uint8_t[static_cast<size_t>(total)]);
    if (!buffer) {
        logTrace(state, "malloc() failed for section: %s\n.", name);
        return -1;
    }
    if (fillBuffer(head, buffer.get(), total, padding) == 0) {
        logTrace(state, "fillBuffer() size: 0\n.");
        return -1;
    }
    out = SectionBytes{buffer.get(), total, ELF_T_BYTE};
    run.buffers.push_back(std::move(buffer));
    return 0;
}

// Step 2 of the section loop: where the section's bytes come from, and how many.
int collectSection(WriterRun& run, int ordinal, const char* name, SectionBytes& out) {
    AssemblerState* state = run.state;
    switch (ordinal) {
        case SEC_STRTAB:
            out = bytesOf(state->strtabBuffer, state->strtabSize);
            logTrace(state, "sizeof strTab: %d\n", static_cast<int>(out.size));
            return 0;
        case SEC_SHSTRTAB:
            out = bytesOf(state->shstrtabBuffer, state->shstrtabSize);
            logTrace(state, "[%s] size: %d\n", name, static_cast<int>(out.size));
            logTrace(state, "after shstrtab\n");
            return 0;
        case SEC_SYMTAB:
            if (!state->symtabCreated && state->symtab.empty()) {
                logTrace(state, "-->symtab is empty.\n");
                return 0;
            }
            out = entriesOf(state->symtab, ELF_T_SYM);
            if (tracing(state)) {
                dumpSymbols(state->symtab.data(), static_cast<int64_t>(state->symtab.size()),
                            state->run.logFile);
                logTrace(state, "++Symtab in hex format.\n");
                dumpHex(static_cast<const uint8_t*>(out.bytes), out.size, state);
            }
            logTrace(state, "Size of symtab: %d\n", static_cast<int>(out.size));
            return 0;
        case SEC_REL_TEXT:
        case SEC_REL_DATA:
            return collectRelocations(run, ordinal, name, out);
        default:
            break;
    }
    if (isDebugSection(ordinal)) return collectDebug(run, ordinal, name, out);
    return collectBlocks(run, ordinal, name, out);
}

// Step 3: an empty section is left out and its name cut from `.shstrtab`.
int dropSection(WriterRun& run, int ordinal, const char* name) {
    AssemblerState* state = run.state;
    if (ordinal < SEC_SHSTRTAB) run.header->e_shstrndx = static_cast<uint16_t>(run.header->e_shstrndx - 1);
    run.removedCount += 1;
    if (ordinal == SEC_TEXT || ordinal == SEC_DATA) run.removedTextData += 1;
    if (removeSectionName(name, state) != 0) {
        logTrace(state, isBlockSection(ordinal) ? "[1] removeUnusedSection() failed\n"
                                                : "[2] removeUnusedSection() failed\n");
        return -1;
    }
    logTrace(state, "[INF] %s successfully deleted.\n", name);
    return 0;
}

// Step 4: a kept section gets its ELF section, data descriptor and header.
int keepSection(WriterRun& run, int ordinal, const char* name, const SectionBytes& bytes) {
    AssemblerState* state = run.state;
    ElfSection* section = elfNewScn(run.object.get());
    if (!section) {
        logTrace(state, "Failed to create new section for %s", name);
        return -1;
    }
    // One data descriptor for a buffer, one per block for blocks written as they are.
    const DataBlock* block = bytes.blocks;
    do {
        if (block && block->used == 0) continue;
        ElfData* data = elfNewData(section);
        if (!data) {
            logTrace(state, "Failed to create new section data for %s", name);
            return -1;
        }
        data->buffer = block ? block->bytes.data() : bytes.bytes;
        data->size = static_cast<uint32_t>(block ? block->used : bytes.size);
        data->type = bytes.dataType;
    } while (block && (block = block->next.get()));
    logTrace(state, "data_sp data for [%s]\n", name);
    logTrace(state, "data_sp->d_size: %d\n", static_cast<int>(bytes.size));
    logTrace(state, "data_sp->d_type: %d\n", bytes.dataType);

    ElfSectionHeader* sh = elfGetShdr(section);
    if (!sh) {
        logTrace(state, "Failed to get section header for %s.\n", name);
        return -1;
    }
    int32_t nameStart = 0, nameEnd = 0;
    if (findSectionName(name, state->shstrtabBuffer.data(), state->shstrtabSize, &nameStart, &nameEnd) != 0) {
        logTrace(state, "%s does not exist in shstrtab\n", name);
        return -1;
    }
    // Only the sections the assembler knows by name can be written: a section that
    // .SECTION added under any other name ends the writing once it has contents.
    int32_t type = -1, flags = -1;
    sectionAttributes(name, &type, &flags);
    if (type == -1 || flags == -1) {
        logTrace(state, "Invalid type or flag.\n");
        report(state->run.diagnostics, Diag::InternalError, kUnknownSectionSite, 0, "fileIO.cpp");
        return -1;
    }
    if (const DataBlock* head = state->sections[ordinal].head.get()) {
        // Type and flags given by a .SECTION directive replace the table's.
        if (head->sectionType != -1) type = head->sectionType;
        if (head->sectionFlags != -1) flags = head->sectionFlags;
    }
    sh->sh_name = static_cast<uint32_t>(nameStart);
    sh->sh_type = static_cast<uint32_t>(type);
    sh->sh_flags = static_cast<uint32_t>(flags);
    sh->sh_addr = 0;
    sh->sh_link = isRelocationSection(ordinal) ? run.symtabIndex : 0;
    sh->sh_info = 0;
    sh->sh_addralign = 0;
    if (ordinal == SEC_TEXT || ordinal == SEC_DATA) {
        bool text = ordinal == SEC_TEXT;
        sh->sh_info = static_cast<uint32_t>(text ? state->textAlignment : state->dataAlignment);
        // An absolute program records where its code and data start.
        if (!state->relocatable)
            sh->sh_addralign =
                static_cast<uint32_t>(text ? state->textStartAddress : state->dataStartAddress);
    }
    if (ordinal == SEC_SYMTAB) run.symtabIndex = section->index;

    if (tracing(state)) {
        logTrace(state, "==================================\n");
        logTrace(state, "section data for [%s]\n", name);
        logTrace(state, "sectHdr_sp->sh_name: %d\n", static_cast<int>(sh->sh_name));
        logTrace(state, "sectHdr_sp->sh_type: %d\n", static_cast<int>(sh->sh_type));
        logTrace(state, "sectHdr_sp->sh_flags: %d\n", static_cast<int>(sh->sh_flags));
        logTrace(state, "sectHdr_sp->sh_link: %d\n", static_cast<int>(sh->sh_link));
        logTrace(state, "sectHdr_sp->sh_info: %d\n", static_cast<int>(sh->sh_info));
        logTrace(state, "==================================\n");
    }
    return 0;
}

// Steps 2 to 6; -1 when a step ended the writing, else the update's result.
int writeSections(WriterRun& run) {
    AssemblerState* state = run.state;
    run.object = elfBegin(state->objectFd, ELF_C_WRITE);
    if (!run.object) {
        logTrace(state, "Failed to initialize elf object.\n");
        return -1;
    }
    run.header = elfNewEhdr(run.object.get(), ELF_K_RELOCATABLE);
    if (!run.header) {
        logTrace(state, "Failed to create elf header.\n");
        return -1;
    }
    run.header->e_shstrndx = SEC_SHSTRTAB + 1;
    if (state->orgCount == 1) {
        logTrace(state, "Only 1 ORG value [%d]\n", state->firstTextOrigin);
        run.header->e_entry = static_cast<uint32_t>(state->firstTextOrigin);
    }

    int result = 1;
    int sectionCount = std::clamp(state->sectionCount, 0, kMaxSections);
    for (int ordinal = 0; ordinal < sectionCount; ++ordinal) {
        logTrace(state, "Curent counter: %d\n.", 2 * ordinal);
        // .text and .data come first; once both are settled, the symbol entries'
        // section indexes are made to match the sections actually written.
        if (ordinal == SEC_BSS) renumberSymbolSections(state, run.removedTextData);
        const char* name = state->sectionSlots[2 * ordinal].name.c_str();
        SectionBytes bytes;
        if (collectSection(run, ordinal, name, bytes) != 0) {
            result = -1;
            break;
        }
        if (bytes.size > UINT32_MAX) { // beyond what a section header can describe
            logTrace(state, "malloc() failed for section: %s\n.", name);
            result = -1;
            break;
        }
        int step = bytes.size == 0 ? dropSection(run, ordinal, name) : keepSection(run, ordinal, name, bytes);
        if (step != 0) {
            result = -1;
            break;
        }
    }
    logTrace(state, "ELF elfHdr_sp->e_shstrndx: %d, dbgInfoRelocIndex: %d\n", run.header->e_shstrndx,
             SEC_DEBUG_INFO_RELOC + 1 - run.removedCount);
    if (result == -1) return -1;

    if (elfUpdate(run.object.get(), ELF_C_WRITE) != 1) {
        logTrace(state, "elfUpdate() failed\n.");
        return 0;
    }
    // Only a descriptor that closes cleanly has surely taken every byte.
    int closed = closeObjectFile(state->objectFd);
    state->objectFd = -1;
    elfEnd(run.object);
    if (closed != 0) {
        logTrace(state, "[ERR] close() failed for the object file.\n");
        return 0;
    }
    return 1;
}

} // namespace

int writeToFile(AssemblerState* state, const DebugDirectives& debug, const char* outputName) {
    logTrace(state, "writeToFile BEGIN\n");
    if (!state || !outputName) {
        logTrace(state, "Invalid function parameters.\n");
        return -1;
    }
    WriterRun run{state, debug};
    int result = writeSections(run);
    logTrace(state, "writeToFile END\n");
    return result;
}

// A new object is readable and writable as any new file of the user's: 0666 less the umask.
constexpr mode_t kNewFileMode = S_IRUSR | S_IWUSR | S_IRGRP | S_IWGRP | S_IROTH | S_IWOTH;

int createObjectFile(const char* name) {
    if (!name) return -1;
    return ::open(name, O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, kNewFileMode);
}

int createNewObjectFile(const char* name) {
    if (!name) return -1;
    return ::open(name, O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, kNewFileMode);
}

int closeObjectFile(int fd) {
    if (fd < 0) return -1;
    return ::close(fd);
}

int64_t sectionSpan(const DataBlock* firstBlock) {
    if (!firstBlock) return 0;
    int64_t position = 0;
    for (const DataBlock* block = firstBlock; block; block = block->next.get()) {
        int64_t distance = int64_t{block->start} - firstBlock->start;
        position = std::max(position, distance) + std::max<int32_t>(block->used, 0);
    }
    return position;
}

int64_t fillBuffer(const DataBlock* firstBlock, uint8_t* buffer, int64_t size, int64_t padding) {
    if (!firstBlock || !buffer || size <= 0 || padding < 0) return 0;
    int64_t span = sectionSpan(firstBlock);
    if (span == 0 || span > size - padding) return 0;
    std::memset(buffer, 0, static_cast<size_t>(size));
    for (const DataBlock* block = firstBlock; block; block = block->next.get()) {
        int64_t distance = int64_t{block->start} - firstBlock->start;
        // Bytes past the stored ones (a .bss block's) are zeros already.
        int64_t count =
            std::min<int64_t>(std::max<int32_t>(block->used, 0), static_cast<int64_t>(block->bytes.size()));
        int64_t skip = distance < 0 ? -distance : 0; // a block reaching before the first one is cut there
        if (skip >= count) continue;
        std::memcpy(buffer + padding + distance + skip, block->bytes.data() + skip,
                    static_cast<size_t>(count - skip));
    }
    return span;
}

void dumpSymbols(const ElfSymbolEntry* entries, int64_t count, FILE* log) {
    if (!log) return;
    std::fprintf(log, "Dumping symtab BEGIN\n");
    std::fprintf(log, "size: %d\n", static_cast<int>(count));
    for (int64_t i = 0; entries && i < count; ++i) {
        const ElfSymbolEntry& e = entries[i];
        std::fprintf(log, "----------------------------------\n");
        std::fprintf(log, "st_name: %d\n", static_cast<int>(e.st_name));
        std::fprintf(log, "st_value: %d\n", static_cast<int>(e.st_value));
        std::fprintf(log, "st_size: %d\n", static_cast<int>(e.st_size));
        std::fprintf(log, "st_info: %x\n", static_cast<unsigned>(e.st_info));
        std::fprintf(log, "st_other: %uc\n", static_cast<unsigned>(e.st_other));
        std::fprintf(log, "st_shndx: %d\n", static_cast<int>(e.st_shndx));
    }
    std::fprintf(log, "Dumping symtab END\n");
    std::fprintf(log, "Returning...\n");
}

void dumpHex(const uint8_t* buffer, int64_t size, const AssemblerState* state) {
    if (!tracing(state)) return;
    FILE* log = state->run.logFile;
    std::fprintf(log, "----------------------------------\n");
    std::fprintf(log, "Dumping of hex value BEGIN\n");
    // Each byte goes through a signed char, so bytes from 0x80 show sign-extended.
    for (int64_t i = 0; buffer && i < size; ++i)
        std::fprintf(log, "%02x ", static_cast<unsigned>(static_cast<int>(static_cast<int8_t>(buffer[i]))));
    std::fprintf(log, "\nDumping of hex value END\n");
    std::fprintf(log, "----------------------------------\n");
}
