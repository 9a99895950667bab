// What the desktop gives the program: its fonts, and every control reachable by name and by
// keyboard.
#include <QAbstractButton>
#include <QComboBox>
#include <QFontInfo>
#include <QLineEdit>
#include <QListWidget>
#include <QTabWidget>
#include <QTest>

#include "TestWindow.h"
#include "ui/app/Fonts.h"

namespace quillex::ui {
namespace {

using testing::TestWindow;

class DesktopTest : public QObject {
    Q_OBJECT
  private slots:
    void named_faces_resolve_to_their_substitutes() {
        SubstituteFonts();
        const struct {
            const char* named;
            const char* resolved;
        } rows[] = {{"Calibri", "Carlito"},
                    {"Courier New", "Liberation Mono"},
                    {"Lucida Calligraphy", "Z003"}};
        for (const auto& row : rows)
            QVERIFY2(QFontInfo(QFont(QString::fromLatin1(row.named)))
                         .family()
                         .startsWith(QString::fromLatin1(row.resolved)),
                     row.named);
    }

    void every_control_a_user_works_has_an_accessible_name() {
        TestWindow t;
        QStringList unnamed;
        for (QWidget* widget : t.window->findChildren<QWidget*>()) {
            const bool interactive =
                qobject_cast<QAbstractButton*>(widget) || qobject_cast<QLineEdit*>(widget) ||
                qobject_cast<QComboBox*>(widget) || qobject_cast<QListWidget*>(widget);
            // Controls that never take the user's hand: the focus sink, a combo's own editor.
            const bool inner = qobject_cast<QComboBox*>(widget->parentWidget()) != nullptr;
            if (!interactive || inner || widget == t.window->focusSink()) continue;
            if (widget->accessibleName().isEmpty())
                unnamed << widget->metaObject()->className() + QStringLiteral(" ") +
                               widget->objectName();
        }
        QVERIFY2(unnamed.isEmpty(), qPrintable(unnamed.join(", ")));
    }

    // A control out of view would exist only to carry a value or a signal.
    void every_control_of_a_tab_lies_on_its_page() {
        TestWindow t;
        QStringList outside;
        for (int i = 0; i < t.window->tabControl()->count(); ++i) {
            QWidget* page = t.window->page(i);
            for (QWidget* widget : page->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
                if (!page->rect().intersects(widget->geometry()))
                    outside << page->objectName() + u'/' + widget->objectName();
        }
        QVERIFY2(outside.isEmpty(), qPrintable(outside.join(", ")));
    }

    void every_tab_is_reached_from_the_keyboard() {
        TestWindow t;
        QTabWidget* tabs = t.window->tabControl();
        for (int i = 1; i < tabs->count(); ++i) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab, Qt::ControlModifier);
            QCOMPARE(tabs->currentIndex(), i);
        }
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab, Qt::ControlModifier);
        QCOMPARE(tabs->currentIndex(), 0);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab,
                        Qt::ControlModifier | Qt::ShiftModifier);
        QCOMPARE(tabs->currentIndex(), tabs->count() - 1);
    }

    void a_pattern_search_runs_from_the_keyboard_alone() {
        TestWindow t;
        auto* length = t.find<QComboBox>("lengthList");
        QTRY_VERIFY(length->hasFocus());
        QTest::keyClick(length, Qt::Key_Down);  // "03" chosen from the keyboard
        QTRY_VERIFY(t.find<QLineEdit>("letterBox1")->isEnabled());
        QTest::keyClicks(QApplication::focusWidget(), "c");
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        auto* results = t.find<QListWidget>("patternTab/resultList");
        QTRY_VERIFY_WITH_TIMEOUT(results->isVisible() && results->count() > 0, 3000);
    }
};

}  // namespace
}  // namespace quillex::ui

QTEST_MAIN(quillex::ui::DesktopTest)
#include "desktop_test.moc"
