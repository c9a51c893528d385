#include "frontend/statementRecord.h"

#include "core/prefault.h"

#include "core/Statement.h"
#include "symbols/nameTable.h"

#include <atomic>
#include <bit>
#include <cstring>

// Each statement is a mask of the fields that differ from a cleared record, then those
// fields in mask order. Numbers are zigzag varints, texts a length and their bytes, names
// their numbers as varints; the line is stored as the difference from the previous
// statement's, usually one byte.
namespace {

enum FieldBit : uint32_t {
    F_KIND = 1u << 0,
    F_STATUS = 1u << 1,
    F_ID = 1u << 2,
    F_OPERAND_COUNT = 1u << 3,
    F_OPERAND0 = 1u << 4, // and the next two bits for operands 1 and 2
    F_NAME = 1u << 7,
    F_FILE_NAME = 1u << 8,
    F_DECL_NAME = 1u << 9,
    F_TYPE_NAME = 1u << 10,
    F_NUMBER = 1u << 11,
    F_SECTION_TYPE = 1u << 12,
    F_POINTER_FLAG = 1u << 13,
    F_NUMBER2 = 1u << 14,
    F_ARRAY_FLAG = 1u << 15,
    F_UNINITIALISED = 1u << 16,
    F_POINTER_DIMENSION = 1u << 17,
    F_DECL_LINE = 1u << 18,
    F_FLAGS = 1u << 19,
    F_ARGS = 1u << 20,
    F_COUNT = 1u << 21,
    F_ARG_COUNT = 1u << 22,
    F_SIZE = 1u << 23,
    F_COLUMN = 1u << 26,
    F_PENDING_CODE = 1u << 27,
    F_ARG_COLLECTOR = 1u << 28,
};

enum OperandBit : uint32_t {
    O_KIND = 1u << 0,
    O_INDIRECT = 1u << 1,
    O_LABEL_IMMEDIATE = 1u << 2,
    O_OFFSET = 1u << 3,
    O_VALUE = 1u << 4,
    O_TEXT = 1u << 5, // the symbol's name
    O_NAME = 1u << 6, // written "$name": only the name is kept
};

enum CellBit : uint32_t { C_TEXT = 1u << 0, C_NUMBER = 1u << 1, C_STRING = 1u << 2 };

// The first byte of a record says its form. Instructions, labels and empty lines, nearly
// every statement of a program, have short forms of their own; everything else is a
// mask of fields. In the short forms the same byte says where the scanner stopped, so
// that the usual case (the start of the next line) takes no byte at all, how many
// operands follow and whether a byte of "$name" operands does.
constexpr unsigned T_GENERIC = 0, T_INSTRUCTION = 1, T_LABEL = 2, T_EMPTY = 3;
constexpr unsigned kTagMask = 3;
using PositionForm = unsigned;
constexpr PositionForm P_NEXT_LINE = 0u << 2; // one line on, column 0
constexpr PositionForm P_SAME_LINE = 1u << 2; // the same line, the column follows
constexpr PositionForm P_EXPLICIT = 2u << 2;  // the line difference and the column follow
constexpr unsigned kPositionMask = 3u << 2;
constexpr unsigned kCountShift = 4; // bits 4-5: the operand count
constexpr unsigned kHasLabelOperands = 1u << 6;
// A directive that sets nothing but its id and a number (.LINE, .ORG, .TEXT, ...), the
// usual directive of a compiler's output, is a generic record with this bit and its own
// short form: the position as above, the id and, when bit 4 says so, the number.
constexpr unsigned kBareDirective = 1u << 7;
constexpr unsigned kHasNumber = 1u << 4;
// An instruction recorded with its code words (see Parser::encodeAhead) is an instruction
// record with this bit: bits 4-5 hold the word count less one, and the words follow the
// position, two bytes each, low byte first.
constexpr unsigned kEncoded = 1u << 7;
static_assert(kMaxInstructionWords <= 4, "the word count of an encoded record takes two bits");

// Operand byte of the instruction form: kind in the low two bits, then flags.
enum ShortOperandBit : uint8_t {
    S_INDIRECT = 1u << 2,
    S_LABEL_IMMEDIATE = 1u << 3,
    S_OFFSET = 1u << 4,
    S_VALUE = 1u << 5,
    S_TEXT = 1u << 6, // the symbol's name
};

// Appends to a byte buffer through a raw cursor; the caller has made room first.
class Writer {
  public:
    explicit Writer(char* at) : at_(at) {}
    char* position() const { return at_; }

