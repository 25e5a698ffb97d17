#include "skin/core/Properties.h"

#include <cstring>
#include <unordered_map>

#include "skin/core/DestroyWatch.h"

namespace skin {
namespace {

// The names kept here: the three every skin procedure reads, and the colour answer's brush
// and bitmap, which every paint of an edit or a label reads.
const char* const kMirroredNameList[] = {kPropListIndex, kPropOwnerIndex, kPropPreviousProc, kPropBrush,
                                         kPropBrushBitmap};
constexpr int kMirroredNames = static_cast<int>(sizeof(kMirroredNameList) / sizeof(kMirroredNameList[0]));

// The slot of a mirrored name, or -1. The constants are compared first, by address.
int SlotOf(const char* name) {
    if (!name || IS_INTRESOURCE(name)) return -1;
    for (int slot = 0; slot < kMirroredNames; ++slot)
        if (name == kMirroredNameList[slot]) return slot;
    for (int slot = 0; slot < kMirroredNames; ++slot)
        if (std::strcmp(name, kMirroredNameList[slot]) == 0) return slot;
    return -1;
}

struct Mirrored {
    uintptr_t values[kMirroredNames] = {};
    bool present[kMirroredNames] = {};
};

std::unordered_map<HWND, Mirrored>& Mirror() {
    static std::unordered_map<HWND, Mirrored> mirror;
    return mirror;
}

void ForgetWindow(HWND window) { Mirror().erase(window); }

}  // namespace

namespace detail {

bool ReadMirroredProp(HWND window, const char* name, uintptr_t& value) {
    const int slot = SlotOf(name);
    if (slot < 0) return false;
    auto found = Mirror().find(window);
    if (found == Mirror().end() || !found->second.present[slot]) return false;
    value = found->second.values[slot];
    return true;
}

void NoteMirroredProp(HWND window, const char* name, uintptr_t value) {
    const int slot = SlotOf(name);
    if (slot < 0) return;
    // Only a window this thread can see end gets a copy; others are read from the window.
    if (GetWindowThreadProcessId(window, nullptr) != GetCurrentThreadId()) return;
    if (!ListenForDestroyedWindows(ForgetWindow)) return;
    Mirrored& entry = Mirror()[window];
    entry.values[slot] = value;
    entry.present[slot] = true;
}

void ForgetMirroredProp(HWND window, const char* name) {
    const int slot = SlotOf(name);
    if (slot < 0) return;
    auto found = Mirror().find(window);
    if (found == Mirror().end()) return;
    found->second.present[slot] = false;
    bool any = false;
    for (bool present : found->second.present) any = any || present;
    if (!any) Mirror().erase(found);
}

}  // namespace detail

int MirroredPropCount() {
    int count = 0;
    for (const auto& entry : Mirror())
        for (bool present : entry.second.present) count += present ? 1 : 0;
    return count;
}

}  // namespace skin
