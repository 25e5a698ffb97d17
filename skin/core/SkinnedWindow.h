#pragma once
// One record per taken-over top-level window: its frame settings, caption buttons,
// composed background and one list per family of skinned child controls. The DCs of the
// composed picture are the record's own and go with it; window handles and procedures
// only name windows and code that belong to others.
#include <windows.h>

#include <cstdint>
#include <string>
#include <vector>

#include "graphics/GdiHandles.h"
#include "skin/core/Entries.h"
#include "skin/core/OneBasedList.h"
#include "skin/core/OwnedObject.h"

class ToolTipWindow;

namespace skin {

// A caption button's fade animation: which button, and how far (0..8).
struct FadeState {
    int button = 0;
    int step = 0;
};

struct SkinnedWindow {
    SkinnedWindow();
    ~SkinnedWindow();
    SkinnedWindow(SkinnedWindow&&) noexcept;
    SkinnedWindow& operator=(SkinnedWindow&&) noexcept;
    SkinnedWindow(const SkinnedWindow&) = delete;
    SkinnedWindow& operator=(const SkinnedWindow&) = delete;

    HWND hwnd = nullptr;  // the taken-over window, the program's own
    int titleHeight = 0;
    int showHelpButton = 0;
    int showMenuButton = 0;
    int hasMinimizeBox = 0;
    int hasMaximizeBox = 0;
    int showCloseButton = 0;
    int option7 = 0;  // with option31: redraw the title when the window text changes
    int option8 = 0;  // title gloss
    WNDPROC prevWndProc = nullptr;
    std::vector<uint8_t> windowPicture;  // the window's own background picture, or empty
    int imageMode = 0;
    COLORREF pictureColour = 0;

    OneBasedList<CaptionButton> captionButtons;
    int buttonsLeft = 0;
    int buttonsTop = 0;
    int buttonsWidth = 0;
    int buttonsHeight = 0;

    int maximizedFlag = 0;
    int minimizedFlag = 0;
    int minWidth = 0;
    int minHeight = 0;
    int maxWidth = 0;
    int maxHeight = 0;
    int option30 = 0;  // edge resizing, size cursors, title double-click maximizing
    int option31 = 0;  // the frame draws border, title and caption buttons and reacts to the mouse

    COLORREF titleColour = 0;
    COLORREF titleShadowColour = 0;
    std::string titleFontName;
    int titleFontSize = 0;
    int titleFlag = 0;

    int hotCaptionButton = 0;
    int hotKind = 0;           // kHotKind*
    HWND hotParent = nullptr;  // the parent of the hot edit, not owned
    WNDPROC helpCallback = nullptr;
    WNDPROC menuCallback = nullptr;
    OwnedObject<ToolTipWindow> toolTip;  // tool tips of the caption buttons

    int stripHeight = 0;
    FloatRect stripRect;
    OneBasedList<StripItem> stripItems;
    int stripTextFlag = 0;
    COLORREF stripTextColour = 0;
    std::string stripFontName;
    int stripFontSize = 0;

    OneBasedList<ButtonEntry> buttonControls;
    OneBasedList<EditEntry> editControls;
    OneBasedList<ListEntry> listControls;
    OneBasedList<TrackBarEntry> trackBarControls;
    OneBasedList<ProgressEntry> progressControls;
    OneBasedList<ComboEntry> comboControls;
    OneBasedList<UpDownEntry> upDownControls;
    OneBasedList<HeaderEntry> headerControls;
    OneBasedList<ChildEntry> subclassedChildren;  // children carrying "Kj_FuID"

    // The composed picture, and the clean copies of its title band and strip that single
    // buttons are redrawn over, each a memory DC with its bitmap. The frame painting fills
    // them and releases them when the window is destroyed. "Ck_Ycjdx" and "Ck_wtjbdx" name
    // the bitmaps of backgroundDC: the one it was made with and the composed one.
    int backgroundStale = 0;
    gdi::MemoryDC backgroundDC;
    gdi::MemoryDC captionSnapshotDC;
    gdi::MemoryDC stripSnapshotDC;

    int hotIndex = 0;
    int hoverIndex = 0;
    // Whether the entry of that family is the one drawn hot; a repaint keeps its look.
    bool isHot(int kind, int entryIndex) const { return hotIndex >= 1 && hotIndex == entryIndex && hotKind == kind; }
    OneBasedList<SubWindowEntry> subWindows;
    OneBasedList<DockedChild> dockedChildren;

    int mouseInside = 0;
    FadeState fadeIn;
    FadeState fadeOut;
    int fadeTimerOn = 0;

    // Visits every window the record lists as its own: the family lists and the
    // sub-windows (not the top-level window, not the one-by-one subclassed children).
    template <class F>
    void forEachOwnedWindow(F f) const;
};

template <class F>
void SkinnedWindow::forEachOwnedWindow(F f) const {
    auto visit = [&f](const auto& list) {
        list.forEach([&f](int, const auto& entry) {
            if (entry.hwnd) f(entry.hwnd);
        });
    };
    visit(buttonControls);
    visit(editControls);
    visit(listControls);
    visit(trackBarControls);
    visit(progressControls);
    visit(comboControls);
    visit(upDownControls);
    visit(headerControls);
    visit(subWindows);
}

}  // namespace skin
