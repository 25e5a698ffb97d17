#include "graphics/ToolTipWindow.h"

#include <commctrl.h>

#include <utility>

namespace {
// A tool record of the fixed 40-byte size every comctl32 version accepts.
TOOLINFOA ToolInfo(HWND owner, UINT id) {
    TOOLINFOA info = {};
    info.cbSize = TTTOOLINFOA_V1_SIZE;
    info.uFlags = TTF_SUBCLASS;
    info.hwnd = owner;
    info.uId = id;
    return info;
}
}  // namespace

ToolTipWindow::ToolTipWindow(ToolTipWindow&& other) noexcept
    : window_(std::exchange(other.window_, nullptr)), owner_(std::exchange(other.owner_, nullptr)) {}

ToolTipWindow& ToolTipWindow::operator=(ToolTipWindow&& other) noexcept {
    if (this != &other) {
        Destroy();
        window_ = std::exchange(other.window_, nullptr);
        owner_ = std::exchange(other.owner_, nullptr);
    }
    return *this;
}

bool ToolTipWindow::Create(HWND owner, bool balloon) {
    Destroy();
    DWORD style = TTS_ALWAYSTIP | (balloon ? TTS_BALLOON : 0);
    window_ = CreateWindowExA(0, TOOLTIPS_CLASSA, "", style, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT,
                              nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
    owner_ = window_ ? owner : nullptr;
    return window_ != nullptr;
}

bool ToolTipWindow::AddTool(UINT id, const char* text, const RECT& rect) {
    if (!window_) return false;
    TOOLINFOA info = ToolInfo(owner_, id);
    info.rect = rect;
    // The control copies the text; it never writes through this pointer.
    info.lpszText = const_cast<char*>(text ? text : "");
    return SendMessageA(window_, TTM_ADDTOOLA, 0, reinterpret_cast<LPARAM>(&info)) != 0;
}

bool ToolTipWindow::AddToolAt(UINT id, const char* text, int left, int top, int right, int bottom) {
    RECT rect = {left, top, right, bottom};
    return AddTool(id, text, rect);
}

void ToolTipWindow::SetTipBkColor(COLORREF colour) {
    if (window_) SendMessageA(window_, TTM_SETTIPBKCOLOR, colour, 0);
}

void ToolTipWindow::SetTipTextColor(COLORREF colour) {
    if (window_) SendMessageA(window_, TTM_SETTIPTEXTCOLOR, colour, 0);
}

int ToolTipWindow::SetMaxTipWidth(int width) {
    if (!window_) return -1;
    return static_cast<int>(SendMessageA(window_, TTM_SETMAXTIPWIDTH, 0, width));
}

void ToolTipWindow::DeleteTool(UINT id) {
    if (!window_) return;
    TOOLINFOA info = ToolInfo(owner_, id);
    SendMessageA(window_, TTM_DELTOOLA, 0, reinterpret_cast<LPARAM>(&info));
}

void ToolTipWindow::NewToolRect(UINT id, const RECT& rect) {
    if (!window_) return;
    TOOLINFOA info = ToolInfo(owner_, id);
    info.rect = rect;
    SendMessageA(window_, TTM_NEWTOOLRECTA, 0, reinterpret_cast<LPARAM>(&info));
}

void ToolTipWindow::UpdateTipText(UINT id, const char* text) {
    if (!window_) return;
    TOOLINFOA info = ToolInfo(owner_, id);
    info.lpszText = const_cast<char*>(text ? text : "");
    SendMessageA(window_, TTM_UPDATETIPTEXTA, 0, reinterpret_cast<LPARAM>(&info));
}

bool ToolTipWindow::Destroy() {
    if (!window_) return false;
    // The window may already be gone with its thread or by another hand.
    if (IsWindow(window_)) DestroyWindow(window_);
    window_ = nullptr;
    owner_ = nullptr;
    return true;
}
