#include <QAbstractItemView>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTabWidget>
#include <QTest>

#include "tests/ui/TestWindow.h"
#include "ui/common/TabPage.h"

namespace quillex::ui {
namespace {

using testing::TestWindow;

// Expectations computed from data/LISTESYNONYMES.
const QStringList kChatHeadwords{
    "chat",       "châtaigne",  "châtaigneraie",  "châtain",     "château",      "chateaubriand",
    "châtelain",  "chat-huant", "châtié",         "châtier",     "châtiment",    "chatoiement",
    "chaton",     "chatouille", "chatouillement", "chatouiller", "chatouilleux", "chatouillis",
    "chatoyant",  "chatoyante", "chatoyer",       "châtrer",     "chattemite",   "chatterie",
    "chatterton", "chat-tigre"};
const QStringList kChatSynonyms{"félin",    "matou",    "minet",   "chaton", "minou",
                                "mistigri", "chatonne", "minette", "féline"};
const QStringList kOeilSynonyms{"bourgeon", "bouton", "chaton", "bulbe",   "pousse",
                                "rejet",    "turion", "stolon", "écusson", "bouture",
                                "globe",    "vision", "vue",    "regard"};
const QString kNoSynonymMessage = QStringLiteral("Pas de synonyme pour ce mot.");

QStringList Items(const ResultList* list) {
    return testing::Rows(list);
}

QStringList Items(const QComboBox* combo) {
    QStringList items;
    for (int i = 0; i < combo->count(); ++i) items << combo->itemText(i);
    return items;
}

// The synonym tab in front, driven through its controls as a user would.
struct SynonymTabDriver {
    TestWindow t;
    QComboBox* wordBox = t.find<QComboBox>("wordBox");
    ResultList* headwords = t.find<ResultList>("headwordList");
    ResultList* synonyms = t.find<ResultList>("synonymList");
    QLabel* resultCount = t.find<QLabel>("synonymTab/resultCount");
    QLabel* foundWord = t.find<QLabel>("foundWord");
    QPushButton* button = t.find<QPushButton>("synonymTab/searchButton");
    bool focusedAtStart = false;

    SynonymTabDriver() {
        t.window->tabControl()->setCurrentIndex(2);
        focusedAtStart = QTest::qWaitFor([this] { return wordBox->hasFocus(); }, 1000);
    }

    // Replaces the combo text by typing over it; letters beyond ASCII are typed as text keys.
    void type(const QString& text) const {
        QTest::keyClick(wordBox, Qt::Key_A, Qt::ControlModifier);
        for (QChar c : text) {
            if (c.unicode() < 0x80)
                QTest::keyClick(wordBox, c.toLatin1());
            else
                QTest::sendKeyEvent(QTest::Click, wordBox, Qt::Key_unknown, QString(c),
                                    Qt::NoModifier);
        }
    }

    void lookUp(const QString& text) const {
        type(text);
        QTest::mouseClick(button, Qt::LeftButton);
    }

    QPoint centreOf(ResultList* list, const QString& text) const {
        const int row = static_cast<int>(testing::Rows(list).indexOf(text));
        if (row < 0) return {};
        const QModelIndex index = list->model()->index(row, 0);
        list->scrollTo(index);
        return list->visualRect(index).center();
    }
    void click(ResultList* list, const QString& text) const {
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, centreOf(list, text));
    }
    // As a real double-click comes: press, release, double-click, release.
    void doubleClick(ResultList* list, const QString& text) const {
        const QPoint at = centreOf(list, text);
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, at);
        QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, at);
        QTest::mouseRelease(list->viewport(), Qt::LeftButton, {}, at);
    }
    void chooseHistory(const QString& text) const {
        wordBox->showPopup();
        QAbstractItemView* view = wordBox->view();
        const QModelIndex index = view->model()->index(wordBox->findText(text), 0);
        QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, view->visualRect(index).center());
    }
};

class SynonymTabTest : public QObject {
    Q_OBJECT
  private slots:
    void starts_empty_with_the_button_disabled_and_the_no_synonym_text() {
        SynonymTabDriver d;
        QVERIFY(d.wordBox->currentText().isEmpty());
        QCOMPARE(d.wordBox->count(), 0);
        QVERIFY(!d.button->isEnabled());
        QCOMPARE(d.resultCount->text(), kNoSynonymMessage);
        QVERIFY(d.foundWord->text().isEmpty());
        QCOMPARE(d.headwords->count(), 0);
        QCOMPARE(d.synonyms->count(), 0);
        QCOMPARE(d.button->text(), QStringLiteral("Rechercher "));
        QVERIFY(d.focusedAtStart);
        TabPage* page = d.t.window->page(2);
        QCOMPARE(page->focusTarget(), d.wordBox);
        QCOMPARE(page->searchButton(), d.button);
    }

