// Tokens passed from the scanner to the grammar, and the scanner's per-statement
// bookkeeping that the grammar reads.
#pragma once

#include <cstdint>
#include <string_view>

enum TokenKind : int {
    TOK_EOF = 0,
    // Single-character tokens keep their character.
    TOK_APOSTROPHE = '\'', // an apostrophe that does not start a character constant
    TOK_DOLLAR = '$',
    TOK_COMMA = ',',
    TOK_QUESTION = '?',

    TOK_IDENTIFIER = 258, // text: the identifier, parentheses included
    TOK_LABEL,            // text: the identifier and its colon
    TOK_CONSTANT,         // number
    TOK_CHAR,             // number: the character code
    TOK_STRING,           // text: the literal with its quotes (escape-processed after data keywords)
    TOK_BASE_PLUS_OFFSET, // text: name+N..., parentheses included
    TOK_DIRECTIVE,        // number: the DirectiveId of the keyword
    TOK_EXPORT,
    TOK_DO_NOT_EXPORT,
    TOK_MNEMONIC, // number: index into the mnemonic table (isa/mnemonics.h)
    TOK_FLAG,     // number: the FlagId; text: the flag name
    TOK_DFLAG,    // text: "signed" or "unsigned"
    TOK_PORT,
    TOK_LFLAG, // number: the character code of '2', '1', '4' or '5'
    TOK_END,   // a newline (or a rejected string literal)
};

// Semantic value of the last token. `text` points into the scanner's input or into
// one of its two string buffers; it stays valid until the input is switched, and for
// processed string literals until the second string literal after it.
struct LexValue {
    int32_t number = 0;
    std::string_view text;
};