    void varint(uint64_t v) {
        while (v >= 0x80) {
            *at_++ = static_cast<char>((v & 0x7F) | 0x80);
            v >>= 7;
        }
        *at_++ = static_cast<char>(v);
    }
    void int32(int64_t v) { varint((static_cast<uint64_t>(v) << 1) ^ static_cast<uint64_t>(v >> 63)); }
    void byte(unsigned b) { *at_++ = static_cast<char>(b); }
    // 16-bit words, low byte first: on a little-endian host, as they lie in memory. The
    // room of a record with words always holds kMaxInstructionWords of them, so all of
    // `w` is copied (a copy of fixed size is two moves, one of `count` words a call);
    // only `count` of them are kept.
    void words(const uint16_t* w, int count) {
        if constexpr (std::endian::native == std::endian::little) {
            std::memcpy(at_, w, 2 * kMaxInstructionWords);
            at_ += 2 * count;
        } else {
            for (int k = 0; k < count; ++k) {
                byte(w[k] & 0xFFu);
                byte(w[k] >> 8);
            }
        }
    }
    void text(std::string_view t) {
        varint(t.size());
        std::memcpy(at_, t.data(), t.size());
        at_ += t.size();
    }

  private:
    char* at_;
};

// The most bytes a varint takes, and so the room a number or a text length needs.
constexpr size_t kVarintRoom = 10;

// Reads what Writer wrote. Only whole records are ever read, all of them written by this
// file, so the reads need no bounds of their own.
class Reader {
  public:
    explicit Reader(const char* at) : at_(at) {}
    const char* position() const { return at_; }

    uint64_t varint() {
        auto b = static_cast<unsigned char>(*at_++);
        if (b < 0x80) return b;
        uint64_t v = b & 0x7F;
        for (int shift = 7; shift < 64; shift += 7) {
            b = static_cast<unsigned char>(*at_++);
            v |= static_cast<uint64_t>(b & 0x7F) << shift;
            if (b < 0x80) break;
        }
        return v;
    }
    int32_t int32() {
        const uint64_t z = varint();
        return static_cast<int32_t>(static_cast<int64_t>(z >> 1) ^ -static_cast<int64_t>(z & 1));
    }
    unsigned byte() { return static_cast<unsigned char>(*at_++); }
    // Reads `count` words into `w`, which has room for kMaxInstructionWords: as the
    // writer copied them, all of them are copied (the record's room holds them all; the
    // words past `count` mean nothing).
    void words(uint16_t* w, int count) {
        if constexpr (std::endian::native == std::endian::little) {
            std::memcpy(w, at_, 2 * kMaxInstructionWords);
            at_ += 2 * count;
        } else {
            for (int k = 0; k < count; ++k) {
                const unsigned lo = byte();
                w[k] = static_cast<uint16_t>(lo | byte() << 8);
            }
        }
    }
    void text(std::string& out) {
        const auto n = static_cast<size_t>(varint());
        out.assign(at_, n);
        at_ += n;
    }

