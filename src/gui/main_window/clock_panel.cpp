#include "gui/main_window/clock_panel.h"

#include <QEvent>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QLabel>
#include <QWindow>

#include <algorithm>
#include <string_view>

#include "core/main_window/window_state.h"
#include "gui/art/pictures.h"
#include "gui/controls/image_ex.h"
#include "gui/controls/labels.h"
#include "gui/controls/line_panel.h"
#include "gui/forecast/moon_window.h"
#include "gui/forecast/week_window.h"
#include "gui/main_window/work_area.h"
#include "platform_gui/ui_font.h"

namespace norvane {

namespace {

const QColor kCaptionGrey(128, 128, 128);
const QColor kCaptionHot(255, 128, 0);

QString FromUtf8View(std::string_view text) { return QString::fromUtf8(text.data(), static_cast<int>(text.size())); }

}  // namespace

TClockPanel::TClockPanel(QWidget* window, QWidget* host) : TLinePanel(host), window_(window) {
    setObjectName("pnlTime");
    SetColor(Rgb(255, 255, 255));
    resize(480, 44);
    CreateLabels();
    CreateButtons();

    // The forecast windows themselves are built on first use: most sessions
    // never open them, and building them costs start-up time.
    connect(qApp, &QGuiApplication::applicationStateChanged, this, [this](Qt::ApplicationState s) {
        if (s == Qt::ApplicationActive) return;
        // The application lost activation: close what is open and forget the marks.
        if (weekPopupShown_) frmWeek->close(), weekPopupShown_ = false;
        if (moonPopupShown_) frmMoon->close(), moonPopupShown_ = false;
    });
}

void TClockPanel::CreateLabels() {
    imgClock = new QLabel(this);
    imgClock->setObjectName("imgClock");
    imgClock->setGeometry(6, 6, 32, 32);
    imgClock->setPixmap(ClockPicture());

    lblVanaTCap = MakeLabel(this, "lblVanaTCap", QStringLiteral("ヴァナ時間 :"), {42, 9});
    lblVanaTCap->setStatusTip(QStringLiteral("現在のヴァナディール時間です。"));
    lblEarthTCap = MakeLabel(this, "lblEarthTCap", QStringLiteral("地球時間 :"), {0, 25});
    lblEarthTCap->setStatusTip(QStringLiteral("現在の地球時間です。"));

    const QFont clockFont = ArialFont(15, true);
    lblVanaTime = MakeLabel(this, "lblVanaTime", QString(), {0, 6});
    lblVanaTime->setFont(clockFont);
    lblEarthTime = MakeLabel(this, "lblEarthTime", QString(), {0, 22});
    lblEarthTime->setFont(clockFont);
    SetTextColour(lblVanaTime, QColor(0, 64, 160));
    SetTextColour(lblEarthTime, QColor(96, 96, 96));

    const QString weekHint =
        QStringLiteral("現在のヴァナディール曜日です。 (クリックでより詳しい情報を表示します。)");
    const QString moonHint =
        QStringLiteral("現在のヴァナディール月齢です。 (クリックでより詳しい情報を表示します。)");
    lblVanaWCap1 = MakeLabel(this, "lblVanaWCap1", QStringLiteral("曜"), {0, 10});
    lblVanaWCap2 = MakeLabel(this, "lblVanaWCap2", QStringLiteral("日"), {0, 24});
    imgVanaWeek = new TImageEx(this);
    imgVanaWeek->setObjectName("imgVanaWeek");
    imgVanaWeek->setGeometry(0, 6, 32, 32);
    lblVanaMCap1 = MakeLabel(this, "lblVanaMCap1", QStringLiteral("月"), {0, 10});
    lblVanaMCap2 = MakeLabel(this, "lblVanaMCap2", QStringLiteral("齢"), {0, 24});
    imgVanaMoon = new TImageEx(this);
    imgVanaMoon->setObjectName("imgVanaMoon");
    imgVanaMoon->setGeometry(0, 6, 32, 32);
    for (QWidget* w : std::initializer_list<QWidget*>{lblVanaWCap1, lblVanaWCap2, imgVanaWeek}) {
        w->setStatusTip(weekHint);
        w->setCursor(PointCursor());
    }
    for (QWidget* w : std::initializer_list<QWidget*>{lblVanaMCap1, lblVanaMCap2, imgVanaMoon}) {
        w->setStatusTip(moonHint);
        w->setCursor(PointCursor());
    }
    // Presses open the forecast windows; hovers light the captions; moves over
    // the pictures matter without a button held (they re-arm the forecast).
    for (QWidget* w : std::initializer_list<QWidget*>{lblVanaWCap1, lblVanaWCap2, imgVanaWeek, lblVanaMCap1,
                                                      lblVanaMCap2, imgVanaMoon}) {
        w->setMouseTracking(true);
        w->installEventFilter(this);
    }
    lblVanaMoon = MakeLabel(this, "lblVanaMoon", QString(), {0, 25});
    QFont bold = window_->font();
    bold.setBold(true);
    lblVanaMoon->setFont(bold);
    lblVanaMoon->setStatusTip(QStringLiteral("現在のヴァナディール月齢です。"));
    for (QLabel* l : {lblVanaTCap, lblEarthTCap, lblVanaWCap1, lblVanaWCap2, lblVanaMCap1, lblVanaMCap2})
        SetTextColour(l, kCaptionGrey);

    imgLogo = new QLabel(this);
    imgLogo->setObjectName("imgLogo");
    imgLogo->setGeometry(502, 6, 46, 32);
    imgLogo->setPixmap(LogoPicture());
}

void TClockPanel::CreateButtons() {
    imgExit = new TImageEx(this);
    imgExit->setObjectName("imgExit");
    imgExit->setGeometry(393, 6, 15, 15);
    imgExit->setStatusTip(QStringLiteral("Norvane を終了します。"));
    imgReturn = new TImageEx(this);
    imgReturn->setObjectName("imgReturn");
    imgReturn->setGeometry(377, 6, 15, 15);
    imgReturn->setStatusTip(QStringLiteral("ウインドウ表示を通常モードへ切り替えます。"));
    imgMenu = new TImageEx(this);
    imgMenu->setObjectName("imgMenu");
    imgMenu->setGeometry(361, 6, 15, 15);
    imgMenu->setStatusTip(QStringLiteral("メインメニューを表示します。"));
    const std::pair<TImageEx*, SimpleButton> buttons[] = {
        {imgExit, SimpleButton::Exit}, {imgReturn, SimpleButton::Return}, {imgMenu, SimpleButton::Menu}};
    for (auto [img, kind] : buttons) {
        img->hide();
        img->SetPicture(SimpleButtonPicture(kind, false));
        // Highlighted under the mouse, pushed one pixel down and right while pressed.
        connect(img, &TImageEx::mouseEntered, this, [img, kind] { img->SetPicture(SimpleButtonPicture(kind, true)); });
        connect(img, &TImageEx::mouseLeft, this, [img, kind] { img->SetPicture(SimpleButtonPicture(kind, false)); });
        connect(img, &TImageEx::mousePressed, this, [img] { img->move(img->pos() + QPoint(1, 1)); });
        connect(img, &TImageEx::mouseReleased, this, [img] { img->move(img->pos() - QPoint(1, 1)); });
    }
    connect(imgExit, &TImageEx::clicked, this, &TClockPanel::exitClicked);
    connect(imgReturn, &TImageEx::clicked, this, &TClockPanel::returnClicked);
    connect(imgMenu, &TImageEx::clicked, this, [this] {
        emit menuClicked(imgMenu->mapToGlobal(QPoint(0, imgMenu->height())));
        imgMenu->SetPicture(SimpleButtonPicture(SimpleButton::Menu, false));
    });
}

// --- Layout and modes -----------------------------------------------------------

void TClockPanel::LayoutClockPanel() {
    auto right = [](QWidget* w) { return w->x() + w->width(); };
    auto place = [&](int afterTime, int afterWeek) {
        lblEarthTCap->move(right(lblVanaTCap) - lblEarthTCap->width(), lblEarthTCap->y());
        lblVanaTime->move(right(lblVanaTCap) + 4, lblVanaTime->y());
        lblEarthTime->move(lblVanaTime->x(), lblEarthTime->y());
        lblVanaWCap1->move(right(lblEarthTime) + afterTime, lblVanaWCap1->y());
        lblVanaWCap2->move(lblVanaWCap1->x() + 1, lblVanaWCap2->y());
        imgVanaWeek->move(right(lblVanaWCap1) + 2, imgVanaWeek->y());
        lblVanaMCap1->move(right(imgVanaWeek) + afterWeek, lblVanaMCap1->y());
        lblVanaMCap2->move(lblVanaMCap1->x() + 1, lblVanaMCap2->y());
        imgVanaMoon->move(right(lblVanaMCap1) + 3, imgVanaMoon->y());
        lblVanaMoon->move(right(imgVanaMoon) + 2, lblVanaMoon->y());
    };
    int afterTime = 10, afterWeek = 8;
    place(afterTime, afterWeek);

    // The row must also fit the narrower panel of simple mode: the moon picture
    // left of the three buttons as PlaceSimpleButtons places them, the widest
    // phase name inside the panel's line. A face wider than the one the row was
    // drawn for takes its pixels from the two wide gaps, the wider first, down to 4.
    const int simplePanel = kSimpleWidth - 12;
    const int buttonsLeft = simplePanel - 6 - imgExit->width() - 2 * 16;
    const QFontMetrics nameMetrics(lblVanaMoon->font());
    int widestName = 0;
    for (std::string_view name : MoonPhaseNames)
        widestName = std::max(widestName, nameMetrics.horizontalAdvance(FromUtf8View(name)));
    int over = std::max(right(imgVanaMoon) - (buttonsLeft - 3), lblVanaMoon->x() + widestName - (simplePanel - 2));
    while (over > 0 && std::max(afterTime, afterWeek) > 4) {
        (afterTime >= afterWeek ? afterTime : afterWeek) -= 1;
        --over;
    }
    if (afterTime != 10 || afterWeek != 8) place(afterTime, afterWeek);
}

void TClockPanel::PlaceLogo() { imgLogo->move(width() - imgLogo->width() - 6, 6); }

void TClockPanel::PlaceSimpleButtons() {
    const int right = width() - 6;
    imgExit->move(right - imgExit->width(), 6);
    imgReturn->move(imgExit->x() - 16, 6);
    imgMenu->move(imgReturn->x() - 16, 6);
}

void TClockPanel::SetSimpleMode(bool simple) {
    imgLogo->setVisible(!simple);
    for (QWidget* w : std::initializer_list<QWidget*>{imgExit, imgMenu, imgReturn}) w->setVisible(simple);
    SetEdgeRound(simple ? RoundKinds(rkTopLeft) | rkTopRight | rkBottomLeft | rkBottomRight
                                 : RoundKinds(rkTopLeft) | rkTopRight);
}

void TClockPanel::SetColours(Colour back, Colour base, Colour edge) {
    SetEdgeColor(base);
    SetLineColor(edge);
    frameColour_ = back;
}

void TClockPanel::SetTimeColours(Colour vana, Colour earth) {
    SetTextColour(lblVanaTime, ToQColor(vana));
    SetTextColour(lblEarthTime, ToQColor(earth));
}

// --- The tick -------------------------------------------------------------------

void TClockPanel::Tick(const VanaDateTime& d) {
    const QString vana = QString::fromStdString(VanaClockText(d));
    const QString earth = QString::fromStdString(EarthClockText(GetLocalNow()));
    // Assign only what changed: an unchanged label is not repainted.
    if (lblVanaTime->text() != vana) {
        lblVanaTime->setText(vana);
        lblVanaTime->adjustSize();
    }
    if (lblEarthTime->text() != earth) {
        lblEarthTime->setText(earth);
        lblEarthTime->adjustSize();
    }
    if (d.Weekday != lastWeekday_) imgVanaWeek->SetPicture(WeekPicture(d.Weekday));
    lastWeekday_ = d.Weekday;
    if (d.Moon != lastMoon_) {
        imgVanaMoon->SetPicture(MoonPicture(d.Moon));
        lblVanaMoon->setText(FromUtf8View(MoonPhaseNames[static_cast<std::size_t>(d.Moon)]));
        lblVanaMoon->adjustSize();
        lastMoon_ = d.Moon;
    }
}

// --- Pictures, captions and forecast windows ---------------------------------------

bool TClockPanel::OwnsPress(const QObject* c) const {
    for (const QObject* own : std::initializer_list<const QObject*>{imgVanaWeek, lblVanaWCap1, lblVanaWCap2,
                                                                   imgVanaMoon, lblVanaMCap1, lblVanaMCap2,
                                                                   imgExit, imgReturn, imgMenu})
        if (c == own) return true;
    return false;
}

void TClockPanel::SetCaptionHover(QLabel* a, QLabel* b, bool hot) {
    SetTextColour(a, hot ? kCaptionHot : kCaptionGrey);
    SetTextColour(b, hot ? kCaptionHot : kCaptionGrey);
}

bool TClockPanel::eventFilter(QObject* watched, QEvent* event) {
    const bool week = watched == imgVanaWeek || watched == lblVanaWCap1 || watched == lblVanaWCap2;
    const bool moon = watched == imgVanaMoon || watched == lblVanaMCap1 || watched == lblVanaMCap2;
    if (!week && !moon) return TLinePanel::eventFilter(watched, event);
    switch (event->type()) {
        case QEvent::Enter:
        case QEvent::Leave:
            if (week) SetCaptionHover(lblVanaWCap1, lblVanaWCap2, event->type() == QEvent::Enter);
            if (moon) SetCaptionHover(lblVanaMCap1, lblVanaMCap2, event->type() == QEvent::Enter);
            break;
        case QEvent::MouseButtonPress:
            if (week)
                imgVanaWeekMouseDown();
            else
                imgVanaMoonMouseDown();
            return true;
        case QEvent::MouseMove:
            // A move over a picture after its window closed lets the next press open it.
            if (week && isActiveWindow()) weekPopupShown_ = false;
            if (moon && isActiveWindow()) moonPopupShown_ = false;
            break;
        default: break;
    }
    return TLinePanel::eventFilter(watched, event);
}

TfrmWeek* TClockPanel::WeekWindow() {
    if (!frmWeek) {
        frmWeek = new TfrmWeek(window_);
        frmWeek->SetWeekPictures(WeekPictures());
        connect(frmWeek, &TForecastWindow::pressed, this, [this] { weekPopupShown_ = false; });
        connect(frmWeek, &TForecastWindow::closed, this, &TClockPanel::forecastClosed);
    }
    return frmWeek;
}

TfrmMoon* TClockPanel::MoonWindow() {
    if (!frmMoon) {
        frmMoon = new TfrmMoon(window_);
        frmMoon->SetMoonPictures(MoonPictures());
        connect(frmMoon, &TForecastWindow::pressed, this, [this] { moonPopupShown_ = false; });
        connect(frmMoon, &TForecastWindow::closed, this, &TClockPanel::forecastClosed);
    }
    return frmMoon;
}

void TClockPanel::imgVanaWeekMouseDown() {
    WeekWindow()->SetWeekday(lastWeekday_);
    // One forecast at a time: a press on this picture puts the other away for good.
    if (frmMoon) Dismiss(frmMoon, moonPopupShown_);
    OpenForecast(frmWeek, imgVanaWeek, weekPopupShown_, weekJustOpened_);
}

void TClockPanel::imgVanaMoonMouseDown() {
    MoonWindow()->SetMoonPhaseSource([this] { return lastMoon_; });
    if (frmWeek) Dismiss(frmWeek, weekPopupShown_);
    OpenForecast(frmMoon, imgVanaMoon, moonPopupShown_, moonJustOpened_);
}

void TClockPanel::CloseForecasts() {
    if (weekPopupShown_) frmWeek->close();
    if (moonPopupShown_) frmMoon->close();
}

void TClockPanel::MainWindowActivated() {
    if (weekPopupShown_ && !weekJustOpened_) frmWeek->close();
    if (moonPopupShown_ && !moonJustOpened_) frmMoon->close();
}

void TClockPanel::MainWindowDeactivated() { weekJustOpened_ = moonJustOpened_ = false; }

void TClockPanel::Dismiss(QWidget* popup, bool& shownFlag) {
    shownFlag = false;
    if (popup->isVisible()) popup->close();
}

void TClockPanel::OpenForecast(QWidget* popup, QWidget* picture, bool& shownFlag, bool& justOpened) {
    if (shownFlag) {
        // A press on the picture of an open forecast closes it: the main
        // window's activation by this press may have done so already.
        Dismiss(popup, shownFlag);
        return;
    }
    shownFlag = true;
    justOpened = true;
    const QPoint tl = picture->mapToGlobal(QPoint(0, 0));
    const QRect pic(tl, picture->size());
    const QPoint p = ForecastPosition(pic, popup->width(), popup->height(), DesktopWorkArea(window_));
    if (alwaysOnTop_) {
        // Let the forecast window come in front; it hands the state back on closing.
        if (QWindow* w = window_->windowHandle()) w->setFlag(Qt::WindowStaysOnTopHint, false);
    }
    auto* f = static_cast<TForecastWindow*>(popup);
    f->SetFrameColor(frameColour_);
    f->move(p);
    f->show();
    f->raise();
    f->activateWindow();
}

}  // namespace norvane
