#pragma once
// A skinned popup holding up-down controls, on a black background with a blue theme so
// that every translucent layer of the skin can be predicted.
#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include "support/SkinnedPopup.h"
#include "skin/core/Properties.h"
#include "skin/controls/UpDownSkin.h"
#include "support/GdiplusSession.h"
#include "support/Pump.h"
#include "support/Pixels.h"

namespace updown_test {

using testing_support::Rgb;

inline constexpr COLORREF kBlue = RGB(0, 0, 255);
inline const Rgb kBlackRgb{0, 0, 0};
inline const Rgb kWhiteRgb{255, 255, 255};
inline const Rgb kBlueRgb{0, 0, 255};

// The gradient colour at t (0..1) from (c1 at a1) to (c2 at a2), laid over `under`.
// GDI+ blends the two ends premultiplied by their alphas.
inline Rgb GradientOver(const Rgb& under, const Rgb& c1, int a1, const Rgb& c2, int a2, double t) {
    const double alpha = a1 + (a2 - a1) * t;
    if (alpha <= 0) return under;
    auto channel = [&](int v1, int v2) { return (v1 * a1 * (1 - t) + v2 * a2 * t) / alpha; };
    const Rgb mixed{static_cast<int>(channel(c1.r, c2.r) + 0.5), static_cast<int>(channel(c1.g, c2.g) + 0.5),
                    static_cast<int>(channel(c1.b, c2.b) + 0.5)};
    return testing_support::Over(under, mixed, alpha);
}

// The plate every button lies on: white at 160 over the black background.
inline Rgb Plate() { return testing_support::Over(kBlackRgb, kWhiteRgb, 160); }

class UpDownTest : public testing::Test {
protected:
    UpDownTest() : popup(RGB(0, 0, 0)) {
        skin::SkinThemeColour = kBlue;
        SetCursorPos(900, 700);  // far from the popup, so no real pointer interferes
    }
    void TearDown() override { testing_support::PumpMessages(); }

    HWND addUpDown(DWORD style, int x, int y, int width, int height) {
        return popup.add(UPDOWN_CLASSA, "", style, x, y, width, height);
    }
    int index() const { return popup.index(); }
    skin::UpDownEntry& entry(int i) const { return *popup.record().upDownControls.at(i); }

    testing_support::SettingsGuard settings;
    testing_support::SkinnedPopup popup;
};

}  // namespace updown_test
