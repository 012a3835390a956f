#pragma once
// The desktop's work area (the screen less its panels) where a window stands.
#include "core/main_window/window_geometry.h"

class QWidget;

namespace norvane {

// The work area of the screen holding `widget`'s window, else of the primary screen.
WinRect DesktopWorkArea(const QWidget* widget);

// Moves a sub-dialog to where it opens over `owner`: centred on it and held
// inside the work area. Nothing without an owner.
void PlaceOverOwner(QWidget* dialog, const QWidget* owner);

}  // namespace norvane