    void one_character_disables_the_button_and_two_enable_it() {
        SynonymTabDriver d;
        QTest::keyClick(d.wordBox, 'c');
        QVERIFY(!d.button->isEnabled());
        QVERIFY(d.resultCount->text().isEmpty());  // the first edit clears the start-up text
        QTest::keyClick(d.wordBox, 'h');
        QVERIFY(d.button->isEnabled());
        QTest::keyClick(d.wordBox, Qt::Key_Backspace);
        QVERIFY(!d.button->isEnabled());
        QCOMPARE(d.headwords->count(), 0);  // one character lists nothing
    }

    void typing_lists_the_headwords_of_the_text_lower_cased() {
        SynonymTabDriver d;
        d.type("Chat");
        QCOMPARE(Items(d.headwords), kChatHeadwords);
        d.type("Étoilé");
        QCOMPARE(d.headwords->text(0), QStringLiteral("étoile"));
        QVERIFY(Items(d.headwords).contains(QStringLiteral("étoilé")));
    }

    void looking_up_chat_lists_all_its_synonyms_with_the_count() {
        SynonymTabDriver d;
        d.lookUp("chien");
        d.type("chat");
        QSignalSpy listings(d.headwords->model(), &QAbstractItemModel::modelReset);
        QTest::mouseClick(d.button, Qt::LeftButton);
        QCOMPARE(listings.size(), 0);  // refilling the history never reruns the browser
        QCOMPARE(d.foundWord->text(), QStringLiteral("chat"));
        QCOMPARE(Items(d.synonyms), kChatSynonyms);
        QCOMPARE(d.resultCount->text(), QStringLiteral("9 synonymes trouvés."));
        QVERIFY(d.t.fakes.messages.shown.isEmpty());
        QVERIFY(!d.button->isEnabled());
        // The typed text stays, and refilling the history leaves the listing alone.
        QCOMPARE(d.wordBox->currentText(), QStringLiteral("chat"));
        QCOMPARE(Items(d.headwords), kChatHeadwords);
        QVERIFY(d.wordBox->hasFocus());
    }

    void counts_read_one_synonym_or_n_synonyms() {
        SynonymTabDriver d;
        d.lookUp("abajoue");
        QCOMPARE(Items(d.synonyms), QStringList{"bajoue"});
        QCOMPARE(d.resultCount->text(), QStringLiteral("Un synonyme trouvé."));
        d.lookUp("Étoilé");
        QCOMPARE(d.foundWord->text(), QStringLiteral("étoilé"));
        QCOMPARE(d.synonyms->text(0), QStringLiteral("constellé"));
        QCOMPARE(d.resultCount->text(), QStringLiteral("6 synonymes trouvés."));
    }

    void every_letter_is_folded_and_an_inflected_form_shows_its_lemma() {
        const struct {
            const char *typed, *found, *firstHeadword;
        } rows[] = {
            {"FENETRE", "fenêtre", "fenêtre"},
            {"felin", "félin", "félin"},
            {"peche", "pêche", "péché"},  // the closest found, all listed
            {"voitures", "voitures → voiture", nullptr},
            {"Mangeait", "mangeait → manger", nullptr},
        };
        for (const auto& row : rows) {
            SynonymTabDriver d;
            d.lookUp(row.typed);
            QCOMPARE(d.foundWord->text(), QString::fromUtf8(row.found));
            QVERIFY(d.synonyms->count() > 0);
            QVERIFY(d.t.fakes.messages.shown.isEmpty());
            if (row.firstHeadword)
                QCOMPARE(d.headwords->text(0), QString::fromUtf8(row.firstHeadword));
        }
    }

    void capital_chat_finds_chat_and_joins_the_history_before_chat() {
        SynonymTabDriver d;
        d.lookUp("Chat");
        QCOMPARE(d.foundWord->text(), QStringLiteral("chat"));
        QCOMPARE(Items(d.synonyms), kChatSynonyms);
        QCOMPARE(d.wordBox->currentText(), QStringLiteral("Chat"));
        d.lookUp("chat");
        QCOMPARE(Items(d.wordBox), (QStringList{"Chat", "chat"}));
        QCOMPARE(d.wordBox->currentText(), QStringLiteral("chat"));
    }

