// The clock panel: its labels and pictures, the 500 ms tick, and the forecast
// windows that open under the weekday and moon pictures.
#include <QEvent>
#include <QFontMetrics>
#include <QLabel>
#include <QMenu>
#include <QMouseEvent>
#include <QStatusTipEvent>
#include <QTimer>
#include <QWindow>

#include <algorithm>
#include <string_view>

#include "core/time/vanatime.h"
#include "gui/art/pictures.h"
#include "gui/controls/edge_panel.h"
#include "gui/controls/image_ex.h"
#include "gui/controls/labels.h"
#include "gui/controls/line_panel.h"
#include "gui/forecast/forecast_window.h"
#include "gui/forecast/moon_window.h"
#include "gui/forecast/week_window.h"
#include "gui/main_window/main_window.h"
#include "platform/ui_font.h"

namespace norvane {

namespace {

const QColor kCaptionGrey(128, 128, 128);
const QColor kCaptionHot(255, 128, 0);

}  // namespace

void TfrmMain::CreateClockPanel() {
    pnlTime = new TLinePanel(pnlMenu);
    pnlTime->setObjectName("pnlTime");
    pnlTime->SetColor(Rgb(255, 255, 255));
    pnlTime->resize(480, 44);

    imgClock = new QLabel(pnlTime);
    imgClock->setObjectName("imgClock");
    imgClock->setGeometry(6, 6, 32, 32);
    imgClock->setPixmap(ClockPicture());

    lblVanaTCap = MakeLabel(pnlTime, "lblVanaTCap", QStringLiteral("ヴァナ時間 :"), {42, 9});
    lblVanaTCap->setStatusTip(QStringLiteral("現在のヴァナディール時間です。"));
    lblEarthTCap = MakeLabel(pnlTime, "lblEarthTCap", QStringLiteral("地球時間 :"), {0, 25});
    lblEarthTCap->setStatusTip(QStringLiteral("現在の地球時間です。"));

    const QFont clockFont = ArialFont(15, true);
    lblVanaTime = MakeLabel(pnlTime, "lblVanaTime", QString(), {0, 6});
    lblVanaTime->setFont(clockFont);
    lblEarthTime = MakeLabel(pnlTime, "lblEarthTime", QString(), {0, 22});
    lblEarthTime->setFont(clockFont);
    SetTextColour(lblVanaTime, QColor(0, 64, 160));
    SetTextColour(lblEarthTime, QColor(96, 96, 96));

    const QString weekHint =
        QStringLiteral("現在のヴァナディール曜日です。 (クリックでより詳しい情報を表示します。)");
    const QString moonHint =
        QStringLiteral("現在のヴァナディール月齢です。 (クリックでより詳しい情報を表示します。)");
    lblVanaWCap1 = MakeLabel(pnlTime, "lblVanaWCap1", QStringLiteral("曜"), {0, 10});
    lblVanaWCap2 = MakeLabel(pnlTime, "lblVanaWCap2", QStringLiteral("日"), {0, 24});
    imgVanaWeek = new TImageEx(pnlTime);
    imgVanaWeek->setObjectName("imgVanaWeek");
    imgVanaWeek->setGeometry(0, 6, 32, 32);
    lblVanaMCap1 = MakeLabel(pnlTime, "lblVanaMCap1", QStringLiteral("月"), {0, 10});
    lblVanaMCap2 = MakeLabel(pnlTime, "lblVanaMCap2", QStringLiteral("齢"), {0, 24});
    imgVanaMoon = new TImageEx(pnlTime);
    imgVanaMoon->setObjectName("imgVanaMoon");
    imgVanaMoon->setGeometry(0, 6, 32, 32);
    // Moves over the pictures matter without a button held (they re-arm the forecast).
    for (QWidget* w : std::initializer_list<QWidget*>{lblVanaWCap1, lblVanaWCap2, imgVanaWeek,
                                                      lblVanaMCap1, lblVanaMCap2, imgVanaMoon})
        w->setMouseTracking(true);
    for (QWidget* w : std::initializer_list<QWidget*>{lblVanaWCap1, lblVanaWCap2, imgVanaWeek}) {
        w->setStatusTip(weekHint);
        w->setCursor(PointCursor());
    }
    for (QWidget* w : std::initializer_list<QWidget*>{lblVanaMCap1, lblVanaMCap2, imgVanaMoon}) {
        w->setStatusTip(moonHint);
        w->setCursor(PointCursor());
    }
    lblVanaMoon = MakeLabel(pnlTime, "lblVanaMoon", QString(), {0, 25});
    QFont bold = font();
    bold.setBold(true);
    lblVanaMoon->setFont(bold);
    lblVanaMoon->setStatusTip(QStringLiteral("現在のヴァナディール月齢です。"));
    for (QLabel* l : {lblVanaTCap, lblEarthTCap, lblVanaWCap1, lblVanaWCap2, lblVanaMCap1, lblVanaMCap2})
        SetTextColour(l, kCaptionGrey);

    imgLogo = new QLabel(pnlTime);
    imgLogo->setObjectName("imgLogo");
    imgLogo->setGeometry(502, 6, 46, 32);
    imgLogo->setPixmap(LogoPicture());

    imgExit = new TImageEx(pnlTime);
    imgExit->setObjectName("imgExit");
    imgExit->setGeometry(393, 6, 15, 15);
    imgExit->setStatusTip(QStringLiteral("Norvane を終了します。"));
    imgReturn = new TImageEx(pnlTime);
    imgReturn->setObjectName("imgReturn");
    imgReturn->setGeometry(377, 6, 15, 15);
    imgReturn->setStatusTip(QStringLiteral("ウインドウ表示を通常モードへ切り替えます。"));
    imgMenu = new TImageEx(pnlTime);
    imgMenu->setObjectName("imgMenu");
    imgMenu->setGeometry(361, 6, 15, 15);
    imgMenu->setStatusTip(QStringLiteral("メインメニューを表示します。"));
    for (QWidget* w : {imgExit, imgReturn, imgMenu}) w->hide();
    const std::pair<TImageEx*, SimpleButton> buttons[] = {
        {imgExit, SimpleButton::Exit}, {imgReturn, SimpleButton::Return}, {imgMenu, SimpleButton::Menu}};
    for (auto [img, kind] : buttons) {
        // Highlighted under the mouse, pushed one pixel down and right while pressed.
        connect(img, &TImageEx::mouseEntered, this, [img, kind] { img->SetPicture(SimpleButtonPicture(kind, true)); });
        connect(img, &TImageEx::mouseLeft, this, [img, kind] { img->SetPicture(SimpleButtonPicture(kind, false)); });
        connect(img, &TImageEx::mousePressed, this, [img] { img->move(img->pos() + QPoint(1, 1)); });
        connect(img, &TImageEx::mouseReleased, this, [img] { img->move(img->pos() - QPoint(1, 1)); });
    }
    connect(imgExit, &TImageEx::clicked, this, &TfrmMain::imgExitClick);
    connect(imgReturn, &TImageEx::clicked, this, &TfrmMain::imgReturnClick);
    connect(imgMenu, &TImageEx::clicked, this, &TfrmMain::imgMenuClick);

    // Presses, hovers and simple-mode drags on the panel and its labels.
    pnlTime->installEventFilter(this);
    for (QObject* o : pnlTime->children())
        if (o->isWidgetType()) o->installEventFilter(this);
}

void TfrmMain::LayoutClockPanel() {
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
    // left of the three buttons as LayoutSimple places them, the widest phase
    // name inside the panel's line. A face wider than the one the row was drawn
    // for takes its pixels from the two wide gaps, the wider first, down to 4.
    const int simplePanel = kSimpleWidth - 12;
    const int buttonsLeft = simplePanel - 6 - imgExit->width() - 2 * 16;
    const QFontMetrics nameMetrics(lblVanaMoon->font());
    int widestName = 0;
    for (std::string_view name : MoonPhaseNames)
        widestName = std::max(widestName, nameMetrics.horizontalAdvance(
                                              QString::fromUtf8(name.data(), static_cast<int>(name.size()))));
    int over = std::max(right(imgVanaMoon) - (buttonsLeft - 3), lblVanaMoon->x() + widestName - (simplePanel - 2));
    while (over > 0 && std::max(afterTime, afterWeek) > 4) {
        (afterTime >= afterWeek ? afterTime : afterWeek) -= 1;
        --over;
    }
    if (afterTime != 10 || afterWeek != 8) place(afterTime, afterWeek);
}

void TfrmMain::tmrClockTimer() {
    const VanaDateTime d = GetVanaTime();
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
    if (d.Weekday != LastWeekday) {
        imgVanaWeek->SetPicture(WeekPicture(d.Weekday));
        ++pictureSwaps_;
    }
    LastWeekday = d.Weekday;
    if (d.Moon != LastMoon) {
        imgVanaMoon->SetPicture(MoonPicture(d.Moon));
        lblVanaMoon->setText(QString::fromUtf8(MoonPhaseNames[static_cast<std::size_t>(d.Moon)].data(),
                                               static_cast<int>(MoonPhaseNames[static_cast<std::size_t>(d.Moon)].size())));
        lblVanaMoon->adjustSize();
        ++pictureSwaps_;
        LastMoon = d.Moon;
    }
    if (!IsNormalMode()) return;
    switch (currentPage_) {
        case Page::Ship: UpdateShipPage(d); break;
        case Page::Guild: UpdateGuildPage(d); break;
        case Page::Racial: UpdateRacialNow(d); break;
        case Page::Chocobo: UpdateChocoboNow(d); break;
        default: break;
    }
}

void TfrmMain::SetCaptionHover(QLabel* a, QLabel* b, bool hot) {
    SetTextColour(a, hot ? kCaptionHot : kCaptionGrey);
    SetTextColour(b, hot ? kCaptionHot : kCaptionGrey);
}

bool TfrmMain::eventFilter(QObject* watched, QEvent* event) {
    const bool week = watched == imgVanaWeek || watched == lblVanaWCap1 || watched == lblVanaWCap2;
    const bool moon = watched == imgVanaMoon || watched == lblVanaMCap1 || watched == lblVanaMCap2;
    switch (event->type()) {
        case QEvent::Enter:
            if (week) SetCaptionHover(lblVanaWCap1, lblVanaWCap2, true);
            if (moon) SetCaptionHover(lblVanaMCap1, lblVanaMCap2, true);
            break;
        case QEvent::Leave:
            if (week) SetCaptionHover(lblVanaWCap1, lblVanaWCap2, false);
            if (moon) SetCaptionHover(lblVanaMCap1, lblVanaMCap2, false);
            break;
        case QEvent::MouseButtonPress: {
            auto* e = static_cast<QMouseEvent*>(event);
            dragArmed_ = false;
            if (week) {
                imgVanaWeekMouseDown();
                return true;
            }
            if (moon) {
                imgVanaMoonMouseDown();
                return true;
            }
            if (watched == imgExit || watched == imgReturn || watched == imgMenu) break;
            DragPress(watched, e);
            break;
        }
        case QEvent::MouseMove: {
            auto* e = static_cast<QMouseEvent*>(event);
            // A move over a picture after its window closed lets the next press open it.
            if (week && isActiveWindow()) WeekPopupShown = false;
            if (moon && isActiveWindow()) MoonPopupShown = false;
            if (!week && !moon && DragMove(watched, e)) return true;
            break;
        }
        default: break;
    }
    return QWidget::eventFilter(watched, event);
}

bool TfrmMain::event(QEvent* event) {
    if (event->type() == QEvent::StatusTip) {
        lblHelp->setText(static_cast<QStatusTipEvent*>(event)->tip());
        return true;
    }
    return QWidget::event(event);
}

void TfrmMain::imgVanaWeekMouseDown() {
    WeekWindow()->SetWeekday(LastWeekday);
    OpenForecast(frmWeek, imgVanaWeek, WeekPopupShown);
}

void TfrmMain::imgVanaMoonMouseDown() {
    MoonWindow()->SetMoonPhaseSource([this] { return LastMoon; });
    OpenForecast(frmMoon, imgVanaMoon, MoonPopupShown);
}

void TfrmMain::imgExitClick() { close(); }

void TfrmMain::imgReturnClick() { actNormal->trigger(); }

void TfrmMain::imgMenuClick() {
    // Directly below the button.
    mnuMain->popup(imgMenu->mapToGlobal(QPoint(0, imgMenu->height())));
    imgMenu->SetPicture(SimpleButtonPicture(SimpleButton::Menu, false));
}

void TfrmMain::OpenForecast(QWidget* popup, QWidget* picture, bool& shownFlag) {
    if (shownFlag) {
        // Our activation by this press has already closed the window.
        shownFlag = false;
        return;
    }
    shownFlag = true;
    const QPoint tl = picture->mapToGlobal(QPoint(0, 0));
    const WinRect pic{tl.x(), tl.y(), tl.x() + picture->width(), tl.y() + picture->height()};
    WinPoint p = ForecastPosition(pic, popup->width(), popup->height(), WorkArea());
    if (allways_) {
        // Let the forecast window come in front; it hands the state back on closing.
        if (QWindow* w = windowHandle()) w->setFlag(Qt::WindowStaysOnTopHint, false);
    }
    auto* f = static_cast<TForecastWindow*>(popup);
    f->SetFrameColor(Back);
    f->move(p.x, p.y);
    f->show();
    f->raise();
    f->activateWindow();
}

void TfrmMain::ForecastClosed() {
    if (allways_) ApplyAllways();
}

}  // namespace norvane
