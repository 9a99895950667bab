#include <QAbstractButton>
#include <QAccessible>
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QEventLoop>
#include <QLabel>
#include <QLineEdit>
#include <QTabWidget>
#include <QTest>
#include <QTimer>
#include <QWheelEvent>
#include <algorithm>

#include "core/pattern/ClueSynonyms.h"
#include "core/pattern/PatternMessages.h"
#include "core/pattern/PatternScan.h"
#include "tests/ui/TestWindow.h"
#include "ui/app/Appearance.h"
#include "ui/pattern/PatternTab.h"

namespace quillex::ui {
namespace {
using testing::TestWindow;

const QColor kGrey(128, 128, 128);
const QColor kDarkRed(128, 0, 0);
const QColor kLightGrey(224, 224, 224);
const QString kInvalidNotice =
    QStringLiteral("Seuls les caractères ''ABCDEF.....Z'' sont autorisés.      ");
const QString kJokerNotice = QStringLiteral(
    "Le nombre de caractère joker '' ? '' est trop important.\r\nModifiez la recherche.");
const QString kCopyNotice =
    QStringLiteral("Le mot sélectionné a été copié dans le presse-papier.      ");

/// The pattern tab of a started test window, with its controls.
struct PatternPage {
    TestWindow t;
    PatternTab* tab = static_cast<PatternTab*>(t.window->page(0));

    // The tab's own control: other tabs have labels of the same names.
    template <typename T>
    T* find(const QString& name) const {
        return tab->findChild<T*>(name);
    }

    QComboBox* lengths = find<QComboBox>("lengthList");
    QAbstractButton* button = find<QAbstractButton>("searchButton");
    ResultList* list = find<ResultList>("resultList");
    QLabel* count = find<QLabel>("resultCount");
    QCheckBox* autoAdvance = find<QCheckBox>("autoAdvanceBox");
    QTimer* timer = find<QTimer>("scanTimer");
    QLineEdit* clue = find<QLineEdit>("clueBox");

    PatternPage() { QVERIFY(QTest::qWaitForWindowActive(t.window.get())); }

    QLineEdit* box(int number) const {
        return find<QLineEdit>(QStringLiteral("letterBox%1").arg(number));
    }
    QLabel* number(int n) const { return find<QLabel>(QStringLiteral("boxNumber%1").arg(n)); }
    QStringList boxes(int from, int to) const {
        QStringList texts;
        for (int i = from; i <= to; ++i) texts << box(i)->text();
        return texts;
    }
    QWidget* focused() const { return QApplication::focusWidget(); }
    const QList<MessageRequest>& shown() const { return t.fakes.messages.shown; }

    // Picks a length in the open drop-down list and confirms it, as a user does. The offscreen
    // platform lets the closed list keep the activation: the window takes it back.
    void chooseLength(int length) {
        lengths->showPopup();
        QAbstractItemView* view = lengths->view();
        QVERIFY(QTest::qWaitForWindowActive(view->window()));
        view->setCurrentIndex(view->model()->index(length - 3, 0));
        QTest::keyClick(view, Qt::Key_Return);
        QVERIFY(QTest::qWaitFor([view] { return !view->isVisible(); }, 1000));
        t.window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(t.window.get()));
        QVERIFY(QTest::qWaitFor([this] { return box(1)->hasFocus(); }, 1000));
    }

