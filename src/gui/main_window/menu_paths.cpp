#include "gui/main_window/menu_paths.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>

namespace norvane {

// By hand rather than with a regular expression: the window compares captions
// while it is built, and the expression engine would be loaded for this alone.
QString PlainCaption(const QString& caption) {
    QString s;
    s.reserve(caption.size());
    for (qsizetype i = 0; i < caption.size(); ++i) {
        // A Japanese hot key "(&X)" goes whole, any other '&' alone.
        if (caption[i] == u'(' && i + 3 < caption.size() && caption[i + 1] == u'&' && caption[i + 2] != u')' &&
            caption[i + 3] == u')') {
            i += 3;
            continue;
        }
        if (caption[i] != u'&') s += caption[i];
    }
    return s.trimmed().toCaseFolded();
}

bool SameCaption(const QString& a, const QString& b) { return PlainCaption(a) == PlainCaption(b); }

MenuItemRef FindMenuItem(QMenuBar* bar, const QStringList& path) {
    if (!bar || path.isEmpty()) return {};
    QList<QAction*> items = bar->actions();
    MenuItemRef found;
    for (const QString& caption : path) {
        QAction* hit = nullptr;
        for (QAction* a : items)
            if (!a->isSeparator() && SameCaption(a->text(), caption)) {
                hit = a;
                break;
            }
        if (!hit) return {};
        found.item = hit;
        if (&caption == &path.back()) break;
        QMenu* sub = hit->menu();
        if (!sub) return {};
        found.parent = sub;
        items = sub->actions();
    }
    return found;
}

void SetCategory(QAction* action, const QString& category) { action->setProperty("category", category); }

QString CategoryOf(const QAction* action) { return action->property("category").toString(); }

QMenu* BuildCategoryMenu(QObject* owner, const QString& caption, const MenuItemRef& anchor, int offset) {
    if (!anchor.parent || !anchor.item) return nullptr;
    auto* sub = new QMenu(caption, anchor.parent);
    for (QAction* a : owner->findChildren<QAction*>(QString(), Qt::FindDirectChildrenOnly))
        if (SameCaption(CategoryOf(a), caption)) sub->addAction(a);
    const QList<QAction*> items = anchor.parent->actions();
    const qsizetype at = items.indexOf(anchor.item) + offset;
    if (at >= 0 && at < items.size())
        anchor.parent->insertMenu(items[at], sub);
    else
        anchor.parent->addMenu(sub);
    return sub;
}

}  // namespace norvane
