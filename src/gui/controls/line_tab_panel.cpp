#include "gui/controls/line_tab_panel.h"

#include <QFontMetrics>
#include <QMouseEvent>
#include <QPainter>

#include "gui/controls/control_geometry.h"
#include "gui/controls/gdi.h"
#include "gui/controls/line_page.h"
#include "gui/controls/line_page_control.h"
#include "gui/controls/tab_style.h"

namespace norvane {

TLineTabPanel::TLineTabPanel(TLinePageControl* owner) : QWidget(owner), owner_(owner) {
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMouseTracking(true);
}

std::vector<QRect> TLineTabPanel::TabRects() const {
    const QFontMetrics fm(owner_->TabFont(), this);
    std::vector<int> widths;
    widths.reserve(static_cast<std::size_t>(owner_->PageCount()));
    for (int i = 0; i < owner_->PageCount(); ++i) widths.push_back(fm.horizontalAdvance(owner_->Pages(i)->Caption()));
    return norvane::TabRects(owner_->TabPosition(), widths, owner_->TabLength());
}

int TLineTabPanel::TabAt(QPoint pos) const {
    const std::vector<QRect> rects = TabRects();
    for (std::size_t i = 0; i < rects.size(); ++i)
        if (rects[i].contains(pos)) return static_cast<int>(i);
    return -1;
}

void TLineTabPanel::SetHotTab(int index) {
    if (hotTab_ == index) return;
    hotTab_ = index;
    update();
}

void TLineTabPanel::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    Gdi gdi(painter);
    const TTabStyle& style = *owner_->TabStyle();
    const TTabPosition position = owner_->TabPosition();
    const RoundKinds round = owner_->EdgeRound();
    const Colour line = owner_->LineColor();
    const bool panel = owner_->PanelStyle();
    const int tl = owner_->TabLength();

    gdi.FillRect(rect(), owner_->EdgeColor());
    painter.setFont(owner_->TabFont());
    const QFontMetrics fm = painter.fontMetrics();
    if (panel) {
        gdi.Polygon(CutCornerOutline(rect(), StripCutCorners(position, round)), style.ActiveTabColor(), line);
    } else {
        const LineSegment body = StripBodyLine(position, size(), tl, round);
        gdi.Line(body.from, body.to, line);
    }

    const int active = owner_->ActivePage();
    const int escapement = position == tpLeft ? 900 : position == tpRight ? 2700 : 0;
    int offset = 0;
    for (int i = 0; i < owner_->PageCount(); ++i) {
        const QString caption = owner_->Pages(i)->Caption();
        const QSize text(fm.horizontalAdvance(caption), fm.height());
        const int length = text.width() + 16;
        const QRect tab = TabRect(position, offset, length, tl);
        gdi.Polygon(CutCornerOutline(tab, TabCutCorners(position, panel, i == 0, round)),
                    i == active ? style.ActiveTabColor() : style.PassiveTabColor(), line);
        if (i == active) {
            const LineSegment opening = TabOpening(position, tab);
            gdi.Line(opening.from, opening.to, style.ActiveTabColor());
        }
        const QPoint at = TabCaptionOrigin(position, tab, tl, text);
        gdi.TextOut(at.x(), at.y(), caption, i == hotTab_ ? style.ActiveFontColor() : style.PassiveFontColor(),
                    escapement);
        offset += length - 1;  // neighbours share one pixel
    }
}

void TLineTabPanel::mouseMoveEvent(QMouseEvent* event) {
    const int tab = TabAt(event->position().toPoint());
    SetHotTab(tab);
    if (tab >= 0)
        setCursor(owner_->TabStyle()->Cursor());
    else
        unsetCursor();  // the page control's own
}

void TLineTabPanel::mousePressEvent(QMouseEvent* event) {
    event->accept();
    // Any button: a right click on a tab selects it, as the left one does.
    const int tab = TabAt(event->position().toPoint());
    if (tab >= 0 && tab != owner_->ActivePage()) owner_->SetActivePage(tab);
}

void TLineTabPanel::leaveEvent(QEvent* event) {
    QWidget::leaveEvent(event);
    unsetCursor();
    SetHotTab(-1);
}

}  // namespace norvane
