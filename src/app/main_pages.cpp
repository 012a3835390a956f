// The schedule pages' part of the main window: their set-up at creation, their
// refreshes from the page-changed step and the clock tick, and their stored choices.
#include <QComboBox>
#include <QPushButton>

#include "app/main.h"
#include "app/pictures.h"
#include "controls/ScrollBoxEx.h"
#include "schedules/choco_view.h"
#include "schedules/guild_view.h"
#include "schedules/racial_view.h"
#include "schedules/ship_view.h"

namespace norvane {

void TfrmMain::SetUpPages() {
    // The pages' controls are built when a page is first shown: hundreds of
    // labels nobody may look at would slow the start and hold memory.
    for (TScrollBoxEx* box : {scrShip, scrGuild, scrRacial, scrChoco})
        box->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    connect(scrShip, &TScrollBoxEx::OnResize, this, &TfrmMain::scrShipResize);
    connect(scrGuild, &TScrollBoxEx::OnResize, this, &TfrmMain::scrGuildResize);
    connect(scrRacial, &TScrollBoxEx::OnResize, this, &TfrmMain::scrRacialResize);
    connect(scrChoco, &TScrollBoxEx::OnResize, this, &TfrmMain::scrChocoResize);
}

void TfrmMain::BuildSchedulePage(int page) {
    // A page selected by its tab is built while it is already on the screen: its
    // new controls are shown before the layout, which leaves room for the scroll
    // bar they need.
    switch (page) {
        case 2:
            if (shipView) return;
            shipView = new TShipView(scrShip);
            shipView->ApplyColours(Item, Bace);
            shipView->ShowControls();
            scrShipResize();
            break;
        case 3:
            if (guildView) return;
            guildView = new TGuildView(scrGuild);
            SetUpGuildPage();
            guildView->ApplyColours(Item, Bace);
            guildView->ShowControls();
            scrGuildResize();
            break;
        case 4:
            if (racialView) return;
            racialView = new TRacialView(scrRacial);
            cmbRacial = racialView->cmbRacial;
            btnRacialRef = racialView->btnRacialRef;
            racialView->ApplyColours(Item, Bace);
            // Only the user's choice runs the change handler; building runs it itself.
            connect(cmbRacial, &QComboBox::activated, this, &TfrmMain::cmbRacialChange);
            connect(btnRacialRef, &QPushButton::clicked, this, &TfrmMain::btnRacialRefClick);
            // A stored index the box does not have leaves the box as it is.
            if (startup_.racial >= -1 && startup_.racial < cmbRacial->count())
                cmbRacial->setCurrentIndex(startup_.racial);
            cmbRacialChange();
            racialView->ShowControls();
            scrRacialResize();
            break;
        case 5:
            if (chocoView) return;
            chocoView = new TChocoView(scrChoco);
            cmbChoco = chocoView->cmbChoco;
            btnChocoRef = chocoView->btnChocoRef;
            chocoView->ApplyColours(Item, Bace);
            connect(cmbChoco, &QComboBox::activated, this, &TfrmMain::cmbChocoChange);
            connect(btnChocoRef, &QPushButton::clicked, this, &TfrmMain::btnChocoRefClick);
            if (startup_.chocobo >= -1 && startup_.chocobo < cmbChoco->count())
                cmbChoco->setCurrentIndex(startup_.chocobo);
            cmbChocoChange();
            chocoView->ShowControls();
            scrChocoResize();
            break;
        default: break;
    }
}

void TfrmMain::BuildSchedulePages() {
    for (int page = 2; page <= 5; ++page) BuildSchedulePage(page);
}

void TfrmMain::SetUpGuildPage() { guildView->SetUp(WeekPictures()); }

void TfrmMain::ApplyPageColours() {
    for (TPageView* view : std::initializer_list<TPageView*>{shipView, guildView, racialView, chocoView})
        if (view) view->ApplyColours(Item, Bace);
}

// The choices are applied to their boxes when the pages are built.
void TfrmMain::ApplyPageChoices(const StartupSettings& st) { startup_ = st; }

void TfrmMain::CollectPageChoices(CloseState& c) const {
    // Pages never shown keep the choices as they were read.
    c.racial = cmbRacial ? cmbRacial->currentIndex() : startup_.racial;
    c.chocobo = cmbChoco ? cmbChoco->currentIndex() : startup_.chocobo;
    c.skillJob = startup_.skillJob;
    c.skillLv = startup_.skillLv;
    c.calenBallista = startup_.calenBallista;
    c.calenRacial = startup_.calenRacial;
    c.calenJeuno = startup_.calenJeuno;
}

// --- Refreshes ------------------------------------------------------------------
// A page is refreshed only while it shows, so the first refresh builds it.

void TfrmMain::UpdateShipPage(const VanaDateTime& d) {
    BuildSchedulePage(2);
    shipView->Update(d, GetLocalNow(), GetLocalBias());
}

void TfrmMain::UpdateGuildPage(const VanaDateTime& d) {
    BuildSchedulePage(3);
    guildView->Update(d, GetLocalNow(), GetLocalBias());
}

void TfrmMain::UpdateRacialNow(const VanaDateTime& d) {
    BuildSchedulePage(4);
    racialView->UpdateNow(d, GetLocalNow(), GetLocalBias());
}

void TfrmMain::UpdateChocoboNow(const VanaDateTime& d) {
    BuildSchedulePage(5);
    chocoView->UpdateNow(d, GetLocalNow(), GetLocalBias());
}

void TfrmMain::ShowRacialSchedule(int race) { racialView->ShowSchedule(GetVanaTime(), race, GetLocalBias()); }

void TfrmMain::ShowChocoboSchedule(int town) { chocoView->ShowSchedule(GetVanaTime(), town, GetLocalBias()); }

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
    if (shipView && IsNormalMode()) shipView->Layout();
}

void TfrmMain::scrGuildResize() {
    if (guildView && IsNormalMode()) guildView->Layout();
}

void TfrmMain::scrRacialResize() {
    if (racialView && IsNormalMode()) racialView->Layout();
}

void TfrmMain::scrChocoResize() {
    if (chocoView && IsNormalMode()) chocoView->Layout();
}

}  // namespace norvane
