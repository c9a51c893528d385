#include "core/LIST.h"

#include <cstdio>
#include <new>

List::~List() {
    listClear(this);
}

int listCreate(std::unique_ptr<List>& list) {
    list.reset(new (std::nothrow) List);
    if (!list) {
        std::perror("LIST:listCreate Malloc Failed");
        return -1;
    }
    return 0;
}

int listAdd(List* list, void* data, int position) {
    if (!list) return -1;
    std::unique_ptr<ListNode> node(new (std::nothrow) ListNode);
    if (!node) {
        std::perror("LIST:listAdd Malloc Failed ");
        return -1;
    }
    node->data = data;
    if (position == LIST_FRONT) {
        if (list->head) list->head->prev = node.get();
        node->next = std::move(list->head);
        list->head = std::move(node);
        if (!list->tail) list->tail = list->head.get();
    } else {
        // The tail is kept on the last node, so appending needs no walk.
        ListNode* raw = node.get();
        node->prev = list->tail;
        if (list->tail)
            list->tail->next = std::move(node);
        else
            list->head = std::move(node);
        list->tail = raw;
    }
    ++list->count;
    return 0;
}

void* listRemove(List* list, int /*position*/) {
    // Both positions take the head: LIST_FRONT pops a stack, LIST_END dequeues a queue.
    if (!list || !list->head) return nullptr;
    std::unique_ptr<ListNode> node = std::move(list->head);
    list->head = std::move(node->next);
    if (list->head)
        list->head->prev = nullptr;
    else
        list->tail = nullptr;
    --list->count;
    return node->data;
}

int listCount(const List* list) {
    return list ? list->count : 0;
}

int listClear(List* list) {
    if (!list) return 0;
    // Unlink iteratively so a long list cannot exhaust the stack through recursive destructors.
    while (list->head) list->head = std::move(list->head->next);
    list->tail = nullptr;
    list->count = 0;
    return 0;
}
