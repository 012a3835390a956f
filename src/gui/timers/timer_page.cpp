#include "gui/timers/timer_page.h"

#include <QAction>
#include <QComboBox>
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

TTimerPage::TTimerPage(QWidget* contents, QObject* parent, int cells)
    : QObject(parent), contents_(contents), setNames_(new QStringListModel(this)),
      buttons_(StartButtonFont(contents->font())), reading_(contents->font()), clientWidth_(contents->width()) {
    reading_.setBold(true);
    reading_.setPixelSize(21);
    setObjectName(QStringLiteral("pagTimer"));
    shownColour_.fill(kTimerColourNormal);
    const int now = std::clamp(cells, 0, kTimerCellCount);
    for (int c = 0; c < now; ++c) CreateCell(c);
    built_ = now;
    LayoutCells(clientWidth_);
    ShowCells(~0u);
}

void TTimerPage::BuildCells(int count) {
    const int first = built_;
    const int last = std::clamp(count, 0, kTimerCellCount);
    if (last <= first) return;
    const auto origins = TimerCellOrigins(clientWidth_);
    for (int c = first; c < last; ++c) {
        const auto i = static_cast<std::size_t>(c);
        CreateCell(c);
        {
            const QSignalBlocker quiet(cmbTimer[i]);
            ShowRow(c);
        }
        // Tab goes on from the cell before, as for cells built together.
        if (c > 0) {
            QWidget::setTabOrder(btnTimerR[i - 1], cmbTimer[i]);
            QWidget::setTabOrder(cmbTimer[i], btnTimer[i]);
            QWidget::setTabOrder(btnTimer[i], btnTimerR[i]);
        }
        if (actStart_[i]) btnTimer[i]->setDefaultAction(actStart_[i]);
        if (actReset_[i]) btnTimerR[i]->setDefaultAction(actReset_[i]);
        PlaceCell(c, origins[i]);
        // Children added to a shown parent stay hidden until shown themselves.
        if (contents_->isVisible())
            for (QWidget* w : std::initializer_list<QWidget*>{shpTimer[i], lblTimerN[i], lblTimer[i], lblTimerC[i],
                                                               imgTimer[i], cmbTimer[i], btnTimer[i], btnTimerR[i]})
                w->show();
    }
    built_ = last;
    PlaceExtentMark();
    for (int c = first; c < last; ++c) {
        ShowCell(c);
        emit cellBuilt(c);
    }
}

void TTimerPage::CreateCell(int cell) {
    const auto i = static_cast<std::size_t>(cell);
    const QFontMetrics small(contents_->font());

    auto* shape = new TShape(contents_);
    shape->setObjectName(CellName("shpTimer", cell));
    shape->resize(kTimerCellWidth, kTimerCellHeight);
    shape->SetBrushColor(item_);
    shape->SetPenColor(kCellBorder);
    shpTimer[i] = shape;

    QLabel* number = MakeLabel(contents_, CellName("lblTimerN", cell), TimerNumberCaption(cell), QPoint(),
                               QSize(kDisplayAt.x() - kNumberAt.x(), small.height()));
    lblTimerN[i] = number;

    const QString zero = FormatTimerReading(0);
    QLabel* display = MakeLabel(contents_, CellName("lblTimer", cell), zero, QPoint(),
                                QSize(kStartTimeAt.x() - kDisplayAt.x(), kListAt.y() - kDisplayAt.y()));
    readingLength_[i] = static_cast<int>(zero.size());
    display->setFont(ReadingFont(readingLength_[i]));
    SetTextColour(display, kTimerColourNormal);
    SetBackground(display, item_);
    lblTimer[i] = display;

    // Out to the cell's border: "00:00:00" needs more than the design's 52 pixels
    // in some faces.
    QLabel* started = MakeLabel(contents_, CellName("lblTimerC", cell), QStringLiteral("00:00:00"), QPoint(),
                                QSize(kTimerCellWidth - 2 - kStartTimeAt.x(), small.height()));
    SetBackground(started, item_);
    lblTimerC[i] = started;

    auto* icon = new TImageEx(contents_);
    icon->setObjectName(CellName("imgTimer", cell));
    icon->resize(kIconSize);
    icon->setProperty("Tag", cell);
    icon->setStatusTip(kTimerAlarmIconHint);
    icon->setToolTip(kTimerAlarmIconHint);
    icon->setCursor(Qt::PointingHandCursor);
    icon->SetPicture(AlarmIconPicture(false));
    imgTimer[i] = icon;

    auto* list = new QComboBox(contents_);
    list->setObjectName(CellName("cmbTimer", cell));
    list->setProperty("Tag", cell + 1);
    list->setEditable(false);
    list->setModel(setNames_);
    list->setMaxVisibleItems(12);
    list->setFixedSize(kListSize);
    WheelOnlyWhenFocused(list);
    cmbTimer[i] = list;

    auto* start = new QToolButton(contents_);
    start->setObjectName(CellName("btnTimer", cell));
    start->setProperty("Tag", cell + 1);
    start->setToolButtonStyle(Qt::ToolButtonTextOnly);
    start->setFixedSize(kStartSize);
    start->setFont(buttons_);
    start->setFocusPolicy(Qt::TabFocus);
    btnTimer[i] = start;

    auto* reset = new QToolButton(contents_);
    reset->setObjectName(CellName("btnTimerR", cell));
    reset->setProperty("Tag", cell + 1);
    reset->setToolButtonStyle(Qt::ToolButtonTextOnly);
    reset->setFixedSize(kResetSize);
    reset->setFont(buttons_);
    reset->setFocusPolicy(Qt::TabFocus);
    btnTimerR[i] = reset;
}

