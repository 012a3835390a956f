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
    shipView = new TShipView(scrShip);
    guildView = new TGuildView(scrGuild);
    racialView = new TRacialView(scrRacial);
    chocoView = new TChocoView(scrChoco);
    cmbRacial = racialView->cmbRacial;
    btnRacialRef = racialView->btnRacialRef;
    cmbChoco = chocoView->cmbChoco;
    btnChocoRef = chocoView->btnChocoRef;
    SetUpGuildPage();
    ApplyPageColours();

    // The pages scroll vertically; their columns always fit the width.
    for (TScrollBoxEx* box : {scrShip, scrGuild, scrRacial, scrChoco})
        box->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    connect(scrShip, &TScrollBoxEx::OnResize, this, &TfrmMain::scrShipResize);
    connect(scrGuild, &TScrollBoxEx::OnResize, this, &TfrmMain::scrGuildResize);
    connect(scrRacial, &TScrollBoxEx::OnResize, this, &TfrmMain::scrRacialResize);
    connect(scrChoco, &TScrollBoxEx::OnResize, this, &TfrmMain::scrChocoResize);
    // Only the user's choice runs the change handlers; start-up runs them itself.
    connect(cmbRacial, &QComboBox::activated, this, &TfrmMain::cmbRacialChange);
    connect(cmbChoco, &QComboBox::activated, this, &TfrmMain::cmbChocoChange);
    connect(btnRacialRef, &QPushButton::clicked, this, &TfrmMain::btnRacialRefClick);
    connect(btnChocoRef, &QPushButton::clicked, this, &TfrmMain::btnChocoRefClick);
}

void TfrmMain::SetUpGuildPage() { guildView->SetUp(WeekPictures()); }

void TfrmMain::ApplyPageColours() {
    for (TPageView* view : std::initializer_list<TPageView*>{shipView, guildView, racialView, chocoView})
        view->ApplyColours(Item, Bace);
}

void TfrmMain::ApplyPageChoices(const StartupSettings& st) {
    startup_ = st;
    // A stored index the box does not have leaves the box as it is.
    if (st.racial >= -1 && st.racial < cmbRacial->count()) cmbRacial->setCurrentIndex(st.racial);
    cmbRacialChange();
    if (st.chocobo >= -1 && st.chocobo < cmbChoco->count()) cmbChoco->setCurrentIndex(st.chocobo);
    cmbChocoChange();
}

void TfrmMain::CollectPageChoices(CloseState& c) const {
    c.racial = cmbRacial->currentIndex();
    c.chocobo = cmbChoco->currentIndex();
    // Choices of pages not built yet go back as they were read.
    c.skillJob = startup_.skillJob;
    c.skillLv = startup_.skillLv;
    c.calenBallista = startup_.calenBallista;
    c.calenRacial = startup_.calenRacial;
    c.calenJeuno = startup_.calenJeuno;
}

// --- Refreshes ------------------------------------------------------------------
// The tick's first run comes before the pages exist.

void TfrmMain::UpdateShipPage(const VanaDateTime& d) {
    if (shipView) shipView->Update(d, GetLocalNow(), GetLocalBias());
}

void TfrmMain::UpdateGuildPage(const VanaDateTime& d) {
    if (guildView) guildView->Update(d, GetLocalNow(), GetLocalBias());
}

void TfrmMain::UpdateRacialNow(const VanaDateTime& d) {
    if (racialView) racialView->UpdateNow(d, GetLocalNow(), GetLocalBias());
}

void TfrmMain::UpdateChocoboNow(const VanaDateTime& d) {
    if (chocoView) chocoView->UpdateNow(d, GetLocalNow(), GetLocalBias());
}

void TfrmMain::ShowRacialSchedule(int race) { racialView->ShowSchedule(GetVanaTime(), race, GetLocalBias()); }

void TfrmMain::ShowChocoboSchedule(int town) { chocoView->ShowSchedule(GetVanaTime(), town, GetLocalBias()); }

void TfrmMain::cmbRacialChange() { btnRacialRefClick(); }
void TfrmMain::cmbChocoChange() { btnChocoRefClick(); }

void TfrmMain::btnRacialRefClick() {
    if (cmbRacial->currentIndex() >= 0) ShowRacialSchedule(cmbRacial->currentIndex());
}

void TfrmMain::btnChocoRefClick() {
    if (cmbChoco->currentIndex() >= 0) ShowChocoboSchedule(cmbChoco->currentIndex());
}

void TfrmMain::btnCalenRefClick() {}

// --- Layouts ------------------------------------------------------------------

void TfrmMain::scrShipResize() {
    if (IsNormalMode()) shipView->Layout();
}

void TfrmMain::scrGuildResize() {
    if (IsNormalMode()) guildView->Layout();
}

void TfrmMain::scrRacialResize() {
    if (IsNormalMode()) racialView->Layout();
}

void TfrmMain::scrChocoResize() {
    if (IsNormalMode()) chocoView->Layout();
}

}  // namespace norvane
