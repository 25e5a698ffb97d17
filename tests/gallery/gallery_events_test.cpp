// Hovering, focusing, scrolling and clicking every control of the gallery over and over:
// nothing breaks, and after a warm-up pass the process holds no more GDI objects, GDI+
// objects or memory DCs than before.
//
// `make test` runs 1,000 events. The long soak runs 10,000 (from the build folder):
//   MOBWRIGHT_GALLERY_EVENTS=10000 ../scripts/with-display-if-needed ../scripts/wine-run ./test_gallery.exe
#include <cstdlib>

#include "support/GalleryFixture.h"
#include "graphics/GxCore.h"
#include "skin/draw/MemoryDCList.h"
#include "support/GdiCount.h"
#include "support/GdiplusSession.h"

using namespace gallery_test;
using testing_support::LiveGdiObjects;
using testing_support::PumpMessages;

namespace {

constexpr int kDefaultEvents = 1000;
constexpr int kEventKinds = 5;

int EventBudget() {
    const char* requested = std::getenv("MOBWRIGHT_GALLERY_EVENTS");
    const int events = requested ? std::atoi(requested) : 0;
    return events > 0 ? events : kDefaultEvents;
}

struct Counts {
    int gdi;
    int gx;
    int memoryDCs;
};

Counts Now() { return Counts{LiveGdiObjects(), GxLiveObjects(), skin::TheMemoryDCList().count()}; }

bool IsClass(HWND window, const char* className) {
    char name[64] = {};
    GetClassNameA(window, name, sizeof(name));
    return lstrcmpiA(name, className) == 0;
}

LPARAM Centre(HWND control) {
    RECT client;
    GetClientRect(control, &client);
    return MAKELPARAM(client.right / 2, client.bottom / 2);
}

POINT ScreenCentre(HWND control) {
    RECT client;
    GetClientRect(control, &client);
    POINT centre = {client.right / 2, client.bottom / 2};
    ClientToScreen(control, &centre);
    return centre;
}

void Hover(HWND control) {
    const POINT at = ScreenCentre(control);
    SetCursorPos(at.x, at.y);
    SendMessageA(control, WM_MOUSEMOVE, 0, Centre(control));
    SendMessageA(control, WM_MOUSEMOVE, 0, Centre(control) + 1);
}

void Focus(HWND control) {
    SetFocus(control);
    SendMessageA(control, WM_KEYDOWN, VK_DOWN, 0);
    SendMessageA(control, WM_KEYUP, VK_DOWN, 0xC0000001);
}

void Scroll(HWND control) {
    const POINT at = ScreenCentre(control);
    SendMessageA(control, WM_MOUSEWHEEL, MAKEWPARAM(0, -WHEEL_DELTA), MAKELPARAM(at.x, at.y));
    SendMessageA(control, WM_VSCROLL, SB_LINEDOWN, 0);
    SendMessageA(control, WM_VSCROLL, SB_ENDSCROLL, 0);
    SendMessageA(control, WM_HSCROLL, SB_LINERIGHT, 0);
    SendMessageA(control, WM_HSCROLL, SB_ENDSCROLL, 0);
}

void Click(HWND control) {
    // The release is queued first: list and tree views wait for it inside the press.
    PostMessageA(control, WM_LBUTTONUP, 0, Centre(control));
    SendMessageA(control, WM_LBUTTONDOWN, MK_LBUTTON, Centre(control));
    PumpMessages();
    if (IsClass(control, "ComboBox")) SendMessageA(control, CB_SHOWDROPDOWN, FALSE, 0);
    ReleaseCapture();
}

void Leave(HWND control) { SendMessageA(control, WM_MOUSELEAVE, 0, 0); }

void Drive(HWND control, int kind) {
    switch (kind) {
        case 0:
            Hover(control);
            break;
        case 1:
            Focus(control);
            break;
        case 2:
            Scroll(control);
            break;
        case 3:
            Click(control);
            break;
        default:
            Leave(control);
            break;
    }
    PumpMessages();
}

// GDI objects that lives of a bare system control of the class leave behind on their own,
// outside any skin (under Wine the IP address field keeps one per life).
int SystemLeak(const char* className, int lives) {
    auto live = [className] {
        HWND host = CreateWindowExA(0, "Static", "", WS_POPUP | WS_VISIBLE, 0, 0, 300, 100, nullptr, nullptr,
                                    GetModuleHandleA(nullptr), nullptr);
        CreateWindowExA(0, className, "", WS_CHILD | WS_VISIBLE, 10, 10, 200, 24, host, nullptr,
                        GetModuleHandleA(nullptr), nullptr);
        UpdateWindow(host);
        DestroyWindow(host);
        PumpMessages();
    };
    live();
    const int before = LiveGdiObjects();
    for (int i = 0; i < lives; ++i) live();
    return LiveGdiObjects() - before;
}

class GalleryEvents : public GalleryFixture {
protected:
    // Events in rounds: each round gives every control the same kind of event.
    void run(int events) {
        const std::vector<HWND> targets = controls();
        ASSERT_FALSE(targets.empty());
        const int count = static_cast<int>(targets.size());
        for (int e = 0; e < events; ++e) {
            Drive(targets[e % count], (e / count) % kEventKinds);
            if (e % count == count - 1) {
                RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_ALLCHILDREN | RDW_UPDATENOW);
            }
        }
        PumpMessages();
    }
};

TEST_F(GalleryEvents, HoverFocusScrollAndClickLeaveCountsFlat) {
    ASSERT_NE(record(), nullptr);
    const int warmUp = static_cast<int>(controls().size()) * kEventKinds;
    run(warmUp);
    const Counts before = Now();
    run(EventBudget());
    const Counts after = Now();

    ASSERT_TRUE(IsWindow(window));
    EXPECT_EQ(recordIndex(), 1);
    EXPECT_LE(after.gdi, before.gdi + 3) << "GDI objects before " << before.gdi << ", after " << after.gdi;
    EXPECT_EQ(after.gx, before.gx);
    EXPECT_EQ(after.memoryDCs, before.memoryDCs);
}

TEST_F(GalleryEvents, OpeningAndClosingAgainLeavesCountsFlat) {
    auto reopen = [this] {
        DestroyWindow(window);
        PumpMessages();
        gallery::GalleryOptions options;
        options.onCreated = editor::OnFormCreated;
        options.quitOnDestroy = false;
        window = gallery::CreateGalleryWindow(GetModuleHandleA(nullptr), options);
        PumpMessages();
    };
    constexpr int kLives = 5;
    const int systemLeak = SystemLeak(WC_IPADDRESSA, kLives);
    reopen();  // a full life first, so that lazily made system objects exist
    const Counts before = Now();
    for (int i = 0; i < kLives; ++i) reopen();
    const Counts after = Now();
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(skin::TheSkinRegistry().count(), 1);
    EXPECT_LE(after.gdi, before.gdi + systemLeak + 3)
        << "GDI objects before " << before.gdi << ", after " << after.gdi << ", the system's own " << systemLeak;
    EXPECT_EQ(after.gx, before.gx);
    EXPECT_EQ(after.memoryDCs, before.memoryDCs);
}

}  // namespace
