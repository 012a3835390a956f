#pragma once
// The main window's schedule pages (ships, guilds, racial equipment, chocobo,
// skill caps, calendar), owned by the window: each built when first shown; the
// four live ones refreshed by the clock tick while they show, the skill and
// calendar pages only when asked; their choices taken from the settings at the
// start and given back at close.
#include <QObject>

#include <array>
#include <string>

#include "core/colour.h"
#include "core/main_window/page.h"
#include "core/main_window/window_state.h"
#include "core/time/vanatime.h"
#include "gui/schedules/schedule_page.h"

namespace norvane {

class TScrollBoxEx;

class TSchedulePages : public QObject {
    Q_OBJECT
public:
    // The scroll boxes of the ship, guild, racial, chocobo, skill and calendar
    // pages, in that order.
    using Boxes = std::array<TScrollBoxEx*, 6>;
    // `item` and `base` are the skin's colours until SetColours.
    TSchedulePages(const Boxes& boxes, Colour item, Colour base, QObject* parent);

    // The controls of a page; nullptr until it is built, and for the timer page.
    TSchedulePage* View(Page page) const;
    // A page's controls are built on its first refresh or selection; BuildPages
    // builds all six.
    void BuildPages();

    // The stored choices go to the choice boxes as their pages are built.
    void ApplyChoices(const StartupSettings& st);
    // What the close request writes of the pages' choices.
    void CollectChoices(CloseState& c) const;

    // The clock tick's refresh of the page that shows; other pages do nothing.
    void Refresh(Page page, const VanaDateTime& now);
    // The page-changed step: the page's refresh with the time of now, the
    // racial and chocobo lists for their choices, and the calendar's rows.
    void Selected(Page page);

    // Header bands take the middle of Item and Base, row stripes Item.
    void SetColours(Colour item, Colour base);
    // The column layouts run only in normal mode.
    void SetNormalMode(bool normal);
    // A page's scroll box changed size: its columns follow.
    void scrPageResize(Page page);

    // Where the skill and calendar pages read their data files; beside the
    // program unless set.
    void SetDataFiles(std::string skillIni, std::string ballistaIni);

private:
    // The page of `page`, built or not; nullptr for the timer page.
    TSchedulePage* PageOf(Page page) const;

    // In the order of Boxes.
    std::array<TSchedulePage*, 6> pages_{};
};

}  // namespace norvane
