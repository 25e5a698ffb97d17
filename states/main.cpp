// The states sheet: drives one control of each family, on the skinned editor and the
// skinned gallery, through every state a user can put it in with real pointer and key
// input, and saves what the screen shows as one picture, a row a family.
//   states.exe OUTPUT.png
#include <windows.h>
#include <commctrl.h>

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

#include "editor/EditorForm.h"
#include "editor/FormLayout.h"
#include "gallery/GalleryLayout.h"
#include "gallery/GalleryWindow.h"
#include "graphics/GdiHandles.h"
#include "graphics/GxImage.h"
#include "skin/engine/FormKeys.h"
#include "skin/engine/SkinnedProgram.h"

namespace {

enum State { kRest, kHovered, kPressed, kDraggedOff, kFocused, kChecked, kDisabled, kStateCount };
const char* const kStateNames[kStateCount] = {
    "at rest", "hovered", "pressed", "pressed, dragged off", "keyboard focus", "checked / selected", "disabled"};

constexpr int kMargin = 6;          // around each control in its cell
constexpr int kMaxCellWidth = 236;  // wide controls show their left part
constexpr int kMaxCellHeight = 130;
constexpr int kCaptionWidth = 150;
constexpr int kHeaderHeight = 26;
constexpr COLORREF kSheetColour = RGB(40, 44, 52);
constexpr COLORREF kCaptionColour = RGB(235, 235, 235);
const POINT kParkedPointer = {1270, 1015};  // on no window

// Runs the program's message loop for a while, form keys included.
void Pump(DWORD milliseconds) {
    const DWORD end = GetTickCount() + milliseconds;
    do {
        MSG msg;
        while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
            if (skin::HandleFormKeys(msg)) continue;
            TranslateMessage(&msg);
            DispatchMessageA(&msg);
        }
        Sleep(10);
    } while (static_cast<LONG>(end - GetTickCount()) > 0);
}

// Input reaches the program through the display server, so each step waits a little.
void SendMouse(DWORD flags, POINT at, DWORD settle = 30) {
    INPUT input = {};
    input.type = INPUT_MOUSE;
    input.mi.dx = MulDiv(at.x, 65535, GetSystemMetrics(SM_CXSCREEN) - 1);
    input.mi.dy = MulDiv(at.y, 65535, GetSystemMetrics(SM_CYSCREEN) - 1);
    input.mi.dwFlags = flags | MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE;
    SendInput(1, &input, sizeof(input));
    Pump(settle);
}

void MoveTo(POINT at) { SendMouse(0, at); }
// Both halves queued at once, so a control that holds the press in a loop sees the release.
void Click(POINT at) { SendMouse(MOUSEEVENTF_LEFTDOWN | MOUSEEVENTF_LEFTUP, at); }
void Press(POINT at) { SendMouse(MOUSEEVENTF_LEFTDOWN, at, 150); }
void Release(POINT at) { SendMouse(MOUSEEVENTF_LEFTUP, at, 150); }

void Key(WORD key) {
    INPUT input[2] = {};
    input[0].type = input[1].type = INPUT_KEYBOARD;
    input[0].ki.wVk = input[1].ki.wVk = key;
    input[1].ki.dwFlags = KEYEVENTF_KEYUP;
    SendInput(2, input, sizeof(INPUT));
    Pump(60);
}

struct Sample {
    const char* family;
    HWND control;
    POINT hit;  // where the pointer clicks, in the control's client coordinates
    // Where a held press goes, if not at hit: a tree view holds a press on an item in a
    // loop of its own until the pointer moves, which this program cannot do meanwhile.
    POINT holdAt = {-1, -1};
};

RECT ScreenRect(HWND window) {
    RECT rect = {};
    GetWindowRect(window, &rect);
    return rect;
}

POINT OnScreen(const Sample& sample, POINT at) {
    ClientToScreen(sample.control, &at);
    return at;
}

