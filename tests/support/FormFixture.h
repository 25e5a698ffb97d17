#pragma once
// A real editor form for tests, created unskinned unless a handler is given.
#include <windows.h>

#include <string>

#include "editor/EditorForm.h"
#include "editor/MobTextBuilder.h"
#include "support/Pump.h"

namespace testing_support {

class FormWindow {
public:
    explicit FormWindow(editor::EditorForm::CreatedHandler onCreated = {}) {
        editor::EditorForm::Options options;
        options.onCreated = std::move(onCreated);
        options.quitOnDestroy = false;
        hwnd_ = editor::EditorForm::Create(GetModuleHandleA(nullptr), options);
        PumpMessages();
    }
    ~FormWindow() {
        if (hwnd_ && IsWindow(hwnd_)) DestroyWindow(hwnd_);
        PumpMessages();
    }
    FormWindow(const FormWindow&) = delete;
    FormWindow& operator=(const FormWindow&) = delete;

    HWND hwnd() const { return hwnd_; }
    HWND item(int id) const { return GetDlgItem(hwnd_, id); }
    std::string text(int id) const { return editor::ReadControlText(item(id)); }
    void setText(int id, const std::string& s) const { SetWindowTextA(item(id), s.c_str()); }
    void click(int id) const {
        SendMessageA(item(id), BM_CLICK, 0, 0);
        PumpMessages();
    }
    bool readOnly(int id) const { return (GetWindowLongA(item(id), GWL_STYLE) & ES_READONLY) != 0; }

private:
    HWND hwnd_ = nullptr;
};

}  // namespace testing_support
