#include "gui/schedules/schedule_rows.h"

#include <QLabel>
#include <QStackedLayout>
#include <QStyle>
#include <QVBoxLayout>
#include <algorithm>

#include "gui/controls/shape.h"

namespace norvane {

namespace {

// Where a control of `size` goes in `cell` by `how`; a direction without
// alignment fills the cell. Centring truncates, as the design's arithmetic does.
QRect Place(const QRect& cell, QSize size, Qt::Alignment how) {
    QRect r = cell;
    if (how & Qt::AlignHorizontal_Mask) {
        r.setWidth(size.width());
        if (how & Qt::AlignRight) r.moveLeft(cell.left() + cell.width() - size.width());
        else if (how & Qt::AlignHCenter) r.moveLeft(cell.left() + (cell.width() - size.width()) / 2);
    }
    if (how & Qt::AlignVertical_Mask) {
        r.setHeight(size.height());
        if (how & Qt::AlignBottom) r.moveTop(cell.top() + cell.height() - size.height());
        else if (how & Qt::AlignVCenter) r.moveTop(cell.top() + (cell.height() - size.height()) / 2);
    }
    return r;
}

}  // namespace

TColumnLayout::TColumnLayout(QWidget* row, ColumnRule rule) : QLayout(row), rule_(std::move(rule)) {
    setContentsMargins(0, 0, 0, 0);
    setSpacing(0);
}

TColumnLayout::~TColumnLayout() {
    // A nested layout, deleted, tells this one it is gone (takeAt): each item
    // leaves the list before it is deleted.
    while (!cells_.empty()) {
        QLayoutItem* item = cells_.back().item;
        cells_.pop_back();
        delete item;
    }
}

void TColumnLayout::Insert(QLayoutItem* item, int column, Qt::Alignment how, QMargins margins, QSize size) {
    cells_.push_back({item, column, how, margins, size});
    invalidate();
}

void TColumnLayout::Add(QWidget* widget, int column, Qt::Alignment how, QMargins margins) {
    addChildWidget(widget);
    QSize size = widget->size();
    // A label is never shorter than its face's line (a bold countdown in a row
    // of the page's face); it grows about its middle, so its text stays put.
    if (qobject_cast<QLabel*>(widget) && (how & Qt::AlignVertical_Mask)) {
        const int grow = widget->fontMetrics().height() - size.height();
        if (grow > 0) {
            size.setHeight(size.height() + grow);
            if (how & Qt::AlignTop) margins.setTop(std::max(0, margins.top() - grow / 2));
            else if (how & Qt::AlignBottom) margins.setBottom(std::max(0, margins.bottom() - (grow + 1) / 2));
        }
    }
    Insert(new QWidgetItem(widget), column, how, margins, size);
}

void TColumnLayout::Add(QLayout* layout, int column, Qt::Alignment how, QMargins margins) {
    addChildLayout(layout);
    Insert(layout, column, how, margins, layout->sizeHint());
}

void TColumnLayout::SetPlace(QWidget* widget, int column, Qt::Alignment how, QMargins margins) {
    for (Cell& c : cells_) {
        if (c.item->widget() != widget) continue;
        if (c.column == column && c.how == how && c.margins == margins) return;
        c.column = column;
        c.how = how;
        c.margins = margins;
        invalidate();
        return;
    }
}

void TColumnLayout::addItem(QLayoutItem* item) { Insert(item, kWholeRow, {}, {}, item->sizeHint()); }

QLayoutItem* TColumnLayout::itemAt(int index) const {
    return index >= 0 && index < count() ? cells_[static_cast<std::size_t>(index)].item : nullptr;
}

QLayoutItem* TColumnLayout::takeAt(int index) {
    if (index < 0 || index >= count()) return nullptr;
    QLayoutItem* item = cells_[static_cast<std::size_t>(index)].item;
    cells_.erase(cells_.begin() + index);
    invalidate();
    return item;
}

QSize TColumnLayout::sizeHint() const {
    // As high as its tallest control with margins; as wide as what spans the
    // whole row asks (a line of controls), the columns following any width.
    int width = 0, height = 0;
    for (const Cell& c : cells_) {
        height = std::max(height, c.margins.top() + c.size.height() + c.margins.bottom());
        if (c.column == kWholeRow && !c.item->widget())
            width = std::max(width, c.margins.left() + c.item->sizeHint().width() + c.margins.right());
    }
    return {width, height};
}

QSize TColumnLayout::minimumSize() const { return sizeHint(); }

void TColumnLayout::setGeometry(const QRect& rect) {
    QLayout::setGeometry(rect);
    const std::vector<ColumnSpan> spans = rule_ ? rule_(rect.width()) : std::vector<ColumnSpan>{};
    for (Cell& c : cells_) {
        QRect column = rect;
        if (c.column != kWholeRow) {
            const ColumnSpan span =
                c.column >= 0 && static_cast<std::size_t>(c.column) < spans.size() ? spans[static_cast<std::size_t>(c.column)]
                                                                                   : ColumnSpan{};
            // A column the rule lets run past the row ends with it; one that
            // starts past it is empty there.
            const int left = rect.left() + span.left;
            const int width = std::clamp(std::min(span.width, rect.right() + 1 - left), 0, std::max(span.width, 0));
            column = QRect(left, rect.top(), width, rect.height());
        }
        const QRect at = Place(column.marginsRemoved(c.margins), c.size, c.how);
        if (QWidget* w = c.item->widget()) {
            // Held at its place's size: a new text then never asks for a layout.
            if (w->minimumSize() != at.size() || w->maximumSize() != at.size()) w->setFixedSize(at.size());
            w->setGeometry(at);
        } else {
            c.item->setGeometry(at);
        }
    }
}

TScheduleRow::TScheduleRow(QWidget* parent, int height, ColumnRule rule)
    : QWidget(parent), columns_(new TColumnLayout(this, std::move(rule))) {
    setFixedHeight(height);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
}

void TScheduleRow::SetBand(TShape* band) {
    band_ = band;
    columns_->Add(band, TColumnLayout::kWholeRow);
    band->lower();
}

TScheduleSection::TScheduleSection(QWidget* parent, ColumnRule frameRule)
    : QWidget(parent), rows_(new QWidget(this)), overlay_(new QWidget(this)) {
    auto* stack = new QStackedLayout(this);
    stack->setStackingMode(QStackedLayout::StackAll);
    stack->addWidget(rows_);
    stack->addWidget(overlay_);
    // The frames are outlines only: the controls under them keep the mouse.
    overlay_->setAttribute(Qt::WA_TransparentForMouseEvents);
    stack->setCurrentWidget(overlay_);
    auto* column = new QVBoxLayout(rows_);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(0);
    frames_ = new TColumnLayout(overlay_, std::move(frameRule));
}

TScheduleRow* TScheduleSection::AddRow(int height, ColumnRule rule) {
    auto* row = new TScheduleRow(rows_, height, std::move(rule));
    static_cast<QVBoxLayout*>(rows_->layout())->addWidget(row);
    return row;
}

void TScheduleSection::AddSpacing(int pixels) { static_cast<QVBoxLayout*>(rows_->layout())->addSpacing(pixels); }

void TScheduleSection::AddFrame(TShape* frame, int column) { frames_->Add(frame, column); }

QWidget* TScheduleSection::Backdrop() {
    if (!backdrop_) {
        backdrop_ = new QWidget(this);
        backdrop_->setAttribute(Qt::WA_TransparentForMouseEvents);
        fills_ = new TColumnLayout(backdrop_, frames_->Rule());
        // Added under the rows: the stack keeps the frames' overlay on top.
        static_cast<QStackedLayout*>(layout())->insertWidget(0, backdrop_);
        backdrop_->lower();
    }
    return backdrop_;
}

void TScheduleSection::AddFill(TShape* fill, int column, QMargins margins) {
    Backdrop();
    fills_->Add(fill, column, {}, margins);
}

}  // namespace norvane