    // Types one key into whichever box has the focus.
    void key(Qt::Key key, Qt::KeyboardModifiers modifiers = {}) {
        QTest::keyClick(focused(), key, modifiers);
    }
    // Types each character into the box that has the focus when it is typed; a character of
    // Latin-1 beyond ASCII comes from its own key, as on a French keyboard.
    void type(const QString& text) {
        for (QChar c : text) {
            if (c.unicode() < 0x80)
                QTest::keyClicks(focused(), QString(c));
            else
                QTest::sendKeyEvent(QTest::Click, focused(), Qt::Key(c.toUpper().unicode()),
                                    QString(c), Qt::NoModifier);
        }
    }
    // From box 1, a letter per box and "?" to step over a box (with automatic advance on).
    void typePattern(const QString& pattern) {
        for (QChar c : pattern) {
            if (c == u'?')
                key(Qt::Key_Right);
            else
                type(QString(c));
        }
    }
    void search() {
        QTest::mouseClick(button, Qt::LeftButton);
        waitForScan();
    }
    void waitForScan() {
        QVERIFY(QTest::qWaitFor([this] { return !timer->isActive(); }, 5000));
    }
    // A search under way shows its list emptied and grey.
    bool searching() const {
        return list->count() == 0 && list->palette().color(QPalette::Base) == kLightGrey;
    }
    void setClue(const QString& text) {
        clue->selectAll();
        QTest::keyClick(clue, Qt::Key_Delete);
        QTest::keyClicks(clue, text);
    }
    QStringList listed() const { return testing::Rows(list); }
};

// What quillex-cli pattern PATTERN --clue WORD prints, from the engine the window shares.
QStringList ClueWords(const std::u16string& pattern, std::u16string_view clue) {
    const Dictionaries& lists = BuiltInDictionaries();
    const auto synonyms = ClueSynonyms::LookUp(clue, lists.synonymLetterTables);
    const auto outcome =
        synonyms->narrow(FindWords(std::get<Pattern>(Pattern::Parse(pattern)), lists.mainWordList));
    QStringList words;
    for (auto word : outcome.synonyms) words << ToQString(word);
    return words;
}

class PatternTabTest : public QObject {
    Q_OBJECT
  private slots:
    void starts_with_no_length_and_fifteen_grey_disabled_jokers() {
        PatternPage p;
        QCOMPARE(p.lengths->currentIndex(), -1);
        QStringList items;
        for (int i = 0; i < p.lengths->count(); ++i) items << p.lengths->itemText(i);
        QCOMPARE(items, (QStringList{"03", "04", "05", "06", "07", "08", "09", "10", "11", "12",
                                     "13", "14", "15"}));
        for (int i = 1; i <= 15; ++i) {
            QLineEdit* box = p.box(i);
            QCOMPARE(box->text(), QStringLiteral("?"));
            QVERIFY(!box->isEnabled());
            QCOMPARE(box->palette().color(QPalette::Text), kGrey);
            QCOMPARE(box->palette().color(QPalette::Base), kLightGrey);
            QVERIFY(box->font().bold());
            QCOMPARE(box->font().pointSize(), 18);
            QCOMPARE(box->alignment() & Qt::AlignHCenter, Qt::AlignHCenter);
            QCOMPARE(p.number(i)->text(), QString::number(i));
            QCOMPARE(p.number(i)->palette().color(QPalette::WindowText), kGrey);
        }
        QVERIFY(!p.button->isEnabled());
        QCOMPARE(p.button->text(), QStringLiteral("Rechercher "));
        QCOMPARE(p.tab->lastBox(), 0);
        QVERIFY(p.autoAdvance->isVisible() && p.autoAdvance->isChecked());
        QVERIFY(p.count->text().isEmpty());
        QVERIFY(p.lengths->hasFocus());
        QCOMPARE(p.t.window->page(0)->focusTarget(), p.lengths);
        QCOMPARE(p.t.window->page(0)->searchButton(), p.button);
    }

    void captions_read_as_designed() {
        PatternPage p;
        const QList<std::pair<QString, QString>> captions{
            {"optionHeading", "Option:"},
            {"howToHeading", "Comment ça marche:"},
            {"howToStep1",
             "1) Sélectionnez une longueur de mot en cliquant sur la zone de liste (en haut à "
             "gauche)."},
            {"howToStep2",
             "2) Dans les cases saisir les lettres connues du mot à rechercher, à leur "
             "position respective."},
            {"howToStep3",
             "3) Cliquez sur \"Rechercher\" pour afficher tous les mots contenant les lettres "
             "connues."},
            {"optionNote1", "(Si coché, après la saisie d'une lettre dans une des cases, le"},
            {"optionNote2", "passage dans les cases suivantes se fera automatiquement)"},
        };
        for (const auto& [name, text] : captions) QCOMPARE(p.find<QLabel>(name)->text(), text);
        QCOMPARE(p.autoAdvance->text(),
                 QStringLiteral("Passer automatiquement à la case suivante."));
    }

    void choosing_a_length_enables_its_boxes_and_focuses_the_first() {
        PatternPage p;
        p.chooseLength(6);
        for (int i = 1; i <= 15; ++i) {
            const bool inLength = i <= 6;
            QCOMPARE(p.box(i)->isEnabled(), inLength);
            QCOMPARE(p.box(i)->palette().color(QPalette::Base),
                     inLength ? QColor(Qt::white) : kLightGrey);
            QCOMPARE(p.number(i)->palette().color(QPalette::WindowText),
                     inLength ? QColor(Qt::black) : kGrey);
        }
        QCOMPARE(p.tab->lastBox(), 1);
        QCOMPARE(p.box(1)->selectedText(), QStringLiteral("?"));
        QVERIFY(!p.button->isEnabled());
    }

    void typing_a_letter_leaves_its_capital_in_dark_red_and_enables_the_button() {
        PatternPage p;
        p.chooseLength(5);
        p.type("b");
        QCOMPARE(p.box(1)->text(), QStringLiteral("B"));
        QCOMPARE(p.box(1)->palette().color(QPalette::Text), kDarkRed);
        QVERIFY(p.button->isEnabled());
        QVERIFY(p.shown().isEmpty());
        QCOMPARE(p.focused(), p.box(2));  // automatic advance
        QCOMPARE(p.box(2)->selectedText(), QStringLiteral("?"));
    }

