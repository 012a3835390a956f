#pragma once
// What the schedule pages share: being built when first shown, making their
// named controls, the header and row colours, and writing labels only when what
// they show has changed, so that an unchanged label is not repainted.
#include <QFont>
#include <QString>
#include <QWidget>
#include <span>
#include <string>
#include <string_view>

#include "core/main_window/window_state.h"
#include "core/schedules/schedule_common.h"
#include "core/time/vanatime.h"
#include "gui/controls/gdi.h"
#include "gui/schedules/schedule_rows.h"

class QComboBox;
class QLabel;
class QPushButton;
class QVBoxLayout;

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

// Where the skill and calendar pages read their data files.
struct ScheduleDataFiles {
    std::string skillIni;
    std::string ballistaIni;
};

// A page is a widget on its scroll box's contents, sized to its controls so that
// the box scrolls over them. Made empty; its controls are built when it is first
// shown, with the stored choices it was given.
class TSchedulePage : public QWidget {
public:
    explicit TSchedulePage(TScrollBoxEx* box);
    ~TSchedulePage() override;

    TScrollBoxEx* Box() const { return box_; }
    bool IsBuilt() const { return built_; }

    // Builds the controls once, in the colours last set, shows and lays them out.
    // A page selected by its tab is built while it is already on the screen:
    // its new controls show before the layout, which leaves room for the
    // scroll bar they need.
    void Build();
    // The clock tick while the page shows (the four live pages).
    virtual void Refresh(const VanaDateTime& now) { (void)now; }
    // The page-changed step: built, and brought up to date.
    virtual void Selected() { Build(); }
    // The stored choices, taken at the start and shown once the controls exist;
    // at close, what the controls show (the stored choice as its box would show
    // it for a page never built).
    virtual void LoadChoices(const StartupSettings& st) { (void)st; }
    virtual void StoreChoices(CloseState& c) const { (void)c; }
    virtual void UseDataFiles(const ScheduleDataFiles& files) { (void)files; }

    // Header bands take the middle of Item and Base, row stripes Item.
    void SetColours(Colour item, Colour base);
    // The column layouts run only in normal mode: in simple mode the pages are
    // hidden and their sizes mean nothing.
    void SetNormalMode(bool normal) { normalMode_ = normal; }
    // The box changed size, or the rows what they show: the columns follow.
    void Relayout();

protected:
    // Makes the page's controls, as children of this widget.
    virtual void BuildControls() = 0;
    // Places the columns after the width of the header band.
    virtual void ApplyColours(Colour item, Colour base) = 0;

    int LineHeight() const { return lineHeight_; }
    // The width the page's bands take: the box less its vertical scroll bar
    // when the contents are taller than the box, less a small margin.
    int AvailableWidth() const;
    // The width of the page's sections: by default the width its bands take.
    virtual int SectionWidth() const { return AvailableWidth(); }

    void SetText(TLabelSlot& slot, std::string_view text);
    void SetColour(TLabelSlot& slot, Colour colour);
    void Bind(TLabelSlot& slot, QLabel* label);

    // A black label named `name`, sized to `text`, for a layout to place.
    QLabel* MakeLabel(const QString& name, std::string_view text);

    // The line where a page asks what to show, the one row of `section`: a
    // band, a list of `items` with nothing chosen, its caption and a refresh
    // button, named shp<name>Head1, cmb<name>, lbl<name> and btn<name>Ref.
    struct ChoiceLine {
        TShape* band;
        QComboBox* box;
        QLabel* caption;
        QPushButton* refresh;
    };
    ChoiceLine MakeChoiceLine(TScheduleSection* section, const QString& name, std::span<const std::string_view> items,
                              std::string_view caption, std::string_view refreshCaption);

    // The page's sections, stacked by a layout with `gap` pixels between them.
    TScheduleSection* AddSection(ColumnRule frameRule, int gap);
    // A row of `height` under the section's last, with a band named `band`
    // filling it behind its controls (none for an empty name).
    TScheduleRow* AddRow(TScheduleSection* section, int height, ColumnRule rule, const QString& band = {});
    // A frame named `name` over the section, in frame column `column`.
    TShape* AddFrame(TScheduleSection* section, const QString& name, int column);
    // A fill named `name` behind the section's rows, in frame column `column`
    // less `margins`.
    TShape* AddFill(TScheduleSection* section, const QString& name, int column, QMargins margins = {});
    // A label made for a row: named, sized to `text`, black, not yet placed.
    QLabel* RowLabel(const QString& name, std::string_view text, int height);

    static QFont BoldArial();
    static void SetBackground(QLabel* label, Colour colour);

private:
    // The page's size follows its controls, the box's scrolled area the page.
    void FitToControls();

    TScrollBoxEx* box_;
    QVBoxLayout* sections_ = nullptr;  // made with the first section
    int lineHeight_ = 0;
    bool built_ = false;
    bool normalMode_ = true;
    Colour item_ = kColourBlack;
    Colour base_ = kColourBlack;
};

// What a choice box of `count` entries shows for a stored index: that entry, or
// no choice (-1) when the box has no such entry.
constexpr int ShownChoice(int stored, int count) { return stored >= 0 && stored < count ? stored : -1; }

// Helpers for building names: "lblShipLineC" + 3.
QString RowName(const char* prefix, int row);
QString FromView(std::string_view text);

}  // namespace norvane
