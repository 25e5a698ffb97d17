// The long endurance run (`make soak`): 100,000 mixed events on the skinned editor and the
// control gallery. After a warm-up pass (each control keeps one brush and one bitmap from
// its first colour answer, by design) the live GDI objects, the live GDI+ objects and the
// window properties the skin set must be back where they were, and both windows must paint
// as they did after the warm-up.
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <random>
#include <vector>

#include "editor/EditorForm.h"
#include "editor/FormLayout.h"
#include "editor/Startup.h"
#include "gallery/GalleryWindow.h"
#include "graphics/GxCore.h"
#include "support/GdiCount.h"
#include "support/Golden.h"

namespace {

const char* const kSkinProperties[] = {"Hw_lbID", "Hw_FuID",  "Hw_hProc",  "Kj_Ztys", "Kj_dxjb", "Kj_wtjb",
                                       "Mb_zpf",  "Ck_Ycjdx", "Ck_wtjbdx", "Kj_FuID", "Kj_lbID", "Kj_hProc"};

void Pump() {
    MSG msg;
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
}

int CountProperties(HWND window) {
    int count = 0;
    for (const char* name : kSkinProperties)
        if (GetPropA(window, name)) ++count;
    return count;
}

BOOL CALLBACK CountChildProperties(HWND child, LPARAM total) {
    *reinterpret_cast<int*>(total) += CountProperties(child);
    return TRUE;
}

int SkinProperties(const std::vector<HWND>& tops) {
    int total = 0;
    for (HWND top : tops) {
        total += CountProperties(top);
        EnumChildWindows(top, CountChildProperties, reinterpret_cast<LPARAM>(&total));
    }
    return total;
}

BOOL CALLBACK CollectChild(HWND child, LPARAM list) {
    if (IsWindowVisible(child)) reinterpret_cast<std::vector<HWND>*>(list)->push_back(child);
    return TRUE;
}

struct Target {
    HWND top;
    std::vector<HWND> controls;
};

class Soak {
public:
    Soak(HWND editor, HWND gallery) : targets_{{editor, {}}, {gallery, {}}} {
        for (Target& t : targets_) EnumChildWindows(t.top, CollectChild, reinterpret_cast<LPARAM>(&t.controls));
    }

    void run(int events) {
        for (int i = 0; i < events; ++i) {
            step();
            if (i % 64 == 0) Pump();
        }
        Pump();
    }

    // A fixed state to photograph: switches off, fields as at start, pointer and focus away.
    void settle() {
        HWND editor = targets_[0].top;
        const int switches[] = {editor::kIdSkillsSwitch, editor::kIdEquipmentSwitch, editor::kIdDropsSwitch,
                                editor::kIdOptionsSwitch};
        for (int id : switches)
            if (IsDlgButtonChecked(editor, id) == BST_CHECKED) SendDlgItemMessageA(editor, id, BM_CLICK, 0, 0);
        int count = 0;
        const editor::ControlSpec* specs = editor::FormControls(&count);
        for (int i = 0; i < count; ++i)
            if (specs[i].kind == editor::ControlKind::Edit || specs[i].kind == editor::ControlKind::OutputBox)
                SetDlgItemTextA(editor, specs[i].id, "");
        SetDlgItemTextA(editor, editor::kIdEquipmentSlot, "");
        for (Target& t : targets_) {
            ShowWindow(t.top, SW_RESTORE);
            SendMessageA(t.top, WM_MOUSELEAVE, 0, 0);
            for (int k = 0; k < 12; ++k) SendMessageA(t.top, WM_TIMER, reinterpret_cast<WPARAM>(t.top), 0);
        }
        SetFocus(GetDlgItem(editor, editor::kIdGenerate));
        SetFocus(nullptr);
        for (Target& t : targets_)
            for (HWND c : t.controls) SendMessageA(c, WM_MOUSELEAVE, 0, 0);
        Pump();
        for (Target& t : targets_)
            RedrawWindow(t.top, nullptr, nullptr,
                         RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN | RDW_UPDATENOW);
        Pump();
        GdiFlush();
    }

    const std::vector<Target>& targets() const { return targets_; }

private:
    int pick(int n) { return static_cast<int>(rng_() % static_cast<unsigned>(n)); }

