#include "objdump/instructionDecoder.h"

#include "core/Statement.h"
#include "isa/encoder.h"
#include "isa/opcodeTable.h"

#include <array>
#include <bit>
#include <memory>

constexpr int8_t kIndirectBit = -1; // the operand's indirect flag
constexpr int8_t kSignBit = -2;     // set when the operand value is negative

// One input of a layout and the code bits it flips. The code words of an instruction
// are packed into 64 bits, word k at bits 16k..16k+15, so a layout is a few masks.
struct BitSource {
    uint8_t operand; // 0..2
    int8_t bit;      // bit of the operand value, kIndirectBit or kSignBit
    uint64_t mask;   // the code bits that this input bit flips
};

struct DecodeForm {
    int16_t id = -1;
    uint8_t mnemonic = 0;
    uint8_t count = 0;
    uint8_t words = 0;
    bool branch = false;
    int32_t kind[3] = {};
    bool negated[3] = {}; // the operand is read as a negative magnitude
    int8_t homeWord[3] = {-1, -1, -1};
    uint32_t valueBits[3] = {}; // the operand value bits the words keep
    uint64_t base = 0;          // the words with every input zero
    uint64_t driven = 0;        // every code bit some input can flip
    std::vector<BitSource> sources;
    std::vector<WrittenForm> written;
};

namespace {

constexpr int kMaxOperandBits = 32;

uint64_t pack(const uint16_t* words, int count) {
    uint64_t packed = 0;
    for (int k = 0; k < count; ++k) packed |= uint64_t{words[k]} << (16 * k);
    return packed;
}

uint64_t lengthMask(int words) {
    return words >= 4 ? ~uint64_t{0} : (uint64_t{1} << (16 * words)) - 1;
}

Statement probeStatement(const DecodeForm& form) {
    Statement st;
    st.kind = SK_INSTRUCTION;
    st.status = SS_COMPLETE;
    st.id = form.id;
    st.operandCount = form.count;
    for (int o = 0; o < form.count; ++o) st.operands[o].kind = form.kind[o];
    return st;
}

// The packed words of a probe, or false when the encoder refuses it or changes length.
bool encodeProbe(const DecodeForm& form, const Statement& st, uint64_t& packed) {
    InstructionWords words;
    if (encodeWords(kOpcodeTable[form.id], st, words) != 0 || words.count != form.words) return false;
    packed = pack(words.word, words.count);
    return true;
}

// Records the code bits one input bit flips; an input whose bits another input already
// drives is left out (the verification by re-encoding catches what that loses).
void addSource(DecodeForm& form, int operand, int bit, uint64_t flipped) {
    if (flipped == 0 || (flipped & form.driven) != 0) return;
    form.sources.push_back({static_cast<uint8_t>(operand), static_cast<int8_t>(bit), flipped});
    form.driven |= flipped;
}

// Learns the form's layout from the encoder; false when the form has no encoding.
bool probe(DecodeForm& form) {
    Statement st = probeStatement(form);
    InstructionWords words;
    if (encodeWords(kOpcodeTable[form.id], st, words) != 0 || words.count == 0) return false;
    form.words = static_cast<uint8_t>(words.count);
    form.base = pack(words.word, words.count);
    for (int o = 0; o < form.count; ++o) {
        Operand& op = st.operands[o];
        for (int bit = 0; bit < kMaxOperandBits; ++bit) {
            op.value = static_cast<int32_t>(uint32_t{1} << bit);
            uint64_t packed;
            if (encodeProbe(form, st, packed)) addSource(form, o, bit, packed ^ form.base);
        }
        // A short field stored in a whole word (a port operand's immediate) keeps the
        // sign of a negative value in the bits above the field.
        uint64_t predicted = form.base;
        for (const BitSource& s : form.sources)
            if (s.operand == o) predicted ^= s.mask;
        op.value = -1;
        uint64_t packed;
        if (encodeProbe(form, st, packed)) addSource(form, o, kSignBit, packed ^ predicted);
        op.value = 0;
        if (form.kind[o] == OPK_DIRECT) {
            op.indirect = 1;
            if (encodeProbe(form, st, packed)) addSource(form, o, kIndirectBit, packed ^ form.base);
            op.indirect = 0;
        }
    }
    for (const BitSource& s : form.sources) {
        if (s.bit < 0) continue;
        form.valueBits[s.operand] |= uint32_t{1} << s.bit;
        const int word = std::countr_zero(s.mask) / 16;
        if (form.homeWord[s.operand] < 0 || word < form.homeWord[s.operand])
            form.homeWord[s.operand] = static_cast<int8_t>(word);
    }
    return true;
}

// A field stored as sign and magnitude (the CPYMEM count) does not follow the bit
// layout for negative values. Probing -1, -2, -4, ... finds such a field: the bits all
// those probes share are the negative form's fixed bits, and each probe then adds one
// magnitude bit. Two's-complement fields give no such layout and are left alone.
std::unique_ptr<DecodeForm> negativeVariant(const DecodeForm& form, int operand) {
    Statement st = probeStatement(form);
    uint64_t probes[kMaxOperandBits - 1];
    bool valid[kMaxOperandBits - 1] = {};
    uint64_t common = ~uint64_t{0};
    bool any = false;
    for (int bit = 0; bit < kMaxOperandBits - 1; ++bit) {
        st.operands[operand].value = -static_cast<int32_t>(uint32_t{1} << bit);
        valid[bit] = encodeProbe(form, st, probes[bit]);
        if (!valid[bit]) continue;
        common &= probes[bit];
        any = true;
    }
    if (!any || common == form.base) return nullptr;

    auto variant = std::make_unique<DecodeForm>(form);
    variant->negated[operand] = true;
    variant->base = common;
    variant->sources.clear();
    variant->driven = 0;
    for (const BitSource& s : form.sources)
        if (s.operand != operand) addSource(*variant, s.operand, s.bit, s.mask);
    bool magnitude = false;
    for (int bit = 0; bit < kMaxOperandBits - 1; ++bit) {
        if (!valid[bit]) continue;
        const uint64_t flipped = probes[bit] ^ common;
        if (std::popcount(flipped) > 1) return nullptr; // not a magnitude field
        if (flipped == 0) continue;
        if (flipped & variant->driven) return nullptr;
        addSource(*variant, operand, bit, flipped);
        magnitude = true;
    }
    return magnitude ? std::move(variant) : nullptr;
}

struct FormKey {
    int16_t id;
    uint8_t count;
    int32_t kind[3];
    bool operator==(const FormKey&) const = default;
};

struct Catalogue {
    std::vector<std::unique_ptr<DecodeForm>> forms;
    // The forms whose first word can have each high byte.
    std::array<std::vector<const DecodeForm*>, 256> byHighByte;

