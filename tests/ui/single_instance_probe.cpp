// Takes the single-instance lock at the given path and says what came of it ("acquired",
// "refused", or "unavailable: " and why), then holds it for the given milliseconds. With a third
// argument "nowrite", no file may grow, as on a full disk.
#include <signal.h>
#include <sys/resource.h>

#include <QCoreApplication>
#include <QThread>
#include <cstdio>
#include <cstring>

#include "ui/platform/SingleInstance.h"

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    if (argc < 3) return 2;
    if (argc > 3 && std::strcmp(argv[3], "nowrite") == 0) {
        ::signal(SIGXFSZ, SIG_IGN);
        const rlimit none{0, 0};
        ::setrlimit(RLIMIT_FSIZE, &none);
    }
    using quillex::ui::SingleInstance;
    SingleInstance instance(quillex::ui::LockPath{argv[1], {}});
    const SingleInstance::Outcome outcome = instance.acquire();
    switch (outcome) {
        case SingleInstance::Outcome::Acquired:
            std::puts("acquired");
            break;
        case SingleInstance::Outcome::HeldElsewhere:
            std::puts("refused");
            break;
        case SingleInstance::Outcome::Unavailable:
            std::printf("unavailable: %s\n", instance.problem().c_str());
            break;
    }
    std::fflush(stdout);
    if (outcome == SingleInstance::Outcome::HeldElsewhere) return 1;
    QThread::msleep(QString::fromLocal8Bit(argv[2]).toULong());
    return 0;
}
