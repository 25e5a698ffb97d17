#pragma once
// Owning wrapper of a common-controls tool-tip window whose tools all live on one
// owner window.
#include <windows.h>

class ToolTipWindow {
public:
    ToolTipWindow() = default;
    ~ToolTipWindow() { Destroy(); }
    ToolTipWindow(const ToolTipWindow&) = delete;
    ToolTipWindow& operator=(const ToolTipWindow&) = delete;
    ToolTipWindow(ToolTipWindow&& other) noexcept;
    ToolTipWindow& operator=(ToolTipWindow&& other) noexcept;

    // Creates the tip window (any window held before is destroyed); tools added later
    // belong to owner. False when the window cannot be created.
    bool Create(HWND owner, bool balloon = false);
    // Registers a tool: the rectangle (owner client coordinates) shows the text.
    bool AddTool(UINT id, const char* text, const RECT& rect);
    // The same with the rectangle given by its edges.
    bool AddToolAt(UINT id, const char* text, int left, int top, int right, int bottom);
    void SetTipBkColor(COLORREF colour);
    void SetTipTextColor(COLORREF colour);
    // Returns the previous maximum width (-1 when there was none).
    int SetMaxTipWidth(int width);
    void DeleteTool(UINT id);
    void NewToolRect(UINT id, const RECT& rect);
    void UpdateTipText(UINT id, const char* text);

    HWND GetHandle() const { return window_; }
    HWND GetOwner() const { return owner_; }
    // Destroys the tip window; false when there was none.
    bool Destroy();

private:
    HWND window_ = nullptr;
    HWND owner_ = nullptr;
};
