#include "symbols/sectionHandler.h"

#include "core/messages.h"
#include "core/prefault.h"
#include "format/objectFormat.h"
#include "symbols/assemblerState.h"

#include <algorithm>
#include <cstring>
#include <strings.h>

namespace {

// The block arena's chunks: the first holds four blocks, and each next one twice as
// many, up to 32.
constexpr size_t kFirstBlockChunk = size_t{8} << 10;
constexpr size_t kLargestBlockChunk = size_t{64} << 10;

// The section type table's codes, by predefined section: the five debug sections share one.
constexpr int32_t kPredefinedTypeCodes[kPredefinedSections] = {0, 1, 2, 3, 4, 5, 6, 7, 7, 7, 7, 7, 8};

bool sameNameIgnoringCase(const char* a, const char* b) {
    return std::strlen(a) == std::strlen(b) && strcasecmp(a, b) == 0;
}

void appendShstrtab(AssemblerState* state, const char* name) {
    int32_t length = static_cast<int32_t>(std::strlen(name));
    while (state->shstrtabSize + length + 1 > static_cast<int32_t>(state->shstrtabBuffer.size()))
        state->shstrtabBuffer.resize(state->shstrtabBuffer.size() + kBlockCapacity, 0);
    std::memcpy(state->shstrtabBuffer.data() + state->shstrtabSize, name, static_cast<size_t>(length) + 1);
    state->shstrtabSize += length + 1;
}

} // namespace

DataBlock::~DataBlock() {
    // Unlink the rest of the chain iteratively: long chains must not recurse.
    std::unique_ptr<DataBlock> rest = std::move(next);
    while (rest) rest = std::move(rest->next);
}

namespace {

// A block of `capacity` bytes at `start` over `bytes`, which are zeroed already.
std::unique_ptr<DataBlock> blockOver(int32_t start, int32_t capacity, std::span<uint8_t> bytes) {
    auto block = std::make_unique<DataBlock>();
    block->start = start;
    block->capacity = capacity;
    block->bytes = bytes;
    return block;
}

size_t blockBytes(int32_t capacity) {
    return static_cast<size_t>(capacity > 0 ? capacity : 0);
}

} // namespace

std::unique_ptr<DataBlock> createDataBlock(int32_t start, int32_t capacity) {
    auto own = std::make_unique<uint8_t[]>(blockBytes(capacity));
    auto block = blockOver(start, capacity, std::span<uint8_t>(own.get(), blockBytes(capacity)));
    block->ownBytes = std::move(own);
    return block;
}

std::unique_ptr<DataBlock> createDataBlock(AssemblerState* state, int32_t start, int32_t capacity) {
    const size_t size = blockBytes(capacity);
    BlockArena& arena = state->blockArena;
    if (size > arena.left) {
        // A new chunk; what is left of the last one stays unused.
        const size_t chunk = std::max(arena.nextChunk ? arena.nextChunk : kFirstBlockChunk, size);
        arena.chunks.push_back(std::make_unique_for_overwrite<uint8_t[]>(chunk));
        arena.next = arena.chunks.back().get();
        arena.left = chunk;
        prefaultIfLarge(arena.next, chunk);
        arena.nextChunk = std::min(2 * chunk, kLargestBlockChunk);
    }
    std::memset(arena.next, 0, size);
    const std::span<uint8_t> bytes(arena.next, size);
    arena.next += size;
    arena.left -= size;
    return blockOver(start, capacity, bytes);
}

DataBlock* appendBlock(AssemblerState* state, int ordinal, std::unique_ptr<DataBlock> block) {
    if (!state || !block || ordinal < 0 || ordinal >= kMaxSections) return nullptr;
    SectionChain& chain = state->sections[ordinal];
    DataBlock* raw = block.get();
    if (!chain.tail) {
        chain.head = std::move(block);
    } else {
        block->prev = chain.tail;
        chain.tail->next = std::move(block);
    }
    chain.tail = raw;
    return raw;
}

DataBlock* ensureTailBlock(AssemblerState* state, int ordinal) {
    if (!state || ordinal < 0 || ordinal >= kMaxSections) return nullptr;
    if (state->sections[ordinal].tail) return state->sections[ordinal].tail;
    return appendBlock(
        state, ordinal,
        createDataBlock(state, static_cast<int32_t>(state->locationCounters[ordinal]), state->blockCapacity));
}

int setupPredefinedSections(AssemblerState* state) {
    if (!state) return -1;
    state->shstrtabBuffer.assign(kBlockCapacity, 0);
    state->shstrtabSize = 1;
    state->strtabBuffer.assign(kBlockCapacity, 0);
    state->strtabSize = 0;
    state->slotCount = 0;
    state->sectionCount = 0;
    for (int i = 0; i < kPredefinedSections; ++i) {
        const char* name = kPredefinedSectionTable[i].name;
        appendShstrtab(state, name);
        SectionSlot& slot = state->sectionSlots[state->slotCount];
        slot.name = name;
        slot.ordinal = i;
        slot.slotA = state->slotCount;
        slot.slotB = state->slotCount + 1;
        state->sectionSlots[state->slotCount + 1] = slot; // the second slot holds a copy
        state->slotCount += 2;
        state->sectionCount += 1;
        state->sectionTypeNames[i] = SectionTypeName{kPredefinedTypeCodes[i], name};
    }
    state->sectionTypeNameCount = kPredefinedSections;
    return 0;
}

