#pragma once
// Counts the process's live GDI objects, for the tests and the benchmark; the programs
// never call it. GetGuiResources answers 0 under Wine, so this reads the GDI shared handle
// table the process environment block points at.
#include <windows.h>

namespace gdi {

// Live GDI objects of this process, or -1 when the table cannot be read.
int LiveGdiObjects();

}  // namespace gdi
