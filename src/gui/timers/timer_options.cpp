#include "gui/timers/timer_options.h"

#include <QApplication>
#include <QComboBox>
#include <QDrag>
#include <QDragMoveEvent>
#include <QDropEvent>
#include <functional>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QMimeData>
#include <QMouseEvent>
#include <QPushButton>
#include <QScrollBar>
#include <QTimer>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "core/settings/settings_store.h"
#include "gui/art/dialog_pictures.h"
#include "gui/main_window/user_messages.h"
#include "gui/main_window/work_area.h"
#include "gui/settings/dialog_metrics.h"
#include "gui/timers/set_dialog.h"

namespace norvane {
namespace {

// The timer-set list: Qt's internal move picks a row up and carries it (the
// model's own data, the row's picture); where it lands, and the scrolling at
// the list's edges while it is carried, are the pages' rules.
class TimerSetList final : public QTreeWidget {
public:
    explicit TimerSetList(QWidget* parent) : QTreeWidget(parent) {
        setDragDropMode(QAbstractItemView::InternalMove);
        setDefaultDropAction(Qt::MoveAction);
        setDropIndicatorShown(false);
        setAutoScroll(false);
    }

    std::function<void(QPoint)> dragOver;
    std::function<void(QPoint)> dropped;
    std::function<void()> dragEnded;

protected:
    // Qt picks the row up (press, distance, this mode); the drag itself is
    // started here because the base class removes a row that was moved onto its
    // own list, and the page has already put it in its new place.
    void startDrag(Qt::DropActions) override {
        QTreeWidgetItem* row = currentItem();
        if (!row) return;
        auto* drag = new QDrag(this);
        drag->setMimeData(model()->mimeData({indexFromItem(row)}));
        drag->setPixmap(row->icon(0).pixmap(iconSize().isValid() ? iconSize() : QSize(16, 16)));
        drag->exec(Qt::MoveAction);
        dragEnded();
    }
    void dragEnterEvent(QDragEnterEvent* event) override {
        if (Ours(event)) event->acceptProposedAction();
        else event->ignore();
    }
    void dragMoveEvent(QDragMoveEvent* event) override {
        if (!Ours(event)) {
            event->ignore();
            return;
        }
        event->acceptProposedAction();
        dragOver(event->position().toPoint());
    }
    void dragLeaveEvent(QDragLeaveEvent*) override { dragEnded(); }
    void dropEvent(QDropEvent* event) override {
        if (!Ours(event)) {
            event->ignore();
            return;
        }
        event->acceptProposedAction();
        dropped(event->position().toPoint());
    }

private:
    // A row of this list; a drag without a source is one the platform or a test makes.
    bool Ours(const QDropEvent* event) const {
        return (!event->source() || event->source() == this) &&
               event->mimeData()->hasFormat(model()->mimeTypes().constFirst());
    }
};

// Pixels of the edge bands where a drag scrolls the list.
constexpr int kTopScrollBand = 3;
constexpr int kBottomScrollBand = 4;

// The lists' design widths and the buttons' under and beside them.
constexpr int kTimerListWidth = 366;
constexpr int kAlarmSetListHeight = 132;
constexpr int kAlarmSetLabelHeight = 14;
constexpr int kCellListGap = 13;  // the cells' list to the label below it
constexpr QSize kNewButton{124, 23};
constexpr QSize kDeleteButton{112, 23};
constexpr QSize kPropertyButton{100, 23};
constexpr QSize kMoveButton{72, 23};

QPushButton* MakeButton(const QString& text, QWidget* parent, const char* name, QSize design) {
    auto* b = new QPushButton(text, parent);
    b->setObjectName(QLatin1String(name));
    b->setAutoDefault(false);
    FitButton(b, design);
    return b;
}

// A page of a list with the three buttons under it.
QVBoxLayout* ListPageLayout(QWidget* page) {
    auto* l = new QVBoxLayout(page);
    l->setContentsMargins(kPageMargin, kPageMargin, kListButtonGap / 2, kPageBottom);
    l->setSpacing(kPageMargin);
    return l;
}

QHBoxLayout* ListButtons(std::initializer_list<QPushButton*> buttons) {
    auto* row = new QHBoxLayout;
    row->setSpacing(kListButtonGap);
    for (QPushButton* b : buttons) row->addWidget(b);
    row->addStretch(1);
    return row;
}

QTreeWidget* MakeReportList(QTreeWidget* l, const char* name, const QStringList& headers,
                            std::initializer_list<int> widths) {
    l->setObjectName(QLatin1String(name));
    l->setRootIsDecorated(false);
    l->setItemsExpandable(false);
    l->setUniformRowHeights(true);
    l->setAllColumnsShowFocus(true);
    l->setSelectionMode(QAbstractItemView::SingleSelection);
    l->setSelectionBehavior(QAbstractItemView::SelectRows);
    l->setEditTriggers(QAbstractItemView::NoEditTriggers);
    l->setIconSize(QSize(16, 16));
    l->setColumnCount(static_cast<int>(headers.size()));
    l->setHeaderLabels(headers);
    l->header()->setStretchLastSection(false);
    l->header()->setSectionsMovable(false);
    int c = 0;
    for (int w : widths) l->setColumnWidth(c++, w);
    return l;
}

// Centred on the options dialog and inside the work area; only OK takes over.
bool RunSetDialog(QWidget* owner, TfrmOptSet& dlg) {
    PlaceOverOwner(&dlg, owner);
    return dlg.exec() == 1;
}

}  // namespace

TOptTimerPages::TOptTimerPages(QWidget* dialog, QWidget* tstTimer, QWidget* tstAlarm)
    : QObject(dialog), dialog_(dialog), tstTimer_(tstTimer), tstAlarm_(tstAlarm) {
    BuildTimerPage();
    BuildAlarmPage();
    // Tied to the list, so that it ends when the dialog's widgets go.
    connect(qApp, &QApplication::focusChanged, lsvAlmTime, [this](QWidget*, QWidget* now) {
        if (now && now != lsvAlmTime && !InAlarmChoice(now)) choiceHadFocus_ = false;
        PlaceAlarmChoice();
    });
}

TOptTimerPages::~TOptTimerPages() = default;

void TOptTimerPages::BuildTimerPage() {
    // Up and down beside the list, so that every button's caption fits the page.
    auto* timerSets = new TimerSetList(tstTimer_);
    timerSets->dragOver = [this](QPoint at) { lsvTimerSetDragOver(at); };
    timerSets->dropped = [this](QPoint at) { lsvTimerSetDragDrop(at); };
    timerSets->dragEnded = [this] { lsvTimerSetEndDrag(); };
    lsvTimerSet = MakeReportList(timerSets, "lsvTimerSet",
                                 {QStringLiteral("名前"), QString(), QStringLiteral("区切 1"),
                                  QStringLiteral("区切 2"), QStringLiteral("区切 3")},
                                 {114, 64, 56, 56, 56});
    lsvTimerSet->setMinimumWidth(kTimerListWidth);
    connect(lsvTimerSet, &QTreeWidget::itemSelectionChanged, this, &TOptTimerPages::lsvTimerSetChange);
    connect(lsvTimerSet, &QTreeWidget::itemDoubleClicked, this, [this] { btnTimerPropClick(); });

    btnTimerNew = MakeButton(QStringLiteral("新しいタイマー(&N)..."), tstTimer_, "btnTimerNew", kNewButton);
    btnTimerDel = MakeButton(QStringLiteral("タイマーの削除(&D)"), tstTimer_, "btnTimerDel", kDeleteButton);
    btnTimerProp = MakeButton(QStringLiteral("プロパティ(&P)..."), tstTimer_, "btnTimerProp", kPropertyButton);
    btnTimerUp = MakeButton(QStringLiteral("↑ 上へ(&U)"), tstTimer_, "btnTimerUp", kMoveButton);
    btnTimerDown = MakeButton(QStringLiteral("↓ 下へ(&D)"), tstTimer_, "btnTimerDown", kMoveButton);
    connect(btnTimerNew, &QPushButton::clicked, this, &TOptTimerPages::btnTimerNewClick);
    connect(btnTimerDel, &QPushButton::clicked, this, &TOptTimerPages::btnTimerDelClick);
    connect(btnTimerProp, &QPushButton::clicked, this, &TOptTimerPages::btnTimerPropClick);
    connect(btnTimerUp, &QPushButton::clicked, this, &TOptTimerPages::btnTimerUpClick);
    connect(btnTimerDown, &QPushButton::clicked, this, &TOptTimerPages::btnTimerDownClick);
    for (QPushButton* b : {btnTimerDel, btnTimerProp, btnTimerUp, btnTimerDown}) b->setEnabled(false);

    QVBoxLayout* page = ListPageLayout(tstTimer_);
    auto* moves = new QVBoxLayout;
    moves->setSpacing(kListButtonGap);
    moves->addWidget(btnTimerUp);
    moves->addWidget(btnTimerDown);
    moves->addStretch(1);
    auto* list = new QHBoxLayout;
    list->setSpacing(kRowGap);
    list->addWidget(lsvTimerSet, 1);
    list->addLayout(moves);
    page->addLayout(list, 1);
    page->addLayout(ListButtons({btnTimerNew, btnTimerDel, btnTimerProp}));

    tmrSrt = new QTimer(this);
    tmrSrt->setObjectName("tmrSrt");
    tmrSrt->setInterval(100);
    connect(tmrSrt, &QTimer::timeout, this, &TOptTimerPages::tmrSrtTimer);
}

void TOptTimerPages::BuildAlarmPage() {
    lblAlarmSet = new QLabel(QStringLiteral("アラームセット"), tstAlarm_);
    lblAlarmSet->setObjectName("lblAlarmSet");
    FitHeight(lblAlarmSet, kAlarmSetLabelHeight);

    lsvAlmTime = MakeReportList(new QTreeWidget(tstAlarm_), "lsvAlmTime", {QStringLiteral("名前"), QStringLiteral("アラームセット")},
                                {100, 220});
    lsvAlmTime->setHeaderHidden(true);
    lsvAlmTime->header()->setMaximumSectionSize(230);

    cmbAlarmTimer = new QComboBox(tstAlarm_);
    cmbAlarmTimer->setObjectName("cmbAlarmTimer");
    cmbAlarmTimer->setMaxVisibleItems(12);
    cmbAlarmTimer->hide();
    // Rows as tall as the drop-down laid over them.
    const int rowHeight = cmbAlarmTimer->sizeHint().height();
    for (int cell = 0; cell < kTimerCellCount; ++cell) {
        auto* item = new QTreeWidgetItem(lsvAlmTime, {CellAlarmRowCaption(cell), QString()});
        item->setIcon(0, DialogIconPicture(kIconCountdown));
        item->setData(0, Qt::UserRole, cell);
        item->setSizeHint(0, QSize(100, rowHeight));
    }
    lsvAlmTime->viewport()->installEventFilter(this);
    cellViewport_ = lsvAlmTime->viewport();
    connect(lsvAlmTime, &QTreeWidget::itemSelectionChanged, this, &TOptTimerPages::lsvAlmTimeChange);
    connect(lsvAlmTime->verticalScrollBar(), &QScrollBar::valueChanged, this, &TOptTimerPages::PlaceAlarmChoice);
    connect(lsvAlmTime->header(), &QHeaderView::sectionResized, this, &TOptTimerPages::PlaceAlarmChoice);
    connect(cmbAlarmTimer, &QComboBox::currentIndexChanged, this, &TOptTimerPages::cmbAlarmTimerChange);
    RebuildAlarmChoices();

    lsvAlarmSet = MakeReportList(new QTreeWidget(tstAlarm_), "lsvAlarmSet",
                                 {QStringLiteral("名前"), QStringLiteral("区切 1"), QStringLiteral("区切 2"),
                                  QStringLiteral("区切 3")},
                                 {160, 56, 56, 56});
    lsvAlarmSet->setFixedHeight(kAlarmSetListHeight);
    connect(lsvAlarmSet, &QTreeWidget::itemSelectionChanged, this, &TOptTimerPages::lsvAlarmSetChange);
    connect(lsvAlarmSet, &QTreeWidget::itemDoubleClicked, this, [this] { btnSoundPropClick(); });

    btnSoundNew = MakeButton(QStringLiteral("新しいアラーム(&N)..."), tstAlarm_, "btnSoundNew", kNewButton);
    btnSoundDel = MakeButton(QStringLiteral("アラームの削除(&D)"), tstAlarm_, "btnSoundDel", kDeleteButton);
    btnSoundProp = MakeButton(QStringLiteral("プロパティ(&P)..."), tstAlarm_, "btnSoundProp", kPropertyButton);
    connect(btnSoundNew, &QPushButton::clicked, this, &TOptTimerPages::btnSoundNewClick);
    connect(btnSoundDel, &QPushButton::clicked, this, &TOptTimerPages::btnSoundDelClick);
    connect(btnSoundProp, &QPushButton::clicked, this, &TOptTimerPages::btnSoundPropClick);
    for (QPushButton* b : {btnSoundDel, btnSoundProp}) b->setEnabled(false);

    // The cells' list takes what the page leaves; the sets' list keeps its height.
    QVBoxLayout* page = ListPageLayout(tstAlarm_);
    page->setSpacing(0);
    page->addWidget(lsvAlmTime, 1);
    page->addSpacing(kCellListGap);
    page->addWidget(lblAlarmSet);
    page->addSpacing(2);
    page->addWidget(lsvAlarmSet);
    page->addSpacing(kPageMargin);
    page->addLayout(ListButtons({btnSoundNew, btnSoundDel, btnSoundProp}));
}

void TOptTimerPages::Load(const SettingsStore& store) {
    copies_ = ReadTimerEditCopies(store);
    lsvTimerSet->setUpdatesEnabled(false);
    lsvTimerSet->clear();
    const int timers = UsedSlots(copies_.timers);
    for (int i = 0; i < timers; ++i) RenderTimerRow(new QTreeWidgetItem(lsvTimerSet), i);
    lsvTimerSet->setUpdatesEnabled(true);
    lsvAlarmSet->clear();
    const int alarms = UsedSlots(copies_.alarms);
    for (int i = 0; i < alarms; ++i) RenderAlarmRow(new QTreeWidgetItem(lsvAlarmSet), i);
    RebuildAlarmChoices();
    RefreshCellAlarmTexts();
    for (QPushButton* b : {btnTimerDel, btnTimerProp, btnTimerUp, btnTimerDown, btnSoundDel, btnSoundProp})
        b->setEnabled(false);
}

void TOptTimerPages::Apply(SettingsStore& store) { WriteTimerEditCopies(store, copies_); }

void TOptTimerPages::Edited() { emit changed(); }

void TOptTimerPages::TimerListEdited() {
    timerListChanged_ = true;
    emit changed();
}

// ---- Timer sets ----

int TOptTimerPages::SelectedTimerRow() const {
    const auto selected = lsvTimerSet->selectedItems();
    return selected.isEmpty() ? -1 : lsvTimerSet->indexOfTopLevelItem(selected.constFirst());
}

void TOptTimerPages::RenderTimerRow(QTreeWidgetItem* item, int slot) {
    const TimerSetRowText row = TimerSetRow(copies_.timers[static_cast<std::size_t>(slot)]);
    item->setIcon(0, DialogIconPicture(row.icon));
    item->setText(0, row.name);
    item->setText(1, row.value);
    for (int k = 0; k < 3; ++k) item->setText(2 + k, row.divisions[static_cast<std::size_t>(k)]);
}

void TOptTimerPages::SelectTimerRow(int row) {
    QTreeWidgetItem* item = lsvTimerSet->topLevelItem(row);
    if (!item) return;
    lsvTimerSet->setCurrentItem(item);
    item->setSelected(true);
    lsvTimerSet->setFocus();
    lsvTimerSet->scrollToItem(item);
}

void TOptTimerPages::btnTimerNewClick() {
    const int n = lsvTimerSet->topLevelItemCount();
    if (n >= kMaxTimerSets) {
        InformUser(dialog_, QStringLiteral("タイマーセットは100個あります。\r\n\r\nこれ以上タイマーセットを作成できません。"));
        return;
    }
    TfrmOptSet dlg(dialog_);
    TTimerSet fresh;
    fresh.Name = QStringLiteral("新しいタイマーセット");
    fresh.Kind = kKindCountdown;
    dlg.EditTimerSet(fresh);
    if (!RunSetDialog(dialog_, dlg)) return;
    copies_.timers[static_cast<std::size_t>(n)] = dlg.TimerSet();
    RenderTimerRow(new QTreeWidgetItem(lsvTimerSet), n);
    SelectTimerRow(n);
    TimerListEdited();
}

void TOptTimerPages::btnTimerPropClick() {
    const int i = SelectedTimerRow();
    if (i < 0) return;
    TfrmOptSet dlg(dialog_);
    dlg.EditTimerSet(copies_.timers[static_cast<std::size_t>(i)]);
    if (!RunSetDialog(dialog_, dlg)) return;
    copies_.timers[static_cast<std::size_t>(i)] = dlg.TimerSet();
    RenderTimerRow(lsvTimerSet->topLevelItem(i), i);
    TimerListEdited();
}

void TOptTimerPages::btnTimerDelClick() {
    const int i = SelectedTimerRow();
    if (i < 0) return;
    if (!AskUser(dialog_, QStringLiteral("タイマー設定を削除しようとしています。この作業は元に戻せません。\r\n\r\n"
                                         "削除してもよろしいですか？")))
        return;
    DeleteSlot(copies_.timers, i);
    delete lsvTimerSet->takeTopLevelItem(i);
    lsvTimerSet->clearSelection();
    for (QPushButton* b : {btnTimerDel, btnTimerProp, btnTimerUp, btnTimerDown}) b->setEnabled(false);
    TimerListEdited();
}

void TOptTimerPages::MoveTimerRow(int from, int to) {
    MoveSlot(copies_.timers, from, to);
    const QSignalBlocker quiet(lsvTimerSet);
    QTreeWidgetItem* item = lsvTimerSet->takeTopLevelItem(from);
    lsvTimerSet->insertTopLevelItem(to, item);
    RenderTimerRow(item, to);
    SelectTimerRow(to);
    TimerListEdited();
}

void TOptTimerPages::btnTimerUpClick() {
    const int i = SelectedTimerRow();
    if (i <= 0) return;
    MoveTimerRow(i, i - 1);
}

void TOptTimerPages::btnTimerDownClick() {
    const int i = SelectedTimerRow();
    if (i < 0 || i >= lsvTimerSet->topLevelItemCount() - 1) return;
    MoveTimerRow(i, i + 1);
}

void TOptTimerPages::lsvTimerSetChange() {
    for (QPushButton* b : {btnTimerDel, btnTimerProp, btnTimerUp, btnTimerDown}) b->setEnabled(true);
}

void TOptTimerPages::lsvTimerSetDragOver(QPoint pos) {
    const int h = lsvTimerSet->viewport()->height();
    scrollDirection_ = pos.y() <= kTopScrollBand ? -1 : pos.y() >= h - kBottomScrollBand ? 1 : 0;
    if (scrollDirection_ == 0)
        tmrSrt->stop();
    else if (!tmrSrt->isActive())
        tmrSrt->start();
}

void TOptTimerPages::tmrSrtTimer() {
    QScrollBar* bar = lsvTimerSet->verticalScrollBar();
    bar->triggerAction(scrollDirection_ < 0 ? QAbstractSlider::SliderSingleStepSub
                                            : QAbstractSlider::SliderSingleStepAdd);
    lsvTimerSet->viewport()->update();
}

void TOptTimerPages::lsvTimerSetDragDrop(QPoint pos) {
    lsvTimerSetEndDrag();
    QTreeWidgetItem* target = lsvTimerSet->itemAt(pos);
    const int s = SelectedTimerRow();
    if (!target || s < 0) return;
    const int t = lsvTimerSet->indexOfTopLevelItem(target);
    if (t == s) return;
    MoveTimerRow(s, t);
}

void TOptTimerPages::lsvTimerSetEndDrag() {
    tmrSrt->stop();
    scrollDirection_ = 0;
}

// ---- Alarm sets and the cells' assignments ----

int TOptTimerPages::SelectedAlarmRow() const {
    const auto selected = lsvAlarmSet->selectedItems();
    return selected.isEmpty() ? -1 : lsvAlarmSet->indexOfTopLevelItem(selected.constFirst());
}

void TOptTimerPages::RenderAlarmRow(QTreeWidgetItem* item, int slot) {
    const AlarmSetRowText row = AlarmSetRow(copies_.alarms[static_cast<std::size_t>(slot)]);
    item->setIcon(0, DialogIconPicture(kIconAlarm));
    item->setText(0, row.name);
    for (int k = 0; k < 3; ++k) item->setText(1 + k, row.divisions[static_cast<std::size_t>(k)]);
}

void TOptTimerPages::RebuildAlarmChoices() {
    const QSignalBlocker quiet(cmbAlarmTimer);
    cmbAlarmTimer->clear();
    cmbAlarmTimer->addItems(AlarmChoices(copies_.alarms));
    const int cell = SelectedCell();
    if (cell >= 0) cmbAlarmTimer->setCurrentIndex(copies_.alarmOfCell[static_cast<std::size_t>(cell)]);
}

void TOptTimerPages::RefreshCellAlarmTexts() {
    const QStringList choices = AlarmChoices(copies_.alarms);
    for (int cell = 0; cell < kTimerCellCount; ++cell)
        lsvAlmTime->topLevelItem(cell)->setText(
            1, CellAlarmText(choices, copies_.alarmOfCell[static_cast<std::size_t>(cell)]));
}

void TOptTimerPages::btnSoundNewClick() {
    const int n = lsvAlarmSet->topLevelItemCount();
    if (n >= kMaxAlarmSets) {
        InformUser(dialog_, QStringLiteral("アラームセットは20個あります。\r\n\r\nこれ以上アラームセットを作成できません。"));
        return;
    }
    TfrmOptSet dlg(dialog_);
    TAlarmSet fresh;
    fresh.Name = QStringLiteral("新しいアラームセット");
    dlg.EditAlarmSet(fresh);
    if (!RunSetDialog(dialog_, dlg)) return;
    copies_.alarms[static_cast<std::size_t>(n)] = dlg.AlarmSet();
    auto* item = new QTreeWidgetItem(lsvAlarmSet);
    RenderAlarmRow(item, n);
    RebuildAlarmChoices();
    lsvAlarmSet->setCurrentItem(item);
    item->setSelected(true);
    lsvAlarmSet->setFocus();
    lsvAlarmSet->scrollToItem(item);
    Edited();
}

void TOptTimerPages::btnSoundPropClick() {
    const int i = SelectedAlarmRow();
    if (i < 0) return;
    TfrmOptSet dlg(dialog_);
    dlg.EditAlarmSet(copies_.alarms[static_cast<std::size_t>(i)]);
    if (!RunSetDialog(dialog_, dlg)) return;
    copies_.alarms[static_cast<std::size_t>(i)] = dlg.AlarmSet();
    RenderAlarmRow(lsvAlarmSet->topLevelItem(i), i);
    RebuildAlarmChoices();
    RefreshCellAlarmTexts();
    Edited();
}

void TOptTimerPages::btnSoundDelClick() {
    const int i = SelectedAlarmRow();
    if (i < 0) return;
    if (!AskUser(dialog_, QStringLiteral("アラーム設定を削除しようとしています。この作業は元に戻せません。\r\n\r\n"
                                         "削除してもよろしいですか？")))
        return;
    DeleteSlot(copies_.alarms, i);
    delete lsvAlarmSet->takeTopLevelItem(i);
    lsvAlarmSet->clearSelection();
    for (QPushButton* b : {btnSoundDel, btnSoundProp}) b->setEnabled(false);
    RenumberAfterAlarmDelete(copies_.alarmOfCell, i);
    RebuildAlarmChoices();
    RefreshCellAlarmTexts();
    Edited();
}

void TOptTimerPages::lsvAlarmSetChange() {
    for (QPushButton* b : {btnSoundDel, btnSoundProp}) b->setEnabled(true);
}

int TOptTimerPages::SelectedCell() const {
    const auto selected = lsvAlmTime->selectedItems();
    return selected.isEmpty() ? -1 : selected.constFirst()->data(0, Qt::UserRole).toInt();
}

void TOptTimerPages::lsvAlmTimeChange() {
    const int cell = SelectedCell();
    if (cell >= 0) {
        const QSignalBlocker quiet(cmbAlarmTimer);
        cmbAlarmTimer->setCurrentIndex(copies_.alarmOfCell[static_cast<std::size_t>(cell)]);
    }
    PlaceAlarmChoice();
}

void TOptTimerPages::cmbAlarmTimerChange(int index) {
    const int cell = SelectedCell();
    if (cell < 0 || index < 0) return;
    copies_.alarmOfCell[static_cast<std::size_t>(cell)] = index;
    lsvAlmTime->topLevelItem(cell)->setText(1, cmbAlarmTimer->itemText(index));
    Edited();
}

bool TOptTimerPages::InAlarmChoice(const QWidget* w) const {
    if (!w) return false;
    if (w == cmbAlarmTimer || cmbAlarmTimer->isAncestorOf(w)) return true;
    // The open drop-down list lives in a popup window of its own.
    const QWidget* popup = cmbAlarmTimer->view() ? cmbAlarmTimer->view()->window() : nullptr;
    return popup && popup != cmbAlarmTimer->window() && w->window() == popup;
}

void TOptTimerPages::PlaceAlarmChoice() {
    const int cell = SelectedCell();
    if (cell < 0) {
        cmbAlarmTimer->hide();
        return;
    }
    const QRect row = lsvAlmTime->visualItemRect(lsvAlmTime->topLevelItem(cell));
    const int nameWidth = lsvAlmTime->columnWidth(0);
    const QPoint at = lsvAlmTime->viewport()->mapTo(tstAlarm_, QPoint(row.left() + nameWidth, row.top()));
    cmbAlarmTimer->setGeometry(at.x(), at.y(), lsvAlmTime->viewport()->width() - nameWidth - row.left(),
                               row.height());
    const bool inside = row.top() >= 0 && row.bottom() < lsvAlmTime->viewport()->height();
    QWidget* focus = QApplication::focusWidget();
    const bool choiceFocused = InAlarmChoice(focus);
    const bool focused = focus == lsvAlmTime || choiceFocused;
    if (!inside && choiceFocused) {
        // Scrolled out of sight while it had the focus: the list holds the focus
        // meanwhile, and the drop-down takes it back when its row returns.
        choiceHadFocus_ = true;
        lsvAlmTime->setFocus();
    }
    const bool show = inside && focused;
    if (show) cmbAlarmTimer->raise();
    cmbAlarmTimer->setVisible(show);
    if (show && choiceHadFocus_) {
        choiceHadFocus_ = false;
        cmbAlarmTimer->setFocus();
    }
}

bool TOptTimerPages::eventFilter(QObject* watched, QEvent* event) {
    // Compared by address only: the lists may be half destroyed when their last events arrive.
    if (watched == cellViewport_) {
        if (event->type() == QEvent::MouseButtonPress) {
            // A press anywhere on a row's height picks that row, as on its name.
            const auto* me = static_cast<QMouseEvent*>(event);
            QTreeWidgetItem* item = lsvAlmTime->itemAt(QPoint(10, me->position().toPoint().y()));
            if (item) {
                lsvAlmTime->setCurrentItem(item);
                item->setSelected(true);
                lsvAlmTime->setFocus();
                PlaceAlarmChoice();
                return true;
            }
        } else if (event->type() == QEvent::Resize) {
            QTimer::singleShot(0, this, &TOptTimerPages::PlaceAlarmChoice);
        }
        return false;
    }
    return QObject::eventFilter(watched, event);
}

}  // namespace norvane
