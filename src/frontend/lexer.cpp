// The scanner: a hand-written longest-match scanner over the whole source held in
// memory. Rule precedence for lexemes of equal length: directive keywords, mnemonics,
// PORT, flag names, -a/-w/-x/-m, signed/unsigned, EXPORT/DO_NOT_EXPORT, character
// constants, base-plus-offset, identifiers, labels, numbers, strings, punctuation,
// comments, blanks, newline, and last any other character, which is dropped without
// being counted in the column.
#include "frontend/lexer.h"

#include "core/RunContext.h"
#include "core/Statement.h"
#include "frontend/token.h"
#include "isa/mnemonics.h"

#include <algorithm>
#include <array>
#include <bit>
#include <cctype>
#include <cstring>
#include <string>
#include <string_view>
#include <sys/stat.h>

struct ScanBuffer {
    std::string owned;     // the bytes of a file the scanner read itself
    std::string_view data; // the bytes scanned: `owned`, or text the caller keeps alive
    size_t pos = 0;
};

void destroyScanBuffer(ScanBuffer* buffer) {
    delete buffer;
}

namespace {

// A stream of unknown length (a pipe, a device, an empty file) is read in chunks that
// start small and double up to the largest: an empty or short input zero-fills one
// page rather than sixteen.
constexpr size_t kFirstReadChunk = size_t{4} << 10;
constexpr size_t kReadChunk = size_t{64} << 10;
constexpr size_t kMaxKeywordLength = 13;   // DO_NOT_EXPORT
constexpr size_t kMaxDirectiveLength = 12; // DATA_DEF_END, without the full stop

// ---------------------------------------------------------------------------------
// Character classes.

enum CharClass : uint8_t {
    CC_ALPHA = 1, // letters, '_' and '@': may start a base-plus-offset name
    CC_DIGIT = 2,
    CC_PAREN = 4, // '(' and ')': identifier characters
    CC_HEX = 8,
    CC_UPPER_WORD = 16, // 'A'-'Z' and '_': directive keyword characters
    CC_SKIP = 32,       // characters that no rule names: always dropped
    CC_NOT_UPPER = 64,  // identifier characters that no upper-case keyword contains
    CC_TOKEN_END = 128, // blanks, '#' and the line-end characters: a token before them is whole
};

constexpr std::array<uint8_t, 256> makeClasses() {
    std::array<uint8_t, 256> t{};
    for (int c = 'a'; c <= 'z'; ++c) t[c] |= CC_ALPHA | CC_NOT_UPPER;
    for (int c = 'A'; c <= 'Z'; ++c) t[c] |= CC_ALPHA | CC_UPPER_WORD;
    t['_'] |= CC_ALPHA | CC_UPPER_WORD;
    t['@'] |= CC_ALPHA | CC_NOT_UPPER;
    for (int c = '0'; c <= '9'; ++c) t[c] |= CC_DIGIT | CC_HEX;
    for (int c = 'a'; c <= 'f'; ++c) t[c] |= CC_HEX;
    for (int c = 'A'; c <= 'F'; ++c) t[c] |= CC_HEX;
    t['('] |= CC_PAREN | CC_NOT_UPPER;
    t[')'] |= CC_PAREN | CC_NOT_UPPER;
    for (int c = 0; c < 256; ++c) {
        bool named = t[c] != 0 || c == '\n' || c == ' ' || c == '\t' || c == '\v' || c == '\f' || c == '.' ||
                     c == '-' || c == '\'' || c == '"' || c == ',' || c == '$' || c == '?' || c == '#';
        if (!named) t[c] |= CC_SKIP;
    }
    for (int c : {' ', '\t', '\v', '\f', '\n', '\r', '#'}) t[c] |= CC_TOKEN_END;
    return t;
}
constexpr std::array<uint8_t, 256> kClass = makeClasses();

inline uint8_t cls(char c) {
    return kClass[static_cast<unsigned char>(c)];
}
inline bool isDigit(char c) {
    return cls(c) & CC_DIGIT;
}
inline bool isHex(char c) {
    return cls(c) & CC_HEX;
}
inline bool isIdentChar(char c) {
    return cls(c) & (CC_ALPHA | CC_DIGIT | CC_PAREN);
}
inline bool isNameChar(char c) {
    return cls(c) & (CC_ALPHA | CC_DIGIT);
}
inline bool isSuffix(char c) {
    return c == 'u' || c == 'U' || c == 'l' || c == 'L';
}

// The value of each hexadecimal digit, and kNotHex for every other character: one load
// both tests a character and gives its value.
constexpr uint8_t kNotHex = 0xFF;
constexpr std::array<uint8_t, 256> makeHexValues() {
    std::array<uint8_t, 256> t{};
    for (auto& v : t) v = kNotHex;
    for (int c = '0'; c <= '9'; ++c) t[c] = static_cast<uint8_t>(c - '0');
    for (int c = 'a'; c <= 'f'; ++c) t[c] = static_cast<uint8_t>(c - 'a' + 10);
    for (int c = 'A'; c <= 'F'; ++c) t[c] = static_cast<uint8_t>(c - 'A' + 10);
    return t;
}
constexpr std::array<uint8_t, 256> kHexValue = makeHexValues();

inline unsigned hexDigit(char c) {
    return kHexValue[static_cast<unsigned char>(c)];
}
int hexValue(char c) {
    return static_cast<int>(hexDigit(c));
}

// ---------------------------------------------------------------------------------
// Keywords: one open-addressing table of every word that is not an identifier.

// A keyword of at most 16 characters, zero-padded into two 64-bit words, so that a
// lookup is two multiplications and two comparisons.
struct PackedWord {
    uint64_t lo = 0;
    uint64_t hi = 0;
    bool operator==(const PackedWord&) const = default;
};

// Byte i of the word goes into bits 8i..8i+7, as a little-endian load of the bytes puts it.
constexpr PackedWord packWord(std::string_view w) {
    PackedWord p;
    for (size_t i = 0; i < w.size() && i < 16; ++i) {
        const uint64_t byte = static_cast<unsigned char>(w[i]);
        if (i < 8)
            p.lo |= byte << (8 * i);
        else
            p.hi |= byte << (8 * (i - 8));
    }
    return p;
}

// The same packing for a word of 1 to 16 characters inside a buffer that holds at
// least 16 bytes from its start: two loads and two masks instead of a copy loop.
inline PackedWord packWordInBuffer(const char* start, size_t length) {
    PackedWord p;
    std::memcpy(&p.lo, start, 8);
    std::memcpy(&p.hi, start + 8, 8);
    if (length < 8) {
        p.lo &= (uint64_t{1} << (8 * length)) - 1;
        p.hi = 0;
    } else if (length < 16) {
        p.hi &= (uint64_t{1} << (8 * (length - 8))) - 1;
    }
    return p;
}

constexpr uint32_t hashWord(const PackedWord& w) {
    uint64_t h = w.lo * 0x9E3779B97F4A7C15ull ^ w.hi * 0xC2B2AE3D27D4EB4Full;
    return static_cast<uint32_t>(h >> 40);
}

struct Keyword {
    PackedWord word; // all zero for an empty slot
    int token = 0;
    int32_t value = 0;
};

constexpr size_t kKeywordSlots = 1024; // power of two, well above the ~270 words

class KeywordMap {
  public:
    constexpr void insert(std::string_view word, int token, int32_t value) {
        PackedWord packed = packWord(word);
        size_t i = hashWord(packed) & (kKeywordSlots - 1);
        while (slots_[i].word.lo != 0) i = (i + 1) & (kKeywordSlots - 1);
        slots_[i] = Keyword{packed, token, value};
    }
    // `word` must be 1 to 16 characters long. When `bufferEnd` leaves 16 bytes from
    // the word's start, the word is packed straight from the buffer.
    [[gnu::always_inline]] const Keyword* find(std::string_view word, const char* bufferEnd = nullptr) const {
        const bool wide =
            std::endian::native == std::endian::little && bufferEnd && bufferEnd - word.data() >= 16;
        PackedWord packed = wide ? packWordInBuffer(word.data(), word.size()) : packWord(word);
        size_t i = hashWord(packed) & (kKeywordSlots - 1);
        while (slots_[i].word.lo != 0) {
            if (slots_[i].word == packed) return &slots_[i];
            i = (i + 1) & (kKeywordSlots - 1);
        }
        return nullptr;
    }

