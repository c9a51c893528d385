// Operand forms: the shapes a written operand can have, and the form lists such as
// "C $c, I I B" in which the family table gives the accepted shape sequences. Every
// part is usable in constant expressions, so the tables built from the lists are data.
#pragma once

#include <bit>
#include <cstddef>
#include <cstdint>

// Shape of one written operand.
enum OperandShape : uint8_t {
    SHAPE_NONE = 0,
    SHAPE_C = 1,     // a number
    SHAPE_I = 2,     // an identifier, possibly in parentheses
    SHAPE_B = 3,     // name+N..., possibly in parentheses
    SHAPE_IMM_C = 4, // $number
    SHAPE_IMM_L = 5, // $name
    SHAPE_F = 6,     // a flag name
    kShapeCount = 7, // base of the signature code
};

// A sequence of up to three shapes is coded as s1 + 7*s2 + 49*s3; a shorter sequence
// leaves the higher digits 0.
constexpr int kSignatureSpace = kShapeCount * kShapeCount * kShapeCount;

constexpr int signatureLength(int code) {
    int count = 0;
    for (; code != 0; code /= kShapeCount) ++count;
    return count;
}

// The shape of operand `index` (0-based) of a signature.
constexpr OperandShape signatureShape(int code, int index) {
    for (int k = 0; k < index; ++k) code /= kShapeCount;
    return static_cast<OperandShape>(code % kShapeCount);
}

// A shape that can name a symbol, which resolution may have to relocate.
constexpr bool namesSymbol(OperandShape shape) {
    return shape == SHAPE_I || shape == SHAPE_B || shape == SHAPE_IMM_L;
}

// A set of signature codes that can be built in constant expressions (the setters of
// std::bitset are not constexpr).
struct SignatureSet {
    uint64_t bits[(kSignatureSpace + 63) / 64] = {};
    constexpr bool test(size_t code) const { return (bits[code / 64] >> (code % 64)) & 1; }
    constexpr void set(size_t code, bool on = true) {
        const uint64_t bit = uint64_t{1} << (code % 64);
        bits[code / 64] = on ? bits[code / 64] | bit : bits[code / 64] & ~bit;
    }
    // The first code of the set at or after `from`, or -1.
    constexpr int next(int from) const {
        for (int word = from / 64; word < static_cast<int>(std::size(bits)); ++word) {
            const uint64_t rest =
                from > word * 64 ? bits[word] & (~uint64_t{0} << (from - word * 64)) : bits[word];
            if (rest != 0) return word * 64 + std::countr_zero(rest);
        }
        return -1;
    }
};

// One shape word of a form list (`length` characters at `word`); SHAPE_NONE for an
// unknown word.
constexpr OperandShape shapeOfWord(const char* word, int length) {
    if (length == 1) {
        switch (word[0]) {
            case 'C':
                return SHAPE_C;
            case 'I':
                return SHAPE_I;
            case 'B':
                return SHAPE_B;
            case 'F':
                return SHAPE_F;
        }
    }
    if (length == 2 && word[0] == '$' && word[1] == 'c') return SHAPE_IMM_C;
    if (length == 2 && word[0] == '$' && word[1] == 'l') return SHAPE_IMM_L;
    return SHAPE_NONE;
}

// Calls visit(code) for every form of a list (forms separated by commas, shapes by
// blanks, "-" for the form without operands, code 0); false on a malformed list. The
// tables built from the lists at compile time read them character by character.
template <typename Visit> constexpr bool forEachForm(const char* list, Visit visit) {
    if (!list) return false;
    const char* p = list;
    while (*p) {
        int code = 0, weight = 1, count = 0;
        while (*p && *p != ',') {
            if (*p == ' ') {
                ++p;
                continue;
            }
            const char* word = p;
            while (*p && *p != ' ' && *p != ',') ++p;
            const int length = static_cast<int>(p - word);
            if (length == 1 && word[0] == '-' && count == 0) {
                count = -1; // the form without operands
                continue;
            }
            const OperandShape shape = shapeOfWord(word, length);
            if (shape == SHAPE_NONE || count < 0 || count == 3) return false;
            code += shape * weight;
            weight *= kShapeCount;
            ++count;
        }
        if (count == 0) return false;
        visit(code);
        if (*p == ',' && !*++p) return false; // a list does not end with a comma
    }
    return true;
}
