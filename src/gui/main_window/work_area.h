#pragma once
// The desktop's work area (the screen less its panels) where a window stands.
#include "core/main_window/window_geometry.h"

class QSize;
class QWidget;

namespace norvane {

// The work area of the screen holding `widget`'s window, else of the primary screen.
QRect DesktopWorkArea(const QWidget* widget);

// Moves a sub-dialog to where it opens over `owner`: its frame centred on the
// owner's frame and held inside the work area. Nothing without an owner.
void PlaceOverOwner(QWidget* dialog, const QWidget* owner);

// A window's outer size, from its size and its frame's. Before it is shown a
// window has no frame yet: it will get the one the window manager gave the
// model window (its owner).
QSize OuterSize(QSize size, QSize frame, QSize modelSize, QSize modelFrame);

}  // namespace norvane
