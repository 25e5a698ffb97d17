#include "skin/core/ControlInstallers.h"

namespace skin {

// Each control family adds its installer call here, in the order the header gives.
void RunControlInstallers(int recordIndex, HWND parent) {
    (void)recordIndex;
    (void)parent;
}

}  // namespace skin
