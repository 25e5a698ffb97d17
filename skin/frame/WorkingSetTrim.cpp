#include "skin/frame/WorkingSetTrim.h"

#include <windows.h>
#include <shlwapi.h>

#include <atomic>

namespace skin {
namespace {

std::atomic<int> g_completedTrims{0};

// Runs on its own thread and touches no skin state.
DWORD WINAPI TrimWorkingSet(void*) {
    SetProcessWorkingSetSize(GetCurrentProcess(), static_cast<SIZE_T>(-1), static_cast<SIZE_T>(-1));
    ++g_completedTrims;
    return 0;
}

}  // namespace

void StartWorkingSetTrim() { SHCreateThread(TrimWorkingSet, nullptr, 0, nullptr); }

int CompletedWorkingSetTrims() { return g_completedTrims.load(); }

}  // namespace skin
