#include "core/settings/dialog_layout.h"

namespace norvane {

QPoint SubDialogPosition(const QRect& owner, int w, int h, const QRect& workArea) {
    const int right = workArea.x() + workArea.width(), bottom = workArea.y() + workArea.height();
    QPoint p(owner.x() + owner.width() / 2 - w / 2, owner.y() + owner.height() / 2 - h / 2);
    if (p.x() < workArea.x()) p.setX(workArea.x());
    if (p.y() < workArea.y()) p.setY(workArea.y());
    if (p.x() + w > right) p.setX(right - w);
    if (p.y() + h > bottom) p.setY(bottom - h);
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
