#include "core/settings/dialog_layout.h"

namespace norvane {

WinPoint SubDialogPosition(const WinRect& owner, int w, int h, const WinRect& workArea) {
    WinPoint p{owner.left + owner.width() / 2 - w / 2, owner.top + owner.height() / 2 - h / 2};
    if (p.x < workArea.left) p.x = workArea.left;
    if (p.y < workArea.top) p.y = workArea.top;
    if (p.x + w > workArea.right) p.x = workArea.right - w;
    if (p.y + h > workArea.bottom) p.y = workArea.bottom - h;
    return p;
}

int GroupCaptionSpaces(int spaceWidth, int checkWidth) {
    // A face without a space width would never reach the box: no caption then.
    if (spaceWidth <= 0) return 0;
    int n = 1;
    while (n * spaceWidth < checkWidth) ++n;
    return n - 1;
}

}  // namespace norvane
