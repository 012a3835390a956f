// The window's skins, offscreen: applying one with every page built, choosing
// one from the menu as a player does, and listing a folder of twenty skin files
// in both window-colour menus.
#include <benchmark/benchmark.h>

#include <QAction>
#include <QApplication>
#include <QMenu>
#include <QFile>
#include <QTemporaryDir>

#include "gui/main_window/main_window.h"
#include "support/fake_os_clock.h"

namespace {

void WriteSkins(const QTemporaryDir& dir, int count) {
    for (int i = 0; i < count; ++i) {
        QFile f(dir.filePath(QString("skin%1.skn").arg(i, 2, 10, QChar('0'))));
        if (!f.open(QIODevice::WriteOnly)) continue;
        f.write(QString("[Skin]\r\nName=Skin %1\r\n[Color]\r\nBack=%2\r\nBace=$00F0E0D0\r\nItem=0x00FFF0E0\r\n")
                    .arg(i)
                    .arg(0x100 * i + 200)
                    .toLatin1());
    }
}

struct Window {
    QTemporaryDir settings;
    QTemporaryDir skins;
    norvane::FakeOsClock clock;
    norvane::ScopedOsClock scope{clock};
    std::unique_ptr<norvane::TfrmMain> w;

    explicit Window(int skinCount) {
        qputenv("NORVANE_SETTINGS", settings.filePath("Norvane.reg").toUtf8());
        WriteSkins(skins, skinCount);
        w = std::make_unique<norvane::TfrmMain>(std::vector<std::string>{"norvane"});
        w->SetSkinFolder(skins.path().toStdString() + "/");
        w->show();
        for (int p = 0; p < norvane::kPageCount; ++p) w->ShowPage(*norvane::PageAt(p));
        w->ShowPage(norvane::Page::Ship);
        QApplication::processEvents();
    }
};

void BM_ApplySkinEveryPageBuilt(benchmark::State& state) {
    Window win(2);
    int i = 0;
    for (auto _ : state) {
        win.w->ApplySkin(i);
        i ^= 1;
    }
}
BENCHMARK(BM_ApplySkinEveryPageBuilt)->Unit(benchmark::kMillisecond);

// A player's click on the other skin: what the click blocks for. The save of the
// choice follows at the next idle moment, outside the measured time but within
// every iteration, so that no save is skipped.
void BM_ChooseSkinFromMenu(benchmark::State& state) {
    Window win(2);
    const QList<QAction*> skins = win.w->findChild<QMenu*>("mnuColor")->actions();
    int i = 0;
    for (auto _ : state) {
        skins[i]->trigger();
        i ^= 1;
        state.PauseTiming();
        QApplication::processEvents();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_ChooseSkinFromMenu)->Unit(benchmark::kMillisecond);

// The same skin again: the setting is unchanged, so the time is the recolouring's.
void BM_ReapplySkinEveryPageBuilt(benchmark::State& state) {
    Window win(2);
    for (auto _ : state) win.w->ApplySkin(0);
}
BENCHMARK(BM_ReapplySkinEveryPageBuilt)->Unit(benchmark::kMillisecond);

void BM_BuildSkinMenuTwentyFiles(benchmark::State& state) {
    Window win(20);
    for (auto _ : state) {
        win.w->BuildSkinMenu();
        // The last build's menus go with the events.
        QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
}
BENCHMARK(BM_BuildSkinMenuTwentyFiles)->Unit(benchmark::kMillisecond);

}  // namespace
