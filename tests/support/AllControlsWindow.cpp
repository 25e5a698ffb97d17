#include "support/AllControlsWindow.h"

#include <commctrl.h>

#include "editor/FormLayout.h"
#include "support/TestWindows.h"

namespace testing_support {
namespace {

constexpr char kClassName[] = "SkinTestAllControls";
constexpr char kColourProperty[] = "Kj_Ztys";

LRESULT CALLBACK AllControlsProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    return DefWindowProcA(window, message, wParam, lParam);
}

const char* RegisteredClass() {
    static const char* name = RegisterTestClass(kClassName, AllControlsProc, COLOR_BTNFACE, CS_DBLCLKS, true);
    return name;
}

HWND Add(HWND parent, const char* className, const char* text, DWORD style, DWORD exStyle, int x, int y, int width,
         int height, int id) {
    HWND control =
        CreateWindowExA(exStyle, className, text, WS_CHILD | WS_VISIBLE | style, x, y, width, height, parent,
                        reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), GetModuleHandleA(nullptr), nullptr);
    if (control) SendMessageA(control, WM_SETFONT, reinterpret_cast<WPARAM>(GetStockObject(DEFAULT_GUI_FONT)), FALSE);
    return control;
}

void Colour(HWND control, COLORREF colour) {
    SetPropA(control, kColourProperty, reinterpret_cast<HANDLE>(static_cast<UINT_PTR>(colour)));
}

void FillLists(HWND window) {
    static const char* const kItems[] = {"zombie", "skeleton", "creeper", "spider", "enderman", "witch", "blaze"};
    for (int id : {kAllDropDownCombo, kAllDropListCombo, kAllSimpleCombo}) {
        for (const char* item : kItems)
            SendDlgItemMessageA(window, id, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(item));
    }
    SendDlgItemMessageA(window, kAllDropListCombo, CB_SETCURSEL, 1, 0);
    for (int i = 0; i < 3; ++i) {
        for (const char* item : kItems)
            SendDlgItemMessageA(window, kAllListBox, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(item));
    }

    HWND view = GetDlgItem(window, kAllListView);
    for (int c = 0; c < 2; ++c) {
        LVCOLUMNA column = {};
        column.mask = LVCF_TEXT | LVCF_WIDTH;
        column.cx = 70;
        column.pszText = const_cast<char*>(c ? "kind" : "name");
        SendMessageA(view, LVM_INSERTCOLUMNA, c, reinterpret_cast<LPARAM>(&column));
    }
    for (int i = 0; i < 6; ++i) {
        LVITEMA item = {};
        item.mask = LVIF_TEXT;
        item.iItem = i;
        item.pszText = const_cast<char*>(kItems[i]);
        SendMessageA(view, LVM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&item));
    }

    HWND tree = GetDlgItem(window, kAllTreeView);
    for (int root = 0; root < 3; ++root) {
        TVINSERTSTRUCTA insert = {};
        insert.hParent = TVI_ROOT;
        insert.hInsertAfter = TVI_LAST;
        insert.item.mask = TVIF_TEXT;
        insert.item.pszText = const_cast<char*>(kItems[root]);
        auto parent =
            reinterpret_cast<HTREEITEM>(SendMessageA(tree, TVM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&insert)));
        for (int leaf = 3; leaf < 6; ++leaf) {
            insert.hParent = parent;
            insert.item.pszText = const_cast<char*>(kItems[leaf]);
            SendMessageA(tree, TVM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&insert));
        }
    }

    HWND header = GetDlgItem(window, kAllHeader);
    for (int i = 0; i < 3; ++i) {
        HDITEMA item = {};
        item.mask = HDI_WIDTH | HDI_FORMAT | HDI_TEXT;
        item.cxy = 70;
        item.fmt = HDF_LEFT | HDF_STRING;
        item.pszText = const_cast<char*>(kItems[i]);
        SendMessageA(header, HDM_INSERTITEMA, i, reinterpret_cast<LPARAM>(&item));
    }

    SendDlgItemMessageA(window, kAllTrackBar, TBM_SETRANGE, TRUE, MAKELPARAM(0, 100));
    SendDlgItemMessageA(window, kAllTrackBar, TBM_SETPOS, TRUE, 30);
    SendDlgItemMessageA(window, kAllVerticalTrackBar, TBM_SETRANGE, TRUE, MAKELPARAM(0, 10));
    SendDlgItemMessageA(window, kAllProgress, PBM_SETPOS, 40, 0);
    SendDlgItemMessageA(window, kAllVerticalProgress, PBM_SETPOS, 70, 0);
    SendDlgItemMessageA(window, kAllUpDown, UDM_SETRANGE32, 0, 100);
    SendDlgItemMessageA(window, kAllUpDown, UDM_SETPOS32, 0, 5);
}

