// The one hook through which the skin's stores hear of windows being destroyed.
#include "skin/core/DestroyWatch.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "support/TestWindows.h"

using testing_support::MakeChild;
using testing_support::MakeTopLevel;

namespace {

std::vector<HWND>& Heard() {
    static std::vector<HWND> heard;
    return heard;
}

void Note(HWND window) { Heard().push_back(window); }

TEST(DestroyWatch, AListenerHearsOfTheWindowAndEachDescendantOnce) {
    ASSERT_TRUE(skin::ListenForDestroyedWindows(Note));
    ASSERT_TRUE(skin::ListenForDestroyedWindows(Note));  // a second call adds nothing
    EXPECT_FALSE(skin::ListenForDestroyedWindows(nullptr));
    HWND top = MakeTopLevel();
    HWND child = MakeChild(top);
    HWND grandChild = MakeChild(child);
    HWND bystander = MakeTopLevel();
    Heard().clear();

    DestroyWindow(top);
    auto count = [](HWND w) { return std::count(Heard().begin(), Heard().end(), w); };
    EXPECT_EQ(1, count(top));
    EXPECT_EQ(1, count(child));
    EXPECT_EQ(1, count(grandChild));
    EXPECT_EQ(0, count(bystander));
    DestroyWindow(bystander);
    EXPECT_EQ(1, count(bystander));
}

}  // namespace
