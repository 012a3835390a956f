#pragma once
// The version dialog's title picture, drawn once on first use. Call only after
// the QApplication exists.
#include <QPixmap>

namespace norvane {

// imgTitle, 180 x 24: the clock logo and the program's name, on a clear ground
// (the dialog's banner is white).
const QPixmap& VersionTitlePicture();

}  // namespace norvane
