#pragma once
// The alarm icon of the timer cells, drawn by the program itself. Call only after
// the QApplication exists; the pictures are kept for the life of the process.
#include <QPixmap>

namespace norvane {

// imgAlarmN (normal) and imgAlarmA (under the mouse): a 15 x 15 bell.
const QPixmap& AlarmIconPicture(bool active);

}  // namespace norvane
