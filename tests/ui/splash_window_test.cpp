#include <QAbstractButton>
#include <QApplication>
#include <QFile>
#include <QMessageBox>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include "core/errors/InternalFailure.h"
#include "ui/app/Program.h"
#include "ui/mainwindow/MainWindow.h"
#include "ui/platform/FakePlatform.h"
#include "ui/platform/QtPlatform.h"
#include "ui/platform/SingleInstance.h"
#include "ui/splash/SplashWindow.h"

namespace quillex::ui {
namespace {

// Loads the real resources, except the one named, whose read fails as a missing resource would.
SplashWindow::Loader FailingOn(int failingId) {
    return [failingId](WordListResource resource) {
        if (resource.id == failingId)
            throw InternalFailure(u"Ressource introuvable : LISTE", FailureCode::ResourceNotFound);
        return SplashWindow::DefaultLoader(resource);
    };
}

class SplashWindowTest : public QObject {
    Q_OBJECT
  private slots:
    void shows_the_progress_texts_in_order_then_hands_over() {
        FakePlatform fakes;
        Dictionaries dictionaries;
        SplashWindow splash(dictionaries, fakes.platform());
        QSignalSpy progress(&splash, &SplashWindow::progressChanged);
        QSignalSpy loaded(&splash, &SplashWindow::loaded);
        // The main window may be built on listsLoaded: every list is there, and the hand-over
        // is still to come.
        int listsLoaded = 0;
        connect(&splash, &SplashWindow::listsLoaded, this, [&] {
            ++listsLoaded;
            QCOMPARE(loaded.size(), 0);
            QVERIFY(dictionaries.shortWordGlossary.count() > 0);
        });
        QCOMPARE(splash.progressText(), QStringLiteral("Patientez..."));
        splash.start();
        QVERIFY(loaded.wait(10000));
        QCOMPARE(listsLoaded, 1);
        QStringList texts;
        for (const auto& args : progress) texts << args.at(0).toString();
        QCOMPARE(texts,
                 (QStringList{"Patientez.", "Patientez..", "Patientez...", "Patientez...."}));
        QVERIFY(fakes.messages.shown.isEmpty());
        QVERIFY(dictionaries.mainWordList.count() > 400000);
        QVERIFY(dictionaries.synonymLetterTables.table(u'z').size() > 0);
        QVERIFY(dictionaries.shortWordGlossary.count() > 0);
        QCOMPARE(fakes.pointer.screenHistory,
                 (QList<PointerShape>{PointerShape::Hourglass, PointerShape::Arrow}));
    }

    void splash_is_sized_from_its_frame_and_sits_a_quarter_down() {
        FakePlatform fakes;
        Dictionaries dictionaries;
        SplashWindow splash(dictionaries, fakes.platform());
        QSignalSpy progress(&splash, &SplashWindow::progressChanged);
        splash.start();
        QVERIFY(progress.wait(5000));
        const QWidget* frame = splash.findChild<QWidget*>(QStringLiteral("splashPanel"));
        QVERIFY(frame);
        QCOMPARE(splash.width(), frame->geometry().right() + 1 + 8);  // 120 twips
        QCOMPARE(splash.height(), frame->geometry().bottom() + 1 + 8);
        QVERIFY(splash.isVisible());
    }

    void failing_synonym_step_is_reported_with_code_101_and_start_up_goes_on() {
        FakePlatform fakes;
        Dictionaries dictionaries;
        SplashWindow splash(dictionaries, fakes.platform(), FailingOn(SynonymListResource.id));
        QSignalSpy loaded(&splash, &SplashWindow::loaded);
        splash.start();
        QVERIFY(loaded.wait(10000));
        QCOMPARE(fakes.messages.shown.size(), 1);
        const MessageRequest& report = fakes.messages.shown.first();
        QCOMPARE(report.text, QStringLiteral("Ressource introuvable : LISTE                 \r\n"
                                             "Erreur interne 101 - 326"));
        QCOMPARE(report.title, QStringLiteral("Quillex"));
        QCOMPARE(report.icon, MessageIcon::Critical);
        QCOMPARE(report.buttons, MessageButtons::Ok);
        QCOMPARE(dictionaries.synonymLetterTables.table(u'a').size(), 0);
        QVERIFY(dictionaries.shortWordGlossary.count() > 0);
        // The arrow while the report is up, the hourglass again for the glossary step.
        QCOMPARE(fakes.pointer.screenHistory,
                 (QList<PointerShape>{PointerShape::Hourglass, PointerShape::Arrow,
                                      PointerShape::Hourglass, PointerShape::Arrow}));
    }

