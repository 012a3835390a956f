#pragma once
// The options dialog's pictures, drawn by the program itself: the 32 x 32
// icons that head its groups, and the small information and warning marks
// beside its notes. Call only after the QApplication exists.
#include <QPixmap>

namespace norvane {

enum class OptionGroupIcon {
    InternetTime,   // a globe with a clock
    WheelMouse,     // a mouse with its wheel
    AccessConfirm,  // a globe with a question mark
    Network,        // a computer on the network
};

const QPixmap& OptionGroupPicture(OptionGroupIcon icon);

// 16 x 16: a blue "i" in a circle, and a "!" in a yellow triangle.
const QPixmap& InformationSmallPicture();
const QPixmap& WarningSmallPicture();

}  // namespace norvane
