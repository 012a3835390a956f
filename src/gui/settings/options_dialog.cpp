#include "gui/settings/options_dialog.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QFrame>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTabWidget>
#include <QTimer>
#include <QVBoxLayout>

#include "core/settings/general_options.h"
#include "core/settings/settings_store.h"
#include "core/timers/timer_set_editing.h"
#include "core/timesync/time_server.h"
#include "gui/art/option_pictures.h"
#include "gui/art/pictures.h"
#include "gui/controls/labels.h"
#include "gui/main_window/app_style.h"
#include "gui/main_window/help_viewer.h"
#include "gui/main_window/main_window.h"
#include "gui/main_window/work_area.h"
#include "gui/settings/dialog_metrics.h"
#include "gui/settings/notify_page.h"
#include "gui/settings/proxy_dialog.h"
#include "gui/timers/timer_controller.h"
#include "gui/timers/timer_options.h"
#include "gui/timesync/sync_controller.h"
#include "platform_gui/ui_font.h"

namespace norvane {
namespace {

constexpr QSize kClientSize{470, 412};
// Each page's place in the help file.
constexpr char kHelpTopic[] = "helpTopic";
// The tab control's margin; the buttons below keep the dialog's.
constexpr int kTabMargin = 6;
constexpr int kTabGap = 5;  // the tab control to the buttons
constexpr QSize kTimeSetButton{110, kToolButtonHeight};
constexpr QSize kProxyButton{190, kToolButtonHeight};
constexpr int kServerWidth = 250;
constexpr int kRuleWidth = 400;  // the groups' contents, from the heading to the rule's end
constexpr int kNoteWidth = kRuleWidth - kNoteIconGap - 16;

QLabel* NewLabel(const QString& text) {
    auto* l = new QLabel(text);
    l->setTextFormat(Qt::PlainText);
    return l;
}

QCheckBox* NewCheckBox(const char* name, const QString& text) {
    auto* c = new QCheckBox(text);
    c->setObjectName(QLatin1String(name));
    return c;
}

// Up to `digits` decimal digits; digits of other scripts become ASCII ones as
// they are typed or pasted.
class WheelLinesBox final : public QSpinBox {
public:
    using QSpinBox::QSpinBox;
    QValidator::State validate(QString& input, int& pos) const override {
        input = WithAsciiDigits(input);
        return QSpinBox::validate(input, pos);
    }
};

// A small icon with a note beside it.
QHBoxLayout* NoteRow(const QPixmap& icon, QLabel* note) {
    auto* row = new QHBoxLayout;
    row->setSpacing(kNoteIconGap);
    row->addWidget(NewPictureLabel(icon), 0, Qt::AlignTop);
    row->addWidget(note, 1, Qt::AlignTop);
    return row;
}

}  // namespace

TfrmOpt::TfrmOpt(TfrmMain* owner)
    : QDialog(owner, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint) {
    // The window reads again what it shows of the settings each time they are applied.
    if (owner) connect(this, &TfrmOpt::settingsChanged, owner, &TfrmMain::OptionsApplied);
    setObjectName(QStringLiteral("frmOpt"));
    setWindowTitle(QStringLiteral("オプション - Norvane"));
    setWindowIcon(WindowIcon());
    QFont face = UiFont(12);
    if (owner) face.setFamily(owner->font().family());
    setFont(face);

    pclOpt = new QTabWidget;
    pclOpt->setObjectName(QStringLiteral("pclOpt"));
    // The pages in the order of their tabs; the timer and alarm pages are built
    // together by TOptTimerPages when the settings are loaded.
    const struct {
        QWidget** page;
        const char* name;
        QString caption;
        void (TfrmOpt::*build)(QWidget*);
        const char* helpTopic;  // the help file's place for the page
    } pages[] = {
        {&tstBase, "tstBase", QStringLiteral("全般"), &TfrmOpt::CreateGeneralPage, "options-general"},
        {&tstTimer, "tstTimer", QStringLiteral("タイマー"), nullptr, "options-timer"},
        {&tstAlarm, "tstAlarm", QStringLiteral("アラーム"), nullptr, "options-alarm"},
        {&tstEx, "tstEx", QStringLiteral("高度な設定"), &TfrmOpt::CreateAdvancedPage, "options-advanced"},
    };
    for (const auto& p : pages) {
        *p.page = new QWidget;
        (*p.page)->setObjectName(QLatin1String(p.name));
        (*p.page)->setProperty(kHelpTopic, QLatin1String(p.helpTopic));
        pclOpt->addTab(*p.page, p.caption);
        if (p.build) (this->*p.build)(*p.page);
    }
    notifyPage_ = new TNotifyPage;
    notifyPage_->setProperty(kHelpTopic, QStringLiteral("options-notify"));
    pclOpt->addTab(notifyPage_, QStringLiteral("通知"));
    connect(notifyPage_, &TNotifyPage::changed, this, &TfrmOpt::Changed);

    // OK, Cancel, Apply, Help from left to right, flush with the right edge.
    const auto newButton = [&](const char* name, const QString& text) {
        auto* b = new QPushButton(text);
        b->setObjectName(QLatin1String(name));
        b->setAutoDefault(false);
        return b;
    };
    btnOk = newButton("btnOk", QStringLiteral("OK"));
    btnCancel = newButton("btnCancel", QStringLiteral("キャンセル"));
    btnApp = newButton("btnApp", QStringLiteral("適用(&A)"));
    btnHelp = newButton("btnHelp", QStringLiteral("ヘルプ(&H)"));
    // Enter presses OK wherever the focus is; Esc closes the dialog as Cancel does.
    btnOk->setDefault(true);
    for (QPushButton* b : {btnOk, btnCancel, btnApp, btnHelp}) FitButton(b);
    connect(btnOk, &QPushButton::clicked, this, &TfrmOpt::btnOkClick);
    connect(btnCancel, &QPushButton::clicked, this, &TfrmOpt::btnCancelClick);
    connect(btnHelp, &QPushButton::clicked, this, &TfrmOpt::btnHelpClick);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(kTabMargin, kTabMargin, kTabMargin, kDialogMargin);
    layout->setSpacing(kTabGap);
    layout->addWidget(pclOpt, 1);
    QHBoxLayout* buttons = ButtonRow({btnOk, btnCancel, btnApp, btnHelp});
    buttons->setContentsMargins(0, 0, kDialogMargin - kTabMargin, 0);
    layout->addLayout(buttons);

    actBtnApp = new QAction(this);
    actBtnApp->setObjectName(QStringLiteral("actBtnApp"));
    connect(actBtnApp, &QAction::triggered, this, &TfrmOpt::actBtnAppExecute);
    connect(btnApp, &QPushButton::clicked, this, &TfrmOpt::btnAppClick);

    sntpOpt_ = new TSyncController(this, nullptr);

    tmrOpt = new QTimer(this);
    tmrOpt->setObjectName(QStringLiteral("tmrOpt"));
    tmrOpt->setInterval(200);
    connect(tmrOpt, &QTimer::timeout, this, &TfrmOpt::tmrOptTimer);

    FormCreate();
    tmrOptTimer();
    tmrOpt->start();

    FixToLayout(this, kClientSize);
    // Centred on the screen, inside its work area.
    const QRect wa = DesktopWorkArea(owner);
    move(FitToWorkArea(wa, {wa.x() + wa.width() / 2 - width() / 2, wa.y() + wa.height() / 2 - height() / 2},
                       width(), height()));
}

TfrmOpt::~TfrmOpt() = default;

void TfrmOpt::CreateGeneralPage(QWidget* page) {
    QVBoxLayout* layout = NewOptionPageLayout(page);

    // Internet time.
    QVBoxLayout* time = AddOptionGroup(layout, QStringLiteral("インターネット時刻"),
                                 OptionGroupPicture(OptionGroupIcon::InternetTime));
    QLabel* lblTimeServer = NewLabel(QStringLiteral("インターネット時刻サーバー(NTPサーバー)(&S) :"));
    cmbTimeServer = new QComboBox;
    cmbTimeServer->setObjectName(QStringLiteral("cmbTimeServer"));
    cmbTimeServer->setEditable(true);
    // A typed name is not added to the list by Enter: Apply keeps the history.
    cmbTimeServer->setInsertPolicy(QComboBox::NoInsert);
    cmbTimeServer->setFixedWidth(kServerWidth);
    FitHeight(cmbTimeServer, kComboHeight);
    lblTimeServer->setBuddy(cmbTimeServer);
    connect(cmbTimeServer, &QComboBox::editTextChanged, this, &TfrmOpt::cmbTimeServerChange);
    btnTimeSet = new QPushButton(QStringLiteral("今すぐ同期(&U)"));
    btnTimeSet->setObjectName(QStringLiteral("btnTimeSet"));
    btnTimeSet->setAutoDefault(false);
    FitButton(btnTimeSet, kTimeSetButton);
    connect(btnTimeSet, &QPushButton::clicked, this, &TfrmOpt::btnTimeSetClick);
    lblTimeNow = NewLabel(QString());
    lblTimeNow->setObjectName(QStringLiteral("lblTimeNow"));
    lblTimeNow->setMinimumWidth(kRuleWidth);
    chkExecuteSync = NewCheckBox("chkExecuteSync", QStringLiteral("Norvaneの起動時に時刻を同期する(&R)"));
    connect(chkExecuteSync, &QCheckBox::clicked, this, &TfrmOpt::chkExecuteSyncClick);
    time->addSpacing(2 * kFieldGap + 2);
    time->addWidget(lblTimeServer);
    time->addSpacing(kFieldGap);
    auto* server = new QHBoxLayout;
    server->setSpacing(kGroupIconGap);
    server->addWidget(cmbTimeServer);
    server->addWidget(btnTimeSet);
    server->addStretch(1);
    time->addLayout(server);
    time->addSpacing(kFieldGap);
    time->addWidget(lblTimeNow);
    time->addSpacing(kRowGap);
    time->addWidget(chkExecuteSync);
    layout->addSpacing(kGroupGap);

    // Wheel mouse: the check box titles the group and switches what it holds.
    QVBoxLayout* wheel = AddOptionGroup(layout, QStringLiteral("ホイールマウスの設定"),
                                  OptionGroupPicture(OptionGroupIcon::WheelMouse));
    chkMouseScroll = new QGroupBox(QStringLiteral("ホイールマウスに独自に対応する(&W)"));
    chkMouseScroll->setObjectName(QStringLiteral("chkMouseScroll"));
    chkMouseScroll->setCheckable(true);
    connect(chkMouseScroll, &QGroupBox::clicked, this, &TfrmOpt::chkMouseScrollClick);
    lblMouseLine = NewLabel(QStringLiteral("スクロール(&S) :"));
    lblMouseLine->setObjectName(QStringLiteral("lblMouseLine"));
    updMouseLine = new WheelLinesBox;
    updMouseLine->setObjectName(QStringLiteral("updMouseLine"));
    updMouseLine->findChild<QLineEdit*>()->setObjectName(QStringLiteral("edtMouseLine"));
    updMouseLine->setRange(kWheelLinesMin, kWheelLinesMax);
    updMouseLine->setValue(1);
    updMouseLine->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    updMouseLine->findChild<QLineEdit*>()->setMaxLength(2);
    FitHeight(updMouseLine, kEditHeight);
    lblMouseLine->setBuddy(updMouseLine);
    connect(updMouseLine->findChild<QLineEdit*>(), &QLineEdit::textChanged, this, &TfrmOpt::edtMouseLineChange);
    lblMouseLineHelp = NewLabel(QStringLiteral("行ずつスクロールする"));
    lblMouseLineHelp->setObjectName(QStringLiteral("lblMouseLineHelp"));
    auto* lines = new QHBoxLayout(chkMouseScroll);
    lines->setContentsMargins(kGroupInset, 0, kGroupInset, kFieldGap);
    lines->setSpacing(kRowGap);
    lines->addWidget(lblMouseLine);
    lines->addWidget(updMouseLine);
    lines->addWidget(lblMouseLineHelp);
    lines->addStretch(1);
    wheel->addSpacing(kRowGap + kRowGap);
    wheel->addWidget(chkMouseScroll);
    wheel->addSpacing(kRowGap);
    wheel->addLayout(NoteRow(InformationSmallPicture(),
                             NewLabel(QStringLiteral("特に理由がない限り、有効にしておくことを推薦します。"))));
    layout->addSpacing(kGroupGap + kFieldGap);

    // The three internet-access questions: their captions are long, so they
    // start under the icon rather than beside it.
    AddOptionGroup(layout, QStringLiteral("インターネット接続の確認"), OptionGroupPicture(OptionGroupIcon::AccessConfirm));
    chkTimeServerAccess = NewCheckBox(
        "chkTimeServerAccess", QStringLiteral("インターネット時刻と同期するときに インターネット接続を確認する(&T)"));
    chkWebAccess = NewCheckBox("chkWebAccess",
                               QStringLiteral("ウェブサイトを表示するときに インターネット接続を確認する(&W)"));
    chkNewVersionAccess = NewCheckBox(
        "chkNewVersionAccess", QStringLiteral("最新バージョンのチェックするときに インターネット接続を確認する(&U)"));
    auto* questions = new QVBoxLayout;
    questions->setContentsMargins(kQuestionIndent, kFieldGap, 0, 0);
    questions->setSpacing(2);
    for (QCheckBox* c : {chkTimeServerAccess, chkWebAccess, chkNewVersionAccess}) questions->addWidget(c);
    layout->addLayout(questions);
    layout->addStretch(1);
    connect(chkTimeServerAccess, &QCheckBox::clicked, this, &TfrmOpt::chkTimeServerAccessClick);
    connect(chkWebAccess, &QCheckBox::clicked, this, &TfrmOpt::chkWebAccessClick);
    connect(chkNewVersionAccess, &QCheckBox::clicked, this, &TfrmOpt::chkNewVersionAccessClick);
}

void TfrmOpt::CreateAdvancedPage(QWidget* page) {
    QVBoxLayout* layout = NewOptionPageLayout(page);
    QVBoxLayout* network = AddOptionGroup(layout, QStringLiteral("高度なネットワーク設定"),
                                    OptionGroupPicture(OptionGroupIcon::Network));
    btnProxy = new QPushButton(QStringLiteral("プロキシ サーバーの設定(&X)..."));
    btnProxy->setObjectName(QStringLiteral("btnProxy"));
    btnProxy->setAutoDefault(false);
    FitButton(btnProxy, kProxyButton);
    connect(btnProxy, &QPushButton::clicked, this, &TfrmOpt::btnProxyClick);
    // Wrapped between phrases: Qt's own wrap breaks anywhere in Japanese ("ネットワーク/内に").
    const QString text = QStringLiteral("Norvaneのアップデート機能はHTTPで通信を行います。"
                                        "ネットワーク内にプロキシ サーバーがある場合は設定をしてください。");
    auto* note = NewLabel(WrapAtPhrases(text, QFontMetrics(font()), kNoteWidth));
    note->setObjectName(QStringLiteral("lblProxyNote"));
    note->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    network->addSpacing(2 * kRowGap + 2);
    network->addWidget(btnProxy, 0, Qt::AlignLeft);
    network->addSpacing(2 * kRowGap - 2);
    network->addLayout(NoteRow(WarningSmallPicture(), note));
    layout->addStretch(1);
}

void TfrmOpt::FormCreate() {
    SettingsStore store;
    // 1. Internet time.
    ShowServerList(ReadServerHistory(store), store.Read(setting::kTimeServer));
    chkExecuteSync->setChecked(store.Read(setting::kExecuteSync));

    // 2. The wheel; its dependent controls follow the box.
    const GeneralOptions o = ReadGeneralOptions(store);
    chkMouseScroll->setChecked(o.wheelOwn);
    updMouseLine->setValue(o.wheelLines);
    chkMouseScrollClick();

    // 3. The internet-access questions.
    chkTimeServerAccess->setChecked(o.timeServerAccess);
    chkWebAccess->setChecked(o.webAccess);
    chkNewVersionAccess->setChecked(o.newVersionAccess);

    // 4. The timer and alarm pages.
    timerPages_ = new TOptTimerPages(this, tstTimer, tstAlarm);
    timerPages_->Load(store);
    connect(timerPages_, &TOptTimerPages::changed, this, &TfrmOpt::Changed);
    // The notification and tray choices.
    notifyPage_->Load(store);

    // 5.
    pclOpt->setCurrentWidget(tstBase);
    cmbTimeServer->setFocus();
    timerPages_->ClearTimerListChanged();
}

void TfrmOpt::ShowServerList(const QStringList& list, const QString& text) {
    const QSignalBlocker quiet(cmbTimeServer);
    cmbTimeServer->clear();
    cmbTimeServer->addItems(list);
    // The stored server, else the first of the list (the default servers of a first start).
    if (!text.isEmpty()) {
        const int at = cmbTimeServer->findText(text, Qt::MatchExactly | Qt::MatchCaseSensitive);
        cmbTimeServer->setCurrentIndex(at);
        cmbTimeServer->setEditText(text);
    } else if (!list.isEmpty()) {
        cmbTimeServer->setCurrentIndex(0);
    }
}

void TfrmOpt::ShowPage(OptionsPage page) { pclOpt->setCurrentIndex(static_cast<int>(page)); }

void TfrmOpt::btnHelpClick() {
    const QWidget* page = pclOpt->currentWidget();
    const QString topic = page ? page->property(kHelpTopic).toString() : QString();
    ShowHelpTopic(this, topic.isEmpty() ? QStringLiteral("options") : topic);
}

void TfrmOpt::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    // What loading changed does not count as an edit.
    btnApp->setEnabled(false);
}

