// Installing the list-like skin: which children of which class get an entry, in what
// order, and what the installer changes on them.
#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include "support/ListFixture.h"
#include "support/PopupTest.h"
#include "skin/controls/ListSkin.h"
#include "skin/core/Properties.h"

using list_test::AddControl;

namespace {

class ListInstall : public testing_support::PopupTest {
protected:
    bool IsSkinned(HWND window) const {
        return GetWindowLongPtrA(window, GWLP_WNDPROC) == reinterpret_cast<LONG_PTR>(skin::ListSkinProc);
    }
};

TEST_F(ListInstall, ClassesAreTakenInTheirOrderWithTheirProperties) {
    // Created in reverse, so the entry order can only come from the installer.
    HWND dateTime = AddControl(popup, "SysDateTimePick32", 0, WS_EX_CLIENTEDGE, 10, 200, 120, 24);
    HWND ip = AddControl(popup, "SysIPAddress32", 0, WS_EX_CLIENTEDGE, 140, 200, 140, 24);
    HWND tree = AddControl(popup, "SysTreeView32", 0, WS_EX_CLIENTEDGE, 10, 110, 100, 80);
    HWND listView = AddControl(popup, "SysListView32", LVS_REPORT, WS_EX_CLIENTEDGE, 120, 110, 100, 80);
    HWND combo = AddControl(popup, "ComboBox", CBS_SIMPLE, 0, 10, 10, 100, 90);
    HWND listBox = AddControl(popup, "ListBox", 0, WS_EX_CLIENTEDGE, 120, 10, 100, 90);
    HWND comboList = FindWindowExA(combo, nullptr, "ComboLBox", nullptr);
    ASSERT_NE(nullptr, comboList);
    const LONG_PTR listBoxProc = GetWindowLongPtrA(listBox, GWLP_WNDPROC);

    skin::InstallListSkin(popup.index(), popup.hwnd());
    skin::InstallListSkin(popup.index(), popup.hwnd());  // a second pass registers nothing new

    const HWND expected[] = {listBox, comboList, listView, tree, ip, dateTime};
    const auto& list = popup.record().listControls;
    ASSERT_EQ(6, list.count());
    for (int index = 1; index <= 6; ++index) {
        HWND control = expected[index - 1];
        SCOPED_TRACE(index);
        ASSERT_NE(nullptr, list.at(index));
        EXPECT_EQ(control, list.at(index)->hwnd);
        EXPECT_EQ(index, skin::GetPropInt(control, skin::kPropListIndex));
        EXPECT_EQ(popup.index(), skin::GetPropInt(control, skin::kPropOwnerIndex));
        EXPECT_EQ(reinterpret_cast<uintptr_t>(list.at(index)->previousProc),
                  skin::GetPropValue(control, skin::kPropPreviousProc));
        EXPECT_TRUE(IsSkinned(control));
        EXPECT_EQ(0, list.at(index)->focused);
        EXPECT_EQ(0, list.at(index)->hover);
        EXPECT_EQ(0, list.at(index)->arrowKeyDown);
    }
    EXPECT_EQ(listBoxProc, reinterpret_cast<LONG_PTR>(list.at(1)->previousProc));
    EXPECT_FALSE(IsSkinned(combo));  // the combo box itself belongs to another skin
}

TEST_F(ListInstall, FiltersLeaveSortedListViewsAndOwnerDrawnOrForeignComboListsAlone) {
    skin::SkinTranslucentEdits = 1;
    HWND sorted = AddControl(popup, "SysListView32", LVS_REPORT | LVS_SORTASCENDING, 0, 10, 10, 100, 80);
    const COLORREF sortedTextBack = static_cast<COLORREF>(SendMessageA(sorted, LVM_GETTEXTBKCOLOR, 0, 0));
    HWND ownerDrawnCombo = AddControl(popup, "ComboBox", CBS_SIMPLE | CBS_OWNERDRAWFIXED, 0, 120, 10, 100, 90);
    HWND dropDown = AddControl(popup, "ComboBox", CBS_DROPDOWNLIST, 0, 230, 10, 80, 120);
    HWND ownerDrawnListBox = AddControl(popup, "ListBox", LBS_OWNERDRAWFIXED, WS_EX_CLIENTEDGE, 10, 110, 100, 80);
    HWND ownerDrawnList = FindWindowExA(ownerDrawnCombo, nullptr, "ComboLBox", nullptr);
    ASSERT_NE(nullptr, ownerDrawnList);

    skin::InstallListSkin(popup.index(), popup.hwnd());

    const auto& list = popup.record().listControls;
    ASSERT_EQ(1, list.count());
    EXPECT_EQ(ownerDrawnListBox, list.at(1)->hwnd);  // owner-drawn list boxes are skinned
    EXPECT_FALSE(IsSkinned(sorted));
    EXPECT_EQ(nullptr, GetPropA(sorted, skin::kPropListIndex));
    EXPECT_EQ(sortedTextBack, static_cast<COLORREF>(SendMessageA(sorted, LVM_GETTEXTBKCOLOR, 0, 0)));
    EXPECT_FALSE(IsSkinned(ownerDrawnList));
    // A drop-down list that is not the combo's child stays unskinned wherever it lives.
    COMBOBOXINFO info = {};
    info.cbSize = sizeof(info);
    if (GetComboBoxInfo(dropDown, &info) && info.hwndList) {
        EXPECT_FALSE(IsSkinned(info.hwndList));
    }
}

TEST_F(ListInstall, TranslucencyMakesListTextsAndTreeBackgroundsSeeThrough) {
    HWND plainView = AddControl(popup, "SysListView32", LVS_REPORT, 0, 10, 10, 100, 80);
    HWND plainTree = AddControl(popup, "SysTreeView32", 0, 0, 120, 10, 100, 80);
    const COLORREF viewTextBack = static_cast<COLORREF>(SendMessageA(plainView, LVM_GETTEXTBKCOLOR, 0, 0));
    const COLORREF treeBack = static_cast<COLORREF>(SendMessageA(plainTree, TVM_GETBKCOLOR, 0, 0));
    skin::InstallListSkin(popup.index(), popup.hwnd());
    EXPECT_EQ(viewTextBack, static_cast<COLORREF>(SendMessageA(plainView, LVM_GETTEXTBKCOLOR, 0, 0)));
    EXPECT_EQ(treeBack, static_cast<COLORREF>(SendMessageA(plainTree, TVM_GETBKCOLOR, 0, 0)));

    skin::SkinTranslucentEdits = 1;
    HWND view = AddControl(popup, "SysListView32", LVS_REPORT, 0, 10, 100, 100, 80);
    HWND tree = AddControl(popup, "SysTreeView32", 0, 0, 120, 100, 100, 80);
    skin::InstallListSkin(popup.index(), popup.hwnd());
    EXPECT_EQ(CLR_NONE, static_cast<COLORREF>(SendMessageA(view, LVM_GETTEXTBKCOLOR, 0, 0)));
    EXPECT_EQ(RGB(255, 0, 255), static_cast<COLORREF>(SendMessageA(tree, TVM_GETBKCOLOR, 0, 0)));
}

TEST_F(ListInstall, NothingIsSkinnedWhileControlSkinsAreOffOrForAnUnknownRecord) {
    HWND listBox = AddControl(popup, "ListBox", 0, WS_EX_CLIENTEDGE, 10, 10, 100, 80);
    HWND combo = AddControl(popup, "ComboBox", CBS_SIMPLE, 0, 120, 10, 100, 90);
    skin::SkinControls = 0;
    skin::InstallListSkin(popup.index(), popup.hwnd());
    skin::SkinControls = 1;
    skin::InstallListSkin(popup.index() + 3, popup.hwnd());
    skin::InstallListSkin(popup.index(), nullptr);

    EXPECT_EQ(1, popup.record().listControls.count());
    EXPECT_EQ(nullptr, popup.record().listControls.at(1)->hwnd);
    EXPECT_FALSE(IsSkinned(listBox));
    EXPECT_FALSE(IsSkinned(FindWindowExA(combo, nullptr, "ComboLBox", nullptr)));
}

}  // namespace
