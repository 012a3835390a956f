#pragma once
// Layout rules shared by the settings dialogs.
#include "core/main_window/window_geometry.h"

namespace norvane {

// Where a sub-dialog of size w x h opens over its owner: centred on it, then
// held inside the work area, the right and bottom edges winning for a dialog
// larger than the work area.
QPoint SubDialogPosition(const QRect& owner, int w, int h, const QRect& workArea);

// How many spaces a group box's caption holds so that a check box of
// `checkWidth` laid over its top edge covers it: n - 1 for the smallest n >= 1
// with n * spaceWidth >= checkWidth.
int GroupCaptionSpaces(int spaceWidth, int checkWidth);

}  // namespace norvane
