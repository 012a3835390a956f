#pragma once
// The main window's geometry rules as pure functions: fitting to the work area,
// hit testing of the self-drawn frame, the window shape, the forecast windows'
// placement and the simple-mode drag. Rectangles are edge-exclusive on the
// right and bottom (right = left + width).
#include <vector>

namespace norvane {

struct WinRect {
    int left = 0, top = 0, right = 0, bottom = 0;
    int width() const { return right - left; }
    int height() const { return bottom - top; }
    friend bool operator==(const WinRect&, const WinRect&) = default;
};

struct WinPoint {
    int x = 0, y = 0;
    friend bool operator==(const WinPoint&, const WinPoint&) = default;
};

// Frame metrics of this platform.
inline constexpr int kFrameX = 4;      // SM_CXFRAME
inline constexpr int kFrameY = 4;      // SM_CYFRAME
inline constexpr int kSmallIcon = 16;  // SM_CXSMICON
inline constexpr int kCaptionHeight = 27;

// A position fitted to the work area: not above or left of it by more than 3
// pixels, then moved back so the far edges stay inside (that rule wins).
WinPoint FitToWorkArea(const WinRect& workArea, WinPoint pos, int width, int height);

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
std::vector<WinRect> WindowShape(int cw, int ch, bool maximized);

// Icon area (closes on click, opens the system menu on a left press) and the
// caption strip (system menu on a right press), in client coordinates.
bool InIconArea(int x, int y);
bool InCaptionStrip(int x, int y, int cw);

// Top-left of a forecast window placed under a picture whose rectangle is given in
// screen coordinates, held inside the work area.
WinPoint ForecastPosition(const WinRect& pictureOnScreen, int popupWidth, int popupHeight,
                          const WinRect& workArea);

// New window position while dragging in simple mode: the pressed point follows the
// mouse, and the window stays inside the work area captured at the press.
WinPoint SimpleDragPosition(WinPoint windowPos, int width, int height, WinPoint mouse,
                            WinPoint dragOrigin, const WinRect& workArea);

}  // namespace norvane
