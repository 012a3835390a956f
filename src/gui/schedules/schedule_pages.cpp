#include "gui/schedules/schedule_pages.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <algorithm>

#include "core/schedules/chocobo_schedule.h"
#include "core/schedules/racial_schedule.h"
#include "core/schedules/skill_schedule.h"
#include "core/time/support.h"
#include "gui/art/pictures.h"
#include "gui/controls/scroll_box_ex.h"
#include "gui/controls/up_down.h"
#include "gui/schedules/calendar_page.h"
#include "gui/schedules/chocobo_page.h"
#include "gui/schedules/guild_page.h"
#include "gui/schedules/racial_page.h"
#include "gui/schedules/ship_page.h"
#include "gui/schedules/skill_page.h"

namespace norvane {
namespace {

// What a choice box of `count` entries shows for a stored index: that entry, or
// no choice (-1) when the box has no such entry.
int ShownChoice(int stored, int count) { return stored >= 0 && stored < count ? stored : -1; }

constexpr Page kLivePages[] = {Page::Ship, Page::Guild, Page::Racial, Page::Chocobo};
// The pages in the order of their scroll boxes.
constexpr Page kBoxPages[] = {Page::Ship, Page::Guild, Page::Racial, Page::Chocobo, Page::Skill, Page::Calendar};
constexpr bool IsLive(Page page) { return page >= Page::Ship && page <= Page::Chocobo; }

// The level the spin shows for a stored one: its position stays within 1-75.
int ShownLevel(int stored) { return std::clamp(stored, kMinSkillLevel, kMaxSkillLevel); }

}  // namespace

TSchedulePages::TSchedulePages(const Boxes& boxes, Colour item, Colour base, QObject* parent)
    : QObject(parent),
      boxes_(boxes),
      item_(item),
      base_(base),
      skillIniPath_(SkillIniPath(ProgramPath())),
      ballistaIniPath_(BallistaIniPath(ProgramPath())) {
    // The pages' controls are built when a page is first shown: hundreds of
    // labels nobody may look at would slow the start and hold memory.
    for (std::size_t i = 0; i < boxes_.size(); ++i) {
        boxes_[i]->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        connect(boxes_[i], &TScrollBoxEx::resized, this, [this, i] { scrPageResize(kBoxPages[i]); });
    }
}

TSchedulePage* TSchedulePages::View(Page page) const {
    switch (page) {
        case Page::Ship: return shipPage;
        case Page::Guild: return guildPage;
        case Page::Racial: return racialPage;
        case Page::Chocobo: return chocoboPage;
        case Page::Skill: return skillPage;
        case Page::Calendar: return calendarPage;
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
            shipPage->ApplyColours(item_, base_);
            break;
        case Page::Guild:
            if (guildPage) return;
            guildPage = new TGuildPage(boxes_[1]);
            SetUpGuildPage();
            guildPage->ApplyColours(item_, base_);
            break;
        case Page::Racial: {
            if (racialPage) return;
            racialPage = new TRacialPage(boxes_[2]);
            racialPage->ApplyColours(item_, base_);
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
            chocoboPage->ApplyColours(item_, base_);
            QComboBox* cmbChoco = chocoboPage->cmbChoco;
            connect(cmbChoco, &QComboBox::activated, this, &TSchedulePages::cmbChocoChange);
            connect(chocoboPage->btnChocoRef, &QPushButton::clicked, this, &TSchedulePages::btnChocoRefClick);
            cmbChoco->setCurrentIndex(ShownChoice(startup_.chocobo, cmbChoco->count()));
            cmbChocoChange();
            break;
        }
        case Page::Skill: {
            if (skillPage) return;
            {
                const TScrollBoxEx::RangeHold hold(boxes_[4]);
                skillPage = new TSkillPage(boxes_[4]);
            }
            skillPage->ApplyColours(item_, base_);
            QComboBox* cmbSkillMain = skillPage->cmbSkillMain;
            cmbSkillMain->setCurrentIndex(ShownChoice(startup_.skillJob, cmbSkillMain->count()));
            {
                // The stored level and job are shown once both are in place.
                const QSignalBlocker quiet(skillPage->edtSkillMLv);
                skillPage->updSkillMLv->SetPosition(ShownLevel(startup_.skillLv));
            }
            cmbSkillMainChange();
            connect(cmbSkillMain, &QComboBox::currentIndexChanged, this, &TSchedulePages::cmbSkillMainChange);
            connect(skillPage->edtSkillMLv, &QLineEdit::textChanged, this, &TSchedulePages::edtSkillMLvChange);
            connect(skillPage->btnSkillRef, &QPushButton::clicked, this, &TSchedulePages::btnSkillRefClick);
            break;
        }
        case Page::Calendar: {
            if (calendarPage) return;
            {
                // Hundreds of controls: the scroll range is worked out once they are all in.
                const TScrollBoxEx::RangeHold hold(boxes_[5]);
                calendarPage = new TCalendarPage(boxes_[5]);
            }
            calendarPage->ApplyColours(item_, base_);
            calendarPage->SetEntries({startup_.calenBallista, startup_.calenRacial, startup_.calenJeuno});
            // Every change of a box rebuilds, by the mouse, Space or Enter alike;
            // setting the stored states above comes before, and does not.
            for (QCheckBox* c : {calendarPage->chkCalenBallista, calendarPage->chkCalenRacial, calendarPage->chkCalenJeuno})
                connect(c, &QCheckBox::toggled, this, &TSchedulePages::btnCalenRefClick);
            connect(calendarPage->btnCalenRef, &QPushButton::clicked, this, &TSchedulePages::btnCalenRefClick);
            break;
        }
        default: return;
    }
    View(page)->ShowControls();
    scrPageResize(page);
}

void TSchedulePages::BuildPages() {
    for (Page page : kBoxPages) BuildPage(page);
}

void TSchedulePages::SetDataFiles(std::string skillIni, std::string ballistaIni) {
    skillIniPath_ = std::move(skillIni);
    ballistaIniPath_ = std::move(ballistaIni);
}

void TSchedulePages::SetUpGuildPage() { guildPage->SetUp(WeekPictures()); }

void TSchedulePages::SetColours(Colour item, Colour base) {
    item_ = item;
    base_ = base;
    for (Page page : kBoxPages)
        if (TSchedulePage* view = View(page)) view->ApplyColours(item_, base_);
}

// The choices are applied to their boxes when the pages are built.
void TSchedulePages::ApplyChoices(const StartupSettings& st) { startup_ = st; }

void TSchedulePages::CollectChoices(CloseState& c) const {
    // A page never shown writes what its box would have shown for the stored choice.
    c.racial = racialPage ? racialPage->cmbRacial->currentIndex()
                          : ShownChoice(startup_.racial, static_cast<int>(kRaceNames.size()));
    c.chocobo = chocoboPage ? chocoboPage->cmbChoco->currentIndex()
                            : ShownChoice(startup_.chocobo, static_cast<int>(kChocoTownNames.size()));
    c.skillJob = skillPage ? skillPage->Job() : ShownChoice(startup_.skillJob, static_cast<int>(kJobNames.size()));
    c.skillLv = skillPage ? skillPage->updSkillMLv->Position() : ShownLevel(startup_.skillLv);
    const CalendarEntries entries = calendarPage
                                        ? calendarPage->Entries()
                                        : CalendarEntries{startup_.calenBallista, startup_.calenRacial, startup_.calenJeuno};
    c.calenBallista = entries.ballista;
    c.calenRacial = entries.racial;
    c.calenJeuno = entries.tavern;
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
    if (page == Page::Skill) BuildPage(page);
    if (page == Page::Calendar) {
        BuildPage(page);
        btnCalenRefClick();
    }
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

// --- Skill caps and the calendar: computed when asked, never by the tick ---------

void TSchedulePages::cmbSkillMainChange() {
    const int job = skillPage->Job();
    skillPage->EnableLevel(job >= 0);
    if (job >= 0) ShowSkillCaps(job, skillPage->Level());
}

void TSchedulePages::edtSkillMLvChange() {
    QLineEdit* edit = skillPage->edtSkillMLv;
    const std::string text = edit->text().toStdString();
    const std::string shown = NormaliseSkillLevelText(text);
    // Rewriting the text comes back here with the rewritten one, which goes on.
    if (shown != text) {
        edit->setText(QString::fromStdString(shown));
        return;
    }
    skillPage->updSkillMLv->FollowText();
    btnSkillRefClick();
}

void TSchedulePages::btnSkillRefClick() {
    if (skillPage && skillPage->Job() >= 0) ShowSkillCaps(skillPage->Job(), skillPage->Level());
}

void TSchedulePages::ShowSkillCaps(int job, int level) {
    // The file is read afresh each time, so corrections to it show at once.
    skillPage->ShowCaps(ComputeSkillPage(skillIniPath_, job, level));
}

void TSchedulePages::btnCalenRefClick() {
    if (!calendarPage) return;
    const TScrollBoxEx::RangeHold hold(calendarPage->Box());
    calendarPage->ShowRows(ComputeCalendar(GetVanaTime(), GetLocalBias(), ballistaIniPath_, calendarPage->Entries()));
    // A row that gained or lost its ballista picture moves its text.
    scrPageResize(Page::Calendar);
}

// --- Layout ---------------------------------------------------------------------

void TSchedulePages::scrPageResize(Page page) {
    TSchedulePage* view = View(page);
    if (view && normalMode_) view->Layout();
}

}  // namespace norvane
