// The gallery from the keyboard: Tab enters the group frame and goes on through its controls.
#include <gtest/gtest.h>

#include <vector>

#include "support/GalleryFixture.h"
#include "support/Keys.h"

using gallery_test::GalleryFixture;
using testing_support::FocusedControlId;
using testing_support::Modifier;
using testing_support::PressKey;

TEST_F(GalleryFixture, TabGoesThroughTheGroupFramesControls) {
    // From the last control before the frame, in creation order.
    SetFocus(item(gallery::kIdUpDownHorzBuddy));
    const std::vector<int> expected = {gallery::kIdGroupEdit, gallery::kIdGroupCheck, gallery::kIdGroupRadioDay,
                                       gallery::kIdGroupList, gallery::kIdGroupButton};
    std::vector<int> visited;
    for (size_t i = 0; i < expected.size(); ++i) {
        PressKey(VK_TAB);
        visited.push_back(FocusedControlId());
    }
    EXPECT_EQ(visited, expected);
    PressKey(VK_TAB, Modifier::kShift);
    EXPECT_EQ(FocusedControlId(), gallery::kIdGroupList);
}
