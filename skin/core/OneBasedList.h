#pragma once
// The list kind of every record: entries counted from 1, index 0 meaning "none", and
// every access checked against the bounds in one place.
#include <windows.h>

#include <memory>
#include <utility>
#include <vector>

namespace skin {

template <class T>
class OneBasedList {
public:
    OneBasedList() = default;
    OneBasedList(OneBasedList&&) noexcept = default;
    OneBasedList& operator=(OneBasedList&&) noexcept = default;
    OneBasedList(const OneBasedList&) = delete;
    OneBasedList& operator=(const OneBasedList&) = delete;

    // Family lists are never empty: they start with one free, zero-filled entry.
    static OneBasedList WithZeroedEntry() {
        OneBasedList list;
        list.append();
        return list;
    }

    int count() const { return static_cast<int>(items_.size()); }
    bool contains(int index) const { return index >= 1 && index <= count(); }

    // The entry at a 1-based index, or null outside 1..count.
    T* at(int index) { return contains(index) ? items_[index - 1].get() : nullptr; }
    const T* at(int index) const { return contains(index) ? items_[index - 1].get() : nullptr; }

    // Appends a zero-filled entry; entries live on the heap, so pointers stay valid.
    int append() { return append(std::make_unique<T>()); }
    int append(std::unique_ptr<T> entry) {
        items_.push_back(entry ? std::move(entry) : std::make_unique<T>());
        return count();
    }

    // The installers' allocation rule: a list holding only its free entry (window 0)
    // hands that one out; otherwise a new zero-filled entry is appended.
    int takeFreeOrAppend() {
        if (count() == 1 && items_[0]->hwnd == nullptr) return 1;
        return append();
    }

    // Removes the entry and moves the ones behind it up by one. False when out of range.
    bool removeAt(int index) {
        if (!contains(index)) return false;
        items_.erase(items_.begin() + (index - 1));
        return true;
    }

    void clear() { items_.clear(); }

    // Index of the first entry for which pred holds, 0 when none.
    template <class Pred>
    int findFirst(Pred pred) const {
        for (int i = 0; i < count(); ++i) {
            if (pred(*items_[i])) return i + 1;
        }
        return 0;
    }

    // Index of the first entry holding this window. A null handle finds nothing, so the
    // free zeroed entry is never mistaken for a registered window.
    int findWindow(HWND window) const {
        if (!window) return 0;
        return findFirst([window](const T& entry) { return entry.hwnd == window; });
    }

    // Calls f(index, entry) for every entry in index order.
    template <class F>
    void forEach(F f) {
        for (int i = 0; i < count(); ++i) f(i + 1, *items_[i]);
    }
    template <class F>
    void forEach(F f) const {
        for (int i = 0; i < count(); ++i) f(i + 1, static_cast<const T&>(*items_[i]));
    }

private:
    std::vector<std::unique_ptr<T>> items_;
};

}  // namespace skin
