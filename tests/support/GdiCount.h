#pragma once
// The live GDI object count, under the name the tests use.
#include "graphics/GdiObjectCount.h"

namespace testing_support {

using gdi::LiveGdiObjects;

}  // namespace testing_support
