// Operand forms: the shapes a written operand can have, and the form lists such as
// "C $c, I I B" in which the family table gives the accepted shape sequences. Every
// part is usable in constant expressions, so the tables built from the lists are data.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>

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
};

// One shape word of a form list; SHAPE_NONE for an unknown word.
constexpr OperandShape shapeOfWord(std::string_view word) {
    if (word == "C") return SHAPE_C;
    if (word == "I") return SHAPE_I;
    if (word == "B") return SHAPE_B;
    if (word == "$c") return SHAPE_IMM_C;
    if (word == "$l") return SHAPE_IMM_L;
    if (word == "F") return SHAPE_F;
    return SHAPE_NONE;
}

// Calls visit(code) for every form of a list (forms separated by commas, shapes by
// blanks, "-" for the form without operands, code 0); false on a malformed list.
template <typename Visit> constexpr bool forEachForm(std::string_view rest, Visit visit) {
    while (!rest.empty()) {
        const size_t comma = rest.find(',');
        std::string_view form = rest.substr(0, comma);
        rest = comma == std::string_view::npos ? std::string_view() : rest.substr(comma + 1);

        int code = 0, weight = 1, count = 0;
        while (!form.empty()) {
            const size_t start = form.find_first_not_of(' ');
            if (start == std::string_view::npos) break;
            form.remove_prefix(start);
            const size_t end = form.find(' ');
            const std::string_view word = form.substr(0, end);
            form = end == std::string_view::npos ? std::string_view() : form.substr(end);
            if (word == "-" && count == 0) {
                count = -1; // the form without operands
                continue;
            }
            const OperandShape shape = shapeOfWord(word);
            if (shape == SHAPE_NONE || count < 0 || count == 3) return false;
            code += shape * weight;
            weight *= kShapeCount;
            ++count;
        }
        if (count == 0) return false;
        visit(code);
    }
    return true;
}
