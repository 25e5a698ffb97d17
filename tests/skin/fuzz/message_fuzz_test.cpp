// Random messages with random parameters for every skin procedure, on the editor's window
// and on a window holding every control family, both taken over by the program's own
// start-up path. Nothing may crash, nothing may leak, and what the skin cannot use goes
// on unchanged to the procedure it replaced.
#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "support/BadPointers.h"
#include "support/MessageMaker.h"
#include "support/PassOnProbe.h"
#include "editor/EditorForm.h"
#include "editor/Startup.h"
#include "graphics/GxCore.h"
#include "skin/core/Properties.h"
#include "skin/core/SkinRegistry.h"
#include "skin/draw/MemoryDCList.h"
#include "skin/draw/PictureCache.h"
#include "support/AllControlsWindow.h"
#include "support/GdiCount.h"
#include "support/Pump.h"
#include "support/SkinCounts.h"

using namespace fuzz;
using testing_support::PumpMessages;

namespace {

// A fixed seed keeps `make test` repeatable; MOBWRIGHT_FUZZ_SEED tries another sequence.
uint32_t Seed() {
    const char* seed = std::getenv("MOBWRIGHT_FUZZ_SEED");
    return seed ? static_cast<uint32_t>(std::strtoul(seed, nullptr, 10)) : 20240607u;
}
constexpr int kWarmUp = 1500;
constexpr int kMessages = 6000;

BOOL CALLBACK CollectWindow(HWND window, LPARAM list) {
    reinterpret_cast<std::vector<HWND>*>(list)->push_back(window);
    return TRUE;
}

BOOL CALLBACK CollectTree(HWND window, LPARAM list) {
    CollectWindow(window, list);
    EnumChildWindows(window, CollectWindow, list);
    return TRUE;
}

// Every window of this thread, popups (combo lists, tool tips) included.
std::vector<HWND> ThreadWindows() {
    std::vector<HWND> all;
    EnumThreadWindows(GetCurrentThreadId(), CollectTree, reinterpret_cast<LPARAM>(&all));
    return all;
}

// Colour objects are kept by design until the next answer replaces them; what counts
// is everything else. Held objects must be live, and a handle may be held only once.
struct Held {
    int objects = 0;
    std::vector<std::string> faults;
};

Held HeldColourObjects() {
    Held held;
    std::set<uintptr_t> seen;
    const auto hollow = reinterpret_cast<uintptr_t>(GetStockObject(NULL_BRUSH));
    for (HWND window : ThreadWindows()) {
        for (const char* name : {skin::kPropBrush, skin::kPropBrushBitmap}) {
            const uintptr_t handle = skin::GetPropValue(window, name);
            if (!handle || handle == hollow) continue;
            ++held.objects;
            if (!GetObjectType(reinterpret_cast<HGDIOBJ>(handle)))
                held.faults.push_back(std::string(name) + " holds a dead handle");
            if (!seen.insert(handle).second) held.faults.push_back(std::string(name) + " shares a handle");
        }
    }
    return held;
}

struct Snapshot {
    int unheldGdi;
    int gx;
    int memoryDCs;
    int records;
    int properties;
};

std::string Describe(const Snapshot& s) {
    std::ostringstream out;
    out << "gdi(not held)=" << s.unheldGdi << " gx=" << s.gx << " memory_dcs=" << s.memoryDCs
        << " records=" << s.records << " properties=" << s.properties;
    return out.str();
}

// The system's themed drawing loads each part's pictures the first time a control of
// that kind draws itself, and keeps them for the life of the process. Skinned controls
// never draw themselves, except when asked to print, which the skin passes on; so every
// control prints once before the run, and what the system then keeps is not counted
// against the skin.
void LoadSystemPictures(const std::vector<HWND>& windows) {
    HDC screen = GetDC(nullptr);
    HDC memory = CreateCompatibleDC(screen);
    HBITMAP bitmap = CreateCompatibleBitmap(screen, 64, 64);
    ReleaseDC(nullptr, screen);
    HGDIOBJ previous = SelectObject(memory, bitmap);
    for (HWND window : windows) {
        const int level = SaveDC(memory);
        SendMessageA(window, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(memory), PRF_CLIENT | PRF_ERASEBKGND);
        RestoreDC(memory, level);
    }
    SelectObject(memory, previous);
    DeleteObject(bitmap);
    DeleteDC(memory);
}

class MessageFuzz : public ::testing::Test {
protected:
    void SetUp() override {
        editor::StartProgram();
        // The system loads a cursor the first time it is shown and keeps it; the frame
        // shows these when pressed near an edge.
        for (LPCSTR cursor : {IDC_ARROW, IDC_SIZEWE, IDC_SIZENS, IDC_SIZENWSE, IDC_SIZENESW})
            LoadCursorA(nullptr, cursor);
        editor::EditorForm::Options options;
        options.onCreated = editor::OnFormCreated;
        options.quitOnDestroy = false;
        form_ = editor::EditorForm::Create(GetModuleHandleA(nullptr), options);
        testing_support::AllControlsOptions all;
        all.onCreated = editor::OnFormCreated;
        all.x = 120;
        all.y = 200;
        gallery_ = testing_support::CreateAllControlsWindow(all);
        PumpMessages();
        for (HWND top : {form_, gallery_}) {
            own_.push_back(top);
            for (HWND control : testing_support::AllControlsOf(top)) own_.push_back(control);
        }
        for (HWND window : own_) {
            if (skin::GetPropValue(window, skin::kPropPreviousProc) && ProcOf(window) != Proc::kOther)
                targets_.push_back(window);
        }
        LoadSystemPictures(own_);
        PumpMessages();
    }

