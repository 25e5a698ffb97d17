#include "skin/core/SkinnedWindow.h"

namespace skin {

// Every list of a fresh record starts with its one free entry.
SkinnedWindow::SkinnedWindow()
    : captionButtons(OneBasedList<CaptionButton>::WithZeroedEntry()),
      stripItems(OneBasedList<StripItem>::WithZeroedEntry()),
      buttonControls(OneBasedList<ButtonEntry>::WithZeroedEntry()),
      editControls(OneBasedList<EditEntry>::WithZeroedEntry()),
      listControls(OneBasedList<ListEntry>::WithZeroedEntry()),
      trackBarControls(OneBasedList<TrackBarEntry>::WithZeroedEntry()),
      progressControls(OneBasedList<ProgressEntry>::WithZeroedEntry()),
      comboControls(OneBasedList<ComboEntry>::WithZeroedEntry()),
      upDownControls(OneBasedList<UpDownEntry>::WithZeroedEntry()),
      headerControls(OneBasedList<HeaderEntry>::WithZeroedEntry()),
      subclassedChildren(OneBasedList<ChildEntry>::WithZeroedEntry()),
      subWindows(OneBasedList<SubWindowEntry>::WithZeroedEntry()),
      dockedChildren(OneBasedList<DockedChild>::WithZeroedEntry()) {}

SkinnedWindow::~SkinnedWindow() = default;
SkinnedWindow::SkinnedWindow(SkinnedWindow&&) noexcept = default;
SkinnedWindow& SkinnedWindow::operator=(SkinnedWindow&&) noexcept = default;

}  // namespace skin