// The control back at rest: pointer parked, button up, enabled, unchecked (with the click
// notice, so the editor's switch rules run too), nothing selected, focus elsewhere.
void Reset(const Sample& sample, HWND form) {
    // A release with no button down would reach the next press late, through the display.
    if (GetAsyncKeyState(VK_LBUTTON) < 0) {
        Release(kParkedPointer);
    } else {
        MoveTo(kParkedPointer);
    }
    EnableWindow(sample.control, TRUE);
    // A second click this soon would be a double click, which a switch ignores.
    if (SendMessageA(sample.control, BM_GETCHECK, 0, 0) == BST_CHECKED) {
        SendMessageA(sample.control, BM_SETCHECK, BST_UNCHECKED, 0);
        SendMessageA(GetParent(sample.control), WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(sample.control), BN_CLICKED),
                     reinterpret_cast<LPARAM>(sample.control));
    }
    char name[32] = {};
    GetClassNameA(sample.control, name, sizeof(name));
    if (lstrcmpiA(name, "ListBox") == 0) SendMessageA(sample.control, LB_SETCURSEL, static_cast<WPARAM>(-1), 0);
    SetFocus(form);
    Pump(60);
}

// Puts the control in the state with the input a user would give.
void Enter(State state, const Sample& sample, HWND form) {
    const POINT at = OnScreen(sample, sample.hit);
    const POINT hold = sample.holdAt.x < 0 ? at : OnScreen(sample, sample.holdAt);
    const RECT rect = ScreenRect(sample.control);
    switch (state) {
        case kRest:
            break;
        case kHovered:
            MoveTo(at);
            break;
        case kPressed:
            MoveTo(hold);
            Press(hold);
            break;
        case kDraggedOff:
            MoveTo(hold);
            Press(hold);
            MoveTo(POINT{hold.x, rect.bottom + 40});
            break;
        case kFocused: {
            HWND before = GetNextDlgTabItem(form, sample.control, TRUE);
            SetFocus(before ? before : form);
            Pump(60);
            Key(VK_TAB);
            break;
        }
        case kChecked:
            MoveTo(at);
            Click(at);
            MoveTo(kParkedPointer);
            break;
        case kDisabled:
            EnableWindow(sample.control, FALSE);
            break;
        default:
            break;
    }
    Pump(150);
}

// What the screen shows around the control, the size of a cell.
struct Shot {
    gdi::MemoryDC dc;
    int width = 0;
    int height = 0;
};

Shot Take(HWND control) {
    const RECT rect = ScreenRect(control);
    Shot shot;
    shot.width = std::min<int>(rect.right - rect.left + 2 * kMargin, kMaxCellWidth);
    shot.height = std::min<int>(rect.bottom - rect.top + 2 * kMargin, kMaxCellHeight);
    gdi::WindowDC screen = gdi::WindowDC::Screen();
    shot.dc = gdi::MemoryDC(screen.get());
    shot.dc.adopt(CreateCompatibleBitmap(screen.get(), shot.width, shot.height));
    BitBlt(shot.dc.get(), 0, 0, shot.width, shot.height, screen.get(), rect.left - kMargin, rect.top - kMargin,
           SRCCOPY);
    return shot;
}

struct Row {
    const char* family;
    std::vector<Shot> shots;
};

void Sweep(const std::vector<Sample>& samples, HWND form, std::vector<Row>& rows) {
    for (const Sample& sample : samples) {
        if (!sample.control) continue;
        Row row{sample.family, {}};
        fprintf(stderr, "states: %s\n", sample.family);
        for (int state = 0; state < kStateCount; ++state) {
            Reset(sample, form);
            Enter(static_cast<State>(state), sample, form);
            row.shots.push_back(Take(sample.control));
        }
        Reset(sample, form);
        rows.push_back(std::move(row));
    }
}

void Caption(HDC dc, const char* text, RECT box) {
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, kCaptionColour);
    DrawTextA(dc, text, -1, &box, DT_LEFT | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
}

