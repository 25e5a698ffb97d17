#pragma once
// The window properties through which every skinned window finds its way back to the
// engine's state, and typed access to them. Values are 32 bits; a missing one reads 0.
#include <windows.h>

#include <cstdint>

namespace skin {

// On a taken-over top-level window: its registry index. On a skinned control or a
// sub-window: its entry index in the owning record's list.
inline constexpr char kPropListIndex[] = "Hw_lbID";
// On a skinned control or a sub-window: registry index of the owning top-level record.
inline constexpr char kPropOwnerIndex[] = "Hw_FuID";
// On every skinned window: the window procedure that the skin replaced.
inline constexpr char kPropPreviousProc[] = "Hw_hProc";
// Text colour (COLORREF) used when a control's colour request is answered.
inline constexpr char kPropTextColour[] = "Kj_Ztys";
// Brush last handed out for a control's background, and the bitmap behind it.
inline constexpr char kPropBrush[] = "Kj_dxjb";
inline constexpr char kPropBrushBitmap[] = "Kj_wtjb";
// On a sub-window: its nearest ancestor that carries its own background, or 0.
inline constexpr char kPropBackgroundOwner[] = "Mb_zpf";
// 1 on a window that carries its own background, and the DC holding that background.
inline constexpr char kPropOwnBackground[] = "Wxk_Zpf";
inline constexpr char kPropOwnBackgroundDC[] = "Wxk_Cj";
// On children subclassed one by one: record index, entry index, replaced procedure.
inline constexpr char kPropChildOwnerIndex[] = "Kj_FuID";
inline constexpr char kPropChildIndex[] = "Kj_lbID";
inline constexpr char kPropChildPreviousProc[] = "Kj_hProc";
// On a top-level window: the bitmap first displaced from its composed background DC,
// and the bitmap currently composed there.
inline constexpr char kPropOriginalBitmap[] = "Ck_Ycjdx";
inline constexpr char kPropComposedBitmap[] = "Ck_wtjbdx";

// The three properties every skin procedure reads on every message ("Hw_lbID",
// "Hw_FuID", "Hw_hProc"), and the colour answer's "Kj_dxjb" and "Kj_wtjb", which only the
// skin writes, are also kept in this process, as they are written through
// SetPropValue: a window property costs a round trip to the window server (about 25 us
// under Wine), which a repaint of the editor pays a few hundred times. The window's own
// properties stay the record that other code reads. What keeps the copy true:
//   - every write and removal of these names goes through SetPropValue and
//     RemovePropValue, which change the property and the copy together;
//   - a window's copies go when its destruction starts (and its descendants' with it);
//   - a name with no copy for the window is read from the window itself.
namespace detail {
bool ReadMirroredProp(HWND window, const char* name, uintptr_t& value);
void NoteMirroredProp(HWND window, const char* name, uintptr_t value);
void ForgetMirroredProp(HWND window, const char* name);
}  // namespace detail

inline uintptr_t GetPropValue(HWND window, const char* name) {
    if (!window) return 0;
    uintptr_t value = 0;
    if (detail::ReadMirroredProp(window, name, value)) return value;
    return reinterpret_cast<uintptr_t>(GetPropA(window, name));
}

inline bool SetPropValue(HWND window, const char* name, uintptr_t value) {
    if (!window || !SetPropA(window, name, reinterpret_cast<HANDLE>(value))) return false;
    detail::NoteMirroredProp(window, name, value);
    return true;
}

// Removes the property and answers what it held (0 when it was missing): one request to
// the window server where a read and a removal would make two.
inline uintptr_t TakePropValue(HWND window, const char* name) {
    if (!window) return 0;
    const uintptr_t value = reinterpret_cast<uintptr_t>(RemovePropA(window, name));
    detail::ForgetMirroredProp(window, name);
    return value;
}

inline void RemovePropValue(HWND window, const char* name) { TakePropValue(window, name); }

// Copies kept now, over all windows (for tests).
int MirroredPropCount();

inline int GetPropInt(HWND window, const char* name) {
    return static_cast<int>(static_cast<int32_t>(GetPropValue(window, name)));
}

inline bool SetPropInt(HWND window, const char* name, int value) {
    return SetPropValue(window, name, static_cast<uintptr_t>(static_cast<uint32_t>(value)));
}

inline COLORREF GetPropColour(HWND window, const char* name) {
    return static_cast<COLORREF>(GetPropValue(window, name));
}

inline bool SetPropColour(HWND window, const char* name, COLORREF colour) { return SetPropValue(window, name, colour); }

// For handle and procedure values: HWND, HBRUSH, HBITMAP, HDC, WNDPROC.
template <class Handle>
Handle GetPropHandle(HWND window, const char* name) {
    return reinterpret_cast<Handle>(GetPropValue(window, name));
}

template <class Handle>
bool SetPropHandle(HWND window, const char* name, Handle handle) {
    return SetPropValue(window, name, reinterpret_cast<uintptr_t>(handle));
}

// Hands a message to the procedure saved in "Hw_hProc". A window without one, or whose
// saved procedure is its current one (which would recurse forever), gets DefWindowProcA.
inline LRESULT CallPreviousProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    WNDPROC previous = GetPropHandle<WNDPROC>(window, kPropPreviousProc);
    if (!previous || reinterpret_cast<LONG_PTR>(previous) == GetWindowLongPtrA(window, GWLP_WNDPROC)) {
        return DefWindowProcA(window, message, wParam, lParam);
    }
    return CallWindowProcA(previous, window, message, wParam, lParam);
}

}  // namespace skin
