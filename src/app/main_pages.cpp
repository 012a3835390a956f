// The schedule pages' part of the main window: their set-up at creation, their
// refreshes from the page-changed step and the clock tick, and their stored choices.
#include "app/main.h"

namespace norvane {

void TfrmMain::SetUpPages() {}

void TfrmMain::ApplyPageChoices(const StartupSettings& st) { startup_ = st; }

void TfrmMain::CollectPageChoices(CloseState& c) const {
    // Choices of pages not built yet go back as they were read.
    c.racial = startup_.racial;
    c.chocobo = startup_.chocobo;
    c.skillJob = startup_.skillJob;
    c.skillLv = startup_.skillLv;
    c.calenBallista = startup_.calenBallista;
    c.calenRacial = startup_.calenRacial;
    c.calenJeuno = startup_.calenJeuno;
}

void TfrmMain::UpdateShipPage(const VanaDateTime&) {}
void TfrmMain::UpdateGuildPage(const VanaDateTime&) {}
void TfrmMain::UpdateRacialNow(const VanaDateTime&) {}
void TfrmMain::btnRacialRefClick() {}
void TfrmMain::UpdateChocoboNow(const VanaDateTime&) {}
void TfrmMain::btnChocoRefClick() {}
void TfrmMain::btnCalenRefClick() {}

}  // namespace norvane
