// The keyword hash table: directive words, mnemonics and flag names to small numbers.
#pragma once

#include <cstdint>
#include <memory>
#include <vector>

struct KeywordNode {
    const char* key; // static text, not copied
    int32_t value;
    std::unique_ptr<KeywordNode> next;
};

using KeywordHash = int (*)(const char* key, int bucketCount);

struct KeywordTable {
    int32_t bucketCount = 0;
    std::vector<std::unique_ptr<KeywordNode>> buckets;
    KeywordHash hashFunction = nullptr;
};

int keywordTableCreate(int bucketCount, KeywordHash hashFunction, std::unique_ptr<KeywordTable>& table);
int keywordInsert(KeywordTable* table, const char* key, int32_t value);
// Case-sensitive; the most recent insertion of a key wins; -1 when absent.
int32_t keywordLookup(const KeywordTable* table, const char* key);
int htStrHash(const char* key, int bucketCount);

enum KeywordFamily { KW_DIRECTIVES = 0, KW_MNEMONICS = 1, KW_FLAGS = 2 };
// Enters one family of keywords into the table; 0 or -1.
int keywordTableInit(KeywordTable* table, int family);
