#include "skin/controls/HoverTracking.h"

namespace skin {

void ArmMouseLeave(HWND control) {
    TRACKMOUSEEVENT request = {};
    request.cbSize = sizeof(request);
    request.dwFlags = TME_LEAVE;
    request.hwndTrack = control;
    request.dwHoverTime = 0;
    TrackMouseEvent(&request);
}

namespace {

bool LeaveArmedFor(HWND control) {
    TRACKMOUSEEVENT current = {};
    current.cbSize = sizeof(current);
    current.dwFlags = TME_QUERY;
    return TrackMouseEvent(&current) && current.hwndTrack == control && (current.dwFlags & TME_LEAVE) != 0;
}

}  // namespace

bool NoteMouseMove(HWND control, SkinnedWindow& record, int entryIndex, int hotKind) {
    // Arming asks the window server where the pointer is (about half a millisecond under
    // Wine). A hot control has seen a move and no leave since, so while its request still
    // stands the next move need not renew it.
    const bool hot = record.hotIndex == entryIndex && record.hotKind == hotKind;
    if (!hot || !LeaveArmedFor(control)) ArmMouseLeave(control);
    record.hoverIndex = entryIndex;
    return record.hotIndex != record.hoverIndex || record.hotKind != hotKind;
}

void SetHotControl(SkinnedWindow& record, int hotKind) {
    record.hotIndex = record.hoverIndex;
    record.hotKind = hotKind;
}

void ClearHotControl(SkinnedWindow& record) { record.hotIndex = 0; }

}  // namespace skin
