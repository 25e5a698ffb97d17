#pragma once
// Random messages for the skin procedures, each with parameters of the kind the message
// takes: points, key codes, flags and sizes at random; device contexts and windows only
// of the program's own; structures behind valid pointers filled at random; null and
// broken pointers only with the messages whose pointer the skin itself reads.
#include <windows.h>
#include <commctrl.h>

#include <cstdint>
#include <functional>
#include <random>
#include <string>
#include <vector>

#include "support/BadPointers.h"
#include "skin/controls/ButtonSkin.h"
#include "skin/controls/ComboSkin.h"
#include "skin/controls/EditSkin.h"
#include "skin/controls/HeaderSkin.h"
#include "skin/controls/ListSkin.h"
#include "skin/controls/ProgressSkin.h"
#include "skin/controls/TrackBarSkin.h"
#include "skin/controls/UpDownSkin.h"
#include "skin/core/SkinEngine.h"
#include "skin/frame/SubWindowProc.h"

namespace fuzz {

enum class Proc { kFrame, kSub, kButton, kEdit, kCombo, kList, kTrackBar, kProgress, kUpDown, kHeader, kOther };

inline Proc ProcOf(HWND window) {
    const auto proc = reinterpret_cast<WNDPROC>(GetWindowLongPtrA(window, GWLP_WNDPROC));
    if (proc == &skin::EngineWindowProc) return Proc::kFrame;
    if (proc == &skin::SubWindowProc) return Proc::kSub;
    if (proc == &skin::ButtonSkinProc) return Proc::kButton;
    if (proc == &skin::EditSkinProc) return Proc::kEdit;
    if (proc == &skin::ComboSkinProc) return Proc::kCombo;
    if (proc == &skin::ListSkinProc) return Proc::kList;
    if (proc == &skin::TrackBarSkinProc) return Proc::kTrackBar;
    if (proc == &skin::ProgressSkinProc) return Proc::kProgress;
    if (proc == &skin::UpDownSkinProc) return Proc::kUpDown;
    if (proc == &skin::HeaderSkinProc) return Proc::kHeader;
    return Proc::kOther;
}

inline const char* NameOf(Proc proc) {
    static const char* const kNames[] = {"frame",    "sub-window", "button",  "edit",   "combo", "list",
                                         "trackbar", "progress",   "up-down", "header", "other"};
    return kNames[static_cast<int>(proc)];
}

struct Message {
    UINT message = WM_NULL;
    WPARAM wParam = 0;
    LPARAM lParam = 0;
    bool unsafe = false;        // a broken pointer: the system's procedure must not get it
    bool mustPassOn = false;    // no skin uses it: it must go on unchanged
    bool releaseFirst = false;  // post a button release first: tree views wait for one
    // Delivered by a real focus change (SetFocus) rather than sent: told of a focus it
    // does not have, the system's edit keeps a caret bitmap for good.
    bool realFocus = false;
    HDC clientDC = nullptr;  // released after the send, from clientDCOwner
    HWND clientDCOwner = nullptr;
    HDC savedDC = nullptr;  // restored after the send to savedLevel
    int savedLevel = 0;
    HGDIOBJ deleteAfter = nullptr;
};

class MessageMaker {
public:
    MessageMaker(uint32_t seed, std::vector<HWND> own, const BadPointers& bad)
        : rng_(seed), own_(std::move(own)), bad_(bad), buffer_(1024) {
        HDC screen = GetDC(nullptr);
        memoryDC_ = CreateCompatibleDC(screen);
        memoryBitmap_ = CreateCompatibleBitmap(screen, 64, 64);
        ReleaseDC(nullptr, screen);
        previous_ = SelectObject(memoryDC_, memoryBitmap_);
    }
    ~MessageMaker() {
        SelectObject(memoryDC_, previous_);
        DeleteObject(memoryBitmap_);
        DeleteDC(memoryDC_);
    }
    MessageMaker(const MessageMaker&) = delete;
    MessageMaker& operator=(const MessageMaker&) = delete;

    // One message for the target. Structures it points at live until the next call.
    Message make(HWND target, Proc proc) {
        std::string name(64, '\0');
        name.resize(static_cast<size_t>(GetClassNameA(target, &name[0], 64)));
        Message m;
        for (;;) {
            m = Message{};
            if (pick(target, proc, name, m)) return m;
        }
    }

    // Gives back what a message held (a client DC, a region).
    static void Finish(const Message& m) {
        if (m.savedDC) RestoreDC(m.savedDC, m.savedLevel);
        if (m.clientDC) ReleaseDC(m.clientDCOwner, m.clientDC);
        if (m.deleteAfter) DeleteObject(m.deleteAfter);
    }

