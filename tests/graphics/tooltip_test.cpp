// The tool-tip wrapper: tools registered on the owner, and the window freed with the wrapper.
#include "graphics/ToolTipWindow.h"

#include <commctrl.h>
#include <gtest/gtest.h>

#include <string>

namespace {

struct OwnerWindow {
    OwnerWindow() {
        hwnd = CreateWindowExA(0, "STATIC", "owner", WS_POPUP | WS_VISIBLE, 0, 0, 300, 100, nullptr, nullptr,
                               GetModuleHandleA(nullptr), nullptr);
    }
    ~OwnerWindow() { DestroyWindow(hwnd); }
    HWND hwnd;
};

int ToolCount(HWND tip) { return static_cast<int>(SendMessageA(tip, TTM_GETTOOLCOUNT, 0, 0)); }

TOOLINFOA ReadTool(HWND tip, HWND owner, UINT id, char* text) {
    TOOLINFOA info = {};
    info.cbSize = TTTOOLINFOA_V1_SIZE;
    info.hwnd = owner;
    info.uId = id;
    info.lpszText = text;
    SendMessageA(tip, TTM_GETTOOLINFOA, 0, reinterpret_cast<LPARAM>(&info));
    return info;
}

TEST(ToolTipWindow, ToolsAreAddedMovedRenamedAndDeleted) {
    OwnerWindow owner;
    ToolTipWindow tips;
    ASSERT_TRUE(tips.Create(owner.hwnd));
    HWND tip = tips.GetHandle();
    char className[64] = {};
    GetClassNameA(tip, className, sizeof className);
    EXPECT_STREQ("tooltips_class32", CharLowerA(className));
    EXPECT_EQ(owner.hwnd, tips.GetOwner());

    EXPECT_TRUE(tips.AddTool(1, "关闭", RECT{260, 0, 300, 18}));
    EXPECT_TRUE(tips.AddToolAt(2, "帮助", 200, 0, 226, 18));
    EXPECT_EQ(2, ToolCount(tip));

    char text[80] = {};
    TOOLINFOA info = ReadTool(tip, owner.hwnd, 1, text);
    EXPECT_STREQ("关闭", text);
    EXPECT_EQ(260, info.rect.left);
    EXPECT_EQ(static_cast<UINT>(TTF_SUBCLASS), info.uFlags & TTF_SUBCLASS);

    tips.NewToolRect(1, RECT{10, 2, 50, 20});
    tips.UpdateTipText(1, "最大化");
    info = ReadTool(tip, owner.hwnd, 1, text);
    EXPECT_EQ(10, info.rect.left);
    EXPECT_EQ(20, info.rect.bottom);
    EXPECT_STREQ("最大化", text);

    tips.DeleteTool(2);
    EXPECT_EQ(1, ToolCount(tip));

    tips.SetMaxTipWidth(200);
    EXPECT_EQ(200, tips.SetMaxTipWidth(300));
    tips.SetTipBkColor(RGB(1, 2, 3));
    EXPECT_EQ(RGB(1, 2, 3), static_cast<COLORREF>(SendMessageA(tip, TTM_GETTIPBKCOLOR, 0, 0)));
}

TEST(ToolTipWindow, TheWindowLivesExactlyAsLongAsItsWrapper) {
    OwnerWindow owner;
    HWND tip = nullptr;
    {
        ToolTipWindow tips;
        ASSERT_TRUE(tips.Create(owner.hwnd, true));
        tip = tips.GetHandle();
        EXPECT_TRUE(GetWindowLongA(tip, GWL_STYLE) & TTS_BALLOON);

        ToolTipWindow moved(std::move(tips));
        EXPECT_EQ(nullptr, tips.GetHandle());
        EXPECT_TRUE(IsWindow(tip));

        // Creating anew replaces the first window.
        ToolTipWindow again;
        again.Create(owner.hwnd);
        HWND second = again.GetHandle();
        again = std::move(moved);
        EXPECT_FALSE(IsWindow(second));
        EXPECT_TRUE(IsWindow(tip));
    }
    EXPECT_FALSE(IsWindow(tip));

    // An uncreated wrapper answers calls without a window.
    ToolTipWindow empty;
    EXPECT_FALSE(empty.AddTool(1, "x", RECT{0, 0, 1, 1}));
    empty.UpdateTipText(1, nullptr);
    EXPECT_EQ(-1, empty.SetMaxTipWidth(10));
    EXPECT_FALSE(empty.Destroy());
}

}  // namespace