    void TearDown() override {
        PassOnProbe::Instance().detachAll();
        ReleaseCapture();
        for (HWND top : {form_, gallery_})
            if (IsWindow(top)) DestroyWindow(top);
        PumpMessages();
        EXPECT_EQ(skin::TheSkinRegistry().count(), 0);
        editor::ExitProgram();
    }

    void attachProbe() {
        for (HWND target : targets_) PassOnProbe::Instance().attach(target);
    }

    // Sends one message the way a caller would, and notes a skin that kept to itself a
    // message it had no use for.
    void send(HWND target, const Message& m) {
        PassOnProbe& probe = PassOnProbe::Instance();
        if (m.realFocus) {
            // The focus goes to the target, or away from it to its top-level window.
            SetFocus(m.message == WM_SETFOCUS ? target : GetAncestor(target, GA_ROOT));
            PumpMessages();
            return;
        }
        if (m.releaseFirst) PostMessageA(target, WM_LBUTTONUP, 0, 0);
        probe.begin(Call{target, m.message, m.wParam, m.lParam}, m.unsafe);
        SendMessageA(target, m.message, m.wParam, m.lParam);
        probe.end();
        if ((m.mustPassOn || m.unsafe) && IsWindow(target) && !probe.passedOn() && swallowed_.size() < 20) {
            std::ostringstream out;
            out << NameOf(ProcOf(target)) << " kept message 0x" << std::hex << m.message << " (wParam 0x" << m.wParam
                << ", lParam 0x" << m.lParam << ")";
            swallowed_.push_back(out.str());
        }
        MessageMaker::Finish(m);
        PumpMessages();
    }

