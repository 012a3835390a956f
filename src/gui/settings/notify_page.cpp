#include "gui/settings/notify_page.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QSpinBox>
#include <QVBoxLayout>

#include "core/main_window/tray_text.h"
#include "core/notify/notify_choices.h"
#include "core/notify/notify_decision.h"
#include "core/settings/settings_store.h"
#include "gui/art/pictures.h"
#include "gui/art/timer_pictures.h"
#include "gui/settings/dialog_metrics.h"

namespace norvane {
namespace {

// The check lists' height in rows: the rest scrolls.
constexpr int kListRows = 4;

QString Text(std::string_view s) { return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size())); }

QListWidget* CheckList(QWidget* page, const char* name, const QStringList& items) {
    auto* list = new QListWidget(page);
    list->setObjectName(QLatin1String(name));
    for (const QString& text : items) {
        auto* item = new QListWidgetItem(text, list);
        item->setFlags(Qt::ItemIsUserCheckable | Qt::ItemIsEnabled);
        item->setCheckState(Qt::Unchecked);
    }
    return list;
}

template <std::size_t N>
void LoadList(QListWidget* list, const std::bitset<N>& bits) {
    for (int i = 0; i < list->count(); ++i)
        list->item(i)->setCheckState(bits[static_cast<std::size_t>(i)] ? Qt::Checked : Qt::Unchecked);
}

template <std::size_t N>
std::bitset<N> ListBits(const QListWidget* list) {
    std::bitset<N> bits;
    for (int i = 0; i < list->count() && static_cast<std::size_t>(i) < N; ++i)
        bits[static_cast<std::size_t>(i)] = list->item(i)->checkState() == Qt::Checked;
    return bits;
}

}  // namespace

TNotifyPage::TNotifyPage(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("tstNotify"));
    QVBoxLayout* page = NewOptionPageLayout(this);

    // What is announced: two check lists side by side, the weekdays and the
    // moon phases each in a grid of its own (their names differ in width), three
    // boxes one under another and the lead in minutes.
    QVBoxLayout* events = AddOptionGroup(page, QStringLiteral("デスクトップ通知"), AlarmIconPicture(true));
    QStringList routes, guilds;
    for (int r = 0; r < static_cast<int>(kShipRouteCount); ++r) routes << QString::fromStdString(RouteCaption(r));
    for (const GuildShop& g : kGuildShops) guilds << Text(g.name);
    lstRoutes_ = CheckList(this, "lstNotifyRoutes", routes);
    lstGuilds_ = CheckList(this, "lstNotifyGuilds", guilds);
    auto* lists = new QGridLayout;
    lists->setHorizontalSpacing(kGroupIconGap);
    lists->setVerticalSpacing(kFieldGap);
    int column = 0;
    for (auto [caption, list] : {std::pair{QStringLiteral("船・飛空艇(&S) :"), lstRoutes_},
                                 std::pair{QStringLiteral("ギルド(&G) :"), lstGuilds_}}) {
        auto* label = new QLabel(caption, this);
        label->setBuddy(list);
        list->setFixedHeight(list->sizeHintForRow(0) * kListRows + 2 * list->frameWidth());
        lists->addWidget(label, 0, column);
        lists->addWidget(list, 1, column++);
    }
    events->addSpacing(kRowGap);
    events->addLayout(lists);

    const auto boxes = [&](const QString& caption, auto names, int perRow, const char* prefix,
                           std::vector<QCheckBox*>& into) {
        auto* grid = new QGridLayout;
        grid->setHorizontalSpacing(kRowGap);
        grid->setVerticalSpacing(0);
        grid->addWidget(new QLabel(caption, this), 0, 0, Qt::AlignTop);
        for (int i = 0; i < static_cast<int>(names.size()); ++i) {
            auto* c = new QCheckBox(Text(names[static_cast<std::size_t>(i)]), this);
            c->setObjectName(QStringLiteral("%1%2").arg(QLatin1String(prefix)).arg(i));
            grid->addWidget(c, i / perRow, 1 + i % perRow);
            into.push_back(c);
        }
        grid->setColumnStretch(perRow + 1, 1);
        events->addSpacing(kRowGap);
        events->addLayout(grid);
    };
    boxes(QStringLiteral("曜日 :"), VanaWeekdayNames, 8, "chkNotifyWeekday", weekdays_);
    boxes(QStringLiteral("月齢 :"), MoonPhaseNames, 4, "chkNotifyMoon", moons_);

    chkRacial_ = new QCheckBox(QStringLiteral("種族装備の週が変わるとき(&R)"), this);
    chkRacial_->setObjectName(QStringLiteral("chkNotifyRacial"));
    chkChocobo_ = new QCheckBox(QStringLiteral("チョコボの行き先が変わるとき(&C)"), this);
    chkChocobo_->setObjectName(QStringLiteral("chkNotifyChocobo"));
    chkTimers_ = new QCheckBox(QStringLiteral("タイマーの終わりとアラームも通知する(&T)"), this);
    chkTimers_->setObjectName(QStringLiteral("chkNotifyTimers"));
    events->addSpacing(kRowGap);
    for (QCheckBox* c : {chkRacial_, chkChocobo_, chkTimers_}) events->addWidget(c);

    spnMinutes_ = new QSpinBox(this);
    spnMinutes_->setObjectName(QStringLiteral("spnNotifyMinutes"));
    spnMinutes_->setRange(0, kNotifyMinutesMax);
    spnMinutes_->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    FitHeight(spnMinutes_, kEditHeight);
    auto* lblAhead = new QLabel(QStringLiteral("地球時間で(&M)"), this);
    lblAhead->setBuddy(spnMinutes_);
    auto* ahead = new QHBoxLayout;
    ahead->setSpacing(kFieldGap);
    ahead->addWidget(lblAhead);
    ahead->addWidget(spnMinutes_);
    ahead->addWidget(new QLabel(QStringLiteral("分前に通知する (0 はその時刻に)"), this));
    ahead->addStretch(1);
    events->addSpacing(kRowGap);
    events->addLayout(ahead);
    page->addSpacing(kGroupGap + kFieldGap);

    // The tray clock's two switches.
    QVBoxLayout* tray = AddOptionGroup(page, QStringLiteral("タスクトレイ"), ClockPicture());
    chkTrayEnabled_ = new QCheckBox(QStringLiteral("タスクトレイに時計を表示する(&K)"), this);
    chkTrayEnabled_->setObjectName(QStringLiteral("chkTrayEnabled"));
    chkCloseToTray_ = new QCheckBox(QStringLiteral("ウィンドウを閉じたらタスクトレイにしまう(&H)"), this);
    chkCloseToTray_->setObjectName(QStringLiteral("chkCloseToTray"));
    tray->addSpacing(kRowGap);
    tray->addWidget(chkTrayEnabled_);
    tray->addWidget(chkCloseToTray_);
    page->addStretch(1);

    connect(chkTrayEnabled_, &QCheckBox::toggled, chkCloseToTray_, &QWidget::setEnabled);
    for (QListWidget* l : {lstRoutes_, lstGuilds_}) connect(l, &QListWidget::itemChanged, this, &TNotifyPage::changed);
    std::vector<QCheckBox*> all = weekdays_;
    all.insert(all.end(), moons_.begin(), moons_.end());
    all.insert(all.end(), {chkRacial_, chkChocobo_, chkTimers_, chkTrayEnabled_, chkCloseToTray_});
    for (QCheckBox* c : all) connect(c, &QCheckBox::clicked, this, &TNotifyPage::changed);
    connect(spnMinutes_, &QSpinBox::valueChanged, this, &TNotifyPage::changed);
}

