#include "gui/settings/options_dialog.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QFontMetricsF>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <QTabWidget>
#include <QTimer>
#include <cmath>

#include "core/settings/dialog_layout.h"
#include "core/settings/general_options.h"
#include "core/settings/settings_store.h"
#include "core/timers/timer_set_editing.h"
#include "core/timesync/time_server.h"
#include "gui/art/option_pictures.h"
#include "gui/art/pictures.h"
#include "gui/controls/labels.h"
#include "gui/controls/up_down.h"
#include "gui/main_window/app_style.h"
#include "gui/main_window/help_viewer.h"
#include "gui/main_window/main_window.h"
#include "gui/main_window/work_area.h"
#include "gui/settings/proxy_dialog.h"
#include "gui/timers/timer_controller.h"
#include "gui/timers/timer_options.h"
#include "gui/timesync/sync_controller.h"
#include "platform_gui/ui_font.h"

namespace norvane {
namespace {

constexpr int kClientWidth = 470;
constexpr int kClientHeight = 412;
// Where the groups' controls start, right of their icons.
constexpr int kIndent = 48;
constexpr int kRuleRight = 448;

QLabel* AddLabel(QWidget* parent, const QString& text, int x, int y) {
    auto* l = new QLabel(text, parent);
    l->adjustSize();
    l->move(x, y);
    return l;
}

QCheckBox* AddCheckBox(QWidget* parent, const char* name, const QString& text, int x, int y) {
    auto* c = new QCheckBox(text, parent);
    c->setObjectName(QLatin1String(name));
    c->adjustSize();
    c->move(x, y);
    return c;
}

// Up to `digits` decimal digits; digits of other scripts become ASCII ones as
// they are typed or pasted.
class AsciiDigitsValidator final : public QRegularExpressionValidator {
public:
    AsciiDigitsValidator(int digits, QObject* parent)
        : QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]{0,%1}").arg(digits)), parent) {}
    State validate(QString& input, int& pos) const override {
        input = WithAsciiDigits(input);
        return QRegularExpressionValidator::validate(input, pos);
    }
};

// A picture that only shows: clicks go to what lies beneath.
QLabel* AddPicture(QWidget* parent, const QPixmap& pm, int x, int y) {
    auto* l = new QLabel(parent);
    l->setPixmap(pm);
    l->setGeometry(x, y, pm.width(), pm.height());
    l->setAttribute(Qt::WA_TransparentForMouseEvents);
    return l;
}

}  // namespace

TfrmOpt::TfrmOpt(TfrmMain* owner)
    : QDialog(owner, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint),
      main_(owner) {
    setObjectName(QStringLiteral("frmOpt"));
    setWindowTitle(QStringLiteral("オプション - Norvane"));
    setWindowIcon(WindowIcon());
    QFont face = UiFont(12);
    if (owner) face.setFamily(owner->font().family());
    setFont(face);
    FixedDialogFrame(this, kClientWidth, kClientHeight);
    // Centred on the screen, inside its work area.
    const QRect wa = DesktopWorkArea(owner);
    const QPoint at = FitToWorkArea(
        wa, {wa.x() + wa.width() / 2 - kClientWidth / 2, wa.y() + wa.height() / 2 - kClientHeight / 2}, kClientWidth,
        kClientHeight);
    move(at);

    pclOpt = new QTabWidget(this);
    pclOpt->setObjectName(QStringLiteral("pclOpt"));
    pclOpt->setGeometry(6, 6, kClientWidth - 12, 370);
    const struct {
        QWidget** page;
        const char* name;
        QString caption;
    } pages[] = {
        {&tstBase, "tstBase", QStringLiteral("全般")},
        {&tstTimer, "tstTimer", QStringLiteral("タイマー")},
        {&tstAlarm, "tstAlarm", QStringLiteral("アラーム")},
        {&tstEx, "tstEx", QStringLiteral("高度な設定")},
    };
    for (const auto& p : pages) {
        *p.page = new QWidget;
        (*p.page)->setObjectName(QLatin1String(p.name));
        pclOpt->addTab(*p.page, p.caption);
    }

    // OK, Cancel, Apply, Help from left to right, flush with the right edge.
    const int bw = 75, bh = 23, gap = 6, by = kClientHeight - 8 - bh;
    int bx = kClientWidth - 8 - 4 * bw - 3 * gap;
    const auto addButton = [&](const char* name, const QString& text) {
        auto* b = new QPushButton(text, this);
        b->setObjectName(QLatin1String(name));
        b->setGeometry(bx, by, bw, bh);
        b->setAutoDefault(false);
        bx += bw + gap;
        return b;
    };
    btnOk = addButton("btnOk", QStringLiteral("OK"));
    btnCancel = addButton("btnCancel", QStringLiteral("キャンセル"));
    btnApp = addButton("btnApp", QStringLiteral("適用(&A)"));
    btnHelp = addButton("btnHelp", QStringLiteral("ヘルプ(&H)"));
    // Enter presses OK wherever the focus is; Esc closes the dialog as Cancel does.
    btnOk->setDefault(true);
    connect(btnOk, &QPushButton::clicked, this, &TfrmOpt::btnOkClick);
    connect(btnCancel, &QPushButton::clicked, this, &TfrmOpt::btnCancelClick);
    connect(btnHelp, &QPushButton::clicked, this, &TfrmOpt::btnHelpClick);

    actBtnApp = new QAction(this);
    actBtnApp->setObjectName(QStringLiteral("actBtnApp"));
    connect(actBtnApp, &QAction::triggered, this, &TfrmOpt::actBtnAppExecute);
    connect(btnApp, &QPushButton::clicked, this, &TfrmOpt::btnAppClick);

    CreateGeneralPage(tstBase);
    CreateAdvancedPage(tstEx);
    sntpOpt_ = new TSyncController(this, nullptr);

    tmrOpt = new QTimer(this);
    tmrOpt->setObjectName(QStringLiteral("tmrOpt"));
    tmrOpt->setInterval(200);
    connect(tmrOpt, &QTimer::timeout, this, &TfrmOpt::tmrOptTimer);

    FormCreate();
    tmrOptTimer();
    tmrOpt->start();
}