    // With MOBWRIGHT_FUZZ_TRACE set, prints every message and each change of the GDI
    // objects the skin does not hold, to find the message behind a failure.
    void run(MessageMaker& maker, int messages) {
        const bool trace = std::getenv("MOBWRIGHT_FUZZ_TRACE") != nullptr;
        for (int i = 0; i < messages; ++i) {
            HWND target = targets_[static_cast<size_t>(maker.below(static_cast<int>(targets_.size())))];
            if (!IsWindow(target)) continue;
            const Message m = maker.make(target, ProcOf(target));
            const int before = trace ? UnheldGdiObjects() : 0;
            if (trace) {
                char name[32] = {};
                GetClassNameA(target, name, sizeof(name));
                std::printf("%d %s %s#%x msg=0x%x w=0x%lx l=0x%lx\n", i, NameOf(ProcOf(target)), name,
                            GetDlgCtrlID(target), m.message, static_cast<unsigned long>(m.wParam),
                            static_cast<unsigned long>(m.lParam));
                std::fflush(stdout);
            }
            send(target, m);
            if (trace) {
                const int after = UnheldGdiObjects();
                if (after != before) std::printf("   gdi %+d\n", after - before);
            }
        }
    }

    static int UnheldGdiObjects() { return testing_support::LiveGdiObjects() - HeldColourObjects().objects; }

    // Back to a state that is the same after any run: no list dropped, no capture, both
    // windows restored and painted, the decoded pictures only those the paint needs.
    void settle() {
        for (HWND window : own_) {
            char name[32] = {};
            GetClassNameA(window, name, sizeof(name));
            if (lstrcmpiA(name, "ComboBox") == 0) SendMessageA(window, CB_SHOWDROPDOWN, FALSE, 0);
        }
        ReleaseCapture();
        // A focused field keeps a caret bitmap; the focus goes where no field has it.
        SetFocus(form_);
        skin::ClearPictureCache();
        for (HWND top : {form_, gallery_}) {
            ShowWindow(top, SW_RESTORE);
            RedrawWindow(top, nullptr, nullptr,
                         RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN | RDW_UPDATENOW);
        }
        PumpMessages();
    }

    Snapshot snapshot(Held& held) {
        held = HeldColourObjects();
        return Snapshot{testing_support::LiveGdiObjects() - held.objects, GxLiveObjects() - skin::CachedPictureCount(),
                        skin::TheMemoryDCList().count(), skin::TheSkinRegistry().count(),
                        testing_support::CountSkinProperties(false)};
    }

    HWND form_ = nullptr;
    HWND gallery_ = nullptr;
    std::vector<HWND> own_;
    std::vector<HWND> targets_;
    std::vector<std::string> swallowed_;
};

TEST_F(MessageFuzz, EverySkinProcedureIsAmongTheTargets) {
    std::set<Proc> reached;
    for (HWND target : targets_) reached.insert(ProcOf(target));
    for (Proc proc : {Proc::kFrame, Proc::kSub, Proc::kButton, Proc::kEdit, Proc::kCombo, Proc::kList, Proc::kTrackBar,
                      Proc::kProgress, Proc::kUpDown, Proc::kHeader}) {
        EXPECT_TRUE(reached.count(proc)) << NameOf(proc);
    }
}

TEST_F(MessageFuzz, RandomMessagesNeitherCrashNorLeakAndUnusedOnesGoOn) {
    ASSERT_GE(targets_.size(), 10u);
    attachProbe();
    BadPointers bad;
    std::printf("seed %u\n", Seed());
    MessageMaker maker(Seed(), own_, bad);

    run(maker, kWarmUp);
    settle();
    Held heldBefore;
    const Snapshot before = snapshot(heldBefore);

    run(maker, kMessages);
    settle();
    Held heldAfter;
    const Snapshot after = snapshot(heldAfter);

    EXPECT_EQ(Describe(after), Describe(before));
    EXPECT_EQ(after.memoryDCs, 0);
    EXPECT_EQ(after.records, 2);
    for (const std::string& fault : heldAfter.faults) ADD_FAILURE() << fault;
    for (const std::string& kept : swallowed_) ADD_FAILURE() << kept;
    // Both windows are still the skin's.
    EXPECT_NE(skin::FindSkinnedWindow(form_), 0);
    EXPECT_NE(skin::FindSkinnedWindow(gallery_), 0);
}

}  // namespace
