#pragma once
// A small stand-in for the options dialog: a 470 x 412 dialog with a tab control
// whose "タイマー" and "アラーム" pages hold the timer pages, and an Apply button.
#include <QDialog>
#include <QPushButton>
#include <QTabWidget>

#include "core/settings/settings_store.h"
#include "gui/timers/timer_options.h"
#include "platform_gui/ui_font.h"

namespace norvane {

class OptionsHarness : public QDialog {
public:
    OptionsHarness() {
        setObjectName("frmOpt");
        setWindowTitle(QStringLiteral("オプション - Norvane"));
        setFont(UiFont(12));
        setFixedSize(470, 412);
        tabs = new QTabWidget(this);
        tabs->setObjectName("pclOpt");
        tabs->setGeometry(6, 6, 458, 368);
        tstTimer = new QWidget;
        tstTimer->setObjectName("tstTimer");
        tstAlarm = new QWidget;
        tstAlarm->setObjectName("tstAlarm");
        tabs->addTab(tstTimer, QStringLiteral("タイマー"));
        tabs->addTab(tstAlarm, QStringLiteral("アラーム"));
        pages = new TOptTimerPages(this, tstTimer, tstAlarm);
        btnApp = new QPushButton(QStringLiteral("適用(&A)"), this);
        btnApp->setObjectName("btnApp");
        btnApp->setGeometry(308, 382, 75, 23);
        btnApp->setEnabled(false);
        connect(pages, &TOptTimerPages::changed, btnApp, [this] { btnApp->setEnabled(true); });
        connect(btnApp, &QPushButton::clicked, this, [this] { Apply(); });
    }

    void Load() {
        SettingsStore store;
        pages->Load(store);
        btnApp->setEnabled(false);
    }
    void Apply() {
        {
            SettingsStore store;
            pages->Apply(store);
        }
        btnApp->setEnabled(false);
    }

    QTabWidget* tabs;
    QWidget* tstTimer;
    QWidget* tstAlarm;
    TOptTimerPages* pages;
    QPushButton* btnApp;
};

}  // namespace norvane
