#include "support/SkinCounts.h"

#include <cstring>
#include <sstream>

#include "graphics/GxCore.h"
#include "skin/core/SkinRegistry.h"
#include "skin/draw/MemoryDCList.h"
#include "support/GdiCount.h"

namespace testing_support {
namespace {

bool IsSkinProperty(const char* name) {
    static const char* const kNames[] = {"Hw_lbID", "Hw_FuID",  "Hw_hProc", "Kj_dxjb", "Kj_wtjb", "Mb_zpf",   "Wxk_Zpf",
                                         "Wxk_Cj",  "Kj_FuID", "Kj_lbID",  "Kj_hProc", "Ck_Ycjdx", "Ck_wtjbdx"};
    for (const char* known : kNames)
        if (lstrcmpA(known, name) == 0) return true;
    return false;
}

BOOL CALLBACK CountProperty(HWND, LPSTR name, HANDLE, ULONG_PTR total) {
    // Atoms without a string name arrive as small integers.
    if (reinterpret_cast<ULONG_PTR>(name) > 0xFFFF && IsSkinProperty(name)) ++*reinterpret_cast<int*>(total);
    return TRUE;
}

void CountOn(HWND window, int& total) { EnumPropsExA(window, CountProperty, reinterpret_cast<LPARAM>(&total)); }

BOOL CALLBACK CountChild(HWND child, LPARAM total) {
    CountOn(child, *reinterpret_cast<int*>(total));
    return TRUE;
}

BOOL CALLBACK CountTopLevel(HWND window, LPARAM total) {
    CountOn(window, *reinterpret_cast<int*>(total));
    EnumChildWindows(window, CountChild, total);
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

int CountSkinProperties() {
    int total = 0;
    EnumThreadWindows(GetCurrentThreadId(), CountTopLevel, reinterpret_cast<LPARAM>(&total));
    return total;
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
