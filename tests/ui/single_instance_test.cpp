#include <sys/stat.h>
#include <unistd.h>

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include "ui/platform/SingleInstance.h"

namespace quillex::ui {
namespace {

QString Run(QProcess& probe, const QString& lock, int holdMs, const QString& extra = {}) {
    QStringList arguments{lock, QString::number(holdMs)};
    if (!extra.isEmpty()) arguments << extra;
    probe.start(QStringLiteral(QUILLEX_PROBE), arguments);
    if (!probe.waitForReadyRead(5000)) return QStringLiteral("no answer");
    return QString::fromUtf8(probe.readLine()).trimmed();
}

std::filesystem::path Path(const QString& path) {
    return QFile::encodeName(path).toStdString();
}

int Mode(const std::filesystem::path& path) {
    struct stat status {};
    return ::lstat(path.c_str(), &status) == 0 ? static_cast<int>(status.st_mode & 07777) : -1;
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
        SingleInstance instance({Path(dir.filePath("quillex.lock")), {}});
        QCOMPARE(instance.acquire(), SingleInstance::Outcome::Acquired);
        QCOMPARE(instance.acquire(), SingleInstance::Outcome::Acquired);
        QProcess other;
        QCOMPARE(Run(other, dir.filePath("quillex.lock"), 0), QStringLiteral("refused"));
        other.waitForFinished();
    }

    void a_lock_file_no_live_process_holds_is_taken_over_whatever_it_holds() {
        const QByteArray contents[] = {
            "",                                    // cut short before anything was written
            "n'importe quoi\n\x01\xFF",            // junk
            "99999999\nquillex\nailleurs\n",       // a process that is gone
            QByteArray::number(qint64(getpid())),  // a live process that holds no lock
        };
        for (const QByteArray& content : contents) {
            QTemporaryDir dir;
            const QString lock = dir.filePath("quillex.lock");
            QFile file(lock);
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write(content);
            file.close();
            QProcess probe;
            QCOMPARE(Run(probe, lock, 0), QStringLiteral("acquired"));
            QVERIFY(probe.waitForFinished(5000));
            QCOMPARE(probe.exitCode(), 0);
        }
    }

    void a_lock_that_cannot_be_made_or_written_lets_the_program_start_and_says_why() {
        QTemporaryDir dir;
        QVERIFY(QDir(dir.path()).mkdir("dossier.lock"));
        QVERIFY(QFile::link(dir.filePath("nulle-part"), dir.filePath("lien.lock")));
        QVERIFY(QDir(dir.path()).mkdir("lecture-seule"));
        QVERIFY(::chmod(QFile::encodeName(dir.filePath("lecture-seule")).constData(), 0500) == 0);
        struct Row {
            const char* name;
            QString lock;
            QString extra;
        };
        const Row rows[] = {
            {"folder missing", dir.filePath("absent/quillex.lock"), {}},
            {"a folder in its place", dir.filePath("dossier.lock"), {}},
            {"a dangling link in its place", dir.filePath("lien.lock"), {}},
            // Root may write there all the same, which is fine: the start goes on either way.
            {"read-only folder", dir.filePath("lecture-seule/quillex.lock"), {}},
            {"nothing may be written, as on a full disk", dir.filePath("plein.lock"),
             QStringLiteral("nowrite")},
        };
        for (const Row& row : rows) {
            QProcess probe;
            const QString answer = Run(probe, row.lock, 0, row.extra);
            const bool said = answer.startsWith("unavailable: ") && answer.size() > 13;
            QVERIFY2(answer == "acquired" || said,
                     qPrintable(QStringLiteral("%1: %2").arg(row.name, answer)));
            QVERIFY(probe.waitForFinished(5000));
            QCOMPARE(probe.exitCode(), 0);
        }
    }

    void the_lock_lives_in_a_folder_private_to_the_user() {
        QTemporaryDir runtime, temp, open;
        QVERIFY(::chmod(QFile::encodeName(open.path()).constData(), 0755) == 0);
        const auto tempPath = Path(temp.path());
        const auto fallback = tempPath / ("quillex-" + std::to_string(::geteuid()));
        struct Row {
            const char* name;
            std::filesystem::path runtime;
            std::filesystem::path expected;
        };
        const Row rows[] = {
            {"runtime folder of the user's own", Path(runtime.path()),
             Path(runtime.path()) / "quillex.lock"},
            {"no runtime folder", {}, fallback / "quillex.lock"},
            {"runtime folder others may enter", Path(open.path()), fallback / "quillex.lock"},
            {"relative runtime folder", "run", fallback / "quillex.lock"},
        };
        for (const Row& row : rows) {
            const LockPath place = SingleInstance::LockPathFor(row.runtime, tempPath);
            QVERIFY2(place.path == row.expected, row.name);
            QVERIFY2(place.problem.empty(), row.name);
        }
        QCOMPARE(Mode(fallback), 0700);

        // A private folder opened to others is closed again before use.
        QVERIFY(::chmod(fallback.c_str(), 0777) == 0);
        QCOMPARE(SingleInstance::LockPathFor({}, tempPath).path, fallback / "quillex.lock");
        QCOMPARE(Mode(fallback), 0700);
    }

    void a_private_folder_name_taken_by_someone_else_is_not_used() {
        QTemporaryDir temp, elsewhere;
        const auto tempPath = Path(temp.path());
        const auto fallback = tempPath / ("quillex-" + std::to_string(::geteuid()));
        // A link to a folder another user could control.
        QVERIFY(QFile::link(elsewhere.path(), QString::fromStdString(fallback.string())));
        LockPath place = SingleInstance::LockPathFor({}, tempPath);
        QVERIFY(place.path.empty());
        QVERIFY(!place.problem.empty());
        SingleInstance instance(place);
        QCOMPARE(instance.acquire(), SingleInstance::Outcome::Unavailable);
        QCOMPARE(instance.problem(), place.problem);
        QVERIFY(!QFile::exists(elsewhere.filePath("quillex.lock")));

        if (::geteuid() != 0) return;  // only root can hand a folder to another user
        QVERIFY(QFile::remove(QString::fromStdString(fallback.string())));
        QVERIFY(::mkdir(fallback.c_str(), 0700) == 0);
        QVERIFY(::chown(fallback.c_str(), 65534, 65534) == 0);
        QVERIFY(SingleInstance::LockPathFor({}, tempPath).path.empty());

        // A lock file another user planted in a folder of ours is not used either.
        QTemporaryDir runtime;
        const auto planted = Path(runtime.filePath("quillex.lock"));
        QFile(runtime.filePath("quillex.lock")).open(QIODevice::WriteOnly);
        QVERIFY(::chown(planted.c_str(), 65534, 65534) == 0);
        SingleInstance besidePlanted({planted, {}});
        QCOMPARE(besidePlanted.acquire(), SingleInstance::Outcome::Unavailable);
    }
};

}  // namespace
}  // namespace quillex::ui

QTEST_MAIN(quillex::ui::SingleInstanceTest)
#include "single_instance_test.moc"
