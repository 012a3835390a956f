#include "gui/timers/set_dialog.h"

#include <QComboBox>
#include <QEvent>
#include <QFileDialog>
#include <QFileInfo>
#include <QGroupBox>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTreeWidget>

#include "core/timers/timer_set_editing.h"
#include "gui/art/dialog_pictures.h"
#include "gui/controls/up_down.h"
#include "gui/main_window/app_style.h"
#include "gui/timers/sound_notice.h"
#include "platform/sound.h"
#include "platform_gui/ui_font.h"

namespace norvane {
namespace {

QLabel* MakeLabel(const QString& text, QWidget* parent, const char* name, QRect g) {
    auto* l = new QLabel(text, parent);
    l->setObjectName(QLatin1String(name));
    l->setGeometry(g);
    return l;
}

QLineEdit* MakeNumberEdit(QWidget* parent, const char* name, QRect g, int maxLength, QObject* keyFilter) {
    auto* e = new QLineEdit(parent);
    e->setObjectName(QLatin1String(name));
    e->setGeometry(g);
    e->setMaxLength(maxLength);
    e->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    // Keys are judged one by one; an input method would go around that.
    e->setAttribute(Qt::WA_InputMethodEnabled, false);
    e->installEventFilter(keyFilter);
    return e;
}

TUpDown* MakeSpin(QWidget* parent, const char* name, QLineEdit* edit, int max) {
    auto* u = new TUpDown(parent);
    u->setObjectName(QLatin1String(name));
    u->SetRange(0, max);
    u->SetAssociate(edit);
    return u;
}

// The edit's text as its number, rewritten in place when it said anything else.
int NormaliseEdit(QLineEdit* edit, TUpDown* spin, int emptyValue, int max) {
    const int v = NormalisedEditValue(edit->text(), emptyValue, max);
    const QString text = QString::number(v);
    if (edit->text() != text) edit->setText(text);
    spin->SetPosition(v);
    return v;
}

void SetEnabled(std::initializer_list<QWidget*> widgets, bool enabled) {
    for (QWidget* w : widgets) w->setEnabled(enabled);
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
    FixedDialogFrame(this, 340, 300);

    BuildTimerPage();
    BuildAlarmPage();

    btnOk = new QPushButton(QStringLiteral("OK"), this);
    btnOk->setObjectName("btnOk");
    btnOk->setGeometry(96, 268, 75, 23);
    btnOk->setDefault(true);
    connect(btnOk, &QPushButton::clicked, this, [this] { done(1); });
    btnCancel = new QPushButton(QStringLiteral("キャンセル"), this);
    btnCancel->setObjectName("btnCancel");
    btnCancel->setGeometry(177, 268, 75, 23);
    btnCancel->setAutoDefault(false);
    connect(btnCancel, &QPushButton::clicked, this, &QDialog::reject);
    btnHelp = new QPushButton(QStringLiteral("ヘルプ(&H)"), this);
    btnHelp->setObjectName("btnHelp");
    btnHelp->setGeometry(258, 268, 75, 23);
    btnHelp->setAutoDefault(false);
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
    tstTimerSet = new QWidget(this);
    tstTimerSet->setObjectName("tstTimerSet");
    tstTimerSet->setGeometry(0, 0, 340, 260);

    auto* lblName = MakeLabel(QStringLiteral("タイマーセット名(&N) :"), tstTimerSet, "lblTimName", {12, 14, 124, 14});
    edtTimName = new QLineEdit(tstTimerSet);
    edtTimName->setObjectName("edtTimName");
    edtTimName->setGeometry(138, 10, 190, 21);
    lblName->setBuddy(edtTimName);

    auto* lblOption = MakeLabel(QStringLiteral("オプション(&O) :"), tstTimerSet, "lblTimOption", {12, 42, 124, 14});
    cmbTimOption = new QComboBox(tstTimerSet);
    cmbTimOption->setObjectName("cmbTimOption");
    cmbTimOption->setGeometry(138, 38, 140, 22);
    cmbTimOption->addItem(DialogIconPicture(kIconCountdown), QStringLiteral("カウントダウン"));
    cmbTimOption->addItem(DialogIconPicture(kIconStopwatch), QStringLiteral("ストップウォッチ"));
    cmbTimOption->addItem(DialogIconPicture(kIconChain), QStringLiteral("チェーン管理"));
    lblOption->setBuddy(cmbTimOption);
    connect(cmbTimOption, &QComboBox::currentIndexChanged, this, &TfrmOptSet::cmbTimOptionChange);

    lblTimCount = MakeLabel(QStringLiteral("時間(&T) :"), tstTimerSet, "lblTimCount", {12, 70, 124, 14});
    edtTimCount = MakeNumberEdit(tstTimerSet, "edtTimCount", {138, 66, 60, 21}, 5, this);
    updTimCount = MakeSpin(tstTimerSet, "updTimCount", edtTimCount, kTimerValueMax);
    lblTimCount->setBuddy(edtTimCount);
    lblTimCountUnit = MakeLabel(QStringLiteral("秒"), tstTimerSet, "lblTimCountUnit", {220, 70, 40, 14});
    connect(edtTimCount, &QLineEdit::textChanged, this, &TfrmOptSet::edtTimCountChange);

    gbxTimEvent = new QGroupBox(QStringLiteral("カウントダウン イベント"), tstTimerSet);
    gbxTimEvent->setObjectName("gbxTimEvent");
    gbxTimEvent->setGeometry(8, 98, 324, 158);
    trvTimEvent = BuildEventTree(gbxTimEvent, "trvTimEvent", kIconCountdown);
    trvTimEvent->setGeometry(12, 22, 150, 124);
    connect(trvTimEvent, &QTreeWidget::itemSelectionChanged, this, &TfrmOptSet::trvTimEventChange);
    connect(trvTimEvent, &QTreeWidget::currentItemChanged, this, &TfrmOptSet::trvTimEventChange);
    edtTimEvent = MakeNumberEdit(gbxTimEvent, "edtTimEvent", {172, 22, 52, 21}, 4, this);
    updTimEvent = MakeSpin(gbxTimEvent, "updTimEvent", edtTimEvent, kSecondsMax);
    lblTimEvent = MakeLabel(QStringLiteral("秒に区切りを設定(&A)"), gbxTimEvent, "lblTimEvent", {172, 48, 146, 14});
    lblTimEvent->setBuddy(edtTimEvent);
    connect(edtTimEvent, &QLineEdit::textChanged, this, &TfrmOptSet::edtTimEventChange);
    trvTimEventChange();
}

void TfrmOptSet::BuildAlarmPage() {
    tstAlarmSet = new QWidget(this);
    tstAlarmSet->setObjectName("tstAlarmSet");
    tstAlarmSet->setGeometry(0, 0, 340, 260);

    auto* lblName = MakeLabel(QStringLiteral("アラームセット名(&N) :"), tstAlarmSet, "lblSecName", {12, 14, 124, 14});
    edtSecName = new QLineEdit(tstAlarmSet);
    edtSecName->setObjectName("edtSecName");
    edtSecName->setGeometry(138, 10, 190, 21);
    lblName->setBuddy(edtSecName);

    auto* group = new QGroupBox(QStringLiteral("アラーム"), tstAlarmSet);
    group->setObjectName("gbxSecEvent");
    group->setGeometry(8, 40, 324, 216);
    lblSecEvent = MakeLabel(QStringLiteral("イベント(&I) :"), group, "lblSecEvent", {12, 20, 130, 14});
    lsvSecEvent = BuildEventTree(group, "lsvSecEvent", kIconAlarm);
    lsvSecEvent->setGeometry(12, 36, 150, 110);
    lblSecEvent->setBuddy(lsvSecEvent);
    connect(lsvSecEvent, &QTreeWidget::itemSelectionChanged, this, &TfrmOptSet::lsvSecEventChange);
    connect(lsvSecEvent, &QTreeWidget::currentItemChanged, this, &TfrmOptSet::lsvSecEventChange);

    edtSecSec = MakeNumberEdit(group, "edtSecSec", {172, 36, 52, 21}, 4, this);
    updSecSec = MakeSpin(group, "updSecSec", edtSecSec, kSecondsMax);
    lblSecSec = MakeLabel(QStringLiteral("秒に音を鳴らす(&A)"), group, "lblSecSec", {172, 62, 146, 14});
    lblSecSec->setBuddy(edtSecSec);
    connect(edtSecSec, &QLineEdit::textChanged, this, &TfrmOptSet::edtSecSecChange);

    lblSecFile = MakeLabel(QStringLiteral("サウンドファイル(&F) :"), group, "lblSecFile", {12, 156, 200, 14});
    cmbSecFile = new QComboBox(group);
    cmbSecFile->setObjectName("cmbSecFile");
    cmbSecFile->setEditable(true);
    cmbSecFile->setInsertPolicy(QComboBox::NoInsert);
    cmbSecFile->setGeometry(12, 174, 236, 22);
    lblSecFile->setBuddy(cmbSecFile);
    connect(cmbSecFile, &QComboBox::editTextChanged, this, &TfrmOptSet::cmbSecFileChange);

    btnSecPlay = new QPushButton(QStringLiteral("♪"), group);
    btnSecPlay->setObjectName("btnSecPlay");
    btnSecPlay->setGeometry(252, 173, 30, 24);
    btnSecPlay->setAutoDefault(false);
    connect(btnSecPlay, &QPushButton::clicked, this, &TfrmOptSet::btnSecPlayClick);
    btnSecBrow = new QPushButton(QStringLiteral("..."), group);
    btnSecBrow->setObjectName("btnSecBrow");
    btnSecBrow->setGeometry(286, 173, 30, 24);
    btnSecBrow->setAutoDefault(false);
    connect(btnSecBrow, &QPushButton::clicked, this, &TfrmOptSet::btnSecBrowClick);
    lsvSecEventChange();
}

void TfrmOptSet::EditTimerSet(const TTimerSet& set) {
    setWindowTitle(QStringLiteral("タイマーセットのプロパティ"));
    tstAlarmSet->hide();
    tstTimerSet->show();
    edtTimName->setText(set.Name);
    divisions_ = set.Section;
    // The spin holds a 16-bit position.
    updTimCount->SetPosition(static_cast<qint16>(set.Value));
    edtTimCount->setText(QString::number(updTimCount->Position()));
    cmbTimOption->setCurrentIndex(KindPosition(set.Kind));
    cmbTimOptionChange();
    trvTimEvent->setCurrentItem(nullptr);
    trvTimEvent->clearSelection();
    trvTimEventChange();
    edtTimName->setFocus();
}

TTimerSet TfrmOptSet::TimerSet() const {
    return TimerSetFromEditor(edtTimName->text(), cmbTimOption->currentIndex(), updTimCount->Position(), divisions_);
}

void TfrmOptSet::EditAlarmSet(const TAlarmSet& set) {
    setWindowTitle(QStringLiteral("アラームセットのプロパティ"));
    tstTimerSet->hide();
    tstAlarmSet->show();
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
    for (QWidget* w : std::initializer_list<QWidget*>{lblTimCount, edtTimCount, updTimCount, lblTimCountUnit, gbxTimEvent})
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
    SetEnabled({edtTimEvent, updTimEvent, lblTimEvent}, k >= 0);
    filling_ = true;
    edtTimEvent->setText(QString::number(k >= 0 ? divisions_[static_cast<std::size_t>(k)] : 0));
    updTimEvent->FollowText();
    filling_ = false;
}

void TfrmOptSet::edtTimEventChange() {
    const int v = NormaliseEdit(edtTimEvent, updTimEvent, 0, kSecondsMax);
    const int k = SelectedDivision(trvTimEvent);
    if (!filling_ && k >= 0) divisions_[static_cast<std::size_t>(k)] = v;
}

void TfrmOptSet::edtTimCountChange() { NormaliseEdit(edtTimCount, updTimCount, 0, kTimerValueMax); }

void TfrmOptSet::lsvSecEventChange() {
    const int k = SelectedDivision(lsvSecEvent);
    SetEnabled({edtSecSec, updSecSec, lblSecSec, lblSecFile, cmbSecFile, btnSecPlay, btnSecBrow}, k >= 0);
    filling_ = true;
    if (k < 0) {
        edtSecSec->setText(QStringLiteral("0"));
        updSecSec->FollowText();
        cmbSecFile->clear();
        cmbSecFile->setEditText(QString());
        filling_ = false;
        return;
    }
    const TSectionSet& s = sections_[static_cast<std::size_t>(k)];
    edtSecSec->setText(QString::number(s.Second));
    updSecSec->FollowText();
    const SoundPick pick = SoundPickForSection(s, defaultSoundFolder_);
    soundFolder_ = pick.folder;
    RefillSoundFiles(pick.text);
    filling_ = false;
}

void TfrmOptSet::edtSecSecChange() {
    const int v = NormaliseEdit(edtSecSec, updSecSec, kAlarmSecondsWhenEmpty, kSecondsMax);
    const int k = SelectedDivision(lsvSecEvent);
    if (!filling_ && k >= 0) sections_[static_cast<std::size_t>(k)].Second = v;
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

bool TfrmOptSet::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress &&
        (watched == edtTimCount || watched == edtTimEvent || watched == edtSecSec)) {
        // Only typed characters are judged: editing keys and shortcuts carry no printable text.
        const QString text = static_cast<QKeyEvent*>(event)->text();
        for (const QChar c : text)
            if (c.isPrint() && !IsNumberEditKey(c)) return true;
    }
    return QDialog::eventFilter(watched, event);
}

}  // namespace norvane
