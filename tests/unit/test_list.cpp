// The generic list as stack and as queue.
#include "core/LIST.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>

TEST(List, QueueAndStackOrders) {
    List<std::string> list;
    EXPECT_FALSE(listRemove(list, LIST_END));
    EXPECT_EQ(listCount(list), 0);

    for (const char* s : {"a", "b", "c"}) listAdd(list, std::string(s), LIST_END);
    EXPECT_EQ(listCount(list), 3);
    EXPECT_EQ(listRemove(list, LIST_END), "a");
    EXPECT_EQ(listRemove(list, LIST_END), "b");
    EXPECT_EQ(listRemove(list, LIST_END), "c");
    EXPECT_FALSE(listRemove(list, LIST_END));

    for (const char* s : {"a", "b", "c"}) listAdd(list, std::string(s), LIST_FRONT);
    EXPECT_EQ(*listHead(list), "c");
    EXPECT_EQ(listRemove(list, LIST_FRONT), "c");
    EXPECT_EQ(listRemove(list, LIST_FRONT), "b");
    EXPECT_EQ(listRemove(list, LIST_FRONT), "a");
    EXPECT_EQ(listCount(list), 0);
    EXPECT_EQ(listHead(list), nullptr);
}

TEST(List, MixedEndsClearAndMoveOnlyItems) {
    List<std::unique_ptr<int>> list;
    listAdd(list, std::make_unique<int>(1), LIST_END);
    listAdd(list, std::make_unique<int>(2), LIST_FRONT);
    listAdd(list, std::make_unique<int>(3), LIST_END);
    EXPECT_EQ(**listHead(list), 2);
    std::optional<std::unique_ptr<int>> taken = listRemove(list, LIST_END);
    ASSERT_TRUE(taken);
    EXPECT_EQ(**taken, 2);
    EXPECT_EQ(listClear(list), 0);
    EXPECT_EQ(listCount(list), 0);
    EXPECT_FALSE(listRemove(list, LIST_FRONT));
}
