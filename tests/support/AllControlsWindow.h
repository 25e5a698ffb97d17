#pragma once
// A top-level window holding one or more controls of every family the skin knows, plus
// plain labels and a group box with children of its own, for tests that take a whole
// window over the way the program does (handler run before the first show) and then
// exercise, count or destroy it.
#include <windows.h>

#include <functional>
#include <vector>

namespace testing_support {

// Control ids; the group box carries the editor's id so the editor's form-created handler
// registers it as a sub-window.
enum AllControlsId : int {
    kAllLabel = 100,
    kAllPush,
    kAllDefaultPush,
    kAllCheck,
    kAllRadioA,
    kAllRadioB,
    kAllEdit,
    kAllMultiLineEdit,
    kAllReadOnlyEdit,
    kAllDropDownCombo,
    kAllDropListCombo,
    kAllSimpleCombo,
    kAllListBox,
    kAllListView,
    kAllTreeView,
    kAllIpAddress,
    kAllDatePicker,
    kAllTrackBar,
    kAllVerticalTrackBar,
    kAllProgress,
    kAllVerticalProgress,
    kAllBuddyEdit,
    kAllUpDown,
    kAllHorizontalUpDown,
    kAllHeader,
    kAllScrollBar,
    kAllNote,
    kAllGroupCheck = 130,
    kAllGroupEdit,
    kAllGroupLabel,
    kAllGroupPush,
};

struct AllControlsOptions {
    std::function<void(HWND)> onCreated;  // runs after every control exists, before the show
    bool show = true;
    int x = 40;
    int y = 40;
};

// Creates the window, its controls, runs the handler and shows it. Null on failure.
HWND CreateAllControlsWindow(const AllControlsOptions& options);

// The control with this id, on the window or inside its group box.
HWND AllControlsItem(HWND window, int id);

// Every descendant of the window, depth first, plus the drop-down lists its combo boxes
// own (which are popups, not children).
std::vector<HWND> AllControlsOf(HWND window);

}  // namespace testing_support
