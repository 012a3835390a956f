#include "gui/timers/set_dialog.h"

#include <QComboBox>
#include <QEvent>
#include <QFileDialog>
#include <QFileInfo>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "core/timers/timer_set_editing.h"
#include "gui/art/dialog_pictures.h"
#include "gui/controls/number_spin.h"
#include "gui/main_window/app_style.h"
#include "gui/settings/dialog_metrics.h"
#include "gui/timers/sound_notice.h"
#include "platform/sound.h"
#include "platform_gui/ui_font.h"

namespace norvane {
namespace {

constexpr QSize kClientSize{340, 300};
constexpr int kLabelColumn = 124;   // the names of the fields at the top
constexpr int kNameWidth = 190;
constexpr int kKindWidth = 140;
constexpr int kValueWidth = 60;
constexpr int kSecondsWidth = 52;
constexpr QSize kTimerTree{150, 124};
constexpr QSize kAlarmTree{150, 110};
constexpr int kTreeGap = 10;        // a tree to the seconds beside it
constexpr QSize kSmallButton{30, kToolButtonHeight};

QLabel* MakeLabel(const QString& text, const char* name) {
    auto* l = new QLabel(text);
    l->setObjectName(QLatin1String(name));
    return l;
}

// A number with its arrows: whatever the edit is given reads as a number from 0
// to `max`, `emptyValue` when it says none.
TNumberSpin* MakeSpin(const char* spinName, const char* editName, int editWidth, int maxLength, int max,
                      int emptyValue) {
    auto* s = new TNumberSpin(0, max, maxLength, [emptyValue, max](const QString& text) {
        return NormalisedEditValue(text, emptyValue, max);
    });
    s->setObjectName(QLatin1String(spinName));
    s->lineEdit()->setObjectName(QLatin1String(editName));
    s->setFixedWidth(editWidth + kSpinArrowsWidth);
    // As tall as the dialog's edit boxes: its frame leaves the text the same room as theirs.
    const QLineEdit box;
    s->setFixedHeight(std::max(kEditHeight, box.minimumSizeHint().height()));
    // Keys are judged one by one; an input method would go around that.
    for (QWidget* w : {static_cast<QWidget*>(s), static_cast<QWidget*>(s->lineEdit())})
        w->setAttribute(Qt::WA_InputMethodEnabled, false);
    return s;
}

// The seconds beside an event list: the spin, its caption below.
QVBoxLayout* SecondsColumn(TNumberSpin* spin, QLabel* caption) {
    auto* column = new QVBoxLayout;
    column->setSpacing(kFieldGap + 1);
    column->addWidget(spin, 0, Qt::AlignLeft);
    column->addWidget(caption);
    column->addStretch(1);
    return column;
}

void SetEnabled(std::initializer_list<QWidget*> widgets, bool enabled) {
    for (QWidget* w : widgets) w->setEnabled(enabled);
}

// The name row at the top of either page.
QGridLayout* FieldGrid(QVBoxLayout* page) {
    auto* grid = new QGridLayout;
    grid->setContentsMargins(kFieldGap, 0, kFieldGap, 0);
    grid->setHorizontalSpacing(2);
    grid->setVerticalSpacing(kRowGap);
    grid->setColumnMinimumWidth(0, kLabelColumn);
    grid->setColumnStretch(1, 1);
    page->addLayout(grid);
    return grid;
}

void AddField(QGridLayout* grid, QLabel* label, QWidget* field, QLayout* fieldRow = nullptr) {
    const int row = grid->rowCount() == 1 && !grid->itemAtPosition(0, 0) ? 0 : grid->rowCount();
    grid->setRowMinimumHeight(row, kComboHeight);
    grid->addWidget(label, row, 0, Qt::AlignVCenter);
    if (fieldRow)
        grid->addLayout(fieldRow, row, 1, Qt::AlignVCenter);
    else
        grid->addWidget(field, row, 1, Qt::AlignVCenter);
}

QVBoxLayout* PageLayout(QWidget* page) {
    auto* l = new QVBoxLayout(page);
    l->setContentsMargins(kDialogMargin, kFieldGap + kRowGap, kDialogMargin, kFieldGap);
    l->setSpacing(kDialogMargin);
    return l;
}

}  // namespace

TfrmOptSet::TfrmOptSet(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint),
      defaultSoundFolder_(DesktopSoundFolder()) {
    setObjectName("frmOptSet");
    setWindowTitle(QStringLiteral("アラームセットのプロパティ"));
    QFont face = UiFont(12);
    if (parent) face.setFamily(parent->font().family());
    setFont(face);

    BuildTimerPage();
    BuildAlarmPage();

    btnOk = new QPushButton(QStringLiteral("OK"));
    btnOk->setObjectName("btnOk");
    btnOk->setDefault(true);
    connect(btnOk, &QPushButton::clicked, this, [this] { done(1); });
    btnCancel = new QPushButton(QStringLiteral("キャンセル"));
    btnCancel->setObjectName("btnCancel");
    btnCancel->setAutoDefault(false);
    connect(btnCancel, &QPushButton::clicked, this, &QDialog::reject);
    btnHelp = new QPushButton(QStringLiteral("ヘルプ(&H)"));
    btnHelp->setObjectName("btnHelp");
    btnHelp->setAutoDefault(false);
    for (QPushButton* b : {btnOk, btnCancel, btnHelp}) FitButton(b);

    // Only one page shows at a time: the dialog takes the size of the one shown.
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, kDialogMargin + 1);
    layout->setSpacing(kDialogMargin);
    layout->addWidget(tstTimerSet, 1);
    layout->addWidget(tstAlarmSet, 1);
    QHBoxLayout* buttons = ButtonRow({btnOk, btnCancel, btnHelp});
    buttons->setContentsMargins(0, 0, kDialogMargin - 1, 0);
    layout->addLayout(buttons);
    tstTimerSet->hide();
    FixToLayout(this, kClientSize);
}

