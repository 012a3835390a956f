#pragma once
// The desktop's session bus, reached early.
//
// Qt's accessibility bridge asks for the session bus the first time a widget
// changes its text, which happens while the main window is being built. Asking
// blocks until the bus answers, or, where no bus runs, until the attempt to
// start one has failed. Connecting from a pool thread right after the
// application object exists takes that wait off the window's way; the bridge
// then finds the connection made (or known to be missing).
namespace norvane {

// Starts the connection on a pool thread and returns at once. Only the first
// call does anything; it needs the application object to exist.
void PrepareDesktopBus();

}  // namespace norvane