  private:
    std::array<Keyword, kKeywordSlots> slots_{};
};

struct DirectiveWord {
    const char* word;
    int32_t id;
};

constexpr DirectiveWord kDirectiveWords[] = {
    {"ORG", DIR_ORG},
    {"TEXT", DIR_TEXT},
    {"DATA", DIR_DATA},
    {"ABS", DIR_ABS},
    {"ODD", DIR_ODD},
    {"EVEN", DIR_EVEN},
    {"EQU", DIR_EQU},
    {"INCLUDE", DIR_INCLUDE},
    {"CONST", DIR_CONST},
    {"DB", DIR_DB},
    {"DW", DIR_DW},
    {"DD", DIR_DD},
    {"ENDP", DIR_ENDP},
    {"ASCII", DIR_ASCII},
    {"ASCIIZ", DIR_ASCIIZ},
    {"SECTION", DIR_SECTION},
    {"BSS", DIR_BSS},
    {"GLOBAL", DIR_GLOBAL},
    {"LOCAL", DIR_LOCAL},
    {"WEAK", DIR_WEAK},
    {"LOC", DIR_LOC},
    {"VARIABLE", DIR_VARIABLE},
    {"STRUCT", DIR_STRUCT},
    {"STRUCTMEM", DIR_STRUCTMEM},
    {"UNION", DIR_UNION},
    {"UNIONMEM", DIR_UNIONMEM},
    {"ENUM", DIR_ENUM},
    {"ENUMERATOR", DIR_ENUMERATOR},
    {"FUNCTION", DIR_FUNCTION},
    {"PARAMETER", DIR_PARAMETER},
    {"RETURN", DIR_RETURN},
    {"FUNC_END", DIR_FUNC_END},
    {"STRUCT_END", DIR_STRUCT_END},
    {"UNION_END", DIR_UNION_END},
    {"ENUM_END", DIR_ENUM_END},
    {"TYPEDEF", DIR_TYPEDEF},
    {"FILE", DIR_FILE},
    {"DATA_DEF", DIR_DATA_DEF},
    {"DATA_INIT", DIR_DATA_INIT},
    {"DATA_DEF_END", DIR_DATA_DEF_END},
    {"LINE", DIR_LINE},
};

constexpr const char* kFlagWords[16] = {"Z",  "C",  "O",  "S",  "I",  "D",  "T",  "H",
                                        "F0", "F1", "F2", "F3", "F4", "F5", "F6", "F7"};

struct KeywordMaps {
    KeywordMap words;      // mnemonics, PORT, flags, signed/unsigned, EXPORT, DO_NOT_EXPORT
    KeywordMap directives; // directive names without their full stop
    constexpr KeywordMaps() {
        for (int i = 0; i < kMnemonicCount; ++i) words.insert(kMnemonics[i].spelling, TOK_MNEMONIC, i);
        words.insert("PORT", TOK_PORT, 0);
        for (int f = 0; f < 16; ++f) words.insert(kFlagWords[f], TOK_FLAG, f);
        words.insert("signed", TOK_DFLAG, 0);
        words.insert("unsigned", TOK_DFLAG, 0);
        words.insert("EXPORT", TOK_EXPORT, 0);
        words.insert("DO_NOT_EXPORT", TOK_DO_NOT_EXPORT, 0);
        for (const DirectiveWord& d : kDirectiveWords) directives.insert(d.word, TOK_DIRECTIVE, d.id);
    }
};

// Built while compiling: the scanner's keyword tables are constant data.
constexpr KeywordMaps kKeywords;

constexpr const KeywordMaps& keywords() {
    return kKeywords;
}

// ---------------------------------------------------------------------------------
// Position counting. One call of the scanner keeps the line and column in a cursor
// and hands them to the counters and the attached state once, when it returns: no one
// reads them while a token is being scanned, and skipped characters never move them.

// The largest column reported; the cap stays a multiple of the tab width.
constexpr int64_t kColumnCap = 1 << 30;
// A tab moves at most eight columns, so no line of a file the scanner accepts comes near
// the cap: the scanner counts without checking it.
static_assert(int64_t{kMaxSourceBytes} * 8 < kColumnCap);

// The next tab stop after `column` (0-based, never negative): stops every 8 columns.
constexpr int64_t nextTabStop(int64_t column) {
    return (column | 7) + 1;
}

struct Position {
    int line;
    int64_t column;

