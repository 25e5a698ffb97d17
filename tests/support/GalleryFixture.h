#pragma once
// The control gallery opened in-process exactly as its program opens it: the program's
// start-up, then the window, handed to the skin by the editor's form-created handler.
#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include <vector>

#include "editor/Startup.h"
#include "gallery/GalleryLayout.h"
#include "gallery/GalleryWindow.h"
#include "skin/core/SkinRegistry.h"
#include "support/Pump.h"

namespace gallery_test {

class GalleryFixture : public ::testing::Test {
protected:
    void SetUp() override {
        editor::StartProgram();
        gallery::GalleryOptions options;
        options.onCreated = editor::OnFormCreated;
        options.quitOnDestroy = false;
        window = gallery::CreateGalleryWindow(GetModuleHandleA(nullptr), options);
        testing_support::PumpMessages();
    }
    void TearDown() override {
        if (window && IsWindow(window)) DestroyWindow(window);
        testing_support::PumpMessages();
        editor::ExitProgram();
    }

    HWND item(int id) const { return gallery::GalleryItem(window, id); }
    int recordIndex() const { return skin::FindSkinnedWindow(window); }
    skin::SkinnedWindow* record() const { return skin::GetSkinnedWindow(recordIndex()); }

    // Every control of the gallery that a user can point at, the group box included.
    std::vector<HWND> controls() const {
        std::vector<HWND> found;
        std::size_t count = 0;
        const gallery::GalleryControl* table = gallery::GalleryControls(&count);
        for (std::size_t i = 0; i < count; ++i) {
            if (table[i].id == 0 || table[i].id == gallery::kIdGroupLabel) continue;
            if (HWND control = item(table[i].id)) found.push_back(control);
        }
        return found;
    }

    HWND window = nullptr;
};

// A control's own child of a class: a combo box's list, a list view's header.
inline HWND ChildOfClass(HWND parent, const char* className) {
    return parent ? FindWindowExA(parent, nullptr, className, nullptr) : nullptr;
}

}  // namespace gallery_test
