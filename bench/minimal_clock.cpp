// The yardstick for the window measurements: the least a Qt clock can be, one
// label refreshed every 500 ms.
#include <QApplication>
#include <QDateTime>
#include <QLabel>
#include <QTimer>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QLabel label;
    label.setWindowTitle("Minimal");
    label.resize(300, 40);
    QTimer timer;
    QObject::connect(&timer, &QTimer::timeout, [&] {
        label.setText(QDateTime::currentDateTime().toString("yyyy/MM/dd hh:mm:ss"));
    });
    timer.start(500);
    label.show();
    return app.exec();
}
