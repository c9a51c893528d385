// The keyword hash table behind the flag names: the byte-sum hash, colliding and
// repeated keys, and keys whose hash has no bucket.
#include "isa/keywordTable.h"

#include <gtest/gtest.h>

TEST(KeywordHash, ByteSumModuloBuckets) {
    EXPECT_EQ(htStrHash("AB", 32), 3); // (65 + 66) mod 32
    EXPECT_EQ(htStrHash("", 32), 0);
    // Bytes above 0x7F count as negative, and the remainder keeps the sign of the sum.
    EXPECT_EQ(htStrHash("\xC1", 32), (-63) % 32);
    testing::internal::CaptureStderr();
    EXPECT_EQ(htStrHash(nullptr, 32), 0);
    EXPECT_EQ(htStrHash("AB", 0), 0);
    EXPECT_NE(testing::internal::GetCapturedStderr().find("htStrHash(): Invalid function parameters."),
              std::string::npos);
}

TEST(KeywordHash, CollidingRepeatedAndUnbucketedKeys) {
    std::unique_ptr<KeywordTable> table;
    EXPECT_EQ(keywordTableCreate(0, htStrHash, table), -1);
    ASSERT_EQ(keywordTableCreate(32, htStrHash, table), 0);
    // "AB" and "BA" share a bucket; both stay reachable, and a repeated key shadows.
    ASSERT_EQ(keywordInsert(table.get(), "AB", 1), 0);
    ASSERT_EQ(keywordInsert(table.get(), "BA", 2), 0);
    ASSERT_EQ(keywordInsert(table.get(), "AB", 3), 0);
    EXPECT_EQ(keywordLookup(table.get(), "AB"), 3);
    EXPECT_EQ(keywordLookup(table.get(), "BA"), 2);
    EXPECT_EQ(keywordLookup(table.get(), "ab"), -1); // keys are case-sensitive
    EXPECT_EQ(keywordLookup(table.get(), "A"), -1);
    EXPECT_EQ(keywordLookup(table.get(), "\xC1"), -1); // a negative hash has no bucket
    EXPECT_EQ(keywordLookup(table.get(), nullptr), -1);
    EXPECT_EQ(keywordLookup(nullptr, "AB"), -1);
}
