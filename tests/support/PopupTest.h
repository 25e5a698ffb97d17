#pragma once
// The fixture most control tests start from: a skinned popup of one colour, the engine
// settings put back afterwards, and what a test left queued handled before it goes; and
// what every installer leaves on a control it takes over.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstdint>

#include "skin/core/Properties.h"
#include "support/Pump.h"
#include "support/SkinnedPopup.h"

namespace testing_support {

class PopupTest : public testing::Test {
protected:
    explicit PopupTest(COLORREF background = SkinnedPopup::kBackground) : popup{background} {}
    void TearDown() override { PumpMessages(); }

    SettingsGuard settings;
    SkinnedPopup popup;
};

// The control, taken over as entry `listIndex` of the window at `ownerIndex`: the entry
// keeps the control's own procedure, the three properties say where the entry is and what
// to chain to, and the skin's procedure is in place.
template <class Entry>
void ExpectTakenOver(const Entry& entry, HWND control, int listIndex, int ownerIndex, LONG_PTR systemProc,
                     WNDPROC skinProc) {
    EXPECT_EQ(systemProc, reinterpret_cast<LONG_PTR>(entry.previousProc));
    EXPECT_EQ(listIndex, skin::GetPropInt(control, skin::kPropListIndex));
    EXPECT_EQ(ownerIndex, skin::GetPropInt(control, skin::kPropOwnerIndex));
    EXPECT_EQ(static_cast<uintptr_t>(systemProc), skin::GetPropValue(control, skin::kPropPreviousProc));
    EXPECT_EQ(reinterpret_cast<LONG_PTR>(skinProc), GetWindowLongPtrA(control, GWLP_WNDPROC));
}

}  // namespace testing_support
