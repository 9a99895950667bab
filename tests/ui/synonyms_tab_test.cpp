#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSignalSpy>
#include <QTabWidget>
#include <QTest>

#include "TestWindow.h"
#include "app/Twips.h"
#include "tabs/TabPage.h"

namespace quillex::ui {
namespace {

using testing::TestWindow;

// Expectations computed from data/LISTESYNONYMES.
const QStringList kChatHeadwords{
    "chat",           "chateaubriand", "chat-huant",   "chatoiement", "chaton",    "chatouille",
    "chatouillement", "chatouiller",   "chatouilleux", "chatouillis", "chatoyant", "chatoyante",
    "chatoyer",       "chattemite",    "chatterie",    "chatterton",  "chat-tigre"};
const QStringList kChatSynonyms{"félin",   "matou",    "chaton",  "minou",   "minet", "mistigri",
                                "félinne", "chatonne", "minette", "minoune", "féline"};
const QStringList kOeilSynonyms{"bourgeon", "bouton", "chaton", "bulbe",   "pousse",
                                "rejet",    "turion", "stolon", "écusson", "bouture",
                                "globe",    "vision", "vue",    "regard"};
const QString kNoSynonymMessage = QStringLiteral("Pas de synonyme pour ce mot.");

QStringList Items(const QListWidget* list) {
    QStringList items;
    for (int i = 0; i < list->count(); ++i) items << list->item(i)->text();
    return items;
}

QStringList Items(const QComboBox* combo) {
    QStringList items;
    for (int i = 0; i < combo->count(); ++i) items << combo->itemText(i);
    return items;
}

// The synonym tab in front, driven through its controls as a user would.
struct SynonymTabDriver {
    TestWindow t;
    QComboBox* cbo2 = t.find<QComboBox>("Cbo2");
    QLineEdit* txt2 = t.find<QLineEdit>("Txt2");
    QListWidget* lst12 = t.find<QListWidget>("Lst12");
    QListWidget* lst13 = t.find<QListWidget>("Lst13");
    QLabel* lbl4 = t.find<QLabel>("Lbl4");
    QLabel* lbl5 = t.find<QLabel>("Lbl5");
    QPushButton* cmdRech3 = t.find<QPushButton>("CmdRech3");
    QPushButton* cmdRech31 = t.find<QPushButton>("CmdRech31");
    bool focusedAtStart = false;

    SynonymTabDriver() {
        t.window->tabControl()->setCurrentIndex(2);
        focusedAtStart = QTest::qWaitFor([this] { return cbo2->hasFocus(); }, 1000);
    }

    // Replaces the combo text by typing over it; letters beyond ASCII are typed as text keys.
    void type(const QString& text) const {
        QTest::keyClick(cbo2, Qt::Key_A, Qt::ControlModifier);
        for (QChar c : text) {
            if (c.unicode() < 0x80)
                QTest::keyClick(cbo2, c.toLatin1());
            else
                QTest::sendKeyEvent(QTest::Click, cbo2, Qt::Key_unknown, QString(c),
                                    Qt::NoModifier);
        }
    }

    void lookUp(const QString& text) const {
        type(text);
        QTest::mouseClick(cmdRech3, Qt::LeftButton);
    }

    QPoint centreOf(QListWidget* list, const QString& text) const {
        const QList<QListWidgetItem*> found = list->findItems(text, Qt::MatchExactly);
        if (found.isEmpty()) return {};
        list->scrollToItem(found.first());
        return list->visualItemRect(found.first()).center();
    }
    void click(QListWidget* list, const QString& text) const {
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, centreOf(list, text));
    }
    void doubleClick(QListWidget* list, const QString& text) const {
        const QPoint at = centreOf(list, text);
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, at);
        QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, at);
    }
    void chooseHistory(const QString& text) const {
        cbo2->showPopup();
        QAbstractItemView* view = cbo2->view();
        const QModelIndex index = view->model()->index(cbo2->findText(text), 0);
        QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, view->visualRect(index).center());
    }

    bool twinsAgree() const { return cmdRech31->isEnabled() == cmdRech3->isEnabled(); }
};

