#include "skin/core/SkinEngine.h"

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

SkinEngine::SkinEngine(const OperationTable& table) : SkinEngine(table, KeepSettings{}) {
    SkinBackColour = GetSysColor(COLOR_BTNFACE);
}

SkinEngine::SkinEngine(const OperationTable& table, KeepSettings) : operations(table) {
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

}  // namespace skin
