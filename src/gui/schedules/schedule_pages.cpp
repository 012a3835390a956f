#include "gui/schedules/schedule_pages.h"

#include "core/schedules/calendar_schedule.h"
#include "core/schedules/skill_schedule.h"
#include "core/time/support.h"
#include "gui/controls/scroll_box_ex.h"
#include "gui/schedules/calendar_page.h"
#include "gui/schedules/chocobo_page.h"
#include "gui/schedules/guild_page.h"
#include "gui/schedules/racial_page.h"
#include "gui/schedules/ship_page.h"
#include "gui/schedules/skill_page.h"

namespace norvane {
namespace {

// The pages in the order of their scroll boxes.
constexpr Page kBoxPages[] = {Page::Ship, Page::Guild, Page::Racial, Page::Chocobo, Page::Skill, Page::Calendar};

// The one place that knows which class shows which page.
TSchedulePage* MakeSchedulePage(Page page, TScrollBoxEx* box) {
    switch (page) {
        case Page::Ship: return new TShipPage(box);
        case Page::Guild: return new TGuildPage(box);
        case Page::Racial: return new TRacialPage(box);
        case Page::Chocobo: return new TChocoboPage(box);
        case Page::Skill: return new TSkillPage(box);
        case Page::Calendar: return new TCalendarPage(box);
        default: return nullptr;
    }
}

}  // namespace

TSchedulePages::TSchedulePages(const Boxes& boxes, Colour item, Colour base, QObject* parent) : QObject(parent) {
    // The pages' controls are built when a page is first shown: hundreds of
    // labels nobody may look at would slow the start and hold memory.
    const ScheduleDataFiles files{SkillIniPath(ProgramPath()), BallistaIniPath(ProgramPath())};
    for (std::size_t i = 0; i < boxes.size(); ++i) {
        boxes[i]->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        pages_[i] = MakeSchedulePage(kBoxPages[i], boxes[i]);
        pages_[i]->SetColours(item, base);
        pages_[i]->UseDataFiles(files);
    }
}

TSchedulePage* TSchedulePages::PageOf(Page page) const {
    const int index = PageIndex(page) - PageIndex(Page::Ship);
    return index >= 0 && index < static_cast<int>(pages_.size()) ? pages_[static_cast<std::size_t>(index)] : nullptr;
}

TSchedulePage* TSchedulePages::View(Page page) const {
    TSchedulePage* p = PageOf(page);
    return p && p->IsBuilt() ? p : nullptr;
}

void TSchedulePages::BuildPages() {
    for (TSchedulePage* p : pages_) p->Build();
}

void TSchedulePages::SetDataFiles(std::string skillIni, std::string ballistaIni) {
    const ScheduleDataFiles files{std::move(skillIni), std::move(ballistaIni)};
    for (TSchedulePage* p : pages_) p->UseDataFiles(files);
}

void TSchedulePages::SetColours(Colour item, Colour base) {
    for (TSchedulePage* p : pages_) p->SetColours(item, base);
}

void TSchedulePages::SetNormalMode(bool normal) {
    for (TSchedulePage* p : pages_) p->SetNormalMode(normal);
}

void TSchedulePages::ApplyChoices(const StartupSettings& st) {
    for (TSchedulePage* p : pages_) p->LoadChoices(st);
}

void TSchedulePages::CollectChoices(CloseState& c) const {
    for (const TSchedulePage* p : pages_) p->StoreChoices(c);
}

// A page is refreshed only while it shows, so the first refresh builds it.
void TSchedulePages::Refresh(Page page, const VanaDateTime& now) {
    if (TSchedulePage* p = PageOf(page)) p->Refresh(now);
}

void TSchedulePages::Selected(Page page) {
    if (TSchedulePage* p = PageOf(page)) p->Selected();
}

void TSchedulePages::scrPageResize(Page page) {
    if (TSchedulePage* p = PageOf(page)) p->Relayout();
}

}  // namespace norvane
