// Renders every custom control in its main states into one PNG sheet, for a
// person to look at: norvane_gallery sheet.png
#include <QApplication>
#include <QEnterEvent>
#include <QImage>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QPixmap>
#include <cstdio>
#include <functional>
#include <memory>

#include "gui/controls/edge_panel.h"
#include "gui/controls/image_label.h"
#include "gui/controls/line_page.h"
#include "gui/controls/line_page_control.h"
#include "gui/controls/line_panel.h"
#include "gui/controls/line_tab_panel.h"
#include "gui/controls/scroll_box_ex.h"
#include "gui/controls/tab_style.h"
#include "gui/controls/title_button.h"
#include "gui/controls/title_buttons.h"

using namespace norvane;

namespace {

constexpr int kColumns = 4;
constexpr int kCell = 250;
constexpr int kCaption = 18;

// Skin-like colours, so that every shade is visible.
constexpr Colour kEdge = Rgb(206, 214, 226);
constexpr Colour kLine = Rgb(70, 96, 140);
constexpr Colour kBody = Rgb(255, 255, 255);

struct Sheet {
    QImage image;
    int next = 0;

    explicit Sheet(int cells)
        : image(kColumns * kCell, ((cells + kColumns - 1) / kColumns) * (kCell + kCaption), QImage::Format_RGB32) {
        image.fill(QColor(240, 240, 240));
    }

