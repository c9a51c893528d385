// The generic list as stack and as queue.
#include "core/LIST.h"

#include <gtest/gtest.h>

TEST(List, QueueAndStackOrders) {
    std::unique_ptr<List> list;
    ASSERT_EQ(listCreate(list), 0);
    int a = 1, b = 2, c = 3;
    EXPECT_EQ(listRemove(list.get(), LIST_END), nullptr);
    EXPECT_EQ(listCount(list.get()), 0);

    for (int* p : {&a, &b, &c}) listAdd(list.get(), p, LIST_END);
    EXPECT_EQ(listCount(list.get()), 3);
    EXPECT_EQ(listRemove(list.get(), LIST_END), &a);
    EXPECT_EQ(listRemove(list.get(), LIST_END), &b);
    EXPECT_EQ(listRemove(list.get(), LIST_END), &c);
    EXPECT_EQ(list->tail, nullptr);

    for (int* p : {&a, &b, &c}) listAdd(list.get(), p, LIST_FRONT);
    EXPECT_EQ(listRemove(list.get(), LIST_FRONT), &c);
    EXPECT_EQ(listRemove(list.get(), LIST_FRONT), &b);
    EXPECT_EQ(listRemove(list.get(), LIST_FRONT), &a);
    EXPECT_EQ(listCount(list.get()), 0);
}

TEST(List, MixedEndsAndClear) {
    std::unique_ptr<List> list;
    ASSERT_EQ(listCreate(list), 0);
    int a = 1, b = 2, c = 3;
    listAdd(list.get(), &a, LIST_END);
    listAdd(list.get(), &b, LIST_FRONT);
    listAdd(list.get(), &c, LIST_END);
    EXPECT_EQ(list->head->data, &b);
    EXPECT_EQ(list->tail->data, &c);
    EXPECT_EQ(listClear(list.get()), 0);
    EXPECT_EQ(listCount(list.get()), 0);
    EXPECT_EQ(listRemove(list.get(), LIST_FRONT), nullptr);
    listAdd(list.get(), &a, LIST_END);
    EXPECT_EQ(listRemove(list.get(), LIST_FRONT), &a);

    std::unique_ptr<List> big;
    ASSERT_EQ(listCreate(big), 0);
    for (int i = 0; i < 200000; ++i) listAdd(big.get(), &a, LIST_END);
    EXPECT_EQ(listCount(big.get()), 200000); // destroyed without deep recursion
}
