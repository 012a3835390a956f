#include "app/app_style.h"

#include <QApplication>
#include <QIcon>
#include <QPainter>
#include <QPixmap>
#include <QWidget>

namespace norvane {

namespace {

// A double chevron pointing right (horizontal bars) or down (vertical bars).
QIcon ExtensionIcon(bool horizontal, const QColor& colour) {
    QPixmap pm(16, 16);
    pm.fill(Qt::transparent);
    QPainter p(&pm);
    p.setPen(colour);
    for (int k = 0; k < 2; ++k) {
        const int at = 4 + 4 * k;
        for (int d = 0; d < 3; ++d) {
            if (horizontal) {
                p.drawLine(at + d, 5 + d, at + d, 11 - d);
            } else {
                p.drawLine(5 + d, at + d, 11 - d, at + d);
            }
        }
    }
    return QIcon(pm);
}

}  // namespace

TAppStyle::TAppStyle() = default;

QIcon TAppStyle::standardIcon(StandardPixmap standardIcon, const QStyleOption* option,
                              const QWidget* widget) const {
    switch (standardIcon) {
        case SP_ToolBarHorizontalExtensionButton:
        case SP_ToolBarVerticalExtensionButton: {
            const QColor colour = widget ? widget->palette().color(QPalette::ButtonText)
                                         : QApplication::palette().color(QPalette::ButtonText);
            return ExtensionIcon(standardIcon == SP_ToolBarHorizontalExtensionButton, colour);
        }
        default: return QProxyStyle::standardIcon(standardIcon, option, widget);
    }
}

void InstallAppStyle() {
    if (!qobject_cast<TAppStyle*>(QApplication::style())) QApplication::setStyle(new TAppStyle);
}

}  // namespace norvane
