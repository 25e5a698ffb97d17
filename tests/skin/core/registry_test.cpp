#include <gtest/gtest.h>

#include <memory>

#include "support/TestWindows.h"
#include "skin/core/Properties.h"
#include "skin/core/SkinRegistry.h"

using namespace skin;
using testing_support::MakeChild;
using testing_support::MakeTopLevel;
using testing_support::TestWindow;

namespace {

class Registry : public ::testing::Test {
protected:
    void SetUp() override { FreeSkinRegistry(); }
    void TearDown() override { FreeSkinRegistry(); }

    // What a take-over leaves behind: a record and the window's index property.
    static int Register(HWND window) {
        auto record = std::make_unique<SkinnedWindow>();
        record->hwnd = window;
        int index = AppendSkinnedWindow(std::move(record));
        SetPropInt(window, kPropListIndex, index);
        return index;
    }

    // What an installer leaves behind for one control of a family.
    template <class Entry>
    static int AddControl(OneBasedList<Entry>& list, int recordIndex, HWND control) {
        int entry = list.takeFreeOrAppend();
        list.at(entry)->hwnd = control;
        SetPropInt(control, kPropListIndex, entry);
        SetPropInt(control, kPropOwnerIndex, recordIndex);
        return entry;
    }
};

TEST_F(Registry, EmptyRegistryAnswersZeroEverywhere) {
    TestWindow top(MakeTopLevel());
    HWND child = MakeChild(top.get());
    EXPECT_EQ(TheSkinRegistry().count(), 0);
    EXPECT_EQ(FindSkinnedWindow(top.get()), 0);
    EXPECT_EQ(FindRegisteredAncestor(top.get()), 0);
    EXPECT_EQ(FindRegisteredAncestor(child), 0);
    EXPECT_EQ(FindRegisteredAncestor(nullptr), 0);
    EXPECT_EQ(FindSubWindow(1, child), 0);
    EXPECT_EQ(FindSkinnedAncestor(1, child, nullptr), 0);
    EXPECT_EQ(GetSkinnedWindow(1), nullptr);
}

TEST_F(Registry, TakeOversAreNumberedFromOneAndBadIndexesGiveNull) {
    TestWindow first(MakeTopLevel());
    TestWindow second(MakeTopLevel());
    EXPECT_EQ(Register(first.get()), 1);
    EXPECT_EQ(Register(second.get()), 2);
    EXPECT_EQ(FindSkinnedWindow(first.get()), 1);
    EXPECT_EQ(FindSkinnedWindow(second.get()), 2);
    EXPECT_EQ(GetPropInt(first.get(), kPropListIndex), 1);
    EXPECT_EQ(GetPropInt(second.get(), kPropListIndex), 2);
    ASSERT_NE(GetSkinnedWindow(2), nullptr);
    EXPECT_EQ(GetSkinnedWindow(2)->hwnd, second.get());
    EXPECT_EQ(GetSkinnedWindow(0), nullptr);
    EXPECT_EQ(GetSkinnedWindow(3), nullptr);
    EXPECT_EQ(GetSkinnedWindow(-1), nullptr);
    EXPECT_EQ(AppendSkinnedWindow(nullptr), 0);
    EXPECT_EQ(TheSkinRegistry().count(), 2);
}

TEST_F(Registry, RemovingARecordRenumbersEveryWindowBehindIt) {
    TestWindow first(MakeTopLevel());
    TestWindow second(MakeTopLevel());
    Register(first.get());
    Register(second.get());
    HWND firstButton = MakeChild(first.get(), "BUTTON");
    AddControl(GetSkinnedWindow(1)->buttonControls, 1, firstButton);

    SkinnedWindow* record = GetSkinnedWindow(2);
    HWND button = MakeChild(second.get(), "BUTTON");
    HWND edit1 = MakeChild(second.get(), "Edit");
    HWND edit2 = MakeChild(second.get(), "Edit");
    HWND panel = MakeChild(second.get());
    HWND header = MakeChild(panel);
    HWND loose = MakeChild(second.get());
    AddControl(record->buttonControls, 2, button);
    AddControl(record->editControls, 2, edit1);
    EXPECT_EQ(AddControl(record->editControls, 2, edit2), 2);
    AddControl(record->headerControls, 2, header);
    AddControl(record->subWindows, 2, panel);
    record->subclassedChildren.at(1)->hwnd = loose;
    SetPropInt(loose, kPropChildOwnerIndex, 2);

    RemoveSkinnedWindow(1);

    EXPECT_EQ(TheSkinRegistry().count(), 1);
    EXPECT_EQ(GetSkinnedWindow(1), record);
    EXPECT_EQ(GetSkinnedWindow(2), nullptr);
    EXPECT_EQ(FindSkinnedWindow(second.get()), 1);
    EXPECT_EQ(GetPropInt(second.get(), kPropListIndex), 1);
    for (HWND control : {button, edit1, edit2, header, panel}) EXPECT_EQ(GetPropInt(control, kPropOwnerIndex), 1);
    EXPECT_EQ(GetPropInt(loose, kPropChildOwnerIndex), 1);
    // Entry indexes inside the record do not move.
    EXPECT_EQ(GetPropInt(edit2, kPropListIndex), 2);
    // The removed window and its controls no longer point at a record that is now another's.
    EXPECT_EQ(GetPropInt(first.get(), kPropListIndex), 0);
    EXPECT_EQ(GetPropInt(firstButton, kPropOwnerIndex), 0);
    EXPECT_EQ(FindSkinnedWindow(first.get()), 0);
}

TEST_F(Registry, RemovingOutsideTheRegistryChangesNothing) {
    TestWindow top(MakeTopLevel());
    Register(top.get());
    RemoveSkinnedWindow(0);
    RemoveSkinnedWindow(2);
    RemoveSkinnedWindow(-3);
    EXPECT_EQ(TheSkinRegistry().count(), 1);
    EXPECT_EQ(GetPropInt(top.get(), kPropListIndex), 1);
}

TEST_F(Registry, RegisteredAncestorIsFoundAtAnyDepthButNotTheWindowItself) {
    TestWindow other(MakeTopLevel());
    TestWindow top(MakeTopLevel());
    Register(other.get());
    int index = Register(top.get());
    HWND level1 = MakeChild(top.get());
    HWND level2 = MakeChild(level1);
    HWND level3 = MakeChild(level2);
    HWND level4 = MakeChild(level3, "BUTTON");
    EXPECT_EQ(FindRegisteredAncestor(level1), index);
    EXPECT_EQ(FindRegisteredAncestor(level4), index);
    EXPECT_EQ(FindRegisteredAncestor(top.get()), 0);

    TestWindow stranger(MakeTopLevel());
    EXPECT_EQ(FindRegisteredAncestor(MakeChild(stranger.get())), 0);
}

TEST_F(Registry, SubWindowLookupsHonourSelfPaintingAndTheStopWindow) {
    TestWindow top(MakeTopLevel());
    int index = Register(top.get());
    HWND panel = MakeChild(top.get());
    HWND inner = MakeChild(panel);
    HWND control = MakeChild(inner);
    SkinnedWindow* record = GetSkinnedWindow(index);

    // The free zeroed entry must not answer for a null window.
    EXPECT_EQ(FindSubWindow(index, nullptr), 0);
    EXPECT_EQ(FindSubWindow(index, panel), 0);

    int entry = AddControl(record->subWindows, index, panel);
    record->subWindows.at(entry)->selfPainted = 1;
    EXPECT_EQ(FindSubWindow(index, panel), entry);
    EXPECT_EQ(FindSubWindow(index + 1, panel), 0);
    EXPECT_EQ(FindSkinnedAncestor(index, control, nullptr), entry);
    EXPECT_EQ(FindSkinnedAncestor(index, control, top.get()), entry);
    // The walk ends at the stop window before it reaches the panel.
    EXPECT_EQ(FindSkinnedAncestor(index, control, inner), 0);
    EXPECT_EQ(FindSkinnedAncestor(index, panel, nullptr), 0);
    EXPECT_EQ(FindSkinnedAncestor(index + 1, control, nullptr), 0);

    record->subWindows.at(entry)->selfPainted = 0;
    EXPECT_EQ(FindSkinnedAncestor(index, control, nullptr), 0);
}

}  // namespace
