#pragma once
// Giving memory back when the application loses activation.
namespace skin {

// Trims the process's working set on a short-lived thread of its own. Nothing is written
// to disk and no other program is started.
void StartWorkingSetTrim();

// How many trims have finished since the process started.
int CompletedWorkingSetTrims();

}  // namespace skin
