#include "gui/controls/labels.h"

#include <QLabel>

namespace norvane {

QLabel* MakeLabel(QWidget* parent, const QString& name, const QString& text, QPoint pos, QSize fixedSize) {
    auto* l = new QLabel(text, parent);
    l->setObjectName(name);
    l->move(pos);
    if (fixedSize.isValid()) {
        l->setFixedSize(fixedSize);
        l->setTextFormat(Qt::PlainText);
        l->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    } else {
        l->adjustSize();
    }
    return l;
}

void SetTextColour(QLabel* label, const QColor& colour) {
    QPalette pal = label->palette();
    if (pal.color(QPalette::WindowText) == colour) return;
    pal.setColor(QPalette::WindowText, colour);
    label->setPalette(pal);
}

}  // namespace norvane
