#include <QAbstractButton>
#include <QApplication>
#include <QFile>
#include <QLineEdit>
#include <QSignalSpy>
#include <QTabBar>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QUrl>
#include <string_view>

#include "tests/ui/TestWindow.h"
#include "ui/app/MemoryRelease.h"
#include "ui/common/TabPage.h"

namespace quillex::ui {
namespace {

using testing::TestWindow;

class MainWindowTest : public QObject {
    Q_OBJECT
  private slots:
    void opens_with_five_tabs_and_the_pattern_tab_in_front() {
        TestWindow t;
        QTabWidget* tabs = t.window->tabControl();
        QStringList captions;
        for (int i = 0; i < tabs->count(); ++i) captions << tabs->tabText(i);
        QCOMPARE(captions,
                 (QStringList{"Rechercher", "Scrabble", "Synonyme", "2,3 lettres", "A propos"}));
        QCOMPARE(tabs->currentIndex(), 0);
        QCOMPARE(t.window->windowTitle(), QStringLiteral("Quillex"));
        QCOMPARE(t.window->size(), QSize(700, 458));  // 10505 x 6875 twips
    }

    // A tab without a control to type into leaves the focus on the tab captions.
    void each_tab_change_moves_the_focus_to_its_control_or_the_tab_bar() {
        TestWindow t;
        QTabWidget* tabs = t.window->tabControl();
        for (int i : {1, 2, 3, 4, 0}) {
            tabs->setCurrentIndex(i);
            QWidget* expected = t.window->page(i)->focusTarget();
            if (!expected) expected = tabs->tabBar();
            QVERIFY(QTest::qWaitFor([&] { return expected->hasFocus(); }, 1000));
        }
    }

    // Ctrl+Tab and Ctrl+Shift+Tab from wherever a tab change leaves the focus, on every tab.
    void the_tab_keys_change_tab_from_every_tab() {
        TestWindow t;
        QTabWidget* tabs = t.window->tabControl();
        const int count = tabs->count();
        for (int i = 0; i < count; ++i) {
            for (const int step : {1, -1}) {
                tabs->setCurrentIndex(i);
                QTRY_VERIFY(QApplication::focusWidget());
                if (step > 0)
                    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab, Qt::ControlModifier);
                else
                    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab,
                                    Qt::ControlModifier | Qt::ShiftModifier);
                QCOMPARE(tabs->currentIndex(), (i + step + count) % count);
            }
        }
    }

