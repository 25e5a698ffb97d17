// Stand-ins for operations whose units are still being written, so that every slot is
// reachable. Each unit deletes its functions from here when it provides them.
#include "skin/core/Properties.h"
#include "skin/core/SkinEngine.h"

namespace skin {}  // namespace skin
