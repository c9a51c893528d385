#include "objdump/instructionDecoder.h"

#include "core/Statement.h"
#include "isa/encoder.h"
#include "isa/familyTable.h"
#include "isa/opcodeTable.h"

// One way of reading code words: an id of a mnemonic with a kind per operand, the
// layout the family table gives that form, and what the layout keeps of each operand.
// The code words are packed into 64 bits, word k at bits 16k..16k+15.
struct DecodeForm {
    int16_t id = -1;
    uint8_t mnemonic = 0;
    uint8_t count = 0;
    uint8_t words = 0;
    bool branch = false;
    int32_t kind[3] = {};
    bool negated[3] = {};              // the operand is read as a negative magnitude
    int8_t homeWord[3] = {-1, -1, -1}; // the first word that holds a value bit of the operand
    uint32_t kept[3] = {};             // the operand value bits the words keep
    uint32_t carried[3] = {};          // the value bits the fields hold; beyond `kept` they repeat the sign
    uint64_t base = 0;                 // the words with every operand zero
    uint64_t driven = 0;               // the code bits that an operand bit or indirection flag sets
    const InstructionLayout* layout = nullptr;
    uint16_t firstWritten = 0;
    uint16_t writtenCount = 0;
};

namespace {

constexpr int kMaxDecodeForms = 448;
constexpr int kMaxWrittenForms = 3072;
constexpr int kMaxHighByteEntries = 768;
constexpr int kMaxKeysPerMnemonic = 8;
constexpr int kMaxWrittenPerKey = 32;

// What a field of a layout carries.
enum FieldRole : uint8_t {
    ROLE_CONSTANT,     // opcode bits and the size class
    ROLE_VALUE,        // bits of an operand value
    ROLE_MAGNITUDE,    // bits of the magnitude of operand c
    ROLE_NOT_NEGATIVE, // set when operand c is not negative
    ROLE_INDIRECT,     // an operand's indirection flag
};

constexpr FieldRole fieldRole(uint8_t source, int& operand) {
    operand = 0;
    if (source <= SRC_C) {
        operand = source - SRC_A;
        return ROLE_VALUE;
    }
    if (source <= SRC_IC) {
        operand = source - SRC_IA;
        return ROLE_INDIRECT;
    }
    operand = 2;
    if (source == SRC_C_MAGNITUDE) return ROLE_MAGNITUDE;
    if (source == SRC_C_NOT_NEGATIVE) return ROLE_NOT_NEGATIVE;
    return ROLE_CONSTANT;
}

// The code bit of a one-bit field (a flag).
constexpr uint64_t flagBit(const LayoutField& field) {
    return uint64_t{1} << (16 * field.word + field.to);
}

constexpr uint64_t lengthMask(int words) {
    return words >= 4 ? ~uint64_t{0} : (uint64_t{1} << (16 * words)) - 1;
}

// The operand value bits that, set alone, pass every check of the layout on operand `o`.
constexpr uint32_t allowedBits(const InstructionLayout& layout, int o) {
    uint32_t allowed = ~uint32_t{0};
    for (const LayoutCheck& check : layout.checks) {
        if (check.operand != o) continue;
        if (check.kind == CHECK_R8) allowed &= 0xFFu;
        if (check.kind == CHECK_R16) allowed &= 0xFFFFu;
    }
    return allowed;
}

// The code bits that hold the value bits `bits` of a field's source.
constexpr uint64_t codeBits(const LayoutField& field, uint32_t bits) {
    return uint64_t{bits >> field.shift} << (16 * field.word + field.to);
}

constexpr bool forbidsIndirection(const InstructionLayout& layout, int o) {
    for (const LayoutCheck& check : layout.checks)
        if (check.kind == CHECK_DIRECT && check.operand == o) return true;
    return false;
}

// What the layout of a form keeps of its operands; false when two inputs would set the
// same code bit, or an input a fixed one (the readings below assume neither).
constexpr bool analyse(DecodeForm& form) {
    const OpcodeEntry& entry = kOpcodeTable[form.id];
    const InstructionLayout& layout = *form.layout;
    form.words = static_cast<uint8_t>(layout.length != kTableLength ? layout.length : entry.words);
    const LayoutInputs zero{entry, familyAlternateOpcode(form.id), {0, 0, 0}, {false, false, false}};
    uint32_t words[kMaxLayoutWords] = {};
    fillLayoutWords(layout, zero, words);
    for (int k = 0; k < form.words; ++k) form.base |= uint64_t{words[k]} << (16 * k);

    uint64_t setsWhenNegative = 0; // the not-negative flags, set in the base
    bool distinct = true;
    auto drive = [&](uint64_t bits) {
        distinct &= (form.driven & bits) == 0;
        form.driven |= bits;
    };
    for (int o = 0; o < form.count; ++o) {
        const uint32_t allowed = allowedBits(layout, o);
        for (const LayoutField& field : layout.fields) {
            if (field.mask == 0) break;
            int operand = 0;
            const FieldRole role = fieldRole(field.source, operand);
            if (operand != o || role == ROLE_CONSTANT) continue;
            if (role == ROLE_INDIRECT) {
                if (form.kind[o] == OPK_DIRECT && !forbidsIndirection(layout, o)) drive(flagBit(field));
                continue;
            }
            if (role == ROLE_NOT_NEGATIVE) {
                // A value with bit 31 set is negative: it clears the flag.
                if (!(allowed >> 31)) continue;
                form.kept[o] |= uint32_t{1} << 31;
                setsWhenNegative |= flagBit(field);
                drive(flagBit(field));
                if (form.homeWord[o] < 0 || field.word < form.homeWord[o]) form.homeWord[o] = field.word;
                continue;
            }
            // A magnitude keeps bits 0-30 of the value; bit 31 makes it negative instead.
            uint32_t carried = static_cast<uint32_t>(uint64_t{field.mask} << field.shift);
            if (role == ROLE_MAGNITUDE) carried &= 0x7FFFFFFFu;
            form.carried[o] |= carried;
            // Value bits the checks let through are kept; the others repeat the sign.
            const uint32_t kept = carried & allowed;
            form.kept[o] |= kept;
            drive(codeBits(field, kept));
            drive(codeBits(field, carried & ~allowed));
            if (kept != 0 && (form.homeWord[o] < 0 || field.word < form.homeWord[o]))
                form.homeWord[o] = field.word;
        }
    }
    return distinct && (form.driven & form.base) == setsWhenNegative;
}

// The same form read as a negative magnitude of operand `o`: the not-negative flags are
// clear and no longer an input.
constexpr DecodeForm negativeVariant(const DecodeForm& form, int o) {
    DecodeForm variant = form;
    variant.negated[o] = true;
    for (const LayoutField& field : form.layout->fields) {
        if (field.mask == 0) break;
        int operand = 0;
        if (fieldRole(field.source, operand) == ROLE_NOT_NEGATIVE && operand == o) {
            variant.base &= ~flagBit(field);
            variant.driven &= ~flagBit(field);
        }
    }
    return variant;
}

constexpr bool storesMagnitude(const DecodeForm& form, int o) {
    if (form.branch || form.kind[o] != OPK_IMMEDIATE) return false;
    for (const LayoutField& field : form.layout->fields) {
        int operand = 0;
        if (field.mask != 0 && fieldRole(field.source, operand) == ROLE_MAGNITUDE && operand == o)
            return true;
    }
    return false;
}

struct Catalogue {
    DecodeForm forms[kMaxDecodeForms] = {};
    int formCount = 0;
    WrittenForm written[kMaxWrittenForms] = {};
    int writtenCount = 0;
    bool valid = true;
};

// The forms whose first word can have high byte h: byHighByte[start[h] .. start[h + 1]),
// in catalogue order.
struct HighByteIndex {
    uint16_t start[257] = {};
    uint16_t byHighByte[kMaxHighByteEntries] = {};
    bool valid = true;
};

// The forms of one mnemonic before they are analysed, with the written forms of each.
struct MnemonicKeys {
    DecodeForm key[kMaxKeysPerMnemonic] = {};
    WrittenForm written[kMaxKeysPerMnemonic][kMaxWrittenPerKey] = {};
    int writtenCount[kMaxKeysPerMnemonic] = {};
    int count = 0;
    bool valid = true;