  private:
    const char* at_;
};

uint32_t operandMask(const Operand& op, bool written) {
    if (written) return O_NAME;
    uint32_t m = 0;
    if (op.kind != 0) m |= O_KIND;
    if (op.indirect != 0) m |= O_INDIRECT;
    if (op.labelImmediate != 0) m |= O_LABEL_IMMEDIATE;
    if (op.offset != 0) m |= O_OFFSET;
    if (op.value != 0) m |= O_VALUE;
    if (op.name >= 0) m |= O_TEXT;
    return m;
}

void setName(Operand& op, const NameTable& names, int32_t name) {
    op.name = name;
    op.text = nameText(names, name);
}

// True when `op` holds what a cleared record holds.
bool clearedOperand(const Operand& op) {
    return op.kind == OPK_IMMEDIATE && op.indirect == 0 && op.labelImmediate == 0 && op.offset == 0 &&
           op.value == 0 && op.name < 0 && op.text.empty();
}

// A complete directive whose fields, besides its id and `number`, are those of a cleared record.
bool bareDirective(const Statement& st) {
    return st.kind == SK_DIRECTIVE && st.status == SS_COMPLETE && st.id >= 0 && st.id <= 0xFF &&
           st.operandCount == 0 && clearedOperand(st.operands[0]) && clearedOperand(st.operands[1]) &&
           clearedOperand(st.operands[2]) && !st.name && !st.fileName && !st.declName && !st.typeName &&
           !st.sectionType && st.pointerFlag == 0 && st.number2 == 0 && st.arrayFlag == 0 &&
           st.uninitialised == 0 && st.pointerDimension == 0 && st.declLine == 0 && st.flags == 0 &&
           st.args.empty() && st.count == 0 && st.argCount == 0 && st.size == 0;
}

size_t textRoom(const std::optional<std::string>& text) {
    return text ? kVarintRoom + text->size() : 0;
}

} // namespace

void StatementRecording::clear() {
    bytes_.reset();
    capacity_ = 0;
    ready_ = 0;
    size_ = 0;
    read_ = 0;
    abandoned_ = false;
    lastLine_ = 0;
}

void StatementRecording::reserve(size_t bytes) {
    bytes = std::min(bytes, kMaxBytes);
    if (abandoned_ || bytes <= capacity_) return;
    std::unique_ptr<char[]> grown(new char[bytes]);
    if (size_) std::memcpy(grown.get(), bytes_.get(), size_);
    bytes_ = std::move(grown);
    capacity_ = bytes;
    ready_ = 0;
}

void StatementRecording::rewind() {
    read_ = 0;
    lastLine_ = 0;
}

char* StatementRecording::room(size_t bytes) {
    if (size_ + bytes <= ready_) return bytes_.get() + size_; // the usual case
    if (abandoned_) return nullptr;
    if (size_ + bytes > kMaxBytes) {
        clear();
        abandoned_ = true;
        return nullptr;
    }
    if (size_ + bytes > capacity_) {
        // Grown without clearing: only written bytes are ever read.
        const size_t capacity = std::min(std::max(2 * capacity_, size_ + bytes + 4096), kMaxBytes);
        std::unique_ptr<char[]> grown(new char[capacity]);
        if (size_) std::memcpy(grown.get(), bytes_.get(), size_);
        bytes_ = std::move(grown);
        capacity_ = capacity;
        ready_ = 0;
    }
    // The recording fills its room from the start: its pages are asked for a batch at a time.
    while (size_ + bytes > ready_) prefaultAhead(bytes_.get(), ready_, capacity_, &ready_);
    return bytes_.get() + size_;
}

void StatementRecording::append(const Statement& st, const ParseEffects& effects, unsigned labelOperands,
                                const int32_t* names, const InstructionWords* encoded) {
    if (abandoned_) return;
    if (!appendShort(st, effects, labelOperands, names, encoded))
        appendGeneric(st, effects, labelOperands, names);
    lastLine_ = effects.scanLine;
}

