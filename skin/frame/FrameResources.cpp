#include "skin/frame/FrameResources.h"

#include "skin/core/SkinRegistry.h"
#include "skin/draw/FaceCache.h"
#include "skin/draw/PictureCache.h"
#include "skin/draw/ColourAnswers.h"
#include "skin/frame/FramePainting.h"
#include "skin/frame/LayerCache.h"

namespace skin {
namespace {

BOOL CALLBACK ReleaseChildColourObjects(HWND child, LPARAM) {
    ReleaseColourObjects(child);
    return TRUE;
}

}  // namespace

void ReleaseFrameResources(HWND window) {
    const int index = FindSkinnedWindow(window);
    SkinnedWindow* record = GetSkinnedWindow(index);
    if (!record) return;
    // The record's pictures are freed below; pictures decoded from them must not outlive them.
    ClearPictureCache();
    ClearFaceCache();
    ForgetLayers(window);
    record->editControls.forEach([](int, const EditEntry& edit) {
        if (edit.hwnd) ReleaseColourObjects(edit.hwnd);
    });
    ReleaseComposedBackground(*record);
    ReleaseSnapshots(*record);
    RemoveSkinnedWindow(index);
}

void ReleaseDescendantColourObjects(HWND window) {
    if (!window) return;
    EnumChildWindows(window, ReleaseChildColourObjects, 0);
}

}  // namespace skin