    int below(int n) { return static_cast<int>(rng_() % static_cast<uint32_t>(n)); }
    bool chance(int percent) { return below(100) < percent; }

private:
    uint32_t any() { return rng_(); }
    int between(int low, int high) { return low + below(high - low + 1); }

    // Mostly inside a window of this size, sometimes far outside or negative.
    LPARAM point() {
        if (chance(85)) return MAKELPARAM(between(-5, 700), between(-5, 450));
        return static_cast<LPARAM>(any());
    }
    WPARAM keyState() { return any() & (MK_LBUTTON | MK_RBUTTON | MK_SHIFT | MK_CONTROL | MK_MBUTTON); }
    WPARAM key() {
        static const WPARAM kKeys[] = {VK_SPACE, VK_RETURN, VK_LEFT, VK_RIGHT, VK_UP,   VK_DOWN,   VK_HOME,
                                       VK_END,   VK_PRIOR,  VK_NEXT, VK_TAB,   VK_BACK, VK_DELETE, VK_ESCAPE,
                                       VK_F4,    'A',       'Z',     '0',      '9',     VK_INSERT};
        return kKeys[below(static_cast<int>(sizeof(kKeys) / sizeof(kKeys[0])))];
    }
    HWND ownWindow() {
        return own_.empty() ? nullptr : own_[static_cast<size_t>(below(static_cast<int>(own_.size())))];
    }
    HWND ownWindowOrNull() { return chance(20) ? nullptr : ownWindow(); }

    // The maker's memory DC, its state saved: the system's controls leave clip regions
    // and other state on a DC they paint into, which the restore after the send undoes.
    HDC memoryDC(Message& m) {
        if (!m.savedDC) {
            m.savedDC = memoryDC_;
            m.savedLevel = SaveDC(memoryDC_);
        }
        return memoryDC_;
    }

    // A DC the program owns: its memory DC, or a client DC of one of its controls.
    HDC ownDC(Message& m) {
        if (chance(40)) return memoryDC(m);
        HWND owner = ownWindow();
        m.clientDC = GetDC(owner);
        m.clientDCOwner = owner;
        return m.clientDC;
    }

    // A text for a window or a field, sometimes a few thousand characters long.
    const char* text() {
        if (chance(3)) {
            longText_.assign(static_cast<size_t>(between(1000, 5000)), 'w');
            return longText_.c_str();
        }
        return itemText();
    }

    // A text for a list item, which stays short: Wine converts an item's text between the
    // ANSI and Unicode forms in a buffer of 512 bytes, so a longer item asked for by the
    // system's combo box through a skinned (ANSI) list overflows Wine's own stack.
    const char* itemText() {
        static const char* const kTexts[] = {"",           "a",      "怪物",      "Zombie King", "line one\r\nline two",
                                             "  spaced  ", "&Accel", "0123456789"};
        if (chance(3)) {
            longText_.assign(static_cast<size_t>(between(100, 500)), 'i');
            return longText_.c_str();
        }
        return kTexts[below(static_cast<int>(sizeof(kTexts) / sizeof(kTexts[0])))];
    }

    LPARAM badPointer() {
        return static_cast<LPARAM>(bad_.values()[static_cast<size_t>(below(static_cast<int>(bad_.values().size())))]);
    }

    // A zeroed block with random bytes in its first size bytes, so that whatever reads
    // past the structure reads zeros.
    template <class T>
    T* randomStruct() {
        std::fill(buffer_.begin(), buffer_.end(), 0);
        for (size_t i = 0; i < sizeof(T); ++i) buffer_[i] = static_cast<char>(any());
        return reinterpret_cast<T*>(buffer_.data());
    }

    RECT moderateRect() {
        const int left = between(-50, 400);
        const int top = between(-50, 300);
        if (chance(5)) return RECT{left, top, left + between(-3000, 3000), top + between(-3000, 3000)};
        return RECT{left, top, left + between(-10, 300), top + between(-10, 120)};
    }

    bool pick(HWND target, Proc proc, const std::string& cls, Message& m);

    std::mt19937 rng_;
    std::vector<HWND> own_;
    const BadPointers& bad_;
    std::vector<char> buffer_;
    std::string longText_;
    HDC memoryDC_ = nullptr;
    HBITMAP memoryBitmap_ = nullptr;
    HGDIOBJ previous_ = nullptr;
};

}  // namespace fuzz

#include "support/MessageMakerPick.h"
