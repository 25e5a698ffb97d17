#pragma once
// What the control gallery shows: every control family of the skin in its variants, each
// under a label naming it, plus a group box holding a few controls of its own.
#include <windows.h>

#include <cstddef>

namespace gallery {

inline constexpr char kGalleryTitle[] = "Control Gallery";
inline constexpr int kGalleryWidth = 900;
inline constexpr int kGalleryHeight = 620;

enum GalleryId : int {
    kIdListPlain = 1001,
    kIdListOwnerDrawn,
    kIdComboSimple,
    kIdComboDropDown,
    kIdComboDropList,
    kIdIpAddress,
    kIdDateTime,
    kIdListView,
    kIdListViewSorted,  // style bit 0x10, which the list skin leaves alone
    kIdTreeView,
    kIdHeader,
    kIdTrackBottom,
    kIdTrackTop,
    kIdTrackBoth,
    kIdTrackSelection,
    kIdTrackVertical,
    kIdProgress,
    kIdProgressVertical,
    kIdUpDownBuddy,
    kIdUpDown,
    kIdUpDownHorzBuddy,
    kIdUpDownHorz,
    // Inside the group box.
    kIdGroupLabel,
    kIdGroupEdit,
    kIdGroupCheck,
    kIdGroupRadioDay,
    kIdGroupRadioNight,
    kIdGroupList,
    kIdGroupProgress,
    kIdGroupButton,
    kIdFirstLabel = 2001,  // labels take ids from here on, in table order
};

// The group box carries the editor's group-box id, so a form-created handler written for
// the editor registers it as a sub-window exactly as it does the editor's.
inline constexpr int kIdGroupBox = 0x1601005f;

struct GalleryControl {
    int id;
    const char* className;
    const char* text;
    DWORD style;  // WS_CHILD and WS_VISIBLE are added
    DWORD exStyle;
    int x;
    int y;
    int width;
    int height;
    bool inGroupBox;  // a child of the group box rather than of the window
};

// Every control and label in creation order: the group box before its children.
const GalleryControl* GalleryControls(std::size_t* count);

// The control with this id in the table, or null.
const GalleryControl* FindGalleryControl(int id);

}  // namespace gallery
