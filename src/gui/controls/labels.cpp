#include "gui/controls/labels.h"

#include <QFontMetrics>
#include <QLabel>
#include <QLineEdit>
#include <QStyle>
#include <QStyleOptionFrame>
#include <QStringList>

namespace norvane {

QLabel* MakeLabel(QWidget* parent, const QString& name, const QString& text, QPoint pos, QSize fixedSize) {
    auto* l = new QLabel(text, parent);
    l->setObjectName(name);
    l->move(pos);
    if (fixedSize.isValid()) {
        l->setFixedSize(fixedSize);
        l->setTextFormat(Qt::PlainText);
        l->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    } else {
        l->adjustSize();
    }
    return l;
}

void SetTextColour(QLabel* label, const QColor& colour) {
    QPalette pal = label->palette();
    if (pal.color(QPalette::WindowText) == colour) return;
    pal.setColor(QPalette::WindowText, colour);
    label->setPalette(pal);
}

namespace {

bool IsHiragana(QChar c) { return c.unicode() >= 0x3041 && c.unicode() <= 0x309F; }

bool IsClosingMark(QChar c) {
    return c == QChar(0x3001) || c == QChar(0x3002) || c == QChar(0xFF0C) || c == QChar(0xFF1F) || c == QChar(0xFF01);
}

// Marks no line may start with: closing punctuation and the small kana's kin.
bool NeverStartsALine(QChar c) {
    return IsClosingMark(c) || c == QChar(0x30FC) || c == ',' || c == '.' || c == ')' || c == QChar(0xFF09) ||
           c == QChar(0x300D) || c == QChar(0x3011);
}

// One paragraph, greedily: as many whole phrases on each line as fit.
QString WrapParagraph(const QString& text, const QFontMetrics& metrics, int width) {
    QStringList lines;
    int lineStart = 0, lastBreak = -1;
    for (int at = 1; at <= text.size(); ++at) {
        if (at < text.size() && !PhraseBreakAllowed(text, at)) continue;
        // [lineStart, at) is the line if it breaks here.
        const QString candidate = text.mid(lineStart, at - lineStart).trimmed();
        if (metrics.horizontalAdvance(candidate) > width && lastBreak > lineStart) {
            lines << text.mid(lineStart, lastBreak - lineStart).trimmed();
            lineStart = lastBreak;
        }
        lastBreak = at;
    }
    lines << text.mid(lineStart).trimmed();
    return lines.join(QLatin1Char('\n'));
}

}  // namespace

bool PhraseBreakAllowed(const QString& text, int at) {
    if (at <= 0 || at >= text.size()) return false;
    const QChar before = text[at - 1], after = text[at];
    if (after == ' ' || NeverStartsALine(after)) return false;
    if (before == ' ' || before == '-' || IsClosingMark(before)) return true;
    return IsHiragana(before) && !IsHiragana(after);
}

int LineEditWidthFor(const QLineEdit* edit, const QString& sample) {
    QStyleOptionFrame option;
    option.initFrom(edit);
    option.lineWidth = edit->hasFrame() ? edit->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &option, edit) : 0;
    option.midLineWidth = 0;
    option.state |= QStyle::State_Sunken;
    const QMargins margins = edit->textMargins();
    // The edit keeps 2 pixels each side of its text and one for the cursor.
    const int text = edit->fontMetrics().horizontalAdvance(sample) + 2 * 2 + 1 + margins.left() + margins.right();
    return edit->style()
        ->sizeFromContents(QStyle::CT_LineEdit, &option, QSize(text, edit->fontMetrics().height()), edit)
        .width();
}

QString WrapAtPhrases(const QString& text, const QFontMetrics& metrics, int width) {
    QStringList paragraphs = text.split(QLatin1Char('\n'));
    for (QString& p : paragraphs) p = WrapParagraph(p, metrics, width);
    return paragraphs.join(QLatin1Char('\n'));
}

}  // namespace norvane
