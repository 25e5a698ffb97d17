#pragma once
// The edges and corners of a skinned window by which it is resized, with the cursor each
// shows and the size command each starts.
#include <windows.h>

#include <optional>

namespace skin {

struct FrameZone {
    LPCSTR cursor;   // system cursor id (IDC_SIZE*)
    WPARAM command;  // SC_SIZE plus the side
};

// The zone under (x, y) in client coordinates, the first that matches in the order left,
// right, top, bottom edge, then the four corners; none in the middle of the window.
std::optional<FrameZone> FindFrameZone(int x, int y, const RECT& client, int border);

}  // namespace skin
