#include "gui/main_window/app_style.h"

#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QEvent>
#include <QFontMetrics>
#include <QIcon>
#include <QIconEngine>
#include <QItemDelegate>
#include <QLibraryInfo>
#include <QPainter>
#include <QTranslator>
#include <QWidget>
#include <algorithm>

#include "platform_gui/ui_font.h"

namespace norvane {

namespace {

// A double chevron pointing right (horizontal bars) or down (vertical bars),
// drawn when first shown: every menu bar and toolbar asks for one, and most
// never show theirs.
class ExtensionIconEngine : public QIconEngine {
public:
    ExtensionIconEngine(bool horizontal, const QColor& colour) : horizontal_(horizontal), colour_(colour) {}

    void paint(QPainter* p, const QRect& rect, QIcon::Mode, QIcon::State) override {
        p->save();
        // Laid out on a 16 x 16 grid, centred in whatever the caller asks for.
        const int side = std::min(rect.width(), rect.height());
        p->translate(rect.x() + (rect.width() - side) / 2, rect.y() + (rect.height() - side) / 2);
        p->scale(side / 16.0, side / 16.0);
        p->setPen(colour_);
        for (int k = 0; k < 2; ++k) {
            const int at = 4 + 4 * k;
            for (int d = 0; d < 3; ++d) {
                if (horizontal_) {
                    p->drawLine(at + d, 5 + d, at + d, 11 - d);
                } else {
                    p->drawLine(5 + d, at + d, 11 - d, at + d);
                }
            }
        }
        p->restore();
    }

    QIconEngine* clone() const override { return new ExtensionIconEngine(horizontal_, colour_); }

private:
    bool horizontal_;
    QColor colour_;
};

// Passes the wheel on to the parent of a box that does not have the focus. An
// ignored wheel event from the window system travels on to the parent widgets.
class FocusedWheelFilter : public QObject {
public:
    explicit FocusedWheelFilter(QObject* parent) : QObject(parent) {}

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Wheel && !static_cast<QWidget*>(watched)->hasFocus()) {
            event->ignore();
            return true;
        }
        return QObject::eventFilter(watched, event);
    }
};

// The rows of a choice box's list: as tall as the text's glyphs need, with a
// pixel or two to spare. The default takes the height of the face's first font,
// which may be less than that of the Japanese glyphs drawn from another font,
// and the top row then loses the top of its text to the list's frame.
class TChoiceItemDelegate : public QItemDelegate {
public:
    using QItemDelegate::QItemDelegate;

    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override {
        QSize size = QItemDelegate::sizeHint(option, index);
        const int ink = QFontMetrics(option.font).boundingRect(index.data(Qt::DisplayRole).toString()).height();
        size.setHeight(std::max(size.height(), ink + kChoiceRowLeading));
        return size;
    }
};

}  // namespace

TAppStyle::TAppStyle() = default;

QIcon TAppStyle::standardIcon(StandardPixmap standardIcon, const QStyleOption* option,
                              const QWidget* widget) const {
    switch (standardIcon) {
        case SP_ToolBarHorizontalExtensionButton:
        case SP_ToolBarVerticalExtensionButton: {
            const QColor colour = widget ? widget->palette().color(QPalette::ButtonText)
                                         : QApplication::palette().color(QPalette::ButtonText);
            return QIcon(new ExtensionIconEngine(standardIcon == SP_ToolBarHorizontalExtensionButton, colour));
        }
        default: return QProxyStyle::standardIcon(standardIcon, option, widget);
    }
}

void TAppStyle::polish(QWidget* widget) {
    QProxyStyle::polish(widget);
    if (auto* box = qobject_cast<QComboBox*>(widget); box && !dynamic_cast<TChoiceItemDelegate*>(box->itemDelegate()))
        box->setItemDelegate(new TChoiceItemDelegate(box));
}

int TAppStyle::styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
                         QStyleHintReturn* returnData) const {
    // A list below the box, not a menu over it: the menu form shows every entry
    // (thirty timer sets) and ignores the box's maximum of visible lines.
    if (hint == SH_ComboBox_Popup) return 0;
    // Without it a menu of a thousand skins would break into screen-high columns.
    if (hint == SH_Menu_Scrollable) return 1;
    return QProxyStyle::styleHint(hint, option, widget, returnData);
}

void InstallAppStyle() {
    // Asking the application for its style would first build the default one.
    static bool installed = false;
    if (installed) return;
    installed = true;
    QApplication::setStyle(new TAppStyle);
}

void InstallJapaneseUi() {
    static bool installed = false;
    if (installed || !QCoreApplication::instance()) return;
    installed = true;
    auto* qt = new QTranslator(QCoreApplication::instance());
    if (qt->load(QStringLiteral("qtbase_ja"), QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(qt);
    else
        delete qt;  // Qt's texts stay English; everything of the program's own is Japanese still
    QApplication::setFont(UiFont(12));
}

void WheelOnlyWhenFocused(QComboBox* box) {
    // Not the default wheel focus: a turn of the wheel would take the focus first.
    box->setFocusPolicy(Qt::StrongFocus);
    box->installEventFilter(new FocusedWheelFilter(box));
}

void FixedDialogFrame(QDialog* dialog, int width, int height) {
    const Qt::WindowFlags onTop = dialog->windowFlags() & Qt::WindowStaysOnTopHint;
    dialog->setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint |
                           onTop);
    dialog->setFixedSize(width, height);
}

}  // namespace norvane
