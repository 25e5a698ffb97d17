#pragma once
// The one way a family of child controls is taken over: its controls are found among a
// parent's children, each gets an entry in its family's list of the owning record, is
// tagged with "Hw_lbID" / "Hw_FuID" / "Hw_hProc" and has its procedure replaced by the
// family's skin procedure, which chains to the replaced one through "Hw_hProc".
//
// A family unit adds only what is its own:
//
//     LRESULT CALLBACK FooSkinProc(HWND, UINT, WPARAM, LPARAM);
//     const ControlFamily<FooEntry> kFooFamily = {
//         "FooClass", &SkinnedWindow::fooControls, FooSkinProc,
//         AcceptsFoo,       // style filter, or nullptr for every child of the class
//         PrepareFooEntry,  // family fields, before the procedure is replaced (optional)
//         FinishFoo};       // work once the skin is in place, e.g. a style change (optional)
//     void InstallFooSkin(int parentIndex, HWND parent) {
//         InstallControlFamily(kFooFamily, parentIndex, parent);
//     }
//
// and in FooSkinProc:
//
//     auto control = FindSkinnedControl(window, &SkinnedWindow::fooControls);
//     if (!control) return PassOn(window, message, wParam, lParam);
//     switch (message) { ... default: return PassOn(window, message, wParam, lParam); }
//
// Families whose controls are not plain children of the parent (a combo box's list or
// edit field) enumerate with ForEachChildOfClass and register with InstallControl.
// Hover: HoverTracking.h. Painting over the skin background: OffscreenPaint.h.
// Controls painted by the skin alone answer WM_PAINT with PaintInsteadOfControl and
// WM_ERASEBKGND with EraseNothing.
#include <windows.h>

#include <string>

#include "graphics/GdiHandles.h"
#include "skin/core/PaintAnswer.h"
#include "skin/core/OneBasedList.h"
#include "skin/core/Properties.h"
#include "skin/core/SkinRegistry.h"
#include "skin/core/SkinSettings.h"
#include "skin/core/SkinnedWindow.h"

namespace skin {

template <class Entry>
struct ControlFamily {
    const char* className;                     // matched as FindWindowExA matches it
    OneBasedList<Entry> SkinnedWindow::*list;  // the record's list of this family
    WNDPROC skinProc;
    bool (*accepts)(HWND control) = nullptr;  // null: every child of the class
    // Fills the family's own fields of a fresh entry (window already set) while the
    // control still runs its own procedure.
    void (*prepare)(Entry& entry, HWND control, HWND parent) = nullptr;
    // Runs once the skin procedure and all three properties are in place.
    void (*finish)(Entry& entry, HWND control, int entryIndex, int parentIndex) = nullptr;
};

// Calls f(child) for every direct child of parent of that class, in FindWindowExA order.
template <class F>
void ForEachChildOfClass(HWND parent, const char* className, F f) {
    if (!parent) return;
    for (HWND child = FindWindowExA(parent, nullptr, className, nullptr); child;
         child = FindWindowExA(parent, child, className, nullptr)) {
        f(child);
    }
}

// Tags the control with its entry index, its owner's registry index and its current
// procedure, then puts skinProc in its place, so that the very first message reaching
// skinProc finds all three. Answers the replaced procedure; null (with the properties
// removed again) when the procedure could not be replaced.
WNDPROC SubclassControl(HWND control, WNDPROC skinProc, int entryIndex, int parentIndex);

// Registers one control of the family in the record at parentIndex and answers its entry
// index. A control already in the list is left as it is (answer 0): a second skin
// procedure would chain to the first and the control would lose its own procedure.
template <class Entry>
int InstallControl(const ControlFamily<Entry>& family, int parentIndex, HWND control, HWND parent) {
    SkinnedWindow* record = GetSkinnedWindow(parentIndex);
    if (!record || !control || !IsWindow(control)) return 0;
    OneBasedList<Entry>& list = record->*family.list;
    if (list.findWindow(control)) return 0;

    const int index = list.takeFreeOrAppend();
    Entry* entry = list.at(index);
    if (!entry) return 0;
    entry->hwnd = control;
    if (family.prepare) family.prepare(*entry, control, parent);
    entry->previousProc = SubclassControl(control, family.skinProc, index, parentIndex);
    if (!entry->previousProc) {
        entry->hwnd = nullptr;  // back to a free entry; lookups skip it
        return 0;
    }
    if (family.finish) family.finish(*entry, control, index, parentIndex);
    return index;
}

// The installer of a family: every direct child of its class that passes the filter.
// Does nothing while SkinControls is off or when parentIndex names no record.
template <class Entry>
void InstallControlFamily(const ControlFamily<Entry>& family, int parentIndex, HWND parent) {
    if (!SkinControls || !GetSkinnedWindow(parentIndex)) return;
    ForEachChildOfClass(parent, family.className, [&](HWND child) {
        if (family.accepts && !family.accepts(child)) return;
        InstallControl(family, parentIndex, child, parent);
    });
}

// A skinned control as its skin procedure sees it: the record named by "Hw_FuID" and
// the entry named by "Hw_lbID". Empty (false) when either is missing or stale.
template <class Entry>
struct SkinnedControl {
    HWND window = nullptr;
    int recordIndex = 0;
    int entryIndex = 0;
    SkinnedWindow* record = nullptr;
    Entry* entry = nullptr;

