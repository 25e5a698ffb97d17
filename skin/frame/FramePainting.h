#pragma once
// The composed picture of a skinned window: its layers, its window region, and the
// release of the DCs and bitmaps that hold it.
#include <windows.h>

class GxGraphics;

namespace skin {

struct PixelCopy;
struct SkinnedWindow;

// Gives the window a region with 5 x 5 rounded corners over its client size.
void SetRoundWindowRegion(HWND window);

// Magenta ground, the rounded fill, the background picture in its mode and the title gloss.
// With the DC under surface given, the opaque fill is done by the system; with laid given
// too, it receives the pixels when the whole layer was composed in memory and copied to the
// DC as it is (it is left empty otherwise).
void PaintBackgroundLayer(const SkinnedWindow& record, GxGraphics& surface, const RECT& client, HDC dc = nullptr,
                          PixelCopy* laid = nullptr);

// The double rounded border: dark outside, light inside.
void PaintBorderLayer(GxGraphics& surface, const RECT& client);

// Deletes the composed background DC with its bitmap and forgets both ("Ck_Ycjdx" and
// "Ck_wtjbdx" removed); each object is deleted once.
void ReleaseComposedBackground(SkinnedWindow& record);

// Deletes the caption and strip snapshot DCs with their bitmaps.
void ReleaseSnapshots(SkinnedWindow& record);

// Height of the title band that the caption snapshot keeps.
int CaptionBandHeight(const SkinnedWindow& record);

}  // namespace skin
