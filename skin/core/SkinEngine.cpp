#include "skin/core/SkinEngine.h"

#include "skin/draw/PictureCache.h"

// The lean Windows headers leave out the COM types the GDI+ headers need.
#include <objidl.h>
#include <gdiplus.h>

#include <algorithm>
#include <vector>

#include "skin/core/Properties.h"

namespace skin {
namespace {

// Engines in the order they were made; the entry points reach the first one.
std::vector<SkinEngine*>& LiveEngines() {
    static std::vector<SkinEngine*> engines;
    return engines;
}

}  // namespace

LRESULT CALLBACK EngineWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (SkinEngine* engine = SkinEngine::Current()) return engine->frameWindowProc(window, message, wParam, lParam);
    return CallPreviousProc(window, message, wParam, lParam);
}

void CALLBACK EngineCaptionAction(int index, int button) {
    if (SkinEngine* engine = SkinEngine::Current()) engine->captionButtonAction(index, button);
}

SkinEngine::SkinEngine() : SkinEngine(KeepSettings{}) { SkinBackColour = GetSysColor(COLOR_BTNFACE); }

SkinEngine::SkinEngine(KeepSettings) : operations(DefaultOperations()) {
    actionTrampolineAddress = reinterpret_cast<uintptr_t>(&EngineCaptionAction);
    LiveEngines().push_back(this);
}

SkinEngine::~SkinEngine() {
    if (operations.destroy) operations.destroy(*this);
    auto& engines = LiveEngines();
    engines.erase(std::remove(engines.begin(), engines.end(), this), engines.end());
}

SkinEngine* SkinEngine::Current() {
    const auto& engines = LiveEngines();
    return engines.empty() ? nullptr : engines.front();
}

void ShutdownGraphics(SkinEngine& engine) {
    if (!engine.graphicsToken) return;
    // Kept pictures are GDI+ objects: they must go while the library still runs.
    ClearPictureCache();
    Gdiplus::GdiplusShutdown(engine.graphicsToken);
    engine.graphicsToken = 0;
}

void DestroyEngine(SkinEngine& engine) {
    if (engine.applicationIcon) {
        DestroyIcon(engine.applicationIcon);
        engine.applicationIcon = nullptr;
    }
    ShutdownGraphics(engine);
}

// The copy gets its own icon and no graphics token, so each engine releases only what
// it holds and the library is shut down once.
std::unique_ptr<SkinEngine> CopyEngine(const SkinEngine& engine) {
    std::unique_ptr<SkinEngine> copy(new SkinEngine(SkinEngine::KeepSettings{}));
    copy->operations = engine.operations;
    copy->frameBorder = engine.frameBorder;
    copy->pointedCaptionButton = engine.pointedCaptionButton;
    copy->applicationIcon = engine.applicationIcon ? CopyIcon(engine.applicationIcon) : nullptr;
    return copy;
}

}  // namespace skin