int addSection(const char* name, AssemblerState* state) {
    if (!name || !state) return -1;
    appendShstrtab(state, name);
    if (state->slotCount >= kMaxSlots) {
        reportAt(state, Diag::TooManySections);
        return -1;
    }
    SectionSlot& slot = state->sectionSlots[state->slotCount];
    slot.name = name;
    slot.ordinal = state->sectionCount;
    slot.slotA = state->slotCount;
    slot.slotB = state->slotCount + 1;
    state->slotCount += 2;
    state->sectionCount += 1;
    return 0;
}

void sectionLookup(const char* name, const AssemblerState* state, int* slotA, int* slotB, int* ordinal) {
    int a = -1, b = -1, o = -1;
    if (name && state) {
        for (int i = 0; i < state->slotCount; ++i) {
            const SectionSlot& slot = state->sectionSlots[i];
            if (slot.ordinal >= 0 && !slot.name.empty() && sameNameIgnoringCase(slot.name.c_str(), name)) {
                a = slot.slotA;
                b = slot.slotB;
                o = slot.ordinal;
                break;
            }
        }
    }
    if (slotA) *slotA = a;
    if (slotB) *slotB = b;
    if (ordinal) *ordinal = o;
}

int32_t sectionTypeCode(const char* name, const AssemblerState* state) {
    if (!name || !state) return -1;
    for (int i = 0; i < state->sectionTypeNameCount; ++i)
        if (sameNameIgnoringCase(state->sectionTypeNames[i].name.c_str(), name))
            return state->sectionTypeNames[i].typeCode;
    return -1;
}

void sectionAttributes(const char* name, int32_t* type, int32_t* flags) {
    int32_t t = -1, f = -1;
    if (name) {
        for (const PredefinedSection& row : kPredefinedSectionTable) {
            if (sameNameIgnoringCase(row.name, name)) {
                t = static_cast<int32_t>(row.type);
                f = static_cast<int32_t>(row.flags);
                break;
            }
        }
    }
    if (type) *type = t;
    if (flags) *flags = f;
}

int32_t sectionFlagFromLetter(char letter) {
    constexpr int kCaseDistance = 'a' - 'A';
    for (const SectionFlagRow& row : kSectionFlags) {
        if (row.directiveLetter == 0) continue;
        if (letter == row.directiveLetter || letter == row.directiveLetter - kCaseDistance)
            return static_cast<int32_t>(row.value);
    }
    return -1;
}

int32_t sectionTypeFromNumber(int32_t number) {
    if (number >= 0 && number <= 11) return number;
    switch (number) {
        case 12:
            return static_cast<int32_t>(ELF_SHT_LOPROC);
        case 13:
            return static_cast<int32_t>(ELF_SHT_HIPROC);
        case 14:
            return static_cast<int32_t>(ELF_SHT_LOUSER);
        case 15:
            return static_cast<int32_t>(ELF_SHT_HIUSER);
        default:
            return -1;
    }
}

int findSectionName(const char* name, const uint8_t* buffer, int32_t size, int32_t* start, int32_t* end) {
    if (!name || !buffer) return -1;
    int32_t pos = 1;
    while (pos < size) {
        const char* candidate = reinterpret_cast<const char*>(buffer) + pos;
        int32_t length = static_cast<int32_t>(strnlen(candidate, static_cast<size_t>(size - pos)));
        if (length == static_cast<int32_t>(std::strlen(name)) && strncasecmp(candidate, name, length) == 0) {
            if (start) *start = pos;
            if (end) *end = pos + length;
            return 0;
        }
        pos += length + 1;
    }
    return -1;
}

int removeSectionName(const char* name, AssemblerState* state) {
    if (!name || !state) {
        logTrace(state, "[%s:%d] Invalid function parameters.\n", "sectionHandler", __LINE__);
        return -1;
    }
    int32_t start = 0, end = 0;
    if (findSectionName(name, state->shstrtabBuffer.data(), state->shstrtabSize, &start, &end) != 0) {
        reportAt(state, Diag::UnknownSection, name);
        return -1;
    }
    int32_t removed = end - start + 1;
    uint8_t* buf = state->shstrtabBuffer.data();
    std::memmove(buf + start, buf + end + 1, static_cast<size_t>(state->shstrtabSize - (end + 1)));
    std::memset(buf + state->shstrtabSize - removed, 0, static_cast<size_t>(removed));
    state->shstrtabSize -= removed;
    return 0;
}

void renumberSymbolSections(AssemblerState* state, int removed) {
    if (!state || removed == 0) return;
    for (ElfSymbolEntry& entry : state->symtab) {
        if (entry.st_shndx == 2)
            entry.st_shndx = static_cast<uint16_t>(removed == 2 ? 1 : 2 - removed);
        else if (entry.st_shndx == 3)
            entry.st_shndx = static_cast<uint16_t>(3 - removed);
    }
}

int setCurrentSection(AssemblerState* state, const char* name) {
    int ordinal = -1;
    sectionLookup(name, state, nullptr, nullptr, &ordinal);
    if (ordinal < 0) return -1;
    state->currentSection = ordinal;
    return ordinal;
}
