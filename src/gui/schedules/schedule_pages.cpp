// The schedule pages' part of the main window: their set-up at creation, their
// refreshes from the page-changed step and the clock tick, and their stored choices.
#include <QComboBox>
#include <QPushButton>

#include "core/schedules/chocobo_schedule.h"
#include "core/schedules/racial_schedule.h"
#include "gui/art/pictures.h"
#include "gui/controls/scroll_box_ex.h"
#include "gui/main_window/main_window.h"
#include "gui/schedules/chocobo_page.h"
#include "gui/schedules/guild_page.h"
#include "gui/schedules/racial_page.h"
#include "gui/schedules/ship_page.h"

namespace norvane {
namespace {

// What a choice box of `count` entries shows for a stored index: that entry, or
// no choice (-1) when the box has no such entry.
int ShownChoice(int stored, int count) { return stored >= 0 && stored < count ? stored : -1; }

}  // namespace

void TfrmMain::SetUpPages() {
    // The pages' controls are built when a page is first shown: hundreds of
    // labels nobody may look at would slow the start and hold memory.
    for (TScrollBoxEx* box : {scrShip, scrGuild, scrRacial, scrChoco})
        box->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    connect(scrShip, &TScrollBoxEx::resized, this, &TfrmMain::scrShipResize);
    connect(scrGuild, &TScrollBoxEx::resized, this, &TfrmMain::scrGuildResize);
    connect(scrRacial, &TScrollBoxEx::resized, this, &TfrmMain::scrRacialResize);
    connect(scrChoco, &TScrollBoxEx::resized, this, &TfrmMain::scrChocoResize);
}

void TfrmMain::BuildSchedulePage(Page page) {
    // A page selected by its tab is built while it is already on the screen: its
    // new controls are shown before the layout, which leaves room for the scroll
    // bar they need.
    switch (page) {
        case Page::Ship:
            if (shipPage) return;
            shipPage = new TShipPage(scrShip);
            shipPage->ApplyColours(Item, Bace);
            shipPage->ShowControls();
            scrShipResize();
            break;
        case Page::Guild:
            if (guildPage) return;
            guildPage = new TGuildPage(scrGuild);
            SetUpGuildPage();
            guildPage->ApplyColours(Item, Bace);
            guildPage->ShowControls();
            scrGuildResize();
            break;
        case Page::Racial:
            if (racialPage) return;
            racialPage = new TRacialPage(scrRacial);
            cmbRacial = racialPage->cmbRacial;
            btnRacialRef = racialPage->btnRacialRef;
            racialPage->ApplyColours(Item, Bace);
            // Only the user's choice runs the change handler; building runs it itself.
            connect(cmbRacial, &QComboBox::activated, this, &TfrmMain::cmbRacialChange);
            connect(btnRacialRef, &QPushButton::clicked, this, &TfrmMain::btnRacialRefClick);
            // A stored index the box does not have leaves it with no choice.
            cmbRacial->setCurrentIndex(ShownChoice(startup_.racial, cmbRacial->count()));
            cmbRacialChange();
            racialPage->ShowControls();
            scrRacialResize();
            break;
        case Page::Chocobo:
            if (chocoboPage) return;
            chocoboPage = new TChocoboPage(scrChoco);
            cmbChoco = chocoboPage->cmbChoco;
            btnChocoRef = chocoboPage->btnChocoRef;
            chocoboPage->ApplyColours(Item, Bace);
            connect(cmbChoco, &QComboBox::activated, this, &TfrmMain::cmbChocoChange);
            connect(btnChocoRef, &QPushButton::clicked, this, &TfrmMain::btnChocoRefClick);
            cmbChoco->setCurrentIndex(ShownChoice(startup_.chocobo, cmbChoco->count()));
            cmbChocoChange();
            chocoboPage->ShowControls();
            scrChocoResize();
            break;
        default: break;
    }
}

void TfrmMain::BuildSchedulePages() {
    for (Page page : {Page::Ship, Page::Guild, Page::Racial, Page::Chocobo}) BuildSchedulePage(page);
}

void TfrmMain::SetUpGuildPage() { guildPage->SetUp(WeekPictures()); }

void TfrmMain::ApplyPageColours() {
    for (TSchedulePage* view : std::initializer_list<TSchedulePage*>{shipPage, guildPage, racialPage, chocoboPage})
        if (view) view->ApplyColours(Item, Bace);
}

// The choices are applied to their boxes when the pages are built.
void TfrmMain::ApplyPageChoices(const StartupSettings& st) { startup_ = st; }

void TfrmMain::CollectPageChoices(CloseState& c) const {
    // A page never shown writes what its box would have shown for the stored choice.
    c.racial = cmbRacial ? cmbRacial->currentIndex()
                         : ShownChoice(startup_.racial, static_cast<int>(kRaceNames.size()));
    c.chocobo = cmbChoco ? cmbChoco->currentIndex()
                         : ShownChoice(startup_.chocobo, static_cast<int>(kChocoTownNames.size()));
    c.skillJob = startup_.skillJob;
    c.skillLv = startup_.skillLv;
    c.calenBallista = startup_.calenBallista;
    c.calenRacial = startup_.calenRacial;
    c.calenJeuno = startup_.calenJeuno;
}

// --- Refreshes ------------------------------------------------------------------
// A page is refreshed only while it shows, so the first refresh builds it.

void TfrmMain::UpdateShipPage(const VanaDateTime& d) {
    BuildSchedulePage(Page::Ship);
    shipPage->Update(d, GetLocalNow(), GetLocalBias());
}

void TfrmMain::UpdateGuildPage(const VanaDateTime& d) {
    BuildSchedulePage(Page::Guild);
    guildPage->Update(d, GetLocalNow(), GetLocalBias());
}

void TfrmMain::UpdateRacialNow(const VanaDateTime& d) {
    BuildSchedulePage(Page::Racial);
    racialPage->UpdateNow(d, GetLocalNow(), GetLocalBias());
}

void TfrmMain::UpdateChocoboNow(const VanaDateTime& d) {
    BuildSchedulePage(Page::Chocobo);
    chocoboPage->UpdateNow(d, GetLocalNow(), GetLocalBias());
}

void TfrmMain::ShowRacialSchedule(int race) { racialPage->ShowSchedule(GetVanaTime(), race, GetLocalBias()); }

void TfrmMain::ShowChocoboSchedule(int town) { chocoboPage->ShowSchedule(GetVanaTime(), town, GetLocalBias()); }

void TfrmMain::cmbRacialChange() { btnRacialRefClick(); }
void TfrmMain::cmbChocoChange() { btnChocoRefClick(); }

void TfrmMain::btnRacialRefClick() {
    if (cmbRacial && cmbRacial->currentIndex() >= 0) ShowRacialSchedule(cmbRacial->currentIndex());
}

void TfrmMain::btnChocoRefClick() {
    if (cmbChoco && cmbChoco->currentIndex() >= 0) ShowChocoboSchedule(cmbChoco->currentIndex());
}

void TfrmMain::btnCalenRefClick() {}

// --- Layouts ------------------------------------------------------------------

void TfrmMain::scrShipResize() {
    if (shipPage && IsNormalMode()) shipPage->Layout();
}

void TfrmMain::scrGuildResize() {
    if (guildPage && IsNormalMode()) guildPage->Layout();
}

void TfrmMain::scrRacialResize() {
    if (racialPage && IsNormalMode()) racialPage->Layout();
}

void TfrmMain::scrChocoResize() {
    if (chocoboPage && IsNormalMode()) chocoboPage->Layout();
}

}  // namespace norvane
