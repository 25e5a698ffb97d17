#include "editor/EditorForm.h"

#include <commctrl.h>

#include "editor/FormLayout.h"
#include "editor/MobTextBuilder.h"
#include "skin/core/Properties.h"
#include "skin/draw/Colour.h"
#include "skin/engine/FormKeys.h"
#include "skin/engine/FormWindow.h"

namespace editor {
namespace {

// Per-window state, owned by the window through GWLP_USERDATA.
struct FormState {
    EditorForm::Options options;
    gdi::Font defaultFont = skin::MakeFormFont("宋体", 12);
    gdi::Font outputFont = skin::MakeFormFont("宋体", 16);
    gdi::Font noteFont = skin::MakeFormFont("楷体", 16, FW_BOLD);
    // A stock brush: the system owns it, so the colour answers hand it out without an owner.
    HBRUSH whiteBrush = static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH));
};

FormState* StateOf(HWND hwnd) { return reinterpret_cast<FormState*>(GetWindowLongPtrA(hwnd, GWLP_USERDATA)); }

struct SwitchRule {
    int switchId;
    int boxes[2];
};
const SwitchRule kSwitchRules[] = {
    {kIdSkillsSwitch, {kIdSkill, 0}},
    {kIdEquipmentSwitch, {kIdEquipmentItem, 0}},
    {kIdDropsSwitch, {kIdDropItem, 0}},
    {kIdOptionsSwitch, {kIdOptionName, kIdOptionValue}},
};

const SwitchRule* FindSwitchRule(int id) {
    for (const SwitchRule& r : kSwitchRules)
        if (r.switchId == id) return &r;
    return nullptr;
}

