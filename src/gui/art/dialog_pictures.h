#pragma once
// The 16 x 16 pictures of the options dialog's timer and alarm lists and of the
// set dialog, drawn by the program. Call only after the QApplication exists.
#include <QIcon>
#include <QPixmap>

namespace norvane {

// 0 alarm, 1 tree expanded, 2 tree collapsed, 3 countdown, 4 stopwatch, 5 chain
// (the numbering of DialogIcon in core/timers/timer_set_editing.h).
inline constexpr int kDialogPictureCount = 6;
const QPixmap& DialogPicture(int index);
QIcon DialogIconPicture(int index);

}  // namespace norvane
