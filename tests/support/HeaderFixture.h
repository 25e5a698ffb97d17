#pragma once
// A skinned popup holding headers and list views, on a black background with a blue theme
// and translucent cells, so that every layer of a header cell can be predicted.
#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include "support/SkinnedPopup.h"
#include "skin/controls/HeaderSkin.h"
#include "support/UpDownFixture.h"
#include "skin/core/Properties.h"
#include "support/GdiplusSession.h"
#include "support/Pump.h"
#include "support/Pixels.h"

namespace header_test {

using testing_support::Rgb;
using updown_test::GradientOver;
using updown_test::kBlackRgb;
using updown_test::kBlueRgb;
using updown_test::kWhiteRgb;

inline constexpr int kHeaderHeight = 24;

// The veiled cell before its tone: white at 160 over black.
inline Rgb Veil() { return testing_support::Over(kBlackRgb, kWhiteRgb, 160); }

// A cell at row y (no text, no tint), with or without HDS_BUTTONS.
inline Rgb Cell(bool buttons, int y, int height = kHeaderHeight) {
    const double t = (y + 0.5) / height;
    return buttons ? GradientOver(Veil(), kWhiteRgb, 80, kBlueRgb, 120, t)
                   : GradientOver(Veil(), kBlueRgb, 60, kBlueRgb, 10, t);
}

class HeaderTest : public testing::Test {
protected:
    HeaderTest() : popup(RGB(0, 0, 0), 420, 300) {
        skin::SkinThemeColour = updown_test::kBlue;
        skin::SkinTranslucentEdits = 1;
        skin::SkinVeilAlpha = 160;
        SetCursorPos(900, 700);  // far from the popup, so no real pointer interferes
    }
    void TearDown() override { testing_support::PumpMessages(); }

    HWND addHeader(DWORD style, int x, int y, int width) {
        HWND header = popup.add(WC_HEADERA, "", style, x, y, width, kHeaderHeight);
        SendMessageA(header, WM_SETFONT, reinterpret_cast<WPARAM>(GetStockObject(DEFAULT_GUI_FONT)), FALSE);
        return header;
    }
    static void addItem(HWND header, int width, const char* text = "", int format = HDF_LEFT, int image = -1) {
        HDITEMA item = {};
        item.mask = HDI_WIDTH | HDI_FORMAT | HDI_TEXT | (image >= 0 ? HDI_IMAGE : 0);
        item.cxy = width;
        item.fmt = format | HDF_STRING | (image >= 0 ? HDF_IMAGE : 0);
        item.pszText = const_cast<char*>(text);
        item.iImage = image;
        SendMessageA(header, HDM_INSERTITEMA, 1000, reinterpret_cast<LPARAM>(&item));
    }
    // A report-view list view with columns of the given widths; its header is the list's child.
    HWND addListView(DWORD style, int x, int y, int width, int height, std::initializer_list<int> columns) {
        HWND list = popup.add(WC_LISTVIEWA, "", LVS_REPORT | style, x, y, width, height);
        int i = 0;
        for (int columnWidth : columns) {
            LVCOLUMNA column = {};
            column.mask = LVCF_WIDTH | LVCF_TEXT;
            column.cx = columnWidth;
            column.pszText = const_cast<char*>("");
            SendMessageA(list, LVM_INSERTCOLUMNA, i++, reinterpret_cast<LPARAM>(&column));
        }
        return list;
    }
    static HWND headerOf(HWND listView) { return reinterpret_cast<HWND>(SendMessageA(listView, LVM_GETHEADER, 0, 0)); }

    int index() const { return popup.index(); }
    skin::HeaderEntry& entry(int i) const { return *popup.record().headerControls.at(i); }
    void install() { skin::InstallHeaderSkin(index(), popup.hwnd()); }

    testing_support::SettingsGuard settings;
    testing_support::SkinnedPopup popup;
};

}  // namespace header_test