HWND CreateControl(HWND form, const ControlSpec& c, const FormState& state) {
    DWORD style = WS_CHILD | WS_VISIBLE;
    DWORD exStyle = 0;
    const char* cls = "Static";
    HFONT font = state.defaultFont.get();
    int height = c.height;
    switch (c.kind) {
        case ControlKind::Label:
        case ControlKind::NoteLabel:
            style |= SS_LEFTNOWORDWRAP;  // a label never breaks into a second line
            if (c.kind == ControlKind::NoteLabel) font = state.noteFont.get();
            break;
        case ControlKind::Edit:
            cls = "Edit";
            style |= WS_TABSTOP | ES_LEFT | ES_AUTOHSCROLL;
            if (c.readOnlyAtStart) style |= ES_READONLY;
            exStyle = WS_EX_STATICEDGE;
            break;
        case ControlKind::OutputBox:
            cls = "Edit";
            style |= WS_TABSTOP | ES_LEFT | ES_MULTILINE | ES_AUTOVSCROLL | WS_VSCROLL;
            font = state.outputFont.get();
            break;
        case ControlKind::StagingBox:
            cls = "Edit";
            // Never shown, so never wrapped: re-wrapping a long hidden text is pure cost.
            style = WS_CHILD | ES_LEFT | ES_MULTILINE | ES_AUTOVSCROLL | ES_AUTOHSCROLL | WS_BORDER;
            break;
        case ControlKind::CheckBox:
            cls = "Button";
            style |= WS_TABSTOP | BS_AUTOCHECKBOX;
            break;
        case ControlKind::Combo:
            cls = "ComboBox";
            style |= WS_TABSTOP | WS_VSCROLL | CBS_DROPDOWN | CBS_AUTOHSCROLL;
            height = 160;  // room for the dropped list; the closed box takes its own height
            break;
        case ControlKind::Button:
            cls = "Button";
            style |= WS_TABSTOP | BS_PUSHBUTTON;
            break;
        case ControlKind::GroupBox:
            cls = "Button";
            style = WS_CHILD | BS_GROUPBOX;
            break;
    }
    HWND h = CreateWindowExA(exStyle, cls, c.text, style, c.x, c.y, c.width, height, form,
                             reinterpret_cast<HMENU>(static_cast<INT_PTR>(c.id)), GetModuleHandleA(nullptr), nullptr);
    if (!h) return nullptr;
    SendMessageA(h, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
    switch (c.kind) {
        case ControlKind::Edit:
        case ControlKind::OutputBox:
        case ControlKind::StagingBox:
            SendMessageA(h, EM_SETLIMITTEXT, 0, 0);  // edit boxes have no length limit
            break;
        case ControlKind::Combo: {
            static const char* const kSlots[] = {"", "0", "1", "2", "3", "4"};
            for (const char* s : kSlots) SendMessageA(h, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(s));
            SendMessageA(h, CB_LIMITTEXT, 0, 0);
            // The closed box keeps the layout's height whatever the font gives. The item
            // height read back is not always the one set, so correct by measurement.
            int request = static_cast<int>(SendMessageA(h, CB_GETITEMHEIGHT, static_cast<WPARAM>(-1), 0));
            for (int attempt = 0; attempt < 4 && request > 0; ++attempt) {
                RECT r;
                GetWindowRect(h, &r);
                const int extra = (r.bottom - r.top) - c.height;
                if (extra == 0 || request - extra <= 0) break;
                request -= extra;
                SendMessageA(h, CB_SETITEMHEIGHT, static_cast<WPARAM>(-1), request);
            }
            break;
        }
        default:
            break;
    }
    // Labels and switches carry their text colour for whoever paints them.
    if (c.kind == ControlKind::Label || c.kind == ControlKind::NoteLabel || c.kind == ControlKind::CheckBox)
        SetPropA(h, skin::kPropTextColour, reinterpret_cast<HANDLE>(static_cast<UINT_PTR>(c.textColour)));
    return h;
}

bool CreateControls(HWND form, const FormState& state) {
    int count = 0;
    const ControlSpec* specs = FormControls(&count);
    for (int i = 0; i < count; ++i)
        if (!CreateControl(form, specs[i], state)) return false;
    return true;
}

void OnCommand(HWND hwnd, WPARAM wParam, LPARAM lParam) {
    if (HIWORD(wParam) != BN_CLICKED || !lParam) return;
    const int id = GetDlgCtrlID(reinterpret_cast<HWND>(lParam));
    if (id == kIdGenerate) {
        MobTextBuilder(hwnd).build();
    } else if (FindSwitchRule(id)) {
        EditorForm::ApplySwitch(hwnd, id);
    }
}

LRESULT OnControlColour(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    FormState* state = StateOf(hwnd);
    HDC dc = reinterpret_cast<HDC>(wParam);
    const ControlSpec* layout = FindControlSpec(GetDlgCtrlID(reinterpret_cast<HWND>(lParam)));
    if (!state || !dc || !layout) return DefWindowProcA(hwnd, msg, wParam, lParam);
    SetTextColor(dc, layout->textColour);
    if (msg == WM_CTLCOLORSTATIC && layout->kind != ControlKind::Edit && layout->kind != ControlKind::OutputBox &&
        layout->kind != ControlKind::StagingBox) {
        // Labels show the form's plain face through them until a skin paints one.
        SetBkMode(dc, TRANSPARENT);
        return reinterpret_cast<LRESULT>(GetSysColorBrush(COLOR_BTNFACE));
    }
    SetBkColor(dc, skin::kWhite);
    return reinterpret_cast<LRESULT>(state->whiteBrush);
}

void RemoveColourProperties(HWND form) {
    int count = 0;
    const ControlSpec* specs = FormControls(&count);
    for (int i = 0; i < count; ++i)
        if (HWND h = GetDlgItem(form, specs[i].id)) RemovePropA(h, skin::kPropTextColour);
}

LRESULT CALLBACK FormProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    switch (msg) {
        case WM_NCCREATE: {
            auto* cs = reinterpret_cast<CREATESTRUCTA*>(lParam);
            auto* options = static_cast<EditorForm::Options*>(cs->lpCreateParams);
            auto* state = new FormState;
            if (options) state->options = *options;
            SetWindowLongPtrA(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(state));
            break;
        }
        case WM_CREATE: {
            FormState* state = StateOf(hwnd);
            if (!state || !CreateControls(hwnd, *state)) return -1;
            if (state->options.onCreated) state->options.onCreated(hwnd);
            return 0;
        }
        case WM_COMMAND:
            OnCommand(hwnd, wParam, lParam);
            return 0;
        case WM_NEXTDLGCTL:
            skin::MoveFormFocus(hwnd, wParam, lParam);
            return 0;
        case WM_CTLCOLORSTATIC:
        case WM_CTLCOLOREDIT:
            return OnControlColour(hwnd, msg, wParam, lParam);
        case WM_DESTROY: {
            RemoveColourProperties(hwnd);
            FormState* state = StateOf(hwnd);
            if (state && state->options.quitOnDestroy) PostQuitMessage(0);
            return 0;
        }
        case WM_NCDESTROY: {
            // Children are gone by now, so the fonts they used can go too.
            delete StateOf(hwnd);
            SetWindowLongPtrA(hwnd, GWLP_USERDATA, 0);
            break;
        }
    }
    return DefWindowProcA(hwnd, msg, wParam, lParam);
}

}  // namespace

HWND EditorForm::Create(HINSTANCE instance, Options options) {
    return skin::CreateFormWindow(instance, {kWindowClass, FormProc, kWindowCaption, kFormX, kFormY, kFormWidth,
                                             kFormHeight, &options, options.show});
}

void EditorForm::ApplySwitch(HWND form, int switchId) {
    const SwitchRule* rule = FindSwitchRule(switchId);
    HWND box = GetDlgItem(form, switchId);
    if (!rule || !box) return;
    const bool on = SendMessageA(box, BM_GETCHECK, 0, 0) == BST_CHECKED;
    for (int id : rule->boxes)
        if (id) SendDlgItemMessageA(form, id, EM_SETREADONLY, on ? FALSE : TRUE, 0);
    if (!on)
        for (int id : rule->boxes)
            if (id) SetDlgItemTextA(form, id, "");
    SetWindowTextA(box, on ? kSwitchOn : kSwitchOff);
}

}  // namespace editor
