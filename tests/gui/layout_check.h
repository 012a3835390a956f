#pragma once
// Layout properties of a shown window, whatever its face or scale: no visible
// control is cut by its parent or by the window, no two visible sibling
// controls overlap, and every caption fits the control that shows it. Also a
// click on a group box's title check box, for the tests of such groups.
#include <QAbstractScrollArea>
#include <QAbstractSpinBox>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QStackedWidget>
#include <QStringList>
#include <QStyle>
#include <QStyleOptionButton>
#include <QStyleOptionGroupBox>
#include <QTabBar>
#include <QTabWidget>
#include <QTest>
#include <QTextDocumentFragment>
#include <QToolButton>
#include <QStyleOptionComboBox>
#include <QStyleOptionToolButton>
#include <QFontDatabase>
#include <QRegularExpression>
#include <gtest/gtest.h>
#include <string>

#include "gui/controls/image_label.h"
#include "platform_gui/ui_font.h"

namespace norvane {

namespace layout_check {

inline QString Name(const QWidget* w) {
    const QString name = w->objectName();
    if (!name.isEmpty()) return name;
    if (const auto* l = qobject_cast<const QLabel*>(w)) return QStringLiteral("label \"%1\"").arg(l->text());
    if (const auto* b = qobject_cast<const QAbstractButton*>(w)) return QStringLiteral("button \"%1\"").arg(b->text());
    return QString::fromLatin1(w->metaObject()->className());
}

inline QString Shown(const QString& caption) {
    QString shown;
    for (qsizetype i = 0; i < caption.size(); ++i) {
        if (caption[i] == QLatin1Char('&') && i + 1 < caption.size()) ++i;
        shown += caption[i];
    }
    return shown;
}

// Controls drawn as one piece: their inner widgets are the control's business.
inline bool IsWhole(const QWidget* w) {
    return qobject_cast<const QAbstractScrollArea*>(w) || qobject_cast<const QComboBox*>(w) ||
           qobject_cast<const QAbstractSpinBox*>(w) || qobject_cast<const QTabBar*>(w) ||
           qobject_cast<const QAbstractButton*>(w);
}

inline int WidestLine(const QFontMetrics& fm, const QString& text) {
    int widest = 0;
    for (const QString& line : text.split(QLatin1Char('\n'))) widest = std::max(widest, fm.horizontalAdvance(line));
    return widest;
}

inline void CheckCaption(const QWidget* w, QStringList& faults) {
    const QFontMetrics fm = w->fontMetrics();
    const auto fits = [&](const QString& text, const QRect& room) {
        const int lines = static_cast<int>(text.count(QLatin1Char('\n')) + 1);
        if (WidestLine(fm, text) > room.width() || lines * fm.height() > room.height())
            faults << QStringLiteral("%1: caption needs %2 x %3, has %4 x %5")
                          .arg(Name(w))
                          .arg(WidestLine(fm, text))
                          .arg(lines * fm.height())
                          .arg(room.width())
                          .arg(room.height());
    };
    if (const auto* l = qobject_cast<const QLabel*>(w)) {
        if (l->text().isEmpty()) return;
        const QRect room = l->contentsRect().adjusted(l->margin(), l->margin(), -l->margin(), -l->margin());
        if (l->wordWrap()) {
            if (l->heightForWidth(room.width()) > l->height())
                faults << QStringLiteral("%1: wrapped text needs %2 high, has %3")
                              .arg(Name(w))
                              .arg(l->heightForWidth(room.width()))
                              .arg(l->height());
            return;
        }
        // A caption that ends in "…" where it is cut shows what it draws.
        const auto* image = qobject_cast<const TImageLabel*>(l);
        fits(image               ? image->ShownText()
             : l->textFormat() == Qt::RichText ? QTextDocumentFragment::fromHtml(l->text()).toPlainText()
                                               : Shown(l->text()),
             room);
    } else if (const auto* b = qobject_cast<const QPushButton*>(w)) {
        QStyleOptionButton o;
        o.initFrom(b);
        o.text = b->text();
        if (b->autoDefault() || b->isDefault()) o.features |= QStyleOptionButton::AutoDefaultButton;
        fits(Shown(b->text()), b->style()->subElementRect(QStyle::SE_PushButtonContents, &o, b));
    } else if (qobject_cast<const QCheckBox*>(w) || qobject_cast<const QRadioButton*>(w)) {
        const auto* box = static_cast<const QAbstractButton*>(w);
        QStyleOptionButton o;
        o.initFrom(box);
        o.text = box->text();
        const bool check = qobject_cast<const QCheckBox*>(w);
        const QRect contents = box->style()->subElementRect(
            check ? QStyle::SE_CheckBoxContents : QStyle::SE_RadioButtonContents, &o, box);
        fits(Shown(box->text()), contents.intersected(box->rect()));
    } else if (const auto* t = qobject_cast<const QToolButton*>(w)) {
        if (t->toolButtonStyle() == Qt::ToolButtonIconOnly || t->text().isEmpty()) return;
        // What the style keeps around a tool button's contents, the rest for the caption.
        QStyleOptionToolButton o;
        o.initFrom(t);
        o.toolButtonStyle = t->toolButtonStyle();
        const QSize frame = t->style()->sizeFromContents(QStyle::CT_ToolButton, &o, QSize(0, 0), t);
        fits(Shown(t->text()), QRect(QPoint(), t->size() - frame));
    } else if (const auto* c = qobject_cast<const QComboBox*>(w)) {
        if (c->currentText().isEmpty()) return;
        QStyleOptionComboBox o;
        o.initFrom(c);
        o.editable = c->isEditable();
        fits(c->currentText(), c->style()->subControlRect(QStyle::CC_ComboBox, &o, QStyle::SC_ComboBoxEditField, c));
    } else if (const auto* g = qobject_cast<const QGroupBox*>(w)) {
        if (g->title().isEmpty()) return;
        QStyleOptionGroupBox o;
        o.initFrom(g);
        o.text = g->title();
        o.lineWidth = 1;
        o.subControls = QStyle::SC_GroupBoxFrame | QStyle::SC_GroupBoxLabel;
        if (g->isCheckable()) o.subControls |= QStyle::SC_GroupBoxCheckBox;
        o.textAlignment = g->alignment();
        const QRect label = g->style()->subControlRect(QStyle::CC_GroupBox, &o, QStyle::SC_GroupBoxLabel, g);
        QRect title = label.united(g->isCheckable() ? g->style()->subControlRect(
                                                          QStyle::CC_GroupBox, &o, QStyle::SC_GroupBoxCheckBox, g)
                                                    : label);
        if (!g->rect().contains(title) || fm.horizontalAdvance(Shown(g->title())) > label.width())
            faults << QStringLiteral("%1: title needs %2, the box is %3 wide")
                          .arg(Name(w))
                          .arg(title.x() + title.width())
                          .arg(g->width());
    }
}

inline void Walk(const QWidget* window, const QWidget* parent, QStringList& faults, int sharedEdge) {
    const QRect windowRect = window->rect();
    std::vector<const QWidget*> shown;
    for (const QObject* o : parent->children()) {
        const auto* w = qobject_cast<const QWidget*>(o);
        if (!w || w->isWindow() || !w->isVisible() || w->size().isEmpty()) continue;
        // What the mouse passes through is drawing under or over the controls
        // (a page's bands and frames), not a control.
        if (w->testAttribute(Qt::WA_TransparentForMouseEvents)) continue;
        shown.push_back(w);
        if (!parent->rect().contains(w->geometry()))
            faults << QStringLiteral("%1 is cut by %2").arg(Name(w), Name(parent));
        const QRect inWindow(w->mapTo(window, QPoint(0, 0)), w->size());
        if (!windowRect.contains(inWindow)) faults << QStringLiteral("%1 is cut by the window").arg(Name(w));
        CheckCaption(w, faults);
        if (!IsWhole(w)) Walk(window, w, faults, sharedEdge);
    }
    // A tab control's pages lie under its tab bar's corner; they are not siblings side by side.
    if (qobject_cast<const QTabWidget*>(parent) || qobject_cast<const QStackedWidget*>(parent)) return;
    for (std::size_t i = 0; i < shown.size(); ++i)
        for (std::size_t j = i + 1; j < shown.size(); ++j)
            if (const QRect both = shown[i]->geometry().intersected(shown[j]->geometry());
                both.width() > sharedEdge && both.height() > sharedEdge)
                faults << QStringLiteral("%1 overlaps %2").arg(Name(shown[i]), Name(shown[j]));
}

}  // namespace layout_check

// A click on the check box that titles `group`, as the mouse gives it.
inline void ClickTitleCheckBox(QGroupBox* group) {
    QStyleOptionGroupBox o;
    o.initFrom(group);
    o.text = group->title();
    o.lineWidth = 1;
    o.subControls = QStyle::SC_GroupBoxFrame | QStyle::SC_GroupBoxLabel | QStyle::SC_GroupBoxCheckBox;
    const QRect box = group->style()->subControlRect(QStyle::CC_GroupBox, &o, QStyle::SC_GroupBoxCheckBox, group);
    QTest::mouseClick(group, Qt::LeftButton, {}, box.center());
}

// The program's face first, then every other installed face that writes Japanese.
inline QStringList JapaneseFaces() {
    QStringList faces{UiFamily()};
    for (const QString& f : QFontDatabase::families(QFontDatabase::Japanese))
        if (!faces.contains(f) && !QFontDatabase::isPrivateFamily(f)) faces << f;
    return faces;
}

// A test name for a face: its letters and digits.
inline std::string FaceTestName(const testing::TestParamInfo<QString>& face) {
    QString name = face.param;
    name.remove(QRegularExpression(QStringLiteral("[^A-Za-z0-9]")));
    return name.isEmpty() ? QStringLiteral("face%1").arg(face.index).toStdString() : name.toStdString();
}

// Every fault of the shown `window`, one line each; none when it is well laid
// out. Controls may share `sharedEdge` pixels along an edge (the columns of a
// schedule page share the pixel their frame line runs on).
inline QStringList LayoutFaults(const QWidget* window, int sharedEdge = 0) {
    QStringList faults;
    layout_check::Walk(window, window, faults, sharedEdge);
    return faults;
}

}  // namespace norvane