QTreeWidget* TfrmOptSet::BuildEventTree(QWidget* parent, const char* name, int childIcon) {
    auto* tree = new QTreeWidget(parent);
    tree->setObjectName(QLatin1String(name));
    tree->setHeaderHidden(true);
    tree->setColumnCount(1);
    tree->setIconSize(QSize(16, 16));
    auto* root = new QTreeWidgetItem(tree, {QStringLiteral("イベント")});
    root->setData(0, Qt::UserRole, -1);
    root->setIcon(0, DialogIconPicture(kIconCollapsed));
    for (int k = 0; k < 3; ++k) {
        auto* child = new QTreeWidgetItem(root, {QStringLiteral("区切 %1").arg(k + 1)});
        child->setData(0, Qt::UserRole, k);
        child->setIcon(0, DialogIconPicture(childIcon));
    }
    // Only the root opens and closes; the tree also reports its leaves when expanding all.
    QObject::connect(tree, &QTreeWidget::itemExpanded, tree, [](QTreeWidgetItem* item) {
        if (item->childCount() > 0) item->setIcon(0, DialogIconPicture(kIconExpanded));
    });
    QObject::connect(tree, &QTreeWidget::itemCollapsed, tree, [](QTreeWidgetItem* item) {
        if (item->childCount() > 0) item->setIcon(0, DialogIconPicture(kIconCollapsed));
    });
    tree->expandAll();
    tree->scrollToTop();
    return tree;
}

int TfrmOptSet::SelectedDivision(const QTreeWidget* tree) {
    const QTreeWidgetItem* item = tree->currentItem();
    if (!item || !item->isSelected()) return -1;
    return item->data(0, Qt::UserRole).toInt();
}

