#pragma once
// Which of the desktop's display servers the window opens on.
#include <string>

namespace norvane {

// The Qt platform to ask for, given the environment's QT_QPA_PLATFORM, DISPLAY
// and WAYLAND_DISPLAY (null when unset); empty to leave Qt's own choice. The
// window keeps its place and stays on top only under X, so the X server is
// preferred, also XWayland in a Wayland session; native Wayland remains the
// fallback when that server cannot be reached. A platform the user named wins.
std::string PreferredDisplayPlatform(const char* qtPlatform, const char* display, const char* waylandDisplay);

// Applies that choice to this process (QT_QPA_PLATFORM); to be called before
// the application object is made.
void PreferXDisplay();

}  // namespace norvane
