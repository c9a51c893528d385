// A doubly linked list of untyped data pointers, used as a stack (LIST_FRONT) or as a
// queue (LIST_END adds, removes from the head). The list never owns its data.
#pragma once

#include <memory>

enum ListPosition { LIST_FRONT = 0, LIST_END = 2 };

struct ListNode {
    void* data = nullptr;
    std::unique_ptr<ListNode> next;
    ListNode* prev = nullptr;
};

struct List {
    std::unique_ptr<ListNode> head;
    ListNode* tail = nullptr;
    int count = 0;
    ~List();
};

int listCreate(std::unique_ptr<List>& list);
int listAdd(List* list, void* data, int position);
void* listRemove(List* list, int position);
int listCount(const List* list);
int listClear(List* list);