    void history_keeps_each_text_once_sorted_by_character_code() {
        SynonymTabDriver d;
        d.lookUp("chien");
        d.lookUp("chat");
        QCOMPARE(Items(d.wordBox), (QStringList{"chat", "chien"}));
        d.lookUp("chat");
        QCOMPARE(Items(d.wordBox), (QStringList{"chat", "chien"}));
        for (const char* text : {"étoilé", "chatx", "Chat", "zèbre"}) d.lookUp(text);
        QCOMPARE(Items(d.wordBox),
                 (QStringList{"Chat", "chat", "chatx", "chien", "zèbre", "étoilé"}));
    }

    void spaces_around_the_text_are_ignored_by_the_look_up_and_the_history() {
        SynonymTabDriver d;
        d.lookUp(" chat ");
        QCOMPARE(d.foundWord->text(), QStringLiteral("chat"));
        QCOMPARE(Items(d.synonyms), kChatSynonyms);
        QCOMPARE(Items(d.wordBox), QStringList{"chat"});
        QCOMPARE(d.wordBox->currentText(), QStringLiteral("chat"));
    }

    void a_pasted_line_break_ends_the_word_and_the_result_is_named_by_its_text() {
        SynonymTabDriver d;
        QGuiApplication::clipboard()->setText(QStringLiteral(" chat\r\nchien\n"));
        QTest::keyClick(d.wordBox, Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(d.wordBox->currentText(), QStringLiteral("chat"));
        QTest::mouseClick(d.button, Qt::LeftButton);
        QCOMPARE(d.foundWord->text(), QStringLiteral("chat"));
        QCOMPARE(Items(d.wordBox), QStringList{"chat"});
        QCOMPARE(d.foundWord->accessibleName(), QStringLiteral("Mot trouvé : chat"));
        QCOMPARE(d.resultCount->accessibleName(),
                 QStringLiteral("Résultat de la recherche : ") + d.resultCount->text());
        QCOMPARE(d.wordBox->lineEdit()->accessibleName(), QStringLiteral("Mot à chercher"));
    }

    void history_sorts_by_windows_1252_code() {
        SynonymTabDriver d;
        for (const QString& text : {QStringLiteral("ôter"), QStringLiteral("Œil"),
                                    QStringLiteral("Ébène"), QStringLiteral("zut")})
            d.lookUp(text);
        QCOMPARE(Items(d.wordBox), (QStringList{"zut", "Œil", "Ébène", "ôter"}));
    }

    void the_button_stays_disabled_after_a_look_up_until_the_next_edit() {
        SynonymTabDriver d;
        d.lookUp("chat");
        QVERIFY(!d.button->isEnabled());
        d.t.pressEnter();  // a disabled button is never run
        QCOMPARE(d.wordBox->count(), 1);
        QTest::keyClick(d.wordBox, 's');
        QVERIFY(d.button->isEnabled());
        QVERIFY(d.resultCount->text().isEmpty());
        QCOMPARE(d.foundWord->text(),
                 QStringLiteral("chat"));  // an edit clears only the count text
        QCOMPARE(Items(d.synonyms), kChatSynonyms);
    }

    void choosing_a_history_item_enables_the_button_and_lists_its_headwords() {
        SynonymTabDriver d;
        d.lookUp("chien");
        d.lookUp("chat");
        QVERIFY(!d.button->isEnabled());
        d.chooseHistory("chien");
        QCOMPARE(d.wordBox->currentText(), QStringLiteral("chien"));
        QCOMPARE(Items(d.headwords), (QStringList{"chien", "chien de mer", "chien oreillard",
                                                  "chiendent", "chienlit"}));
        QVERIFY(d.button->isEnabled());
        QVERIFY(d.resultCount->text().isEmpty());
        QTest::mouseClick(d.button, Qt::LeftButton);
        QCOMPARE(d.resultCount->text(), QStringLiteral("9 synonymes trouvés."));
        d.chooseHistory("chien");  // the text already shown: the choice alone enables
        QVERIFY(d.button->isEnabled());
        QVERIFY(d.resultCount->text().isEmpty());
    }

    void clicking_a_synonym_puts_it_in_the_combo_and_enables_the_button() {
        SynonymTabDriver d;
        d.lookUp("chat");
        d.click(d.synonyms, "matou");
        QCOMPARE(d.wordBox->currentText(), QStringLiteral("matou"));
        QCOMPARE(Items(d.headwords), QStringList{"matou"});
        QVERIFY(d.button->isEnabled());
        QCOMPARE(Items(d.synonyms), kChatSynonyms);
    }

    void double_clicking_a_synonym_looks_it_up() {
        SynonymTabDriver d;
        d.lookUp("chat");
        d.doubleClick(d.synonyms, "matou");
        QCOMPARE(d.foundWord->text(), QStringLiteral("matou"));
        QCOMPARE(Items(d.synonyms), (QStringList{"chat", "félin", "minet"}));
        QCOMPARE(d.resultCount->text(), QStringLiteral("3 synonymes trouvés."));
        QCOMPARE(Items(d.wordBox), (QStringList{"chat", "matou"}));
        QVERIFY(!d.button->isEnabled());
    }

    void the_arrows_walk_the_synonyms_and_enter_looks_one_up() {
        SynonymTabDriver d;
        d.lookUp("chat");
        d.synonyms->setFocus();
        while (d.synonyms->currentIndex().row() < kChatSynonyms.indexOf("matou"))
            QTest::keyClick(d.synonyms, Qt::Key_Down);
        QCOMPARE(d.wordBox->currentText(), QStringLiteral("matou"));
        QCOMPARE(Items(d.headwords), QStringList{"matou"});
        QVERIFY(d.button->isEnabled());
        QTest::keyClick(d.synonyms, Qt::Key_Up);
        QCOMPARE(d.wordBox->currentText(), QStringLiteral("félin"));
        QTest::keyClick(d.synonyms, Qt::Key_Down);
        QTest::keyClick(d.synonyms, Qt::Key_Return);
        QCOMPARE(d.foundWord->text(), QStringLiteral("matou"));
        QCOMPARE(Items(d.synonyms), (QStringList{"chat", "félin", "minet"}));
        QCOMPARE(Items(d.wordBox), (QStringList{"chat", "matou"}));
        QVERIFY(!d.button->isEnabled());
    }

    void double_clicking_or_entering_a_headword_looks_it_up() {
        const struct {
            const char *typed, *chosen, *found;
            bool byKey;
        } rows[] = {
            {"afr", "Afrique", "afrique", false},
            {"afr", "Afrique", "afrique", true},
            // The typed word itself: its click leaves the list as it is.
            {"chat", "chat", "chat", false},
            // The first click leaves "chaton" alone in the list, away from the pointer.
            {"chat", "chaton", "chaton", false},
        };
        for (const auto& row : rows) {
            SynonymTabDriver d;
            d.type(row.typed);
            if (row.byKey) {
                d.headwords->setFocus();
                d.headwords->setCurrentIndex(d.headwords->model()->index(0, 0));
                QTest::keyClick(d.headwords, Qt::Key_Return);
            } else {
                d.doubleClick(d.headwords, row.chosen);
            }
            QCOMPARE(d.foundWord->text(), QString(row.found));
            QVERIFY(d.synonyms->count() > 0);
            QVERIFY(!d.resultCount->text().isEmpty());
            QCOMPARE(Items(d.wordBox), QStringList{row.chosen});
            QVERIFY(!d.button->isEnabled());
        }
    }

    void choosing_a_listed_headword_puts_it_in_the_combo_exactly_as_listed() {
        SynonymTabDriver d;
        d.type("afr");
        QCOMPARE(Items(d.headwords), QStringList{"Afrique"});
        d.click(d.headwords, "Afrique");
        QCOMPARE(d.wordBox->currentText(), QStringLiteral("Afrique"));
        QTest::mouseClick(d.button, Qt::LeftButton);
        QCOMPARE(d.foundWord->text(), QStringLiteral("afrique"));
        QCOMPARE(Items(d.synonyms), (QStringList{"continent", "terre"}));
        d.click(d.headwords, "Afrique");  // choosing the text already typed counts as an edit
        QVERIFY(d.button->isEnabled());
        d.type("chat");
        d.click(d.headwords, "chaton");
        QCOMPARE(d.wordBox->currentText(), QStringLiteral("chaton"));
        QCOMPARE(Items(d.headwords), QStringList{"chaton"});
    }

    void refilled_lists_show_their_first_items() {
        SynonymTabDriver d;
        d.lookUp("trouble");
        QCOMPARE(testing::TopRow(d.synonyms), 0);  // laid out, so that End can scroll
        d.synonyms->setFocus();
        QTest::keyClick(d.synonyms, Qt::Key_End);
        QVERIFY(testing::TopRow(d.synonyms) > 0);
        d.lookUp("chien");
        QCOMPARE(testing::TopRow(d.synonyms), 0);
        d.type("co");
        QCOMPARE(testing::TopRow(d.headwords), 0);
        d.headwords->setFocus();
        QTest::keyClick(d.headwords, Qt::Key_End);
        QVERIFY(testing::TopRow(d.headwords) > 0);
        d.type("con");
        QCOMPARE(testing::TopRow(d.headwords), 0);
    }

    void a_text_that_is_no_headword_shows_the_not_found_box() {
        SynonymTabDriver d;
        d.lookUp("ChatX");
        QCOMPARE(d.foundWord->text(), QStringLiteral("ChatX"));
        QCOMPARE(d.resultCount->text(), QStringLiteral("Pas de synonyme trouvé."));
        QCOMPARE(d.synonyms->count(), 0);
        QCOMPARE(d.t.fakes.messages.shown.size(), 1);
        QCOMPARE(d.t.fakes.messages.shown.first(), (MessageRequest{"Quillex", kNoSynonymMessage}));
        QVERIFY(!d.button->isEnabled());
    }

    void nothing_of_a_long_earlier_listing_is_found() {
        SynonymTabDriver d;
        d.lookUp("chat");
        d.type("co");
        QCOMPARE(d.headwords->count(), 1572);
        QTest::mouseClick(d.button, Qt::LeftButton);
        QCOMPARE(d.foundWord->text(), QStringLiteral("co"));
        QCOMPARE(d.synonyms->count(), 0);
        d.lookUp("chatx");
        QCOMPARE(d.foundWord->text(), QStringLiteral("chatx"));
        QCOMPARE(d.resultCount->text(), QStringLiteral("Pas de synonyme trouvé."));
        QCOMPARE(d.synonyms->count(), 0);
        QCOMPARE(d.t.fakes.messages.shown.size(), 2);
    }

    void enter_in_the_combo_runs_the_look_up() {
        SynonymTabDriver d;
        d.type("chat");
        QCOMPARE(QApplication::focusWidget()->window(), d.t.window.get());
        d.t.pressEnter();
        QCOMPARE(d.foundWord->text(), QStringLiteral("chat"));
        QCOMPARE(d.resultCount->text(), QStringLiteral("9 synonymes trouvés."));
        QCOMPARE(Items(d.wordBox), QStringList{"chat"});
        d.type("chatx");
        d.t.pressEnter();
        QCOMPARE(d.t.fakes.messages.shown.size(), 1);
        QCOMPARE(Items(d.wordBox), (QStringList{"chat", "chatx"}));
        d.type("chat");  // a history text typed again is looked up, not replaced
        d.t.pressEnter();
        QCOMPARE(d.foundWord->text(), QStringLiteral("chat"));
        QCOMPARE(d.wordBox->currentText(), QStringLiteral("chat"));
        QCOMPARE(d.wordBox->count(), 2);
        d.lookUp("Chat");
        d.type("chat");  // Return never swaps in a history text that differs only in case
        d.t.pressEnter();
        QCOMPARE(d.wordBox->currentText(), QStringLiteral("chat"));
        QCOMPARE(Items(d.wordBox), (QStringList{"Chat", "chat", "chatx"}));
    }

    void oe_ligature_headwords_are_reached_by_typing_them() {
        SynonymTabDriver d;
        d.type(QStringLiteral("Œil"));
        QCOMPARE(d.headwords->text(0), QStringLiteral("œil"));
        QCOMPARE(d.headwords->count(), 9);
        d.lookUp(QStringLiteral("œil"));
        QCOMPARE(d.foundWord->text(), QStringLiteral("œil"));
        QCOMPARE(Items(d.synonyms), kOeilSynonyms);
        QCOMPARE(d.resultCount->text(), QStringLiteral("14 synonymes trouvés."));
    }
};

}  // namespace
}  // namespace quillex::ui

QTEST_MAIN(quillex::ui::SynonymTabTest)
#include "synonyms_tab_test.moc"
