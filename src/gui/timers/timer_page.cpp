#include "gui/timers/timer_page.h"

#include <QAction>
#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QSignalBlocker>
#include <QStringListModel>
#include <QStyle>
#include <QStyleOptionComboBox>
#include <QStyleOptionToolButton>
#include <QToolButton>
#include <QVBoxLayout>
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

// The design's places within a cell, stated as the layout's edges and gaps:
// the number at (8, 4), the reading at (26, 14), the start time at (102, 20)
// under the alarm icon at (139, 4), the list at (8, 38), Start at (8, 62) and
// Reset at (100, 62).
constexpr int kCellLeft = 8;        // the cell's left edge to the number, the list and Start
constexpr int kCellTop = 4;         // the top edge to the number and the icon
constexpr int kCellRight = 2;       // the start time reaches to just inside the border
constexpr int kCellBottom = 7;      // the buttons to the bottom edge
constexpr int kRowsRight = 6;       // the list and the buttons end 8 short of the edge, as they start
constexpr int kReadingDrop = 10;    // the reading sits this far below the number
constexpr int kIconRight = 4;       // the icon's right end to the start time's
constexpr int kIconGap = 1;         // the icon to the start time under it
constexpr int kListGap = 3;         // the list to the buttons
constexpr int kButtonGap = 4;       // Start to Reset

// Pixels kept clear between the reading's last digit and the start time.
constexpr int kReadingGap = 4;

// Sizes of the design; a face that needs more gets it.
constexpr int kNumberWidth = 18;
constexpr QSize kReadingSize{76, 24};
constexpr int kStartTimeWidth = 56;
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
    const int room = kReadingSize.width() - kReadingGap;
    QFont f = base;
    for (int px = base.pixelSize(); px > 9; --px) {
        f.setPixelSize(px);
        if (QFontMetrics(f).horizontalAdvance(widest) <= room) return f;
    }
    f.setPixelSize(9);
    return f;
}

// The design's size, or the widest of `texts` and the face's line height.
QSize FitText(const QFontMetrics& fm, QSize design, std::initializer_list<QString> texts) {
    QSize need(0, fm.height());
    for (const QString& t : texts) need.setWidth(std::max(need.width(), fm.horizontalAdvance(t)));
    return design.expandedTo(need);
}

// The design's size, or the widest of the captions the button will show with
// the style's frame around it.
QSize FitToolButton(const QToolButton* button, QSize design, std::initializer_list<QString> captions) {
    QStyleOptionToolButton o;
    o.initFrom(button);
    o.toolButtonStyle = button->toolButtonStyle();
    const QFontMetrics fm = button->fontMetrics();
    QSize need = design;
    for (const QString& t : captions)
        need = need.expandedTo(button->style()->sizeFromContents(
            QStyle::CT_ToolButton, &o, QSize(fm.horizontalAdvance(t), fm.height()), button));
    return need;
}

// The design's height, or the face's line plus the style's frame around it.
int ListHeight(const QComboBox* list) {
    QStyleOptionComboBox o;
    o.initFrom(list);
    o.rect = QRect(QPoint(), kListSize);
    const QRect field = list->style()->subControlRect(QStyle::CC_ComboBox, &o, QStyle::SC_ComboBoxEditField, list);
    return std::max(kListSize.height(), kListSize.height() - field.height() + list->fontMetrics().height());
}

// A cell's set list: as wide as its row and as high as the design or its face
// needs, never as wide as the longest set name, so a layout has nothing to
// measure in it (a plain list would measure every name each time it is asked).
class TSetList final : public QComboBox {
public:
    using QComboBox::QComboBox;
    QSize sizeHint() const override { return {kListSize.width(), height()}; }
    QSize minimumSizeHint() const override { return sizeHint(); }
};

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

int TimerColumns(int clientWidth, int pitch) { return std::clamp(clientWidth / std::max(pitch, 1), 1, kTimerCellCount); }

int TimerCellsInView(QSize client) {
    if (client.height() <= 0) return 0;
    // Every row whose top lies above the client area's bottom shows.
    const int rows = (client.height() + kTimerCellPitchY - 1) / kTimerCellPitchY;
    return std::min(kTimerCellCount, rows * TimerColumns(client.width()));
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
    // The design's size, or what its layout needs once built; the grid keeps
    // the cell's place before the page first shows.
    setMinimumSize(kTimerCellWidth, kTimerCellHeight);
    QSizePolicy policy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    policy.setRetainSizeWhenHidden(true);
    setSizePolicy(policy);
}