TfrmOpt::~TfrmOpt() = default;

void TfrmOpt::AddGroupHeading(QWidget* page, int top, const QString& caption, const QPixmap& icon) {
    AddPicture(page, icon, 8, top);
    QLabel* heading = AddLabel(page, caption, kIndent, top + 2);
    auto* rule = new QFrame(page);
    rule->setFrameShape(QFrame::HLine);
    rule->setFrameShadow(QFrame::Sunken);
    const int left = heading->x() + heading->width() + 6;
    rule->setGeometry(left, top + 2 + heading->height() / 2 - 1, kRuleRight - left, 2);
}

void TfrmOpt::CreateGeneralPage(QWidget* page) {
    // Internet time.
    int top = 6;
    AddGroupHeading(page, top, QStringLiteral("インターネット時刻"), OptionGroupPicture(OptionGroupIcon::InternetTime));
    QLabel* lblTimeServer =
        AddLabel(page, QStringLiteral("インターネット時刻サーバー(NTPサーバー)(&S) :"), kIndent, top + 24);
    cmbTimeServer = new QComboBox(page);
    cmbTimeServer->setObjectName(QStringLiteral("cmbTimeServer"));
    cmbTimeServer->setEditable(true);
    // A typed name is not added to the list by Enter: Apply keeps the history.
    cmbTimeServer->setInsertPolicy(QComboBox::NoInsert);
    cmbTimeServer->setGeometry(kIndent, top + 40, 250, 22);
    lblTimeServer->setBuddy(cmbTimeServer);
    connect(cmbTimeServer, &QComboBox::editTextChanged, this, &TfrmOpt::cmbTimeServerChange);
    btnTimeSet = new QPushButton(QStringLiteral("今すぐ同期(&U)"), page);
    btnTimeSet->setObjectName(QStringLiteral("btnTimeSet"));
    btnTimeSet->setAutoDefault(false);
    btnTimeSet->setGeometry(kIndent + 258, top + 39, 110, 24);
    connect(btnTimeSet, &QPushButton::clicked, this, &TfrmOpt::btnTimeSetClick);
    lblTimeNow = AddLabel(page, QString(), kIndent, top + 68);
    lblTimeNow->setObjectName(QStringLiteral("lblTimeNow"));
    lblTimeNow->resize(kRuleRight - kIndent, lblTimeNow->fontMetrics().height());
    chkExecuteSync =
        AddCheckBox(page, "chkExecuteSync", QStringLiteral("Norvaneの起動時に時刻を同期する(&R)"), kIndent, top + 86);
    connect(chkExecuteSync, &QCheckBox::clicked, this, &TfrmOpt::chkExecuteSyncClick);

    // Wheel mouse.
    top = 116;
    AddGroupHeading(page, top, QStringLiteral("ホイールマウスの設定"), OptionGroupPicture(OptionGroupIcon::WheelMouse));
    gbxMouse = new QGroupBox(page);
    gbxMouse->setObjectName(QStringLiteral("gbxMouse"));
    gbxMouse->setGeometry(kIndent, top + 28, kRuleRight - kIndent, 46);
    // Over the group's top edge, in the gap its caption of spaces leaves, so
    // that it reads as the group's title.
    chkMouseScroll = AddCheckBox(page, "chkMouseScroll", QStringLiteral("ホイールマウスに独自に対応する(&W)"),
                                 kIndent + 8, top + 26);
    chkMouseScroll->raise();
    connect(chkMouseScroll, &QCheckBox::clicked, this, &TfrmOpt::chkMouseScrollClick);

    lblMouseLine = AddLabel(gbxMouse, QStringLiteral("スクロール(&S) :"), 12, 22);
    lblMouseLine->setObjectName(QStringLiteral("lblMouseLine"));
    edtMouseLine = new QLineEdit(QStringLiteral("1"), gbxMouse);
    edtMouseLine->setObjectName(QStringLiteral("edtMouseLine"));
    edtMouseLine->setMaxLength(2);
    edtMouseLine->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    // The spin control reads its position from the text: digits only, full-width
    // ones (pasted or from Japanese input) taken as the same digits.
    edtMouseLine->setValidator(new AsciiDigitsValidator(2, edtMouseLine));
    const int digits = edtMouseLine->fontMetrics().horizontalAdvance(QStringLiteral("00"));
    edtMouseLine->setGeometry(lblMouseLine->x() + lblMouseLine->width() + 6, 18, digits + 14, 21);
    lblMouseLine->setBuddy(edtMouseLine);
    updMouseLine = new TUpDown(gbxMouse);
    updMouseLine->setObjectName(QStringLiteral("updMouseLine"));
    updMouseLine->SetRange(kWheelLinesMin, kWheelLinesMax);
    updMouseLine->SetAssociate(edtMouseLine);
    updMouseLine->SetPosition(1);
    connect(edtMouseLine, &QLineEdit::textChanged, this, &TfrmOpt::edtMouseLineChange);
    lblMouseLineHelp = AddLabel(gbxMouse, QStringLiteral("行ずつスクロールする"),
                                updMouseLine->x() + updMouseLine->width() + 6, 22);
    lblMouseLineHelp->setObjectName(QStringLiteral("lblMouseLineHelp"));
    AddPicture(page, InformationSmallPicture(), kIndent, top + 80);
    AddLabel(page, QStringLiteral("特に理由がない限り、有効にしておくことを推薦します。"), kIndent + 20, top + 81);

    // The three internet-access questions: their captions are long, so they
    // start under the icon rather than beside it.
    top = 220;
    AddGroupHeading(page, top, QStringLiteral("インターネット接続の確認"),
                    OptionGroupPicture(OptionGroupIcon::AccessConfirm));
    const int questions = 24;
    chkTimeServerAccess = AddCheckBox(
        page, "chkTimeServerAccess",
        QStringLiteral("インターネット時刻と同期するときに インターネット接続を確認する(&T)"), questions, top + 36);
    chkWebAccess = AddCheckBox(page, "chkWebAccess",
                               QStringLiteral("ウェブサイトを表示するときに インターネット接続を確認する(&W)"),
                               questions, top + 56);
    chkNewVersionAccess = AddCheckBox(
        page, "chkNewVersionAccess",
        QStringLiteral("最新バージョンのチェックするときに インターネット接続を確認する(&U)"), questions, top + 76);
    connect(chkTimeServerAccess, &QCheckBox::clicked, this, &TfrmOpt::chkTimeServerAccessClick);
    connect(chkWebAccess, &QCheckBox::clicked, this, &TfrmOpt::chkWebAccessClick);
    connect(chkNewVersionAccess, &QCheckBox::clicked, this, &TfrmOpt::chkNewVersionAccessClick);
}