namespace {

PositionForm positionForm(int64_t lineDelta, int32_t column) {
    if (lineDelta == 1 && column == 0) return P_NEXT_LINE;
    if (lineDelta == 0 && column >= 0) return P_SAME_LINE;
    return P_EXPLICIT;
}

void writePosition(Writer& out, PositionForm form, int64_t lineDelta, int32_t column) {
    if (form == P_SAME_LINE) {
        out.varint(static_cast<uint32_t>(column));
    } else if (form == P_EXPLICIT) {
        out.int32(lineDelta);
        out.int32(column);
    }
}

} // namespace

bool StatementRecording::appendShort(const Statement& st, const ParseEffects& effects, unsigned labelOperands,
                                     const int32_t* names, const InstructionWords* encoded) {
    if (effects.pendingCodeSet || effects.argCollector != 0) return false;
    const int64_t lineDelta = int64_t{effects.scanLine} - lastLine_;
    const PositionForm position = positionForm(lineDelta, effects.scanColumn);
    if (st.status == SS_EMPTY) { // an empty line sets nothing but the status
        char* at = room(1 + 2 * kVarintRoom);
        if (!at) return true;
        Writer out(at);
        out.byte(T_EMPTY | position);
        writePosition(out, position, lineDelta, effects.scanColumn);
        size_ = static_cast<size_t>(out.position() - bytes_.get());
        return true;
    }
    // The parser stored these two fields one by one a moment ago. Compared together they
    // become one wide load, which cannot take its bytes from two pending stores and waits
    // for both to reach the cache; the fence keeps them two loads.
    const int32_t kind = st.kind;
    std::atomic_signal_fence(std::memory_order_seq_cst);
    if (kind == SK_DIRECTIVE) {
        if (labelOperands || !bareDirective(st)) return false;
        char* at = room(2 + 3 * kVarintRoom);
        if (!at) return true;
        Writer out(at);
        out.byte(T_GENERIC | kBareDirective | position | (st.number != 0 ? kHasNumber : 0));
        out.byte(static_cast<unsigned>(st.id));
        writePosition(out, position, lineDelta, effects.scanColumn);
        if (st.number != 0) out.int32(st.number);
        size_ = static_cast<size_t>(out.position() - bytes_.get());
        return true;
    }
    if (kind != SK_INSTRUCTION || st.status != SS_COMPLETE) return false;
    // Both forms are built on a cleared record, so only the instruction fields can differ.
    if (st.id == kLabelStatementId) {
        if (st.operands[0].name < 0) return false;
        char* at = room(1 + 3 * kVarintRoom);
        if (!at) return true;
        Writer out(at);
        out.byte(T_LABEL | position);
        writePosition(out, position, lineDelta, effects.scanColumn);
        out.varint(static_cast<uint32_t>(st.operands[0].name));
        size_ = static_cast<size_t>(out.position() - bytes_.get());
        return true;
    }
    const int n = st.operandCount;
    if (n < 0 || n > 3 || st.id < 0 || st.id > 0xFF) return false;
    if (encoded && !labelOperands && encoded->count >= 1 && encoded->count <= kMaxInstructionWords) {
        char* at = room(2 + 2 * kVarintRoom + 2 * kMaxInstructionWords);
        if (!at) return true;
        Writer out(at);
        out.byte(T_INSTRUCTION | kEncoded | position |
                 static_cast<unsigned>(encoded->count - 1) << kCountShift);
        out.byte(static_cast<unsigned>(st.id));
        writePosition(out, position, lineDelta, effects.scanColumn);
        out.words(encoded->word, encoded->count);
        size_ = static_cast<size_t>(out.position() - bytes_.get());
        return true;
    }
    size_t needed = 3 + 2 * kVarintRoom;
    for (int i = 0; i < n; ++i) {
        const Operand& op = st.operands[i];
        const int32_t name = (labelOperands >> i) & 1 ? names[i] : op.name;
        if ((name < 0 && !op.text.empty()) || op.kind < 0 || op.kind > 2 || (op.indirect & ~1) ||
            (op.labelImmediate & ~1))
            return false;
        needed += 1 + 3 * kVarintRoom;
    }
    char* at = room(needed);
    if (!at) return true;
    Writer out(at);
    out.byte(T_INSTRUCTION | position | static_cast<unsigned>(n) << kCountShift |
             (labelOperands ? kHasLabelOperands : 0));
    out.byte(static_cast<unsigned>(st.id));
    if (labelOperands) out.byte(labelOperands);
    writePosition(out, position, lineDelta, effects.scanColumn);
    for (int i = 0; i < n; ++i) {
        if ((labelOperands >> i) & 1) {
            out.varint(static_cast<uint32_t>(names[i]));
            continue;
        }
        const Operand& op = st.operands[i];
        unsigned flags = static_cast<unsigned>(op.kind);
        if (op.indirect) flags |= S_INDIRECT;
        if (op.labelImmediate) flags |= S_LABEL_IMMEDIATE;
        if (op.offset != 0) flags |= S_OFFSET;
        if (op.value != 0) flags |= S_VALUE;
        if (op.name >= 0) flags |= S_TEXT;
        out.byte(flags);
        if (flags & S_OFFSET) out.int32(op.offset);
        if (flags & S_VALUE) out.int32(op.value);
        if (flags & S_TEXT) out.varint(static_cast<uint32_t>(op.name));
    }
    size_ = static_cast<size_t>(out.position() - bytes_.get());
    return true;
}

