// Structure instances: .DATA_DEF opens a labelled block of bytes, each .DATA_INIT describes
// one member by bit offset and bit width, and .DATA_DEF_END packs the members (bit-fields
// may share bytes) and lays the bytes down in the current section.
#include "core/Statement.h"
#include "directives/Directive.h"
#include "directives/DirectiveHandlers.h"
#include "symbols/assemblerState.h"
#include "symbols/sectionHandler.h"
#include "symbols/stSymbolTable.h"

#include <algorithm>
#include <memory>
#include <vector>

namespace {

constexpr int64_t kMaxInstanceBytes = int64_t{1} << 30;

// Shifts that stay defined for any distance: a negative distance shifts the other way, and
// everything shifted out leaves zero.
uint32_t shiftRight(uint32_t value, int64_t distance) {
    if (distance <= -32 || distance >= 32) return 0;
    return distance < 0 ? value << -distance : value >> distance;
}
uint32_t shiftLeft(uint32_t value, int64_t distance) {
    return shiftRight(value, -distance);
}

// Byte j of a value, least significant first; bytes beyond the fourth extend the sign.
uint8_t valueByte(int32_t value, int64_t j) {
    if (j < 4) return static_cast<uint8_t>(static_cast<uint32_t>(value) >> (8 * j));
    return value < 0 ? 0xFF : 0;
}

bool validMemberSizes(const Statement* st) {
    return st->number >= 0 && st->number2 > 0 && st->size >= 0;
}

// Packs one member into the instance bytes; identifier values get pointer relocations at
// `base` plus their byte index. 0, or -1 after reporting.
int packMember(AssemblerState* state, const InstanceMember& member, std::vector<uint8_t>& bytes,
               int64_t base) {
    const int64_t byteSize = static_cast<int64_t>(bytes.size());
    int64_t k = member.bitOffset / 8;
    const int64_t b = member.bitOffset % 8; // bits count from the most significant bit of a byte

    if (member.bitSize % 8 != 0) {
        // A bit-field: only the low byte of the first value counts.
        uint32_t v = member.values.empty() ? 0 : static_cast<uint32_t>(member.values[0]) & 0xFF;
        if (k >= byteSize) return failWith(state, Diag::StructInstanceTooSmall);
        if (member.bitSize <= 8 - b) {
            bytes[k] |= static_cast<uint8_t>(shiftLeft(v, 8 - member.bitSize - b));
        } else {
            if (k + 1 >= byteSize) return failWith(state, Diag::StructInstanceTooSmall);
            int64_t r = 8 - b;
            bytes[k] |= static_cast<uint8_t>(shiftRight(v, member.bitWidth - r));
            bytes[k + 1] |= static_cast<uint8_t>(shiftLeft(v, r - member.bitSize + 8));
        }
        // Identifier values of a bit-field still tell the linker what to patch.
        for (const std::string& name : member.names)
            if (!name.empty() && addPointerRelocation(1, state, name.c_str(), static_cast<int32_t>(base + k),
                                                      static_cast<int>(member.bitWidth / 8)) != 0)
                return -1;
        return 0;
    }

    const int64_t valueBytes = member.bitWidth / 8;
    int64_t bitOffset = member.bitOffset;
    for (size_t i = 0; i < member.values.size(); ++i) {
        int64_t first = k;
        for (int64_t j = 0; j < valueBytes; ++j) {
            uint8_t c = valueByte(member.values[i], j);
            if (b == 0) {
                if (k >= byteSize) return failWith(state, Diag::StructInstanceTooSmall);
                bytes[k++] = c;
            } else {
                // Not on a byte boundary: each byte straddles two.
                if (k + 1 >= byteSize) return failWith(state, Diag::StructInstanceTooSmall);
                bytes[k] |= static_cast<uint8_t>(c >> b);
                k += 1;
                bytes[k] |= static_cast<uint8_t>(shiftLeft(c, 8 - b));
            }
        }
        if (member.isSymbolic && i < member.names.size() && !member.names[i].empty()) {
            if (addPointerRelocation(1, state, member.names[i].c_str(), static_cast<int32_t>(base + first),
                                     static_cast<int>(valueBytes)) != 0)
                return -1;
        }
        if (b != 0) {
            bitOffset += member.bitWidth;
            k = bitOffset / 8;
        }
    }
    return 0;
}

} // namespace

