#include "support/SkinCounts.h"

#include <sstream>

#include "graphics/GxCore.h"
#include "skin/core/SkinRegistry.h"
#include "skin/draw/MemoryDCList.h"
#include "support/GdiCount.h"

namespace testing_support {
namespace {

struct Tally {
    bool withColourObjects;
    int total;
};

bool IsSkinProperty(const char* name, bool withColourObjects) {
    static const char* const kNames[] = {"Hw_lbID", "Hw_FuID", "Hw_hProc", "Mb_zpf",   "Wxk_Zpf",  "Wxk_Cj",
                                         "Kj_FuID", "Kj_lbID", "Kj_hProc", "Ck_Ycjdx", "Ck_wtjbdx"};
    for (const char* known : kNames)
        if (lstrcmpA(known, name) == 0) return true;
    return withColourObjects && (lstrcmpA(name, "Kj_dxjb") == 0 || lstrcmpA(name, "Kj_wtjb") == 0);
}

BOOL CALLBACK CountProperty(HWND, LPSTR name, HANDLE, ULONG_PTR data) {
    auto* tally = reinterpret_cast<Tally*>(data);
    // Atoms without a string name arrive as small integers.
    if (reinterpret_cast<ULONG_PTR>(name) > 0xFFFF && IsSkinProperty(name, tally->withColourObjects)) ++tally->total;
    return TRUE;
}

void CountOn(HWND window, Tally& tally) { EnumPropsExA(window, CountProperty, reinterpret_cast<LPARAM>(&tally)); }

BOOL CALLBACK CountChild(HWND child, LPARAM tally) {
    CountOn(child, *reinterpret_cast<Tally*>(tally));
    return TRUE;
}

BOOL CALLBACK CountTopLevel(HWND window, LPARAM tally) {
    CountOn(window, *reinterpret_cast<Tally*>(tally));
    EnumChildWindows(window, CountChild, tally);
    return TRUE;
}

}  // namespace

bool operator==(const SkinCounts& a, const SkinCounts& b) {
    return a.gdi == b.gdi && a.gx == b.gx && a.memoryDCs == b.memoryDCs && a.records == b.records &&
           a.properties == b.properties;
}

std::string Describe(const SkinCounts& c) {
    std::ostringstream out;
    out << "gdi=" << c.gdi << " gx=" << c.gx << " memory_dcs=" << c.memoryDCs << " records=" << c.records
        << " properties=" << c.properties;
    return out.str();
}

int CountSkinProperties(bool withColourObjects) {
    Tally tally = {withColourObjects, 0};
    EnumThreadWindows(GetCurrentThreadId(), CountTopLevel, reinterpret_cast<LPARAM>(&tally));
    return tally.total;
}

SkinCounts CountSkinObjects() {
    SkinCounts c;
    c.gdi = LiveGdiObjects();
    c.gx = GxLiveObjects();
    c.memoryDCs = skin::TheMemoryDCList().count();
    c.records = skin::TheSkinRegistry().count();
    c.properties = CountSkinProperties();
    return c;
}

}  // namespace testing_support
