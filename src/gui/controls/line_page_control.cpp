#include "gui/controls/line_page_control.h"

#include <QApplication>
#include <QEvent>
#include <QKeySequence>
#include <QPainter>
#include <QShortcut>
#include <algorithm>

#include "gui/controls/assign.h"
#include "gui/controls/line_page.h"
#include "gui/controls/line_tab_panel.h"
#include "gui/controls/tab_style.h"

namespace norvane {

TLinePageControl::TLinePageControl(QWidget* parent)
    : QWidget(parent), tabStyle_(new TTabStyle(this)), tabPanel_(new TLineTabPanel(this)) {
    setAttribute(Qt::WA_OpaquePaintEvent);
    resize(350, 200);
    connect(tabStyle_, &TTabStyle::changed, this, &TLinePageControl::Repaint);

    // Shortcuts see the keys before the focused control does, so Ctrl+Tab turns
    // the page wherever the focus is inside the control.
    nextShortcut_ = new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_Tab), this);
    nextShortcut_->setContext(Qt::WidgetWithChildrenShortcut);
    connect(nextShortcut_, &QShortcut::activated, this, [this] { ActivateNext(true); });
    // Ctrl+Shift+Tab arrives as Backtab or as Tab with Shift, by platform: take both.
    previousShortcut_ = new QShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Backtab), this);
    previousShortcut_->setContext(Qt::WidgetWithChildrenShortcut);
    connect(previousShortcut_, &QShortcut::activated, this, [this] { ActivateNext(false); });
    previousShortcutAlt_ = new QShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Tab), this);
    previousShortcutAlt_->setContext(Qt::WidgetWithChildrenShortcut);
    connect(previousShortcutAlt_, &QShortcut::activated, this, [this] { ActivateNext(false); });

    Relayout();
}

TLinePageControl::~TLinePageControl() {
    // The pages die as children after this; they must not call back.
    for (TLinePage* page : pages_) page->control_ = nullptr;
    pages_.clear();
    active_ = nullptr;
}

int TLinePageControl::ActivePage() const {
    return active_ ? IndexOf(active_) : -1;
}

void TLinePageControl::SetActivePage(int index) {
    if (loading_) {
        loadedIndex_ = index;
        return;
    }
    if (index < 0 || index >= PageCount()) return;
    TLinePage* page = pages_[static_cast<std::size_t>(index)];
    QWidget* focus = QApplication::focusWidget();
    const bool hadFocus = focus && (focus == this || isAncestorOf(focus));

    active_ = page;
    page->show();
    page->raise();
    if (hadFocus && !isWindow()) {
        // The focus moves with the page: to its first control in tab order.
        QWidget* target = nullptr;
        for (QWidget* w = page->nextInFocusChain(); w && w != page; w = w->nextInFocusChain()) {
            if (page->isAncestorOf(w) && w->isEnabled() && (w->focusPolicy() & Qt::TabFocus) &&
                w->isVisibleTo(page)) {
                target = w;
                break;
            }
        }
        if (target)
            target->setFocus(Qt::TabFocusReason);
        else
            page->setFocus(Qt::OtherFocusReason);
    }
    for (TLinePage* other : pages_)
        if (other != page) other->hide();
    tabPanel_->update();
    emit changed();
}

TLinePage* TLinePageControl::Pages(int index) const {
    if (index < 0 || index >= PageCount())
        throw ELinePageError("TLinePageControl.GetPages: Index is Out of Range");
    return pages_[static_cast<std::size_t>(index)];
}

int TLinePageControl::IndexOf(const TLinePage* page) const {
    const auto it = std::find(pages_.begin(), pages_.end(), page);
    return it == pages_.end() ? -1 : static_cast<int>(it - pages_.begin());
}

void TLinePageControl::SetChildOrder(TLinePage* page, int order) {
    const auto it = std::find(pages_.begin(), pages_.end(), page);
    if (it == pages_.end()) return;
    pages_.erase(it);
    order = std::clamp(order, 0, PageCount());
    pages_.insert(pages_.begin() + order, page);
    tabPanel_->update();
}

