#pragma once
// The end of the graphics library for the engine that started it.
#include "skin/core/SkinEngine.h"

namespace skin {

// Shuts the graphics library down with the engine's token, once: the token is cleared,
// so later calls (the frame's WM_QUIT, the engine's destruction) do nothing.
void ShutdownGraphics(SkinEngine& engine);

}  // namespace skin
