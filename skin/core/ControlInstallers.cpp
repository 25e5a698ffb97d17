#include "skin/core/ControlInstallers.h"

#include "skin/controls/ComboSkin.h"

namespace skin {

// Each control family adds its installer call here, in the order the header gives.
void RunControlInstallers(int recordIndex, HWND parent) { InstallEditAndComboSkins(recordIndex, parent); }

}  // namespace skin
