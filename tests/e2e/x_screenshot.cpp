// Saves the whole X screen, or one window given by id, as a PNG file.
//   x_screenshot OUT.png [WINDOW-ID]
#include <QGuiApplication>
#include <QPixmap>
#include <QScreen>
#include <cstdio>

int main(int argc, char* argv[]) {
    QGuiApplication app(argc, argv);
    if (argc < 2) {
        std::fprintf(stderr, "usage: x_screenshot OUT.png [WINDOW-ID]\n");
        return 2;
    }
    WId id = argc > 2 ? static_cast<WId>(std::strtoull(argv[2], nullptr, 0)) : 0;
    QPixmap shot = QGuiApplication::primaryScreen()->grabWindow(id);
    if (shot.isNull() || !shot.save(QString::fromLocal8Bit(argv[1]), "PNG")) {
        std::fprintf(stderr, "x_screenshot: could not grab or save\n");
        return 1;
    }
    return 0;
}
