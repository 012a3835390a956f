// The application style: the platform's own, with the few standard icons that
// every window needs at start-up drawn here. Taking them from the style's image
// files would make Qt probe every image-format plugin on the first load (about
// 1.5 MB of libraries for two small arrows). Choice boxes drop down a list of at
// most their visible lines; a menu taller than the screen scrolls.
#pragma once

#include <QProxyStyle>

class QComboBox;
class QDialog;

namespace norvane {

inline constexpr int kChoiceRowLeading = 4;

class TAppStyle : public QProxyStyle {
    Q_OBJECT

public:
    TAppStyle();
    QIcon standardIcon(StandardPixmap standardIcon, const QStyleOption* option = nullptr,
                       const QWidget* widget = nullptr) const override;
    // Every choice box's list gets rows as tall as their glyphs need and
    // kChoiceRowLeading pixels more.
    using QProxyStyle::polish;
    void polish(QWidget* widget) override;
    int styleHint(StyleHint hint, const QStyleOption* option = nullptr, const QWidget* widget = nullptr,
                  QStyleHintReturn* returnData = nullptr) const override;
};

// Installs TAppStyle as the application's style (once).
void InstallAppStyle();

// The program speaks Japanese whatever the user's locale: Qt's own texts (the
// buttons of message boxes, the file dialog) come from Qt's Japanese
// translations, and the windows that set no face of their own (message boxes,
// the file dialog, menus, tool tips) draw in the window's face, whose Latin
// letters are proportional. Once, before the first window.
void InstallJapaneseUi();

// Every choice box of the program goes through this where it is built: the
// mouse wheel changes its choice only while it has the focus, and gives it no
// focus; over a box without the focus the wheel goes on to the page beneath,
// which scrolls.
void WheelOnlyWhenFocused(QComboBox* box);

// The frame of the program's dialogs: a fixed client size and only the close
// button in the title bar (a window manager would otherwise offer to minimise
// and maximise a modal dialog of fixed size). A dialog kept on top stays so.
void FixedDialogFrame(QDialog* dialog, int width, int height);

}  // namespace norvane
