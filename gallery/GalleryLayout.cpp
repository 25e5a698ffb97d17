#include "gallery/GalleryLayout.h"

#include <commctrl.h>

namespace gallery {
namespace {

constexpr DWORD kListBox = LBS_NOTIFY | LBS_NOINTEGRALHEIGHT | WS_VSCROLL | WS_BORDER | WS_TABSTOP;
constexpr DWORD kCombo = WS_VSCROLL | WS_TABSTOP;
constexpr DWORD kReport = LVS_REPORT | LVS_SHOWSELALWAYS | LVS_SINGLESEL | WS_BORDER | WS_TABSTOP;
constexpr DWORD kTicks = TBS_AUTOTICKS | WS_TABSTOP;
constexpr DWORD kBuddy = ES_LEFT | ES_NUMBER | WS_BORDER | WS_TABSTOP;
constexpr DWORD kUpDown = UDS_SETBUDDYINT | UDS_ALIGNRIGHT | UDS_ARROWKEYS;
constexpr DWORD kLabel = SS_LEFTNOWORDWRAP;

// Three columns under the title band; a label's id is 0 here and given at creation.
const GalleryControl kControls[] = {
    // Lists and fields.
    {0, "Static", "列表框 · List box", kLabel, 0, 20, 36, 200, 16, false},
    {kIdListPlain, "ListBox", "", kListBox, 0, 20, 54, 200, 96, false},
    {0, "Static", "自绘列表框 · Owner-drawn list box", kLabel, 0, 20, 158, 200, 16, false},
    {kIdListOwnerDrawn, "ListBox", "", kListBox | LBS_OWNERDRAWFIXED | LBS_HASSTRINGS, 0, 20, 176, 200, 96, false},
    {0, "Static", "简单组合框 · Simple combo box", kLabel, 0, 20, 280, 200, 16, false},
    {kIdComboSimple, "ComboBox", "", kCombo | CBS_SIMPLE, 0, 20, 298, 200, 100, false},
    {0, "Static", "下拉组合框 · Drop-down combo box", kLabel, 0, 20, 406, 200, 16, false},
    {kIdComboDropDown, "ComboBox", "", kCombo | CBS_DROPDOWN | CBS_AUTOHSCROLL, 0, 20, 424, 200, 200, false},
    {0, "Static", "下拉列表 · Drop-down list", kLabel, 0, 20, 456, 200, 16, false},
    {kIdComboDropList, "ComboBox", "", kCombo | CBS_DROPDOWNLIST, 0, 20, 474, 200, 200, false},
    {0, "Static", "IP 地址 · IP address", kLabel, 0, 20, 506, 200, 16, false},
    {kIdIpAddress, WC_IPADDRESSA, "", WS_TABSTOP, 0, 20, 524, 200, 24, false},
    {0, "Static", "日期时间 · Date-time picker", kLabel, 0, 20, 556, 200, 16, false},
    {kIdDateTime, DATETIMEPICK_CLASSA, "", DTS_SHORTDATEFORMAT | WS_TABSTOP, 0, 20, 574, 200, 24, false},

    // Views and the header.
    {0, "Static", "列表视图（带表头）· List view with header", kLabel, 0, 240, 36, 310, 16, false},
    {kIdListView, WC_LISTVIEWA, "", kReport, 0, 240, 54, 310, 130, false},
    {0, "Static", "列表视图（位 0x10，列表皮肤跳过）· Sorted", kLabel, 0, 240, 192, 310, 16, false},
    {kIdListViewSorted, WC_LISTVIEWA, "", kReport | LVS_SORTASCENDING, 0, 240, 210, 310, 100, false},
    {0, "Static", "树视图 · Tree view", kLabel, 0, 240, 318, 310, 16, false},
    {kIdTreeView, WC_TREEVIEWA, "",
     TVS_HASLINES | TVS_HASBUTTONS | TVS_LINESATROOT | TVS_SHOWSELALWAYS | WS_BORDER | WS_TABSTOP, 0, 240, 336, 310,
     170, false},
    {0, "Static", "独立表头 · Standalone header", kLabel, 0, 240, 514, 310, 16, false},
    {kIdHeader, WC_HEADERA, "", HDS_BUTTONS | HDS_HORZ, 0, 240, 532, 310, 24, false},
    {0, "Static", "悬停、点击、滚动，看皮肤如何作答。", kLabel, 0, 240, 574, 310, 16, false},

    // Bars and spinners.
    {0, "Static", "滑块：刻度在下 / 上 / 两侧 / 选区", kLabel, 0, 570, 36, 220, 16, false},
    {kIdTrackBottom, TRACKBAR_CLASSA, "", kTicks | TBS_BOTTOM, 0, 570, 54, 220, 30, false},
    {kIdTrackTop, TRACKBAR_CLASSA, "", kTicks | TBS_TOP, 0, 570, 88, 220, 30, false},
    {kIdTrackBoth, TRACKBAR_CLASSA, "", kTicks | TBS_BOTH, 0, 570, 122, 220, 40, false},
    {kIdTrackSelection, TRACKBAR_CLASSA, "", kTicks | TBS_ENABLESELRANGE, 0, 570, 166, 220, 30, false},
    {0, "Static", "竖直 · Vertical", kLabel, 0, 800, 36, 90, 16, false},
    {kIdTrackVertical, TRACKBAR_CLASSA, "", kTicks | TBS_VERT | TBS_BOTH, 0, 800, 54, 40, 142, false},
    {kIdProgressVertical, PROGRESS_CLASSA, "", PBS_VERTICAL, 0, 854, 54, 20, 142, false},
    {0, "Static", "进度条 · Progress bar", kLabel, 0, 570, 204, 220, 16, false},
    {kIdProgress, PROGRESS_CLASSA, "", 0, 0, 570, 222, 220, 18, false},
    {0, "Static", "上下按钮：竖直 / 水平 · Up-down", kLabel, 0, 570, 248, 310, 16, false},
    {kIdUpDownBuddy, "Edit", "20", kBuddy, 0, 570, 266, 100, 24, false},
    {kIdUpDown, UPDOWN_CLASSA, "", kUpDown, 0, 670, 266, 18, 24, false},
    // Aligned by hand: aligning to the buddy would squeeze the horizontal arrows into a sliver.
    {kIdUpDownHorzBuddy, "Edit", "3", kBuddy, 0, 700, 266, 92, 24, false},
    {kIdUpDownHorz, UPDOWN_CLASSA, "", UDS_SETBUDDYINT | UDS_ARROWKEYS | UDS_HORZ, 0, 794, 266, 40, 24, false},

    // The group box, registered as a sub-window, and what it holds; Tab enters it.
    {kIdGroupBox, "Button", "分组框 · Group box", BS_GROUPBOX | BS_LEFT, WS_EX_CONTROLPARENT, 570, 304, 310, 300,
     false},
    {kIdGroupLabel, "Static", "怪物名字：", kLabel, 0, 14, 30, 70, 16, true},
    {kIdGroupEdit, "Edit", "僵尸王", ES_LEFT | ES_AUTOHSCROLL | WS_TABSTOP, WS_EX_STATICEDGE, 86, 26, 206, 24, true},
    {kIdGroupCheck, "Button", "燃烧免疫 · Fire immune", BS_AUTOCHECKBOX | WS_TABSTOP, 0, 14, 60, 276, 22, true},
    {kIdGroupRadioDay, "Button", "白天出没", BS_AUTORADIOBUTTON | WS_GROUP | WS_TABSTOP, 0, 14, 88, 130, 22, true},
    {kIdGroupRadioNight, "Button", "夜晚出没", BS_AUTORADIOBUTTON, 0, 150, 88, 130, 22, true},
    {kIdGroupList, "ListBox", "", kListBox, 0, 14, 118, 278, 80, true},
    {kIdGroupProgress, PROGRESS_CLASSA, "", 0, 0, 14, 208, 278, 16, true},
    {kIdGroupButton, "Button", "生成 · Generate", BS_PUSHBUTTON | WS_TABSTOP, 0, 90, 240, 130, 32, true},
};

}  // namespace

const GalleryControl* GalleryControls(std::size_t* count) {
    *count = sizeof(kControls) / sizeof(kControls[0]);
    return kControls;
}

const GalleryControl* FindGalleryControl(int id) {
    for (const GalleryControl& control : kControls) {
        if (control.id == id && id != 0) return &control;
    }
    return nullptr;
}

}  // namespace gallery