void TfrmOptSet::BuildTimerPage() {
    tstTimerSet = new QWidget;
    tstTimerSet->setObjectName("tstTimerSet");
    QVBoxLayout* page = PageLayout(tstTimerSet);
    QGridLayout* fields = FieldGrid(page);

    auto* lblName = MakeLabel(QStringLiteral("タイマーセット名(&N) :"), "lblTimName");
    edtTimName = new QLineEdit;
    edtTimName->setObjectName("edtTimName");
    edtTimName->setMinimumWidth(kNameWidth);
    FitHeight(edtTimName, kEditHeight);
    lblName->setBuddy(edtTimName);
    AddField(fields, lblName, edtTimName);

    auto* lblOption = MakeLabel(QStringLiteral("オプション(&O) :"), "lblTimOption");
    cmbTimOption = new QComboBox;
    cmbTimOption->setObjectName("cmbTimOption");
    FitHeight(cmbTimOption, kComboHeight);
    cmbTimOption->addItem(DialogIconPicture(kIconCountdown), QStringLiteral("カウントダウン"));
    cmbTimOption->addItem(DialogIconPicture(kIconStopwatch), QStringLiteral("ストップウォッチ"));
    cmbTimOption->addItem(DialogIconPicture(kIconChain), QStringLiteral("チェーン管理"));
    cmbTimOption->setFixedWidth(std::max(kKindWidth, cmbTimOption->sizeHint().width()));
    lblOption->setBuddy(cmbTimOption);
    AddField(fields, lblOption, cmbTimOption);
    connect(cmbTimOption, &QComboBox::currentIndexChanged, this, &TfrmOptSet::cmbTimOptionChange);

    lblTimCount = MakeLabel(QStringLiteral("時間(&T) :"), "lblTimCount");
    updTimCount = MakeSpin("updTimCount", "edtTimCount", kValueWidth, 5, kTimerValueMax, 0);
    lblTimCount->setBuddy(updTimCount);
    lblTimCountUnit = MakeLabel(QStringLiteral("秒"), "lblTimCountUnit");
    auto* count = new QHBoxLayout;
    count->setSpacing(0);
    count->addWidget(updTimCount);
    count->addSpacing(kRowGap);
    count->addWidget(lblTimCountUnit);
    count->addStretch(1);
    AddField(fields, lblTimCount, nullptr, count);

    gbxTimEvent = new QGroupBox(QStringLiteral("カウントダウン イベント"));
    gbxTimEvent->setObjectName("gbxTimEvent");
    trvTimEvent = BuildEventTree(gbxTimEvent, "trvTimEvent", kIconCountdown);
    trvTimEvent->setFixedWidth(kTimerTree.width());
    trvTimEvent->setMinimumHeight(kTimerTree.height());
    connect(trvTimEvent, &QTreeWidget::itemSelectionChanged, this, &TfrmOptSet::trvTimEventChange);
    connect(trvTimEvent, &QTreeWidget::currentItemChanged, this, &TfrmOptSet::trvTimEventChange);
    updTimEvent = MakeSpin("updTimEvent", "edtTimEvent", kSecondsWidth, 4, kSecondsMax, 0);
    lblTimEvent = MakeLabel(QStringLiteral("秒に区切りを設定(&A)"), "lblTimEvent");
    lblTimEvent->setBuddy(updTimEvent);
    connect(updTimEvent, &QSpinBox::valueChanged, this, &TfrmOptSet::edtTimEventChange);
    QVBoxLayout* seconds = SecondsColumn(updTimEvent, lblTimEvent);
    auto* group = new QHBoxLayout(gbxTimEvent);
    group->setContentsMargins(kGroupInset, kFieldGap, kRowGap, kGroupInset - 3);
    group->setSpacing(kTreeGap);
    group->addWidget(trvTimEvent);
    group->addLayout(seconds, 1);
    page->addSpacing(kFieldGap - 2);
    page->addWidget(gbxTimEvent, 1);
    trvTimEventChange();
}

