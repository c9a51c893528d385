// Pass two's half of encoding: the instruction's words go into the text section.
#include "core/Statement.h"
#include "core/messages.h"
#include "isa/encoder.h"
#include "isa/opcodeTable.h"
#include "symbols/assemblerState.h"
#include "symbols/sectionHandler.h"

namespace {

DataBlock* newTextBlock(AssemblerState* state) {
    auto block = createDataBlock(state, static_cast<int32_t>(state->textLoc()), state->blockCapacity);
    DataBlock* added = block ? appendBlock(state, SEC_TEXT, std::move(block)) : nullptr;
    if (!added) reportAt(state, Diag::InstructionNotAssembled);
    return added;
}

// The text block the next instruction goes into: the first block on demand, and a new
// one once the table length of the instruction would fill the current block. A few forms
// are longer than their table length; should one of them (with its pad byte) not fit
// the rest of the block, it starts a new block too rather than overrun the buffer. Null
// after reporting 3000.
DataBlock* blockFor(AssemblerState* state, const OpcodeEntry& entry, int wordCount) {
    DataBlock* block = state->sections[SEC_TEXT].tail;
    if (!block && !(block = newTextBlock(state))) return nullptr;
    const size_t needed =
        static_cast<size_t>(block->used) + (state->textLoc() & 1) + 2 * static_cast<size_t>(wordCount);
    if (block->used + 2 * entry.words >= block->capacity || needed > block->bytes.size())
        block = newTextBlock(state);
    return block;
}

} // namespace

int encodeInstruction(const OpcodeEntry* entry, AssemblerState* state, Statement* statement) {
    if (!entry || !state || !statement) {
        if (state) report(state->run.diagnostics, Diag::InternalError, __LINE__, 0, "encoder.cpp");
        return -1;
    }

    // The words are chosen first (a failed check writes nothing), so that the block is
    // picked knowing the instruction's true length.
    InstructionWords words;
    const int failure = encodeWords(*entry, *statement, words);
    if (failure != 0) reportAt(state, static_cast<Diag>(failure));
    return layDownWords(state, *entry, words, failure);
}

int layDownWords(AssemblerState* state, const OpcodeEntry& entry, const InstructionWords& words,
                 int failure) {
    DataBlock* block = blockFor(state, entry, words.count);
    if (!block) return -1;
    // Every instruction starts at an even byte address; the pad byte stays zero. It is
    // added even when a check failed.
    if (state->textLoc() & 1) {
        state->textLoc() += 1;
        block->used += 1;
    }
    if (failure != 0) return -1;

    uint8_t* out = block->bytes.data() + block->used;
    for (int i = 0; i < words.count; ++i) {
        *out++ = static_cast<uint8_t>(words.word[i] & 0xFF);
        *out++ = static_cast<uint8_t>(words.word[i] >> 8);
    }
    block->used += 2 * words.count;
    return 0;
}
