#pragma once
// The program's own pictures, drawn once on first use and kept for the life of
// the process. Call only after the QApplication exists.
#include <QCursor>
#include <QIcon>
#include <QPixmap>
#include <QVector>

namespace norvane {

// imgWeek: 8 pictures 32x32, index = Weekday (火 土 水 風 氷 雷 光 闇).
const QVector<QPixmap>& WeekPictures();
// One of them (a null picture for an index out of range), drawn on first use.
const QPixmap& WeekPicture(int weekday);
// imgWeekG: the same, grey, for the weekdays the forecast strip does not mark.
const QVector<QPixmap>& WeekGreyPictures();
// imgMoon: 12 pictures 32x32, index = Moon (二十日月 ... 新月 ... 満月 ... 下弦の月).
const QVector<QPixmap>& MoonPictures();
const QPixmap& MoonPicture(int moon);
// imgWeekS, imgMoonS: 16x16 versions for the calendar rows.
const QVector<QPixmap>& WeekSmallPictures();
const QVector<QPixmap>& MoonSmallPictures();
// imgBall: 3 ballista match icons 50x15, index = match (0 サンドリア vs. バストゥーク,
// 1 サンドリア vs. ウィンダス, 2 バストゥーク vs. ウィンダス).
const QVector<QPixmap>& BallistaPictures();
// imgArrow: 12 ring markers 16x16 of the moon forecast, marker i pointing out
// from the ring's centre towards moon picture i.
const QVector<QPixmap>& ArrowPictures();
// A 16x16 check mark.
const QPixmap& CheckPicture();

// imgClock 32x32, imgLogo 46x32 and the window icon (16, 24, 32, 48 pixels).
const QPixmap& ClockPicture();
const QPixmap& LogoPicture();
const QIcon& WindowIcon();
// The window icon's picture drawn at `size` x `size` pixels, for the icon files
// an installed desktop shows in its menus.
QImage WindowIconImage(int size);

// The simple-mode image buttons, 15x15: normal (N) and highlighted (A) faces.
enum class SimpleButton { Exit, Return, Menu };
const QPixmap& SimpleButtonPicture(SimpleButton button, bool highlighted);

// The pointing hand for clickable pictures and captions.
const QCursor& PointCursor();

// Starts drawing the pictures the first window shows (clock, logo, icon, hand,
// simple-mode buttons, and the given weekday and moon) on a worker thread, so
// the window's construction goes on meanwhile; the accessors above take them
// from there, waiting if they are not done yet. Once per process.
void PrepareStartupPictures(int weekday, int moon);

}  // namespace norvane