void TfrmOptSet::BuildAlarmPage() {
    tstAlarmSet = new QWidget;
    tstAlarmSet->setObjectName("tstAlarmSet");
    QVBoxLayout* page = PageLayout(tstAlarmSet);
    QGridLayout* fields = FieldGrid(page);

    auto* lblName = MakeLabel(QStringLiteral("アラームセット名(&N) :"), "lblSecName");
    edtSecName = new QLineEdit;
    edtSecName->setObjectName("edtSecName");
    edtSecName->setMinimumWidth(kNameWidth);
    FitHeight(edtSecName, kEditHeight);
    lblName->setBuddy(edtSecName);
    AddField(fields, lblName, edtSecName);

    auto* group = new QGroupBox(QStringLiteral("アラーム"));
    group->setObjectName("gbxSecEvent");
    lblSecEvent = MakeLabel(QStringLiteral("イベント(&I) :"), "lblSecEvent");
    lsvSecEvent = BuildEventTree(group, "lsvSecEvent", kIconAlarm);
    lsvSecEvent->setFixedWidth(kAlarmTree.width());
    lsvSecEvent->setMinimumHeight(kAlarmTree.height());
    lblSecEvent->setBuddy(lsvSecEvent);
    connect(lsvSecEvent, &QTreeWidget::itemSelectionChanged, this, &TfrmOptSet::lsvSecEventChange);
    connect(lsvSecEvent, &QTreeWidget::currentItemChanged, this, &TfrmOptSet::lsvSecEventChange);

    updSecSec = MakeSpin("updSecSec", "edtSecSec", kSecondsWidth, 4, kSecondsMax, kAlarmSecondsWhenEmpty);
    lblSecSec = MakeLabel(QStringLiteral("秒に音を鳴らす(&A)"), "lblSecSec");
    lblSecSec->setBuddy(updSecSec);
    connect(updSecSec, &QSpinBox::valueChanged, this, &TfrmOptSet::edtSecSecChange);

    lblSecFile = MakeLabel(QStringLiteral("サウンドファイル(&F) :"), "lblSecFile");
    cmbSecFile = new QComboBox;
    cmbSecFile->setObjectName("cmbSecFile");
    cmbSecFile->setEditable(true);
    cmbSecFile->setInsertPolicy(QComboBox::NoInsert);
    FitHeight(cmbSecFile, kComboHeight);
    lblSecFile->setBuddy(cmbSecFile);
    connect(cmbSecFile, &QComboBox::editTextChanged, this, &TfrmOptSet::cmbSecFileChange);

    btnSecPlay = new QPushButton(QStringLiteral("♪"));
    btnSecPlay->setObjectName("btnSecPlay");
    btnSecPlay->setAutoDefault(false);
    connect(btnSecPlay, &QPushButton::clicked, this, &TfrmOptSet::btnSecPlayClick);
    btnSecBrow = new QPushButton(QStringLiteral("..."));
    btnSecBrow->setObjectName("btnSecBrow");
    btnSecBrow->setAutoDefault(false);
    connect(btnSecBrow, &QPushButton::clicked, this, &TfrmOptSet::btnSecBrowClick);
    for (QPushButton* b : {btnSecPlay, btnSecBrow}) FitButton(b, kSmallButton);

    QVBoxLayout* seconds = SecondsColumn(updSecSec, lblSecSec);
    auto* events = new QHBoxLayout;
    events->setSpacing(kTreeGap);
    events->addWidget(lsvSecEvent);
    events->addLayout(seconds, 1);
    auto* file = new QHBoxLayout;
    file->setSpacing(kFieldGap);
    file->addWidget(cmbSecFile, 1);
    file->addWidget(btnSecPlay);
    file->addWidget(btnSecBrow);
    auto* inside = new QVBoxLayout(group);
    inside->setContentsMargins(kGroupInset, kFieldGap, kDialogMargin, kGroupInset + 3);
    inside->setSpacing(kFieldGap);
    inside->addWidget(lblSecEvent);
    inside->addLayout(events, 1);
    inside->addSpacing(kRowGap);
    inside->addWidget(lblSecFile);
    inside->addLayout(file);
    page->addWidget(group, 1);
    lsvSecEventChange();
}

void TfrmOptSet::EditTimerSet(const TTimerSet& set) {
    setWindowTitle(QStringLiteral("タイマーセットのプロパティ"));
    tstAlarmSet->hide();
    tstTimerSet->show();
    FixToLayout(this, kClientSize);
    edtTimName->setText(set.Name);
    divisions_ = set.Section;
    // The spin holds a 16-bit position.
    updTimCount->setValue(static_cast<qint16>(set.Value));
    cmbTimOption->setCurrentIndex(KindPosition(set.Kind));
    cmbTimOptionChange();
    trvTimEvent->setCurrentItem(nullptr);
    trvTimEvent->clearSelection();
    trvTimEventChange();
    edtTimName->setFocus();
}

TTimerSet TfrmOptSet::TimerSet() const {
    return TimerSetFromEditor(edtTimName->text(), cmbTimOption->currentIndex(), updTimCount->value(),
                              divisions_);
}

void TfrmOptSet::EditAlarmSet(const TAlarmSet& set) {
    setWindowTitle(QStringLiteral("アラームセットのプロパティ"));
    tstTimerSet->hide();
    tstAlarmSet->show();
    FixToLayout(this, kClientSize);
    edtSecName->setText(set.Name);
    sections_ = set.Section;
    lsvSecEvent->setCurrentItem(nullptr);
    lsvSecEvent->clearSelection();
    lsvSecEventChange();
    edtSecName->setFocus();
}

TAlarmSet TfrmOptSet::AlarmSet() const {
    TAlarmSet set;
    set.Used = true;
    set.Name = edtSecName->text();
    set.Section = sections_;
    for (auto& s : set.Section) {
        s.Enabled = !s.Filename.isEmpty();
        s.Armed = false;
    }
    return set;
}

