#pragma once
// Engine-wide settings read by every skin painter. They are process globals owned by the
// SkinEngine; the engine's operations are the only writers after start-up.
#include <windows.h>

#include <cstdint>
#include <vector>

namespace skin {

inline constexpr COLORREF kDefaultThemeColour = 0xDDCA22;
inline constexpr int kDefaultVeilAlpha = 160;
inline constexpr int kDefaultControlFrames = 1;

extern int SkinFrameFlag;                         // 1 until the first size message of the frame
extern int SkinControls;                          // 0: the control installers skin nothing
extern int SkinVeilAlpha;                         // 0..255, alpha of the white veil behind controls
extern int SkinTranslucentEdits;                  // edits and combo boxes show the veiled background
extern int SkinControlFrames;                     // track bars draw their rounded plate
extern COLORREF SkinThemeColour;                  // accent of marks, focus and highlight strokes
extern COLORREF SkinBackColour;                   // fill of windows without a picture
extern int SkinImageMode;                         // how the engine-wide picture is placed
extern std::vector<uint8_t> SkinBackgroundImage;  // encoded picture bytes, empty for none

// Puts every setting back to its start value (the back colour to the system button face)
// and frees the background picture.
void ResetSkinSettings();

}  // namespace skin