class SynonymTabTest : public QObject {
    Q_OBJECT
  private slots:
    void starts_empty_with_both_buttons_disabled_and_the_no_synonym_text() {
        SynonymTabDriver d;
        QVERIFY(d.cbo2->currentText().isEmpty());
        QCOMPARE(d.cbo2->count(), 0);
        QVERIFY(!d.cmdRech3->isEnabled());
        QVERIFY(!d.cmdRech31->isEnabled());
        QCOMPARE(d.lbl4->text(), kNoSynonymMessage);
        QVERIFY(d.lbl5->text().isEmpty());
        QCOMPARE(d.lst12->count(), 0);
        QCOMPARE(d.lst13->count(), 0);
        QVERIFY(!d.txt2->isVisible());
        QCOMPARE(d.cmdRech3->text(), QStringLiteral("Rechercher "));
        QVERIFY(d.focusedAtStart);
        TabPage* page = d.t.window->page(2);
        QCOMPARE(page->focusTarget(), d.cbo2);
        QCOMPARE(page->searchButton(), d.cmdRech3);
    }

    void hidden_twin_button_lies_out_of_view_and_runs_the_look_up_too() {
        SynonymTabDriver d;
        QCOMPARE(d.cmdRech31->x(), Twips(11000));
        QVERIFY(d.cmdRech31->x() >= d.t.window->page(2)->width());
        d.type("chat");
        QVERIFY(d.cmdRech31->isEnabled());
        d.cmdRech31->click();
        QCOMPARE(d.lbl5->text(), QStringLiteral("chat"));
        QVERIFY(!d.cmdRech31->isEnabled());
        QVERIFY(!d.cmdRech3->isEnabled());
    }

    void one_character_disables_the_buttons_and_two_enable_them() {
        SynonymTabDriver d;
        QTest::keyClick(d.cbo2, 'c');
        QVERIFY(!d.cmdRech3->isEnabled());
        QVERIFY(d.lbl4->text().isEmpty());  // the first edit clears the start-up text
        QTest::keyClick(d.cbo2, 'h');
        QVERIFY(d.cmdRech3->isEnabled());
        QVERIFY(d.twinsAgree());
        QTest::keyClick(d.cbo2, Qt::Key_Backspace);
        QVERIFY(!d.cmdRech3->isEnabled());
        QVERIFY(d.twinsAgree());
        QCOMPARE(d.lst12->count(), 0);  // one character lists nothing
    }

    void typing_lists_the_headwords_and_mirrors_the_text_lower_cased() {
        SynonymTabDriver d;
        d.type("Chat");
        QCOMPARE(d.txt2->text(), QStringLiteral("chat"));
        QCOMPARE(Items(d.lst12), kChatHeadwords);
        d.type("Étoilé");
        QCOMPARE(d.txt2->text(), QStringLiteral("étoilé"));
        QCOMPARE(d.lst12->item(0)->text(), QStringLiteral("étoile"));
        QVERIFY(Items(d.lst12).contains(QStringLiteral("étoilé")));
    }

    void looking_up_chat_lists_all_its_synonyms_with_the_count() {
        SynonymTabDriver d;
        d.lookUp("chien");
        d.type("chat");
        QSignalSpy mirrorChanges(d.txt2, &QLineEdit::textChanged);
        QTest::mouseClick(d.cmdRech3, Qt::LeftButton);
        QCOMPARE(mirrorChanges.size(), 0);  // refilling the history never reruns the browser
        QCOMPARE(d.lbl5->text(), QStringLiteral("chat"));
        QCOMPARE(Items(d.lst13), kChatSynonyms);
        QCOMPARE(d.lbl4->text(), QStringLiteral("11 synonymes trouvés."));
        QVERIFY(d.t.fakes.messages.shown.isEmpty());
        QVERIFY(!d.cmdRech3->isEnabled());
        QVERIFY(d.twinsAgree());
        // The typed text stays, and refilling the history leaves the listing alone.
        QCOMPARE(d.cbo2->currentText(), QStringLiteral("chat"));
        QCOMPARE(d.txt2->text(), QStringLiteral("chat"));
        QCOMPARE(Items(d.lst12), kChatHeadwords);
        QVERIFY(d.cbo2->hasFocus());
    }

    void counts_read_one_synonym_or_n_synonyms() {
        SynonymTabDriver d;
        d.lookUp("abajoue");
        QCOMPARE(Items(d.lst13), QStringList{"bajoue"});
        QCOMPARE(d.lbl4->text(), QStringLiteral("Un synonyme trouvé."));
        d.lookUp("Étoilé");
        QCOMPARE(d.lbl5->text(), QStringLiteral("étoilé"));
        QCOMPARE(d.lst13->item(0)->text(), QStringLiteral("constellé"));
        QCOMPARE(d.lbl4->text(), QStringLiteral("6 synonymes trouvés."));
    }

