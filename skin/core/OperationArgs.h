#pragma once
// Argument types of the engine's operations that more than one slot or caller shares.
#include <windows.h>

#include <optional>
#include <vector>

#include "skin/core/ByteView.h"
#include "skin/core/Entries.h"

namespace skin {

// setBackground's theme colour meaning "the same as the back colour".
inline constexpr COLORREF kThemeColourFromBackColour = 0xFFFFFFFF;

// The arguments of skinWindow; an empty optional is an argument not given.
struct SkinWindowArgs {
    HWND hwnd = nullptr;
    int titleHeight = 0;
    std::optional<int> option31;        // default 1
    std::optional<int> option30;        // default 1
    std::optional<int> showHelpButton;  // default 0
    std::optional<int> showMenuButton;  // default 0
    std::optional<int> option7;         // default 1
    std::optional<int> option8;         // default 0
    int stripCount = 0;
    std::optional<std::vector<StripItem>> stripItems;
    ByteView picture;
    std::optional<int> imageMode;  // default SkinImageMode
};

}  // namespace skin
