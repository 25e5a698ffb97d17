#include "skin/core/SkinSettings.h"

namespace skin {

int SkinFrameFlag = 1;
int SkinControls = 1;
int SkinVeilAlpha = kDefaultVeilAlpha;
int SkinTranslucentEdits = 0;
int SkinControlFrames = kDefaultControlFrames;
COLORREF SkinThemeColour = kDefaultThemeColour;
COLORREF SkinBackColour = 0;
int SkinImageMode = 0;
std::vector<uint8_t> SkinBackgroundImage;

void ResetSkinSettings() {
    SkinFrameFlag = 1;
    SkinControls = 1;
    SkinVeilAlpha = kDefaultVeilAlpha;
    SkinTranslucentEdits = 0;
    SkinControlFrames = kDefaultControlFrames;
    SkinThemeColour = kDefaultThemeColour;
    SkinBackColour = GetSysColor(COLOR_BTNFACE);
    SkinImageMode = 0;
    std::vector<uint8_t>().swap(SkinBackgroundImage);
}

}  // namespace skin
