#include "symbols/sectionHandler.h"

#include "core/messages.h"
#include "symbols/assemblerState.h"

#include <cstring>
#include <strings.h>

namespace {

const char* const kPredefinedNames[kPredefinedSections] = {
    ".text",     ".data",         ".bss",        ".symtab",     ".strtab",           ".rel.text",
    ".rel.data", ".debug_abbrev", ".debug_info", ".debug_line", ".debug_info_reloc", ".debug_raw_line",
    ".shstrtab",
};

const int32_t kPredefinedTypeCodes[kPredefinedSections] = {0, 1, 2, 3, 4, 5, 6, 7, 7, 7, 7, 7, 8};

struct SectionAttributeRow {
    const char* name;
    int32_t type;
    int32_t flags;
};

const SectionAttributeRow kSectionAttributes[] = {
    {".bss", 8, 3},
    {".data", 1, 3},
    {".shstrtab", 3, 0},
    {".strtab", 3, 2},
    {".symtab", 2, 2},
    {".text", 1, 6},
    {".rel.text", 4, 0},
    {".rel.data", 4, 0},
    {".debug_info", static_cast<int32_t>(0x80000002u), 64},
    {".debug_abbrev", static_cast<int32_t>(0x80000003u), 64},
    {".debug_line", static_cast<int32_t>(0x80000001u), 64},
    {".debug_raw_line", static_cast<int32_t>(0x80000004u), 64},
    {".debug_info_reloc", static_cast<int32_t>(0x80000005u), 64},
};

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

std::unique_ptr<DataBlock> createDataBlock(int32_t start, int32_t capacity) {
    auto block = std::make_unique<DataBlock>();
    block->start = start;
    block->capacity = capacity;
    block->bytes.assign(static_cast<size_t>(capacity > 0 ? capacity : 0), 0);
    return block;
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
        createDataBlock(static_cast<int32_t>(state->locationCounters[ordinal]), state->blockCapacity));
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
        appendShstrtab(state, kPredefinedNames[i]);
        SectionSlot& slot = state->sectionSlots[state->slotCount];
        slot.name = kPredefinedNames[i];
        slot.ordinal = i;
        slot.slotA = state->slotCount;
        slot.slotB = state->slotCount + 1;
        state->sectionSlots[state->slotCount + 1] = slot; // the second slot holds a copy
        state->slotCount += 2;
        state->sectionCount += 1;
        state->sectionTypeNames[i] = SectionTypeName{kPredefinedTypeCodes[i], kPredefinedNames[i]};
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
        for (const SectionAttributeRow& row : kSectionAttributes) {
            if (sameNameIgnoringCase(row.name, name)) {
                t = row.type;
                f = row.flags;
                break;
            }
        }
    }
    if (type) *type = t;
    if (flags) *flags = f;
}

int32_t sectionFlagFromLetter(char letter) {
    switch (letter) {
        case 'a':
        case 'A':
            return 2;
        case 'w':
        case 'W':
            return 1;
        case 'x':
        case 'X':
            return 4;
        case 'm':
        case 'M':
            return static_cast<int32_t>(0xF0000000u);
        default:
            return -1;
    }
}

int32_t sectionTypeFromNumber(int32_t number) {
    if (number >= 0 && number <= 11) return number;
    switch (number) {
        case 12:
            return 0x70000000;
        case 13:
            return 0x7FFFFFFF;
        case 14:
            return static_cast<int32_t>(0x80000000u);
        case 15:
            return static_cast<int32_t>(0xFFFFFFFFu);
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