void TTimerCell::Build(Colour item) {
    if (IsBuilt()) return;
    const QFontMetrics small(font());

    // The frame carries the controls: nothing lies beneath them but it.
    shape_ = new TShape(this);
    shape_->setObjectName(CellName("shpTimer", cell_));
    shape_->setAttribute(Qt::WA_TransparentForMouseEvents, false);
    shape_->SetBrushColor(item);
    shape_->SetPenColor(kCellBorder);
    auto* whole = new QVBoxLayout(this);
    whole->setContentsMargins(0, 0, 0, 0);
    whole->addWidget(shape_);

    number_ = MakeLabel(shape_, CellName("lblTimerN", cell_), TimerNumberCaption(cell_), QPoint(),
                        FitText(small, QSize(kNumberWidth, 0), {TimerNumberCaption(kTimerCellCount - 1)}));

    const QString zero = FormatTimerReading(0);
    readingLength_ = static_cast<int>(zero.size());
    const QFont& reading = fonts_->Reading(readingLength_);
    display_ = MakeLabel(shape_, CellName("lblTimer", cell_), zero, QPoint(), FitText(QFontMetrics(reading), kReadingSize, {}));
    display_->setFont(reading);
    SetTextColour(display_, kTimerColourNormal);
    SetBackground(display_, item);

    // Out to the cell's border: "00:00:00" needs more than the design's 52 pixels
    // in some faces.
    started_ = MakeLabel(shape_, CellName("lblTimerC", cell_), QStringLiteral("00:00:00"), QPoint(),
                         FitText(small, QSize(kStartTimeWidth, 0), {QStringLiteral("00:00:00"), QStringLiteral("23:59:59")}));
    SetBackground(started_, item);

    icon_ = new TImageEx(shape_);
    icon_->setObjectName(CellName("imgTimer", cell_));
    icon_->setFixedSize(kIconSize);
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

    list_ = new TSetList(shape_);
    list_->setObjectName(CellName("cmbTimer", cell_));
    list_->setProperty("Tag", cell_ + 1);
    list_->setEditable(false);
    list_->setModel(setNames_);
    list_->setMaxVisibleItems(12);
    // The design's width or its row's, never the longest set name's.
    list_->setMinimumWidth(kListSize.width());
    list_->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Fixed);
    list_->setFixedHeight(ListHeight(list_));
    WheelOnlyWhenFocused(list_);
    connect(list_, &QComboBox::currentIndexChanged, this, [this](int index) { emit setChosen(cell_, index); });

    auto button = [this](const char* name, QSize design, std::initializer_list<QString> captions) {
        auto* b = new QToolButton(shape_);
        b->setObjectName(CellName(name, cell_));
        b->setProperty("Tag", cell_ + 1);
        b->setToolButtonStyle(Qt::ToolButtonTextOnly);
        b->setFont(fonts_->Buttons());
        b->setFixedSize(FitToolButton(b, design, captions));
        b->setFocusPolicy(Qt::TabFocus);
        return b;
    };
    start_ = button("btnTimer", kStartSize, {TimerChainCaption(10, kTimerCellCount - 1), TimerRestartCaption(kTimerCellCount - 1)});
    reset_ = button("btnTimerR", kResetSize, {kTimerResetCaption});

    // The number, the reading and, under the icon, the start time side by side;
    // the list; the two buttons.
    auto* column = new QVBoxLayout(shape_);
    column->setContentsMargins(kCellLeft, kCellTop, kCellRight, kCellBottom);
    column->setSpacing(0);
    auto* head = new QHBoxLayout;
    head->setSpacing(0);
    auto* numberColumn = new QVBoxLayout;
    numberColumn->addWidget(number_);
    numberColumn->addStretch(1);
    auto* readingColumn = new QVBoxLayout;
    readingColumn->addSpacing(kReadingDrop);
    readingColumn->addWidget(display_);
    readingColumn->addStretch(1);
    auto* iconRow = new QHBoxLayout;
    iconRow->addStretch(1);
    iconRow->addWidget(icon_);
    iconRow->addSpacing(kIconRight);
    auto* timeColumn = new QVBoxLayout;
    timeColumn->setSpacing(0);
    timeColumn->addLayout(iconRow);
    timeColumn->addSpacing(kIconGap);
    timeColumn->addWidget(started_);
    timeColumn->addStretch(1);
    head->addLayout(numberColumn);
    head->addLayout(readingColumn);
    head->addLayout(timeColumn);
    column->addLayout(head);
    auto* listRow = new QHBoxLayout;
    listRow->setContentsMargins(0, 0, kRowsRight, 0);
    listRow->addWidget(list_);
    column->addLayout(listRow);
    column->addSpacing(kListGap);
    auto* buttonRow = new QHBoxLayout;
    buttonRow->setContentsMargins(0, 0, kRowsRight, 0);
    buttonRow->setSpacing(kButtonGap);
    buttonRow->addWidget(start_);
    buttonRow->addWidget(reset_);
    buttonRow->addStretch(1);
    column->addLayout(buttonRow);
    // Placed at once, not at the first show: the page's grid and what reads the
    // controls' places come before it.
    resize(sizeHint().expandedTo(minimumSize()));
    whole->activate();
    column->activate();

    if (startAction_) start_->setDefaultAction(startAction_);
    if (resetAction_) reset_->setDefaultAction(resetAction_);

    // Children added to a shown parent stay hidden until shown themselves.
    if (isVisible()) shape_->show();
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
    if (down) iconRest_ = icon_->pos();
    icon_->move(iconRest_ + (down ? QPoint(1, 1) : QPoint()));
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
    // A face that needs wider cells may hold fewer across.
    LayoutCells(clientWidth_);
}

void TTimerPage::BindActions(const TimerControls<QAction>& start, const TimerControls<QAction>& reset) {
    for (std::size_t i = 0; i < cells_.size(); ++i) cells_[i]->BindActions(start[i], reset[i]);
    ShowCells(~0u);
}

void TTimerPage::LayoutCells(int clientWidth) {
    clientWidth_ = clientWidth;
    int widest = 0;
    for (const TTimerCell* cell : cells_) widest = std::max(widest, cell->sizeHint().expandedTo(cell->minimumSize()).width());
    const int columns = TimerColumns(clientWidth, widest + grid_->horizontalSpacing());
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