    void refused_keys_restore_the_box_and_show_the_notice_once_per_key_press() {
        PatternPage p;
        p.chooseLength(5);
        p.type(QStringLiteral("é"));
        QCOMPARE(p.box(1)->text(), QStringLiteral("?"));
        QCOMPARE(p.box(1)->palette().color(QPalette::Text), kGrey);
        QCOMPARE(p.shown().size(), 1);
        QCOMPARE(p.shown().first(), (MessageRequest{"Quillex", kInvalidNotice}));
        p.type("5");
        QCOMPARE(p.box(1)->text(), QStringLiteral("?"));
        QCOMPARE(p.shown().size(), 2);
        QCOMPARE(p.focused(), p.box(1));
        QVERIFY(!p.button->isEnabled());

        // A box holding a letter gets that letter back.
        p.type("k");
        p.key(Qt::Key_Left);
        p.type("_");
        QCOMPARE(p.box(1)->text(), QStringLiteral("K"));
        QCOMPARE(p.shown().size(), 3);
        QVERIFY(p.button->isEnabled());
    }

    void a_pasted_pattern_sets_the_length_from_box_1_and_fills_the_boxes() {
        const struct {
            int length;  // chosen before the paste
            int into;    // the box pasted into
            QString pasted;
            QString boxes;  // boxes 1..15 after it, "_" beyond the length
            int focused;    // the box with the focus after it
            int notices;
        } rows[] = {
            {5, 1, "??E?????S", "??E?????S______", 9, 0},
            {5, 1, " ab.c d\r\nxyz", "AB?C?D_________", 6, 0},
            {5, 3, "xyzw", "??XYZ__________", 5, 0},
            {5, 1, "k", "K????__________", 2, 0},
            {5, 1, "é5x9", "?????__________", 1, 1},
            {5, 1, "ABCDEFGHIJKLMNOPQ", "ABCDE__________", 5, 0},
        };
        for (const auto& row : rows) {
            PatternPage p;
            p.chooseLength(row.length);
            p.box(row.into)->setFocus();
            QGuiApplication::clipboard()->setText(row.pasted);
            p.key(Qt::Key_V, Qt::ControlModifier);
            QString boxes;
            for (int i = 1; i <= 15; ++i)
                boxes += p.box(i)->isEnabled() ? p.box(i)->text() : QStringLiteral("_");
            QCOMPARE(boxes, row.boxes);
            QCOMPARE(p.focused(), p.box(row.focused));
            QCOMPARE(p.shown().size(), row.notices);
        }
    }

    void deleting_the_letter_brings_back_a_grey_joker() {
        PatternPage p;
        p.chooseLength(5);
        p.type("ab");
        p.key(Qt::Key_Left);
        p.key(Qt::Key_Backspace);
        QCOMPARE(p.box(2)->text(), QStringLiteral("?"));
        QCOMPARE(p.box(2)->palette().color(QPalette::Text), kGrey);
        QVERIFY(p.button->isEnabled());  // box 1 still holds A
        p.key(Qt::Key_Left);
        p.key(Qt::Key_Delete);
        QCOMPARE(p.boxes(1, 5), (QStringList{"?", "?", "?", "?", "?"}));
        QVERIFY(!p.button->isEnabled());
        QVERIFY(p.shown().isEmpty());
    }

    void a_joker_a_space_or_a_dot_is_read_as_joker_and_advances() {
        PatternPage p;
        p.chooseLength(6);
        p.type("c? a.t");
        QCOMPARE(p.boxes(1, 6), (QStringList{"C", "?", "?", "A", "?", "T"}));
        QCOMPARE(p.box(2)->palette().color(QPalette::Text), kGrey);
        QCOMPARE(p.focused(), p.box(6));
        QVERIFY(p.shown().isEmpty());
    }

    void a_second_letter_after_the_caret_is_dropped_and_one_before_replaces() {
        PatternPage p;
        p.chooseLength(5);
        QTest::mouseClick(p.autoAdvance, Qt::LeftButton);  // option off: the focus stays in box 1
        p.type("m");
        p.box(1)->setCursorPosition(1);
        p.type("n");
        QCOMPARE(p.box(1)->text(), QStringLiteral("M"));
        p.box(1)->setCursorPosition(0);
        p.type("p");
        QCOMPARE(p.box(1)->text(), QStringLiteral("P"));
    }

    void a_click_entering_a_box_leaves_its_letter_selected_for_typing_over() {
        PatternPage p;
        p.chooseLength(5);
        p.type("ab");
        QLineEdit* first = p.box(1);
        QTest::mouseClick(first, Qt::LeftButton, {},
                          QPoint(first->width() - 4, first->height() / 2));
        QCOMPARE(p.focused(), first);
        QCOMPARE(p.tab->lastBox(), 1);
        QCOMPARE(first->selectedText(), QStringLiteral("A"));
        p.type("c");
        QCOMPARE(p.boxes(1, 3), (QStringList{"C", "B", "?"}));
        QCOMPARE(p.focused(), p.box(2));
    }

    void arrows_move_between_the_boxes_of_the_length_only() {
        PatternPage p;
        p.chooseLength(4);
        p.key(Qt::Key_Left);
        QCOMPARE(p.focused(), p.box(1));
        for (int i = 2; i <= 4; ++i) {
            p.key(Qt::Key_Right);
            QCOMPARE(p.focused(), p.box(i));
            QCOMPARE(p.tab->lastBox(), i);
        }
        p.key(Qt::Key_Right);
        QCOMPARE(p.focused(), p.box(4));
        p.key(Qt::Key_Left);
        QCOMPARE(p.focused(), p.box(3));
        QVERIFY(p.shown().isEmpty());

        p.chooseLength(15);
        for (int i = 1; i < 15; ++i) p.key(Qt::Key_Right);
        p.key(Qt::Key_Right);
        QCOMPARE(p.focused(), p.box(15));
    }