    void step() {
        Target& t = targets_[pick(2)];
        if (t.controls.empty()) return;
        HWND c = t.controls[pick(static_cast<int>(t.controls.size()))];
        RECT r;
        GetClientRect(c, &r);
        const LPARAM inside = MAKELPARAM(pick(std::max<LONG>(1, r.right)), pick(std::max<LONG>(1, r.bottom)));
        char cls[32] = {};
        GetClassNameA(c, cls, sizeof(cls));
        switch (pick(10)) {
            case 0:
            case 1:
            case 2:
                SendMessageA(c, WM_MOUSEMOVE, 0, inside);
                break;
            case 3:
                SendMessageA(c, WM_MOUSELEAVE, 0, 0);
                break;
            case 4:
                SetFocus(c);
                break;
            case 5:
                if (_stricmp(cls, "Button") == 0) {
                    // Switches toggle their sections; the generate button builds the text.
                    SendMessageA(c, BM_CLICK, 0, 0);
                } else if (_stricmp(cls, "Edit") == 0 || _stricmp(cls, "ListBox") == 0 ||
                           _stricmp(cls, "msctls_trackbar32") == 0) {
                    // Only controls without a drag-detect loop: list and tree views wait
                    // in one for real pointer input that a sent press never brings.
                    SendMessageA(c, WM_LBUTTONDOWN, MK_LBUTTON, inside);
                    SendMessageA(c, WM_LBUTTONUP, 0, inside);
                }
                break;
            case 6:
                if (_stricmp(cls, "Edit") == 0 && !(GetWindowLongA(c, GWL_STYLE) & ES_READONLY)) {
                    char text[48];
                    std::snprintf(text, sizeof(text), "怪物%u", static_cast<unsigned>(rng_() % 100000));
                    SetWindowTextA(c, text);
                } else {
                    SendMessageA(c, WM_VSCROLL, pick(2) ? SB_LINEDOWN : SB_LINEUP, 0);
                }
                break;
            case 7: {
                // A caption-button fade: pointer into the strip, a few ticks, pointer away.
                RECT client;
                GetClientRect(t.top, &client);
                const LPARAM strip = MAKELPARAM(client.right - 10 - pick(100), 6 + pick(10));
                SendMessageA(t.top, WM_MOUSEHOVER, 0, strip);
                SendMessageA(t.top, WM_MOUSEMOVE, 0, strip);
                for (int k = 0; k < 1 + pick(9); ++k) SendMessageA(t.top, WM_TIMER, reinterpret_cast<WPARAM>(t.top), 0);
                SendMessageA(t.top, WM_MOUSEMOVE, 0, MAKELPARAM(200, 200));
                break;
            }
            case 8:
                if (pick(20) == 0) {
                    ShowWindow(t.top, SW_MINIMIZE);
                    Pump();
                    ShowWindow(t.top, SW_RESTORE);
                } else if (pick(10) == 0) {
                    RECT w;
                    GetWindowRect(t.top, &w);
                    const int dw = pick(60), dh = pick(40);
                    SetWindowPos(t.top, nullptr, 0, 0, w.right - w.left + dw, w.bottom - w.top + dh,
                                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
                    Pump();
                    SetWindowPos(t.top, nullptr, 0, 0, w.right - w.left, w.bottom - w.top,
                                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
                }
                break;
            default:
                RedrawWindow(c, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_UPDATENOW);
                break;
        }
    }

    std::vector<Target> targets_;
    std::mt19937 rng_{20261208};
};

struct Counts {
    int gdi;
    int gdiplus;
    int properties;
};

Counts Take(const Soak& soak) {
    std::vector<HWND> tops;
    for (const Target& t : soak.targets()) tops.push_back(t.top);
    return {testing_support::LiveGdiObjects(), GxLiveObjects(), SkinProperties(tops)};
}

// Pixels of the title band (the frame's own picture: background, border, icon, title and
// caption buttons), which no event leaves changed. The controls below keep what the events
// did to them (selections, scroll and track positions), so they are not compared.
constexpr int kTitleBand = 25;

int Differences(const testing_support::Capture& a, const testing_support::Capture& b) {
    if (a.width != b.width || a.height != b.height || a.height < kTitleBand) return -1;
    int off = 0;
    for (size_t i = 0; i < static_cast<size_t>(a.width) * kTitleBand; ++i) {
        const COLORREF p = a.pixels[i], q = b.pixels[i];
        if (std::abs(GetRValue(p) - GetRValue(q)) > 6 || std::abs(GetGValue(p) - GetGValue(q)) > 6 ||
            std::abs(GetBValue(p) - GetBValue(q)) > 6)
            ++off;
    }
    return off;
}

}  // namespace

int main(int argc, char** argv) {
    int events = 100000;
    if (argc > 1) events = std::max(1, std::atoi(argv[1]));
    SetCursorPos(1270, 1010);
    editor::StartProgram();
    editor::EditorForm::Options editorOptions;
    editorOptions.onCreated = editor::OnFormCreated;
    editorOptions.quitOnDestroy = false;
    HWND editorWindow = editor::EditorForm::Create(GetModuleHandleA(nullptr), editorOptions);
    gallery::GalleryOptions galleryOptions;
    galleryOptions.onCreated = editor::OnFormCreated;
    galleryOptions.quitOnDestroy = false;
    HWND galleryWindow = gallery::CreateGalleryWindow(GetModuleHandleA(nullptr), galleryOptions);
    // Apart from the editor, so that neither covers the other's title band.
    SetWindowPos(galleryWindow, nullptr, 300, 470, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    if (!editorWindow || !galleryWindow) {
        std::printf("soak: the windows did not open\n");
        return 1;
    }
    Pump();

    Soak soak(editorWindow, galleryWindow);
    soak.run(std::min(events, 3000));  // warm-up
    soak.settle();
    const Counts before = Take(soak);
    const testing_support::Capture editorBefore = testing_support::CaptureWindow(editorWindow);
    const testing_support::Capture galleryBefore = testing_support::CaptureWindow(galleryWindow);

    soak.run(events);
    soak.settle();
    const Counts after = Take(soak);
    const int editorOff = Differences(editorBefore, testing_support::CaptureWindow(editorWindow));
    const int galleryOff = Differences(galleryBefore, testing_support::CaptureWindow(galleryWindow));

    std::printf(
        "soak: %d events; GDI objects %d -> %d, GDI+ objects %d -> %d, skin properties %d -> %d; "
        "pixels changed: editor %d, gallery %d\n",
        events, before.gdi, after.gdi, before.gdiplus, after.gdiplus, before.properties, after.properties, editorOff,
        galleryOff);
    const bool ok = after.gdi == before.gdi && after.gdiplus == before.gdiplus &&
                    after.properties == before.properties && editorOff >= 0 && editorOff == 0 && galleryOff == 0;
    std::printf("%d passed, %d failed\n", ok ? 1 : 0, ok ? 0 : 1);
    std::fflush(stdout);

    DestroyWindow(galleryWindow);
    DestroyWindow(editorWindow);
    Pump();
    editor::ExitProgram();
    return ok ? 0 : 1;
}