    // A lexeme that has no tab and no newline.
    void plain(size_t length) { column += static_cast<int64_t>(length); }

    // A lexeme that may hold tabs and newlines.
    void text(const char* p, const char* end) {
        for (; p < end; ++p) {
            if (*p == '\n') {
                ++line;
                column = 0;
            } else if (*p == '\t') {
                column = nextTabStop(column);
            } else {
                ++column;
            }
        }
    }
};

// Eight bytes that are all blanks, as one word for comparison.
constexpr uint64_t kEightBlanks = 0x2020202020202020ull;

// Skips blanks (space, tab, vertical tab, form feed) from `p`; returns the first other
// character's position. Runs of spaces are compared eight at a time.
const char* skipBlanks(const char* p, const char* end, Position& pos) {
    for (;;) {
        const char* run = p;
        if constexpr (std::endian::native == std::endian::little) {
            while (end - p >= 8) {
                uint64_t word;
                std::memcpy(&word, p, 8);
                uint64_t differs = word ^ kEightBlanks;
                if (differs != 0) {
                    p += std::countr_zero(differs) >> 3; // the first byte that is no space
                    break;
                }
                p += 8;
            }
        }
        while (p < end && *p == ' ') ++p;
        pos.column += p - run;
        if (p == end) return p;
        if (*p == '\t') {
            pos.column = nextTabStop(pos.column);
        } else if (*p == '\v' || *p == '\f') {
            pos.column += 1;
        } else {
            return p;
        }
        ++p;
    }
}

// ---------------------------------------------------------------------------------
// Numbers. All arithmetic wraps modulo 2^32.

int32_t decimalValue(const char* p, const char* end, bool negative) {
    uint32_t v = 0;
    for (; p < end && isDigit(*p); ++p) v = v * 10u + static_cast<uint32_t>(*p - '0');
    return static_cast<int32_t>(negative ? 0u - v : v);
}

// The value of digits e[+-]digits: the mantissa times ten to the exponent, wrapping
// modulo 2^32; with a negative exponent the mantissa is divided and truncated. (From
// 10^32 on every product is a multiple of 2^32, and from 10^10 on every quotient is 0.)
int32_t exponentValue(const char* mantissa, const char* mantissaEnd, const char* exp, const char* end) {
    uint32_t m = static_cast<uint32_t>(decimalValue(mantissa, mantissaEnd, false));
    bool negative = false;
    if (*exp == '+' || *exp == '-') negative = *exp++ == '-';
    uint32_t e = 0;
    for (; exp < end && isDigit(*exp); ++exp)
        if (e < 1000) e = e * 10 + static_cast<uint32_t>(*exp - '0');
    if (negative) {
        for (uint32_t i = 0; i < e && m != 0; ++i) m /= 10u;
    } else {
        for (uint32_t i = 0; i < e && m != 0; ++i) m *= 10u;
    }
    return static_cast<int32_t>(m);
}

// ---------------------------------------------------------------------------------
// String literals.

// Rewrites a literal (quotes included) with its escape sequences resolved. Returns 0,
// or the catalogue code of the first fault: 1006 for a line break, 1007 for an
// unknown escape.
int processEscapes(std::string_view in, std::string& out) {
    out.clear();
    const size_t n = in.size();
    size_t i = 0;
    while (i < n) {
        char c = in[i];
        if (c == '\r' || c == '\n') return static_cast<int>(Diag::UnterminatedString);
        if (c != '\\') {
            out.push_back(c);
            ++i;
            continue;
        }
        char e = i + 1 < n ? in[i + 1] : '\0';
        int value = -1;
        size_t used = 2;
        switch (e) {
            case 'b':
                value = 8;
                break;
            case 'f':
                value = 12;
                break;
            case 'n':
                value = 10;
                break;
            case 'r':
                value = 13;
                break;
            case 't':
                value = 9;
                break;
            case 'v':
                value = 11;
                break;
            case 'a':
                value = 7;
                break;
            case '\\':
                value = 92;
                break;
            case '?':
                value = 63;
                break;
            case '"':
                value = 34;
                break;
            case '\'':
                value = 39;
                break;
            case 'x':
                if (i + 3 < n && isHex(in[i + 2]) && isHex(in[i + 3])) {
                    value = hexValue(in[i + 2]) * 16 + hexValue(in[i + 3]);
                    used = 4;
                }
                break;
            default:
                if (e >= '0' && e <= '7') {
                    value = 0;
                    used = 1;
                    while (used <= 3 && i + used < n && in[i + used] >= '0' && in[i + used] <= '7') {
                        value = value * 8 + (in[i + used] - '0');
                        ++used;
                    }
                }
                break;
        }
        if (value < 0) return static_cast<int>(Diag::IllegalEscape);
        out.push_back(static_cast<char>(static_cast<unsigned char>(value)));
        i += used;
    }
    return 0;
}

// ---------------------------------------------------------------------------------
// The scanner proper.

inline int finish(const char*& p, const char* q, int token) {
    p = q;
    return token;
}

int scan(Lexer& lx) {
    ScanBuffer& in = *lx.input;
    const char* const base = in.data.data();
    const char* p = base + in.pos;
    const char* const end = base + in.data.size();
    Position pos{lx.scanLine, lx.scanColumn};
    int token = TOK_EOF;

    for (;;) {
        if (p >= end) {
            token = TOK_EOF;
            break;
        }
        const char c = *p;

        if (c == '\n') {
            ++pos.line;
            pos.column = 0;
            token = finish(p, p + 1, TOK_END);
            break;
        }
        if (c == ' ' && p + 1 < end && p[1] > ' ') { // one blank between two words: the usual case
            ++p;
            ++pos.column;
            continue;
        }
        if (c == '\t' && p + 1 < end && p[1] > ' ') { // one tab before a word: a line's indent
            ++p;
            pos.column = nextTabStop(pos.column);
            continue;
        }
        if (c == ' ' || c == '\t' || c == '\v' || c == '\f') {
            p = skipBlanks(p, end, pos);
            continue;
        }

        const uint8_t k = cls(c);
        if (k & (CC_ALPHA | CC_PAREN)) {
            // The identifier run, then the longer lexemes that start the same way.
            const char* r = p + 1;
            uint8_t seen = k;
            while (r < end && isIdentChar(*r)) seen |= cls(*r++);
            if (r < end && *r == '+') {
                // name+N...: the run must be an optional '(' and a name without parentheses.
                const char* b = p + (c == '(' ? 1 : 0);
                bool nameOnly = b < r && (cls(*b) & CC_ALPHA);
                for (const char* s = b; nameOnly && s < r; ++s) nameOnly = isNameChar(*s);
                if (nameOnly && r + 1 < end && isDigit(r[1])) {
                    const char* q = r;
                    while (q + 1 < end && *q == '+' && isDigit(q[1])) {
                        q += 2;
                        while (q < end && isDigit(*q)) ++q;
                    }
                    if (q < end && *q == ')') ++q;
                    lx.yylval.text = std::string_view(p, static_cast<size_t>(q - p));
                    pos.plain(static_cast<size_t>(q - p));
                    token = finish(p, q, TOK_BASE_PLUS_OFFSET);
                    break;
                }
            }
            if (r < end && *r == ':') {
                lx.yylval.text = std::string_view(p, static_cast<size_t>(r + 1 - p));
                pos.plain(static_cast<size_t>(r + 1 - p));
                token = finish(p, r + 1, TOK_LABEL);
                break;
            }
            std::string_view word(p, static_cast<size_t>(r - p));
            lx.yylval.text = word;
            token = TOK_IDENTIFIER;
            // Only the two lower-case words are keywords with lower-case letters.
            const bool candidate = !(seen & CC_NOT_UPPER) || c == 's' || c == 'u';
            if (candidate && word.size() <= kMaxKeywordLength) {
                if (const Keyword* kw = keywords().words.find(word, end)) {
                    token = kw->token;
                    lx.yylval.number = kw->value;
                }
            }
            pos.plain(word.size());
            p = r;
            break;
        }
        if (k & CC_DIGIT) {
            // The digits' value is taken as they are passed, modulo 2^32.
            const char* d = p;
            uint32_t decimal = 0;
            for (unsigned v; d < end && (v = static_cast<unsigned char>(*d) - unsigned{'0'}) < 10u; ++d)
                decimal = decimal * 10u + v;
            if (c == '0' && d == p + 1 && d + 1 < end && (*d == 'x' || *d == 'X') && isHex(d[1])) {
                const char* q = d + 1;
                uint32_t hex = 0;
                for (unsigned v; q < end && (v = hexDigit(*q)) != kNotHex; ++q) hex = hex * 16u + v;
                while (q < end && isSuffix(*q)) ++q;
                lx.yylval.number = static_cast<int32_t>(hex);
                pos.plain(static_cast<size_t>(q - p));
                token = finish(p, q, TOK_CONSTANT);
                break;
            }
            if (d < end && (*d == 'e' || *d == 'E')) {
                const char* x = d + 1;
                if (x < end && (*x == '+' || *x == '-')) ++x;
                if (x < end && isDigit(*x)) {
                    const char* q = x;
                    while (q < end && isDigit(*q)) ++q;
                    if (q < end && (*q == 'f' || *q == 'F' || *q == 'l' || *q == 'L')) ++q;
                    lx.yylval.number = exponentValue(p, d, d + 1, q);
                    pos.plain(static_cast<size_t>(q - p));
                    token = finish(p, q, TOK_CONSTANT);
                    break;
                }
            }
            const char* q = d;
            while (q < end && isSuffix(*q)) ++q;
            lx.yylval.number = static_cast<int32_t>(decimal);
            pos.plain(static_cast<size_t>(q - p));
            token = finish(p, q, TOK_CONSTANT);
            break;
        }

        switch (c) {
            case '.': {
                // The longest directive name after the full stop (upper case only).
                const char* r = p + 1;
                while (r < end && (cls(*r) & CC_UPPER_WORD) &&
                       static_cast<size_t>(r - p - 1) < kMaxDirectiveLength)
                    ++r;
                for (; r > p + 1; --r) {
                    std::string_view name(p + 1, static_cast<size_t>(r - p - 1));
                    if (const Keyword* kw = keywords().directives.find(name, end)) {
                        lx.yylval.number = kw->value;
                        switch (kw->value) {
                            case DIR_DB:
                            case DIR_DW:
                            case DIR_DD:
                            case DIR_ASCII:
                            case DIR_ASCIIZ:
                                lx.escapeMode = 1;
                                break;
                            default:
                                break;
                        }
                        pos.plain(static_cast<size_t>(r - p));
                        token = TOK_DIRECTIVE;
                        break;
                    }
                }
                if (token == TOK_DIRECTIVE) {
                    p = r;
                    break;
                }
                ++p; // a lone full stop is dropped
                continue;
            }
            case '-':
                if (p + 1 < end && isDigit(p[1])) {
                    const char* d = p + 1;
                    while (d < end && isDigit(*d)) ++d;
                    const char* q = d;
                    while (q < end && isSuffix(*q)) ++q;
                    lx.yylval.number = decimalValue(p + 1, d, true);
                    pos.plain(static_cast<size_t>(q - p));
                    token = finish(p, q, TOK_CONSTANT);
                    break;
                }
                if (p + 1 < end && (p[1] == 'a' || p[1] == 'w' || p[1] == 'x' || p[1] == 'm')) {
                    static constexpr char kLinkerFlagCodes[] = {'2', '1', '4', '5'};
                    int which = p[1] == 'a' ? 0 : p[1] == 'w' ? 1 : p[1] == 'x' ? 2 : 3;
                    lx.yylval.number = kLinkerFlagCodes[which];
                    pos.plain(2);
                    token = finish(p, p + 2, TOK_LFLAG);
                    break;
                }
                ++p;
                continue;
            case '\'':
                if (p + 2 < end && p[1] >= ' ' && p[1] <= '~' && p[2] == '\'') {
                    lx.yylval.number = static_cast<unsigned char>(p[1]);
                    pos.plain(3);
                    token = finish(p, p + 3, TOK_CHAR);
                    break;
                }
                pos.plain(1);
                token = finish(p, p + 1, TOK_APOSTROPHE);
                break;
            case '"': {
                // Up to the next double quote; a NUL byte on the way means no literal.
                const void* closing = std::memchr(p + 1, '"', static_cast<size_t>(end - p - 1));
                const char* q = static_cast<const char*>(closing);
                if (!q || std::memchr(p + 1, '\0', static_cast<size_t>(q - p - 1))) {
                    ++p; // an unmatched quote is dropped
                    continue;
                }
                std::string_view lexeme(p, static_cast<size_t>(q + 1 - p));
                pos.text(p, q + 1);
                p = q + 1;
                if (lx.escapeMode) {
                    std::string& out = lx.processed[lx.processedIndex];
                    lx.processedIndex ^= 1;
                    if (int code = processEscapes(lexeme, out)) {
                        lx.run.flags.pendingErrorCode = static_cast<Diag>(code);
                        lx.rejectedString = true;
                        token = TOK_END;
                        break;
                    }
                    lx.yylval.text = out;
                } else {
                    lx.yylval.text = lexeme;
                }
                lx.stringDataLength = static_cast<int>(lx.yylval.text.size());
                token = TOK_STRING;
                break;
            }
            case ',':
            case '$':
            case '?':
                pos.plain(1);
                token = finish(p, p + 1, static_cast<unsigned char>(c));
                break;
            case '#': {
                // The newline that ends the comment starts the next line's count, so the
                // columns it passes matter only to a comment that ends the input.
                const void* nl = std::memchr(p, '\n', static_cast<size_t>(end - p));
                if (nl) {
                    p = static_cast<const char*>(nl);
                    continue;
                }
                pos.text(p, end);
                p = end;
                continue;
            }
            default:
                // Any other character is dropped and not counted.
                do ++p;
                while (p < end && (cls(*p) & CC_SKIP));
                continue;
        }
        break;
    }
    in.pos = static_cast<size_t>(p - base);
    lx.scanLine = pos.line;
    lx.scanColumn = static_cast<int>(pos.column);
    lx.run.lineNumber = lx.scanLine;
    lx.run.columnNumber = lx.scanColumn;
    return token;
}

// ---------------------------------------------------------------------------------
// Whole lines of the common shapes (see lexerScanLine).

// Blanks as the scanner counts them: a tab moves to the next stop, the others by one.
[[gnu::always_inline]] inline const char* passBlanks(const char* p, const char* end, int64_t& column) {
    for (; p < end; ++p) {
        const char c = *p;
        if (c == ' ' || c == '\v' || c == '\f')
            column += 1;
        else if (c == '\t')
            column = nextTabStop(column);
        else
            break;
    }
    return p;
}

// Where a token may end for the line to stay on the short way: a blank, a comment or
// the line's end. Anything else (a suffix, a comma, a colon, a plus...) makes a token
// that the short way does not read.
[[gnu::always_inline]] inline bool endsToken(const char* p, const char* end) {
    return p < end && (cls(*p) & CC_TOKEN_END);
}

// The line's end after its last token: a newline, perhaps after a comment or a carriage
// return (which the scanner drops). Null when the input ends first.
[[gnu::always_inline]] inline const char* lineEnd(const char* p, const char* end) {
    if (p >= end) return nullptr;
    if (*p == '\n') return p + 1;
    if (*p == '#') {
        const void* nl = std::memchr(p, '\n', static_cast<size_t>(end - p));
        return nl ? static_cast<const char*>(nl) + 1 : nullptr;
    }
    if (*p == '\r' && p + 1 < end && p[1] == '\n') return p + 2;
    return nullptr;
}

// A number the way the scanner reads it, without suffix or exponent; null when the
// token is not one the short way reads. In a list, a comma ends a number as well.
[[gnu::always_inline]] inline const char* plainNumber(const char* p, const char* end, bool negative,
                                                      int32_t& value, bool inList = false) {
    const char* d = p;
    uint32_t decimal = 0;
    for (unsigned v; d < end && (v = static_cast<unsigned char>(*d) - unsigned{'0'}) < 10u; ++d)
        decimal = decimal * 10u + v;
    if (!negative && *p == '0' && d == p + 1 && d + 1 < end && (*d == 'x' || *d == 'X') && isHex(d[1])) {
        const char* q = d + 1;
        uint32_t hex = 0;
        for (unsigned v; q < end && (v = hexDigit(*q)) != kNotHex; ++q) hex = hex * 16u + v;
        value = static_cast<int32_t>(hex);
        return endsToken(q, end) || (inList && q < end && *q == ',') ? q : nullptr;
    }
    value = static_cast<int32_t>(negative ? 0u - decimal : decimal);
    return endsToken(d, end) || (inList && d < end && *d == ',') ? d : nullptr;
}

// The identifier run from `p` (a letter, '_', '@' or a parenthesis: "(ptr)" is one
// identifier), or null when it is followed by anything but a blank, a comment or the
// line's end. `keyword` is what the keyword table says of it, null for an identifier.
[[gnu::always_inline]] inline const char* plainWord(const char* p, const char* end, const Keyword*& keyword) {
    const char* r = p + 1;
    uint8_t seen = cls(*p);
    while (r < end && isIdentChar(*r)) seen |= cls(*r++);
    keyword = nullptr;
    if (!endsToken(r, end)) return nullptr;
    if (seen & CC_PAREN) return r; // no keyword has parentheses
    const size_t length = static_cast<size_t>(r - p);
    const bool candidate = !(seen & CC_NOT_UPPER) || *p == 's' || *p == 'u';
    if (candidate && length <= kMaxKeywordLength)
        keyword = keywords().words.find(std::string_view(p, length), end);
    return r;
}

// Ends a scanned line of `shape` at `next`, the start of the following line, where
// reading its END leaves the scanner: one line further on, at column 0. Always true.
inline bool endAtNextLine(ScannedLine& out, ScannedLine::Shape shape, const char* base, const char* next,
                          int line) {
    out.shape = shape;
    out.endPos = static_cast<size_t>(next - base);
    out.endLine = line + 1;
    out.endColumn = 0;
    return true;
}

// A plain number with its sign, as the scanner reads "-12" as one constant.
[[gnu::always_inline]] inline const char* signedNumber(const char* p, const char* end, int32_t& value,
                                                       bool inList = false) {
    if (p >= end) return nullptr;
    if (isDigit(*p)) return plainNumber(p, end, false, value, inList);
    if (*p == '-' && p + 1 < end && isDigit(p[1])) return plainNumber(p + 1, end, true, value, inList);
    return nullptr;
}

// The rest of a data line after its name (at `p`, past the blanks that follow the
// name): ".DB count v1,v2,..." with plain numbers, or ".EQU n" / ".CONST n", then the
// line's end.
bool scanDataLine(const char* base, const char* p, const char* end, int64_t column, int line,
                  ScannedLine& out) {
    if (*p != '.') return false;
    const char* r = p + 1;
    while (r < end && (cls(*r) & CC_UPPER_WORD)) ++r;
    const size_t length = static_cast<size_t>(r - p - 1);
    const Keyword* kw = nullptr;
    if (length == 0 || length > kMaxDirectiveLength || !endsToken(r, end) ||
        !(kw = keywords().directives.find(std::string_view(p + 1, length), end)) ||
        (kw->value != DIR_DB && kw->value != DIR_DW && kw->value != DIR_DD && kw->value != DIR_EQU &&
         kw->value != DIR_CONST))
        return false;
    out.directive = kw->value;
    p = passBlanks(r, end, column);
    const char* q = signedNumber(p, end, out.dataCount);
    if (!q) return false;
    if (kw->value == DIR_EQU || kw->value == DIR_CONST) { // the number alone
        const char* next = lineEnd(passBlanks(q, end, column), end);
        if (!next) return false;
        out.valueCount = 0;
        return endAtNextLine(out, ScannedLine::Data, base, next, line);
    }
    int n = 0;
    for (;;) {
        p = passBlanks(q, end, column);
        if (n == ScannedLine::kMaxValues) return false;
        q = signedNumber(p, end, out.values[n++], true);
        if (!q) return false;
        p = passBlanks(q, end, column);
        if (p < end && *p == ',') {
            q = p + 1;
            continue;
        }
        const char* next = lineEnd(p, end);
        if (!next) return false;
        out.valueCount = n;
        return endAtNextLine(out, ScannedLine::Data, base, next, line);
    }
}

// The tokens after a directive keyword for a Words line (see ScannedLine), up to the
// line's end; false for any other token, or more than kMaxWords.
[[gnu::noinline]] bool scanWords(int directive, const char* base, const char* p, const char* end, int line,
                                 ScannedLine& out) {
    switch (directive) { // the debug descriptions a compiler writes around every function
        case DIR_FUNCTION:
        case DIR_FUNC_END:
        case DIR_RETURN:
        case DIR_STRUCTMEM:
        case DIR_UNIONMEM:
        case DIR_ENUM:
        case DIR_STRUCT_END:
        case DIR_UNION_END:
        case DIR_ENUM_END:
            break;
        default:
            return false;
    }
    int64_t column = 0; // a Words line ends at its line end, where the column starts again
    int n = 0;
    for (;;) {
        p = passBlanks(p, end, column);
        if (const char* next = lineEnd(p, end)) {
            out.wordCount = n;
            return endAtNextLine(out, ScannedLine::Words, base, next, line);
        }
        if (n == ScannedLine::kMaxWords || p >= end) return false;
        ScannedLine::Word& w = out.words[n++];
        const char c = *p;
        const char* q = nullptr;
        if (c == ',') {
            w.kind = ',';
            q = p + 1;
        } else if (c == '"') {
            // Printable characters up to the closing quote: no tab, line end or NUL inside.
            q = p + 1;
            while (q < end && *q != '"' && static_cast<unsigned char>(*q) >= 0x20) ++q;
            if (q >= end || *q != '"') return false;
            ++q;
            w.kind = TOK_STRING;
        } else if (isDigit(c) || c == '-') {
            q = signedNumber(p, end, w.number, true);
            w.kind = TOK_CONSTANT;
        } else if (cls(c) & CC_ALPHA) {
            const char* r = p + 1;
            uint8_t seen = cls(c);
            while (r < end && isIdentChar(*r)) seen |= cls(*r++);
            const size_t length = static_cast<size_t>(r - p);
            const bool candidate = !(seen & CC_NOT_UPPER) || c == 's' || c == 'u';
            if ((seen & CC_PAREN) || (candidate && length <= kMaxKeywordLength &&
                                      keywords().words.find(std::string_view(p, length), end)))
                return false;
            w.kind = TOK_IDENTIFIER;
            q = r;
        }
        if (!q || (!endsToken(q, end) && *q != ',')) return false;
        w.text = p;
        w.length = static_cast<uint32_t>(q - p);
        p = q;
    }
}

} // namespace

