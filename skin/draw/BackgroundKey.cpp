#include "skin/draw/BackgroundKey.h"

#include "skin/core/SkinSettings.h"
#include "skin/draw/Backgrounds.h"
#include "skin/draw/Geometry.h"
#include "skin/draw/WindowQueries.h"

namespace skin {

bool BackgroundKey::operator==(const BackgroundKey& other) const {
    return generation == other.generation && EqualRect(&placement, &other.placement) &&
           EqualRect(&client, &other.client) && veilAlpha == other.veilAlpha;
}

BackgroundKey BackgroundKeyOf(HWND control) {
    BackgroundKey key;
    key.placement = WindowRectInRoot(control);
    key.generation = BackgroundGeneration(control, key.placement);
    key.client = ClientRectOf(control);
    key.veilAlpha = SkinVeilAlpha;
    return key;
}

}  // namespace skin
