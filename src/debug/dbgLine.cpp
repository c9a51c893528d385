// The line-number program (.debug_line) and the raw line table (.debug_raw_line), both
// built from the .LINE records. The program only uses advance_line, advance_pc and copy,
// so every row costs a few bytes whatever the deltas are.
#include "core/prefault.h"
#include "debug/dbgInfo.h"
#include "debug/dbgUtil.h"
#include "format/dwarf.h"
#include "symbols/assemblerState.h"

#include <algorithm>

namespace {

constexpr uint8_t kMinimumInstructionLength = 2; // code addresses advance in 16-bit words
constexpr uint8_t kOpcodeBase = 10;

void traceEncoded(const AssemblerState* state, const std::vector<uint8_t>& program, size_t from) {
    logTrace(state, "Encoded: ");
    for (size_t i = from; i < program.size(); ++i) logTrace(state, "%02x ", program[i]);
    logTrace(state, "\n");
}

} // namespace

int buildLineProgram(AssemblerState* state, const DebugDirectives& declarations) {
    if (!state) return -1;
    const std::vector<LineEntry>& lines = declarations.lineList;
    logTrace(state, "Line Number Entries BEGIN\n");
    logTrace(state, "Number of entries: %zu\n", lines.size());

    // The header's line_base and line_range describe the deltas, though no special
    // opcode uses them.
    int32_t smallest = 1;
    int32_t largest = 0;
    int32_t previousLine = 1;
    for (const LineEntry& e : lines) {
        int32_t delta =
            static_cast<int32_t>(static_cast<uint32_t>(e.line) - static_cast<uint32_t>(previousLine));
        smallest = std::min(smallest, delta);
        largest = std::max(largest, delta);
        previousLine = e.line;
    }

    std::vector<uint8_t>& out = state->debugLine;
    std::vector<uint8_t>& raw = state->debugRawLine;
    out.clear();
    raw.clear();
    // Every entry takes eight bytes of the raw table and a few of the line program: the
    // room is taken, and its pages asked for, in one step each.
    reserveBacked(raw, lines.size() * 8);
    reserveBacked(out, 256 + lines.size() * 6);

    appendU32(out, 0); // unit_length, filled in last
    appendU16(out, 2); // version
    appendU32(out, 0); // header_length, filled in last
    appendU8(out, kMinimumInstructionLength);
    appendU8(out, 1); // default_is_stmt
    appendU8(out, static_cast<uint32_t>(smallest));
    appendU8(out, static_cast<uint32_t>(static_cast<int64_t>(largest) - smallest + 1));
    appendU8(out, kOpcodeBase);
    out.insert(out.end(), kOpcodeBase - 1, 0); // standard_opcode_lengths
    for (const DebugFile& f : state->debugFileList.items) appendCString(out, f.directory);
    appendU8(out, 0);
    for (size_t i = 0; i < state->debugFileList.items.size(); ++i) {
        appendCString(out, state->debugFileList.items[i].baseName);
        appendUleb128(out, static_cast<uint32_t>(i + 1)); // directory index
        appendU8(out, 0);                                 // modification time
        appendU8(out, 0);                                 // length
    }
    appendU8(out, 0);
    size_t programStart = out.size();

    int32_t previousAddress = 0;
    previousLine = 1;
    for (const LineEntry& e : lines) {
        uint32_t lineDelta = static_cast<uint32_t>(e.line) - static_cast<uint32_t>(previousLine);
        int32_t addressDelta = static_cast<int32_t>((static_cast<int64_t>(e.address) - previousAddress) / 2);

        appendU16(raw, static_cast<uint32_t>(addressDelta));
        appendU32(raw, static_cast<uint32_t>(e.address));
        appendU16(raw, lineDelta);

        size_t rowStart = out.size();
        appendU8(out, DW_LNS_advance_line);
        appendUleb128(out, lineDelta);
        appendU8(out, DW_LNS_advance_pc);
        appendUleb128(out, static_cast<uint32_t>(addressDelta));
        appendU8(out, DW_LNS_copy);
        if (tracing(state)) {
            logTrace(state, "Line Number: %d, Address: %d line increment: %d add increment: %d ", e.line,
                     e.address, static_cast<int32_t>(lineDelta), addressDelta);
            traceEncoded(state, out, rowStart);
        }
        previousAddress = e.address;
        previousLine = e.line;
    }
    appendU8(out, 0); // extended opcode: length 1, DW_LNE_end_sequence
    appendU8(out, 1);
    appendU8(out, DW_LNE_end_sequence);

    patchU32(out, 0, static_cast<uint32_t>(out.size() - 4));
    patchU32(out, 6, static_cast<uint32_t>(programStart - 10));
    logTrace(state, "Line Number Entries END\n");
    if (tracing(state)) {
        logTrace(state, "Dumping contents of .debug_line BEGIN\n");
        for (uint8_t byte : out) logTrace(state, "%02x ", byte);
        logTrace(state, "\nDumping contents of .debug_line END\n");
    }
    return 0;
}