    explicit operator bool() const { return record && entry; }
};

template <class Entry>
SkinnedControl<Entry> FindSkinnedControl(HWND window, OneBasedList<Entry> SkinnedWindow::*list) {
    SkinnedControl<Entry> control;
    control.window = window;
    control.recordIndex = GetPropInt(window, kPropOwnerIndex);
    control.entryIndex = GetPropInt(window, kPropListIndex);
    SkinnedWindow* record = GetSkinnedWindow(control.recordIndex);
    Entry* entry = record ? (record->*list).at(control.entryIndex) : nullptr;
    // An entry holding another window is not this control's, whatever the properties say.
    if (entry && entry->hwnd == window) {
        control.record = record;
        control.entry = entry;
    }
    return control;
}

// The control's window text (empty when it has none), as the families store or draw it.
std::string ReadWindowText(HWND control);

// The entry at entryIndex of the family list of the record at parentIndex, as a painter
// called by index finds it: null when either index is stale or its window is gone.
template <class Entry>
Entry* FindLiveEntry(int parentIndex, int entryIndex, OneBasedList<Entry> SkinnedWindow::*list) {
    SkinnedWindow* record = GetSkinnedWindow(parentIndex);
    Entry* entry = record ? (record->*list).at(entryIndex) : nullptr;
    return entry && entry->hwnd && IsWindow(entry->hwnd) ? entry : nullptr;
}

// Hands the message to the procedure in "Hw_hProc", read anew on every message.
inline LRESULT PassOn(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    return CallPreviousProc(window, message, wParam, lParam);
}

// WM_PAINT of a control whose look is the skin's alone: the update region is validated
// around paint(), which draws through a DC of its own, and the default procedure answers.
// The control's own painting never runs.
template <class Paint>
LRESULT PaintInsteadOfControl(HWND window, WPARAM wParam, LPARAM lParam, Paint paint) {
    {
        const gdi::PaintDC validated(window);
        paint();
    }
    return DefaultPaintAnswer(window, wParam, lParam);
}

// WM_ERASEBKGND of a control that paints its whole look itself: nothing is erased (the
// look covers it), and text drawn on the DC later keeps what lies under it.
inline LRESULT EraseNothing(WPARAM wParam) {
    if (HDC dc = reinterpret_cast<HDC>(wParam)) SetBkMode(dc, TRANSPARENT);
    return 1;
}

}  // namespace skin
