#pragma once
// What a long run must give back: live GDI and GDI+ objects, the composed pictures still
// listed, registered windows and the window properties the skin put on this thread's
// windows.
#include <windows.h>

#include <string>

namespace testing_support {

struct SkinCounts {
    int gdi = 0;
    int gx = 0;
    int memoryDCs = 0;
    int records = 0;
    int properties = 0;
};

bool operator==(const SkinCounts& a, const SkinCounts& b);
inline bool operator!=(const SkinCounts& a, const SkinCounts& b) { return !(a == b); }
std::string Describe(const SkinCounts& counts);

// Properties of the skin's protocol ("Hw_*", "Kj_dxjb", "Kj_wtjb", "Mb_zpf", "Wxk_*",
// "Kj_FuID" / "Kj_lbID" / "Kj_hProc", "Ck_*") on every window of this thread, the popups
// included. "Kj_Ztys" is the program's, not the skin's, and is not counted; the colour
// answers' "Kj_dxjb" and "Kj_wtjb" only when asked for.
int CountSkinProperties(bool withColourObjects = true);

SkinCounts CountSkinObjects();

}  // namespace testing_support
