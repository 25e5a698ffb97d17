#include "editor/Startup.h"

#include "editor/FormLayout.h"
#include "skin/engine/SkinnedProgram.h"

namespace editor {

void StartProgram() { skin::StartSkinnedProgram(); }

void OnFormCreated(HWND form) { skin::SkinProgramForm(form, kIdGroupBox); }

void ExitProgram() { skin::ExitSkinnedProgram(); }

}  // namespace editor