[[gnu::noinline]] bool lexerScanLine(const Lexer& lx, ScannedLine& line) {
    const ScanBuffer& in = *lx.input;
    const char* const base = in.data.data();
    const char* const end = base + in.data.size();
    const char* p = base + in.pos;
    int64_t column = lx.scanColumn;

    // A compiler indents with eight spaces: passed in one comparison.
    if constexpr (std::endian::native == std::endian::little) {
        uint64_t word;
        if (end - p >= 8 && (std::memcpy(&word, p, 8), word == kEightBlanks)) {
            p += 8;
            column += 8;
        }
    }
    p = passBlanks(p, end, column);
    if (p >= end) return false;
    if (const char* next = lineEnd(p, end)) {
        return endAtNextLine(line, ScannedLine::Empty, base, next, lx.scanLine);
    }
    if (*p == '.') {
        // A directive keyword: the whole run of upper-case letters must be one, as the
        // scanner's longest match would take it.
        const char* r = p + 1;
        while (r < end && (cls(*r) & CC_UPPER_WORD)) ++r;
        const size_t length = static_cast<size_t>(r - p - 1);
        const Keyword* kw = nullptr;
        if (length == 0 || length > kMaxDirectiveLength || !endsToken(r, end) ||
            !(kw = keywords().directives.find(std::string_view(p + 1, length), end)))
            return false;
        line.directive = kw->value;
        column += static_cast<int64_t>(length) + 1;
        p = passBlanks(r, end, column);
        line.count = 0;
        if (p < end && (isDigit(*p) || (*p == '-' && p + 1 < end && isDigit(p[1])))) {
            ScannedLine::Operand& op = line.operands[0];
            op.kind = TOK_CONSTANT;
            op.dollar = false;
            op.text = {};
            const char* q =
                *p == '-' ? plainNumber(p + 1, end, true, op.number) : plainNumber(p, end, false, op.number);
            if (!q) return false;
            line.count = 1;
            column += q - p;
            p = passBlanks(q, end, column);
        }
        const char* next = lineEnd(p, end);
        if (!next) [[unlikely]]
            return scanWords(kw->value, base, r, end, lx.scanLine, line);
        return endAtNextLine(line, ScannedLine::Directive, base, next, lx.scanLine);
    }
    if (!(cls(*p) & CC_ALPHA)) return false;

    // The first word: a label being defined, or the mnemonic.
    const char* r = p + 1;
    uint8_t seen = cls(*p);
    while (r < end && isIdentChar(*r)) seen |= cls(*r++);
    if (seen & CC_PAREN) return false;
    if (r < end && *r == ':') {
        line.shape = ScannedLine::Label;
        line.label = std::string_view(p, static_cast<size_t>(r + 1 - p));
        line.endPos = static_cast<size_t>(r + 1 - base);
        line.endLine = lx.scanLine;
        line.endColumn = static_cast<int>(column + (r + 1 - p));
        return true;
    }
    if (!endsToken(r, end)) return false;
    const size_t length = static_cast<size_t>(r - p);
    const bool candidate = !(seen & CC_NOT_UPPER) || *p == 's' || *p == 'u';
    const Keyword* kw = candidate && length <= kMaxKeywordLength
                            ? keywords().words.find(std::string_view(p, length), end)
                            : nullptr;
    if (!kw) {
        // A name, which a data line begins with.
        line.label = std::string_view(p, length);
        column += static_cast<int64_t>(length);
        const char* next = passBlanks(r, end, column);
        return next < end && scanDataLine(base, next, end, column, lx.scanLine, line);
    }
    if (kw->token != TOK_MNEMONIC) return false;
    line.mnemonic = kw->value;
    p = r;

    int n = 0;
    for (;;) {
        p = passBlanks(p, end, column);
        if (const char* next = lineEnd(p, end)) {
            line.count = n;
            return endAtNextLine(line, ScannedLine::Instruction, base, next, lx.scanLine);
        }
        if (n == 3 || p >= end) return false;
        ScannedLine::Operand& op = line.operands[n++];
        op.dollar = *p == '$';
        if (op.dollar) ++p;
        if (p >= end) return false;
        const char c = *p;
        const char* q = nullptr;
        if (cls(c) & CC_DIGIT) {
            op.kind = TOK_CONSTANT;
            op.text = {};
            q = plainNumber(p, end, false, op.number);
        } else if (c == '-' && p + 1 < end && isDigit(p[1])) {
            op.kind = TOK_CONSTANT;
            op.text = {};
            q = plainNumber(p + 1, end, true, op.number);
        } else if (cls(c) & (CC_ALPHA | CC_PAREN)) {
            const Keyword* word = nullptr;
            q = plainWord(p, end, word);
            if (word) return false; // a flag, PORT, a mnemonic...: the long way
            op.kind = TOK_IDENTIFIER;
            op.number = 0;
            if (q) op.text = std::string_view(p, static_cast<size_t>(q - p));
        }
        if (!q) return false;
        column += (q - p) + (op.dollar ? 1 : 0);
        p = q;
    }
}

