// The control gallery opens as one skinned window whose every control sits in its
// family's list exactly once, and whose group box is a registered sub-window.
#include "support/GalleryFixture.h"

#include <string>

#include "skin/core/Properties.h"
#include "support/GdiplusSession.h"

using namespace gallery_test;
using namespace gallery;

namespace {

enum class Family { Button, Edit, Combo, List, TrackBar, Progress, UpDown, Header };

const char* Name(Family family) {
    switch (family) {
        case Family::Button:
            return "buttonControls";
        case Family::Edit:
            return "editControls";
        case Family::Combo:
            return "comboControls";
        case Family::List:
            return "listControls";
        case Family::TrackBar:
            return "trackBarControls";
        case Family::Progress:
            return "progressControls";
        case Family::UpDown:
            return "upDownControls";
        case Family::Header:
            return "headerControls";
    }
    return "?";
}

template <class Entry>
int Occurrences(const skin::OneBasedList<Entry>& list, HWND window) {
    int count = 0;
    list.forEach([&](int, const Entry& entry) { count += entry.hwnd == window ? 1 : 0; });
    return count;
}

// How often the window appears in the family's list, and the index of its first entry.
std::pair<int, int> FindIn(const skin::SkinnedWindow& record, Family family, HWND window) {
    auto in = [window](const auto& list) { return std::make_pair(Occurrences(list, window), list.findWindow(window)); };
    switch (family) {
        case Family::Button:
            return in(record.buttonControls);
        case Family::Edit:
            return in(record.editControls);
        case Family::Combo:
            return in(record.comboControls);
        case Family::List:
            return in(record.listControls);
        case Family::TrackBar:
            return in(record.trackBarControls);
        case Family::Progress:
            return in(record.progressControls);
        case Family::UpDown:
            return in(record.upDownControls);
        case Family::Header:
            return in(record.headerControls);
    }
    return {0, 0};
}

struct Expectation {
    int id;
    const char* childClass;  // the control's own child that the family skins, or null
    Family family;
};

// One row per skinned control; a family's rows join once its skin is on the branch.
const Expectation kSkinned[] = {
    {kIdGroupCheck, nullptr, Family::Button},
    {kIdGroupRadioDay, nullptr, Family::Button},
    {kIdGroupRadioNight, nullptr, Family::Button},
    {kIdGroupButton, nullptr, Family::Button},
    {kIdListPlain, nullptr, Family::List},
    {kIdListOwnerDrawn, nullptr, Family::List},
    {kIdGroupList, nullptr, Family::List},
    {kIdComboSimple, "ComboLBox", Family::List},
    {kIdIpAddress, nullptr, Family::List},
    {kIdDateTime, nullptr, Family::List},
    {kIdListView, nullptr, Family::List},
    {kIdTreeView, nullptr, Family::List},
    {kIdTrackBottom, nullptr, Family::TrackBar},
    {kIdTrackTop, nullptr, Family::TrackBar},
    {kIdTrackBoth, nullptr, Family::TrackBar},
    {kIdTrackSelection, nullptr, Family::TrackBar},
    {kIdTrackVertical, nullptr, Family::TrackBar},
    {kIdProgress, nullptr, Family::Progress},
    {kIdProgressVertical, nullptr, Family::Progress},
    {kIdGroupProgress, nullptr, Family::Progress},
    {kIdUpDown, nullptr, Family::UpDown},
    {kIdUpDownHorz, nullptr, Family::UpDown},
    {kIdHeader, nullptr, Family::Header},
    {kIdListView, "SysHeader32", Family::Header},
    {kIdListViewSorted, "SysHeader32", Family::Header},
#if __has_include("skin/controls/EditSkin.h")
    {kIdGroupEdit, nullptr, Family::Edit},
    {kIdUpDownBuddy, nullptr, Family::Edit},
    {kIdUpDownHorzBuddy, nullptr, Family::Edit},
    {kIdComboSimple, nullptr, Family::Combo},
    {kIdComboDropDown, nullptr, Family::Combo},
    {kIdComboDropList, nullptr, Family::Combo},
#endif
};

// Controls a family's filter leaves alone.
const Expectation kLeftAlone[] = {
    {kIdListViewSorted, nullptr, Family::List},  // style bit 0x10
    {kIdGroupBox, nullptr, Family::Button},      // a container, not a button
};

class Gallery : public GalleryFixture {};

TEST_F(Gallery, OpensAsOneSkinnedPopupWithEveryControl) {
    ASSERT_NE(window, nullptr);
    EXPECT_TRUE(IsWindowVisible(window));
    char title[64] = {};
    GetWindowTextA(window, title, sizeof(title));
    EXPECT_STREQ(title, "Control Gallery");
    RECT rect;
    GetWindowRect(window, &rect);
    EXPECT_EQ(rect.right - rect.left, kGalleryWidth);
    EXPECT_EQ(rect.bottom - rect.top, kGalleryHeight);
    const LONG style = GetWindowLongA(window, GWL_STYLE);
    EXPECT_TRUE(style & WS_POPUP);
    EXPECT_TRUE(style & WS_MINIMIZEBOX);

    EXPECT_EQ(recordIndex(), 1);
    ASSERT_NE(record(), nullptr);
    EXPECT_EQ(skin::GetPropInt(window, skin::kPropListIndex), 1);

    std::size_t count = 0;
    const GalleryControl* table = GalleryControls(&count);
    for (std::size_t i = 0; i < count; ++i) {
        if (table[i].id) {
            EXPECT_NE(item(table[i].id), nullptr) << "control " << table[i].id;
        }
    }
}

TEST_F(Gallery, GroupBoxIsAVisibleRegisteredSubWindow) {
    HWND groupBox = item(kIdGroupBox);
    ASSERT_NE(groupBox, nullptr);
    EXPECT_TRUE(IsWindowVisible(groupBox));
    const int entryIndex = skin::FindSubWindow(recordIndex(), groupBox);
    ASSERT_GE(entryIndex, 1);
    const skin::SubWindowEntry* entry = record()->subWindows.at(entryIndex);
    EXPECT_EQ(entry->groupFrame, 1);
    EXPECT_EQ(entry->selfPainted, 1);
    EXPECT_EQ(skin::GetPropInt(groupBox, skin::kPropOwnerIndex), 1);
    EXPECT_EQ(skin::GetPropInt(groupBox, skin::kPropListIndex), entryIndex);
    // Its children were created before the registration, so they are skinned through it.
    EXPECT_EQ(GetParent(item(kIdGroupCheck)), groupBox);
}

TEST_F(Gallery, EveryControlIsInItsFamilyListOnce) {
    ASSERT_NE(record(), nullptr);
    for (const Expectation& expected : kSkinned) {
        HWND control = item(expected.id);
        if (expected.childClass) control = ChildOfClass(control, expected.childClass);
        ASSERT_NE(control, nullptr) << "control " << expected.id << " "
                                    << (expected.childClass ? expected.childClass : "");
        const auto [occurrences, index] = FindIn(*record(), expected.family, control);
        const std::string what = std::string(Name(expected.family)) + ", control " + std::to_string(expected.id) +
                                 (expected.childClass ? std::string(" / ") + expected.childClass : std::string());
        EXPECT_EQ(occurrences, 1) << what;
        EXPECT_EQ(skin::GetPropInt(control, skin::kPropOwnerIndex), 1) << what;
        EXPECT_EQ(skin::GetPropInt(control, skin::kPropListIndex), index) << what;
    }
    for (const Expectation& expected : kLeftAlone) {
        EXPECT_EQ(FindIn(*record(), expected.family, item(expected.id)).first, 0)
            << Name(expected.family) << ", control " << expected.id;
    }
}

TEST_F(Gallery, HeaderImagesStayWithTheHeaderUntilItGoes) {
    HWND header = item(kIdHeader);
    HIMAGELIST images = reinterpret_cast<HIMAGELIST>(SendMessageA(header, HDM_GETIMAGELIST, 0, 0));
    ASSERT_NE(images, nullptr);
    EXPECT_EQ(ImageList_GetImageCount(images), 3);
    EXPECT_EQ(SendMessageA(header, HDM_GETITEMCOUNT, 0, 0), 3);
}

}  // namespace
