// The yardstick for the window measurements: the least a Qt clock can be, one
// label refreshed every 500 ms. Like Norvane, it shows the time from its first
// frame: the first refresh runs before the window shows, not half a second later.
#include <QApplication>
#include <QDateTime>
#include <QLabel>
#include <QTimer>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QLabel label;
    label.setWindowTitle("Minimal");
    label.resize(300, 40);
    auto refresh = [&] { label.setText(QDateTime::currentDateTime().toString("yyyy/MM/dd hh:mm:ss")); };
    refresh();
    QTimer timer;
    QObject::connect(&timer, &QTimer::timeout, refresh);
    timer.start(500);
    label.show();
    return app.exec();
}