void lexerSkipScannedLine(Lexer& lx, const ScannedLine& line) {
    lx.input->pos = line.endPos;
    lx.scanLine = line.endLine;
    lx.scanColumn = line.endColumn;
    lx.run.lineNumber = line.endLine;
    lx.run.columnNumber = line.endColumn;
}

Lexer::Lexer(RunContext& run) : run(run), input(new ScanBuffer) {}

int yylex(Lexer& lexer) {
    return scan(lexer);
}

SourceRead readSource(FILE* stream, std::string& bytes) {
    bytes.clear();
    if (!stream) return SourceRead::Failed;
    // A regular file is read in one request of its size; anything else (a pipe, a
    // device) in chunks. One byte beyond the limit tells a file that is too long.
    size_t chunk = kFirstReadChunk;
    bool sized = false;
    struct stat info;
    if (fstat(fileno(stream), &info) == 0 && S_ISREG(info.st_mode) && info.st_size > 0) {
        chunk = std::min(static_cast<size_t>(info.st_size), kMaxSourceBytes) + 1;
        sized = true;
    }
    for (;;) {
        size_t old = bytes.size();
        size_t want = std::min(chunk, kMaxSourceBytes + 1 - old);
        bytes.resize(old + want);
        size_t got = std::fread(bytes.data() + old, 1, want, stream);
        bytes.resize(old + got);
        if (bytes.size() > kMaxSourceBytes) {
            bytes.resize(kMaxSourceBytes);
            return SourceRead::TooLarge;
        }
        if (got < want) break;
        if (!sized) chunk = std::min(2 * chunk, kReadChunk);
    }
    if (std::ferror(stream)) {
        bytes.clear();
        return SourceRead::Failed;
    }
    return SourceRead::Ok;
}