void TTimerPage::BindActions(const TimerControls<QAction>& start, const TimerControls<QAction>& reset) {
    actStart_ = start;
    actReset_ = reset;
    for (std::size_t i = 0; i < static_cast<std::size_t>(built_); ++i) {
        btnTimer[i]->setDefaultAction(start[i]);
        btnTimerR[i]->setDefaultAction(reset[i]);
    }
    ShowCells(~0u);
}

void TTimerPage::LayoutCells(int clientWidth) {
    clientWidth_ = clientWidth;
    const auto origins = TimerCellOrigins(clientWidth);
    for (int c = 0; c < built_; ++c) PlaceCell(c, origins[static_cast<std::size_t>(c)]);
    PlaceExtentMark();
}

void TTimerPage::PlaceExtentMark() {
    if (built_ == kTimerCellCount) {
        delete extentMark_;
        extentMark_ = nullptr;
        return;
    }
    if (!extentMark_) {
        // An empty pixel in the last cell's far corner: the scroll box sizes its
        // area by its children, and the bars must not change when the rest come.
        extentMark_ = new QWidget(contents_);
        extentMark_->setObjectName(QStringLiteral("pagTimerExtent"));
        extentMark_->setAttribute(Qt::WA_TransparentForMouseEvents);
        extentMark_->resize(1, 1);
        if (contents_->isVisible()) extentMark_->show();
    }
    const QPoint last = TimerCellOrigins(clientWidth_).back();
    extentMark_->move(last + QPoint(kTimerCellWidth - 1, kTimerCellHeight - 1));
}

void TTimerPage::PlaceCell(int cell, QPoint o) {
    const auto i = static_cast<std::size_t>(cell);
    shpTimer[i]->move(o);
    lblTimerN[i]->move(o + kNumberAt);
    lblTimer[i]->move(o + kDisplayAt);
    lblTimerC[i]->move(o + kStartTimeAt);
    imgTimer[i]->move(o + kIconAt + (pressed_[i] ? QPoint(1, 1) : QPoint()));
    cmbTimer[i]->move(o + kListAt);
    btnTimer[i]->move(o + kStartAt);
    btnTimerR[i]->move(o + kResetAt);
}

void TTimerPage::ShowRows() {
    // Filling and selecting is not a change by the user.
    std::vector<std::unique_ptr<QSignalBlocker>> quiet;
    for (int c = 0; c < built_; ++c)
        quiet.push_back(std::make_unique<QSignalBlocker>(cmbTimer[static_cast<std::size_t>(c)]));
    setNames_->setStringList(Cells.SetNames());
    for (int c = 0; c < built_; ++c) ShowRow(c);
    ShowCells(~0u);
}

void TTimerPage::ShowRow(int cell) {
    const auto i = static_cast<std::size_t>(cell);
    SetTextColour(lblTimerN[i], kTimerNumberColour);
    cmbTimer[i]->setCurrentIndex(Cells.View(cell).selection);
}

void TTimerPage::ShowCell(int cell) {
    if (cell < 0 || cell >= kTimerCellCount) return;
    const auto i = static_cast<std::size_t>(cell);
    const TimerCellView& v = Cells.View(cell);
    // The actions exist for every cell; the controls may come later.
    if (cell < built_) {
        if (v.display.size() != readingLength_[i]) {
            readingLength_[i] = static_cast<int>(v.display.size());
            lblTimer[i]->setFont(ReadingFont(readingLength_[i]));
        }
        lblTimer[i]->setText(v.display);
        if (v.colour != shownColour_[i]) {
            SetTextColour(lblTimer[i], v.colour);
            shownColour_[i] = v.colour;
        }
        lblTimerC[i]->setText(v.startTime);
        cmbTimer[i]->setEnabled(v.listEnabled);
    }
    if (QAction* a = actStart_[i]) {
        a->setText(v.startCaption);
        a->setEnabled(v.actionsEnabled);
    }
    if (QAction* a = actReset_[i]) a->setEnabled(v.actionsEnabled);
}

void TTimerPage::ShowCells(std::uint32_t mask) {
    for (int c = 0; c < kTimerCellCount; ++c)
        if (mask & (1u << c)) ShowCell(c);
}

void TTimerPage::SetItemColour(Colour colour) {
    item_ = colour;
    for (std::size_t i = 0; i < static_cast<std::size_t>(built_); ++i) {
        shpTimer[i]->SetBrushColor(colour);
        SetBackground(lblTimer[i], colour);
        SetBackground(lblTimerC[i], colour);
    }
}

void TTimerPage::ShowAlarmPicture(int cell, bool active) {
    if (cell < 0 || cell >= built_) return;
    imgTimer[static_cast<std::size_t>(cell)]->SetPicture(AlarmIconPicture(active));
}

void TTimerPage::PressAlarmIcon(int cell, bool down) {
    if (cell < 0 || cell >= built_) return;
    const auto i = static_cast<std::size_t>(cell);
    if (pressed_[i] == down) return;
    pressed_[i] = down;
    imgTimer[i]->move(imgTimer[i]->pos() + (down ? QPoint(1, 1) : QPoint(-1, -1)));
}

const QFont& TTimerPage::ReadingFont(int length) {
    for (const auto& [n, font] : readingFonts_)
        if (n == length) return font;
    readingFonts_.emplace_back(length, FitReading(reading_, length));
    return readingFonts_.back().second;
}

void TTimerPage::SetTextColour(QLabel* label, std::uint32_t colour) {
    QPalette pal = label->palette();
    pal.setColor(QPalette::WindowText, ToQColor(colour));
    label->setPalette(pal);
}

}  // namespace norvane
