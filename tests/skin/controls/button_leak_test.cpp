// Hovering and focusing skinned buttons many times leaves no GDI or GDI+ object behind.
#include <gtest/gtest.h>

#include "skin/controls/ButtonSkin.h"
#include "support/SkinnedPopup.h"
#include "support/GdiplusSession.h"
#include "support/Pump.h"
#include "support/SkinCounts.h"

namespace {

TEST(ButtonSkinLeaks, TenThousandHoversAndFocusChangesLeaveObjectCountsFlat) {
    testing_support::SkinnedPopup popup;
    HWND buttons[] = {
        popup.add("BUTTON", "生成", BS_PUSHBUTTON, 10, 10, 90, 26),
        popup.add("BUTTON", "技能", BS_AUTOCHECKBOX, 10, 50, 120, 20),
        popup.add("BUTTON", "装备", BS_AUTORADIOBUTTON, 10, 80, 120, 20),
    };
    skin::InstallPushButtonSkin(popup.index(), popup.hwnd());
    skin::InstallCheckRadioSkin(popup.index(), popup.hwnd());

    auto step = [&buttons](int i) {
        HWND button = buttons[i % 3];
        switch (i % 4) {
            case 0:
                SendMessageA(button, WM_MOUSEMOVE, 0, MAKELPARAM(4, 4));  // a new hot control each time
                break;
            case 1:
                SendMessageA(button, WM_MOUSELEAVE, 0, 0);
                break;
            case 2:
                SetFocus(button);
                break;
            default:
                SendMessageA(button, BM_SETCHECK, (i / 4) % 2, 0);
                InvalidateRect(button, nullptr, TRUE);
                break;
        }
        if (i % 32 == 0) testing_support::PumpMessages();
    };

    auto steps = [&step](int count) {
        for (int i = 0; i < count; ++i) step(i);
        testing_support::PumpMessages();
    };
    const auto counts = testing_support::CountAround(steps, 300, 10000);
    ASSERT_GT(counts.before.gdi, 0);
    EXPECT_EQ(counts.before.gx, counts.after.gx);
    EXPECT_NEAR(counts.before.gdi, counts.after.gdi, 2);
}

}  // namespace