void yyrestart(Lexer& lexer, FILE* stream) {
    std::string bytes;
    if (stream) readSource(stream, bytes);
    lexerStartOwned(lexer, std::move(bytes));
}

void lexerStartOwned(Lexer& lexer, std::string bytes) {
    ScanBuffer& in = *lexer.input;
    in.owned = std::move(bytes);
    in.data = in.owned;
    in.pos = 0;
}

void lexerStartText(Lexer& lexer, std::string_view text) {
    ScanBuffer& in = *lexer.input;
    in.owned.clear();
    in.data = text;
    in.pos = 0;
}

std::string_view lexerInputText(const Lexer& lexer) {
    return lexer.input->data;
}

namespace {

// The 1-based column of the character after `before`, the start of a line: tab stops
// every 8 columns, as the scanner counts them.
int columnAfter(std::string_view before) {
    Position pos{0, 0};
    pos.text(before.data(), before.data() + before.size());
    return static_cast<int>(std::min<int64_t>(pos.column + 1, kColumnCap));
}

} // namespace

std::string_view lexerStatementWord(const Lexer& lexer) {
    const std::string_view text = lexer.input->data;
    size_t end = std::min(lexer.input->pos, text.size());
    if (end > 0 && text[end - 1] == '\n') end -= 1; // the line's end was read with the statement
    const size_t newline = end == 0 ? std::string_view::npos : text.rfind('\n', end - 1);
    std::string_view line = text.substr(newline == std::string_view::npos ? 0 : newline + 1);
    line = line.substr(0, line.find('\n'));
    auto skipBlanks = [&line] {
        while (!line.empty() && (line.front() == ' ' || line.front() == '\t')) line.remove_prefix(1);
    };
    auto wordLength = [&line](size_t from) {
        size_t n = from;
        while (n < line.size() && isIdentChar(line[n])) ++n;
        return n;
    };
    skipBlanks();
    if (size_t n = wordLength(0); n > 0 && n < line.size() && line[n] == ':') {
        line.remove_prefix(n + 1);
        skipBlanks();
    }
    const size_t start = !line.empty() && line.front() == '.' ? 1 : 0;
    if (start >= line.size() || !(cls(line[start]) & CC_ALPHA)) return {};
    return line.substr(0, wordLength(start));
}

