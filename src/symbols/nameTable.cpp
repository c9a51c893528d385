#include "symbols/nameTable.h"

#include <array>
#include <cstring>

namespace {

// Letters a-z as their capitals, every other byte as itself.
constexpr std::array<uint8_t, 256> makeFold() {
    std::array<uint8_t, 256> t{};
    for (int c = 0; c < 256; ++c) t[c] = static_cast<uint8_t>(c >= 'a' && c <= 'z' ? c - 'a' + 'A' : c);
    return t;
}
constexpr std::array<uint8_t, 256> kFold = makeFold();

// Names are small and many: their bytes go into chunks of this size (a longer name gets
// a chunk of its own).
constexpr size_t kChunkBytes = 16 * 1024;
constexpr size_t kMinSlots = 64;

// Slots kept at most three quarters full.
bool crowded(size_t names, size_t slots) {
    return 4 * names > 3 * slots;
}

void rehash(NameTable& table, size_t size) {
    // The slots are zeroed through, so their pages are asked for at once.
    std::vector<uint32_t> slots;
    slots.reserve(size);
    prefaultIfLarge(slots.data(), size * sizeof(uint32_t));
    slots.assign(size, 0);
    const size_t mask = size - 1;
    for (size_t id = 0; id < table.records.size(); ++id) {
        size_t i = table.records[id].hash & mask;
        while (slots[i] != 0) i = (i + 1) & mask;
        slots[i] = static_cast<uint32_t>(id + 1);
    }
    table.slots = std::move(slots);
}

const char* store(NameTable& table, std::string_view spelling) {
    if (spelling.empty()) return "";
    if (spelling.size() > kChunkBytes / 4) {
        // A long name gets a chunk of its own; the current chunk goes on filling.
        table.chunks.push_back(std::make_unique<char[]>(spelling.size()));
        std::memcpy(table.chunks.back().get(), spelling.data(), spelling.size());
        return table.chunks.back().get();
    }
    if (spelling.size() > table.chunkFree) {
        table.chunks.push_back(std::make_unique<char[]>(kChunkBytes));
        table.chunkNext = table.chunks.back().get();
        table.chunkFree = kChunkBytes;
    }
    char* at = table.chunkNext;
    std::memcpy(at, spelling.data(), spelling.size());
    table.chunkNext += spelling.size();
    table.chunkFree -= spelling.size();
    return at;
}

// Walks the probe run of `hash`: the exact spelling's number (or -1) and the canonical
// name of the first spelling that folds alike (or -1).
struct Probe {
    int32_t exact = -1;
    int32_t canonical = -1;
    size_t freeSlot = 0;
};

Probe probe(const NameTable& table, std::string_view spelling, uint32_t hash) {
    Probe found;
    const size_t mask = table.slots.size() - 1;
    size_t i = hash & mask;
    for (;; i = (i + 1) & mask) {
        const uint32_t slot = table.slots[i];
        if (slot == 0) break;
        const NameRecord& record = table.records[slot - 1];
        if (record.hash != hash || record.length != spelling.size()) continue;
        const std::string_view text(record.text, record.length);
        if (text == spelling) {
            found.exact = static_cast<int32_t>(slot - 1);
            found.canonical = record.canonical;
            return found;
        }
        if (found.canonical < 0 && table.fold && sameName(text, spelling, true))
            found.canonical = record.canonical;
    }
    found.freeSlot = i;
    return found;
}

} // namespace

uint32_t nameHash(std::string_view name, bool fold) {
    uint32_t h = 2166136261u; // FNV-1a, then a final mix so that the low bits vary
    if (fold) {
        for (char c : name) h = (h ^ kFold[static_cast<uint8_t>(c)]) * 16777619u;
    } else {
        for (char c : name) h = (h ^ static_cast<uint8_t>(c)) * 16777619u;
    }
    h ^= h >> 16;
    h *= 0x7FEB352Du;
    h ^= h >> 15;
    return h;
}

bool sameName(std::string_view a, std::string_view b, bool fold) {
    if (a.size() != b.size()) return false;
    if (!fold) return a == b;
    for (size_t i = 0; i < a.size(); ++i)
        if (kFold[static_cast<uint8_t>(a[i])] != kFold[static_cast<uint8_t>(b[i])]) return false;
    return true;
}

void nameTableReset(NameTable& table, bool fold) {
    table = NameTable{};
    table.fold = fold;
}

void nameTableReserve(NameTable& table, size_t names) {
    size_t wanted = kMinSlots;
    while (crowded(names, wanted)) wanted *= 2;
    if (wanted > table.slots.size()) rehash(table, wanted);
    table.records.reserve(names);
}

int32_t nameIntern(NameTable& table, std::string_view spelling) {
    if (crowded(table.records.size() + 1, table.slots.size()))
        rehash(table, table.slots.empty() ? kMinSlots : 2 * table.slots.size());
    const uint32_t hash = nameHash(spelling, table.fold);
    const Probe found = probe(table, spelling, hash);
    if (found.exact >= 0) return found.exact;
    const auto id = static_cast<int32_t>(table.records.size());
    prefaultVectorAhead(table.records, table.recordPages);
    table.records.push_back(NameRecord{store(table, spelling), static_cast<uint32_t>(spelling.size()), hash,
                                       found.canonical >= 0 ? found.canonical : id});
    table.slots[found.freeSlot] = static_cast<uint32_t>(id + 1);
    return id;
}

int32_t nameFind(const NameTable& table, std::string_view spelling) {
    if (table.slots.empty()) return -1;
    return probe(table, spelling, nameHash(spelling, table.fold)).exact;
}

int32_t nameFindCanonical(const NameTable& table, std::string_view spelling) {
    if (table.slots.empty()) return -1;
    return probe(table, spelling, nameHash(spelling, table.fold)).canonical;
}