    void capital_chat_finds_chat_and_joins_the_history_before_chat() {
        SynonymTabDriver d;
        d.lookUp("Chat");
        QCOMPARE(d.lbl5->text(), QStringLiteral("chat"));
        QCOMPARE(Items(d.lst13), kChatSynonyms);
        QCOMPARE(d.cbo2->currentText(), QStringLiteral("Chat"));
        d.lookUp("chat");
        QCOMPARE(Items(d.cbo2), (QStringList{"Chat", "chat"}));
        QCOMPARE(d.cbo2->currentText(), QStringLiteral("chat"));
    }

    void history_keeps_each_text_once_sorted_by_character_code() {
        SynonymTabDriver d;
        d.lookUp("chien");
        d.lookUp("chat");
        QCOMPARE(Items(d.cbo2), (QStringList{"chat", "chien"}));
        d.lookUp("chat");
        QCOMPARE(Items(d.cbo2), (QStringList{"chat", "chien"}));
        for (const char* text : {"étoilé", "chatx", "Chat", "zèbre"}) d.lookUp(text);
        QCOMPARE(Items(d.cbo2), (QStringList{"Chat", "chat", "chatx", "chien", "zèbre", "étoilé"}));
    }

    void buttons_stay_disabled_after_a_look_up_until_the_next_edit() {
        SynonymTabDriver d;
        d.lookUp("chat");
        QVERIFY(!d.cmdRech3->isEnabled());
        d.t.pressEnter();  // a disabled button is never run
        QCOMPARE(d.cbo2->count(), 1);
        QTest::keyClick(d.cbo2, 's');
        QVERIFY(d.cmdRech3->isEnabled());
        QVERIFY(d.twinsAgree());
        QVERIFY(d.lbl4->text().isEmpty());
        QCOMPARE(d.lbl5->text(), QStringLiteral("chat"));  // an edit clears only the count text
        QCOMPARE(Items(d.lst13), kChatSynonyms);
    }

    void choosing_a_history_item_enables_the_buttons_and_lists_its_headwords() {
        SynonymTabDriver d;
        d.lookUp("chien");
        d.lookUp("chat");
        QVERIFY(!d.cmdRech3->isEnabled());
        d.chooseHistory("chien");
        QCOMPARE(d.cbo2->currentText(), QStringLiteral("chien"));
        QCOMPARE(d.txt2->text(), QStringLiteral("chien"));
        QCOMPARE(Items(d.lst12), (QStringList{"chien", "chien de mer", "chien oreillard",
                                              "chiendent", "chienlit"}));
        QVERIFY(d.cmdRech3->isEnabled());
        QVERIFY(d.twinsAgree());
        QVERIFY(d.lbl4->text().isEmpty());
        QTest::mouseClick(d.cmdRech3, Qt::LeftButton);
        QCOMPARE(d.lbl4->text(), QStringLiteral("9 synonymes trouvés."));
        d.chooseHistory("chien");  // the text already shown: the choice alone enables
        QVERIFY(d.cmdRech3->isEnabled());
        QVERIFY(d.lbl4->text().isEmpty());
    }

    void clicking_a_synonym_puts_it_in_the_combo_and_enables_the_buttons() {
        SynonymTabDriver d;
        d.lookUp("chat");
        d.click(d.lst13, "matou");
        QCOMPARE(d.cbo2->currentText(), QStringLiteral("matou"));
        QCOMPARE(d.txt2->text(), QStringLiteral("matou"));
        QCOMPARE(Items(d.lst12), QStringList{"matou"});
        QVERIFY(d.cmdRech3->isEnabled());
        QVERIFY(d.twinsAgree());
        QCOMPARE(Items(d.lst13), kChatSynonyms);
    }

    void double_clicking_a_synonym_looks_it_up() {
        SynonymTabDriver d;
        d.lookUp("chat");
        d.doubleClick(d.lst13, "matou");
        QCOMPARE(d.lbl5->text(), QStringLiteral("matou"));
        QCOMPARE(Items(d.lst13), (QStringList{"chat", "félin", "minet"}));
        QCOMPARE(d.lbl4->text(), QStringLiteral("3 synonymes trouvés."));
        QCOMPARE(Items(d.cbo2), (QStringList{"chat", "matou"}));
        QVERIFY(!d.cmdRech3->isEnabled());
    }