int lexerColumnOf(const Lexer& lexer, std::string_view word) {
    const std::string_view text = lexer.input->data;
    if (word.empty() || word.data() < text.data() || word.data() >= text.data() + text.size()) return 0;
    const size_t at = static_cast<size_t>(word.data() - text.data());
    const size_t newline = at == 0 ? std::string_view::npos : text.rfind('\n', at - 1);
    const size_t lineStart = newline == std::string_view::npos ? 0 : newline + 1;
    return columnAfter(text.substr(lineStart, at - lineStart));
}

int wordColumnOnLine(std::string_view text, int line, std::string_view word, bool exactCase) {
    if (line < 1 || word.empty()) return 0;
    size_t start = 0;
    for (int n = 1; n < line; ++n) {
        const size_t newline = text.find('\n', start);
        if (newline == std::string_view::npos) return 0;
        start = newline + 1;
    }
    std::string_view rest = text.substr(start);
    rest = rest.substr(0, std::min(rest.find('\n'), rest.find('#')));
    auto same = [exactCase](char a, char b) {
        if (exactCase) return a == b;
        return std::toupper(static_cast<unsigned char>(a)) == std::toupper(static_cast<unsigned char>(b));
    };
    for (size_t at = 0; at + word.size() <= rest.size(); ++at) {
        if (at > 0 && isNameChar(rest[at - 1])) continue;
        const size_t end = at + word.size();
        if (end < rest.size() && (isNameChar(rest[end]) || rest[end] == ':')) continue;
        if (std::equal(word.begin(), word.end(), rest.begin() + static_cast<std::ptrdiff_t>(at), same))
            return columnAfter(rest.substr(0, at));
    }
    return 0;
}

ScanBufferPtr lexerDetachInput(Lexer& lexer) {
    ScanBufferPtr taken = std::move(lexer.input);
    lexer.input.reset(new ScanBuffer);
    return taken;
}

void lexerResumeInput(Lexer& lexer, ScanBufferPtr resumed) {
    if (resumed)
        lexer.input = std::move(resumed);
    else
        lexer.input.reset(new ScanBuffer);
}
