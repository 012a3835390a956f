#include "gui/settings/notify_page.h"

#include <QCheckBox>
#include <QFrame>
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

namespace norvane {
namespace {

QString Text(std::string_view s) { return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size())); }

// An icon, a caption and a rule to the right edge, as the other pages head their groups.
QHBoxLayout* Heading(QWidget* page, const QString& caption, const QPixmap& icon) {
    auto* row = new QHBoxLayout;
    auto* picture = new QLabel(page);
    picture->setPixmap(icon);
    picture->setAlignment(Qt::AlignCenter);
    picture->setFixedWidth(32);
    row->addWidget(picture);
    row->addSpacing(2);
    row->addWidget(new QLabel(caption, page));
    auto* rule = new QFrame(page);
    rule->setFrameShape(QFrame::HLine);
    rule->setFrameShadow(QFrame::Sunken);
    row->addWidget(rule, 1);
    return row;
}

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
    auto* page = new QVBoxLayout(this);
    page->setContentsMargins(8, 6, 8, 6);
    page->setSpacing(4);
    page->addLayout(Heading(this, QStringLiteral("デスクトップ通知"), AlarmIconPicture(true)));

    auto* body = new QGridLayout;
    body->setContentsMargins(20, 0, 0, 0);
    body->setHorizontalSpacing(8);
    body->setVerticalSpacing(2);
    QStringList routes, guilds;
    for (int r = 0; r < static_cast<int>(kShipRouteCount); ++r) routes << QString::fromStdString(RouteCaption(r));
    for (const GuildShop& g : kGuildShops) guilds << Text(g.name);
    lstRoutes_ = CheckList(this, "lstNotifyRoutes", routes);
    lstGuilds_ = CheckList(this, "lstNotifyGuilds", guilds);
    auto* lblRoutes = new QLabel(QStringLiteral("船・飛空艇(&S) :"), this);
    auto* lblGuilds = new QLabel(QStringLiteral("ギルド(&G) :"), this);
    lblRoutes->setBuddy(lstRoutes_);
    lblGuilds->setBuddy(lstGuilds_);
    body->addWidget(lblRoutes, 0, 0);
    body->addWidget(lblGuilds, 0, 1);
    body->addWidget(lstRoutes_, 1, 0);
    body->addWidget(lstGuilds_, 1, 1);
    for (QListWidget* l : {lstRoutes_, lstGuilds_}) l->setFixedHeight(l->sizeHintForRow(0) * 4 + 2 * l->frameWidth());
    page->addLayout(body);

    // Each row of boxes in its own grid, so that the weekdays' short names and
    // the moon phases' long ones get columns of their own widths.
    const auto boxes = [this, page](const QString& caption, auto names, int perRow, const char* prefix,
                                    std::vector<QCheckBox*>& into) {
        auto* grid = new QGridLayout;
        grid->setContentsMargins(20, 0, 0, 0);
        grid->setHorizontalSpacing(6);
        grid->setVerticalSpacing(0);
        grid->addWidget(new QLabel(caption, this), 0, 0, Qt::AlignTop);
        for (int i = 0; i < static_cast<int>(names.size()); ++i) {
            auto* c = new QCheckBox(Text(names[static_cast<std::size_t>(i)]), this);
            c->setObjectName(QStringLiteral("%1%2").arg(QLatin1String(prefix)).arg(i));
            grid->addWidget(c, i / perRow, 1 + i % perRow);
            into.push_back(c);
        }
        grid->setColumnStretch(perRow + 1, 1);
        page->addLayout(grid);
    };
    boxes(QStringLiteral("曜日 :"), VanaWeekdayNames, 8, "chkNotifyWeekday", weekdays_);
    boxes(QStringLiteral("月齢 :"), MoonPhaseNames, 4, "chkNotifyMoon", moons_);

    auto* more = new QGridLayout;
    more->setContentsMargins(20, 2, 0, 0);
    more->setVerticalSpacing(0);
    chkRacial_ = new QCheckBox(QStringLiteral("種族装備の週が変わるとき(&R)"), this);
    chkRacial_->setObjectName(QStringLiteral("chkNotifyRacial"));
    chkChocobo_ = new QCheckBox(QStringLiteral("チョコボの行き先が変わるとき(&C)"), this);
    chkChocobo_->setObjectName(QStringLiteral("chkNotifyChocobo"));
    chkTimers_ = new QCheckBox(QStringLiteral("タイマーの終わりとアラームも通知する(&T)"), this);
    chkTimers_->setObjectName(QStringLiteral("chkNotifyTimers"));
    more->addWidget(chkRacial_, 0, 0);
    more->addWidget(chkChocobo_, 0, 1);
    more->addWidget(chkTimers_, 1, 0, 1, 2);
    page->addLayout(more);

    auto* ahead = new QHBoxLayout;
    ahead->setContentsMargins(20, 2, 0, 0);
    spnMinutes_ = new QSpinBox(this);
    spnMinutes_->setObjectName(QStringLiteral("spnNotifyMinutes"));
    spnMinutes_->setRange(0, kNotifyMinutesMax);
    auto* lblAhead = new QLabel(QStringLiteral("地球時間で(&M)"), this);
    lblAhead->setBuddy(spnMinutes_);
    ahead->addWidget(lblAhead);
    ahead->addWidget(spnMinutes_);
    ahead->addWidget(new QLabel(QStringLiteral("分前に通知する (0 はその時刻に)"), this));
    ahead->addStretch(1);
    page->addLayout(ahead);

    page->addSpacing(4);
    page->addLayout(Heading(this, QStringLiteral("タスクトレイ"), ClockPicture()));
    auto* tray = new QVBoxLayout;
    tray->setContentsMargins(20, 0, 0, 0);
    tray->setSpacing(0);
    chkTrayEnabled_ = new QCheckBox(QStringLiteral("タスクトレイに時計を表示する(&K)"), this);
    chkTrayEnabled_->setObjectName(QStringLiteral("chkTrayEnabled"));
    chkCloseToTray_ = new QCheckBox(QStringLiteral("ウィンドウを閉じたらタスクトレイにしまう(&H)"), this);
    chkCloseToTray_->setObjectName(QStringLiteral("chkCloseToTray"));
    tray->addWidget(chkTrayEnabled_);
    tray->addWidget(chkCloseToTray_);
    page->addLayout(tray);
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