void StatementRecording::appendGeneric(const Statement& st, const ParseEffects& effects,
                                       unsigned labelOperands, const int32_t* names) {
    // The fields that differ from a cleared record, and the room they can take.
    size_t room = 9 * kVarintRoom;
    uint32_t mask = 0;
    if (st.kind != 0) mask |= F_KIND;
    if (st.status != 0) mask |= F_STATUS;
    if (st.id != 0) mask |= F_ID;
    if (st.operandCount != 0) mask |= F_OPERAND_COUNT;
    uint32_t operandMasks[3];
    for (int i = 0; i < 3; ++i) {
        const bool written = (labelOperands >> i) & 1;
        operandMasks[i] = operandMask(st.operands[i], written);
        if (operandMasks[i]) {
            mask |= F_OPERAND0 << i;
            room += 7 * kVarintRoom;
        }
    }
    if (st.name) mask |= F_NAME;
    if (st.fileName) mask |= F_FILE_NAME;
    if (st.declName) mask |= F_DECL_NAME;
    if (st.typeName) mask |= F_TYPE_NAME;
    if (st.sectionType) mask |= F_SECTION_TYPE;
    room += textRoom(st.name) + textRoom(st.fileName) + textRoom(st.declName) + textRoom(st.typeName) +
            textRoom(st.sectionType);
    if (st.number != 0) mask |= F_NUMBER;
    if (st.pointerFlag != 0) mask |= F_POINTER_FLAG;
    if (st.number2 != 0) mask |= F_NUMBER2;
    if (st.arrayFlag != 0) mask |= F_ARRAY_FLAG;
    if (st.uninitialised != 0) mask |= F_UNINITIALISED;
    if (st.pointerDimension != 0) mask |= F_POINTER_DIMENSION;
    if (st.declLine != 0) mask |= F_DECL_LINE;
    if (st.flags != 0) mask |= F_FLAGS;
    if (st.count != 0) mask |= F_COUNT;
    if (st.argCount != 0) mask |= F_ARG_COUNT;
    if (st.size != 0) mask |= F_SIZE;
    room += 16 * kVarintRoom;
    if (!st.args.empty()) {
        mask |= F_ARGS;
        room += kVarintRoom;
        for (const ArgCell& cell : st.args) room += 3 * kVarintRoom + cell.text.size();
    }
    if (effects.scanColumn != 0) mask |= F_COLUMN;
    if (effects.pendingCodeSet) mask |= F_PENDING_CODE;
    if (effects.argCollector != 0) mask |= F_ARG_COLLECTOR;

    char* at = this->room(room + 1);
    if (!at) return;
    Writer out(at);
    out.byte(T_GENERIC);
    out.varint(mask);
    out.int32(int64_t{effects.scanLine} - lastLine_);
    if (mask & F_COLUMN) out.int32(effects.scanColumn);
    if (mask & F_PENDING_CODE) out.int32(effects.pendingErrorCode);
    if (mask & F_ARG_COLLECTOR) out.int32(effects.argCollector);
    if (mask & F_KIND) out.int32(st.kind);
    if (mask & F_STATUS) out.int32(st.status);
    if (mask & F_ID) out.int32(st.id);
    if (mask & F_OPERAND_COUNT) out.int32(st.operandCount);
    for (int i = 0; i < 3; ++i) {
        const uint32_t m = operandMasks[i];
        if (!m) continue;
        const Operand& op = st.operands[i];
        out.varint(m);
        if (m & O_NAME) {
            out.int32(names[i]);
            continue;
        }
        if (m & O_KIND) out.int32(op.kind);
        if (m & O_INDIRECT) out.int32(op.indirect);
        if (m & O_LABEL_IMMEDIATE) out.int32(op.labelImmediate);
        if (m & O_OFFSET) out.int32(op.offset);
        if (m & O_VALUE) out.int32(op.value);
        if (m & O_TEXT) out.int32(op.name);
    }
    if (mask & F_NAME) out.text(*st.name);
    if (mask & F_FILE_NAME) out.text(*st.fileName);
    if (mask & F_DECL_NAME) out.text(*st.declName);
    if (mask & F_TYPE_NAME) out.text(*st.typeName);
    if (mask & F_NUMBER) out.int32(st.number);
    if (mask & F_SECTION_TYPE) out.text(*st.sectionType);
    if (mask & F_POINTER_FLAG) out.int32(st.pointerFlag);
    if (mask & F_NUMBER2) out.int32(st.number2);
    if (mask & F_ARRAY_FLAG) out.int32(st.arrayFlag);
    if (mask & F_UNINITIALISED) out.int32(st.uninitialised);
    if (mask & F_POINTER_DIMENSION) out.int32(st.pointerDimension);
    if (mask & F_DECL_LINE) out.int32(st.declLine);
    if (mask & F_FLAGS) out.int32(st.flags);
    if (mask & F_ARGS) {
        out.varint(st.args.size());
        for (const ArgCell& cell : st.args) {
            uint32_t c = 0;
            if (cell.isText) c |= C_TEXT;
            if (cell.number != 0) c |= C_NUMBER;
            if (!cell.text.empty()) c |= C_STRING;
            out.varint(c);
            if (c & C_NUMBER) out.int32(cell.number);
            if (c & C_STRING) out.text(cell.text);
        }
    }
    if (mask & F_COUNT) out.int32(st.count);
    if (mask & F_ARG_COUNT) out.int32(st.argCount);
    if (mask & F_SIZE) out.int32(st.size);
    size_ = static_cast<size_t>(out.position() - bytes_.get());
}

