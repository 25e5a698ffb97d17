#include <gtest/gtest.h>

#include <utility>

#include "support/TestWindows.h"
#include "skin/core/OneBasedList.h"
#include "skin/core/OwnedObject.h"
#include "skin/core/Properties.h"
#include "skin/core/SkinnedWindow.h"

using namespace skin;
using testing_support::MakeTopLevel;
using testing_support::TestWindow;

namespace {

HWND FakeWindow(uintptr_t value) { return reinterpret_cast<HWND>(value); }

TEST(OneBasedList, AccessOutsideOneToCountIsNull) {
    auto list = OneBasedList<EditEntry>::WithZeroedEntry();
    list.append();
    EXPECT_NE(list.at(1), nullptr);
    EXPECT_NE(list.at(2), nullptr);
    EXPECT_EQ(list.at(0), nullptr);
    EXPECT_EQ(list.at(3), nullptr);
    EXPECT_EQ(list.at(-1), nullptr);
    EXPECT_EQ(OneBasedList<EditEntry>().at(1), nullptr);
}

TEST(OneBasedList, FreeEntryIsFilledFirstThenEntriesAreAppended) {
    auto list = OneBasedList<ButtonEntry>::WithZeroedEntry();
    EXPECT_EQ(list.takeFreeOrAppend(), 1);
    EXPECT_EQ(list.count(), 1);
    list.at(1)->hwnd = FakeWindow(0x100);
    ButtonEntry* first = list.at(1);
    EXPECT_EQ(list.takeFreeOrAppend(), 2);
    list.at(2)->hwnd = FakeWindow(0x200);
    for (int i = 0; i < 50; ++i) list.append();
    // Entries stay where they are while the list grows.
    EXPECT_EQ(list.at(1), first);
    EXPECT_EQ(list.findWindow(FakeWindow(0x200)), 2);
    EXPECT_EQ(list.findWindow(FakeWindow(0x300)), 0);
    // A freed window handle in a longer list is not reused: only a lone free entry is.
    list.at(2)->hwnd = nullptr;
    EXPECT_EQ(list.takeFreeOrAppend(), 53);
    EXPECT_EQ(list.count(), 53);
}

TEST(OneBasedList, RemovingClosesTheGap) {
    OneBasedList<DockedChild> list;
    for (int i = 1; i <= 3; ++i) list.at(list.append())->top = i;
    EXPECT_FALSE(list.removeAt(4));
    EXPECT_TRUE(list.removeAt(2));
    ASSERT_EQ(list.count(), 2);
    EXPECT_EQ(list.at(2)->top, 3);
}

TEST(SkinnedWindowRecord, EveryListStartsWithOneZeroedEntry) {
    SkinnedWindow record;
    auto expectOneFree = [](const auto& list) {
        ASSERT_EQ(list.count(), 1);
        EXPECT_EQ(list.at(1)->hwnd, nullptr);
    };
    expectOneFree(record.buttonControls);
    expectOneFree(record.editControls);
    expectOneFree(record.listControls);
    expectOneFree(record.trackBarControls);
    expectOneFree(record.progressControls);
    expectOneFree(record.comboControls);
    expectOneFree(record.upDownControls);
    expectOneFree(record.headerControls);
    expectOneFree(record.subWindows);
    expectOneFree(record.subclassedChildren);
    expectOneFree(record.dockedChildren);
    expectOneFree(record.subWindows.at(1)->pages);
    EXPECT_EQ(record.captionButtons.count(), 1);
    EXPECT_EQ(record.stripItems.count(), 1);
    EXPECT_EQ(record.toolTip, nullptr);
    EXPECT_EQ(record.backgroundDC.get(), nullptr);
}

struct Counted {
    explicit Counted(int* destroyed) : destroyed(destroyed) {}
    ~Counted() { ++*destroyed; }
    int* destroyed;
};

TEST(OwnedObject, DestroysItsObjectExactlyOnceWhereverItMoves) {
    int destroyed = 0;
    {
        OwnedObject<Counted> empty;
        OwnedObject<Counted> owner = MakeOwnedObject<Counted>(&destroyed);
        OwnedObject<Counted> moved = std::move(owner);
        EXPECT_EQ(owner, nullptr);
        empty = std::move(moved);
        EXPECT_EQ(destroyed, 0);
    }
    EXPECT_EQ(destroyed, 1);
}

TEST(WindowProperties, MissingReadsZeroAndValuesRoundTrip) {
    TestWindow window(MakeTopLevel());
    EXPECT_EQ(GetPropInt(window.get(), kPropOwnerIndex), 0);
    EXPECT_EQ(GetPropHandle<HBRUSH>(window.get(), kPropBrush), nullptr);
    EXPECT_EQ(GetPropInt(nullptr, kPropOwnerIndex), 0);
    EXPECT_FALSE(SetPropInt(nullptr, kPropOwnerIndex, 1));

    SetPropInt(window.get(), kPropTextColour, -7);
    EXPECT_EQ(GetPropInt(window.get(), kPropTextColour), -7);
    SetPropColour(window.get(), kPropTextColour, 0x00FF00FF);
    EXPECT_EQ(GetPropColour(window.get(), kPropTextColour), 0x00FF00FFu);
    SetPropHandle(window.get(), kPropBackgroundOwner, window.get());
    EXPECT_EQ(GetPropHandle<HWND>(window.get(), kPropBackgroundOwner), window.get());
    // The names are the protocol other windows of the process read.
    EXPECT_EQ(GetPropA(window.get(), "Mb_zpf"), reinterpret_cast<HANDLE>(window.get()));
    RemovePropValue(window.get(), kPropTextColour);
    RemovePropValue(window.get(), kPropBackgroundOwner);
}

// A procedure that passes everything on, as every skin procedure does.
LRESULT CALLBACK PassingProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    return CallPreviousProc(window, message, wParam, lParam);
}