// Every single-line field scrolls its text: Wine's edit breaks its heap when text is
// inserted into a field without ES_AUTOHSCROLL that is already full.
void CreateControls(HWND w) {
    const DWORD tab = WS_TABSTOP;
    Colour(Add(w, "Static", "label", SS_LEFTNOWORDWRAP, 0, 10, 35, 80, 16, kAllLabel), RGB(0, 0, 255));
    Add(w, "Button", "push", tab | BS_PUSHBUTTON, 0, 100, 32, 70, 24, kAllPush);
    Add(w, "Button", "default", tab | BS_DEFPUSHBUTTON, 0, 180, 32, 70, 24, kAllDefaultPush);
    Colour(Add(w, "Button", "check", tab | BS_AUTOCHECKBOX, 0, 260, 32, 80, 20, kAllCheck), RGB(255, 0, 0));
    Colour(Add(w, "Button", "radio a", tab | BS_AUTORADIOBUTTON | WS_GROUP, 0, 350, 32, 80, 20, kAllRadioA), 0);
    Colour(Add(w, "Button", "radio b", BS_AUTORADIOBUTTON, 0, 440, 32, 80, 20, kAllRadioB), 0);
    Add(w, "Edit", "single line", tab | ES_AUTOHSCROLL, WS_EX_STATICEDGE, 10, 62, 150, 22, kAllEdit);
    Add(w, "Edit", "first\r\nsecond\r\nthird\r\nfourth\r\nfifth", tab | ES_MULTILINE | ES_AUTOVSCROLL | WS_VSCROLL,
        WS_EX_CLIENTEDGE, 170, 62, 150, 60, kAllMultiLineEdit);
    Add(w, "Edit", "read only", tab | ES_READONLY | ES_AUTOHSCROLL, WS_EX_STATICEDGE, 330, 62, 120, 22,
        kAllReadOnlyEdit);
    Add(w, "ComboBox", "", tab | CBS_DROPDOWN | CBS_AUTOHSCROLL | WS_VSCROLL, 0, 10, 92, 150, 150, kAllDropDownCombo);
    Add(w, "ComboBox", "", tab | CBS_DROPDOWNLIST | WS_VSCROLL, 0, 460, 62, 120, 150, kAllDropListCombo);
    Add(w, "ComboBox", "", tab | CBS_SIMPLE | CBS_AUTOHSCROLL, 0, 460, 92, 120, 80, kAllSimpleCombo);
    Add(w, "ListBox", "", tab | WS_VSCROLL | LBS_NOTIFY, WS_EX_CLIENTEDGE, 10, 130, 120, 90, kAllListBox);
    Add(w, WC_LISTVIEWA, "", tab | LVS_REPORT, WS_EX_CLIENTEDGE, 140, 130, 160, 90, kAllListView);
    Add(w, WC_TREEVIEWA, "", tab | TVS_HASBUTTONS | TVS_HASLINES | TVS_LINESATROOT, WS_EX_CLIENTEDGE, 310, 130, 140, 90,
        kAllTreeView);
    Add(w, WC_IPADDRESSA, "", tab, 0, 10, 230, 130, 22, kAllIpAddress);
    Add(w, DATETIMEPICK_CLASSA, "", tab, 0, 150, 230, 130, 22, kAllDatePicker);
    Add(w, TRACKBAR_CLASSA, "", tab | TBS_AUTOTICKS, 0, 290, 230, 160, 30, kAllTrackBar);
    Add(w, TRACKBAR_CLASSA, "", tab | TBS_VERT | TBS_BOTH, 0, 590, 32, 36, 140, kAllVerticalTrackBar);
    Add(w, PROGRESS_CLASSA, "", 0, 0, 10, 262, 200, 18, kAllProgress);
    Add(w, PROGRESS_CLASSA, "", PBS_VERTICAL, 0, 640, 32, 18, 140, kAllVerticalProgress);
    HWND buddy =
        Add(w, "Edit", "5", tab | ES_NUMBER | ES_AUTOHSCROLL, WS_EX_STATICEDGE, 220, 262, 60, 22, kAllBuddyEdit);
    HWND upDown =
        Add(w, UPDOWN_CLASSA, "", UDS_ALIGNRIGHT | UDS_SETBUDDYINT | UDS_ARROWKEYS, 0, 0, 0, 0, 0, kAllUpDown);
    SendMessageA(upDown, UDM_SETBUDDY, reinterpret_cast<WPARAM>(buddy), 0);
    Add(w, UPDOWN_CLASSA, "", UDS_HORZ, 0, 300, 262, 40, 22, kAllHorizontalUpDown);
    Add(w, WC_HEADERA, "", HDS_BUTTONS, 0, 350, 262, 220, 24, kAllHeader);
    Add(w, "ScrollBar", "", SBS_HORZ, 0, 10, 290, 200, 16, kAllScrollBar);
    Colour(Add(w, "Static", "a longer note in another colour", 0, 0, 220, 292, 240, 16, kAllNote), RGB(0, 128, 0));

    HWND group = Add(w, "Button", "group", BS_GROUPBOX, 0, 10, 315, 460, 90, editor::kIdGroupBox);
    Colour(Add(group, "Button", "inside", tab | BS_AUTOCHECKBOX, 0, 10, 20, 80, 20, kAllGroupCheck), RGB(0, 0, 128));
    Add(group, "Edit", "inside edit", tab | ES_AUTOHSCROLL, WS_EX_STATICEDGE, 100, 20, 120, 22, kAllGroupEdit);
    Colour(Add(group, "Static", "inside label", 0, 0, 230, 22, 100, 16, kAllGroupLabel), RGB(128, 0, 0));
    Add(group, "Button", "inside push", tab | BS_PUSHBUTTON, 0, 340, 18, 100, 24, kAllGroupPush);
    FillLists(w);
}

