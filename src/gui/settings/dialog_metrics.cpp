#include "gui/settings/dialog_metrics.h"

#include <QDialog>
#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QStyle>
#include <QStyleOptionButton>
#include <QVBoxLayout>
#include <algorithm>

#include "gui/main_window/app_style.h"

namespace norvane {

QString ShownCaption(const QString& text) {
    QString shown;
    shown.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i] == QLatin1Char('&') && i + 1 < text.size()) ++i;
        shown += text[i];
    }
    return shown;
}

void FitButton(QPushButton* button, QSize design) {
    QStyleOptionButton option;
    option.initFrom(button);
    if (button->autoDefault() || button->isDefault()) option.features |= QStyleOptionButton::AutoDefaultButton;
    // The style keeps its frame (and a default button's ring) around the caption;
    // two pixels more each side keep the text off the edge.
    int frame = button->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &option, button);
    if (option.features & QStyleOptionButton::AutoDefaultButton)
        frame += button->style()->pixelMetric(QStyle::PM_ButtonDefaultIndicator, &option, button);
    const QFontMetrics fm = button->fontMetrics();
    const QSize need(fm.horizontalAdvance(ShownCaption(button->text())) + 2 * frame + 4, fm.height() + 2 * frame + 2);
    button->setFixedSize(design.expandedTo(need));
}

void FitHeight(QWidget* field, int design) {
    field->setFixedHeight(std::max(design, field->minimumSizeHint().height()));
}

QHBoxLayout* ButtonRow(std::initializer_list<QPushButton*> buttons, int gap) {
    auto* row = new QHBoxLayout;
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(gap);
    row->addStretch(1);
    for (QPushButton* b : buttons) row->addWidget(b);
    return row;
}

QLabel* NewPictureLabel(const QPixmap& picture) {
    auto* l = new QLabel;
    l->setPixmap(picture);
    l->setFixedSize(picture.size());
    l->setAttribute(Qt::WA_TransparentForMouseEvents);
    return l;
}

QVBoxLayout* NewOptionPageLayout(QWidget* page) {
    auto* l = new QVBoxLayout(page);
    l->setContentsMargins(kPageMargin, kPageTop, kPageRight, 0);
    l->setSpacing(0);
    return l;
}

QVBoxLayout* AddOptionGroup(QVBoxLayout* page, const QString& caption, const QPixmap& icon) {
    auto* row = new QHBoxLayout;
    row->setSpacing(kGroupIconGap);
    QLabel* picture = NewPictureLabel(icon);
    // A smaller icon sits in the middle of the square the others fill, so that
    // every group's heading starts at the same place.
    picture->setFixedSize(picture->size().expandedTo(QSize(kGroupIconSize, kGroupIconSize)));
    picture->setAlignment(Qt::AlignCenter);
    row->addWidget(picture, 0, Qt::AlignTop);
    auto* column = new QVBoxLayout;
    column->setContentsMargins(0, kHeadingTop, 0, 0);
    column->setSpacing(0);
    auto* heading = new QHBoxLayout;
    heading->setSpacing(kRuleGap);
    auto* title = new QLabel(caption);
    title->setTextFormat(Qt::PlainText);
    title->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
    heading->addWidget(title);
    auto* rule = new QFrame;
    rule->setFrameShape(QFrame::HLine);
    rule->setFrameShadow(QFrame::Sunken);
    rule->setFixedHeight(2);
    heading->addWidget(rule, 1, Qt::AlignVCenter);
    column->addLayout(heading);
    row->addLayout(column, 1);
    row->setAlignment(column, Qt::AlignTop);
    page->addLayout(row);
    return column;
}

void FixToLayout(QDialog* dialog, QSize design) {
    QLayout* layout = dialog->layout();
    layout->activate();
    QSize size = design.expandedTo(layout->totalMinimumSize());
    if (layout->hasHeightForWidth()) size.setHeight(std::max(size.height(), layout->totalHeightForWidth(size.width())));
    FixedDialogFrame(dialog, size.width(), size.height());
    // Placed now, not at the first show: openers centre and tests measure it before.
    layout->invalidate();
    layout->activate();
}

}  // namespace norvane