    void automatic_advance_stops_at_the_last_box_of_the_length() {
        PatternPage p;
        p.chooseLength(4);
        p.type("abcde");
        QCOMPARE(p.boxes(1, 5), (QStringList{"A", "B", "C", "E", "?"}));
        QCOMPARE(p.focused(), p.box(4));
        QCOMPARE(p.box(4)->selectedText(), QStringLiteral("E"));
        QVERIFY(!p.box(5)->isEnabled());
    }

    void a_shorter_length_clears_and_disables_the_boxes_beyond_it() {
        PatternPage p;
        p.chooseLength(8);
        p.typePattern("abcdefgh");
        p.chooseLength(5);
        QCOMPARE(p.boxes(1, 8), (QStringList{"A", "B", "C", "D", "E", "?", "?", "?"}));
        for (int i = 6; i <= 8; ++i) {
            QVERIFY(!p.box(i)->isEnabled());
            QCOMPARE(p.box(i)->palette().color(QPalette::Text), kGrey);
            QCOMPARE(p.number(i)->palette().color(QPalette::WindowText), kGrey);
        }
        QVERIFY(p.button->isEnabled());
        QCOMPARE(p.focused(), p.box(1));

        // Letters only beyond the new length leave nothing to search.
        p.chooseLength(8);
        p.typePattern("?????fgh");
        QVERIFY(p.button->isEnabled());
        for (int i = 1; i <= 5; ++i) {
            p.box(i)->setFocus();
            p.key(Qt::Key_Delete);
        }
        QVERIFY(p.button->isEnabled());
        p.chooseLength(5);
        QCOMPARE(p.boxes(1, 8), (QStringList{"?", "?", "?", "?", "?", "?", "?", "?"}));
        QVERIFY(!p.button->isEnabled());
    }

    void only_the_box_with_the_focus_shows_a_selection() {
        PatternPage p;
        const auto selectedBoxes = [&p] {
            QList<int> selected;
            for (int i = 1; i <= 15; ++i)
                if (p.box(i)->hasSelectedText()) selected << i;
            return selected;
        };
        p.chooseLength(8);
        p.typePattern("abc");
        QCOMPARE(selectedBoxes(), QList<int>{4});
        p.typePattern("defgh");
        p.chooseLength(5);  // boxes 6..8 go back to "?", disabled
        QCOMPARE(selectedBoxes(), QList<int>{1});
        p.chooseLength(8);  // and come back enabled, unfocused
        QCOMPARE(selectedBoxes(), QList<int>{1});
        p.key(Qt::Key_Right);
        QCOMPARE(selectedBoxes(), QList<int>{2});
    }