void CollectComboLists(HWND window, std::vector<HWND>& out) {
    COMBOBOXINFO info = {};
    info.cbSize = sizeof(info);
    if (GetComboBoxInfo(window, &info) && info.hwndList && GetParent(info.hwndList) != window)
        out.push_back(info.hwndList);
}

BOOL CALLBACK Collect(HWND child, LPARAM lParam) {
    auto* out = reinterpret_cast<std::vector<HWND>*>(lParam);
    out->push_back(child);
    char name[32] = {};
    GetClassNameA(child, name, sizeof(name));
    if (lstrcmpiA(name, "ComboBox") == 0) CollectComboLists(child, *out);
    return TRUE;
}

}  // namespace

HWND CreateAllControlsWindow(const AllControlsOptions& options) {
    HWND window = CreateWindowExA(WS_EX_APPWINDOW, RegisteredClass(), "All controls",
                                  WS_POPUP | WS_MINIMIZEBOX | WS_MAXIMIZEBOX | WS_SYSMENU | WS_CLIPSIBLINGS, options.x,
                                  options.y, 680, 420, nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
    if (!window) return nullptr;
    CreateControls(window);
    if (options.onCreated) options.onCreated(window);
    if (options.show) {
        ShowWindow(window, SW_SHOW);
        UpdateWindow(window);
    }
    return window;
}

HWND AllControlsItem(HWND window, int id) {
    if (HWND direct = GetDlgItem(window, id)) return direct;
    return GetDlgItem(GetDlgItem(window, editor::kIdGroupBox), id);
}

std::vector<HWND> AllControlsOf(HWND window) {
    std::vector<HWND> out;
    EnumChildWindows(window, Collect, reinterpret_cast<LPARAM>(&out));
    return out;
}

}  // namespace testing_support
