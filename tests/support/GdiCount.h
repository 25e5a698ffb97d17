#pragma once
// Counts the process's live GDI objects. GetGuiResources answers 0 under Wine, so
// this reads the GDI shared handle table the process environment block points at.
#include <windows.h>

namespace testing_support {

// Live GDI objects of this process, or -1 when the table cannot be read.
int LiveGdiObjects();

}  // namespace testing_support
