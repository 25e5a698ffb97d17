#include "skin/core/SkinRegistry.h"

#include <utility>

#include "skin/core/Properties.h"

namespace skin {
namespace {

// Parent chains are short; the bound only keeps a corrupt chain from hanging the caller.
constexpr int kMaxAncestorDepth = 1024;

}  // namespace

int SkinRegistry::append(std::unique_ptr<SkinnedWindow> record) {
    if (!record) return 0;
    return records_.append(std::move(record));
}

void SkinRegistry::remove(int index) {
    SkinnedWindow* record = records_.at(index);
    if (!record) return;
    // The removed record's windows must not keep an index that now names another record.
    RemovePropValue(record->hwnd, kPropListIndex);
    record->forEachOwnedWindow([](HWND window) { RemovePropValue(window, kPropOwnerIndex); });
    record->subclassedChildren.forEach(
        [](int, const ChildEntry& child) { RemovePropValue(child.hwnd, kPropChildOwnerIndex); });
    records_.removeAt(index);
    renumber();
}

void SkinRegistry::renumber() {
    records_.forEach([](int index, const SkinnedWindow& record) {
        SetPropInt(record.hwnd, kPropListIndex, index);
        record.forEachOwnedWindow([index](HWND window) { SetPropInt(window, kPropOwnerIndex, index); });
        record.subclassedChildren.forEach([index](int, const ChildEntry& child) {
            if (child.hwnd) SetPropInt(child.hwnd, kPropChildOwnerIndex, index);
        });
    });
}

SkinRegistry& TheSkinRegistry() {
    static SkinRegistry registry;
    return registry;
}

SkinnedWindow* GetSkinnedWindow(int index) { return TheSkinRegistry().at(index); }

int AppendSkinnedWindow(std::unique_ptr<SkinnedWindow> record) { return TheSkinRegistry().append(std::move(record)); }

void RemoveSkinnedWindow(int index) { TheSkinRegistry().remove(index); }

void FreeSkinRegistry() { TheSkinRegistry().clear(); }

int FindSkinnedWindow(HWND window) { return TheSkinRegistry().find(window); }

int FindRegisteredAncestor(HWND window) {
    if (!window) return 0;
    HWND ancestor = GetParent(window);
    for (int depth = 0; ancestor && depth < kMaxAncestorDepth; ++depth) {
        if (int index = FindSkinnedWindow(ancestor)) return index;
        ancestor = GetParent(ancestor);
    }
    return 0;
}

int FindSubWindow(int recordIndex, HWND window) {
    const SkinnedWindow* record = GetSkinnedWindow(recordIndex);
    return record ? record->subWindows.findWindow(window) : 0;
}

int FindSkinnedAncestor(int recordIndex, HWND start, HWND stop) {
    SkinnedWindow* record = GetSkinnedWindow(recordIndex);
    if (!record || !start) return 0;
    HWND window = start;
    for (int depth = 0; depth < kMaxAncestorDepth; ++depth) {
        window = GetParent(window);
        if (!window || window == stop) return 0;
        int position = record->subWindows.findWindow(window);
        const SubWindowEntry* entry = record->subWindows.at(position);
        if (entry && entry->selfPainted) return position;
    }
    return 0;
}

}  // namespace skin
