#include "gui/timers/timer_page.h"

#include <QAction>
#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QSignalBlocker>
#include <QStringListModel>
#include <QToolButton>
#include <QWidget>
#include <QFontMetrics>
#include <algorithm>
#include <memory>
#include <vector>

#include "gui/art/timer_pictures.h"
#include "gui/controls/image_ex.h"
#include "gui/controls/labels.h"
#include "gui/controls/shape.h"
#include "gui/main_window/app_style.h"

namespace norvane {
namespace {

constexpr Colour kCellBorder = Rgb(192, 192, 192);  // silver

// Places of the controls within a cell, from the cell's top-left corner.
constexpr QPoint kNumberAt{8, 4};
constexpr QPoint kDisplayAt{26, 14};
constexpr QPoint kStartTimeAt{102, 20};
constexpr QPoint kIconAt{139, 4};
constexpr QPoint kListAt{8, 38};
constexpr QPoint kStartAt{8, 62};
constexpr QPoint kResetAt{100, 62};

// Pixels kept clear between the reading's last digit and the start time.
constexpr int kReadingGap = 4;

constexpr QSize kIconSize{15, 15};
constexpr QSize kListSize{144, 21};
constexpr QSize kStartSize{88, 22};
constexpr QSize kResetSize{52, 22};

QString CellName(const char* prefix, int cell) {
    return QString::fromLatin1(prefix) + QString::number(cell + 1);
}

// The window font, down to 9 pixels when needed so that the longest Start caption
// ("10チェーン [F12]") fits its button whatever face the system supplies.
// Every size tried costs a font engine, so the first guess is scaled from the
// width at the window's size and only checked there.
QFont StartButtonFont(const QFont& base) {
    const QString longest[] = {TimerChainCaption(10, kTimerCellCount - 1),
                               TimerRestartCaption(kTimerCellCount - 1)};
    const int room = kStartSize.width() - 8;  // less the button's frame and margins
    auto widest = [&](const QFont& f) {
        const QFontMetrics fm(f);
        int w = 0;
        for (const QString& t : longest) w = std::max(w, fm.horizontalAdvance(t));
        return w;
    };
    const int full = base.pixelSize() > 0 ? base.pixelSize() : 12;
    QFont f = base;
    f.setPixelSize(full);
    const int wide = widest(f);
    if (wide <= room) return f;
    for (int px = std::clamp(full * room / std::max(wide, 1), 9, full - 1); px >= 9; --px) {
        f.setPixelSize(px);
        if (px == 9 || widest(f) <= room) break;
    }
    return f;
}

// The largest size, from the base's down to 9 pixels, in which every reading of
// `length` characters ends short of the start time. Digits share one advance
// in the faces used, so nines stand for every reading of that length.
QFont FitReading(const QFont& base, int length) {
    const QString widest = QString(std::max(length - 3, 1), QLatin1Char('9')) + QStringLiteral(":59");
    const int room = kStartTimeAt.x() - kDisplayAt.x() - kReadingGap;
    QFont f = base;
    for (int px = base.pixelSize(); px > 9; --px) {
        f.setPixelSize(px);
        if (QFontMetrics(f).horizontalAdvance(widest) <= room) return f;
    }
    f.setPixelSize(9);
    return f;
}

void SetTextColour(QLabel* label, std::uint32_t colour) {
    QPalette pal = label->palette();
    pal.setColor(QPalette::WindowText, ToQColor(colour));
    label->setPalette(pal);
}

void SetBackground(QLabel* label, Colour colour) {
    QPalette pal = label->palette();
    pal.setColor(QPalette::Window, ToQColor(colour));
    label->setPalette(pal);
    label->setAutoFillBackground(true);
}

}  // namespace

int TimerColumns(int clientWidth) { return std::max(1, clientWidth / kTimerCellPitchX); }

std::array<QPoint, kTimerCellCount> TimerCellOrigins(int clientWidth) {
    std::array<QPoint, kTimerCellCount> at{};
    int col = 0, line = 0;
    for (auto& p : at) {
        p = QPoint(kTimerCellPitchX * col, kTimerCellPitchY * line);
        // The next cell starts a new row when another column would not fit.
        if (clientWidth < kTimerCellPitchX * ++col + kTimerCellPitchX) {
            col = 0;
            ++line;
        }
    }
    return at;
}

int TimerCellsInView(QSize client) {
    const auto origins = TimerCellOrigins(client.width());
    int shown = 0;
    while (shown < kTimerCellCount && origins[static_cast<std::size_t>(shown)].y() < client.height()) ++shown;
    return shown;
}

TTimerFonts::TTimerFonts(const QFont& base) : buttons_(StartButtonFont(base)), reading_(base) {
    reading_.setBold(true);
    reading_.setPixelSize(21);
}

const QFont& TTimerFonts::Reading(int length) {
    for (const auto& [n, font] : readingFonts_)
        if (n == length) return font;
    readingFonts_.emplace_back(length, FitReading(reading_, length));
    return readingFonts_.back().second;
}

// --- A cell -------------------------------------------------------------------------

TTimerCell::TTimerCell(int cell, QStringListModel* setNames, TTimerFonts* fonts, QWidget* parent)
    : QWidget(parent), cell_(cell), setNames_(setNames), fonts_(fonts), shownColour_(kTimerColourNormal) {
    setFixedSize(kTimerCellWidth, kTimerCellHeight);
    // The grid keeps the cell's place before the page first shows.
    QSizePolicy policy = sizePolicy();
    policy.setRetainSizeWhenHidden(true);
    setSizePolicy(policy);
}

void TTimerCell::Build(Colour item) {
    if (IsBuilt()) return;
    const QFontMetrics small(font());

    shape_ = new TShape(this);
    shape_->setObjectName(CellName("shpTimer", cell_));
    shape_->resize(kTimerCellWidth, kTimerCellHeight);
    shape_->SetBrushColor(item);
    shape_->SetPenColor(kCellBorder);

    number_ = MakeLabel(this, CellName("lblTimerN", cell_), TimerNumberCaption(cell_), kNumberAt,
                        QSize(kDisplayAt.x() - kNumberAt.x(), small.height()));

    const QString zero = FormatTimerReading(0);
    display_ = MakeLabel(this, CellName("lblTimer", cell_), zero, kDisplayAt,
                         QSize(kStartTimeAt.x() - kDisplayAt.x(), kListAt.y() - kDisplayAt.y()));
    readingLength_ = static_cast<int>(zero.size());
    display_->setFont(fonts_->Reading(readingLength_));
    SetTextColour(display_, kTimerColourNormal);
    SetBackground(display_, item);

    // Out to the cell's border: "00:00:00" needs more than the design's 52 pixels
    // in some faces.
    started_ = MakeLabel(this, CellName("lblTimerC", cell_), QStringLiteral("00:00:00"), kStartTimeAt,
                         QSize(kTimerCellWidth - 2 - kStartTimeAt.x(), small.height()));
    SetBackground(started_, item);

    icon_ = new TImageEx(this);
    icon_->setObjectName(CellName("imgTimer", cell_));
    icon_->setGeometry(QRect(kIconAt, kIconSize));
    icon_->setProperty("Tag", cell_);
    icon_->setStatusTip(kTimerAlarmIconHint);
    icon_->setToolTip(kTimerAlarmIconHint);
    icon_->setCursor(Qt::PointingHandCursor);
    icon_->SetPicture(AlarmIconPicture(false));
    connect(icon_, &TImageEx::mouseEntered, this, [this] { ShowAlarmPicture(true); });
    connect(icon_, &TImageEx::mouseLeft, this, [this] { ShowAlarmPicture(false); });
    connect(icon_, &TImageEx::mousePressed, this, [this] { PressAlarmIcon(true); });
    connect(icon_, &TImageEx::mouseReleased, this, [this] { PressAlarmIcon(false); });
    connect(icon_, &TImageEx::clicked, this, [this] {
        emit alarmClicked(cell_, icon_->mapToGlobal(QPoint(0, icon_->height())));
        ShowAlarmPicture(false);
    });

    list_ = new QComboBox(this);
    list_->setObjectName(CellName("cmbTimer", cell_));
    list_->setProperty("Tag", cell_ + 1);
    list_->setEditable(false);
    list_->setModel(setNames_);
    list_->setMaxVisibleItems(12);
    list_->setFixedSize(kListSize);
    list_->move(kListAt);
    WheelOnlyWhenFocused(list_);
    connect(list_, &QComboBox::currentIndexChanged, this, [this](int index) { emit setChosen(cell_, index); });

    auto button = [this](const char* name, QSize size, QPoint at) {
        auto* b = new QToolButton(this);
        b->setObjectName(CellName(name, cell_));
        b->setProperty("Tag", cell_ + 1);
        b->setToolButtonStyle(Qt::ToolButtonTextOnly);
        b->setFixedSize(size);
        b->move(at);
        b->setFont(fonts_->Buttons());
        b->setFocusPolicy(Qt::TabFocus);
        return b;
    };
    start_ = button("btnTimer", kStartSize, kStartAt);
    reset_ = button("btnTimerR", kResetSize, kResetAt);

    if (startAction_) start_->setDefaultAction(startAction_);
    if (resetAction_) reset_->setDefaultAction(resetAction_);

    // Children added to a shown parent stay hidden until shown themselves.
    if (isVisible())
        for (QWidget* w : std::initializer_list<QWidget*>{shape_, number_, display_, started_, icon_, list_, start_, reset_})
            w->show();
}

void TTimerCell::FollowInTabOrder(const TTimerCell& before) {
    if (!IsBuilt() || !before.IsBuilt()) return;
    QWidget::setTabOrder(before.reset_, list_);
    QWidget::setTabOrder(list_, start_);
    QWidget::setTabOrder(start_, reset_);
}

void TTimerCell::BindActions(QAction* start, QAction* reset) {
    startAction_ = start;
    resetAction_ = reset;
    if (!IsBuilt()) return;
    if (start) start_->setDefaultAction(start);
    if (reset) reset_->setDefaultAction(reset);
}

void TTimerCell::ShowSelection(int selection) {
    if (!IsBuilt()) return;
    const QSignalBlocker quiet(list_);
    SetTextColour(number_, kTimerNumberColour);
    list_->setCurrentIndex(selection);
}

void TTimerCell::ShowView(const TimerCellView& v) {
    // The actions exist for every cell; the controls may come later.
    if (startAction_) {
        startAction_->setText(v.startCaption);
        startAction_->setEnabled(v.actionsEnabled);
    }
    if (resetAction_) resetAction_->setEnabled(v.actionsEnabled);
    if (!IsBuilt()) return;
    if (v.display.size() != readingLength_) {
        readingLength_ = static_cast<int>(v.display.size());
        display_->setFont(fonts_->Reading(readingLength_));
    }
    display_->setText(v.display);
    if (v.colour != shownColour_) {
        SetTextColour(display_, v.colour);
        shownColour_ = v.colour;
    }
    started_->setText(v.startTime);
    list_->setEnabled(v.listEnabled);
}

void TTimerCell::SetItemColour(Colour colour) {
    if (!IsBuilt()) return;
    shape_->SetBrushColor(colour);
    SetBackground(display_, colour);
    SetBackground(started_, colour);
}

void TTimerCell::ShowAlarmPicture(bool active) { icon_->SetPicture(AlarmIconPicture(active)); }

void TTimerCell::PressAlarmIcon(bool down) {
    if (pressed_ == down) return;
    pressed_ = down;
    icon_->move(kIconAt + (down ? QPoint(1, 1) : QPoint()));
}

// --- The page -----------------------------------------------------------------------

TTimerPage::TTimerPage(QWidget* contents, int cells)
    : QWidget(contents), grid_(new QGridLayout(this)), setNames_(new QStringListModel(this)), fonts_(font()) {
    setObjectName(QStringLiteral("pagTimer"));
    grid_->setContentsMargins(0, 0, 0, 0);
    grid_->setHorizontalSpacing(kTimerCellPitchX - kTimerCellWidth);
    grid_->setVerticalSpacing(kTimerCellPitchY - kTimerCellHeight);
    // The page is as large as its cells, and the box scrolls over it.
    grid_->setSizeConstraint(QLayout::SetFixedSize);
    for (int c = 0; c < kTimerCellCount; ++c) {
        auto* cell = new TTimerCell(c, setNames_, &fonts_, this);
        connect(cell, &TTimerCell::setChosen, this, &TTimerPage::setChosen);
        connect(cell, &TTimerCell::alarmClicked, this, &TTimerPage::alarmClicked);
        cells_[static_cast<std::size_t>(c)] = cell;
    }
    for (int c = 0; c < std::min(cells, kTimerCellCount); ++c) cells_[static_cast<std::size_t>(c)]->Build(item_);
    LayoutCells(contents->width());
    ShowCells(~0u);
}

void TTimerPage::BuildCells(int count) {
    for (int c = 0; c < std::min(count, kTimerCellCount); ++c) {
        const auto i = static_cast<std::size_t>(c);
        TTimerCell* cell = cells_[i];
        if (cell->IsBuilt()) continue;
        cell->Build(item_);
        cell->ShowSelection(Cells.View(c).selection);
        // Tab goes on from the cell before, as for cells built together.
        if (c > 0) cell->FollowInTabOrder(*cells_[i - 1]);
        cell->ShowView(Cells.View(c));
    }
}

void TTimerPage::BindActions(const TimerControls<QAction>& start, const TimerControls<QAction>& reset) {
    for (std::size_t i = 0; i < cells_.size(); ++i) cells_[i]->BindActions(start[i], reset[i]);
    ShowCells(~0u);
}

void TTimerPage::LayoutCells(int clientWidth) {
    const int columns = std::min(TimerColumns(clientWidth), kTimerCellCount);
    if (columns != columns_) {
        columns_ = columns;
        for (TTimerCell* cell : cells_) grid_->removeWidget(cell);
        for (int c = 0; c < kTimerCellCount; ++c) grid_->addWidget(cells_[static_cast<std::size_t>(c)], c / columns, c % columns);
    }
    // In place at once: the scroll range and what follows read the cells' places.
    grid_->activate();
}

void TTimerPage::ShowRows() {
    // Filling and selecting is not a change by the user.
    std::vector<std::unique_ptr<QSignalBlocker>> quiet;
    for (TTimerCell* cell : cells_) quiet.push_back(std::make_unique<QSignalBlocker>(cell));
    setNames_->setStringList(Cells.SetNames());
    for (int c = 0; c < kTimerCellCount; ++c) cells_[static_cast<std::size_t>(c)]->ShowSelection(Cells.View(c).selection);
    ShowCells(~0u);
}

void TTimerPage::ShowCell(int cell) {
    if (cell < 0 || cell >= kTimerCellCount) return;
    cells_[static_cast<std::size_t>(cell)]->ShowView(Cells.View(cell));
}

void TTimerPage::ShowCells(std::uint32_t mask) {
    for (int c = 0; c < kTimerCellCount; ++c)
        if (mask & (1u << c)) ShowCell(c);
}

void TTimerPage::SetItemColour(Colour colour) {
    item_ = colour;
    for (TTimerCell* cell : cells_) cell->SetItemColour(colour);
}

}  // namespace norvane
