#include "frontend/operands.h"

#include "core/Statement.h"
#include "symbols/assemblerState.h"
#include "symbols/stHashTable.h"
#include "symbols/stSymbolTable.h"

#include <string>

namespace {

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

bool isHex(char c) {
    return isDigit(c) || (c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F');
}

int hexValue(char c) {
    if (isDigit(c)) return c - '0';
    return (c | 0x20) - 'a' + 10;
}

} // namespace

bool numberFromText(std::string_view text, int32_t& value) {
    size_t p = 0;
    while (p < text.size() && (text[p] == '$' || text[p] == '"' || text[p] == '\'' || text[p] == '(')) ++p;
    if (p >= text.size() || !isDigit(text[p])) return false;

    uint32_t v = 0;
    if (p + 1 < text.size() && (text[p + 1] == 'x' || text[p + 1] == 'X')) {
        size_t i = p;
        if (text[p] == '0') i += 2; // the 0x prefix
        for (; i < text.size() && isHex(text[i]); ++i) v = v * 16u + static_cast<uint32_t>(hexValue(text[i]));
    } else {
        // Like a C library decimal conversion of the whole text: blanks, a sign, digits.
        size_t i = 0;
        while (i < text.size() && (text[i] == ' ' || text[i] == '\t')) ++i;
        bool negative = false;
        if (i < text.size() && (text[i] == '+' || text[i] == '-')) negative = text[i++] == '-';
        for (; i < text.size() && isDigit(text[i]); ++i) v = v * 10u + static_cast<uint32_t>(text[i] - '0');
        if (negative) v = 0u - v;
    }
    value = static_cast<int32_t>(v);
    return true;
}

void classifyIdentifier(std::string_view text, Operand& op) {
    op.indirect = 0;
    if (!text.empty() && text.front() == '(') {
        op.indirect = 1;
        text.remove_prefix(1);
        if (!text.empty()) text.remove_suffix(1);
    }
    int32_t number = 0;
    op.name = -1;
    if (numberFromText(text, number)) {
        op.kind = OPK_DIRECT;
        op.value = number;
        op.text = {};
    } else {
        op.kind = OPK_SYMBOL;
        op.value = 0;
        op.text = text;
    }
}

bool parseBasePlusOffset(std::string_view text, Operand& op) {
    if (text.size() < 3) return false;
    int32_t indirect = 0;
    if (text.front() == '(') {
        if (text.back() != ')') return false;
        indirect = 1;
        text = text.substr(1, text.size() - 2);
    } else if (text.back() == ')') {
        return false;
    }

    uint32_t sum = 0;
    std::string_view base;
    size_t i = 0;
    while (i < text.size()) {
        char c = text[i];
        if (c == '(' || c == ')') return false;
        if (c == '+') {
            ++i;
        } else if (isDigit(c)) {
            uint32_t part = 0;
            for (; i < text.size() && isDigit(text[i]); ++i)
                part = part * 10u + static_cast<uint32_t>(text[i] - '0');
            sum += part;
        } else {
            if (!base.empty()) return false; // a second name
            size_t start = i++;
            while (i < text.size()) {
                char n = text[i];
                bool nameChar = isDigit(n) || (n >= 'a' && n <= 'z') || (n >= 'A' && n <= 'Z') || n == '@' ||
                                n == '%' || n == '_';
                if (!nameChar) break;
                ++i;
            }
            base = text.substr(start, i - start);
        }
    }
    if (base.empty()) return false;

    op.kind = OPK_SYMBOL;
    op.indirect = indirect;
    op.offset = static_cast<int32_t>(sum);
    op.value = 0;
    op.name = -1;
    op.text = base;
    return true;
}

void classifyLabelImmediate(const AssemblerState& state, LabelLookup& last, int32_t name, Operand& op) {
    op.indirect = 0;
    if (stSymbolNamed(state.labelTable.get(), name) || stSymbolNamed(state.externTable.get(), name)) {
        op.kind = last.kind = OPK_SYMBOL;
        op.labelImmediate = last.label = 1;
        op.value = 0;
        op.name = name;
        op.text = nameText(state.names, name);
        return;
    }
    if (const Symbol* constant = stSymbolNamed(state.constTable.get(), name)) {
        op.kind = last.kind = OPK_IMMEDIATE;
        op.labelImmediate = last.label = 0;
        op.value = constant->value;
        op.name = -1;
        op.text = {};
        return;
    }
    // Not defined yet: most often a label further down, seen in the first pass.
    op.kind = last.kind;
    op.labelImmediate = last.label;
    op.value = -1;
    if (op.kind == OPK_SYMBOL) {
        op.name = name;
        op.text = nameText(state.names, name);
    } else {
        op.name = -1;
        op.text = {};
    }
}