TEST(WindowProperties, PassingOnWithoutAUsablePreviousProcedureReachesTheDefault) {
    WNDCLASSA cls = {};
    cls.lpfnWndProc = PassingProc;
    cls.hInstance = GetModuleHandleA(nullptr);
    cls.lpszClassName = "CorePassingTest";
    RegisterClassA(&cls);
    TestWindow window(CreateWindowExA(0, "CorePassingTest", "top", WS_OVERLAPPEDWINDOW, 0, 0, 100, 100, nullptr,
                                      nullptr, GetModuleHandleA(nullptr), nullptr));
    ASSERT_NE(window.get(), nullptr);
    char text[16] = {};
    EXPECT_EQ(SendMessageA(window.get(), WM_GETTEXT, sizeof(text), reinterpret_cast<LPARAM>(text)), 3);
    EXPECT_STREQ(text, "top");
    // A saved procedure equal to the current one would call itself until the stack ran out.
    SetPropHandle(window.get(), kPropPreviousProc, &PassingProc);
    EXPECT_EQ(SendMessageA(window.get(), WM_GETTEXTLENGTH, 0, 0), 3);
    RemovePropValue(window.get(), kPropPreviousProc);
}

// The per-message properties are read from the process's copy, which follows every write
// and removal made through the wrappers and goes with the window.
TEST(WindowProperties, CopiesOfPerMessagePropertiesFollowWritesRemovalsAndDestruction) {
    const int before = MirroredPropCount();
    TestWindow parent(MakeTopLevel());
    HWND child = CreateWindowExA(0, "STATIC", "", WS_CHILD, 0, 0, 10, 10, parent.get(), nullptr,
                                 GetModuleHandleA(nullptr), nullptr);
    ASSERT_NE(child, nullptr);
    SetPropInt(parent.get(), kPropListIndex, 3);
    SetPropInt(child, kPropListIndex, 4);
    SetPropInt(child, kPropOwnerIndex, 3);
    EXPECT_EQ(before + 3, MirroredPropCount());
    EXPECT_EQ(4, GetPropInt(child, kPropListIndex));
    // The window's own property says the same: other code reads it there.
    EXPECT_EQ(reinterpret_cast<HANDLE>(4), GetPropA(child, "Hw_lbID"));

    SetPropInt(child, kPropListIndex, 5);
    EXPECT_EQ(5, GetPropInt(child, kPropListIndex));
    RemovePropValue(child, kPropListIndex);
    EXPECT_EQ(0, GetPropInt(child, kPropListIndex));
    EXPECT_EQ(before + 2, MirroredPropCount());

    // A name without a copy is read from the window, whoever wrote it.
    SetPropA(child, "Hw_lbID", reinterpret_cast<HANDLE>(9));
    EXPECT_EQ(9, GetPropInt(child, kPropListIndex));
    SetPropA(child, "Kj_Ztys", reinterpret_cast<HANDLE>(0x123456));
    EXPECT_EQ(0x123456u, GetPropColour(child, kPropTextColour));
    RemovePropA(child, "Hw_lbID");
    RemovePropA(child, "Kj_Ztys");

    // Destroying the parent takes the child's copies along.
    DestroyWindow(parent.get());
    EXPECT_EQ(before, MirroredPropCount());
}

}  // namespace