bool SaveSheet(const std::vector<Row>& rows, const char* path) {
    int cellWidth = 0;
    std::vector<int> heights;
    for (const Row& row : rows) {
        int height = 0;
        for (const Shot& shot : row.shots) {
            cellWidth = std::max(cellWidth, shot.width);
            height = std::max(height, shot.height);
        }
        heights.push_back(height + 8);
    }
    const int width = kCaptionWidth + kStateCount * (cellWidth + 8);
    int height = kHeaderHeight;
    for (int h : heights) height += h;

    gdi::WindowDC screen = gdi::WindowDC::Screen();
    gdi::MemoryDC sheet(screen.get());
    sheet.adopt(CreateCompatibleBitmap(screen.get(), width, height));
    const RECT all = {0, 0, width, height};
    gdi::Brush ground(CreateSolidBrush(kSheetColour));
    FillRect(sheet.get(), &all, ground.get());
    gdi::Font font(CreateFontA(-13, 0, 0, 0, FW_NORMAL, 0, 0, 0, DEFAULT_CHARSET, 0, 0, 0, 0, "Tahoma"));
    gdi::Selection selected(sheet.get(), font.get());
    for (int state = 0; state < kStateCount; ++state) {
        const int x = kCaptionWidth + state * (cellWidth + 8);
        Caption(sheet.get(), kStateNames[state], RECT{x, 0, x + cellWidth + 8, kHeaderHeight});
    }
    int y = kHeaderHeight;
    for (size_t r = 0; r < rows.size(); ++r) {
        Caption(sheet.get(), rows[r].family, RECT{8, y, kCaptionWidth, y + heights[r]});
        for (size_t s = 0; s < rows[r].shots.size(); ++s) {
            const Shot& shot = rows[r].shots[s];
            const int x = kCaptionWidth + static_cast<int>(s) * (cellWidth + 8);
            BitBlt(sheet.get(), x, y + 4, shot.width, shot.height, shot.dc.get(), 0, 0, SRCCOPY);
        }
        y += heights[r];
    }
    GdiFlush();
    GxBitmap picture;
    return picture.CreateBitmapFromHBITMAP(sheet.bitmap()) && picture.SaveImageToFile(path, GxPngFormat);
}

std::vector<Sample> EditorSamples(HWND form) {
    auto item = [form](int id) { return GetDlgItem(form, id); };
    return {
        {"push button", item(editor::kIdGenerate), {100, 16}},
        {"check box", item(editor::kIdSkillsSwitch), {12, 12}},
        {"edit box", item(editor::kIdMobId), {40, 12}},
        {"drop-down combo", item(editor::kIdEquipmentSlot), {50, 10}},
        {"multi-line edit", item(editor::kIdOutput), {200, 100}},
    };
}

std::vector<Sample> GallerySamples(HWND gallery) {
    auto item = [gallery](int id) { return gallery::GalleryItem(gallery, id); };
    return {
        {"radio button", item(gallery::kIdGroupRadioDay), {10, 11}},
        {"list box", item(gallery::kIdListPlain), {40, 8}},
        {"drop-down list", item(gallery::kIdComboDropList), {60, 10}},
        {"IP address", item(gallery::kIdIpAddress), {20, 12}},
        {"list view", item(gallery::kIdListView), {60, 30}},
        {"tree view", item(gallery::kIdTreeView), {60, 10}, {250, 160}},
        {"header", item(gallery::kIdHeader), {40, 12}},
        {"track bar", item(gallery::kIdTrackBottom), {60, 12}},
        {"progress bar", item(gallery::kIdProgress), {60, 9}},
        {"up-down", item(gallery::kIdUpDown), {9, 6}},
        {"group box check", item(gallery::kIdGroupCheck), {10, 11}},
    };
}

}  // namespace

int main(int argc, char** argv) {
    const char* output = argc > 1 ? argv[1] : "states.png";
    skin::StartSkinnedProgram();
    std::vector<Row> rows;

    editor::EditorForm::Options editorOptions;
    editorOptions.onCreated = [](HWND form) { skin::SkinProgramForm(form, editor::kIdGroupBox); };
    editorOptions.quitOnDestroy = false;
    if (HWND form = editor::EditorForm::Create(GetModuleHandleA(nullptr), editorOptions)) {
        SetForegroundWindow(form);
        Pump(500);
        Sweep(EditorSamples(form), form, rows);
        DestroyWindow(form);
        Pump(100);
    }

    gallery::GalleryOptions galleryOptions;
    galleryOptions.onCreated = [](HWND window) { skin::SkinProgramForm(window, gallery::kIdGroupBox); };
    galleryOptions.quitOnDestroy = false;
    if (HWND window = gallery::CreateGalleryWindow(GetModuleHandleA(nullptr), galleryOptions)) {
        SetForegroundWindow(window);
        Pump(500);
        Sweep(GallerySamples(window), window, rows);
        DestroyWindow(window);
        Pump(100);
    }

    const bool saved = !rows.empty() && SaveSheet(rows, output);
    rows.clear();  // the shots' DCs go before the graphics library does
    skin::ExitSkinnedProgram();
    return saved ? 0 : 1;
}