    void a_real_report_box_closed_during_start_up_leaves_the_program_running() {
        QTemporaryDir runtime;
        qputenv("XDG_RUNTIME_DIR", QFile::encodeName(runtime.path()));
        QtMessageService realBoxes;
        FakePlatform fakes;
        const Platform platform{realBoxes, fakes.clipboard, fakes.shell, fakes.pointer};
        QStringList reports;
        QList<PointerShape> pointerOverBox;
        bool windowShown = false;
        QTimer watcher;
        connect(&watcher, &QTimer::timeout, [&] {
            if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
                reports << box->text();
                pointerOverBox << fakes.pointer.screen;
                box->buttons().first()->click();  // closes it as the user would
            } else if (QApplication::activeWindow()) {
                // As on an X server without a window manager, where the splash never becomes
                // active: the box then has no parent window.
                QApplication::setActiveWindow(nullptr);
            }
            for (QWidget* top : QApplication::topLevelWidgets())
                windowShown |= qobject_cast<MainWindow*>(top) && top->isVisible();
            if (windowShown) QCoreApplication::exit(42);
        });
        watcher.start(50);
        const int status = RunProgram(platform, FailingOn(SynonymListResource.id));
        QCOMPARE(status, 42);  // still running once the main window showed
        QVERIFY(windowShown);
        QCOMPARE(reports.size(), 1);
        QVERIFY(reports.first().endsWith(QStringLiteral("Erreur interne 101 - 326")));
        QCOMPARE(pointerOverBox, QList<PointerShape>{PointerShape::Arrow});
    }

    void a_second_start_is_refused_with_its_message_and_a_failure_status() {
        QTemporaryDir runtime;
        qputenv("XDG_RUNTIME_DIR", QFile::encodeName(runtime.path()));
        SingleInstance running;
        QCOMPARE(running.acquire(), SingleInstance::Outcome::Acquired);
        FakePlatform fakes;
        QCOMPARE(RunProgram(fakes.platform()), 1);
        QCOMPARE(fakes.messages.shown.size(), 1);
        QCOMPARE(fakes.messages.shown.first().text, QStringLiteral("Le programme est déja lancé."));
        QCOMPARE(fakes.messages.shown.first().icon, MessageIcon::Warning);
        QVERIFY(QApplication::topLevelWidgets().isEmpty() ||
                std::none_of(QApplication::topLevelWidgets().begin(),
                             QApplication::topLevelWidgets().end(),
                             [](QWidget* w) { return w->isVisible(); }));
    }

    void failing_other_step_is_reported_and_start_up_ends_cleanly() {
        for (int failingId : {MainListResource.id, ScrabbleListResource.id, GlossaryResource.id}) {
            FakePlatform fakes;
            Dictionaries dictionaries;
            SplashWindow splash(dictionaries, fakes.platform(), FailingOn(failingId));
            QSignalSpy listsLoaded(&splash, &SplashWindow::listsLoaded);
            QSignalSpy loaded(&splash, &SplashWindow::loaded);
            QSignalSpy failed(&splash, &SplashWindow::failed);
            splash.start();
            QVERIFY(failed.wait(10000));
            QCOMPARE(listsLoaded.size(), 0);
            QCOMPARE(loaded.size(), 0);
            QCOMPARE(fakes.messages.shown.size(), 1);
            QVERIFY(
                fakes.messages.shown.first().text.startsWith("Ressource introuvable : LISTE\r\n"));
            QCOMPARE(fakes.pointer.screen, PointerShape::Arrow);
            QVERIFY(!splash.isVisible());
        }
    }
};

}  // namespace
}  // namespace quillex::ui

QTEST_MAIN(quillex::ui::SplashWindowTest)
#include "splash_window_test.moc"
