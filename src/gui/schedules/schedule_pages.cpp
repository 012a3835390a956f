#include "gui/schedules/schedule_pages.h"

#include <QComboBox>
#include <QPushButton>

#include "core/schedules/chocobo_schedule.h"
#include "core/schedules/racial_schedule.h"
#include "gui/art/pictures.h"
#include "gui/controls/scroll_box_ex.h"
#include "gui/schedules/chocobo_page.h"
#include "gui/schedules/guild_page.h"
#include "gui/schedules/racial_page.h"
#include "gui/schedules/ship_page.h"

namespace norvane {
namespace {

// What a choice box of `count` entries shows for a stored index: that entry, or
// no choice (-1) when the box has no such entry.
int ShownChoice(int stored, int count) { return stored >= 0 && stored < count ? stored : -1; }

constexpr Page kLivePages[] = {Page::Ship, Page::Guild, Page::Racial, Page::Chocobo};
constexpr bool IsLive(Page page) { return page >= Page::Ship && page <= Page::Chocobo; }

}  // namespace

TSchedulePages::TSchedulePages(const Boxes& boxes, Colour item, Colour bace, QObject* parent)
    : QObject(parent), boxes_(boxes), item_(item), bace_(bace) {
    // The pages' controls are built when a page is first shown: hundreds of
    // labels nobody may look at would slow the start and hold memory.
    for (std::size_t i = 0; i < boxes_.size(); ++i) {
        boxes_[i]->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        connect(boxes_[i], &TScrollBoxEx::resized, this, [this, i] { scrPageResize(kLivePages[i]); });
    }
}

TSchedulePage* TSchedulePages::View(Page page) const {
    switch (page) {
        case Page::Ship: return shipPage;
        case Page::Guild: return guildPage;
        case Page::Racial: return racialPage;
        case Page::Chocobo: return chocoboPage;
        default: return nullptr;
    }
}

void TSchedulePages::BuildPage(Page page) {
    // A page selected by its tab is built while it is already on the screen: its
    // new controls are shown before the layout, which leaves room for the scroll
    // bar they need.
    switch (page) {
        case Page::Ship:
            if (shipPage) return;
            shipPage = new TShipPage(boxes_[0]);
            shipPage->ApplyColours(item_, bace_);
            break;
        case Page::Guild:
            if (guildPage) return;
            guildPage = new TGuildPage(boxes_[1]);
            SetUpGuildPage();
            guildPage->ApplyColours(item_, bace_);
            break;
        case Page::Racial: {
            if (racialPage) return;
            racialPage = new TRacialPage(boxes_[2]);
            racialPage->ApplyColours(item_, bace_);
            QComboBox* cmbRacial = racialPage->cmbRacial;
            // Only the user's choice runs the change handler; building runs it itself.
            connect(cmbRacial, &QComboBox::activated, this, &TSchedulePages::cmbRacialChange);
            connect(racialPage->btnRacialRef, &QPushButton::clicked, this, &TSchedulePages::btnRacialRefClick);
            // A stored index the box does not have leaves it with no choice.
            cmbRacial->setCurrentIndex(ShownChoice(startup_.racial, cmbRacial->count()));
            cmbRacialChange();
            break;
        }
        case Page::Chocobo: {
            if (chocoboPage) return;
            chocoboPage = new TChocoboPage(boxes_[3]);
            chocoboPage->ApplyColours(item_, bace_);
            QComboBox* cmbChoco = chocoboPage->cmbChoco;
            connect(cmbChoco, &QComboBox::activated, this, &TSchedulePages::cmbChocoChange);
            connect(chocoboPage->btnChocoRef, &QPushButton::clicked, this, &TSchedulePages::btnChocoRefClick);
            cmbChoco->setCurrentIndex(ShownChoice(startup_.chocobo, cmbChoco->count()));
            cmbChocoChange();
            break;
        }
        default: return;
    }
    View(page)->ShowControls();
    scrPageResize(page);
}

void TSchedulePages::BuildPages() {
    for (Page page : kLivePages) BuildPage(page);
}

void TSchedulePages::SetUpGuildPage() { guildPage->SetUp(WeekPictures()); }

void TSchedulePages::SetColours(Colour item, Colour bace) {
    item_ = item;
    bace_ = bace;
    for (Page page : kLivePages)
        if (TSchedulePage* view = View(page)) view->ApplyColours(item_, bace_);
}

// The choices are applied to their boxes when the pages are built.
void TSchedulePages::ApplyChoices(const StartupSettings& st) { startup_ = st; }

void TSchedulePages::CollectChoices(CloseState& c) const {
    // A page never shown writes what its box would have shown for the stored choice.
    c.racial = racialPage ? racialPage->cmbRacial->currentIndex()
                          : ShownChoice(startup_.racial, static_cast<int>(kRaceNames.size()));
    c.chocobo = chocoboPage ? chocoboPage->cmbChoco->currentIndex()
                            : ShownChoice(startup_.chocobo, static_cast<int>(kChocoTownNames.size()));
    // The skill and calendar pages give back what was read until they arrive.
    c.skillJob = startup_.skillJob;
    c.skillLv = startup_.skillLv;
    c.calenBallista = startup_.calenBallista;
    c.calenRacial = startup_.calenRacial;
    c.calenJeuno = startup_.calenJeuno;
}

// --- Refreshes ------------------------------------------------------------------
// A page is refreshed only while it shows, so the first refresh builds it.

void TSchedulePages::Refresh(Page page, const VanaDateTime& d) {
    switch (page) {
        case Page::Ship:
            BuildPage(page);
            shipPage->Update(d, GetLocalNow(), GetLocalBias());
            break;
        case Page::Guild:
            BuildPage(page);
            guildPage->Update(d, GetLocalNow(), GetLocalBias());
            break;
        case Page::Racial:
            BuildPage(page);
            racialPage->UpdateNow(d, GetLocalNow(), GetLocalBias());
            break;
        case Page::Chocobo:
            BuildPage(page);
            chocoboPage->UpdateNow(d, GetLocalNow(), GetLocalBias());
            break;
        default: break;
    }
}

void TSchedulePages::Selected(Page page) {
    if (!IsLive(page)) return;
    Refresh(page, GetVanaTime());
    if (page == Page::Racial) btnRacialRefClick();
    if (page == Page::Chocobo) btnChocoRefClick();
}

void TSchedulePages::ShowRacialSchedule(int race) {
    racialPage->ShowSchedule(GetVanaTime(), race, GetLocalBias());
}

void TSchedulePages::ShowChocoboSchedule(int town) {
    chocoboPage->ShowSchedule(GetVanaTime(), town, GetLocalBias());
}

void TSchedulePages::cmbRacialChange() { btnRacialRefClick(); }
void TSchedulePages::cmbChocoChange() { btnChocoRefClick(); }

void TSchedulePages::btnRacialRefClick() {
    if (racialPage && racialPage->cmbRacial->currentIndex() >= 0)
        ShowRacialSchedule(racialPage->cmbRacial->currentIndex());
}

void TSchedulePages::btnChocoRefClick() {
    if (chocoboPage && chocoboPage->cmbChoco->currentIndex() >= 0)
        ShowChocoboSchedule(chocoboPage->cmbChoco->currentIndex());
}

// --- Layout ---------------------------------------------------------------------

void TSchedulePages::scrPageResize(Page page) {
    TSchedulePage* view = View(page);
    if (view && normalMode_) view->Layout();
}

}  // namespace norvane
