#pragma once
// Finished faces of controls, kept as plain pixels (no GDI object), so that painting a
// state already seen is one copy instead of composing the background and drawing the
// look again. Hover and focus changes repaint the same few states over and over.
//
// A face is found by its control, its area within the control and its look: a text the
// caller writes out of every input its drawing reads besides the background (state bits,
// check state, caption, font, text colour, style). Each control's faces also record what
// the background under them came from; when any of these differs at the next lookup, all
// of that control's faces are dropped:
//   - the composed backgrounds' generation (a rebuild after a resize, maximize or
//     restore, setBackground, a caption button or the title redrawn);
//   - the control's rectangle in its root window and its client size (moves, resizes);
//   - the veil alpha and the theme colour.
// Faces also go when their control is destroyed, and all of them with ReleaseFrameResources.
#include <windows.h>

#include <string>

namespace skin {

// Copies the kept face for (control, area, look) to dc at `at` through dc's clip, leaving
// out pixels of *keyColour when one is given, and answers true; false when no such face
// is kept.
bool DrawKeptFace(HWND control, const RECT& area, const std::string& look, HDC dc, POINT at,
                  const COLORREF* keyColour = nullptr);

// Keeps the pixels of source (a DC holding a 32-bit DIB section of area's size, as
// ComposeSkinBackground makes) as the face for (control, area, look). Faces too large to
// be worth keeping are not kept.
void KeepFace(HWND control, const RECT& area, const std::string& look, HDC source);

void ForgetFaces(HWND control);
void ClearFaceCache();

// Faces kept now, over all controls (for tests).
int KeptFaceCount();

// Writes the inputs of a look into one text. Every field is closed (numbers by ';', texts
// by their length up front), so two different sets of inputs never give the same text.
class LookText {
public:
    explicit LookText(const char* kind) { add(std::string(kind)); }
    LookText& add(long long value) {
        text_ += std::to_string(value);
        text_ += ';';
        return *this;
    }
    LookText& add(const std::string& value) {
        text_ += std::to_string(value.size());
        text_ += ':';
        text_ += value;
        return *this;
    }
    LookText& add(const RECT& r) { return add(r.left).add(r.top).add(r.right).add(r.bottom); }
    const std::string& text() const { return text_; }

private:
    std::string text_;
};

}  // namespace skin