void TfrmOpt::CreateAdvancedPage(QWidget* page) {
    const int top = 6;
    AddGroupHeading(page, top, QStringLiteral("高度なネットワーク設定"), OptionGroupPicture(OptionGroupIcon::Network));
    btnProxy = new QPushButton(QStringLiteral("プロキシ サーバーの設定(&X)..."), page);
    btnProxy->setObjectName(QStringLiteral("btnProxy"));
    btnProxy->setAutoDefault(false);
    btnProxy->setGeometry(kIndent, top + 28, 190, 24);
    connect(btnProxy, &QPushButton::clicked, this, &TfrmOpt::btnProxyClick);
    AddPicture(page, WarningSmallPicture(), kIndent, top + 62);
    // Wrapped between phrases: Qt's own wrap breaks anywhere in Japanese ("ネットワーク/内に").
    const QString text = QStringLiteral("Norvaneのアップデート機能はHTTPで通信を行います。"
                                        "ネットワーク内にプロキシ サーバーがある場合は設定をしてください。");
    auto* note = new QLabel(page);
    note->setObjectName(QStringLiteral("lblProxyNote"));
    note->setTextFormat(Qt::PlainText);
    const int width = kRuleRight - kIndent - 20;
    const QString wrapped = WrapAtPhrases(text, note->fontMetrics(), width);
    note->setText(wrapped);
    note->setGeometry(kIndent + 20, top + 62, width,
                      static_cast<int>(wrapped.count(QLatin1Char('\n')) + 1) * note->fontMetrics().lineSpacing() + 4);
    note->setAlignment(Qt::AlignLeft | Qt::AlignTop);
}