void TLinePageControl::BeginLoad() {
    loading_ = true;
    loadedIndex_ = -1;
}

void TLinePageControl::EndLoad() {
    if (!loading_) return;
    loading_ = false;
    if (loadedIndex_ >= 0) SetActivePage(loadedIndex_);
    loadedIndex_ = -1;
    if (!active_ && !pages_.empty()) SetActivePage(0);
}

void TLinePageControl::InsertPage(TLinePage* page, int index) {
    if (index < 0 || index > PageCount()) index = PageCount();
    pages_.insert(pages_.begin() + index, page);
    PlacePage(page);
    if (active_ || loading_)
        page->hide();
    else
        SetActivePage(index);  // a control with pages always shows one
    Repaint();
}

void TLinePageControl::RemovePage(TLinePage* page) {
    const int index = IndexOf(page);
    if (index < 0) return;
    pages_.erase(pages_.begin() + index);
    tabPanel_->SetHotTab(-1);
    if (active_ == page) {
        // Fall back on the page that took its place, so one page stays active.
        active_ = nullptr;
        if (!pages_.empty() && !loading_) SetActivePage(std::min(index, PageCount() - 1));
    }
    Repaint();
}

void TLinePageControl::ActivateNext(bool forward) {
    const int count = PageCount();
    if (count == 0) return;
    const int current = ActivePage();
    int next;
    if (forward)
        next = (current + 1) % count;
    else
        next = current <= 0 ? count - 1 : current - 1;
    SetActivePage(next);
}

QFont TLinePageControl::TabFont() const {
    QFont f = font();
    const FontStyles style = tabStyle_->TabFontStyle();
    f.setBold(style.testFlag(fsBold));
    f.setItalic(style.testFlag(fsItalic));
    f.setUnderline(style.testFlag(fsUnderline));
    f.setStrikeOut(style.testFlag(fsStrikeOut));
    return f;
}

QRect TLinePageControl::PageRect() const {
    return norvane::PageRect(tabPosition_, size(), pageBorder_, tabLength_);
}

void TLinePageControl::PlacePage(TLinePage* page) {
    const QRect r = PageRect();
    if (page->geometry() != r) page->setGeometry(r);
}

void TLinePageControl::Relayout() {
    tabPanel_->setGeometry(TabStripRect(tabPosition_, size(), tabLength_));
    for (TLinePage* page : pages_) PlacePage(page);
    Repaint();
}

void TLinePageControl::Repaint() {
    update();
    tabPanel_->update();
    for (TLinePage* page : pages_) page->update();
}

void TLinePageControl::SetColor(Colour value) {
    if (Assign(color_, value)) Repaint();
}
void TLinePageControl::SetEdgeColor(Colour value) {
    if (Assign(edgeColor_, value)) Relayout();
}
void TLinePageControl::SetEdgeRound(RoundKinds value) {
    if (Assign(edgeRound_, value)) Repaint();
}
void TLinePageControl::SetLineColor(Colour value) {
    if (Assign(lineColor_, value)) Repaint();
}
void TLinePageControl::SetPageBorder(int value) {
    if (Assign(pageBorder_, value)) Relayout();
}
void TLinePageControl::SetPanelStyle(bool value) {
    if (Assign(panelStyle_, value)) Repaint();
}
void TLinePageControl::SetTabLength(int value) {
    if (Assign(tabLength_, value)) Relayout();
}
void TLinePageControl::SetTabPosition(TTabPosition value) {
    if (Assign(tabPosition_, value)) Relayout();
}

void TLinePageControl::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    Gdi gdi(painter);
    gdi.FillRect(rect(), edgeColor_);
    const QRect body = PageBodyRect(tabPosition_, size(), tabLength_);
    gdi.Polygon(CutCornerOutline(body, BodyCutCorners(tabPosition_, panelStyle_, edgeRound_)), color_, lineColor_);
}

void TLinePageControl::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    Relayout();
}

void TLinePageControl::changeEvent(QEvent* event) {
    QWidget::changeEvent(event);
    if (event->type() == QEvent::FontChange) Relayout();
}

}  // namespace norvane
