// The window procedure of every taken-over top-level window: caption-button hover, fade,
// press and action, moving and sizing, painting from the composed background, the answers
// for its controls (ParentAnswers.h), and the release of the window's skin at its end.
// Handlers follow the order of the frame's message table; every message not answered
// here goes on to the procedure the skin replaced.
#include <windows.h>

#include <optional>
#include <string>

#include "graphics/GdiHandles.h"
#include "graphics/GxGraphics.h"
#include "skin/core/PaintAnswer.h"
#include "skin/core/MessageData.h"
#include "skin/core/Properties.h"
#include "skin/core/SkinEngine.h"
#include "skin/core/SkinRegistry.h"
#include "skin/draw/WindowQueries.h"
#include "skin/frame/CaptionButtons.h"
#include "skin/frame/FrameGeometry.h"
#include "skin/frame/FrameZones.h"
#include "skin/frame/ParentAnswers.h"
#include "skin/frame/FrameResources.h"
#include "skin/frame/SizeLimits.h"
#include "skin/frame/WorkingSetTrim.h"
#include "skin/draw/GraphicsShutdown.h"
#include "skin/frame/FrameOperations.h"

namespace skin {
namespace {

constexpr UINT kFadeInterval = 20;  // milliseconds per fade step
constexpr int kFadeSteps = 8;
constexpr double kFadeAlphaStep = 30.0;
constexpr double kHotAlpha = 240.0;  // kFadeSteps x kFadeAlphaStep

struct FrameMessage {
    SkinEngine& engine;
    int index;
    HWND hwnd;
    UINT message;
    WPARAM wParam;
    LPARAM lParam;

