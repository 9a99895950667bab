#include <QLabel>
#include <QListWidget>
#include <QTabWidget>
#include <QTest>

#include "TestWindow.h"
#include "text/Text.h"

namespace quillex::ui {
namespace {

using testing::LoadedDictionaries;
using testing::TestWindow;

class GlossaryTabTest : public QObject {
    Q_OBJECT
  private slots:
    void lists_every_glossary_line_in_stored_order_exactly_as_stored() {
        TestWindow t;
        auto* list = t.find<QListWidget>("glossaryList");
        const WordList& glossary = LoadedDictionaries().shortWordGlossary;
        QCOMPARE(list->count(), glossary.count());
        for (int i = 0; i < glossary.count(); ++i)
            QCOMPARE(list->item(i)->text().toStdU16String(), DecodeWindows1252(glossary[i]));
        QVERIFY(list->item(0)->text().startsWith(QStringLiteral("AA: ")));
        QVERIFY(list->item(list->count() - 1)->text().startsWith(QStringLiteral("ZUT: ")));
        QVERIFY(!list->item(list->count() - 1)->text().contains(QChar(u'\0')));
    }

    void using_other_tabs_never_changes_the_list() {
        TestWindow t;
        auto* list = t.find<QListWidget>("glossaryList");
        const int count = list->count();
        const QString first = list->item(0)->text();
        for (int i : {3, 0, 1, 2, 4, 3}) t.window->tabControl()->setCurrentIndex(i);
        QCOMPARE(list->count(), count);
        QCOMPARE(list->item(0)->text(), first);
    }

    void caption_reads_as_designed() {
        TestWindow t;
        QCOMPARE(t.find<QLabel>("glossaryTab/caption")->text(),
                 QStringLiteral(
                     "La liste des petits mots de deux et trois lettres et leur définition."));
    }
};

}  // namespace
}  // namespace quillex::ui

QTEST_MAIN(quillex::ui::GlossaryTabTest)
#include "glossary_tab_test.moc"