namespace {

// The scanner's position after a short-form record, from the previous record's line.
void readPosition(unsigned head, Reader& in, int32_t lastLine, ParseEffects& effects) {
    switch (head & kPositionMask) {
        case P_NEXT_LINE:
            effects.scanLine = lastLine + 1;
            break;
        case P_SAME_LINE:
            effects.scanLine = lastLine;
            effects.scanColumn = static_cast<int32_t>(in.varint());
            break;
        default:
            effects.scanLine = static_cast<int32_t>(lastLine + int64_t{in.int32()});
            effects.scanColumn = in.int32();
            break;
    }
}

// The code words of an instruction recorded with them.
void readWords(unsigned head, Reader& in, InstructionWords& encoded) {
    encoded.count = static_cast<int>((head >> kCountShift) & 3) + 1;
    in.words(encoded.word, encoded.count);
}

} // namespace

StatementRecording::Plain StatementRecording::nextPlain(ParseEffects& effects, int32_t& id,
                                                        InstructionWords& encoded) {
    static_assert(kEncodedFormMask == (kTagMask | kEncoded) && kEncodedForm == (T_INSTRUCTION | kEncoded));
    static_assert(kFormTagMask == kTagMask && kLabelForm == T_LABEL && T_EMPTY == T_LABEL + 1);
    if (abandoned_ || !plainNext()) return P_NONE;
    const char* at = bytes_.get() + read_;
    const unsigned head = static_cast<unsigned char>(*at++);
    const unsigned tag = head & kTagMask;
    Reader in(at);
    if (tag == T_INSTRUCTION) id = static_cast<int32_t>(in.byte());
    effects = ParseEffects{};
    readPosition(head, in, lastLine_, effects);
    Plain read = P_PASSED;
    if (tag == T_INSTRUCTION) {
        readWords(head, in, encoded);
        read = P_WORDS;
    } else if (tag == T_LABEL) {
        in.varint(); // the label's name, which pass two has no use for
    }
    read_ = static_cast<size_t>(in.position() - bytes_.get());
    lastLine_ = effects.scanLine;
    return read;
}

