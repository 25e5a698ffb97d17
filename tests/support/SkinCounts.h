#pragma once
// What a long run must give back: live GDI and GDI+ objects, the composed pictures still
// listed, registered windows and the window properties the skin put on this thread's
// windows.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstddef>
#include <string>

#include "support/Pump.h"

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

// The counts after a warm-up run of `events` (caches of the system and the graphics
// library settle) and after a second, longer run: a leak test compares the two.
struct CountsAround {
    SkinCounts before;
    SkinCounts after;
};
template <class Events>
CountsAround CountAround(Events&& events, int warmUp, int repeats) {
    CountsAround counts;
    events(warmUp);
    counts.before = CountSkinObjects();
    events(repeats);
    counts.after = CountSkinObjects();
    return counts;
}

// The same, expecting the GDI and GDI+ counts to come back exactly.
template <class Events>
void ExpectDrawingObjectsFlat(Events&& events, int warmUp, int repeats) {
    const CountsAround counts = CountAround(events, warmUp, repeats);
    EXPECT_EQ(counts.before.gdi, counts.after.gdi) << "GDI objects";
    EXPECT_EQ(counts.before.gx, counts.after.gx) << "GDI+ objects";
}

// A run of `count` events for the functions above: the steps taken in turn, each given
// the event's number, then what they left queued handled.
template <class Step, std::size_t kSteps>
auto StepsInTurn(const Step (&steps)[kSteps]) {
    return [&steps](int count) {
        for (int i = 0; i < count; ++i) steps[i % kSteps](i);
        PumpMessages();
    };
}

}  // namespace testing_support
