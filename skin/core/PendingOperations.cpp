// Stand-ins for operations whose units are still being written, so that every slot is
// reachable. Each unit deletes its functions from here when it provides them.
#include "skin/core/Properties.h"
#include "skin/core/SkinEngine.h"

namespace skin {

LRESULT FrameWindowProc(SkinEngine&, HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    return CallPreviousProc(window, message, wParam, lParam);
}

void CaptionButtonAction(SkinEngine&, int, int) {}
void SkinWindow(SkinEngine&, const SkinWindowArgs&) {}
void SetBackground(SkinEngine&, const std::string&, ByteView, std::optional<COLORREF>, std::optional<COLORREF>,
                   std::optional<int>) {}
int AddSubWindow(SkinEngine&, HWND, std::optional<int>, COLORREF, std::optional<int>, std::optional<int>) { return 0; }
void RebuildBackground(SkinEngine&, int, HDC, int) {}
void PaintFromBackground(SkinEngine&, int, HDC) {}
void PaintCaptionButton(SkinEngine&, int, int, GxGraphics&, int, std::optional<int>, std::optional<int>) {}
void PaintTitle(SkinEngine&, int, GxGraphics&, int, const std::optional<std::string>&) {}
void PaintStripItems(SkinEngine&, int, GxGraphics&) {}
void LayoutCaptionButtons(SkinEngine&, int) {}
int CaptionButtonAt(SkinEngine&, int, int, int) { return 0; }
int MaximizeButtonNumber(SkinEngine&, int) { return 0; }
void BeginFrameDrag(SkinEngine&, int, LPARAM, const RECT&) {}
void UpdateFrameCursor(SkinEngine&, int, LPARAM, const RECT&) {}
void LayoutStripItems(SkinEngine&, int) {}
void LayoutAfterSize(SkinEngine&, int) {}

}  // namespace skin
