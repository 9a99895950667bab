#include <QSignalSpy>
#include <QTest>

#include "errors/InternalFailure.h"
#include "platform/FakePlatform.h"
#include "splash/SplashWindow.h"

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
        QCOMPARE(splash.progressText(), QStringLiteral("Patientez..."));
        splash.start();
        QVERIFY(loaded.wait(10000));
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
    }

    void failing_other_step_is_reported_and_start_up_ends_cleanly() {
        for (int failingId : {MainListResource.id, ScrabbleListResource.id, GlossaryResource.id}) {
            FakePlatform fakes;
            Dictionaries dictionaries;
            SplashWindow splash(dictionaries, fakes.platform(), FailingOn(failingId));
            QSignalSpy loaded(&splash, &SplashWindow::loaded);
            QSignalSpy failed(&splash, &SplashWindow::failed);
            splash.start();
            QVERIFY(failed.wait(10000));
            QCOMPARE(loaded.size(), 0);
            QCOMPARE(fakes.messages.shown.size(), 1);
            QVERIFY(
                fakes.messages.shown.first().text.startsWith("Ressource introuvable : LISTE\r\n"));
            QCOMPARE(fakes.pointer.screen, PointerShape::Arrow);
            QVERIFY(!splash.isVisible());
        }
    }

    void list_that_disagrees_with_its_tables_ends_start_up() {
        FakePlatform fakes;
        Dictionaries dictionaries;
        SplashWindow::Loader shortMainList = [](WordListResource resource) {
            if (resource.id != MainListResource.id) return SplashWindow::DefaultLoader(resource);
            static const unsigned char bytes[] = "AA\r\nAB";
            return WordList::FromWindows1252(std::span(bytes, sizeof bytes - 1));
        };
        SplashWindow splash(dictionaries, fakes.platform(), shortMainList);
        QSignalSpy failed(&splash, &SplashWindow::failed);
        splash.start();
        QVERIFY(failed.wait(10000));
        QVERIFY(fakes.messages.shown.first().text.contains("LISTEDESMOTS compte 2 lignes"));
    }
};

}  // namespace
}  // namespace quillex::ui

QTEST_MAIN(quillex::ui::SplashWindowTest)
#include "splash_window_test.moc"
