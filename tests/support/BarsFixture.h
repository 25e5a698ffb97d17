#pragma once
// Helpers for the track bar and progress bar tests: colour tests for what the skin put on
// a control (the bars have no border, so their client DC shows all of it), and the spy
// standing in for the replaced procedure.
#include <windows.h>

#include "support/MessageSpy.h"
#include "support/Pixels.h"

namespace bars_test {

inline bool NearlyWhite(COLORREF c) { return GetRValue(c) > 215 && GetGValue(c) > 215 && GetBValue(c) > 215; }

// How much bluer than red and green a colour is; the tests use a pure blue theme.
inline int Blueness(COLORREF c) { return GetBValue(c) - (GetRValue(c) + GetGValue(c)) / 2; }

}  // namespace bars_test