bool StatementRecording::next(Statement& st, ParseEffects& effects, unsigned& labelOperands,
                              int32_t* labelNames, const NameTable& names, InstructionWords& encoded) {
    encoded.count = 0;
    if (abandoned_ || atEnd()) return false;
    const char* at = bytes_.get() + read_;
    labelOperands = 0;
    effects = ParseEffects{};
    const unsigned head = static_cast<unsigned char>(*at++);
    const unsigned tag = head & kTagMask;
    if (tag == T_GENERIC && !(head & kBareDirective)) {
        nextGeneric(st, effects, labelOperands, labelNames, names, at);
    } else {
        Reader in(at);
        unsigned id = 0;
        if (tag == T_INSTRUCTION || tag == T_GENERIC) id = in.byte();
        if (tag == T_INSTRUCTION && !(head & kEncoded)) {
            if (head & kHasLabelOperands) labelOperands = in.byte();
        }
        readPosition(head, in, lastLine_, effects);
        if (tag == T_INSTRUCTION && (head & kEncoded)) {
            st.kind = SK_INSTRUCTION;
            st.status = SS_COMPLETE;
            st.id = static_cast<int32_t>(id);
            readWords(head, in, encoded);
        } else if (tag == T_INSTRUCTION) {
            st.kind = SK_INSTRUCTION;
            st.status = SS_COMPLETE;
            st.id = static_cast<int32_t>(id);
            const int n = static_cast<int>(head >> kCountShift) & 3;
            st.operandCount = n;
            for (int i = 0; i < n; ++i) {
                if ((labelOperands >> i) & 1) {
                    labelNames[i] = static_cast<int32_t>(in.varint());
                    continue;
                }
                Operand& op = st.operands[i];
                const unsigned flags = in.byte();
                op.kind = static_cast<int32_t>(flags & 3);
                op.indirect = (flags & S_INDIRECT) ? 1 : 0;
                op.labelImmediate = (flags & S_LABEL_IMMEDIATE) ? 1 : 0;
                if (flags & S_OFFSET) op.offset = in.int32();
                if (flags & S_VALUE) op.value = in.int32();
                if (flags & S_TEXT) setName(op, names, static_cast<int32_t>(in.varint()));
            }
        } else if (tag == T_GENERIC) { // a bare directive
            st.kind = SK_DIRECTIVE;
            st.status = SS_COMPLETE;
            st.id = static_cast<int32_t>(id);
            if (head & kHasNumber) st.number = in.int32();
        } else if (tag == T_LABEL) {
            st.kind = SK_INSTRUCTION;
            st.status = SS_COMPLETE;
            st.id = kLabelStatementId;
            st.operands[0].kind = OPK_SYMBOL;
            setName(st.operands[0], names, static_cast<int32_t>(in.varint()));
        } else {
            st.status = SS_EMPTY;
        }
        at = in.position();
    }
    read_ = static_cast<size_t>(at - bytes_.get());
    lastLine_ = effects.scanLine;
    return true;
}

