#pragma once
// The entries kept in a skinned window's lists. Every control entry begins with the
// control's window and the procedure its skin replaced; a zero window marks a free entry.
#include <windows.h>
#include <commctrl.h>

#include <cstdint>
#include <string>
#include <vector>

#include "skin/core/OneBasedList.h"
#include "skin/core/OwnedObject.h"

class ToolTipWindow;

namespace skin {

// Which family list a record's hotIndex refers to.
inline constexpr int kHotKindButton = 0;
inline constexpr int kHotKindEdit = 1;
inline constexpr int kHotKindTrackBar = 2;
inline constexpr int kHotKindCombo = 3;
inline constexpr int kHotKindList = 4;
inline constexpr int kHotKindUpDown = 8;
inline constexpr int kHotKindHeader = 9;

// Caption-button ids, which decide a button's action.
inline constexpr int kCaptionClose = 0;
inline constexpr int kCaptionMaximize = 1;
inline constexpr int kCaptionMinimize = 2;
inline constexpr int kCaptionMenu = 3;
inline constexpr int kCaptionHelp = 4;
inline constexpr int kCaptionCustom = 5;

// How a ButtonEntry is painted.
inline constexpr int kButtonKindPush = 0;
inline constexpr int kButtonKindStyle1 = 1;
inline constexpr int kButtonKindStyle3 = 3;
inline constexpr int kButtonKindRadio = 4;
inline constexpr int kButtonKindCheckBox = 5;

struct FloatRect {
    float x = 0;
    float y = 0;
    float width = 0;
    float height = 0;
};

struct CaptionButton {
    int width = 0;
    int height = 0;
    std::vector<uint8_t> picture;
    std::vector<uint8_t> secondPicture;  // the maximize button's restore picture
    int id = 0;                          // kCaptionClose ... kCaptionCustom
    std::string toolTipText;
    WNDPROC customCallback = nullptr;  // run for a custom button
    FloatRect hitRect;                 // where the button is drawn and hit-tested
};

// A page of a sub-window, laid out below its top offset.
struct PageEntry {
    HWND hwnd = nullptr;
    int top = 0;
};

// A container child registered as a sub-window.
struct SubWindowEntry {
    HWND hwnd = nullptr;
    WNDPROC previousProc = nullptr;
    COLORREF veilColour = 0;  // 0 = none
    int veilAlpha = 0;        // low byte used; 255 means opaque
    int roundedBorder = 0;    // the registration's fourth value: draw the double rounded border
    int needsRebuild = 0;     // 1 once subclassed and after each resize: the next paint composes
    int groupFrame = 0;       // group-box look, for a "Button" with style bit 0x4 (the rounded panel)
    int selfPainted = 0;      // 0: the sub-window procedure only relays
    std::string captionFontName;
    int captionFontSize = 0;
    int captionFontStyle = 0;
    OneBasedList<PageEntry> pages = OneBasedList<PageEntry>::WithZeroedEntry();
};

struct ButtonEntry {
    HWND hwnd = nullptr;
    WNDPROC previousProc = nullptr;
    int kind = 0;  // kButtonKind*
    std::string text;
    int focused = 0;
    int initialCheck = 0;
    HWND parentWindow = nullptr;
    OwnedObject<ToolTipWindow> toolTip;  // created with every new entry by the installer
    std::string fontName;
    int fontSize = 0;
    int fontStyle = 0;
};

struct EditEntry {
    HWND hwnd = nullptr;
    WNDPROC previousProc = nullptr;
    int focused = 0;
    int buttonDown = 0;
};

struct ComboEntry {
    HWND hwnd = nullptr;
    WNDPROC previousProc = nullptr;
    int focused = 0;
};

struct ListEntry {
    HWND hwnd = nullptr;
    WNDPROC previousProc = nullptr;
    int focused = 0;
    int hover = 0;
    int arrowKeyDown = 0;
};

struct TrackBarEntry {
    HWND hwnd = nullptr;
    WNDPROC previousProc = nullptr;
    int vertical = 0;
    int tickMode = 0;  // 0 top/left, 1 bottom/right, 2 both, 3 none
    int hover = 0;
    int selectionRange = 0;
};

struct ProgressEntry {
    HWND hwnd = nullptr;
    WNDPROC previousProc = nullptr;
    int vertical = 0;
};

struct UpDownEntry {
    HWND hwnd = nullptr;
    WNDPROC previousProc = nullptr;
    int hover = 0;
    int hotPart = 0;  // 0 up or left half, 1 down or right half
    int pressed = 0;
    int horizontal = 0;
    uint32_t pressPoint = 0;  // lParam of the last button press or release
};

struct HeaderEntry {
    HWND hwnd = nullptr;
    WNDPROC previousProc = nullptr;
    int hover = 0;
    int hotItem = 0;  // 1-based, 0 for none
    int paintedHotItem = 0;
    int buttons = 0;
    int pressedItem = 0;
    int pressed = 0;
    std::string fontName;
    int fontStyle = 0;
    int fontSize = 0;
    // The header's image list as installation found it, only referred to: the header
    // may be handed another, and this one may then be gone. It goes with the header only
    // while the header still uses it and no list view holds it (WM_NCDESTROY).
    HIMAGELIST imageListRef = nullptr;
};

// A child window subclassed on its own rather than as part of a family.
struct ChildEntry {
    HWND hwnd = nullptr;
    WNDPROC previousProc = nullptr;
    int value = 0;
};

// A child sized to the client area below its top offset.
struct DockedChild {
    HWND hwnd = nullptr;
    int top = 0;
};

struct StripItem {
    float x = 0;
    float y = 0;
    float width = 0;  // -1 takes the width that remains
    float height = 0;
};

}  // namespace skin
