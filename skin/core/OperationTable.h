#pragma once
// The engine's 42 operations in their fixed slot order. Slots that this program never
// calls keep their place so the numbering stays that of the table.
#include <windows.h>

#include <cstddef>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "skin/core/OperationArgs.h"

class GxGraphics;

namespace skin {

class SkinEngine;

using UnusedSlot = void (*)(SkinEngine&);

struct OperationTable {
    void (*destroy)(SkinEngine&);                                         // 0
    std::unique_ptr<SkinEngine> (*copy)(const SkinEngine&);               // 1
    LRESULT (*frameWindowProc)(SkinEngine&, HWND, UINT, WPARAM, LPARAM);  // 2
    void (*captionButtonAction)(SkinEngine&, int index, int button);      // 3
    void (*skinWindow)(SkinEngine&, const SkinWindowArgs&);               // 4
    UnusedSlot changeCaptionButtons;                                      // 5
    UnusedSlot setTitleStyle;                                             // 6
    UnusedSlot setWindowPicture;                                          // 7
    void (*setBackground)(SkinEngine&, const std::string&, ByteView, std::optional<COLORREF>, std::optional<COLORREF>,
                          std::optional<int>);                                     // 8
    void (*setOptions)(SkinEngine&, int, std::optional<int>, std::optional<int>);  // 9
    void (*rebuildBackground)(SkinEngine&, int index, HDC, int paint);             // 10
    void (*paintFromBackground)(SkinEngine&, int index, HDC);                      // 11
    UnusedSlot framePaintStep12;                                                   // 12
    UnusedSlot framePaintStep13;                                                   // 13
    UnusedSlot framePaintStep14;                                                   // 14
    UnusedSlot framePaintStep15;                                                   // 15
    UnusedSlot framePaintStep16;                                                   // 16
    void (*paintCaptionButton)(SkinEngine&, int index, int button, GxGraphics&, int composing, std::optional<int>,
                               std::optional<int>);                                                                // 17
    UnusedSlot framePaintStep18;                                                                                   // 18
    void (*layoutCaptionButtons)(SkinEngine&, int index);                                                          // 19
    int (*captionButtonAt)(SkinEngine&, int index, int x, int y);                                                  // 20
    int (*maximizeButtonNumber)(SkinEngine&, int index);                                                           // 21
    void (*beginFrameDrag)(SkinEngine&, int index, LPARAM, const RECT&);                                           // 22
    void (*updateFrameCursor)(SkinEngine&, int index, LPARAM, const RECT&);                                        // 23
    void (*setHelpCallback)(SkinEngine&, HWND, WNDPROC);                                                           // 24
    void (*setMenuCallback)(SkinEngine&, HWND, WNDPROC);                                                           // 25
    void (*paintTitle)(SkinEngine&, int index, GxGraphics&, int composing, const std::optional<std::string>&);     // 26
    void (*setStripItems)(SkinEngine&, int index, int count, const std::optional<std::vector<StripItem>>&);        // 27
    void (*layoutStripItems)(SkinEngine&, int index);                                                              // 28
    void (*paintStripItems)(SkinEngine&, int index, GxGraphics&);                                                  // 29
    UnusedSlot editStripItem;                                                                                      // 30
    UnusedSlot setWindowOptions;                                                                                   // 31
    UnusedSlot skinChildButton;                                                                                    // 32
    UnusedSlot skinChildButtonWithPictures;                                                                        // 33
    int (*addSubWindow)(SkinEngine&, HWND, std::optional<int>, COLORREF, std::optional<int>, std::optional<int>);  // 34
    UnusedSlot setEntryValue;                                                                                      // 35
    UnusedSlot getRecordField;                                                                                     // 36
    UnusedSlot subclassChild;                                                                                      // 37
    void (*layoutAfterSize)(SkinEngine&, int index);                                                               // 38
    UnusedSlot markInputChild;                                                                                     // 39
    COLORREF (*backColour)(SkinEngine&);                                                                           // 40
    UnusedSlot getWindowStyle;                                                                                     // 41
};

inline constexpr int kOperationSlots = 42;
static_assert(sizeof(OperationTable) == kOperationSlots * sizeof(void*), "the table has 42 pointer-sized slots");
static_assert(offsetof(OperationTable, frameWindowProc) == 2 * sizeof(void*), "slot order");
static_assert(offsetof(OperationTable, skinWindow) == 4 * sizeof(void*), "slot order");
static_assert(offsetof(OperationTable, setBackground) == 8 * sizeof(void*), "slot order");
static_assert(offsetof(OperationTable, paintCaptionButton) == 17 * sizeof(void*), "slot order");
static_assert(offsetof(OperationTable, setHelpCallback) == 24 * sizeof(void*), "slot order");
static_assert(offsetof(OperationTable, paintStripItems) == 29 * sizeof(void*), "slot order");
static_assert(offsetof(OperationTable, addSubWindow) == 34 * sizeof(void*), "slot order");
static_assert(offsetof(OperationTable, layoutAfterSize) == 38 * sizeof(void*), "slot order");
static_assert(offsetof(OperationTable, getWindowStyle) == 41 * sizeof(void*), "slot order");

}  // namespace skin