void TNotifyPage::Load(const SettingsStore& store) {
    const QSignalBlocker blockRoutes(lstRoutes_), blockGuilds(lstGuilds_), blockMinutes(spnMinutes_);
    const NotifyChoices c = ReadNotifyChoices(store);
    LoadList(lstRoutes_, c.events.routes);
    LoadList(lstGuilds_, c.events.guilds);
    for (std::size_t i = 0; i < weekdays_.size(); ++i) weekdays_[i]->setChecked(c.events.weekdays[i]);
    for (std::size_t i = 0; i < moons_.size(); ++i) moons_[i]->setChecked(c.events.moonPhases[i]);
    chkRacial_->setChecked(c.events.racial);
    chkChocobo_->setChecked(c.events.chocobo);
    chkTimers_->setChecked(c.timers);
    spnMinutes_->setValue(c.minutesAhead);
    const TraySettings t = ReadTraySettings(store);
    chkTrayEnabled_->setChecked(t.enabled);
    chkCloseToTray_->setChecked(t.closeToTray);
    chkCloseToTray_->setEnabled(t.enabled);
}

NotifyChoices TNotifyPage::Choices() const {
    NotifyChoices c;
    c.events.routes = ListBits<kShipRouteCount>(lstRoutes_);
    c.events.guilds = ListBits<kGuildShopCount>(lstGuilds_);
    for (std::size_t i = 0; i < weekdays_.size(); ++i) c.events.weekdays[i] = weekdays_[i]->isChecked();
    for (std::size_t i = 0; i < moons_.size(); ++i) c.events.moonPhases[i] = moons_[i]->isChecked();
    c.events.racial = chkRacial_->isChecked();
    c.events.chocobo = chkChocobo_->isChecked();
    c.timers = chkTimers_->isChecked();
    c.minutesAhead = spnMinutes_->value();
    return c;
}

void TNotifyPage::Store(SettingsStore& store) const {
    WriteNotifyChoices(store, Choices());
    WriteTraySettings(store, {chkTrayEnabled_->isChecked(), chkCloseToTray_->isChecked()});
}

}  // namespace norvane
