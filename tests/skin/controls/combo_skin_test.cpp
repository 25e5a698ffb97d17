// Combo boxes under the skin: each box once with its field, the selection shown from the
// start, the drop button's width, areas of child windows left alone, the selected text
// of a list-only box, outlines that follow focus and hover, and the field's colours.
#include <gtest/gtest.h>

#include <string>

#include "skin/controls/ComboSkin.h"
#include "support/EditComboFixture.h"
#include "skin/controls/EditSkin.h"
#include "skin/draw/Geometry.h"
#include "support/GdiCount.h"

using namespace edit_combo_test;
using testing_support::SkinnedPopup;

namespace {

const COLORREF kFaint = Blend(kVeiled, kBlack, 80);
const COLORREF kHighlight = Blend(kVeiled, kTheme, 200);

HWND FieldOf(HWND combo) { return FindWindowExA(combo, nullptr, "Edit", nullptr); }

void Fill(HWND window, COLORREF colour) {
    const SIZE size = WindowSize(window);
    testing_support::Scribble(window, RECT{0, 0, size.cx, size.cy}, colour, true);
}

// Pixels of the area for which the test holds.
template <class Test>
int CountPixels(HWND window, const RECT& area, Test test) {
    int count = 0;
    for (int y = area.top; y < area.bottom; ++y) {
        for (int x = area.left; x < area.right; ++x) {
            if (test(WindowPixel(window, x, y))) ++count;
        }
    }
    return count;
}

bool IsDark(COLORREF c) { return GetRValue(c) + GetGValue(c) + GetBValue(c) < 200; }
bool IsRed(COLORREF c) { return GetRValue(c) > 120 && GetGValue(c) < 60 && GetBValue(c) < 60; }

class ComboSkin : public testing::Test {
protected:
    void TearDown() override {
        SetCursorPos(600, 500);
        testing_support::PumpMessages();
    }
    HWND addCombo(DWORD type, int x, int y, int height = 160) {
        return AddControl(popup, "ComboBox", 0, type, x, y, 120, height);
    }
    static void addItems(HWND combo) {
        for (const char* item : {"WWWW", "beta", "gamma"}) {
            SendMessageA(combo, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(item));
        }
    }
    void install() {
        skin::InstallEditAndComboSkins(popup.index(), popup.hwnd());
        RedrawNow(popup.hwnd());
    }
    int entryOf(HWND combo) { return popup.record().comboControls.findWindow(combo); }
    // A plain edit beside the boxes, to take the focus or to ask for colours.
    HWND addEdit() { return AddControl(popup, "Edit", WS_EX_STATICEDGE, 0, 150, 150, 100, 24); }
    // Moves the focus and lets the repaints it queued run.
    static void focus(HWND window) {
        SetFocus(window);
        testing_support::PumpMessages();
    }

