#pragma once
// Making the program's named labels, one way for every window and page.
#include <QPoint>
#include <QSize>
#include <QString>

class QColor;
class QFontMetrics;
class QLabel;
class QLineEdit;
class QWidget;

namespace norvane {

// A label named `name` at `pos` on `parent`. Without a size it is sized to its
// text; with one it keeps that size, plain and left-aligned, so that a new text
// never asks the parent for a relayout (the ticks stay cheap).
QLabel* MakeLabel(QWidget* parent, const QString& name, const QString& text, QPoint pos,
                  QSize fixedSize = {});

// Sets the text colour only when it differs: every palette change repaints.
void SetTextColour(QLabel* label, const QColor& colour);

// Whether a line may break before position `at` of `text` (0 < at < size):
// after a blank, a hyphen or a closing mark (、。，？！), and where a run of hiragana (the
// end of a Japanese phrase: "接続が" "必要です。") meets the next word. Never
// inside a word of kanji, katakana or Latin letters ("バス大工房", "です").
bool PhraseBreakAllowed(const QString& text, int at);

// `text` with line breaks where it must wrap to fit `width` pixels, each at a
// place PhraseBreakAllowed permits; the blank at a break goes. Breaks already in
// the text stay. A phrase wider than the whole width stays on its own line.
QString WrapAtPhrases(const QString& text, const QFontMetrics& metrics, int width);

// The width an edit box needs to show `sample` whole in its face and style.
int LineEditWidthFor(const QLineEdit* edit, const QString& sample);

}  // namespace norvane