    // Renders `w` into the next cell under `title`, magnified `zoom` times.
    void Add(const QString& title, QWidget& w, int zoom = 1) {
        const int col = next % kColumns;
        const int row = next / kColumns;
        ++next;
        QImage shot(w.size(), QImage::Format_RGB32);
        shot.fill(Qt::magenta);
        w.render(&shot);
        if (zoom > 1) shot = shot.scaled(shot.size() * zoom, Qt::IgnoreAspectRatio, Qt::FastTransformation);
        QPainter p(&image);
        const QPoint origin(col * kCell, row * (kCell + kCaption));
        p.setPen(Qt::black);
        p.drawText(QRect(origin + QPoint(4, 0), QSize(kCell - 8, kCaption)), Qt::AlignVCenter, title);
        p.drawImage(origin + QPoint(8, kCaption + 4), shot);
    }
};

void Enter(QWidget& w) {
    QEnterEvent e(QPointF(5, 5), QPointF(5, 5), QPointF(5, 5));
    QApplication::sendEvent(&w, &e);
}

void Press(QWidget& w) {
    QMouseEvent e(QEvent::MouseButtonPress, QPointF(5, 5), QPointF(5, 5), Qt::LeftButton, Qt::LeftButton,
                  Qt::NoModifier);
    QApplication::sendEvent(&w, &e);
}

std::unique_ptr<TLinePageControl> MakePages(TTabPosition position, RoundKinds round, bool panel) {
    auto pcl = std::make_unique<TLinePageControl>();
    pcl->resize(position == tpTop || position == tpBottom ? 230 : 160, position == tpTop || position == tpBottom ? 120 : 200);
    pcl->SetTabPosition(position);
    pcl->SetEdgeRound(round);
    pcl->SetPanelStyle(panel);
    pcl->SetEdgeColor(kEdge);
    pcl->SetLineColor(kLine);
    pcl->SetColor(kBody);
    pcl->TabStyle()->SetActiveTabColor(kBody);
    for (const char* caption : {"タイマー", "船・飛空挺", "ギルド"}) {
        auto* page = new TLinePage(pcl.get());
        page->SetCaption(QString::fromUtf8(caption));
        new QLabel(QString::fromUtf8(caption), page);
    }
    pcl->SetActivePage(1);
    return pcl;
}

}  // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    if (argc < 2) {
        std::fprintf(stderr, "usage: norvane_gallery sheet.png\n");
        return 2;
    }
    QFont font = app.font();
    font.setPixelSize(12);
    app.setFont(font);

    std::vector<std::function<void(Sheet&)>> cells;

    // Edge panels: corner sets and margins.
    for (const auto& [title, round, spacing] :
         {std::tuple{"TEdgePanel all corners", kAllCorners, 0}, std::tuple{"TEdgePanel top, spacing 3", RoundKinds(rkTopLeft | rkTopRight), 3},
          std::tuple{"TEdgePanel none, spacing 6", RoundKinds(), 6}}) {
        cells.push_back([=](Sheet& s) {
            TEdgePanel p;
            p.resize(200, 90);
            p.SetColor(kBody);
            p.SetEdgeColor(Rgb(60, 80, 120));
            p.SetEdgeRound(round);
            p.SetEdgeSpacing(spacing);
            p.SetCaption(QStringLiteral("今の月齢の残り時間"));
            s.Add(QString::fromUtf8(title), p);
        });
    }
    cells.push_back([](Sheet& s) {
        TEdgePanel p;
        p.resize(40, 30);
        p.SetColor(kBody);
        p.SetEdgeColor(Rgb(60, 80, 120));
        s.Add(QStringLiteral("TEdgePanel corners x5"), p, 5);
    });
    // Line panels: the clock panel in normal and simple mode, caption alignment.
    for (const auto& [title, round, align] :
         {std::tuple{"TLinePanel square, left", RoundKinds(), taLeftJustify},
          std::tuple{"TLinePanel top cut, left", RoundKinds(rkTopLeft | rkTopRight), taLeftJustify},
          std::tuple{"TLinePanel all cut, right", kAllCorners, taRightJustify}}) {
        cells.push_back([=](Sheet& s) {
            TLinePanel p;
            p.resize(200, 44);
            p.SetColor(kBody);
            p.SetEdgeColor(kEdge);
            p.SetLineColor(kLine);
            p.SetEdgeRound(round);
            p.SetAlignment(align);
            p.SetCaption(QStringLiteral("ヴァナ時間 :"));
            s.Add(QString::fromUtf8(title), p);
        });
    }
    cells.push_back([](Sheet& s) {
        TLinePanel p;
        p.resize(40, 30);
        p.SetColor(kBody);
        p.SetEdgeColor(kEdge);
        p.SetLineColor(kLine);
        p.SetEdgeRound(kAllCorners);
        s.Add(QStringLiteral("TLinePanel cut corners x5"), p, 5);
    });
    // Image labels on all four sides.
    cells.push_back([](Sheet& s) {
        QWidget host;
        host.resize(220, 150);
        host.setAutoFillBackground(true);
        QPixmap pic(16, 16);
        pic.fill(QColor(230, 120, 40));
        const struct {
            TImagePosition pos;
            const char* text;
            QRect bounds;
        } labels[] = {{ipLeft, "ipLeft", QRect(40, 20, 60, 12)},
                      {ipRight, "ipRight", QRect(110, 20, 60, 12)},
                      {ipAbove, "ipAbove", QRect(40, 80, 60, 12)},
                      {ipBelow, "ipBelow", QRect(120, 60, 60, 12)}};
        for (const auto& l : labels) {
            auto* label = new TImageLabel(QString::fromUtf8(l.text), &host);
            label->setGeometry(l.bounds);
            label->SetImagePosition(l.pos);
            label->LabelImage()->SetPicture(pic);
            label->PlaceImage();
        }
        s.Add(QStringLiteral("TImageLabel positions"), host);
    });
    // Page controls: all tab positions, corner sets, panel style.
    const struct {
        const char* title;
        TTabPosition position;
        RoundKinds round;
        bool panel;
    } pages[] = {
        {"tpBottom, BL+BR (main window)", tpBottom, RoundKinds(rkBottomLeft | rkBottomRight), false},
        {"tpTop, all corners", tpTop, kAllCorners, false},
        {"tpLeft, all corners", tpLeft, kAllCorners, false},
        {"tpRight, all corners", tpRight, kAllCorners, false},
        {"tpBottom panel style, all", tpBottom, kAllCorners, true},
        {"tpTop panel style, all", tpTop, kAllCorners, true},
        {"tpLeft panel style, all", tpLeft, kAllCorners, true},
        {"tpRight panel style, none", tpRight, RoundKinds(), true},
    };
    for (const auto& pg : pages) {
        cells.push_back([pg](Sheet& s) {
            auto pcl = MakePages(pg.position, pg.round, pg.panel);
            if (pg.position == tpBottom && !pg.panel) {
                // Hover the third tab to show the hot caption colour.
                QMouseEvent move(QEvent::MouseMove, QPointF(pcl->TabPanel()->TabRects()[2].center()),
                                 QPointF(), Qt::NoButton, Qt::NoButton, Qt::NoModifier);
                QApplication::sendEvent(pcl->TabPanel(), &move);
            }
            s.Add(QString::fromUtf8(pg.title), *pcl);
        });
    }
    // Close-ups of the tab strip: cut corners, shared borders, the open tab.
    for (const auto& [title, panel] : {std::pair{"tpBottom BL+BR x3", false}, std::pair{"panel style, all x3", true}}) {
        cells.push_back([=](Sheet& s) {
            auto pcl = MakePages(tpBottom, panel ? kAllCorners : RoundKinds(rkBottomLeft | rkBottomRight), panel);
            pcl->resize(80, 70);
            pcl->Pages(0)->SetCaption(QStringLiteral("A"));
            pcl->Pages(1)->SetCaption(QStringLiteral("B"));
            pcl->Pages(2)->SetCaption(QStringLiteral("C"));
            s.Add(QString::fromUtf8(title), *pcl, 3);
        });
    }
    // Title buttons: normal, hot, pressed, maximized, and only the close button.
    cells.push_back([](Sheet& s) {
        QWidget form;
        form.resize(300, 200);
        TTitleButtons bar;
        bar.SetColor(Rgb(60, 80, 120));
        bar.SetForm(&form);
        s.Add(QStringLiteral("TTitleButtons normal x3"), bar, 3);
    });
    cells.push_back([](Sheet& s) {
        QWidget form;
        TTitleButtons bar;
        bar.SetColor(Rgb(60, 80, 120));
        bar.SetForm(&form);
        Enter(*bar.MiniButton());
        Enter(*bar.MaxiButton());
        Press(*bar.CloseButton());
        s.Add(QStringLiteral("hot, hot, pressed x3"), bar, 3);
    });
    cells.push_back([](Sheet& s) {
        QWidget form;
        form.setWindowState(Qt::WindowMaximized);
        TTitleButtons bar;
        bar.resize(70, 25);
        bar.SetAlignment(taRightJustify);
        bar.SetColor(Rgb(60, 80, 120));
        bar.SetForm(&form);
        Enter(*bar.MaxiButton());
        s.Add(QStringLiteral("maximized (restore), hot x3"), bar, 3);
    });
    cells.push_back([](Sheet& s) {
        TTitleButtons bar;
        bar.SetColor(Rgb(60, 80, 120));
        bar.SetWindowButtons(wbClose);
        s.Add(QStringLiteral("wbClose only x3"), bar, 3);
    });
    cells.push_back([](Sheet& s) {
        TScrollBoxEx box;
        box.resize(200, 120);
        for (int i = 0; i < 12; ++i) {
            auto* l = new QLabel(QStringLiteral("行 %1").arg(i), box.Contents());
            l->move(6, 6 + 20 * i);
        }
        box.show();  // lets the scroll area lay out its bars
        QApplication::processEvents();
        s.Add(QStringLiteral("TScrollBoxEx"), box);
    });

    Sheet sheet(static_cast<int>(cells.size()));
    for (auto& cell : cells) cell(sheet);
    if (!sheet.image.save(QString::fromLocal8Bit(argv[1]), "PNG")) {
        std::fprintf(stderr, "cannot write %s\n", argv[1]);
        return 1;
    }
    return 0;
}
