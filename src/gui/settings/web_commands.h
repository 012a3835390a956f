#pragma once
// The main window's commands that lead to the maker: the web page, the update
// program and the version dialog.
class QAction;
class QWidget;

namespace norvane {

// After the confirmation, the program's web page opens in the browser.
void actWebExecute(QWidget* window);
// After the confirmation, the update program beside the executable starts,
// detached, told the window's left edge and the product version. A missing
// program or a failed start says nothing.
void actUpdateExecute(QWidget* window);
// The version dialog, modal, in the window's font face.
void actVersionExecute(QWidget* window);

// Points the three actions at the commands above, for `window`.
void ConnectWebCommands(QWidget* window, QAction* actWeb, QAction* actUpdate, QAction* actVersion);

}  // namespace norvane
