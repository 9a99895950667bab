#include <QLabel>
#include <QLineEdit>
#include <QTabWidget>
#include <QTest>
#include <set>

#include "core/glossary/GlossaryFilter.h"
#include "core/text/Text.h"
#include "core/wordlists/DataTables.h"
#include "tests/ui/TestWindow.h"
#include "ui/app/Appearance.h"

namespace quillex::ui {
namespace {
using testing::TestWindow;

const QString kThreeLetterHeader = QStringLiteral("— Mots de trois lettres —");

// The list's lines, a header line shown as "#" followed by its text.
QStringList Shown(const ResultList* list) {
    QStringList lines;
    for (int i = 0; i < list->count(); ++i)
        lines << (list->isHeader(i) ? "#" + list->text(i) : list->text(i));
    return lines;
}

// A glossary line with the hooks of its word after it, worked out letter by letter from the
// Scrabble list.
QString WithHooks(std::string_view line) {
    static const std::set<std::string_view> scrabble = [] {
        std::set<std::string_view> words;
        const WordList& list = BuiltInDictionaries().scrabbleWordList;
        for (int i = 0; i < list.count(); ++i) words.insert(list[i]);
        return words;
    }();
    const QString word = ToQString(GlossaryWord(line));
    QString plain;
    for (const QChar c : word.normalized(QString::NormalizationForm_D))
        if (c.isLetter()) plain += c == QChar(u'Œ') ? QStringLiteral("OE") : QString(c);
    const std::string bare = plain.toStdString();
    QString before, after;
    for (char c = 'A'; c <= 'Z'; ++c) {
        if (scrabble.count(std::string(1, c) + bare)) before += QChar(c);
        if (scrabble.count(bare + c)) after += QChar(c);
    }
    if (before.isEmpty() && after.isEmpty()) return ToQString(line);
    return word + " [" + before + "/" + after + "]" + ToQString(line.substr(word.size()));
}

// What the list should show for a filter: the glossary lines quillex-cli glossary prints, each
// word with its hooks, and the header before the first three-letter word when two-letter words
// show too.
QStringList Expected(const QString& prefix) {
    QStringList lines;
    bool twoLetters = false;
    for (const auto line :
         FilterGlossary(BuiltInDictionaries().shortWordGlossary, prefix.toStdU16String())) {
        const bool three = GlossaryWord(line).size() == 3;
        if (three && twoLetters && !lines.contains("#" + kThreeLetterHeader))
            lines << "#" + kThreeLetterHeader;
        twoLetters = twoLetters || !three;
        lines << WithHooks(line);
    }
    return lines;
}

class GlossaryTabTest : public QObject {
    Q_OBJECT
  private slots:
    void lists_every_glossary_line_in_stored_order_with_the_hooks_of_its_word() {
        TestWindow t;
        auto* list = t.find<ResultList>("glossaryList");
        const WordList& glossary = BuiltInDictionaries().shortWordGlossary;
        QStringList lines = Shown(list);
        // One header between the blocks, where the first three-letter word begins.
        const qsizetype header = lines.indexOf("#" + kThreeLetterHeader);
        QCOMPARE(header, qsizetype{data::GlossaryTwoLetterCount});
        lines.removeAt(header);
        QCOMPARE(lines.size(), glossary.count());
        for (int i = 0; i < glossary.count(); ++i) QCOMPARE(lines[i], WithHooks(glossary[i]));
        QVERIFY(list->text(0).startsWith(QStringLiteral("AA [/S]: ")));
        QVERIFY(list->text(list->count() - 1).startsWith(QStringLiteral("ZUT: ")));
        QVERIFY(!list->text(list->count() - 1).contains(QChar(u'\0')));
    }

    void using_other_tabs_never_changes_the_list() {
        TestWindow t;
        auto* list = t.find<ResultList>("glossaryList");
        const int count = list->count();
        const QString first = list->text(0);
        for (int i : {3, 0, 1, 2, 4, 3}) t.window->tabControl()->setCurrentIndex(i);
        QCOMPARE(list->count(), count);
        QCOMPARE(list->text(0), first);
    }

    void the_filter_keeps_the_words_beginning_with_its_text() {
        TestWindow t;
        t.window->tabControl()->setCurrentIndex(3);
        auto* filter = t.find<QLineEdit>("glossaryTab/filterBox");
        auto* list = t.find<ResultList>("glossaryList");
        QVERIFY(QTest::qWaitFor([filter] { return filter->hasFocus(); }, 1000));
        struct Row {
            QString typed;
            QString firstWord;  // of the first line shown, when something shows
        };
        for (const Row& row :
             {Row{"age", "ÂGE [CGMNPRS/ES]"}, Row{"ete", "ÉTÉ [BFJPTV/S]"}, Row{"A", "AA [/S]"},
              Row{"ÇA", "ÇA [O/BFLPRS]"}, Row{"zu", "ZUP [/S]"}, Row{"", "AA [/S]"}}) {
            filter->clear();
            QTest::keyClicks(filter, row.typed);
            QCOMPARE(Shown(list), Expected(row.typed));
            QCOMPARE(list->text(0).section(':', 0, 0), row.firstWord);
        }
        // White space around the filter does not count; a line too long to show whole shows
        // its whole text as a tip.
        filter->setText(QStringLiteral(" ça\t"));
        QCOMPARE(Shown(list), Expected(QStringLiteral("ça")));
        filter->clear();
        int cut = 0;
        for (int i = 0; i < list->count(); ++i) {
            if (list->fontMetrics().horizontalAdvance(list->text(i)) <= list->viewport()->width())
                continue;
            ++cut;
            QCOMPARE(list->model()->index(i, 0).data(Qt::ToolTipRole).toString(), list->text(i));
        }
        QVERIFY(cut > 0);
        // Each change of the filter shows the list from its first line, wherever it was.
        for (const QString& typed : {QStringLiteral("a"), QString()}) {
            list->scrollToBottom();
            QVERIFY(testing::TopRow(list) > 0);
            filter->setText(typed);
            QCOMPARE(testing::TopRow(list), 0);
        }
        QVERIFY(Shown(list).contains("#" + kThreeLetterHeader));  // "a": both blocks show

        QTest::keyClicks(filter, QStringLiteral("xyz"));
        QCOMPARE(Shown(list), QStringList{"#Aucun mot ne commence par « xyz »."});
        filter->clear();
        QCOMPARE(list->count(), BuiltInDictionaries().shortWordGlossary.count() + 1);
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