    Catalogue() {
        std::vector<std::unique_ptr<DecodeForm>> found;
        std::vector<FormKey> keys;
        for (int m = 0; m < kMnemonicCount; ++m) addMnemonic(m, found, keys);
        for (auto& form : found) {
            if (!probe(*form)) continue;
            // A form's negative variants come right after it: a reading as a positive
            // value is preferred.
            std::vector<std::unique_ptr<DecodeForm>> variants;
            for (int o = 0; o < form->count; ++o) {
                if (form->kind[o] != OPK_IMMEDIATE || form->branch) continue;
                if (auto variant = negativeVariant(*form, o)) variants.push_back(std::move(variant));
            }
            forms.push_back(std::move(form));
            for (auto& variant : variants) forms.push_back(std::move(variant));
        }
        for (const auto& form : forms) {
            const uint32_t base = static_cast<uint32_t>(form->base & 0xFFFF);
            const uint32_t fixed = ~static_cast<uint32_t>(form->driven & 0xFFFF) & 0xFF00;
            for (uint32_t high = 0; high < 256; ++high)
                if ((((high << 8) ^ base) & fixed) == 0) byHighByte[high].push_back(form.get());
        }
    }

    static void addMnemonic(int m, std::vector<std::unique_ptr<DecodeForm>>& found,
                            std::vector<FormKey>& keys) {
        const MnemonicInfo& info = kMnemonics[m];
        const FormSet& set = mnemonicForms(m);
        const bool branch = info.jumpKind != JUMP_NONE;
        const size_t first = found.size(); // only this mnemonic's forms can share its keys
        for (int code = 0; code < kSignatureSpace; ++code) {
            if (!set.complete.test(static_cast<size_t>(code))) continue;
            WrittenForm written;
            int count = 0;
            for (int c = code; c != 0; c /= kShapeCount)
                written.shape[count++] = static_cast<OperandShape>(c % kShapeCount);

            FormKey key{info.id, static_cast<uint8_t>(count), {}};
            for (int o = 0; o < count; ++o) {
                const OperandShape s = written.shape[o];
                // The encoder reads a jump target's value only, so every target shape
                // shares one layout.
                const bool address = !branch && (s == SHAPE_C || s == SHAPE_I || s == SHAPE_B);
                key.kind[o] = address ? OPK_DIRECT : OPK_IMMEDIATE;
            }
            if (key.id == INS_SP_LOAD && count == 1 && written.shape[0] == SHAPE_IMM_C)
                key.id = kSpLoadImmediateId;
            add(m, branch, key, written, first, found, keys);
            if ((info.jumpKind == JUMP_PLAIN || info.jumpKind == JUMP_CALL) && written.shape[0] == SHAPE_I) {
                WrittenForm through = written;
                through.parenthesisedTarget = true;
                key.id = info.jumpKind == JUMP_PLAIN ? kJumpIndirectId : kCallIndirectId;
                add(m, branch, key, through, first, found, keys);
            }
        }
    }