void StatementRecording::nextGeneric(Statement& st, ParseEffects& effects, unsigned& labelOperands,
                                     int32_t* labelNames, const NameTable& names, const char*& at) {
    Reader in(at);
    st.clear();
    const auto mask = static_cast<uint32_t>(in.varint());
    effects.scanLine = static_cast<int32_t>(lastLine_ + int64_t{in.int32()});
    effects.scanColumn = (mask & F_COLUMN) ? in.int32() : 0;
    effects.pendingCodeSet = (mask & F_PENDING_CODE) != 0;
    effects.pendingErrorCode = effects.pendingCodeSet ? in.int32() : 0;
    effects.argCollector = (mask & F_ARG_COLLECTOR) ? in.int32() : 0;
    if (mask & F_KIND) st.kind = in.int32();
    if (mask & F_STATUS) st.status = in.int32();
    if (mask & F_ID) st.id = in.int32();
    if (mask & F_OPERAND_COUNT) st.operandCount = in.int32();
    for (int i = 0; i < 3; ++i) {
        if (!(mask & (F_OPERAND0 << i))) continue;
        Operand& op = st.operands[i];
        const auto m = static_cast<uint32_t>(in.varint());
        if (m & O_NAME) {
            labelOperands |= 1u << i;
            labelNames[i] = in.int32();
            continue;
        }
        if (m & O_KIND) op.kind = in.int32();
        if (m & O_INDIRECT) op.indirect = in.int32();
        if (m & O_LABEL_IMMEDIATE) op.labelImmediate = in.int32();
        if (m & O_OFFSET) op.offset = in.int32();
        if (m & O_VALUE) op.value = in.int32();
        if (m & O_TEXT) setName(op, names, in.int32());
    }
    if (mask & F_NAME) in.text(st.name.emplace());
    if (mask & F_FILE_NAME) in.text(st.fileName.emplace());
    if (mask & F_DECL_NAME) in.text(st.declName.emplace());
    if (mask & F_TYPE_NAME) in.text(st.typeName.emplace());
    if (mask & F_NUMBER) st.number = in.int32();
    if (mask & F_SECTION_TYPE) in.text(st.sectionType.emplace());
    if (mask & F_POINTER_FLAG) st.pointerFlag = in.int32();
    if (mask & F_NUMBER2) st.number2 = in.int32();
    if (mask & F_ARRAY_FLAG) st.arrayFlag = in.int32();
    if (mask & F_UNINITIALISED) st.uninitialised = in.int32();
    if (mask & F_POINTER_DIMENSION) st.pointerDimension = in.int32();
    if (mask & F_DECL_LINE) st.declLine = in.int32();
    if (mask & F_FLAGS) st.flags = in.int32();
    if (mask & F_ARGS) {
        const size_t cells = static_cast<size_t>(in.varint());
        st.args.resize(std::min(cells, static_cast<size_t>(kMaxArgCells)));
        for (ArgCell& cell : st.args) {
            const auto c = static_cast<uint32_t>(in.varint());
            cell.isText = (c & C_TEXT) != 0;
            cell.number = (c & C_NUMBER) ? in.int32() : 0;
            if (c & C_STRING) in.text(cell.text);
        }
    }
    if (mask & F_COUNT) st.count = in.int32();
    if (mask & F_ARG_COUNT) st.argCount = in.int32();
    if (mask & F_SIZE) st.size = in.int32();
    at = in.position();
}
