#pragma once
// The tab colours, caption font style and cursor of a `TLinePageControl`.
#include <QCursor>
#include <QFlags>
#include <QObject>

#include "gui/controls/gdi.h"

namespace norvane {

enum FontStyle { fsBold = 0x1, fsItalic = 0x2, fsUnderline = 0x4, fsStrikeOut = 0x8 };
Q_DECLARE_FLAGS(FontStyles, FontStyle)
Q_DECLARE_OPERATORS_FOR_FLAGS(FontStyles)

// Colours, caption style and cursor of the tabs. Colour and font-style changes
// repaint the page control; a cursor change only takes effect at the next hover.
class TTabStyle : public QObject {
    Q_OBJECT
public:
    explicit TTabStyle(QObject* parent = nullptr);

    // Caption of the tab under the mouse (not necessarily the active page's).
    Colour ActiveFontColor() const { return activeFontColor_; }
    void SetActiveFontColor(Colour value);
    // Fill of the active page's tab, and of the whole strip in panel style.
    Colour ActiveTabColor() const { return activeTabColor_; }
    void SetActiveTabColor(Colour value);
    Colour PassiveFontColor() const { return passiveFontColor_; }
    void SetPassiveFontColor(Colour value);
    Colour PassiveTabColor() const { return passiveTabColor_; }
    void SetPassiveTabColor(Colour value);
    FontStyles TabFontStyle() const { return tabFontStyle_; }
    void SetTabFontStyle(FontStyles value);
    // Mouse cursor over a tab.
    const QCursor& Cursor() const { return cursor_; }
    void SetCursor(const QCursor& value) { cursor_ = value; }

signals:
    void changed();

private:
    Colour activeFontColor_ = Rgb(255, 0, 0);
    Colour activeTabColor_ = PaletteColour(QPalette::Base);
    Colour passiveFontColor_ = Rgb(0, 0, 255);
    Colour passiveTabColor_ = Rgb(255, 251, 240);
    FontStyles tabFontStyle_ = fsBold;
    QCursor cursor_{Qt::ArrowCursor};
};

}  // namespace norvane
