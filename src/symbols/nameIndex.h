// A hash index over names that live elsewhere (in the symbol records, in `.strtab`): a
// lookup hashes the name once, without copying or folding it into a new string, and
// compares only the candidates whose hash matches.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>
#include <vector>

// The hash of a name as the symbol tables compare names: with `fold`, the letters a-z
// hash as A-Z.
uint32_t nameHash(std::string_view name, bool fold);
// Whether two names are equal; with `fold`, a-z and A-Z are the same letters.
bool sameName(std::string_view a, std::string_view b, bool fold);

// Open addressing with linear probing. Payloads are what the owner finds its names by
// (a record pointer, an entry number); `none` marks an empty slot and is never stored.
template <class Payload, Payload none> class NameIndex {
  public:
    // The payload of the first stored candidate with this hash that `isName` accepts.
    template <class IsName> Payload find(uint32_t hash, IsName isName) const {
        if (slots_.empty()) return none;
        const size_t mask = slots_.size() - 1;
        for (size_t i = hash & mask;; i = (i + 1) & mask) {
            const Slot& slot = slots_[i];
            if (slot.payload == none) return none;
            if (slot.hash == hash && isName(slot.payload)) return slot.payload;
        }
    }

    // Stores a payload; the owner stores each name once.
    void insert(uint32_t hash, Payload payload) {
        if (2 * (used_ + 1) > slots_.size()) grow();
        place(hash, payload);
        ++used_;
    }

    void reserve(size_t names) {
        size_t wanted = 16;
        while (wanted < 2 * names) wanted *= 2;
        if (wanted > slots_.size()) rehash(wanted);
    }

    void clear() {
        slots_.clear();
        slots_.shrink_to_fit();
        used_ = 0;
    }

  private:
    struct Slot {
        uint32_t hash = 0;
        Payload payload = none;
    };

    void place(uint32_t hash, Payload payload) {
        const size_t mask = slots_.size() - 1;
        size_t i = hash & mask;
        while (slots_[i].payload != none) i = (i + 1) & mask;
        slots_[i] = Slot{hash, payload};
    }

    void grow() { rehash(slots_.empty() ? 16 : 2 * slots_.size()); }

    void rehash(size_t size) {
        std::vector<Slot> old = std::move(slots_);
        slots_.assign(size, Slot{});
        for (const Slot& slot : old)
            if (slot.payload != none) place(slot.hash, slot.payload);
    }

    std::vector<Slot> slots_;
    size_t used_ = 0;
};
