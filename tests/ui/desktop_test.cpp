// What the desktop gives the program: its fonts, and every control reachable by name and by
// keyboard.
#include <QAbstractButton>
#include <QAccessible>
#include <QComboBox>
#include <QFontInfo>
#include <QLineEdit>
#include <QTabWidget>
#include <QTest>
#include <functional>
#include "ui/common/ResultList.h"

#include "tests/ui/TestWindow.h"
#include "ui/app/Fonts.h"
#include "ui/common/ResultList.h"

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

    // What assistive tools read, tab by tab: every control they report has a name, the one
    // its role and purpose give, and whatever the user typed or chose is its value, never its
    // name; nothing hidden is reported.
    void every_control_of_every_tab_is_named_and_shown_as_what_it_is_data() {
        QTest::addColumn<int>("tab");
        QTest::addColumn<QStringList>("expected");  // "objectName role name" rows
        const auto row = [](const char* name, QAccessible::Role role, const QString& accessible) {
            return QStringLiteral("%1 %2 %3").arg(QLatin1String(name)).arg(role).arg(accessible);
        };
        QTest::newRow("Rechercher")
            << 0
            << QStringList{row("lengthList", QAccessible::ComboBox, "Longueur du mot"),
                           row("letterBox1", QAccessible::EditableText, "Lettre 1 du mot"),
                           row("autoAdvanceBox", QAccessible::CheckBox,
                               "Passer automatiquement à la case suivante"),
                           row("clueBox", QAccessible::EditableText,
                               "Définition : ne lister que les synonymes de ce mot"),
                           row("resultList", QAccessible::List, "Mots trouvés")};
        QTest::newRow("Scrabble")
            << 1
            << QStringList{
                   row("drawBox", QAccessible::EditableText, "Tirage, joker ?"),
                   row("drawLength", QAccessible::StaticText, "Lettres du tirage : 5"),
                   row("jokerLetterBox", QAccessible::CheckBox, "Montrer la lettre du joker")};
        QTest::newRow("Synonyme") << 2
                                  << QStringList{
                                         row("wordBox", QAccessible::ComboBox, "Mot à chercher"),
                                         row("synonymList", QAccessible::List,
                                             "Synonymes trouvés")};
        QTest::newRow("2,3 lettres") << 3
                                     << QStringList{row("filterBox", QAccessible::EditableText,
                                                        "Filtrer : mots commençant par")};
        QTest::newRow("A propos") << 4
                                  << QStringList{row("downloadLink0", QAccessible::Link,
                                                     "Télécharger Eliot"),
                                                 row("guideButton", QAccessible::PushButton,
                                                     "Ouvrir le site Internet du programme")};
    }

    void every_control_of_every_tab_is_named_and_shown_as_what_it_is() {
        QFETCH(int, tab);
        QFETCH(QStringList, expected);
        TestWindow t;
        t.window->tabControl()->setCurrentIndex(tab);
        QTRY_VERIFY(QApplication::focusWidget());
        // Something typed or chosen in each tab, which must show as a value only.
        const QString typed = QStringLiteral("chien");
        if (auto* length = t.find<QComboBox>("lengthList")) length->setCurrentIndex(2);
        for (const char* box : {"drawBox", "filterBox", "clueBox"})
            t.find<QLineEdit>(QLatin1String(box))->setText(typed);
        t.find<QComboBox>("wordBox")->setEditText(typed);

        QStringList found, faults;
        const std::function<void(QAccessibleInterface*)> walk = [&](QAccessibleInterface* node) {
            if (!node || node->state().invisible) return;
            const QAccessible::Role role = node->role();
            const QString name = node->text(QAccessible::Name);
            QObject* object = node->object();
            const QString id = object ? object->objectName() : QString();
            if (!id.isEmpty()) found << QStringLiteral("%1 %2 %3").arg(id).arg(role).arg(name);
            const bool control = node->state().focusable || role == QAccessible::Link;
            if (control && name.trimmed().isEmpty())
                faults << QStringLiteral("unnamed %1 (%2)").arg(id).arg(role);
            if (control && !name.isEmpty() && (name == typed || name == QStringLiteral("05")))
                faults << QStringLiteral("%1 named by its value").arg(id);
            if (role == QAccessible::Link && !node->actionInterface()->actionNames().contains(
                                                 QAccessibleActionInterface::pressAction()))
                faults << QStringLiteral("%1: a link without its press action").arg(id);
            // The rows of a list are its content, not controls.
            if (role == QAccessible::List) return;
            for (int i = 0; i < node->childCount(); ++i) walk(node->child(i));
        };
        walk(QAccessible::queryAccessibleInterface(t.window->page(tab)));
        for (const QString& row : expected)
            if (!found.contains(row)) faults << QStringLiteral("missing: ") + row;
        QVERIFY2(faults.isEmpty(),
                 qPrintable(faults.join(u'\n') + "\nfound:\n" + found.join(u'\n')));
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

    void a_pattern_search_runs_from_the_keyboard_alone() {
        TestWindow t;
        auto* length = t.find<QComboBox>("lengthList");
        QTRY_VERIFY(length->hasFocus());
        QTest::keyClick(length, Qt::Key_Down);  // "03" chosen from the keyboard
        QTRY_VERIFY(t.find<QLineEdit>("letterBox1")->isEnabled());
        QTest::keyClick(length, Qt::Key_Tab);
        QTest::keyClicks(QApplication::focusWidget(), "c");
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        auto* results = t.find<ResultList>("patternTab/resultList");
        QTRY_VERIFY_WITH_TIMEOUT(results->count() > 0, 3000);
    }
};

}  // namespace
}  // namespace quillex::ui

QTEST_MAIN(quillex::ui::DesktopTest)
#include "desktop_test.moc"
