#pragma once
// The process-wide list of taken-over top-level windows. Indexes are 1-based; 0 means
// "not registered", and every lookup answers 0 when it finds nothing.
#include <windows.h>

#include <memory>

#include "skin/core/OneBasedList.h"
#include "skin/core/SkinnedWindow.h"

namespace skin {

class SkinRegistry {
public:
    int count() const { return records_.count(); }
    // The record at a 1-based index, or null outside 1..count.
    SkinnedWindow* at(int index) { return records_.at(index); }
    // Appends at the end and answers the new record's index (0 for a null record).
    int append(std::unique_ptr<SkinnedWindow> record);
    // Frees the record, moves the ones behind it up and renumbers every stored index.
    void remove(int index);
    // Frees every record.
    void clear() { records_.clear(); }
    // Index of the record whose window this is, 0 when none.
    int find(HWND window) const { return records_.findWindow(window); }

private:
    void renumber();

    OneBasedList<SkinnedWindow> records_;
};

// The one registry of the process, created empty.
SkinRegistry& TheSkinRegistry();

SkinnedWindow* GetSkinnedWindow(int index);
int AppendSkinnedWindow(std::unique_ptr<SkinnedWindow> record);
void RemoveSkinnedWindow(int index);
// Frees every record; the exit routine's part for the registry.
void FreeSkinRegistry();

// Index of the record whose window is this one, else 0.
int FindSkinnedWindow(HWND window);
// Index of the nearest registered ancestor (the window itself is not tested), else 0.
int FindRegisteredAncestor(HWND window);
// Index of the window's entry in the record's subWindows, else 0 (also for a bad record).
int FindSubWindow(int recordIndex, HWND window);
// Walks up from start (exclusive) to stop (exclusive) and answers the first ancestor
// registered in the record's subWindows with selfPainted set, else 0.
int FindSkinnedAncestor(int recordIndex, HWND start, HWND stop);

}  // namespace skin
