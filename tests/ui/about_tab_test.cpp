#include <QAbstractButton>
#include <QFile>
#include <QLabel>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTextEdit>

#include "TestWindow.h"
#include "about/DownloadLinks.h"
#include "app/AppConstants.h"

namespace quillex::ui {
namespace {

using testing::TestWindow;

class AboutTabTest : public QObject {
    Q_OBJECT
  private slots:
    void texts_are_set_at_start_up() {
        TestWindow t;
        QCOMPARE(t.find<QLabel>("LblVersion")->text(), QStringLiteral("Version 1.00"));
        QCOMPARE(t.find<QLabel>("LblLogo")->text(), QStringLiteral("Quillex"));
        const QStringList lines = t.find<QLabel>("LblInfo")->text().split("\r\n");
        QCOMPARE(lines.size(), 8);
        QCOMPARE(lines.first(), QStringLiteral("Quillex  est  un"));
        QCOMPARE(lines.last(), QStringLiteral("investigations linguistiques."));
        QCOMPARE(t.find<QAbstractButton>("CmdSite")->text(),
                 QStringLiteral("Site Internet du programme  "));
    }

    void licence_is_shown_half_a_second_after_start_up() {
        TestWindow t;
        auto* view = t.find<QTextEdit>("Rtb1");
        QVERIFY(QTest::qWaitFor([&] { return !view->toPlainText().isEmpty(); }, 3000));
        QVERIFY(view->toPlainText().contains(QStringLiteral("GPL")));
        QVERIFY(view->isReadOnly());
        QVERIFY(t.fakes.messages.shown.isEmpty());
    }

    void missing_licence_is_reported_once_with_code_107_and_every_tab_still_works() {
        QTemporaryDir empty;
        FakePlatform fakes;
        MainWindow window(testing::LoadedDictionaries(), fakes.platform());
        window.findChild<AboutTab*>()->setLicenceFolders({empty.path(), QString()});
        window.load(nullptr);
        QVERIFY(QTest::qWaitFor([&] { return !fakes.messages.shown.isEmpty(); }, 3000));
        QTest::qWait(700);
        QCOMPARE(fakes.messages.shown.size(), 1);
        const MessageRequest& report = fakes.messages.shown.first();
        QVERIFY(report.text.startsWith(QStringLiteral("Fichier introuvable : Licence.rtf")));
        QVERIFY(report.text.endsWith(QStringLiteral("\r\nErreur interne 107 - 53")));
        QCOMPARE(report.icon, MessageIcon::Critical);
        QVERIFY(window.findChild<QTextEdit*>("Rtb1")->toPlainText().isEmpty());
        for (int i = 0; i < 5; ++i) window.tabControl()->setCurrentIndex(i);
        QVERIFY(window.isEnabled());
    }

    void licence_is_found_beside_the_program_when_the_start_folder_lacks_it() {
        QTemporaryDir start, beside;
        QVERIFY(QFile::copy(qEnvironmentVariable("QUILLEX_SOURCE_DIR") + "/Licence.rtf",
                            beside.filePath("Licence.rtf")));
        FakePlatform fakes;
        MainWindow window(testing::LoadedDictionaries(), fakes.platform());
        window.findChild<AboutTab*>()->setLicenceFolders({start.path(), beside.path()});
        window.load(nullptr);
        auto* view = window.findChild<QTextEdit*>("Rtb1");
        QVERIFY(QTest::qWaitFor([&] { return !view->toPlainText().isEmpty(); }, 3000));
        QVERIFY(fakes.messages.shown.isEmpty());
    }

    void site_button_takes_the_focus_away_and_opens_the_web_page() {
        TestWindow t;
        t.window->tabControl()->setCurrentIndex(4);
        auto* site = t.find<QAbstractButton>("CmdSite");
        site->setFocus();
        QTest::mouseClick(site, Qt::LeftButton);
        QCOMPARE(t.fakes.shell.opened, QStringList{WebPageAddress});
        QCOMPARE(t.window->focusWidget(), t.window->focusSink());
    }

    void only_a_left_click_on_a_link_opens_it() {
        TestWindow t;
        t.window->tabControl()->setCurrentIndex(4);
        auto* link = t.find<QLabel>(QStringLiteral("LblTelecharge0"));
        QTest::mouseClick(link, Qt::RightButton);
        QTest::mouseClick(link, Qt::MiddleButton);
        QTest::mousePress(link, Qt::LeftButton);
        QTest::mouseRelease(link, Qt::LeftButton, {}, QPoint(link->width() + 20, 5));
        QVERIFY(t.fakes.shell.opened.isEmpty());
    }

    void each_download_link_opens_its_address_and_the_pointer_comes_back() {
        TestWindow t;
        t.window->tabControl()->setCurrentIndex(4);
        const auto& links = DownloadLinks();
        QStringList expected;
        for (int i = 0; i < 8; ++i) {
            auto* link = t.find<QLabel>(QStringLiteral("LblTelecharge%1").arg(i));
            QVERIFY(link);
            QCOMPARE(link->text(), links[i].caption);
            QTest::mouseClick(link, Qt::LeftButton);
            expected << links[i].address;
            QVERIFY(links[i].address.startsWith(QStringLiteral("https://")));
        }
        QCOMPARE(t.fakes.shell.opened, expected);
        QVERIFY(!t.fakes.pointer.windowPointerIsDefault);
        QVERIFY(QTest::qWaitFor([&] { return t.fakes.pointer.windowPointerIsDefault; }, 2500));
    }
};

}  // namespace
}  // namespace quillex::ui

QTEST_MAIN(quillex::ui::AboutTabTest)
#include "about_tab_test.moc"
