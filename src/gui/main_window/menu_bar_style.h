#pragma once
// The main window's menu bar shows a top item's picture beside its caption, as
// the toolbar does, where the platform's style would show the picture alone.
class QMenuBar;

namespace norvane {

// Gives `bar` a style of its own (owned by the bar) that draws each top item
// with a picture as the picture, a small gap and the caption.
void ShowPicturesBesideCaptions(QMenuBar* bar);

}  // namespace norvane