void TfrmOpt::FormCreate() {
    // 1. The group's caption: spaces just short of the check box laid over it. A
    // space's width is rounded up, so that the run never reaches past the box.
    const int space = static_cast<int>(std::ceil(QFontMetricsF(font()).horizontalAdvance(QLatin1Char(' '))));
    gbxMouse->setTitle(QString(GroupCaptionSpaces(space, chkMouseScroll->width()), QLatin1Char(' ')));

    SettingsStore store;
    // 2. Internet time.
    ShowServerList(ReadServerHistory(store), store.Read(setting::kTimeServer));
    chkExecuteSync->setChecked(store.Read(setting::kExecuteSync));

    // 3. The wheel; its dependent controls follow the box.
    const GeneralOptions o = ReadGeneralOptions(store);
    chkMouseScroll->setChecked(o.wheelOwn);
    updMouseLine->SetPosition(o.wheelLines);
    chkMouseScrollClick();

    // 4. The internet-access questions.
    chkTimeServerAccess->setChecked(o.timeServerAccess);
    chkWebAccess->setChecked(o.webAccess);
    chkNewVersionAccess->setChecked(o.newVersionAccess);

    // 5. The timer and alarm pages.
    timerPages_ = new TOptTimerPages(this, tstTimer, tstAlarm);
    timerPages_->Load(store);
    connect(timerPages_, &TOptTimerPages::changed, this, &TfrmOpt::Changed);

    // 6.
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
    // The help file's place for each page, in the pages' order.
    static const char* const topics[] = {"options-general", "options-timer", "options-alarm", "options-advanced"};
    const int page = pclOpt->currentIndex();
    ShowHelpTopic(this, page >= 0 && page < 4 ? QLatin1String(topics[page]) : QLatin1String("options"));
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
    // A text the spin control does not stand for ("", "0") shows the position that is stored.
    updMouseLine->SetPosition(updMouseLine->Position());
    {
        SettingsStore store;
        // 1. Internet time.
        QStringList list;
        for (int i = 0; i < cmbTimeServer->count(); ++i) list << cmbTimeServer->itemText(i);
        const QString server = cmbTimeServer->currentText();
        ShowServerList(ApplyTimeServerOptions(store, list, server, chkExecuteSync->isChecked()), server);
        // 2, 3. The wheel, at once in the main window too.
        const bool own = chkMouseScroll->isChecked();
        const int lines = updMouseLine->Position();
        StoreWheelOptions(store, own, lines);
        if (main_) {
            main_->SetWheelOwn(own);
            main_->SetWheelLines(lines);
        }
        // 4. Timer and alarm sets.
        timerPages_->Apply(store);
        // 5.
        StoreAccessOptions(store, chkTimeServerAccess->isChecked(), chkWebAccess->isChecked(),
                           chkNewVersionAccess->isChecked());
    }
    // 6. The main window reads the sets it shows after they are stored.
    if (timerPages_->TimerListChanged()) {
        timerPages_->ClearTimerListChanged();
        if (main_) main_->Timers()->LoadTimerRows();
    }
    if (main_) main_->Timers()->BuildAlarmMenu();
    btnApp->setEnabled(false);
}

void TfrmOpt::chkMouseScrollClick() {
    const bool on = chkMouseScroll->isChecked();
    for (QWidget* w : std::initializer_list<QWidget*>{lblMouseLine, edtMouseLine, updMouseLine, lblMouseLineHelp})
        w->setEnabled(on);
    Changed();
}

void TfrmOpt::edtMouseLineChange() {
    updMouseLine->FollowText();
    Changed();
}

void TfrmOpt::chkTimeServerAccessClick() { Changed(); }
void TfrmOpt::chkWebAccessClick() { Changed(); }
void TfrmOpt::chkNewVersionAccessClick() { Changed(); }
void TfrmOpt::cmbTimeServerChange() { Changed(); }
void TfrmOpt::chkExecuteSyncClick() { Changed(); }

void TfrmOpt::btnProxyClick() { EditProxySettings(this); }

void TfrmOpt::btnTimeSetClick() { sntpOpt_->btnTimeSetClick(cmbTimeServer->currentText()); }

void TfrmOpt::tmrOptTimer() { lblTimeNow->setText(TimeNowText(osClock().localNow())); }

void ShowOptionsDialog(TfrmMain* owner, OptionsPage page) {
    TfrmOpt dialog(owner);
    dialog.ShowPage(page);
    dialog.exec();
}

}  // namespace norvane
