#pragma once
// What the four schedule pages share: making their named controls on the
// page's scroll box, the header and row colours, and writing labels only when
// what they show has changed, so that an unchanged label is not repainted.
#include <QFont>
#include <QObject>
#include <QString>
#include <span>
#include <string>
#include <string_view>

#include "core/schedules/schedule_common.h"
#include "gui/controls/gdi.h"

class QComboBox;
class QLabel;
class QPushButton;
class QWidget;

namespace norvane {

class TScrollBoxEx;
class TShape;

// Header bands: per channel Item + (Base - Item) * 2 / 4, halfway between the
// row colour and the panel colour (division truncating toward zero).
Colour MidColour(Colour item, Colour base);

// A label the page refreshes, with what it was last given. The page is the
// label's only writer, so comparing with the copy spares converting the text.
struct TLabelSlot {
    QLabel* label = nullptr;
    std::string text;
    Colour colour = kColourBlack;
};

// A page's controls live on the box's contents; the page object itself is owned by the box.
class TSchedulePage : public QObject {
public:
    explicit TSchedulePage(TScrollBoxEx* box);
    ~TSchedulePage() override;

    TScrollBoxEx* Box() const { return box_; }

    // Places the columns after the width of the header band. The window runs
    // it only while the pages show (normal mode).
    virtual void Layout() = 0;
    // Header bands take `Mid`; row stripes and the labels on them take `Item`.
    virtual void ApplyColours(Colour item, Colour base) = 0;

    // Shows the controls made after the contents were already on the screen:
    // such children stay hidden until shown themselves. Those made earlier
    // show with the contents anyway.
    void ShowControls();

    // Label texts and colours written so far (an unchanged label is skipped).
    int Assignments() const { return assignments_; }

protected:
    QWidget* Contents() const;
    int LineHeight() const { return lineHeight_; }
    // The width the page's bands take: the box less its vertical scroll bar
    // when the contents are taller than the box, less a small margin.
    int AvailableWidth() const;

    void SetText(TLabelSlot& slot, std::string_view text);
    void SetColour(TLabelSlot& slot, Colour colour);
    void Bind(TLabelSlot& slot, QLabel* label);

    QLabel* MakeLabel(const QString& name, std::string_view text, int x, int y);
    // A centred caption of a header band.
    QLabel* MakeHeadLabel(const QString& name, std::string_view text, int y);
    // A filled band under everything else (header bands, row stripes) and the
    // outline of a column frame; both as wide as the box until laid out.
    TShape* MakeBand(const QString& name, int y, int height);
    TShape* MakeFrame(const QString& name, int y, int height);

    // The line where a page asks what to show: a header band at `y`, a list of
    // `items` with nothing chosen, its caption and a refresh button, named
    // shp<name>Head1, cmb<name>, lbl<name> and btn<name>Ref.
    struct ChoiceLine {
        TShape* band;
        QComboBox* box;
        QLabel* caption;
        QPushButton* refresh;
        int bottom;  // where the next part of the page starts
    };
    ChoiceLine MakeChoiceLine(const QString& name, int y, std::span<const std::string_view> items,
                              std::string_view caption, std::string_view refreshCaption);

    static QFont BoldArial();
    static void SetBackground(QLabel* label, Colour colour);

private:
    TScrollBoxEx* box_;
    int lineHeight_ = 0;
    int assignments_ = 0;
};

// Helpers for building names: "lblShipLineC" + 3.
QString RowName(const char* prefix, int row);
QString FromView(std::string_view text);

}  // namespace norvane
