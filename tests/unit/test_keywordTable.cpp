// The keyword hash table: shadowing, case-sensitive lookup and the byte-sum hash.
#include "isa/keywordTable.h"
#include "test_encoderSupport.h"

using namespace isatest;

class KeywordTableTest : public IsaTest {};

TEST_F(KeywordTableTest, StartUpContentsAndShadowing) {
    const KeywordTable* table = state().keywordTable.get();
    ASSERT_NE(table, nullptr);
    struct Row {
        const char* key;
        int32_t value;
    };
    const Row rows[] = {
        {"SP_LOAD", 60}, // inserted as 50 and 60: the later insertion stands first
        {"CALL", 204},   // likewise 203 and 204
        {"Z", 0},
        {"H", 7},
        {"F0", 8},
        {"F7", 15},
        {"NOP", 0},
        {"JUMP_I", 162},
        {"JF7", 202},
        {"CALL7", 244},
        {"ORG", 1},
        {"ABS", 14},
        {"UNION", 31},
        {"FUNC_END", 40},
        // Case-sensitive whatever the assembler's case setting; unknown words are absent.
        {"z", -1},
        {"nop", -1},
        {"Sp_Load", -1},
        {"MOVE", -1},
        {"", -1},
    };
    for (const Row& r : rows) EXPECT_EQ(keywordLookup(table, r.key), r.value) << r.key;
    EXPECT_EQ(keywordLookup(table, nullptr), -1);
    EXPECT_EQ(keywordLookup(nullptr, "NOP"), -1);
}

TEST(KeywordHash, ByteSumModuloBuckets) {
    EXPECT_EQ(htStrHash("AB", 32), 3); // (65 + 66) mod 32
    EXPECT_EQ(htStrHash("", 32), 0);
    EXPECT_EQ(htStrHash("Z", 1), 0);
    // Bytes above 0x7F count as negative, and the remainder keeps the sign of the sum.
    EXPECT_EQ(htStrHash("\xC1", 32), (-63) % 32);
    EXPECT_LT(htStrHash("\xC1", 32), 0);
    testing::internal::CaptureStderr();
    EXPECT_EQ(htStrHash(nullptr, 32), 0);
    EXPECT_EQ(htStrHash("AB", 0), 0);
    EXPECT_NE(testing::internal::GetCapturedStderr().find("htStrHash(): Invalid function parameters."),
              std::string::npos);
}

TEST(KeywordHash, TableInsertLookupAndNegativeBuckets) {
    std::unique_ptr<KeywordTable> table;
    ASSERT_EQ(keywordTableCreate(32, htStrHash, table), 0);
    EXPECT_EQ(keywordTableCreate(0, htStrHash, table), -1);
    ASSERT_EQ(keywordTableCreate(32, htStrHash, table), 0);
    // "AB" and "BA" share a bucket; both stay reachable, and a repeated key shadows.
    ASSERT_EQ(keywordInsert(table.get(), "AB", 1), 0);
    ASSERT_EQ(keywordInsert(table.get(), "BA", 2), 0);
    ASSERT_EQ(keywordInsert(table.get(), "AB", 3), 0);
    EXPECT_EQ(keywordLookup(table.get(), "AB"), 3);
    EXPECT_EQ(keywordLookup(table.get(), "BA"), 2);
    EXPECT_EQ(keywordLookup(table.get(), "A"), -1);
    // A key whose hash is negative has no bucket.
    EXPECT_EQ(keywordLookup(table.get(), "\xC1"), -1);
}
