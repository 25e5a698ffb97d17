// The engine's own operations that are only a few lines (its end and its copy among
// them), the placeholder for slots nothing calls, and the default operation table.
#include "skin/engine/EngineOperations.h"

#include <algorithm>

#include "skin/core/SkinEngine.h"
#include "skin/core/SkinRegistry.h"
#include "skin/draw/GraphicsShutdown.h"
#include "skin/frame/FrameOperations.h"

namespace skin {

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
    std::unique_ptr<SkinEngine> copy(new SkinEngine(engine.operations, SkinEngine::KeepSettings{}));
    copy->frameBorder = engine.frameBorder;
    copy->pointedCaptionButton = engine.pointedCaptionButton;
    copy->applicationIcon = engine.applicationIcon ? CopyIcon(engine.applicationIcon) : nullptr;
    return copy;
}

void SetOptions(SkinEngine&, int skinControls, std::optional<int> veilAlpha, std::optional<int> controlFrames) {
    SkinControls = skinControls;
    SkinVeilAlpha = veilAlpha.value_or(kDefaultVeilAlpha);
    // Only a caller that chose a veil wants the see-through edits.
    SkinTranslucentEdits = veilAlpha.has_value() ? 1 : 0;
    SkinControlFrames = controlFrames.value_or(kDefaultControlFrames);
}

void SetHelpCallback(SkinEngine&, HWND window, WNDPROC callback) {
    if (SkinnedWindow* record = GetSkinnedWindow(FindSkinnedWindow(window))) record->helpCallback = callback;
}

void SetMenuCallback(SkinEngine&, HWND window, WNDPROC callback) {
    if (SkinnedWindow* record = GetSkinnedWindow(FindSkinnedWindow(window))) record->menuCallback = callback;
}

// The strip then holds count items, the given ones first and zero-filled ones after.
void SetStripItems(SkinEngine&, int index, int count, const std::optional<std::vector<StripItem>>& items) {
    SkinnedWindow* record = GetSkinnedWindow(index);
    if (!record || count < 1) return;
    record->stripItems.clear();
    const int given = items ? static_cast<int>(std::min<size_t>(items->size(), static_cast<size_t>(count))) : 0;
    for (int i = 0; i < count; ++i) {
        int position = record->stripItems.append();
        if (i < given) *record->stripItems.at(position) = (*items)[i];
    }
}

COLORREF GetSkinBackColour(SkinEngine&) { return SkinBackColour; }

void UnusedOperation(SkinEngine&) {}

const OperationTable& DefaultOperations() {
    static const OperationTable table = {
        DestroyEngine,         // 0
        CopyEngine,            // 1
        FrameWindowProc,       // 2
        CaptionButtonAction,   // 3
        SkinWindow,            // 4
        UnusedOperation,       // 5
        UnusedOperation,       // 6
        UnusedOperation,       // 7
        SetBackground,         // 8
        SetOptions,            // 9
        RebuildBackground,     // 10
        PaintFromBackground,   // 11
        UnusedOperation,       // 12
        UnusedOperation,       // 13
        UnusedOperation,       // 14
        UnusedOperation,       // 15
        UnusedOperation,       // 16
        PaintCaptionButton,    // 17
        UnusedOperation,       // 18
        LayoutCaptionButtons,  // 19
        CaptionButtonAt,       // 20
        MaximizeButtonNumber,  // 21
        BeginFrameDrag,        // 22
        UpdateFrameCursor,     // 23
        SetHelpCallback,       // 24
        SetMenuCallback,       // 25
        PaintTitle,            // 26
        SetStripItems,         // 27
        LayoutStripItems,      // 28
        PaintStripItems,       // 29
        UnusedOperation,       // 30
        UnusedOperation,       // 31
        UnusedOperation,       // 32
        UnusedOperation,       // 33
        AddSubWindow,          // 34
        UnusedOperation,       // 35
        UnusedOperation,       // 36
        UnusedOperation,       // 37
        LayoutAfterSize,       // 38
        UnusedOperation,       // 39
        GetSkinBackColour,     // 40
        UnusedOperation,       // 41
    };
    return table;
}

}  // namespace skin
