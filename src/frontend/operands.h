// Turning written operands and list items into the values the Statement carries.
#pragma once

#include <cstdint>
#include <string_view>

struct AssemblerState;
struct Operand;

// What the last successful "$name" lookup found; a forward reference copies it.
struct LabelLookup {
    int32_t kind = 0; // OPK_IMMEDIATE
    int32_t label = 0;
};

// True when `text`, after any leading '$', '"', '\'' and '(' characters, starts with a
// decimal digit; `value` is then its number: hexadecimal when that digit is followed
// by x or X (read from the digit), else decimal read from the start of the text.
bool numberFromText(std::string_view text, int32_t& value);

// An identifier operand: a leading '(' marks it indirect and the first and last
// characters are dropped; a numeric text is a direct address, anything else a symbol,
// whose text views `text` (the grammar then enters it into the name table).
void classifyIdentifier(std::string_view text, Operand& op);

// A name+N+M operand, possibly in parentheses: the symbol and the sum of the offsets,
// the symbol's text viewing `text`. False when it is malformed (unbalanced parentheses,
// no name, two names, ...).
bool parseBasePlusOffset(std::string_view text, Operand& op);

// A $name operand, by the name's number in state.names: a label or external name gives
// the name as a label immediate, a constant gives its value. A name found nowhere (a
// forward reference) gives -1 with the kind of the last name that was found; names
// found as labels keep their name.
void classifyLabelImmediate(const AssemblerState& state, LabelLookup& last, int32_t name, Operand& op);