    void the_wheel_over_the_closed_length_list_chooses_nothing() {
        PatternPage p;
        const auto turnWheel = [&p](int notches) {
            const QPointF at = QRectF(p.lengths->rect()).center();
            QWheelEvent wheel(at, p.lengths->mapToGlobal(at), {}, QPoint(0, 120 * notches),
                              Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
            QApplication::sendEvent(p.lengths, &wheel);
        };
        turnWheel(-1);
        QCOMPARE(p.lengths->currentIndex(), -1);
        QVERIFY(!p.box(1)->isEnabled());

        p.chooseLength(8);
        p.typePattern("abcdefgh");
        p.box(3)->setFocus();
        for (int notches : {1, 1, -1, -3}) turnWheel(notches);
        QCOMPARE(p.focused(), p.box(3));
        QCOMPARE(p.lengths->currentText(), QStringLiteral("08"));
        QCOMPARE(p.boxes(1, 8), (QStringList{"A", "B", "C", "D", "E", "F", "G", "H"}));
        QVERIFY(p.box(8)->isEnabled());
        // The keyboard in the opened list still chooses.
        p.chooseLength(6);
        QCOMPARE(p.boxes(6, 8), (QStringList{"F", "?", "?"}));
    }

    void too_many_jokers_are_refused_and_the_list_stays_as_it_was() {
        PatternPage p;
        p.chooseLength(5);
        p.typePattern("ba");
        p.search();
        QCOMPARE(p.list->count(), 143);
        QCOMPARE(p.count->text(), QStringLiteral("143 mots trouvés"));

        p.chooseLength(5);
        p.key(Qt::Key_Right);
        p.key(Qt::Key_Delete);  // B????: one letter, four jokers
        QVERIFY(p.button->isEnabled());
        QTest::mouseClick(p.button, Qt::LeftButton);
        QCOMPARE(p.shown().size(), 1);
        QCOMPARE(p.shown().first(),
                 (MessageRequest{"Quillex", kJokerNotice, MessageIcon::Critical}));
        QCOMPARE(p.shown().first().title, QStringLiteral("Quillex"));
        QCOMPARE(p.focused(), p.box(1));
        QVERIFY(!p.button->isEnabled());
        QVERIFY(!p.timer->isActive());
        QVERIFY(!p.searching() && p.t.window->isEnabled());
        QCOMPARE(p.list->count(), 143);
        QCOMPARE(p.count->text(), QStringLiteral("143 mots trouvés"));
        QCOMPARE(p.t.fakes.pointer.screen, PointerShape::Arrow);
    }

    void a_search_lists_the_matches_in_list_order_with_their_count() {
        PatternPage p;
        p.chooseLength(9);
        p.typePattern("??E?????S");
        QCOMPARE(p.tab->lastBox(), 9);
        p.key(Qt::Key_Left);  // the scan gives the focus back to the last box used
        QTest::mouseClick(p.button, Qt::LeftButton);
        QVERIFY(p.searching());
        QVERIFY(!p.t.window->isEnabled());
        QVERIFY(p.timer->isActive());
        p.waitForScan();
        QVERIFY(!p.searching());
        QCOMPARE(p.list->count(), 1351);
        QCOMPARE(p.list->text(0), QStringLiteral("ABECHAMES"));
        QCOMPARE(p.list->text(1350), QStringLiteral("ZYEUTIONS"));
        const QStringList words = p.listed();
        for (const QString& word : words)
            QVERIFY2(word.size() == 9 && word[2] == u'E' && word[8] == u'S', qPrintable(word));
        QVERIFY(std::is_sorted(words.begin(), words.end()));
        QCOMPARE(p.count->text(), QStringLiteral("1351 mots trouvés"));
        QVERIFY(p.t.window->isEnabled());
        QVERIFY(!p.button->isEnabled());
        QCOMPARE(p.focused(), p.box(8));
        QCOMPARE(p.t.fakes.pointer.screen, PointerShape::Arrow);
        QCOMPARE(p.list->font().family(), QStringLiteral("Courier New"));
        QVERIFY(p.shown().isEmpty());
    }

    void one_match_reads_mot_trouve_and_none_reads_aucun() {
        PatternPage p;
        p.chooseLength(7);
        p.typePattern("zythum");
        p.search();
        QCOMPARE(p.listed(), (QStringList{"ZYTHUMS"}));
        QCOMPARE(p.count->text(), QStringLiteral("1 mot trouvé"));

        p.chooseLength(8);
        p.typePattern("quillex");
        p.search();
        QCOMPARE(p.list->count(), 0);
        QCOMPARE(p.count->text(), QStringLiteral("Aucun mot trouvé"));
    }

    void enter_searches_only_while_the_button_is_enabled() {
        PatternPage p;
        p.chooseLength(5);
        p.t.pressEnter();
        QVERIFY(!p.timer->isActive() && !p.searching());
        p.typePattern("??z?z");
        p.t.pressEnter();
        QVERIFY(p.searching());
        p.waitForScan();
        QCOMPARE(p.listed(), (QStringList{"GAZEZ"}));
        p.t.pressEnter();  // the button stays disabled after a search
        QVERIFY(!p.timer->isActive());
        QCOMPARE(p.listed(), (QStringList{"GAZEZ"}));
    }

    void a_new_search_shows_its_list_from_the_top() {
        PatternPage p;
        p.chooseLength(3);
        p.typePattern("?a");
        p.search();
        p.list->setFocus();
        QTest::keyClick(p.list, Qt::Key_End);
        QVERIFY(testing::TopRow(p.list) > 0);
        p.box(2)->setText(QStringLiteral("O"));
        p.search();
        QCOMPARE(p.list->text(0), QStringLiteral("AOI"));
        QCOMPARE(testing::TopRow(p.list), 0);
    }

    void the_copy_notice_shows_once_across_both_result_lists() {
        PatternPage p;
        p.chooseLength(5);
        p.typePattern("ba");
        p.search();
        testing::ClickRow(p.list, 2);
        testing::ClickRow(p.list, 0);
        testing::ClickRow(p.list, 0);  // the word already selected is copied again
        QCOMPARE(p.t.fakes.clipboard.texts, (QStringList{"BABIL", "BABAS", "BABAS"}));
        QCOMPARE(p.shown().size(), 1);
        QCOMPARE(p.shown().first().text, kCopyNotice);
        QCOMPARE(p.shown().first().icon, MessageIcon::Information);
        p.list->setFocus();
        QTest::keyClick(p.list, Qt::Key_Down);  // the keyboard copies too
        QCOMPARE(p.t.fakes.clipboard.texts.last(), QStringLiteral("BABEL"));

        // The Scrabble tab's list shares the notice: already shown, its copies are silent.
        p.t.window->tabControl()->setCurrentIndex(1);
        auto* draw = p.t.find<QLineEdit>("drawBox");
        QTest::keyClicks(draw, QStringLiteral("CHIEN"));
        QTest::mouseClick(p.t.find<QAbstractButton>("scrabbleTab/searchButton"), Qt::LeftButton);
        auto* anagrams = p.t.find<ResultList>("scrabbleTab/resultList");
        QVERIFY(QTest::qWaitFor([&] { return anagrams->count() > 0 && p.t.window->isEnabled(); },
                                5000));
        testing::ClickRow(anagrams, 0);
        QCOMPARE(p.t.fakes.clipboard.texts.last(), anagrams->text(0));
        QCOMPARE(p.shown().size(), 1);
    }

    void a_copy_from_the_scrabble_tab_first_silences_this_list() {
        PatternPage p;
        p.t.window->tabControl()->setCurrentIndex(1);
        QTest::keyClicks(p.t.find<QLineEdit>("drawBox"), QStringLiteral("CHIEN"));
        QTest::mouseClick(p.t.find<QAbstractButton>("scrabbleTab/searchButton"), Qt::LeftButton);
        auto* anagrams = p.t.find<ResultList>("scrabbleTab/resultList");
        QVERIFY(QTest::qWaitFor([&] { return anagrams->count() > 0 && p.t.window->isEnabled(); },
                                5000));
        testing::ClickRow(anagrams, 0);
        QCOMPARE(p.shown().size(), 1);

        p.t.window->tabControl()->setCurrentIndex(0);
        p.chooseLength(5);
        p.typePattern("ba");
        p.search();
        testing::ClickRow(p.list, 1);
        QCOMPARE(p.t.fakes.clipboard.texts.last(), QStringLiteral("BABEL"));
        QCOMPARE(p.shown().size(), 1);
    }

    void the_option_box_turns_advance_off_and_on() {
        PatternPage p;
        QTest::mouseClick(p.autoAdvance, Qt::LeftButton);  // no box visited yet: the focus stays
        QVERIFY(!p.autoAdvance->isChecked());
        QVERIFY(p.lengths->hasFocus());
        // The caption toggles the box as its square does, up to the caption's last word.
        const int captionEnd =
            24 + p.autoAdvance->fontMetrics().horizontalAdvance(p.autoAdvance->text());
        QVERIFY(captionEnd < p.autoAdvance->width());
        QTest::mouseClick(p.autoAdvance, Qt::LeftButton, {},
                          QPoint(captionEnd - 4, p.autoAdvance->height() / 2));
        QVERIFY(p.autoAdvance->isChecked());

        p.chooseLength(6);
        p.key(Qt::Key_Right);
        p.key(Qt::Key_Right);
        p.lengths->setFocus();
        QTest::mouseClick(p.autoAdvance, Qt::LeftButton);
        QVERIFY(!p.autoAdvance->isChecked());
        QCOMPARE(p.focused(), p.box(3));
        p.type("r");
        QCOMPARE(p.box(3)->text(), QStringLiteral("R"));
        QCOMPARE(p.focused(), p.box(3));  // no advance while off

        p.lengths->setFocus();
        QTest::mouseClick(p.autoAdvance, Qt::LeftButton);
        QVERIFY(p.autoAdvance->isChecked());
        QVERIFY(p.lengths->hasFocus());  // turning it on moves nothing
        p.box(3)->setFocus();
        p.type("s");
        QCOMPARE(p.focused(), p.box(4));
    }

    void the_option_box_toggles_by_space_and_by_its_accessible_action() {
        PatternPage p;
        p.chooseLength(4);
        p.type("ab");
        p.button->setFocus();
        p.key(Qt::Key_Tab);  // the motif, the clue, then the option follow the search button
        QCOMPARE(p.focused(), p.find<QLineEdit>("motifBox"));
        p.key(Qt::Key_Tab);
        QCOMPARE(p.focused(), p.clue);
        p.key(Qt::Key_Tab);
        QCOMPARE(p.focused(), p.autoAdvance);
        p.key(Qt::Key_Space);
        QVERIFY(!p.autoAdvance->isChecked());
        QCOMPARE(p.focused(), p.autoAdvance);  // from the keyboard the focus stays
        p.key(Qt::Key_Space);
        QVERIFY(p.autoAdvance->isChecked());
        p.t.pressEnter();  // Enter on the option runs the search and leaves the option alone
        p.waitForScan();
        QVERIFY(p.list->count() > 0 && p.list->text(0).startsWith(QStringLiteral("AB")));
        QVERIFY(p.autoAdvance->isChecked());

        QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(p.autoAdvance);
        QVERIFY(accessible && accessible->actionInterface());
        QCOMPARE(accessible->role(), QAccessible::CheckBox);
        QCOMPARE(accessible->text(QAccessible::Name),
                 QStringLiteral("Passer automatiquement à la case suivante"));
        p.box(3)->setFocus();
        accessible->actionInterface()->doAction(QAccessibleActionInterface::toggleAction());
        QVERIFY(!p.autoAdvance->isChecked());
        QVERIFY(accessible->state().checkable && !accessible->state().checked);
        p.type("b");
        QCOMPARE(p.focused(), p.box(3));  // no advance while off
        accessible->actionInterface()->doAction(QAccessibleActionInterface::toggleAction());
        QVERIFY(p.autoAdvance->isChecked());
        p.type("c");
        QCOMPARE(p.boxes(1, 4), (QStringList{"A", "B", "C", "?"}));
        QCOMPARE(p.focused(), p.box(4));
    }

    void the_closed_length_list_takes_arrows_and_typed_digits_without_leaving() {
        const struct {
            QString keys;  // "v" and "^" are the arrows, a digit a digit key, "/" a pause
            QString length;
        } rows[] = {{"v", "03"},  {"vvvvv", "07"}, {"vvv^", "04"}, {"07", "07"},   {"7", "07"},
                    {"12", "12"}, {"1", ""},       {"19", "09"},   {"5/12", "12"}, {"3/1/5", "05"}};
        for (const auto& row : rows) {
            PatternPage p;
            QTRY_VERIFY(p.lengths->hasFocus());
            for (const QChar k : row.keys) {
                if (k == u'/')
                    QTest::qWait(QApplication::keyboardInputInterval() + 50);
                else if (k == u'v' || k == u'^')
                    p.key(k == u'v' ? Qt::Key_Down : Qt::Key_Up);
                else
                    QTest::keyClicks(p.lengths, QString(k));
            }
            QCOMPARE(p.lengths->currentText(), row.length);
            QVERIFY(p.lengths->hasFocus());
            QCOMPARE(p.box(1)->isEnabled(), !row.length.isEmpty());
            const int length = row.length.toInt();
            if (length) QVERIFY(p.box(length)->isEnabled() && !p.box(length + 1)->isEnabled());
            QVERIFY(p.shown().isEmpty());
            // One name for the list whatever it shows; the length is its value.
            QAccessibleInterface* list = QAccessible::queryAccessibleInterface(p.lengths);
            QCOMPARE(list->text(QAccessible::Name), QStringLiteral("Longueur du mot"));
            QCOMPARE(list->text(QAccessible::Value), row.length);
            QCOMPARE(list->role(), QAccessible::ComboBox);
        }
    }

    void choosing_the_same_length_again_applies_it_again() {
        PatternPage p;
        p.chooseLength(5);
        p.typePattern("ba");
        p.search();
        QVERIFY(!p.button->isEnabled());
        QCOMPARE(p.focused(), p.box(3));
        p.chooseLength(5);
        QCOMPARE(p.focused(), p.box(1));
        QCOMPARE(p.boxes(1, 5), (QStringList{"B", "A", "?", "?", "?"}));
        QVERIFY(p.button->isEnabled());
    }

    void a_failing_scan_is_reported_and_leaves_the_placeholder() {
        // Lists that disagree with their length tables make the scan fail.
        FakePlatform fakes;
        Dictionaries empty;
        SharedWindowState state;
        QWidget host;
        TabContext context{empty, fakes.platform(), state, &host};
        auto* tab = new PatternTab(context, &host);
        tab->resize(685, 395);
        host.show();
        host.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&host));
        auto* lengths = tab->findChild<QComboBox*>("lengthList");
        lengths->setCurrentIndex(2);
        emit lengths->activated(2);
        QTest::keyClicks(tab->findChild<QLineEdit*>("letterBox1"), QStringLiteral("a"));
        QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("b"));
        tab->findChild<QLabel*>("resultCount")->setText(QStringLiteral("avant"));
        tab->searchButton()->click();
        auto* list = tab->findChild<ResultList*>("resultList");
        QVERIFY(QTest::qWaitFor([&] { return host.isEnabled(); }, 5000));
        QCOMPARE(fakes.messages.shown.size(), 1);
        QCOMPARE(fakes.messages.shown.first().icon, MessageIcon::Critical);
        QVERIFY(fakes.messages.shown.first().text.contains(QStringLiteral("Erreur interne 106")));
        QCOMPARE(list->count(), 0);  // emptied and grey until the next search
        QCOMPARE(list->palette().color(QPalette::Base), kLightGrey);
        QCOMPARE(tab->findChild<QLabel*>("resultCount")->text(), QStringLiteral("avant"));
        QCOMPARE(QApplication::focusWidget(), tab->findChild<QLineEdit*>("letterBox3"));
        QCOMPARE(fakes.pointer.screen, PointerShape::Arrow);
    }

    // The motif reads as quillex-cli pattern does, with its refusals; the boxes keep their
    // letters, and typing in a box makes them the way searched again.
    void the_motif_field_searches_the_command_line_patterns_and_leaves_the_boxes_alone() {
        PatternPage p;
        auto* motif = p.find<QLineEdit>("motifBox");
        p.chooseLength(4);
        p.typePattern("CHA");
        const QStringList boxesBefore = p.boxes(1, 4);
        const auto cli = [](const std::u16string& pattern) {
            const auto parsed = Pattern::Parse(pattern);
            QStringList words;
            for (const auto word :
                 FindWords(std::get<Pattern>(parsed), BuiltInDictionaries().mainWordList))
                words << ToQString(word);
            return words;
        };
        const struct {
            QString typed;
            std::u16string pattern;
        } rows[] = {{"cha?", u"CHA?"}, {"CH*[^S]", u"CH*[^S]"}, {"[AEI]?ZE", u"[AEI]?ZE"}};
        for (const auto& row : rows) {
            motif->setFocus();
            motif->selectAll();
            QTest::keyClicks(motif, row.typed);
            QVERIFY(p.button->isEnabled());
            p.search();
            QCOMPARE(p.listed(), cli(row.pattern));
            QCOMPARE(p.count->text(), ToQString(ResultCountText(cli(row.pattern).size())));
            QCOMPARE(p.boxes(1, 4), boxesBefore);
            QVERIFY(p.shown().isEmpty());
        }
        const struct {
            QString typed, refusal;
        } refused[] = {
            {"A[", "Il manque le « ] » qui ferme l'ensemble de lettres (case 2)."},
            {"AB",
             "La longueur du mot doit être comprise entre 3 et 15 lettres (une lettre ou ? "
             "par case)."},
            {"????????????", kJokerNotice},
            {"A1?", kInvalidNotice + "\nCaractère refusé : « 1 » (case 2)."}};
        for (const auto& row : refused) {
            motif->selectAll();
            QTest::keyClicks(motif, row.typed);
            QTest::mouseClick(p.button, Qt::LeftButton);
            QCOMPARE(p.shown().size(), 1);
            QCOMPARE(p.shown().last().text, row.refusal);
            QCOMPARE(p.shown().last().icon,
                     row.refusal == kJokerNotice ? MessageIcon::Critical : MessageIcon::None);
            QCOMPARE(p.focused(), motif);
            p.t.fakes.messages.shown.clear();
        }
        // The clue narrows a motif's words too, and lifts the joker limit as for the boxes.
        motif->selectAll();
        QTest::keyClicks(motif, QStringLiteral("[AEI]??E"));
        p.setClue(QStringLiteral("joie"));
        p.search();
        QCOMPARE(p.listed(), ClueWords(u"[AEI]??E", u"joie"));
        p.setClue(QString());
        // A letter typed in a box searches the boxes again; the motif keeps its text.
        p.box(4)->setFocus();
        p.type("t");
        p.search();
        QCOMPARE(p.listed(), QStringList{"CHAT"});
        QCOMPARE(motif->text(), QStringLiteral("[AEI]??E"));
    }

    void a_clue_lists_only_its_synonyms_that_fit() {
        PatternPage p;
        QCOMPARE(p.find<QLabel>("clueCaption")->text(), QStringLiteral("Définition :"));
        QVERIFY(p.clue->text().isEmpty());
        p.chooseLength(5);
        p.typePattern("?i??e");
        p.setClue(QStringLiteral("chat"));
        p.search();
        // No synonym of "chat" fits ?I??E; TIGRE, a synonym of "félin" only, is not added.
        QVERIFY(p.listed().isEmpty());
        QCOMPARE(p.listed(), ClueWords(u"?I??E", u"chat"));
        QCOMPARE(p.count->text(), QStringLiteral("Aucun mot trouvé"));

        // Five jokers are too many without a clue, not with one.
        p.chooseLength(5);
        p.key(Qt::Key_Right);
        for (int i = 0; i < 4; ++i) {
            p.key(Qt::Key_Delete);
            p.key(Qt::Key_Right);
        }
        QCOMPARE(p.boxes(1, 5).join(""), QStringLiteral("?????"));
        QVERIFY(p.button->isEnabled());
        p.search();
        QVERIFY(p.shown().isEmpty());
        const QStringList words = p.listed();
        QCOMPARE(words, ClueWords(u"?????", u"chat"));
        QCOMPARE(words, (QStringList{"FELIN", "MATOU", "MINET", "MINOU"}));
        QCOMPARE(p.count->text(), QStringLiteral("4 mots trouvés"));
    }

    void a_clue_without_entry_is_refused_and_the_pattern_not_searched_alone() {
        PatternPage p;
        p.chooseLength(5);
        p.typePattern("?i??e");
        p.setClue(QStringLiteral("   "));  // blank: no clue, the search of old
        p.search();
        const int all = p.list->count();
        QCOMPARE(p.count->text(), ToQString(ResultCountText(static_cast<size_t>(all))));
        QCOMPARE(p.listed().first(), QStringLiteral("AICHE"));

        p.setClue(QStringLiteral("chatx"));
        QVERIFY(p.button->isEnabled());  // a clue edit counts as a change of the search
        QTest::mouseClick(p.button, Qt::LeftButton);
        QCOMPARE(p.shown().size(), 1);
        QCOMPARE(p.shown().first(), (MessageRequest{"Quillex", "Pas de synonyme pour ce mot."}));
        QCOMPARE(p.shown().first().title, QStringLiteral("Quillex"));
        QVERIFY(!p.timer->isActive());
        QCOMPARE(p.list->count(), all);
        QCOMPARE(p.focused(), p.clue);
        QVERIFY(!p.button->isEnabled());
        p.setClue(QStringLiteral("Chat"));
        QVERIFY(p.button->isEnabled());
        p.search();
        QCOMPARE(p.shown().size(), 1);  // no message of its own
        QVERIFY(p.listed().isEmpty());  // the clue now narrows the search: nothing fits
        QCOMPARE(p.count->text(), QStringLiteral("Aucun mot trouvé"));
    }
};

}  // namespace
}  // namespace quillex::ui

QTEST_MAIN(quillex::ui::PatternTabTest)
#include "pattern_tab_test.moc"