void TfrmOptSet::cmbTimOptionChange() {
    const int kind = cmbTimOption->currentIndex();
    const bool shown = kind != 1;
    for (QWidget* w : std::initializer_list<QWidget*>{lblTimCount, updTimCount, lblTimCountUnit, gbxTimEvent})
        w->setVisible(shown);
    if (kind == 2) {
        lblTimCount->setText(QStringLiteral("敵のレベル(&L) :"));
        lblTimCountUnit->setText(QString());
    } else {
        lblTimCount->setText(QStringLiteral("時間(&T) :"));
        lblTimCountUnit->setText(QStringLiteral("秒"));
    }
}

void TfrmOptSet::trvTimEventChange() {
    const int k = SelectedDivision(trvTimEvent);
    SetEnabled({updTimEvent, lblTimEvent}, k >= 0);
    filling_ = true;
    updTimEvent->setValue(k >= 0 ? divisions_[static_cast<std::size_t>(k)] : 0);
    filling_ = false;
}

void TfrmOptSet::edtTimEventChange() {
    const int k = SelectedDivision(trvTimEvent);
    if (!filling_ && k >= 0) divisions_[static_cast<std::size_t>(k)] = updTimEvent->value();
}

void TfrmOptSet::lsvSecEventChange() {
    const int k = SelectedDivision(lsvSecEvent);
    SetEnabled({updSecSec, lblSecSec, lblSecFile, cmbSecFile, btnSecPlay, btnSecBrow}, k >= 0);
    filling_ = true;
    if (k < 0) {
        updSecSec->setValue(0);
        cmbSecFile->clear();
        cmbSecFile->setEditText(QString());
        filling_ = false;
        return;
    }
    const TSectionSet& s = sections_[static_cast<std::size_t>(k)];
    updSecSec->setValue(s.Second);
    const SoundPick pick = SoundPickForSection(s, defaultSoundFolder_);
    soundFolder_ = pick.folder;
    RefillSoundFiles(pick.text);
    filling_ = false;
}

void TfrmOptSet::edtSecSecChange() {
    const int k = SelectedDivision(lsvSecEvent);
    if (!filling_ && k >= 0) sections_[static_cast<std::size_t>(k)].Second = updSecSec->value();
}

void TfrmOptSet::RefillSoundFiles(const QString& text) {
    const bool wasFilling = filling_;
    filling_ = true;
    cmbSecFile->clear();
    cmbSecFile->addItems(SoundFileChoices(soundFolder_));
    if (text.isEmpty())
        cmbSecFile->setCurrentIndex(0);
    else
        cmbSecFile->setEditText(text);
    filling_ = wasFilling;
}

void TfrmOptSet::cmbSecFileChange() {
    const int k = SelectedDivision(lsvSecEvent);
    if (filling_ || k < 0) return;
    const SoundPick pick = SoundPickFromText(soundFolder_, cmbSecFile->currentText());
    soundFolder_ = pick.folder;
    if (pick.refill) RefillSoundFiles(pick.text);
    sections_[static_cast<std::size_t>(k)].Filename = pick.filename;
}

void TfrmOptSet::btnSecPlayClick() {
    const QString path = soundFolder_ + cmbSecFile->currentText();
    if (!QFileInfo(path).isFile()) return;
    soundPlayer().play(path);
    TellIfSoundsUnheard(this, {path});
}

void TfrmOptSet::btnSecBrowClick() {
    if (SelectedDivision(lsvSecEvent) < 0) return;
    QFileDialog dlg(this, QStringLiteral("ファイルの参照 - アラーム サウンド"), soundFolder_,
                    QStringLiteral("サウンド (*.wav)"));
    dlg.setObjectName("dlgSecBrow");
    dlg.setOption(QFileDialog::DontUseNativeDialog);
    dlg.setFileMode(QFileDialog::ExistingFile);
    dlg.setDefaultSuffix(QStringLiteral("wav"));
    if (dlg.exec() == QDialog::Accepted && !dlg.selectedFiles().isEmpty()) {
        const QFileInfo chosen(dlg.selectedFiles().constFirst());
        soundFolder_ = chosen.absolutePath() + QLatin1Char('/');
        RefillSoundFiles(chosen.fileName());
    }
    cmbSecFileChange();
}

}  // namespace norvane
