#pragma once
// The main window's geometry rules as pure functions: fitting to the work area,
// hit testing of the self-drawn frame, the window shape, the forecast windows'
// placement and the simple-mode drag. A rectangle's far edges are x() + width()
// and y() + height(), one past QRect's right() and bottom().
#include <QPoint>
#include <QRect>
#include <vector>

namespace norvane {

// The self-drawn frame's metrics, fixed by its design: the border's width and
// height, the icon's size and the caption's height.
inline constexpr int kFrameX = 4;
inline constexpr int kFrameY = 4;
inline constexpr int kSmallIcon = 16;
inline constexpr int kCaptionHeight = 27;

// A position fitted to the work area: not above or left of it by more than 3
// pixels, then moved back so the far edges stay inside (that rule wins).
QPoint FitToWorkArea(const QRect& workArea, QPoint pos, int width, int height);

enum class HitArea {
    Default,
    Caption,
    Left,
    Right,
    Top,
    TopLeft,
    TopRight,
    Bottom,
    BottomLeft,
    BottomRight,
};

// Hit test of a client point (x, y) in a client area cw x ch; first match wins.
HitArea FrameHitTest(int x, int y, int cw, int ch, bool leftButtonDown);

// The window shape as row spans: a rounded outline following the frame's
// staircase corners, or the whole rectangle when maximized.
std::vector<QRect> WindowShape(int cw, int ch, bool maximized);

// Icon area (closes on click, opens the system menu on a left press) and the
// caption strip (system menu on a right press), in client coordinates.
bool InIconArea(int x, int y);
bool InCaptionStrip(int x, int y, int cw);

// Top-left of a forecast window placed under a picture whose rectangle is given in
// screen coordinates, held inside the work area.
QPoint ForecastPosition(const QRect& pictureOnScreen, int popupWidth, int popupHeight,
                          const QRect& workArea);

// Where a sub-dialog of size w x h opens over its owner: centred on it, then
// held inside the work area, the right and bottom edges winning for a dialog
// larger than the work area.
QPoint SubDialogPosition(const QRect& owner, int w, int h, const QRect& workArea);

// New window position while dragging in simple mode: the pressed point follows the
// mouse, and the window stays inside the work area captured at the press.
QPoint SimpleDragPosition(QPoint windowPos, int width, int height, QPoint mouse,
                            QPoint dragOrigin, const QRect& workArea);

}  // namespace norvane
