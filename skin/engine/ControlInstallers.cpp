#include "skin/engine/ControlInstallers.h"

#include "skin/controls/ButtonSkin.h"
#include "skin/controls/ComboSkin.h"
#include "skin/controls/HeaderSkin.h"
#include "skin/controls/ListSkin.h"
#include "skin/controls/ProgressSkin.h"
#include "skin/controls/TrackBarSkin.h"
#include "skin/controls/UpDownSkin.h"

namespace skin {

void RunControlInstallers(int recordIndex, HWND parent) {
    InstallPushButtonSkin(recordIndex, parent);
    InstallCheckRadioSkin(recordIndex, parent);
    InstallEditAndComboSkins(recordIndex, parent);
    InstallTrackBarSkin(recordIndex, parent);
    InstallProgressSkin(recordIndex, parent);
    InstallListSkin(recordIndex, parent);
    InstallUpDownSkin(recordIndex, parent);
    InstallHeaderSkin(recordIndex, parent);
}

}  // namespace skin