    Settings settings{true, kVeil};
    SkinnedPopup popup{kBackground};
};

TEST_F(ComboSkin, InstallingTwiceSkinsEachBoxAndItsFieldOnce) {
    HWND list = addCombo(CBS_DROPDOWNLIST, 10, 10);
    HWND drop = addCombo(CBS_DROPDOWN, 10, 50);
    HWND simple = addCombo(CBS_SIMPLE, 150, 10, 100);
    HWND plainEdit = addEdit();

    skin::InstallEditAndComboSkins(popup.index(), popup.hwnd());
    skin::InstallEditAndComboSkins(popup.index(), popup.hwnd());

    auto& combos = popup.record().comboControls;
    ASSERT_EQ(3, combos.count());
    for (HWND combo : {list, drop, simple}) {
        const int index = combos.findWindow(combo);
        ASSERT_NE(0, index);
        EXPECT_EQ(index, skin::GetPropInt(combo, skin::kPropListIndex));
        EXPECT_EQ(popup.index(), skin::GetPropInt(combo, skin::kPropOwnerIndex));
        EXPECT_EQ(reinterpret_cast<LONG_PTR>(skin::ComboSkinProc), GetWindowLongPtrA(combo, GWLP_WNDPROC));
    }
    // Edits first, then the fields of the boxes that have one.
    auto& edits = popup.record().editControls;
    ASSERT_EQ(3, edits.count());
    EXPECT_EQ(plainEdit, edits.at(1)->hwnd);
    for (HWND field : {FieldOf(drop), FieldOf(simple)}) {
        ASSERT_NE(nullptr, field);
        EXPECT_NE(0, skin::FindEditEntry(popup.index(), field));
        EXPECT_EQ(popup.index(), skin::GetPropInt(field, skin::kPropOwnerIndex));
        EXPECT_EQ(reinterpret_cast<LONG_PTR>(skin::EditSkinProc), GetWindowLongPtrA(field, GWLP_WNDPROC));
    }
}

TEST_F(ComboSkin, FieldsStayTheSystemsWhileEditsAreOpaque) {
    skin::SkinTranslucentEdits = 0;
    HWND drop = addCombo(CBS_DROPDOWN, 10, 50);
    const LONG_PTR fieldProc = GetWindowLongPtrA(FieldOf(drop), GWLP_WNDPROC);
    install();
    EXPECT_EQ(drop, popup.record().comboControls.at(1)->hwnd);
    EXPECT_EQ(nullptr, popup.record().editControls.at(1)->hwnd);
    EXPECT_EQ(fieldProc, GetWindowLongPtrA(FieldOf(drop), GWLP_WNDPROC));
}

TEST_F(ComboSkin, TheSelectedItemBecomesTheTextWhenInstalled) {
    HWND drop = addCombo(CBS_DROPDOWN, 10, 50);
    addItems(drop);
    SendMessageA(drop, CB_SETCURSEL, 1, 0);
    SetWindowTextA(FieldOf(drop), "typed over");
    install();
    char text[32] = {};
    GetWindowTextA(drop, text, sizeof(text));
    EXPECT_STREQ("beta", text);

    // Text still reaches the box through its skin.
    SendMessageA(drop, WM_SETTEXT, 0, reinterpret_cast<LPARAM>("gamma"));
    SendMessageA(drop, WM_GETTEXT, sizeof(text), reinterpret_cast<LPARAM>(text));
    EXPECT_STREQ("gamma", text);
}

TEST_F(ComboSkin, TheDropButtonIsSeventeenWideForAListAndEighteenForADropDown) {
    HWND list = addCombo(CBS_DROPDOWNLIST, 10, 10);
    HWND drop = addCombo(CBS_DROPDOWN, 10, 50);
    install();

    for (HWND combo : {list, drop}) {
        const SIZE size = WindowSize(combo);
        const int buttonWidth = combo == list ? 17 : 18;
        const int left = size.cx - buttonWidth - 2;
        const int middle = size.cy / 2;
        EXPECT_TRUE(Near(kFaint, WindowPixel(combo, left, middle))) << buttonWidth;
        EXPECT_FALSE(Near(kFaint, WindowPixel(combo, left - 1, middle))) << buttonWidth;
        EXPECT_FALSE(Near(kFaint, WindowPixel(combo, left + 1, middle))) << buttonWidth;
        EXPECT_TRUE(Near(kFaint, WindowPixel(combo, size.cx - 3, middle))) << buttonWidth;  // right edge
    }
}

TEST_F(ComboSkin, AreasOfChildWindowsAreLeftUntouched) {
    HWND drop = addCombo(CBS_DROPDOWN, 10, 50);
    HWND simple = addCombo(CBS_SIMPLE, 150, 10, 100);
    install();

    for (HWND combo : {drop, simple}) {
        // Children unclipped, so that the green reaches them and only the skin could remove it.
        SetWindowLongA(combo, GWL_STYLE, GetWindowLongA(combo, GWL_STYLE) & ~WS_CLIPCHILDREN);
        Fill(combo, kKeptColour);
        skin::PaintComboBox(popup.index(), entryOf(combo), false);

        HWND field = FieldOf(combo);
        const SIZE fieldSize = WindowSize(field);
        EXPECT_TRUE(Near(kKeptColour, WindowPixel(field, fieldSize.cx / 2, fieldSize.cy / 2), 0));
        EXPECT_TRUE(Near(kKeptColour, WindowPixel(field, 0, 0), 0));
        EXPECT_TRUE(Near(kVeiled, WindowPixel(combo, 1, 1)));  // between outline and field
    }

    // A simple box's list keeps a 2-pixel band of the box's own background.
    HWND list = FindWindowExA(simple, nullptr, "ComboLBox", nullptr);
    ASSERT_NE(nullptr, list);
    const RECT area = skin::ChildRectInParentWindow(list);
    const int middle = (area.top + area.bottom) / 2;
    HDC dc = GetWindowDC(simple);
    EXPECT_TRUE(Near(kKeptColour, GetPixel(dc, area.left + 2, middle), 0));
    EXPECT_TRUE(Near(kKeptColour, GetPixel(dc, (area.left + area.right) / 2, area.bottom - 3), 0));
    EXPECT_FALSE(Near(kKeptColour, GetPixel(dc, area.left + 1, middle), 0));
    EXPECT_FALSE(Near(kKeptColour, GetPixel(dc, (area.left + area.right) / 2, area.bottom - 2), 0));
    ReleaseDC(simple, dc);
}

TEST_F(ComboSkin, AListOnlyBoxWritesItsSelectedText) {
    HWND list = addCombo(CBS_DROPDOWNLIST, 10, 10);
    addItems(list);
    SendMessageA(list, CB_SETCURSEL, 0, 0);
    install();
    const SIZE size = WindowSize(list);
    const int index = entryOf(list);
    const RECT textArea = {0, 2, size.cx - 20, size.cy - 2};

    skin::PaintComboBox(popup.index(), index, false);
    EXPECT_GT(CountPixels(list, textArea, IsDark), 10);
    // Ink starts at the text's left margin of 2 pixels, not at the outline.
    EXPECT_EQ(0, CountPixels(list, RECT{0, 2, 2, size.cy - 2}, IsDark));

    skin::SetPropColour(list, skin::kPropTextColour, RGB(230, 0, 0));
    skin::PaintComboBox(popup.index(), index, false);
    EXPECT_GT(CountPixels(list, textArea, IsRed), 10);
    EXPECT_EQ(0, CountPixels(list, textArea, IsDark));

    SendMessageA(list, CB_SETCURSEL, static_cast<WPARAM>(-1), 0);
    skin::PaintComboBox(popup.index(), index, false);
    EXPECT_EQ(0, CountPixels(list, textArea, IsRed));
}

TEST_F(ComboSkin, FocusLightsTheOutlineAndHoverAlsoTheButton) {
    HWND list = addCombo(CBS_DROPDOWNLIST, 10, 10);
    HWND other = addEdit();
    install();
    const SIZE size = WindowSize(list);
    const int middle = size.cy / 2;
    const int buttonLeft = size.cx - 17 - 2;
    const COLORREF restingFace = WindowPixel(list, buttonLeft + 3, size.cy - 5);
    EXPECT_TRUE(Near(kFaint, WindowPixel(list, 0, middle)));

    focus(list);
    EXPECT_TRUE(Near(kHighlight, WindowPixel(list, 0, middle)));
    EXPECT_TRUE(Near(kFaint, WindowPixel(list, buttonLeft, middle)));  // focus leaves the button

    RECT window = {};
    GetWindowRect(list, &window);
    SetCursorPos(window.left + 10, window.top + middle);
    SendMessageA(list, WM_MOUSEMOVE, 0, MAKELPARAM(10, middle));
    EXPECT_TRUE(Near(kHighlight, WindowPixel(list, buttonLeft, middle)));
    EXPECT_FALSE(Near(restingFace, WindowPixel(list, buttonLeft + 3, size.cy - 5), 10));
    EXPECT_EQ(popup.record().hotIndex, entryOf(list));
    EXPECT_EQ(skin::kHotKindCombo, popup.record().hotKind);

    SetCursorPos(600, 500);
    SendMessageA(list, WM_MOUSELEAVE, 0, 0);
    EXPECT_TRUE(Near(kFaint, WindowPixel(list, buttonLeft, middle)));
    EXPECT_TRUE(Near(restingFace, WindowPixel(list, buttonLeft + 3, size.cy - 5)));
    EXPECT_EQ(0, popup.record().hotIndex);

    focus(other);
    EXPECT_TRUE(Near(kFaint, WindowPixel(list, 0, middle)));
}

TEST_F(ComboSkin, ADropDownBoxShowsFocusWhileItsFieldHasIt) {
    HWND drop = addCombo(CBS_DROPDOWN, 10, 50);
    HWND other = addEdit();
    install();
    const int middle = WindowSize(drop).cy / 2;

    focus(FieldOf(drop));
    EXPECT_TRUE(Near(kHighlight, WindowPixel(drop, 0, middle)));
    // Hover coming and going, a new selection and a full redraw all keep the focus look.
    SendMessageA(drop, WM_MOUSEMOVE, 0, MAKELPARAM(10, middle));
    SendMessageA(drop, WM_MOUSELEAVE, 0, 0);
    EXPECT_TRUE(Near(kHighlight, WindowPixel(drop, 0, middle)));
    SendMessageA(drop, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>("item"));
    SendMessageA(drop, CB_SETCURSEL, 0, 0);
    RedrawWindow(drop, nullptr, nullptr, RDW_INVALIDATE | RDW_FRAME | RDW_ERASE | RDW_UPDATENOW | RDW_ALLCHILDREN);
    EXPECT_TRUE(Near(kHighlight, WindowPixel(drop, 0, middle)));

    focus(other);
    EXPECT_TRUE(Near(kFaint, WindowPixel(drop, 0, middle)));
}

TEST_F(ComboSkin, TheBoxAnswersItsOwnFieldsColourRequestsOnly) {
    HWND drop = addCombo(CBS_DROPDOWN, 10, 50);
    HWND foreign = addEdit();
    install();
    HWND field = FieldOf(drop);
    HDC dc = GetDC(field);
    SendMessageA(drop, WM_CTLCOLOREDIT, reinterpret_cast<WPARAM>(dc), reinterpret_cast<LPARAM>(field));
    const int baseline = testing_support::LiveGdiObjects();

    LRESULT answer = 0;
    for (int i = 0; i < 10; ++i) {
        answer = SendMessageA(drop, WM_CTLCOLOREDIT, reinterpret_cast<WPARAM>(dc), reinterpret_cast<LPARAM>(field));
    }
    EXPECT_EQ(skin::GetPropValue(field, skin::kPropBrush), static_cast<uintptr_t>(answer));
    EXPECT_EQ(TRANSPARENT, GetBkMode(dc));
    EXPECT_EQ(baseline, testing_support::LiveGdiObjects());

    SendMessageA(drop, WM_CTLCOLOREDIT, reinterpret_cast<WPARAM>(dc), reinterpret_cast<LPARAM>(foreign));
    SendMessageA(drop, WM_CTLCOLOREDIT, reinterpret_cast<WPARAM>(dc), 0);
    EXPECT_EQ(nullptr, GetPropA(foreign, skin::kPropBrush));

    skin::SkinTranslucentEdits = 0;
    SendMessageA(drop, WM_CTLCOLOREDIT, reinterpret_cast<WPARAM>(dc), reinterpret_cast<LPARAM>(field));
    EXPECT_EQ(skin::GetPropValue(field, skin::kPropBrush), static_cast<uintptr_t>(answer));
    ReleaseDC(field, dc);
}

TEST_F(ComboSkin, ChildRectanglesAreMeasuredFromTheParentsCorner) {
    HWND drop = addCombo(CBS_DROPDOWN, 10, 50);
    HWND field = FieldOf(drop);
    const RECT expected = skin::WindowRectRelativeTo(drop, field);
    const RECT measured = skin::ChildRectInParentWindow(field);
    EXPECT_TRUE(EqualRect(&expected, &measured));
    EXPECT_GT(measured.right, measured.left);

    const RECT empty = {};
    RECT none = skin::ChildRectInParentWindow(popup.hwnd());  // a skinned window itself
    EXPECT_TRUE(EqualRect(&empty, &none));
    none = skin::ChildRectInParentWindow(nullptr);
    EXPECT_TRUE(EqualRect(&empty, &none));
    // Painting an entry that is not there does nothing.
    skin::PaintComboBox(popup.index(), 40, true);
    skin::PaintComboBox(popup.index() + 5, 1, true);
}

}  // namespace
