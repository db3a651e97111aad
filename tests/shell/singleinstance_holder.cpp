// Takes the single-instance lock for the identity given as argument, says so and waits to be killed.
#include "SingleInstance.h"

#include <QCoreApplication>
#include <QThread>
#include <cstdio>

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    if (argc < 2) {
        return 2;
    }
    zodiac::SingleInstance instance(QString::fromLocal8Bit(argv[1]));
    if (!instance.TryAcquire()) {
        std::puts("busy");
        std::fflush(stdout);
        return 1;
    }
    std::puts("held");
    std::fflush(stdout);
    for (;;) {
        QThread::sleep(1);
    }
}
