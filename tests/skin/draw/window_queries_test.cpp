// Classification of windows by class name and style.
#include "skin/draw/WindowQueries.h"

#include "support/TestWindows.h"

#include <gtest/gtest.h>

using Window = testing_support::TestWindow;

namespace {

TEST(IsAutoRadioButton, OnlyTheAutomaticRadioButtonPasses) {
    Window parent("STATIC", WS_POPUP, 0, 0, 100, 100);
    struct Case {
        DWORD type;
        bool expected;
    } cases[] = {{BS_AUTOCHECKBOX, false},    // 3
                 {BS_RADIOBUTTON, false},     // 4
                 {BS_AUTORADIOBUTTON, true},  // 9
                 {BS_OWNERDRAW, false},       // 11
                 {BS_PUSHBUTTON, false},     {BS_GROUPBOX, false}};
    for (const Case& c : cases) {
        Window button("BUTTON", WS_CHILD | c.type, 0, 0, 50, 20, parent.get());
        ASSERT_NE(nullptr, button.get());
        EXPECT_EQ(c.expected, skin::IsAutoRadioButton(button.get())) << "type " << c.type;
    }
    // Extra style bits beside the type do not matter.
    Window leftText("BUTTON", WS_CHILD | BS_AUTORADIOBUTTON | BS_LEFTTEXT | WS_TABSTOP, 0, 0, 50, 20, parent.get());
    EXPECT_TRUE(skin::IsAutoRadioButton(leftText.get()));
}

TEST(IsOwnerDrawListBox, NeedsTheListBoxClassAndAnOwnerDrawStyle) {
    Window parent("STATIC", WS_POPUP, 0, 0, 100, 100);
    Window fixed("ListBox", WS_CHILD | LBS_OWNERDRAWFIXED, 0, 0, 50, 50, parent.get());
    Window variable("LISTBOX", WS_CHILD | LBS_OWNERDRAWVARIABLE, 0, 0, 50, 50, parent.get());
    Window plain("ListBox", WS_CHILD | LBS_NOTIFY, 0, 0, 50, 50, parent.get());
    Window edit("Edit", WS_CHILD | 0x10, 0, 0, 50, 50, parent.get());
    EXPECT_TRUE(skin::IsOwnerDrawListBox(fixed.get()));
    EXPECT_TRUE(skin::IsOwnerDrawListBox(variable.get()));
    EXPECT_FALSE(skin::IsOwnerDrawListBox(plain.get()));
    EXPECT_FALSE(skin::IsOwnerDrawListBox(edit.get()));
    EXPECT_FALSE(skin::IsOwnerDrawListBox(nullptr));
}

TEST(GetWindowClassName, GivesTheRegisteredName) {
    Window parent("STATIC", WS_POPUP, 0, 0, 100, 100);
    Window edit("edit", WS_CHILD, 0, 0, 50, 20, parent.get());
    Window track("msctls_trackbar32", WS_CHILD, 0, 0, 50, 20, parent.get());
    EXPECT_EQ("Edit", skin::GetWindowClassName(edit.get()));
    EXPECT_EQ("msctls_trackbar32", skin::GetWindowClassName(track.get()));
    EXPECT_EQ("", skin::GetWindowClassName(nullptr));
}

// The kept text read without a message is the text a WM_GETTEXT gives, at every length
// around the first buffer's size and in the ANSI code page's double bytes.
TEST(WindowOwnText, IsWhatTheWindowAnswersForItsText) {
    Window parent("STATIC", WS_POPUP, 0, 0, 100, 100);
    const std::string texts[] = {"",
                                 "Mob editor",
                                 "\xB9\xD6\xCE\xEF \xB1\xE0\xBC\xAD",  // GBK bytes
                                 std::string(254, 'a'),
                                 std::string(255, 'b'),
                                 std::string(256, 'c'),
                                 std::string(100, '\xD6') + "x",
                                 std::string(70000, 'd')};
    for (const std::string& text : texts) {
        SCOPED_TRACE(text.size());
        ASSERT_TRUE(SetWindowTextA(parent.get(), text.c_str()));
        EXPECT_EQ(skin::GetWindowTextString(parent.get()), skin::WindowOwnText(parent.get()));
    }
    EXPECT_EQ("", skin::WindowOwnText(nullptr));
}

TEST(InvalidateVisibleChildren, InvalidatesEveryVisibleChildAndNoHiddenOne) {
    Window parent("STATIC", WS_POPUP | WS_VISIBLE, 0, 0, 100, 100);
    Window shown("STATIC", WS_CHILD | WS_VISIBLE, 0, 0, 40, 40, parent.get());
    Window second("STATIC", WS_CHILD | WS_VISIBLE, 50, 50, 40, 40, parent.get());
    Window hidden("STATIC", WS_CHILD, 0, 50, 40, 40, parent.get());
    for (HWND w : {parent.get(), shown.get(), second.get(), hidden.get()}) ValidateRect(w, nullptr);
    skin::InvalidateVisibleChildren(parent.get());
    RECT update = {};
    EXPECT_TRUE(GetUpdateRect(shown.get(), &update, FALSE));
    EXPECT_EQ(40, update.right - update.left);  // the whole child
    EXPECT_TRUE(GetUpdateRect(second.get(), &update, FALSE));
    EXPECT_FALSE(GetUpdateRect(hidden.get(), &update, FALSE));
    skin::InvalidateVisibleChildren(nullptr);  // nothing to do, nothing to crash
}

}  // namespace
