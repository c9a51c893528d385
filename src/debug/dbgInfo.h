// .debug_abbrev and .debug_info: DWARF 2 entries built from the debug descriptions,
// and the .debug_line / .debug_raw_line builder.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

struct AssemblerState;
struct DebugDirectives;

// A value in .debug_info that is written once every entry exists: a type named before
// its entry was built (`typeName` set) or a sibling offset known only after the group.
struct PendingRef {
    int32_t abbrevCtr = 0; // the counters when the value was reserved (for the trace)
    int32_t dbgCtr = 0;
    int32_t attrCtr = 0;
    int32_t value = 0; // kResolveByName, or the value to write
    int32_t size = 0;  // bytes to write: 2 for type references, 4 for siblings
    std::optional<std::string> typeName;
    int32_t sourceLine = 0;
    int32_t position = 0; // offset of the value in .debug_info
};

constexpr int32_t kResolveByName = 0xFFFF;

// Working data of one debug-information build. Entries are written straight into the
// byte buffers: every value's offset is final the moment it is written, so entry
// offsets serve as type references before the build ends.
struct DebugInfoBuilder {
    DebugInfoBuilder(AssemblerState* state, const DebugDirectives& declarations)
        : state(state), declarations(declarations) {}

    AssemblerState* state; // the object the entries describe
    const DebugDirectives& declarations;
    int32_t abbrevCtr = 1; // the next abbreviation code
    int32_t dbgCtr = 1;    // the next entry's number (its abbreviation code)
    int32_t attrCtr = 1;   // attributes added so far plus one (for the trace)
    std::vector<uint8_t> abbrev;
    std::vector<uint8_t> info; // starts with the 11-byte compile-unit header
    std::vector<PendingRef> pendingRefs;
    // Offset of the first completed entry carrying each name, by the name's spelling
    // number in the run's name table; -1 for none.
    std::vector<int32_t> entryByName;
    int32_t currentEntry = 0; // offset of the entry being built
    int32_t entryName = -1;   // its name's spelling number, once given
};

// The offset of the first completed entry named `name` (compared exactly), or -1.
int32_t entryNamed(const DebugInfoBuilder& b, std::string_view name);

// Builds .debug_abbrev, .debug_info and the debug relocations; negative on failure,
// which leaves the three empty.
int buildDebugInfo(AssemblerState* state, const DebugDirectives& declarations);

// Builds .debug_line and .debug_raw_line from the .LINE records; 0, or -1.
int buildLineProgram(AssemblerState* state, const DebugDirectives& declarations);

// Writes the recorded debug descriptions to the trace log.
void dumpDebugDescriptions(const AssemblerState* state, const DebugDirectives& declarations);
