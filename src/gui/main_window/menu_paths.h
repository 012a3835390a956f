#pragma once
// Finding and building menu items by caption. Captions compare as players read
// them: hot-key ampersands, a trailing Japanese-style hot key "(&X)" and case do
// not matter, so "メニュー" finds "メニュー(&M)".
#include <QString>
#include <QStringList>

class QAction;
class QMenu;
class QMenuBar;
class QObject;

namespace norvane {

// The caption as compared: no hot-key marks, folded case.
QString PlainCaption(const QString& caption);
bool SameCaption(const QString& a, const QString& b);

// An item of a menu bar and the menu that holds it.
struct MenuItemRef {
    QMenu* parent = nullptr;
    QAction* item = nullptr;
    explicit operator bool() const { return item != nullptr; }
};

// Follows `path` from the menu bar's top items, one level per caption; empty
// when a caption is not found (the top level has no parent menu).
MenuItemRef FindMenuItem(QMenuBar* bar, const QStringList& path);

// The category an action belongs to ("ページ", "メニュー", ...), kept as a property.
void SetCategory(QAction* action, const QString& category);
QString CategoryOf(const QAction* action);

// Collects the actions of `owner` (its direct children, in creation order)
// whose category is `caption`, and puts them into a new submenu of that caption
// in the anchor's menu at the anchor's index plus `offset`. Returns the submenu.
QMenu* BuildCategoryMenu(QObject* owner, const QString& caption, const MenuItemRef& anchor, int offset);

}  // namespace norvane