    void f1_opens_the_guide_on_every_tab() {
        TestWindow t;
        QTemporaryDir guide;
        QFile page(guide.filePath(QStringLiteral("index.html")));
        QVERIFY(page.open(QIODevice::WriteOnly));
        t.window->findChild<AboutTab*>()->setGuideFolders(
            {QFile::encodeName(guide.path()).toStdString()});
        for (int i = 0; i < t.window->tabControl()->count(); ++i) {
            t.window->tabControl()->setCurrentIndex(i);
            QTRY_VERIFY(QApplication::focusWidget());
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_F1);
            QCOMPARE(t.fakes.shell.opened.size(), i + 1);
            QCOMPARE(t.fakes.shell.opened.last(), QUrl::fromLocalFile(page.fileName()).toString());
        }
        QVERIFY(t.fakes.messages.shown.isEmpty());
        QCOMPARE(t.window->tabControl()->currentIndex(), 4);  // the guide changes no tab
    }

    void tab_and_shift_tab_stop_only_on_controls_in_view() {
        TestWindow t;
        for (int i = 0; i < t.window->tabControl()->count(); ++i) {
            for (const Qt::KeyboardModifiers modifiers : {Qt::NoModifier, Qt::ShiftModifier}) {
                t.window->tabControl()->setCurrentIndex(i);
                QWidget* start = t.window->page(i)->focusTarget();
                (start ? start : t.window->tabControl()->tabBar())->setFocus();
                for (int step = 0; step < 30; ++step) {
                    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab, modifiers);
                    QWidget* focused = QApplication::focusWidget();
                    const QString where = QStringLiteral("tab %1, step %2: %3")
                                              .arg(i)
                                              .arg(step)
                                              .arg(focused->objectName());
                    QVERIFY2(focused->isVisible(), qPrintable(where));
                    const QRect shown(focused->mapTo(t.window.get(), QPoint(0, 0)),
                                      focused->size());
                    QVERIFY2(t.window->rect().intersects(shown), qPrintable(where));
                }
            }
        }
    }

    // Quitter, Ctrl+Q and the close box ask the same question; "Non" leaves the window as it
    // was, the focus in the box the user was typing into.
    void quitting_asks_and_no_leaves_everything_as_it_was() {
        for (const char* way : {"click", "ctrl+q", "close box"}) {
            TestWindow t;
            QSignalSpy end(t.window.get(), &MainWindow::endRequested);
            t.fakes.messages.answers.push_back(MessageAnswer::No);
            t.window->tabControl()->setCurrentIndex(1);
            auto* draw = t.find<QLineEdit>("drawBox");
            QTRY_VERIFY(draw->hasFocus());
            QTest::keyClicks(draw, "ab");
            if (way == std::string_view("click"))
                QTest::mouseClick(t.find<QAbstractButton>("quitButton"), Qt::LeftButton);
            else if (way == std::string_view("ctrl+q"))
                QTest::keyClick(draw, Qt::Key_Q, Qt::ControlModifier);
            else
                t.window->close();
            QCOMPARE(t.fakes.messages.shown.size(), 1);
            const MessageRequest& question = t.fakes.messages.shown.first();
            QCOMPARE(question.text,
                     QStringLiteral("        Quitter le programme ?                    "));
            QCOMPARE(question.icon, MessageIcon::Question);
            QCOMPARE(question.buttons, MessageButtons::YesNo);
            QCOMPARE(question.title, QStringLiteral("Quillex"));
            QVERIFY2(draw->hasFocus(), way);
            QTest::keyClicks(QApplication::focusWidget(), "c");
            QCOMPARE(draw->text(), QStringLiteral("abc"));
            QVERIFY(!end.wait(600));
            QVERIFY(t.window->isVisible());
            QCOMPARE(t.window->tabControl()->currentIndex(), 1);
        }
    }

    void yes_ends_the_program_half_a_second_later_and_the_close_box_asks_too() {
        TestWindow t;
        QSignalSpy end(t.window.get(), &MainWindow::endRequested);
        t.fakes.messages.answers.push_back(MessageAnswer::Yes);
        QElapsedTimer clock;
        clock.start();
        t.window->close();               // the close box
        QVERIFY(t.window->isVisible());  // the close itself is always cancelled
        QVERIFY(end.wait(2000));
        QVERIFY(clock.elapsed() >= 450);
        QCOMPARE(t.fakes.messages.shown.size(), 1);
    }

    void enter_on_a_focused_button_presses_that_button_not_the_search() {
        TestWindow t;
        t.window->tabControl()->setCurrentIndex(1);
        auto* draw = t.find<QLineEdit>("drawBox");
        QTest::keyClicks(draw, "CHIEN");
        auto* quit = t.find<QAbstractButton>("quitButton");
        QSignalSpy searches(t.window->page(1)->searchButton(), &QAbstractButton::clicked);
        quit->setFocus();
        QTest::keyClick(quit, Qt::Key_Return);
        QCOMPARE(t.fakes.messages.shown.size(), 1);  // the quit question
        QCOMPARE(t.fakes.messages.shown.first().buttons, MessageButtons::YesNo);
        QCOMPARE(searches.size(), 0);
    }

    // Giving the lists' pages back must never change a byte of them, whatever list a search
    // reads next; the heap trimmed with them keeps what it holds.
    void lists_read_the_same_after_their_pages_are_given_back() {
        const Dictionaries& lists = BuiltInDictionaries();
        const auto hashes = [&] {
            std::vector<size_t> all;
            for (const WordList* list : {&lists.mainWordList, &lists.scrabbleWordList,
                                         &lists.synonymList, &lists.shortWordGlossary})
                all.push_back(std::hash<std::string_view>{}(list->text()));
            all.push_back(std::hash<std::string_view>{}(lists.lemmaText));
            return all;
        };
        const std::vector<size_t> before = hashes();
        const std::string word(lists.mainWordList[0]);
        ReleaseMemory();
        QCOMPARE(hashes(), before);
        QCOMPARE(std::string(lists.mainWordList[0]), word);

        // Each tab's searches arm the release, which then waits for the window to be idle.
        TestWindow t;
        auto* release = t.window->findChild<QTimer*>("memoryReleaseTimer");
        QVERIFY(QTest::qWaitFor([&] { return !release->isActive(); }, 5000));
        for (int index = 0; index < 4; ++index) {
            emit t.window->page(index)->searched();
            QVERIFY2(release->isActive(), qPrintable(QString::number(index)));
            release->stop();
        }
    }

    void window_keeps_its_size() {
        TestWindow t;
        t.window->resize(1200, 900);
        QCOMPARE(t.window->size(), QSize(700, 458));
    }

    void enter_on_a_tab_without_search_does_nothing() {
        TestWindow t;
        for (int i : {3, 4}) {
            t.window->tabControl()->setCurrentIndex(i);
            QTest::keyClick(t.window.get(), Qt::Key_Return);
            QVERIFY(t.fakes.messages.shown.isEmpty());
            QCOMPARE(t.window->tabControl()->currentIndex(), i);
        }
    }

    void enter_runs_an_enabled_search_button_and_never_a_disabled_one() {
        TestWindow t;
        for (int i = 0; i < 3; ++i) {
            t.window->tabControl()->setCurrentIndex(i);
            QAbstractButton* button = t.window->page(i)->searchButton();
            QVERIFY(button);
            QSignalSpy clicks(button, &QAbstractButton::clicked);
            button->setEnabled(false);
            QTest::keyClick(t.window.get(), Qt::Key_Return);
            QCOMPARE(clicks.size(), 0);
        }
    }
};

}  // namespace
}  // namespace quillex::ui

QTEST_MAIN(quillex::ui::MainWindowTest)
#include "main_window_test.moc"
