// Draws the application icon into the hicolor theme's sizes for the desktop's
// menus: render_icons OUTDIR writes OUTDIR/NxN/apps/norvane.png for each size.
// Run at build time without a display (the offscreen platform).
#include <QDir>
#include <QGuiApplication>
#include <QImage>

#include <cstdio>

#include "gui/art/pictures.h"

int main(int argc, char* argv[]) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: render_icons OUTDIR\n");
        return 2;
    }
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const QString out = QString::fromLocal8Bit(argv[1]);
    for (int size : {16, 32, 48, 64, 128, 256}) {
        const QString dir = QStringLiteral("%1/%2x%2/apps").arg(out).arg(size);
        const QString file = dir + QStringLiteral("/norvane.png");
        if (!QDir().mkpath(dir) || !norvane::WindowIconImage(size).save(file, "PNG")) {
            std::fprintf(stderr, "render_icons: cannot write %s\n", qPrintable(file));
            return 1;
        }
    }
    return 0;
}
