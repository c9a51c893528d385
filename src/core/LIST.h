// The generic list the assembler keeps its stacks and queues in: the include stack
// (LIST_FRONT adds and removes: last in, first out), the label-range counts of pass one
// and the source files of the line program (LIST_END adds, removes from the head: first
// in, first out). It holds its items by value.
#pragma once

#include <deque>
#include <optional>
#include <utility>

enum ListPosition { LIST_FRONT = 0, LIST_END = 2 };

template <class T> struct List {
    std::deque<T> items; // head first
};

// Adds an item before the head (LIST_FRONT) or after the last item (LIST_END); 0.
template <class T> int listAdd(List<T>& list, T item, int position) {
    if (position == LIST_FRONT)
        list.items.push_front(std::move(item));
    else
        list.items.push_back(std::move(item));
    return 0;
}

// Takes the head item away, whichever the position: LIST_FRONT pops a stack, LIST_END
// dequeues a queue. Nothing when the list is empty.
template <class T> std::optional<T> listRemove(List<T>& list, int /*position*/) {
    if (list.items.empty()) return std::nullopt;
    std::optional<T> item(std::move(list.items.front()));
    list.items.pop_front();
    return item;
}

// The head item, or null when the list is empty.
template <class T> T* listHead(List<T>& list) {
    return list.items.empty() ? nullptr : &list.items.front();
}

template <class T> int listCount(const List<T>& list) {
    return static_cast<int>(list.items.size());
}

template <class T> int listClear(List<T>& list) {
    list.items.clear();
    return 0;
}
