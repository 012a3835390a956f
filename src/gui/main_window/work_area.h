#pragma once
// The desktop's work area (the screen less its panels) where a window stands.
#include "core/main_window/window_geometry.h"

class QWidget;

namespace norvane {

// The work area of the screen holding `widget`'s window, else of the primary screen.
WinRect DesktopWorkArea(const QWidget* widget);

}  // namespace norvane
