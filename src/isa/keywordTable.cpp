#include "isa/keywordTable.h"

#include "isa/opcodeTable.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <new>

namespace {

struct KeywordRow {
    const char* key;
    int32_t value;
};

// Directive words with the numbers the start-up table has always carried (they differ
// from the statements' directive ids for ABS and the UNION family; nothing looks them up).
const KeywordRow kDirectiveKeywords[] = {
    {"ORG", 1},        {"EQU", 13},        {"CONST", 14},     {"ABS", 14},          {"DATA", 3},
    {"TEXT", 4},       {"EVEN", 6},        {"ODD", 7},        {"VAR", 8},           {"DB", 9},
    {"DW", 10},        {"DD", 11},         {"INCLUDE", 12},   {"ENDP", 18},         {"ASCII", 19},
    {"ASCIIZ", 20},    {"DATA_DEF", 15},   {"DATA_INIT", 16}, {"DATA_DEF_END", 17}, {"FILE", 21},
    {"LOC", 22},       {"LINE", 23},       {"SECTION", 24},   {"BSS", 25},          {"GLOBAL", 26},
    {"LOCAL", 27},     {"WEAK", 28},       {"VARIABLE", 29},  {"TYPEDEF", 30},      {"STRUCT", 31},
    {"STRUCTMEM", 32}, {"STRUCT_END", 41}, {"UNION", 31},     {"UNIONMEM", 32},     {"UNION_END", 41},
    {"ENUM", 35},      {"ENUMERATOR", 36}, {"ENUM_END", 43},  {"FUNCTION", 37},     {"RETURN", 39},
    {"PARAMETER", 38}, {"FUNC_END", 40},
};

const char* const kFlagNames[16] = {"Z",  "C",  "O",  "S",  "I",  "D",  "T",  "H",
                                    "F0", "F1", "F2", "F3", "F4", "F5", "F6", "F7"};

} // namespace

int htStrHash(const char* key, int bucketCount) {
    if (!key || bucketCount < 1) {
        std::fprintf(stderr, "htStrHash(): Invalid function parameters.%s\n", std::strerror(errno));
        return 0;
    }
    // The sum wraps as a 32-bit two's-complement int would, so an absurdly long key
    // cannot overflow.
    uint32_t sum = 0;
    for (const char* p = key; *p; ++p)
        sum += static_cast<uint32_t>(static_cast<int32_t>(static_cast<signed char>(*p)));
    return static_cast<int32_t>(sum) % bucketCount;
}

int keywordTableCreate(int bucketCount, KeywordHash hashFunction, std::unique_ptr<KeywordTable>& table) {
    if (bucketCount < 1 || !hashFunction) return -1;
    table.reset(new (std::nothrow) KeywordTable);
    if (!table) return -1;
    table->bucketCount = bucketCount;
    table->buckets.resize(static_cast<size_t>(bucketCount));
    table->hashFunction = hashFunction;
    return 0;
}

int keywordInsert(KeywordTable* table, const char* key, int32_t value) {
    if (!table || !key) return -1;
    int bucket = table->hashFunction(key, table->bucketCount);
    if (bucket < 0 || bucket >= table->bucketCount) return -1;
    auto node = std::unique_ptr<KeywordNode>(new (std::nothrow) KeywordNode{key, value, nullptr});
    if (!node) return -1;
    node->next = std::move(table->buckets[static_cast<size_t>(bucket)]);
    table->buckets[static_cast<size_t>(bucket)] = std::move(node);
    return 0;
}

int32_t keywordLookup(const KeywordTable* table, const char* key) {
    if (!table || !key) return -1;
    int bucket = table->hashFunction(key, table->bucketCount);
    if (bucket < 0 || bucket >= table->bucketCount) return -1;
    for (const KeywordNode* n = table->buckets[static_cast<size_t>(bucket)].get(); n; n = n->next.get())
        if (std::strcmp(n->key, key) == 0) return n->value;
    return -1;
}

int keywordTableInit(KeywordTable* table, int family) {
    if (!table) return -1;
    switch (family) {
        case KW_DIRECTIVES:
            for (const KeywordRow& row : kDirectiveKeywords)
                if (keywordInsert(table, row.key, row.value) != 0) return -1;
            return 0;
        case KW_MNEMONICS:
            for (const OpcodeEntry& entry : kOpcodeTable)
                if (keywordInsert(table, entry.name, entry.id) != 0) return -1;
            return 0;
        case KW_FLAGS:
            for (int i = 0; i < 16; ++i)
                if (keywordInsert(table, kFlagNames[i], i) != 0) return -1;
            return 0;
        default:
            return -1;
    }
}
