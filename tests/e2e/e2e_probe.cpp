// What the end-to-end test needs to act on the running window and to judge what
// it shows, as a user's eyes and hands would:
//   e2e_probe layout WIDTH HEIGHT
//       Builds the window as the program does (same faces, same style, never
//       mapped) at WIDTH x HEIGHT and prints where its controls are, in window
//       coordinates: "NAME X Y W H" per line. Run with NORVANE_SETTINGS naming
//       a scratch file.
//   e2e_probe ink WINDOW-ID X Y W H [X Y W H ...]
//       Grabs the window once (0: the whole screen) and prints for each region
//       "colours=N rows=M common=#rrggbb hash=H": the distinct colours, the
//       pixel rows holding a pixel unlike the region's most common colour, that
//       colour, and a hash of all pixels (to tell whether the region changed).
//       Regions of one grab show the same instant.
//   e2e_probe ink-file PICTURE.png RRGGBB
//       For a picture of a whole screen whose background is the one colour
//       RRGGBB: "box=X,Y,W,H" of what is not background, then that box's ink
//       as above; "box=none" when nothing is there.
#include <QAction>
#include <QApplication>
#include <QHash>
#include <QImage>
#include <QLabel>
#include <QPixmap>
#include <QScreen>
#include <QToolBar>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "gui/controls/image_ex.h"
#include "gui/controls/line_page_control.h"
#include "gui/controls/line_tab_panel.h"
#include "gui/controls/title_buttons.h"
#include "gui/main_window/app_style.h"
#include "gui/main_window/main_window.h"
#include "platform_gui/ui_font.h"

namespace {

using norvane::TfrmMain;

void Print(const char* name, const TfrmMain& w, const QWidget* c, QRect r) {
    const QPoint tl = c->mapTo(&w, r.topLeft());
    std::printf("%s %d %d %d %d\n", name, tl.x(), tl.y(), r.width(), r.height());
}

void Print(const char* name, const TfrmMain& w, const QWidget* c) { Print(name, w, c, c->rect()); }

// A control of the window by its object name; the probe cannot go on without it.
template <typename T = QWidget>
T* Control(const TfrmMain& w, const char* name) {
    auto* c = w.findChild<T*>(name);
    if (!c) {
        std::fprintf(stderr, "e2e_probe: no control named %s\n", name);
        std::exit(1);
    }
    return c;
}

int Layout(int width, int height) {
    norvane::InstallAppStyle();
    norvane::PrepareFontList();
    TfrmMain w({"norvane"});
    // Laid out as shown, but never put on the screen the test looks at.
    w.setAttribute(Qt::WA_DontShowOnScreen);
    w.show();
    w.resize(width, height);
    QApplication::processEvents();

    auto* pages = Control<norvane::TLinePageControl>(w, "pclMain");
    norvane::TLineTabPanel* strip = pages->TabPanel();
    const std::vector<QRect> tabs = strip->TabRects();
    for (std::size_t i = 0; i < tabs.size(); ++i)
        Print(("tab" + std::to_string(i + 1)).c_str(), w, strip, tabs[i]);
    Print("page", w, pages, pages->PageRect());
    Print("toSimple", w, Control<QToolBar>(w, "tbrMenu")->widgetForAction(Control<QAction>(w, "actSimple")));
    for (auto* b : Control(w, "tbsMain")->findChildren<norvane::TTitleButton*>())
        if (b->ButtonType() == norvane::wbtMaxi) Print("maximize", w, b);
    Print("weekPicture", w, Control(w, "imgVanaWeek"));
    // The first timer cell: its reading, its start time and its two buttons.
    Print("timerDisplay1", w, Control(w, "lblTimer1"));
    Print("timerStarted1", w, Control(w, "lblTimerC1"));
    Print("timerStart1", w, Control(w, "btnTimer1"));
    Print("timerReset1", w, Control(w, "btnTimerR1"));

    w.actSimpleExecute();
    QApplication::processEvents();
    Print("simpleMenu", w, Control(w, "imgMenu"));
    Print("simpleReturn", w, Control(w, "imgReturn"));
    Print("simpleExit", w, Control(w, "imgExit"));
    Print("simpleClock", w, Control(w, "lblVanaTime"));
    return 0;
}

int Ink(const QImage& whole, QRect r) {
    const QImage shot = whole.copy(r);
    if (shot.isNull()) {
        std::fprintf(stderr, "e2e_probe: could not grab the window\n");
        return 1;
    }
    QHash<QRgb, int> counts;
    std::uint64_t hash = 14695981039346656037ull;  // FNV-1a
    for (int y = 0; y < shot.height(); ++y)
        for (int x = 0; x < shot.width(); ++x) {
            const QRgb c = shot.pixel(x, y) | 0xFF000000u;
            ++counts[c];
            hash = (hash ^ c) * 1099511628211ull;
        }
    QRgb common = 0;
    int most = -1;
    for (auto it = counts.cbegin(); it != counts.cend(); ++it)
        if (it.value() > most) most = it.value(), common = it.key();
    int rows = 0;
    for (int y = 0; y < shot.height(); ++y)
        for (int x = 0; x < shot.width(); ++x)
            if ((shot.pixel(x, y) | 0xFF000000u) != common) {
                ++rows;
                break;
            }
    std::printf("colours=%d rows=%d common=#%06x hash=%016llx\n", static_cast<int>(counts.size()), rows,
                static_cast<unsigned>(common & 0xFFFFFFu), static_cast<unsigned long long>(hash));
    return 0;
}

}  // namespace

int main(int argc, char* argv[]) {
    const std::string what = argc > 1 ? argv[1] : "";
    if (what == "layout" && argc == 4) {
        norvane::PrepareUiFamily();
        QApplication app(argc, argv);
        return Layout(std::atoi(argv[2]), std::atoi(argv[3]));
    }
    if (what == "ink" && argc >= 7 && (argc - 3) % 4 == 0) {
        QApplication app(argc, argv);
        const auto id = static_cast<WId>(std::strtoull(argv[2], nullptr, 0));
        const QImage whole = QGuiApplication::primaryScreen()->grabWindow(id).toImage();
        for (int i = 3; i < argc; i += 4)
            if (const int failed = Ink(whole, QRect(std::atoi(argv[i]), std::atoi(argv[i + 1]),
                                                    std::atoi(argv[i + 2]), std::atoi(argv[i + 3]))))
                return failed;
        return 0;
    }
    if (what == "ink-file" && argc == 4) {
        const QImage whole(QString::fromLocal8Bit(argv[2]));
        if (whole.isNull()) {
            std::fprintf(stderr, "e2e_probe: cannot read %s\n", argv[2]);
            return 1;
        }
        const QRgb background = 0xFF000000u | static_cast<QRgb>(std::strtoul(argv[3], nullptr, 16));
        QRect box;
        for (int y = 0; y < whole.height(); ++y)
            for (int x = 0; x < whole.width(); ++x)
                if ((whole.pixel(x, y) | 0xFF000000u) != background) box |= QRect(x, y, 1, 1);
        if (box.isEmpty()) {
            std::printf("box=none\n");
            return 0;
        }
        std::printf("box=%d,%d,%d,%d ", box.x(), box.y(), box.width(), box.height());
        return Ink(whole, box);
    }
    std::fprintf(stderr,
                 "usage: e2e_probe layout WIDTH HEIGHT | e2e_probe ink WINDOW-ID X Y W H [X Y W H ...] |"
                 " e2e_probe ink-file PICTURE.png RRGGBB\n");
    return 2;
}