    // The window's record, looked up afresh: handlers that send messages may see it go.
    SkinnedWindow* record() const {
        SkinnedWindow* found = GetSkinnedWindow(index);
        return found && found->hwnd == hwnd ? found : nullptr;
    }
    LRESULT passOn() const { return CallPreviousProc(hwnd, message, wParam, lParam); }
    UINT_PTR timerId() const { return reinterpret_cast<UINT_PTR>(hwnd); }
    // The same message as the answers for the window's controls read it.
    ParentMessage forControls() const { return ParentMessage{index, hwnd, message, wParam, lParam}; }
};

// One caption button redrawn through slot 17 on a fresh surface that it may fill.
void PaintButton(const FrameMessage& m, int button, std::optional<int> pressed, std::optional<int> alpha) {
    if (button < 1) return;
    GxGraphics surface;
    m.engine.paintCaptionButton(m.index, button, surface, 0, pressed, alpha);
}

LRESULT OnQuit(const FrameMessage& m) {
    // The token is cleared, so the engine's destruction does not shut the library down again.
    ShutdownGraphics(m.engine);
    return m.passOn();
}

LRESULT OnNcDestroy(const FrameMessage& m) {
    ReleaseFrameResources(m.hwnd);
    KillTimer(m.hwnd, m.timerId());
    return m.passOn();
}

LRESULT OnShowWindow(const FrameMessage& m, SkinnedWindow& record) {
    if (m.wParam) {
        if (record.minimizedFlag) {
            record.minimizedFlag = 0;
        } else {
            // The rebuild paints through a DC of its own; no paint DC is needed here.
            m.engine.rebuildBackground(m.index, nullptr, 1);
        }
    }
    return m.passOn();
}

LRESULT OnEraseBackground(const FrameMessage& m) {
    SetBkMode(reinterpret_cast<HDC>(m.wParam), TRANSPARENT);
    return 1;
}

LRESULT OnPaint(const FrameMessage& m, SkinnedWindow& record) {
    {
        const gdi::PaintDC paint(m.hwnd);
        if (record.minimizedFlag) {
            // Nothing to show while minimized.
        } else if (record.backgroundStale || !record.backgroundDC) {
            m.engine.rebuildBackground(m.index, paint.get(), 1);
        } else {
            m.engine.paintFromBackground(m.index, paint.get());
        }
    }
    return DefaultPaintAnswer(m.hwnd, m.wParam, m.lParam);
}

LRESULT OnDoubleClick(const FrameMessage& m, SkinnedWindow& record) {
    if (PointY(m.lParam) <= record.titleHeight && record.option30) {
        const int button = m.engine.maximizeButtonNumber(m.index);
        if (button >= 1) m.engine.captionButtonAction(m.index, button);
    }
    return m.passOn();
}

LRESULT OnMouseMove(const FrameMessage& m, SkinnedWindow& record) {
    const RECT work = ClientRectOf(m.hwnd);
    if (!record.mouseInside) {
        TRACKMOUSEEVENT track = {sizeof(track), TME_HOVER | TME_LEAVE, m.hwnd, 1};
        TrackMouseEvent(&track);
    }
    if (!record.option31) return m.passOn();

    if (InStrip(m.index, m.lParam)) {
        if (!record.fadeTimerOn) {
            SetTimer(m.hwnd, m.timerId(), kFadeInterval, nullptr);
            record.fadeTimerOn = 1;
        }
    } else {
        // The timer runs on until its next tick finds the fades over.
        record.fadeTimerOn = 0;
    }
    const int pointed = m.engine.captionButtonAt(m.index, PointX(m.lParam), PointY(m.lParam));
    m.engine.pointedCaptionButton = pointed;
    if (record.hotCaptionButton >= 1 && record.hotCaptionButton != pointed) {
        // A fade-out cut short ends at once in the normal look.
        if (record.fadeOut.step < kFadeSteps) PaintButton(m, record.fadeOut.button, 0, 0);
        record.fadeOut = FadeState{record.hotCaptionButton, 0};
    }
    if (pointed >= 1 && pointed != record.hotCaptionButton) record.fadeIn = FadeState{pointed, 0};
    record.hotCaptionButton = pointed;
    if (!record.maximizedFlag) m.engine.updateFrameCursor(m.index, m.lParam, work);
    return m.passOn();
}

LRESULT OnMouseHover(const FrameMessage& m, SkinnedWindow& record) {
    record.mouseInside = 1;
    return m.passOn();
}

LRESULT OnMouseLeave(const FrameMessage& m, SkinnedWindow& record) {
    record.mouseInside = 0;
    if (record.hotCaptionButton >= 1 && record.option31) {
        if (record.fadeOut.step < kFadeSteps && record.fadeIn.step < kFadeSteps) {
            PaintButton(m, record.fadeOut.button, std::nullopt, std::nullopt);
            record.fadeIn = FadeState{};
        }
        record.fadeOut = FadeState{record.hotCaptionButton, 0};
        record.hotCaptionButton = 0;
    }
    return m.passOn();
}

LRESULT OnTimer(const FrameMessage& m, SkinnedWindow& record) {
    if (m.wParam != m.timerId()) return m.passOn();
    if (record.fadeIn.button >= 1 && record.fadeIn.step < kFadeSteps) {
        ++record.fadeIn.step;
        PaintButton(m, record.fadeIn.button, 0, static_cast<int>(record.fadeIn.step * kFadeAlphaStep));
    }
    if (record.fadeOut.button >= 1 && record.fadeOut.step < kFadeSteps) {
        ++record.fadeOut.step;
        PaintButton(m, record.fadeOut.button, 0, static_cast<int>(kHotAlpha - record.fadeOut.step * kFadeAlphaStep));
    }
    const bool fadeOutOver = record.fadeOut.step >= kFadeSteps || record.fadeOut.button == 0;
    if ((!record.mouseInside || !record.fadeTimerOn) && fadeOutOver) {
        record.fadeTimerOn = 0;
        KillTimer(m.hwnd, m.timerId());
        record.hotCaptionButton = 0;
        record.fadeIn = FadeState{};
        record.fadeOut = FadeState{};
    }
    return m.passOn();
}

LRESULT OnGetMinMaxInfo(const FrameMessage& m, SkinnedWindow& record) {
    // Structures behind lParam are read and written with checks, so a bad pointer is only ignored.
    MINMAXINFO info = {};
    if (CopyFromMessage(m.lParam, info)) {
        ApplySizeLimits(record, info);
        CopyToMessage(m.lParam, info);
    }
    return m.passOn();
}

LRESULT OnWindowPosChanged(const FrameMessage& m, SkinnedWindow& record) {
    if (record.hasMaximizeBox == 1) {
        const RECT client = ClientRectOf(m.hwnd);
        const int screenWidth = GetSystemMetrics(SM_CXSCREEN);
        const int screenHeight = GetSystemMetrics(SM_CYSCREEN);
        if (client.right == screenWidth && client.bottom == screenHeight) {
            // The system maximized over the whole screen: give the task bar its room back.
            record.maximizedFlag = 1;
            const int height = MaximizedHeight();
            // Without a task bar the size is right already; setting it again would only recurse.
            if (height != screenHeight) {
                SetWindowPos(m.hwnd, nullptr, 0, 0, screenWidth, height, SWP_NOZORDER | SWP_NOOWNERZORDER);
            }
        }
    }
    SkinnedWindow* current = m.record();
    if (!current) return m.passOn();
    m.engine.layoutCaptionButtons(m.index);
    if (current->stripHeight >= 1) m.engine.layoutStripItems(m.index);
    return m.passOn();
}

LRESULT OnSize(const FrameMessage& m, SkinnedWindow& record) {
    record.hotCaptionButton = 0;
    if (SkinFrameFlag) {
        // The first size message after start-up comes before the window is shown, and
        // showing it composes the background anyway.
        record.backgroundStale = 0;
        SkinFrameFlag = 0;
    } else {
        record.backgroundStale = 1;
    }
    m.engine.layoutAfterSize(m.index);
    return m.passOn();
}

LRESULT OnButtonDown(const FrameMessage& m, SkinnedWindow& record) {
    const RECT work = ClientRectOf(m.hwnd);
    record.fadeIn.button = 0;
    if (record.option31) {
        if (!record.maximizedFlag && !record.minimizedFlag) m.engine.beginFrameDrag(m.index, m.lParam, work);
        // A move or size loop may have run in between.
        if (!m.record()) return m.passOn();
        const int pointed = m.engine.captionButtonAt(m.index, PointX(m.lParam), PointY(m.lParam));
        m.engine.pointedCaptionButton = pointed;
        if (pointed >= 1) PaintButton(m, pointed, 1, std::nullopt);
    }
    return m.passOn();
}

LRESULT OnButtonUp(const FrameMessage& m, SkinnedWindow& record) {
    const int pointed = m.engine.pointedCaptionButton;
    if (m.engine.actionTrampolineAddress && pointed >= 1 && pointed <= record.captionButtons.count() &&
        record.option31) {
        // The action may destroy the window; only the message is passed on afterwards.
        m.engine.captionButtonAction(m.index, pointed);
        // Back to the hot look while the pointer stays on the button; the action may have
        // closed, minimized or re-laid the window.
        SkinnedWindow* after = m.record();
        if (after && !after->minimizedFlag && after->option31 &&
            m.engine.captionButtonAt(m.index, PointX(m.lParam), PointY(m.lParam)) == pointed) {
            PaintButton(m, pointed, 0, static_cast<int>(kHotAlpha));
        }
    }
    return m.passOn();
}

// The size cursor of the edge zone under the pointer, answered here so that the class's
// arrow does not replace it between moves; children and the inner area keep theirs.
LRESULT OnSetCursor(const FrameMessage& m, SkinnedWindow& record) {
    if (reinterpret_cast<HWND>(m.wParam) != m.hwnd || LOWORD(m.lParam) != HTCLIENT || !record.option30 ||
        record.maximizedFlag) {
        return m.passOn();
    }
    POINT at = {};
    if (!GetCursorPos(&at) || !ScreenToClient(m.hwnd, &at)) return m.passOn();
    const std::optional<FrameZone> zone = FindFrameZone(at.x, at.y, ClientRectOf(m.hwnd), m.engine.frameBorder);
    if (!zone) return m.passOn();
    SetCursor(LoadCursorA(nullptr, zone->cursor));
    return TRUE;
}

LRESULT OnSysCommand(const FrameMessage& m, SkinnedWindow& record) {
    switch (m.wParam & 0xFFF0) {
        case SC_MAXIMIZE:
            record.maximizedFlag = 1;
            record.backgroundStale = 1;
            break;
        case SC_RESTORE:
            record.backgroundStale = 1;
            record.minimizedFlag = 0;
            break;
        case SC_MINIMIZE:
            record.backgroundStale = 1;
            record.minimizedFlag = 1;
            break;
        default:
            break;
    }
    return m.passOn();
}

LRESULT OnQueryOpen(const FrameMessage& m, SkinnedWindow& record) {
    record.minimizedFlag = 0;
    return m.passOn();
}

LRESULT OnSetText(const FrameMessage& m, SkinnedWindow& record) {
    if (record.option7 && record.option31) {
        // A null text sets an empty title, as the default procedure treats it; a text that
        // cannot be read is left to the procedure the message goes on to.
        if (const std::optional<std::string> text = ReadMessageText(m.lParam)) {
            GxGraphics surface;
            m.engine.paintTitle(m.index, surface, 0, *text);
        }
    }
    return m.passOn();
}

LRESULT OnActivateApp(const FrameMessage& m) {
    if (m.wParam == 0) StartWorkingSetTrim();
    return m.passOn();
}

}  // namespace

LRESULT FrameWindowProc(SkinEngine& engine, HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    const FrameMessage m{engine, GetPropInt(hwnd, kPropListIndex), hwnd, message, wParam, lParam};
    if (message == WM_QUIT) return OnQuit(m);
    SkinnedWindow* record = m.record();
    // A window without a live record behaves as if it had never been skinned.
    if (!record) return m.passOn();
    SkinnedWindow& r = *record;
    switch (message) {
        case WM_DESTROY:
            return AnswerDestroy(m.forControls());
        case WM_NCDESTROY:
            return OnNcDestroy(m);
        case WM_SHOWWINDOW:
            return OnShowWindow(m, r);
        case WM_ERASEBKGND:
            return OnEraseBackground(m);
        case WM_PAINT:
            return OnPaint(m, r);
        case WM_LBUTTONDBLCLK:
            return OnDoubleClick(m, r);
        case WM_MOUSEMOVE:
            return OnMouseMove(m, r);
        case WM_MOUSEHOVER:
            return OnMouseHover(m, r);
        case WM_MOUSELEAVE:
            return OnMouseLeave(m, r);
        case WM_TIMER:
            return OnTimer(m, r);
        case WM_GETMINMAXINFO:
            return OnGetMinMaxInfo(m, r);
        case WM_WINDOWPOSCHANGED:
            return OnWindowPosChanged(m, r);
        case WM_SIZE:
            return OnSize(m, r);
        case WM_LBUTTONDOWN:
            return OnButtonDown(m, r);
        case WM_LBUTTONUP:
            return OnButtonUp(m, r);
        case WM_SETCURSOR:
            return OnSetCursor(m, r);
        case WM_SYSCOMMAND:
            return OnSysCommand(m, r);
        case WM_QUERYOPEN:
            return OnQueryOpen(m, r);
        case WM_SETTEXT:
            return OnSetText(m, r);
        case WM_DRAWITEM:
            return AnswerDrawItem(m.forControls());
        case WM_CTLCOLOREDIT:
            return AnswerCtlColorEdit(m.forControls());
        case WM_CTLCOLORSTATIC:
            return AnswerCtlColorStatic(m.forControls());
        case WM_CTLCOLORLISTBOX:
            return AnswerCtlColorListBox(m.forControls());
        case WM_CTLCOLORBTN:
            return AnswerCtlColorButton(m.forControls());
        case WM_ACTIVATEAPP:
            return OnActivateApp(m);
        case WM_COMMAND:
            return AnswerCommand(m.forControls());
        case WM_NOTIFY:
            return AnswerNotify(m.forControls());
        default:
            return m.passOn();
    }
}

}  // namespace skin