    void choosing_a_listed_headword_puts_it_in_the_combo_exactly_as_listed() {
        SynonymTabDriver d;
        d.type("afr");
        QCOMPARE(Items(d.lst12), QStringList{"Afrique"});
        d.click(d.lst12, "Afrique");
        QCOMPARE(d.cbo2->currentText(), QStringLiteral("Afrique"));
        QCOMPARE(d.txt2->text(), QStringLiteral("afrique"));
        QTest::mouseClick(d.cmdRech3, Qt::LeftButton);
        QCOMPARE(d.lbl5->text(), QStringLiteral("afrique"));
        QCOMPARE(Items(d.lst13), (QStringList{"continent", "terre"}));
        d.click(d.lst12, "Afrique");  // choosing the text already typed counts as an edit
        QVERIFY(d.cmdRech3->isEnabled());
        QVERIFY(d.twinsAgree());
        d.type("chat");
        d.click(d.lst12, "chaton");
        QCOMPARE(d.cbo2->currentText(), QStringLiteral("chaton"));
        QCOMPARE(Items(d.lst12), QStringList{"chaton"});
    }

    void a_text_that_is_no_headword_shows_the_not_found_box() {
        SynonymTabDriver d;
        d.lookUp("ChatX");
        QCOMPARE(d.lbl5->text(), QStringLiteral("ChatX"));
        QCOMPARE(d.lbl4->text(), QStringLiteral("Pas de synonyme trouvé."));
        QCOMPARE(d.lst13->count(), 0);
        QCOMPARE(d.t.fakes.messages.shown.size(), 1);
        const MessageRequest& box = d.t.fakes.messages.shown.first();
        QCOMPARE(box.title, QStringLiteral("Quillex"));
        QCOMPARE(box.text, kNoSynonymMessage);
        QCOMPARE(box.icon, MessageIcon::None);
        QCOMPARE(box.buttons, MessageButtons::Ok);
        QVERIFY(!d.cmdRech3->isEnabled());
    }

    void nothing_of_a_long_earlier_listing_is_found() {
        SynonymTabDriver d;
        d.lookUp("chat");
        d.type("co");
        QCOMPARE(d.lst12->count(), 1621);
        QTest::mouseClick(d.cmdRech3, Qt::LeftButton);
        QCOMPARE(d.lbl5->text(), QStringLiteral("co"));
        QCOMPARE(d.lst13->count(), 0);
        d.lookUp("chatx");
        QCOMPARE(d.lbl5->text(), QStringLiteral("chatx"));
        QCOMPARE(d.lbl4->text(), QStringLiteral("Pas de synonyme trouvé."));
        QCOMPARE(d.lst13->count(), 0);
        QCOMPARE(d.t.fakes.messages.shown.size(), 2);
    }

    void enter_in_the_combo_runs_the_look_up() {
        SynonymTabDriver d;
        d.type("chat");
        QCOMPARE(QApplication::focusWidget()->window(), d.t.window.get());
        d.t.pressEnter();
        QCOMPARE(d.lbl5->text(), QStringLiteral("chat"));
        QCOMPARE(d.lbl4->text(), QStringLiteral("11 synonymes trouvés."));
        QCOMPARE(Items(d.cbo2), QStringList{"chat"});
        d.type("chatx");
        d.t.pressEnter();
        QCOMPARE(d.t.fakes.messages.shown.size(), 1);
        QCOMPARE(Items(d.cbo2), (QStringList{"chat", "chatx"}));
        d.type("chat");  // a history text typed again is looked up, not replaced
        d.t.pressEnter();
        QCOMPARE(d.lbl5->text(), QStringLiteral("chat"));
        QCOMPARE(d.cbo2->currentText(), QStringLiteral("chat"));
        QCOMPARE(d.cbo2->count(), 2);
        d.lookUp("Chat");
        d.type("chat");  // Return never swaps in a history text that differs only in case
        d.t.pressEnter();
        QCOMPARE(d.cbo2->currentText(), QStringLiteral("chat"));
        QCOMPARE(Items(d.cbo2), (QStringList{"Chat", "chat", "chatx"}));
    }

    void oe_ligature_headwords_are_reached_by_typing_them() {
        SynonymTabDriver d;
        d.type(QStringLiteral("Œil"));
        QCOMPARE(d.txt2->text(), QStringLiteral("œil"));
        QCOMPARE(d.lst12->item(0)->text(), QStringLiteral("œil"));
        QCOMPARE(d.lst12->count(), 9);
        d.lookUp(QStringLiteral("œil"));
        QCOMPARE(d.lbl5->text(), QStringLiteral("œil"));
        QCOMPARE(Items(d.lst13), kOeilSynonyms);
        QCOMPARE(d.lbl4->text(), QStringLiteral("14 synonymes trouvés."));
    }
};

}  // namespace
}  // namespace quillex::ui

QTEST_MAIN(quillex::ui::SynonymTabTest)
#include "synonyms_tab_test.moc"
