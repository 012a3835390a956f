#pragma once
// The settings dialogs' margins, gaps and control sizes, stated once. Each size
// is the design's at the design face; a face, a scale or a text that needs more
// room gets it from the layouts, which start from these numbers.
#include <QSize>
#include <QString>

class QBoxLayout;
class QDialog;
class QHBoxLayout;
class QLabel;
class QPixmap;
class QPushButton;
class QVBoxLayout;
class QWidget;

namespace norvane {

// Dialog edges and the gaps between controls.
inline constexpr int kDialogMargin = 8;   // from a dialog's edge to its controls
inline constexpr int kWideMargin = 12;    // the version dialog's and the set dialog's rows
inline constexpr int kQuestionMargin = 16; // the confirmation's icon and buttons
inline constexpr int kButtonGap = 6;      // between the buttons of a row
inline constexpr int kFieldGap = 4;       // a label and the field it names
inline constexpr int kRowGap = 6;         // between rows of controls
inline constexpr int kGroupInset = 12;    // a group box's edge to its contents

// The option pages: each group an icon, a heading with its rule, and contents.
inline constexpr int kPageMargin = 8;
inline constexpr int kPageTop = 6;        // the page's top to its first group
inline constexpr int kPageRight = 6;      // the rules' and groups' right end to the page's edge
inline constexpr int kGroupIconGap = 8;   // a group's icon to its heading and contents
inline constexpr int kHeadingTop = 2;     // the icon's top to its heading's
inline constexpr int kRuleGap = 6;        // a heading to its rule
inline constexpr int kGroupGap = 6;       // one group's last row to the next group's icon
inline constexpr int kNoteIconGap = 4;    // a small icon to the note beside it
inline constexpr int kQuestionIndent = 16; // long check boxes start under the icon, this far in
inline constexpr int kListButtonGap = 4;  // the buttons under and beside a page's list
inline constexpr int kPageBottom = 13;    // a list page's buttons to the page's foot
inline constexpr int kGroupIconSize = 32;

// Control sizes of the design.
inline constexpr QSize kButtonSize{75, 23};
inline constexpr int kEditHeight = 21;
inline constexpr int kComboHeight = 22;
inline constexpr int kToolButtonHeight = 24;  // buttons beside an edit or a combo box

// A caption as it shows: "&&" an ampersand, any other "&" only marks the mnemonic.
QString ShownCaption(const QString& text);

// Gives `button` the design size, or what its caption needs when that is more.
void FitButton(QPushButton* button, QSize design = kButtonSize);
// Gives an edit or a combo box the design height, or its face's when taller.
void FitHeight(QWidget* field, int design);

// A row of buttons pushed to the right, `gap` apart, in the order given.
QHBoxLayout* ButtonRow(std::initializer_list<QPushButton*> buttons, int gap = kButtonGap);

// A picture that only shows: clicks go to what lies beneath.
QLabel* NewPictureLabel(const QPixmap& picture);

// An option page's own layout, from the page's margins.
QVBoxLayout* NewOptionPageLayout(QWidget* page);
// A group of an option page: its icon on the left, in a square of the design's
// 32 pixels at least, beside it the heading with a rule to the page's right end.
// Returns the column under the heading for the group's contents.
QVBoxLayout* AddOptionGroup(QVBoxLayout* page, const QString& caption, const QPixmap& icon);

// Fixes the dialog at its design client size, or at its layout's minimum where
// that is larger, so that nothing a face needs is cut.
void FixToLayout(QDialog* dialog, QSize design);

}  // namespace norvane