    static void add(int m, bool branch, const FormKey& key, const WrittenForm& written, size_t first,
                    std::vector<std::unique_ptr<DecodeForm>>& found, std::vector<FormKey>& keys) {
        for (size_t i = first; i < keys.size(); ++i) {
            if (keys[i] == key) {
                found[i]->written.push_back(written);
                return;
            }
        }
        auto form = std::make_unique<DecodeForm>();
        form->id = key.id;
        form->mnemonic = static_cast<uint8_t>(m);
        form->count = key.count;
        form->branch = branch;
        for (int o = 0; o < 3; ++o) form->kind[o] = key.kind[o];
        form->written.push_back(written);
        keys.push_back(key);
        found.push_back(std::move(form));
    }
};

const Catalogue& catalogue() {
    static const Catalogue instance;
    return instance;
}

// Reads the operand values of `form` out of `packed`; false when the words do not fit it.
bool readOperands(const DecodeForm& form, uint64_t packed, DecodedInstruction& out) {
    const uint64_t flipped = (packed ^ form.base) & lengthMask(form.words);
    if (flipped & ~form.driven) return false;
    uint32_t values[3] = {};
    bool indirect[3] = {};
    bool negative[3] = {};
    for (const BitSource& s : form.sources) {
        const uint64_t bits = flipped & s.mask;
        if (bits == 0) continue;
        if (bits != s.mask) return false; // an input bit shows in some of its places only
        if (s.bit == kIndirectBit)
            indirect[s.operand] = true;
        else if (s.bit == kSignBit)
            negative[s.operand] = true;
        else
            values[s.operand] |= uint32_t{1} << s.bit;
    }
    out.form = &form;
    out.id = form.id;
    out.mnemonic = form.mnemonic;
    out.words = form.words;
    out.operandCount = form.count;
    out.branch = form.branch;
    for (int o = 0; o < 3; ++o) {
        DecodedOperand& op = out.operands[o];
        op = DecodedOperand{};
        if (o >= form.count) continue;
        op.kind = form.kind[o];
        uint32_t value = values[o];
        if (negative[o]) value |= ~form.valueBits[o];
        op.value = static_cast<int32_t>(form.negated[o] ? 0u - value : value);
        op.indirect = indirect[o];
        op.homeWord = form.homeWord[o];
        op.kept = form.valueBits[o];
    }
    return true;
}

// True when the encoder gives back exactly `words` for the reading.
bool reencodes(const DecodedInstruction& d, const uint16_t* words) {
    Statement st;
    st.kind = SK_INSTRUCTION;
    st.id = d.id;
    st.operandCount = d.operandCount;
    for (int o = 0; o < d.operandCount; ++o) {
        st.operands[o].kind = d.operands[o].kind;
        st.operands[o].value = d.operands[o].value;
        st.operands[o].indirect = d.operands[o].indirect ? 1 : 0;
    }
    InstructionWords again;
    if (encodeWords(kOpcodeTable[d.id], st, again) != 0 || again.count != d.words) return false;
    for (int k = 0; k < again.count; ++k)
        if (again.word[k] != words[k]) return false;
    return true;
}

} // namespace

const std::vector<WrittenForm>& writtenForms(const DecodedInstruction& instruction) {
    static const std::vector<WrittenForm> kNone;
    return instruction.form ? instruction.form->written : kNone;
}

int decodeCandidates(const uint16_t* words, int available, DecodedInstruction* out, int capacity) {
    if (!words || available <= 0 || !out || capacity <= 0) return 0;
    const int usable = available < kMaxInstructionWords ? available : kMaxInstructionWords;
    const uint64_t packed = pack(words, usable);
    int found = 0;
    for (const DecodeForm* form : catalogue().byHighByte[words[0] >> 8]) {
        if (form->words > usable) continue;
        DecodedInstruction d;
        if (!readOperands(*form, packed, d) || !reencodes(d, words)) continue;
        out[found++] = d;
        if (found == capacity) break;
    }
    return found;
}

int decodeFormCount() {
    return static_cast<int>(catalogue().forms.size());
}

const char* mnemonicSpelling(int mnemonic) {
    return mnemonic >= 0 && mnemonic < kMnemonicCount ? kMnemonics[mnemonic].spelling : nullptr;
}
