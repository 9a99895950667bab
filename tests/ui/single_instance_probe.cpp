// Takes the single-instance lock at the given path, says whether it got it, then holds it for
// the given milliseconds.
#include <QCoreApplication>
#include <QThread>
#include <cstdio>

#include "platform/SingleInstance.h"

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    if (argc != 3) return 2;
    quillex::ui::SingleInstance instance(QString::fromLocal8Bit(argv[1]));
    const bool acquired = instance.acquire();
    std::puts(acquired ? "acquired" : "refused");
    std::fflush(stdout);
    if (acquired) QThread::msleep(QString::fromLocal8Bit(argv[2]).toULong());
    return acquired ? 0 : 1;
}
