#pragma once
// Hover state shared by every skinned control of a record: which control is drawn hot
// (hotIndex within the list named by hotKind) and which one saw the latest mouse move.
// A control repaints hot only when the hot control changes, never on every move.
//
// Usual use in a skin procedure:
//     case WM_MOUSEMOVE:  TrackHover(control, kHotKindFoo, [&] { PaintFoo(window, hot); }); ...
//     case WM_MOUSELEAVE: ClearHotControl(*control.record); PaintFoo(window, normal); ...
// Families with their own test (edits compare hotParent) use NoteMouseMove and
// SetHotControl directly.
#include <windows.h>

#include "skin/controls/Subclassing.h"
#include "skin/core/SkinnedWindow.h"

namespace skin {

// Asks for a WM_MOUSELEAVE when the pointer leaves the control; a request lasts until
// that message.
void ArmMouseLeave(HWND control);

// Renews the leave request unless the control is hot with its request standing, and
// records the move (hoverIndex). True when the control must
// now be drawn hot: another entry, or an entry of another family, is the hot one.
bool NoteMouseMove(HWND control, SkinnedWindow& record, int entryIndex, int hotKind);

// The control of the latest move becomes the hot one; called after its hot paint, so a
// painter can still tell the previous state.
void SetHotControl(SkinnedWindow& record, int hotKind);

// Nothing is hot any more (the pointer left, or a press ended hover).
void ClearHotControl(SkinnedWindow& record);

// The whole move sequence: renew, record, and when due paint hot, then store it.
template <class Entry, class PaintHot>
void TrackHover(const SkinnedControl<Entry>& control, int hotKind, PaintHot paintHot) {
    if (!control) return;
    if (NoteMouseMove(control.window, *control.record, control.entryIndex, hotKind)) {
        paintHot();
        SetHotControl(*control.record, hotKind);
    }
}

}  // namespace skin
