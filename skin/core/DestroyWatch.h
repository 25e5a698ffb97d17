#pragma once
// Tells the skin's process-side stores when a window of this thread starts being
// destroyed, so that nothing they keep for it outlives it (or is found again by a later
// window given the same handle). One hook per thread serves every store.
#include <windows.h>

namespace skin {

using DestroyListener = void (*)(HWND window);

// From now on, listener hears of every window of this thread whose destruction starts,
// and of each of its descendants, which go with it without a notice of their own. Adding
// the same listener again changes nothing. False when the watch could not be set up.
bool ListenForDestroyedWindows(DestroyListener listener);

}  // namespace skin
