// A stand-in for a starting copy of the program: claims the single instance in
// the folder given and reports its role by exit status.
//   instance_probe FOLDER SERVE_MS [EXPECTED]
// Primary: serves messages for SERVE_MS, or until EXPECTED activations came,
// prints "received N", exits 0.
// Secondary: sends the activation message; exits 3 when delivered, 4 when not.
// Unguarded: exits 5.
#include <QCoreApplication>
#include <QTimer>

#include <cstdio>
#include <cstdlib>

#include "platform/single_instance.h"

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    if (argc != 3 && argc != 4) return 64;
    const int expected = argc == 4 ? std::atoi(argv[3]) : -1;
    const QString folder = QString::fromLocal8Bit(argv[1]);
    norvane::SingleInstance instance(folder);
    switch (instance.start()) {
    case norvane::SingleInstance::Role::Secondary:
        return norvane::PostAppMessage(norvane::AppMessage::MainActive, 3000, folder) ==
                       norvane::PostResult::Delivered
                   ? 3
                   : 4;
    case norvane::SingleInstance::Role::Unguarded:
        return 5;
    case norvane::SingleInstance::Role::Primary:
        break;
    }
    std::printf("primary\n");
    std::fflush(stdout);
    int received = 0;
    QObject::connect(&instance, &norvane::SingleInstance::activateRequested, [&] {
        if (++received == expected) app.quit();
    });
    QTimer::singleShot(std::atoi(argv[2]), &app, &QCoreApplication::quit);
    app.exec();
    std::printf("received %d\n", received);
    return 0;
}
