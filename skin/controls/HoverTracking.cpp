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

bool NoteMouseMove(HWND control, SkinnedWindow& record, int entryIndex, int hotKind) {
    ArmMouseLeave(control);
    record.hoverIndex = entryIndex;
    return record.hotIndex != record.hoverIndex || record.hotKind != hotKind;
}

void SetHotControl(SkinnedWindow& record, int hotKind) {
    record.hotIndex = record.hoverIndex;
    record.hotKind = hotKind;
}

void ClearHotControl(SkinnedWindow& record) { record.hotIndex = 0; }

}  // namespace skin
