#include <gtest/gtest.h>

#include <vector>

#include "support/GdiCount.h"

// The object counter the leak tests rely on must move with real creations.
TEST(GdiProbe, CountsBrushesCreatedAndDeleted) {
    const int before = testing_support::LiveGdiObjects();
    ASSERT_GT(before, 0);
    std::vector<HBRUSH> brushes;
    for (int i = 0; i < 100; ++i) brushes.push_back(CreateSolidBrush(RGB(i, 0, 0)));
    EXPECT_EQ(testing_support::LiveGdiObjects(), before + 100);
    for (HBRUSH b : brushes) DeleteObject(b);
    EXPECT_EQ(testing_support::LiveGdiObjects(), before);
}