int executeDATA_DEF(Statement* st, DirectiveContext& dc, int pass) {
    AssemblerState* state = &dc.state;
    if (!st->name) return failWith(state, Diag::InvalidDirectiveSyntax);
    if (st->count < 0) return failWith(state, Diag::InvalidSize);
    if (pass == 1) {
        dc.openInstance = std::make_unique<StructInstance>();
        dc.openInstance->name = *st->name;
        dc.openInstance->byteSize = st->count;
        return 0;
    }
    int section = state->currentSection;
    int64_t& counter = state->locationCounters[section];
    int32_t value = 0;
    if (section == SEC_TEXT) {
        if (counter & 1) counter += 1;
        value = static_cast<int32_t>(counter / 2);
    } else {
        value = static_cast<int32_t>(counter);
    }
    defineDataLabel(state, *st->name, value, section);
    if (addElfSymbol(state, st->name->c_str(), 1, 0, section, value, st->count, state->relocatable) != 0)
        return -1;
    counter += st->count;
    return 0;
}

int executeDATA_INIT(Statement* st, DirectiveContext& dc, int pass) {
    AssemblerState* state = &dc.state;
    bool symbolic = (st->flags & kFlagNames) != 0;
    if (pass == 0) {
        // A zero or negative width would make the member meaningless (and divide by zero).
        if (!validMemberSizes(st)) return failWith(state, Diag::InvalidSize);
        if (symbolic) addToEstimate(state->numRelocData, st->size / st->number2);
        return 0;
    }
    if (!dc.openInstance) return failWith(state, Diag::MissingDataDef);
    if (!validMemberSizes(st)) return failWith(state, Diag::InvalidSize);
    int32_t room = std::max(st->size / 8, 1);
    if (room < st->count) return failWith(state, Diag::StructInstanceTooSmall);

    InstanceMember member;
    member.bitOffset = st->number;
    member.bitWidth = st->number2;
    member.bitSize = st->size;
    member.isSymbolic = symbolic;
    size_t n = static_cast<size_t>(std::clamp<int64_t>(st->count, 0, static_cast<int64_t>(st->args.size())));
    member.values.reserve(n);
    for (size_t i = 0; i < n; ++i) {
        const ArgCell& cell = st->args[i];
        // Identifier values are stored as zeros and relocated.
        member.values.push_back(cell.isText ? 0 : cell.number);
        if (symbolic) member.names.push_back(cell.isText ? cell.text : std::string());
    }
    dc.openInstance->members.push_back(std::move(member));
    return 0;
}

int executeDATA_DEF_END(Statement*, DirectiveContext& dc, int pass) {
    AssemblerState* state = &dc.state;
    if (pass == 0) return 0;
    if (!dc.openInstance) return failWith(state, Diag::MissingDataDef);
    if (dc.openInstance->members.empty()) return failWith(state, Diag::MissingInitialValues);
    if (dc.openInstance->byteSize > kMaxInstanceBytes) return failWith(state, Diag::MemoryOverflow);

    int section = state->currentSection;
    int64_t& counter = state->locationCounters[section];
    // The bytes land after the pad byte that keeps text data on a word boundary.
    int64_t base = counter + ((section == SEC_TEXT && (counter & 1)) ? 1 : 0);

    std::vector<uint8_t> bytes(static_cast<size_t>(dc.openInstance->byteSize), 0);
    for (const InstanceMember& member : dc.openInstance->members)
        if (packMember(state, member, bytes, base) != 0) return -1;

    int64_t size = static_cast<int64_t>(bytes.size());
    if (appendSectionBytes(state, section, bytes.data(), size, 1) != 0) return -1;
    counter += size;
    if (section == SEC_TEXT) state->orgRelativeLoc += size;
    dc.openInstance.reset();
    return 0;
}
