#pragma once
// What a window holding skinned controls answers for them, written once for the frame
// procedure and the sub-window procedure: colour requests (WM_CTLCOLOR*), owner-drawn
// button faces (WM_DRAWITEM), repaints of controls that drew themselves on an opaque ground
// (WM_NOTIFY, WM_COMMAND) and the release of the brushes handed out (WM_DESTROY). Every
// message that is not answered with a brush goes on to the procedure the skin replaced,
// and that procedure's result is returned.
#include <windows.h>

namespace skin {

struct ParentMessage {
    int recordIndex;  // the registry index of the record whose buttons are drawn
    HWND window;
    UINT message;
    WPARAM wParam;
    LPARAM lParam;
};

// WM_DRAWITEM: the face of a skinned owner-drawn button of the record.
LRESULT AnswerDrawItem(const ParentMessage& m);

// WM_NOTIFY: a tree view that expanded or collapsed an item is repainted whole.
LRESULT AnswerNotify(const ParentMessage& m);

// WM_COMMAND: edits, list boxes and combo boxes that redrew their text are repainted
// over the veil, while colour answers are on.
LRESULT AnswerCommand(const ParentMessage& m);

// WM_CTLCOLOREDIT and WM_CTLCOLORSTATIC: a pattern brush of the veiled skin (the edit field
// of a combo box is left to the combo box's own skin).
LRESULT AnswerCtlColorEdit(const ParentMessage& m);
LRESULT AnswerCtlColorStatic(const ParentMessage& m);

// WM_CTLCOLORLISTBOX (list boxes not drawn by their owner) and WM_CTLCOLORBTN: the hollow
// brush.
LRESULT AnswerCtlColorListBox(const ParentMessage& m);
LRESULT AnswerCtlColorButton(const ParentMessage& m);

// WM_DESTROY: the brushes and bitmaps handed to the window's descendants go now, while
// they still exist (unlike at WM_NCDESTROY).
LRESULT AnswerDestroy(const ParentMessage& m);

}  // namespace skin
