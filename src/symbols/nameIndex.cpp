#include "symbols/nameIndex.h"

#include <array>

namespace {

// Letters a-z as their capitals, every other byte as itself.
constexpr std::array<uint8_t, 256> makeFold() {
    std::array<uint8_t, 256> t{};
    for (int c = 0; c < 256; ++c) t[c] = static_cast<uint8_t>(c >= 'a' && c <= 'z' ? c - 'a' + 'A' : c);
    return t;
}
constexpr std::array<uint8_t, 256> kFold = makeFold();

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