    constexpr void add(const DecodeForm& form, const WrittenForm& writtenForm) {
        int k = 0;
        while (k < count &&
               !(key[k].id == form.id && key[k].count == form.count && key[k].kind[0] == form.kind[0] &&
                 key[k].kind[1] == form.kind[1] && key[k].kind[2] == form.kind[2]))
            ++k;
        if (k == count) {
            if (count == kMaxKeysPerMnemonic) {
                valid = false;
                return;
            }
            key[count++] = form;
        }
        if (writtenCount[k] == kMaxWrittenPerKey) {
            valid = false;
            return;
        }
        written[k][writtenCount[k]++] = writtenForm;
    }
};

// The forms of a mnemonic, in the order of its form list's signature codes; an id that
// a written form selects (SP_LOAD with an immediate, JUMP and CALL through a pointer)
// makes a form of its own.
constexpr MnemonicKeys mnemonicKeys(int m) {
    MnemonicKeys keys;
    const MnemonicInfo& info = kMnemonics[m];
    const FamilyRow& row = kFamilyTable[familyOfId(info.id)];
    const SignatureSet& complete = kFormTable.sets[m].complete;
    for (int code = complete.next(0); code >= 0; code = complete.next(code + 1)) {
        WrittenForm written;
        DecodeForm form;
        form.id = info.id;
        form.mnemonic = static_cast<uint8_t>(m);
        form.branch = row.codeTarget;
        form.count = static_cast<uint8_t>(signatureLength(code));
        const unsigned memory = formMemory(row, code);
        for (int o = 0; o < form.count; ++o) {
            written.shape[o] = signatureShape(code, o);
            form.kind[o] = (memory >> o) & 1 ? OPK_DIRECT : OPK_IMMEDIATE;
        }
        if (form.id == INS_SP_LOAD && form.count == 1 && written.shape[0] == SHAPE_IMM_C)
            form.id = kSpLoadImmediateId;
        keys.add(form, written);
        if ((info.jumpKind == JUMP_PLAIN || info.jumpKind == JUMP_CALL) && written.shape[0] == SHAPE_I) {
            written.parenthesisedTarget = true;
            form.id = info.jumpKind == JUMP_PLAIN ? kJumpIndirectId : kCallIndirectId;
            keys.add(form, written);
        }
    }
    return keys;
}

constexpr void addForm(Catalogue& c, const DecodeForm& form) {
    if (c.formCount == kMaxDecodeForms) {
        c.valid = false;
        return;
    }
    c.forms[c.formCount++] = form;
}

constexpr Catalogue buildCatalogue() {
    Catalogue c;
    for (int m = 0; m < kMnemonicCount; ++m) {
        const MnemonicKeys keys = mnemonicKeys(m);
        c.valid &= keys.valid;
        for (int k = 0; k < keys.count; ++k) {
            DecodeForm form = keys.key[k];
            unsigned memory = 0;
            for (int o = 0; o < form.count; ++o)
                if (form.kind[o] == OPK_DIRECT) memory |= 1u << o;
            const FamilyRow& row = kFamilyTable[familyOfId(form.id)];
            const int n = rowLayoutIndex(row, form.count, memory, kOpcodeTable[form.id].sizeClass);
            if (n < 0 || c.writtenCount + keys.writtenCount[k] > kMaxWrittenForms) {
                c.valid = false;
                continue;
            }
            form.layout = &row.layouts[n];
            form.firstWritten = static_cast<uint16_t>(c.writtenCount);
            form.writtenCount = static_cast<uint16_t>(keys.writtenCount[k]);
            for (int w = 0; w < keys.writtenCount[k]; ++w) c.written[c.writtenCount++] = keys.written[k][w];
            c.valid &= analyse(form);
            addForm(c, form);
            // A reading as a positive value comes first.
            for (int o = 0; o < form.count; ++o)
                if (storesMagnitude(form, o)) addForm(c, negativeVariant(form, o));
        }
    }
    return c;
}

constexpr Catalogue kCatalogue = buildCatalogue();
static_assert(kCatalogue.valid, "the decoder's forms do not fit its tables, or a layout sets a bit twice");

// Calls visit(high) for every high byte the first word of a form can have: its fixed
// bits as in the base, its driven bits in every combination.
template <typename Visit> constexpr void forEachHighByte(const DecodeForm& form, Visit visit) {
    const uint32_t free = static_cast<uint32_t>(form.driven >> 8) & 0xFF;
    const uint32_t fixed = static_cast<uint32_t>(form.base >> 8) & 0xFF & ~free;
    for (uint32_t subset = free;; subset = (subset - 1) & free) {
        visit(fixed | subset);
        if (subset == 0) break;
    }
}

constexpr HighByteIndex buildHighByteIndex() {
    HighByteIndex index;
    uint16_t count[256] = {};
    for (int f = 0; f < kCatalogue.formCount; ++f)
        forEachHighByte(kCatalogue.forms[f], [&](uint32_t high) { ++count[high]; });
    for (int high = 0; high < 256; ++high)
        index.start[high + 1] = static_cast<uint16_t>(index.start[high] + count[high]);
    if (index.start[256] > kMaxHighByteEntries) {
        index.valid = false;
        return index;
    }
    uint16_t filled[256] = {};
    for (int f = 0; f < kCatalogue.formCount; ++f)
        forEachHighByte(kCatalogue.forms[f], [&](uint32_t high) {
            index.byHighByte[index.start[high] + filled[high]++] = static_cast<uint16_t>(f);
        });
    return index;
}

constexpr HighByteIndex kHighByteIndex = buildHighByteIndex();
static_assert(kHighByteIndex.valid, "the decoder's high-byte index does not fit its table");

uint64_t pack(const uint16_t* words, int count) {
    uint64_t packed = 0;
    for (int k = 0; k < count; ++k) packed |= uint64_t{words[k]} << (16 * k);
    return packed;
}

// Reads the operand values of `form` out of `packed`; false when the words do not fit it.
bool readOperands(const DecodeForm& form, uint64_t packed, DecodedInstruction& out) {
    const uint64_t flipped = (packed ^ form.base) & lengthMask(form.words);
    if (flipped & ~form.driven) return false;
    uint32_t raw[3] = {};
    bool indirect[3] = {};
    for (const LayoutField& field : form.layout->fields) {
        if (field.mask == 0) break;
        int o = 0;
        const FieldRole role = fieldRole(field.source, o);
        const uint32_t bits = static_cast<uint32_t>(packed >> (16 * field.word + field.to)) & field.mask;
        switch (role) {
            case ROLE_VALUE:
            case ROLE_MAGNITUDE:
                raw[o] |= bits << field.shift;
                break;
            case ROLE_NOT_NEGATIVE:
                if (!form.negated[o] && (form.kept[o] >> 31) && bits == 0) raw[o] |= uint32_t{1} << 31;
                break;
            case ROLE_INDIRECT:
                indirect[o] = bits != 0;
                break;
            case ROLE_CONSTANT:
                break;
        }
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
        // Bits that the checks leave out of the value repeat its sign: all set or none.
        const uint32_t signBits = form.carried[o] & ~form.kept[o];
        const uint32_t sign = raw[o] & signBits;
        if (sign != 0 && sign != signBits) return false;
        uint32_t value = raw[o] & form.kept[o];
        if (sign != 0) value |= ~form.kept[o];
        op.kind = form.kind[o];
        op.value = static_cast<int32_t>(form.negated[o] ? 0u - value : value);
        op.indirect = indirect[o];
        op.homeWord = form.homeWord[o];
        op.kept = form.kept[o];
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

std::span<const WrittenForm> writtenForms(const DecodedInstruction& instruction) {
    if (!instruction.form) return {};
    return {kCatalogue.written + instruction.form->firstWritten, instruction.form->writtenCount};
}

int decodeCandidates(const uint16_t* words, int available, DecodedInstruction* out, int capacity) {
    if (!words || available <= 0 || !out || capacity <= 0) return 0;
    const int usable = available < kMaxInstructionWords ? available : kMaxInstructionWords;
    const uint64_t packed = pack(words, usable);
    const int high = words[0] >> 8;
    int found = 0;
    for (int e = kHighByteIndex.start[high]; e < kHighByteIndex.start[high + 1]; ++e) {
        const DecodeForm& form = kCatalogue.forms[kHighByteIndex.byHighByte[e]];
        if (form.words > usable) continue;
        DecodedInstruction d;
        if (!readOperands(form, packed, d) || !reencodes(d, words)) continue;
        out[found++] = d;
        if (found == capacity) break;
    }
    return found;
}

int decodeFormCount() {
    return kCatalogue.formCount;
}

const char* mnemonicSpelling(int mnemonic) {
    return mnemonic >= 0 && mnemonic < kMnemonicCount ? kMnemonics[mnemonic].spelling : nullptr;
}
