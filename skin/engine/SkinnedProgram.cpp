#include "skin/engine/SkinnedProgram.h"

#include <objidl.h>
#include <gdiplus.h>
#include <commctrl.h>

#include <utility>

#include "embedded_pictures.h"
#include "skin/core/SkinEngine.h"
#include "skin/core/SkinRegistry.h"
#include "skin/draw/Colour.h"
#include "skin/draw/MemoryDCList.h"
#include "skin/engine/EngineOperations.h"
#include "skin/engine/FormKeys.h"
#include "skin/frame/FrameResources.h"

namespace skin {
namespace {

constexpr int kIconResourceNumber = 129;
constexpr int kBackgroundImageMode = 3;
constexpr int kFormVeilAlpha = 100;
constexpr int kTitleHeight = 25;

// Made by StartSkinnedProgram and destroyed only by ExitSkinnedProgram: never by a static
// destructor. A program that ends without ExitSkinnedProgram would otherwise destroy the
// engine after the stores its destruction clears (statics made later go first), and
// crash on its way out.
SkinEngine* g_engine = nullptr;
bool g_started = false;

// GdiplusStartupInput: version 1, no debug callback, background thread and external
// codecs both kept.
ULONG_PTR StartGraphics() {
    Gdiplus::GdiplusStartupInput input(nullptr, FALSE, FALSE);
    ULONG_PTR token = 0;
    if (Gdiplus::GdiplusStartup(&token, &input, nullptr) != Gdiplus::Ok) return 0;
    return token;
}

HICON LoadApplicationIcon() {
    HINSTANCE module = GetModuleHandleA(nullptr);
    if (HICON icon = LoadIconA(module, MAKEINTRESOURCEA(kIconResourceNumber))) return icon;
    return LoadIconA(module, "DEFAULT_ICON");
}

// The skin module's start hook: graphics library, icon and the engine's start values.
void StartSkinModule(SkinEngine& engine) {
    engine.graphicsToken = StartGraphics();
    engine.applicationIcon = LoadApplicationIcon();
    SkinFrameFlag = 1;
    SkinControls = 1;
    SkinVeilAlpha = kDefaultVeilAlpha;
    SkinThemeColour = kDefaultThemeColour;
    SkinControlFrames = kDefaultControlFrames;
}

// Windows still skinned at the end give their drawing objects back before their records go.
void FreeRegistry() {
    while (SkinnedWindow* record = GetSkinnedWindow(1)) {
        const int before = TheSkinRegistry().count();
        ReleaseFrameResources(record->hwnd);
        if (TheSkinRegistry().count() == before) RemoveSkinnedWindow(1);
    }
    FreeSkinRegistry();
}

}  // namespace

void StartSkinnedProgram() {
    if (g_started) return;
    g_started = true;
    INITCOMMONCONTROLSEX icc = {sizeof(icc), ICC_WIN95_CLASSES | ICC_DATE_CLASSES | ICC_INTERNET_CLASSES};
    InitCommonControlsEx(&icc);
    g_engine = new SkinEngine(DefaultOperations());
    // The registry and the memory-DC list exist from the start and must be empty now.
    FreeSkinRegistry();
    FreeMemoryDCList();
    // The program runs ExitSkinnedProgram once its message loop has ended.
    StartSkinModule(*g_engine);
}

void SkinProgramForm(HWND form, int groupBoxId) {
    SkinEngine* engine = SkinEngine::Current();
    if (!engine || !form) return;
    engine->setBackground("", ByteView(kBackground, kBackgroundSize), COLORREF{0}, kSilver, kBackgroundImageMode);
    engine->setOptions(1, kFormVeilAlpha, std::nullopt);

    SkinWindowArgs args;
    args.hwnd = form;
    args.titleHeight = kTitleHeight;
    args.showHelpButton = 1;
    args.showMenuButton = 1;
    args.option7 = 1;
    args.option30 = 1;
    args.option31 = 1;
    args.option8 = 0;
    args.stripCount = 0;
    engine->skinWindow(args);

    if (HWND groupBox = GetDlgItem(form, groupBoxId)) {
        engine->addSubWindow(groupBox, 1, GetSysColor(COLOR_BTNFACE), 0, std::nullopt);
    }
}

void ExitSkinnedProgram() {
    if (!g_started) return;
    g_started = false;
    // The engine's destruction releases the icon and shuts the graphics library down once:
    // a WM_QUIT that reached a frame procedure before has already cleared the token.
    delete std::exchange(g_engine, nullptr);
    FreeRegistry();
    FreeMemoryDCList();
    std::vector<uint8_t>().swap(SkinBackgroundImage);
}

int RunMessageLoop() {
    MSG msg;
    while (GetMessageA(&msg, nullptr, 0, 0) > 0) {
        if (HandleFormKeys(msg)) continue;
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
    return msg.message == WM_QUIT ? static_cast<int>(msg.wParam) : 0;
}

}  // namespace skin
