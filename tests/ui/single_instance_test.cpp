#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include "platform/SingleInstance.h"

namespace quillex::ui {
namespace {

QString Run(QProcess& probe, const QString& lock, int holdMs) {
    probe.start(QStringLiteral(QUILLEX_PROBE), {lock, QString::number(holdMs)});
    if (!probe.waitForReadyRead(5000)) return QStringLiteral("no answer");
    return QString::fromLatin1(probe.readLine()).trimmed();
}

class SingleInstanceTest : public QObject {
    Q_OBJECT
  private slots:
    void second_process_is_refused_while_the_first_runs_unaffected() {
        QTemporaryDir dir;
        const QString lock = dir.filePath("quillex.lock");
        QProcess first, second;
        QCOMPARE(Run(first, lock, 10000), QStringLiteral("acquired"));
        QCOMPARE(Run(second, lock, 0), QStringLiteral("refused"));
        QVERIFY(second.waitForFinished(5000));
        QCOMPARE(second.exitCode(), 1);
        QCOMPARE(first.state(), QProcess::Running);
        first.kill();
        first.waitForFinished();
    }

    void lock_left_by_a_killed_process_does_not_block_the_next_start() {
        QTemporaryDir dir;
        const QString lock = dir.filePath("quillex.lock");
        QProcess killed, next;
        QCOMPARE(Run(killed, lock, 10000), QStringLiteral("acquired"));
        killed.kill();  // no clean-up: the lock file stays behind
        QVERIFY(killed.waitForFinished(5000));
        QVERIFY(QFile::exists(lock));
        QCOMPARE(Run(next, lock, 0), QStringLiteral("acquired"));
        next.waitForFinished();
    }

    void the_same_process_keeps_its_lock() {
        QTemporaryDir dir;
        SingleInstance instance(dir.filePath("quillex.lock"));
        QVERIFY(instance.acquire());
        QVERIFY(instance.acquire());
        QProcess other;
        QCOMPARE(Run(other, dir.filePath("quillex.lock"), 0), QStringLiteral("refused"));
        other.waitForFinished();
    }
};

}  // namespace
}  // namespace quillex::ui

QTEST_MAIN(quillex::ui::SingleInstanceTest)
#include "single_instance_test.moc"
