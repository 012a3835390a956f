#include "gui/controls/line_page_control.h"

#include <QApplication>
#include <QEvent>
#include <QFontMetrics>
#include <QKeySequence>
#include <QMouseEvent>
#include <QPainter>
#include <QShortcut>
#include <algorithm>

namespace norvane {

// ---- TTabStyle ------------------------------------------------------------

TTabStyle::TTabStyle(QObject* parent) : QObject(parent) {}

namespace {
template <typename T>
bool Assign(T& field, const T& value) {
    if (field == value) return false;
    field = value;
    return true;
}
}  // namespace

void TTabStyle::SetActiveFontColor(ColorRef value) {
    if (Assign(activeFontColor_, value)) emit Changed();
}
void TTabStyle::SetActiveTabColor(ColorRef value) {
    if (Assign(activeTabColor_, value)) emit Changed();
}
void TTabStyle::SetPassiveFontColor(ColorRef value) {
    if (Assign(passiveFontColor_, value)) emit Changed();
}
void TTabStyle::SetPassiveTabColor(ColorRef value) {
    if (Assign(passiveTabColor_, value)) emit Changed();
}
void TTabStyle::SetTabFontStyle(FontStyles value) {
    if (Assign(tabFontStyle_, value)) emit Changed();
}

// ---- TLinePage ------------------------------------------------------------

TLinePage::TLinePage(QWidget* parent) : QWidget(nullptr) {
    setAttribute(Qt::WA_OpaquePaintEvent);
    if (parent) SetParent(parent);
}

TLinePage::~TLinePage() {
    if (control_) control_->RemovePage(this);
}

void TLinePage::SetCaption(const QString& value) {
    if (caption_ == value) return;
    caption_ = value;
    if (control_) control_->TabPanel()->update();
}

void TLinePage::SetBorderWidth(int value) {
    if (borderWidth_ == value) return;
    borderWidth_ = value;
    setContentsMargins(value, value, value, value);
    update();
}

int TLinePage::PageIndex() const {
    return control_ ? control_->IndexOf(this) : -1;
}

bool TLinePage::SetParent(QWidget* parent) {
    if (!parent) {
        setParent(nullptr);
        return true;
    }
    if (auto* control = qobject_cast<TLinePageControl*>(parent)) {
        if (control_ == control) return true;
        insertAt_ = -1;
        setParent(control);
        return true;
    }
    auto* before = qobject_cast<TLinePage*>(parent);
    if (!before || !before->control_ || before == this) return false;
    TLinePageControl* control = before->control_;
    if (control_ == control) {
        // Already a member: only its place in the list changes.
        const int from = control->IndexOf(this);
        const int to = control->IndexOf(before);
        control->SetChildOrder(this, from < to ? to - 1 : to);
        return true;
    }
    insertAt_ = control->IndexOf(before);
    setParent(control);
    return true;
}

void TLinePage::ParentChanged() {
    QWidget* parent = parentWidget();
    if (control_ && control_ != parent) {
        TLinePageControl* old = control_;
        control_ = nullptr;
        old->RemovePage(this);
    }
    auto* control = qobject_cast<TLinePageControl*>(parent);
    const int at = insertAt_;
    insertAt_ = -1;
    if (control && control_ != control) {
        control_ = control;
        control->InsertPage(this, at);
    }
}

bool TLinePage::event(QEvent* event) {
    const bool result = QWidget::event(event);
    if (event->type() == QEvent::ParentChange) ParentChanged();
    return result;
}

void TLinePage::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    Gdi gdi(painter);
    gdi.FillRect(rect(), control_ ? control_->Color() : clWindow);
}

// A page stays where its control puts it, anchored to all four sides.
void TLinePage::moveEvent(QMoveEvent* event) {
    QWidget::moveEvent(event);
    if (control_) control_->PlacePage(this);
}

void TLinePage::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    if (control_) control_->PlacePage(this);
}

// ---- TLineTabPanel --------------------------------------------------------

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
    const ColorRef line = owner_->LineColor();
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

// ---- TLinePageControl -----------------------------------------------------

TLinePageControl::TLinePageControl(QWidget* parent)
    : QWidget(parent), tabStyle_(new TTabStyle(this)), tabPanel_(new TLineTabPanel(this)) {
    setAttribute(Qt::WA_OpaquePaintEvent);
    resize(350, 200);
    connect(tabStyle_, &TTabStyle::Changed, this, &TLinePageControl::Repaint);

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
    emit OnChange();
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

void TLinePageControl::SetColor(ColorRef value) {
    if (Assign(color_, value)) Repaint();
}
void TLinePageControl::SetEdgeColor(ColorRef value) {
    if (Assign(edgeColor_, value)) Relayout();
}
void TLinePageControl::SetEdgeRound(RoundKinds value) {
    if (Assign(edgeRound_, value)) Repaint();
}
void TLinePageControl::SetLineColor(ColorRef value) {
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
