#pragma once
// The pictures of the window's commands, 16 x 16: 0 menu, 1 time
// synchronisation, 2 simple mode, 3 always on top off, 4 always on top on.
#include <QIcon>

namespace norvane {

// An empty icon for an index outside the list.
QIcon CommandIcon(int index);

}  // namespace norvane