void TfrmOpt::Changed() { btnApp->setEnabled(true); }

void TfrmOpt::btnOkClick() {
    actBtnAppExecute();
    accept();
}

void TfrmOpt::btnCancelClick() { reject(); }

void TfrmOpt::btnAppClick() { actBtnApp->trigger(); }

void TfrmOpt::actBtnAppExecute() {
    // A text the spin box does not stand for ("", "0") shows the value that is stored.
    updMouseLine->setValue(updMouseLine->value());
    {
        SettingsStore store;
        // 1. Internet time.
        QStringList list;
        for (int i = 0; i < cmbTimeServer->count(); ++i) list << cmbTimeServer->itemText(i);
        const QString server = cmbTimeServer->currentText();
        ShowServerList(ApplyTimeServerOptions(store, list, server, chkExecuteSync->isChecked()), server);
        // 2, 3. The wheel, at once in the main window too.
        const bool own = chkMouseScroll->isChecked();
        const int lines = updMouseLine->value();
        StoreWheelOptions(store, own, lines);
        // 4. Timer and alarm sets.
        timerPages_->Apply(store);
        // 5.
        StoreAccessOptions(store, chkTimeServerAccess->isChecked(), chkWebAccess->isChecked(),
                           chkNewVersionAccess->isChecked());
        // The notification and tray choices.
        notifyPage_->Store(store);
    }
    // 6. The main window reads what it shows (the wheel, the sets) after they are stored.
    const bool timerSetsChanged = timerPages_->TimerListChanged();
    timerPages_->ClearTimerListChanged();
    emit settingsChanged(timerSetsChanged);
    btnApp->setEnabled(false);
}

void TfrmOpt::chkMouseScrollClick() {
    const bool on = chkMouseScroll->isChecked();
    for (QWidget* w : std::initializer_list<QWidget*>{lblMouseLine, updMouseLine, lblMouseLineHelp}) w->setEnabled(on);
    Changed();
}

void TfrmOpt::edtMouseLineChange() { Changed(); }

void TfrmOpt::chkTimeServerAccessClick() { Changed(); }
void TfrmOpt::chkWebAccessClick() { Changed(); }
void TfrmOpt::chkNewVersionAccessClick() { Changed(); }
void TfrmOpt::cmbTimeServerChange() { Changed(); }
void TfrmOpt::chkExecuteSyncClick() { Changed(); }

void TfrmOpt::btnProxyClick() { EditProxySettings(this); }

void TfrmOpt::btnTimeSetClick() { sntpOpt_->btnTimeSetClick(cmbTimeServer->currentText()); }

void TfrmOpt::tmrOptTimer() { lblTimeNow->setText(TimeNowText(osClock().localNow())); }

}  // namespace norvane
