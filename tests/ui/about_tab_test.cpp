#include <sys/stat.h>

#include <QAbstractButton>
#include <QAccessible>
#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QFontInfo>
#include <QLabel>
#include <QScrollBar>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBlock>
#include <QTextEdit>
#include <QTextLayout>
#include <QTimer>
#include <QUrl>
#include <filesystem>
#include <fstream>

#include "core/richtext/RichTextReader.h"
#include "testing/LicenceShapes.h"
#include "tests/ui/TestWindow.h"
#include "ui/about/DownloadLinks.h"
#include "ui/about/RichTextView.h"
#include "ui/app/AppConstants.h"

namespace quillex::ui {
namespace {

using testing::TestWindow;

std::filesystem::path PathOf(const QString& name) {
    return QFile::encodeName(name).toStdString();
}

// Removes a folder and what it holds at the end of a scope: QTemporaryDir decodes names, so it
// cannot remove one whose name is no UTF-8.
struct RemovedAtEnd {
    std::filesystem::path folder;
    ~RemovedAtEnd() {
        std::error_code ignored;
        std::filesystem::remove_all(folder, ignored);
    }
};

// The program's folder in the build tree, or in an install tree when the install test runs this.
std::vector<std::filesystem::path> GuideFoldersOfTheProgram() {
    return GuideFolders(PathOf(qEnvironmentVariable("QUILLEX_PROGRAM_DIR")));
}

// Clicks the guide button with the guide looked for in these folders; returns what the shell
// was asked to open.
QStringList ClickGuideButton(TestWindow& t,
                             const std::vector<std::filesystem::path>& guideFolders) {
    t.window->findChild<AboutTab*>()->setGuideFolders(guideFolders);
    t.window->tabControl()->setCurrentIndex(4);
    t.find<QWidget>("licenceView")->setFocus();
    QTest::mouseClick(t.find<QAbstractButton>("guideButton"), Qt::LeftButton);
    return t.fakes.shell.opened;
}

class AboutTabTest : public QObject {
    Q_OBJECT
  private slots:
    void texts_are_set_at_start_up() {
        TestWindow t;
        QCOMPARE(t.find<QLabel>("versionLabel")->text(), QStringLiteral("Version 1.00"));
        QCOMPARE(t.find<QLabel>("programName")->text(), QStringLiteral("Quillex"));
        const QStringList lines = t.find<QLabel>("description")->text().split("\r\n");
        QCOMPARE(lines.size(), 8);
        QCOMPARE(lines.first(), QStringLiteral("Quillex  est  un"));
        QCOMPARE(lines.last(), QStringLiteral("investigations linguistiques."));
        QCOMPARE(t.find<QAbstractButton>("guideButton")->text(),
                 QStringLiteral("Site Internet du programme  "));
    }

    void licence_is_shown_half_a_second_after_start_up() {
        TestWindow t;
        auto* view = t.find<QTextEdit>("licenceView");
        QVERIFY(QTest::qWaitFor([&] { return !view->toPlainText().isEmpty(); }, 3000));
        QVERIFY(view->toPlainText().contains(QStringLiteral("GPL")));
        QVERIFY(view->isReadOnly());
        QVERIFY(t.fakes.messages.shown.isEmpty());
    }

    void missing_licence_is_reported_once_with_code_107_and_every_tab_still_works() {
        QTemporaryDir empty;
        FakePlatform fakes;
        MainWindow window(BuiltInDictionaries(), fakes.platform());
        window.findChild<AboutTab*>()->setLicenceFolders({empty.path(), QString()});
        window.load(nullptr);
        QVERIFY(QTest::qWaitFor([&] { return !fakes.messages.shown.isEmpty(); }, 3000));
        QTest::qWait(700);
        QCOMPARE(fakes.messages.shown.size(), 1);
        const MessageRequest& report = fakes.messages.shown.first();
        QVERIFY(report.text.startsWith(QStringLiteral("Fichier introuvable : Licence.rtf")));
        QVERIFY(report.text.endsWith(QStringLiteral("\r\nErreur interne 107 - 53")));
        QCOMPARE(report.icon, MessageIcon::Critical);
        QVERIFY(window.findChild<QTextEdit*>("licenceView")->toPlainText().isEmpty());
        for (int i = 0; i < 5; ++i) window.tabControl()->setCurrentIndex(i);
        QVERIFY(window.isEnabled());
    }

    // The hardest shape the reader accepts (licence_bench names it), and one it refuses: the
    // tab says it is loading, and the window's thread answers throughout, scrolled to the end.
    void a_licence_of_any_shape_leaves_the_window_answering_data() {
        QTest::addColumn<QString>("shape");
        QTest::addColumn<bool>("shown");
        for (const char* shape : {"most_characters", "space_before_after_23k", "font_size_16k"})
            QTest::newRow(shape) << QString::fromLatin1(shape) << true;
        QTest::newRow("font_size_filled") << QStringLiteral("font_size_filled") << false;
    }

    void a_licence_of_any_shape_leaves_the_window_answering() {
        QFETCH(QString, shape);
        QFETCH(bool, shown);
        QTemporaryDir folder;
        for (const auto& made : quillex::testing::LicenceShapes(MaxRichTextFileBytes))
            if (made.name == shape.toStdString())
                std::ofstream(PathOf(folder.filePath("Licence.rtf")), std::ios::binary)
                    << made.text;
        FakePlatform fakes;
        MainWindow window(BuiltInDictionaries(), fakes.platform());
        auto* about = window.findChild<AboutTab*>();
        about->setLicenceFolders({folder.path()});
        window.load(nullptr);
        QVERIFY(QTest::qWaitFor([&] { return window.isVisible(); }, 2000));
        auto* view = window.findChild<QTextEdit*>("licenceView");
        QCOMPARE(view->placeholderText(), QStringLiteral("Chargement de la licence…"));

        // A timer every 10 ms: the longest wait between its ticks is how long the window's
        // thread was held.
        QElapsedTimer clock;
        clock.start();
        qint64 last = 0, longest = 0;
        QTimer probe;
        connect(&probe, &QTimer::timeout, [&] {
            longest = std::max(longest, clock.elapsed() - last);
            last = clock.elapsed();
        });
        probe.start(10);
        QVERIFY(QTest::qWaitFor([&] { return about->loadingLicence(); }, 3000));
        for (int tab = 0; about->loadingLicence(); tab = (tab + 1) % 5) {
            QVERIFY2(clock.elapsed() < 60000, "the licence never came");
            window.tabControl()->setCurrentIndex(tab);
            QTest::qWait(20);
        }
        window.tabControl()->setCurrentIndex(4);
        view->verticalScrollBar()->setValue(view->verticalScrollBar()->maximum());
        QTest::qWait(1000);  // the view lays out the rest of the text in steps
        view->verticalScrollBar()->setValue(view->verticalScrollBar()->maximum());
        QTest::qWait(200);
        qInfo("%s: the window's thread was held %lld ms at most", qPrintable(shape), longest);
        // Far above what the window's thread takes: a held window, not a benchmark.
        QVERIFY2(longest < 500, qPrintable(QStringLiteral("held %1 ms").arg(longest)));
        QCOMPARE(fakes.messages.shown.size(), shown ? 0 : 1);
        QCOMPARE(!view->toPlainText().isEmpty(), shown);
        QCOMPARE(view->placeholderText().isEmpty(), !shown);
        if (!shown) {
            QVERIFY(fakes.messages.shown.first().text.startsWith(
                QStringLiteral("Fichier trop complexe (plus de 100 000 caractères) : ")));
            QVERIFY(fakes.messages.shown.first().text.endsWith(
                QStringLiteral("\r\nErreur interne 107 - 53")));
        }
    }

    void licence_is_found_beside_the_program_when_the_start_folder_lacks_it() {
        QTemporaryDir start, beside;
        QVERIFY(QFile::copy(qEnvironmentVariable("QUILLEX_SOURCE_DIR") + "/Licence.rtf",
                            beside.filePath("Licence.rtf")));
        FakePlatform fakes;
        MainWindow window(BuiltInDictionaries(), fakes.platform());
        window.findChild<AboutTab*>()->setLicenceFolders({start.path(), beside.path()});
        window.load(nullptr);
        auto* view = window.findChild<QTextEdit*>("licenceView");
        QVERIFY(QTest::qWaitFor([&] { return !view->toPlainText().isEmpty(); }, 3000));
        QVERIFY(fakes.messages.shown.isEmpty());
    }

    void licence_is_found_in_a_start_folder_whose_name_is_not_utf8() {
        QTemporaryDir parent;
        // "café" in Latin-1: the é is one byte that is no UTF-8.
        const std::filesystem::path folder =
            (QFile::encodeName(parent.path()) + "/caf\xE9").toStdString();
        QVERIFY(::mkdir(folder.c_str(), 0700) == 0);
        const RemovedAtEnd removal{folder};
        std::filesystem::copy_file(
            QFile::encodeName(qEnvironmentVariable("QUILLEX_SOURCE_DIR") + "/Licence.rtf")
                .toStdString(),
            folder / "Licence.rtf");
        const auto previous = std::filesystem::current_path();
        std::filesystem::current_path(folder);
        SetStartFolder();
        std::filesystem::current_path(previous);

        FakePlatform fakes;
        MainWindow window(BuiltInDictionaries(), fakes.platform());
        window.load(nullptr);  // the default folders: the start folder first
        auto* view = window.findChild<QTextEdit*>("licenceView");
        QVERIFY(QTest::qWaitFor([&] { return !view->toPlainText().isEmpty(); }, 3000));
        QVERIFY(fakes.messages.shown.isEmpty());
        SetStartFolder();
    }

    void a_web_address_in_the_licence_opens_through_the_shell_when_clicked() {
        TestWindow t;
        t.window->tabControl()->setCurrentIndex(4);
        auto* view = t.find<QTextEdit>("licenceView");
        QVERIFY(QTest::qWaitFor([&] { return !view->toPlainText().isEmpty(); }, 3000));
        const QString address = QStringLiteral("https://www.gnu.org/licenses/");
        const QTextCursor found = view->document()->find(address);
        QVERIFY(!found.isNull());
        QTextCursor inside(view->document());
        inside.setPosition(found.selectionStart() + 5);
        view->setTextCursor(inside);
        view->ensureCursorVisible();
        QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, view->cursorRect(inside).center());
        QCOMPARE(t.fakes.shell.opened, QStringList{address});
    }

    void the_view_shows_paragraph_formats_colours_strike_through_and_links() {
        const char rtf[] =
            "{\\rtf1{\\colortbl;\\red200\\green0\\blue0;}\\qc\\li300\\ri150\\fi-75\\sb30\\sa45 "
            "{\\cf1 rouge} {\\strike barr\\'e9} https://a.fr\\par\\pard\\qj fin}";
        RichTextView view;
        QVERIFY(view.display(
            ParseRichText({reinterpret_cast<const unsigned char*>(rtf), sizeof rtf - 1})));
        const QTextBlock first = view.document()->firstBlock();
        const QTextBlockFormat block = first.blockFormat();
        QCOMPARE(block.alignment() & Qt::AlignHorizontal_Mask, Qt::AlignHCenter);
        QCOMPARE(block.leftMargin(), 20.0);  // twips at 15 to the pixel
        QCOMPARE(block.rightMargin(), 10.0);
        QCOMPARE(block.textIndent(), -5.0);
        QCOMPARE(block.topMargin(), 2.0);
        QCOMPARE(block.bottomMargin(), 3.0);
        QCOMPARE(first.next().blockFormat().alignment() & Qt::AlignHorizontal_Mask,
                 Qt::AlignJustify);
        QCOMPARE(first.next().blockFormat().leftMargin(), 0.0);
        QMap<QString, QTextCharFormat> formats;
        for (auto fragment = first.begin(); !fragment.atEnd(); ++fragment)
            formats[fragment.fragment().text()] = fragment.fragment().charFormat();
        QCOMPARE(formats["rouge"].foreground().color(), QColor(200, 0, 0));
        QVERIFY(formats["barré"].fontStrikeOut());
        QVERIFY(!formats["rouge"].fontStrikeOut());
        QVERIFY(formats["https://a.fr"].isAnchor());
        QCOMPARE(formats["https://a.fr"].anchorHref(), QStringLiteral("https://a.fr"));
        QVERIFY(!formats["rouge"].isAnchor());
    }

    void the_view_draws_the_shipped_faces_and_sets_bullets_hanging() {
        const char rtf[] =
            "{\\rtf1\\deff0{\\fonttbl{\\f0\\fswiss Calibri;}{\\f1\\fcharset2 Symbol;}"
            "{\\f2\\fmodern Courier New;}}\\pard\\li720\\fi-360{\\pntext\\f1\\'B7\\tab}Un point de "
            "liste assez long pour tenir sur plusieurs lignes dans la vue de la licence\\par"
            "\\pard{\\f2 code}\\par}";
        RichTextView view;
        view.resize(381, 153);
        QVERIFY(view.display(
            ParseRichText({reinterpret_cast<const unsigned char*>(rtf), sizeof rtf - 1})));
        const QTextBlock bullet = view.document()->firstBlock();
        QVERIFY(bullet.text().startsWith(QStringLiteral("•\t")));
        QTextBlock::iterator text = bullet.begin();
        ++text;  // after the bullet
        QVERIFY(text.fragment().text().startsWith(QStringLiteral("Un point")));
        const QFont body = text.fragment().charFormat().font();
        QCOMPARE(QFontInfo(body).family(), QStringLiteral("Carlito"));
        const QFont code = bullet.next().begin().fragment().charFormat().font();
        QCOMPARE(QFontInfo(code).family(), QStringLiteral("Liberation Mono"));
        QVERIFY(QFontInfo(code).fixedPitch());
        // The bullet hangs at the first-line indent and the text after its tab starts where the
        // following lines start, at the left indent.
        const QTextLayout* layout = bullet.layout();
        QVERIFY(layout->lineCount() > 1);
        const QTextLine first = layout->lineAt(0), second = layout->lineAt(1);
        QCOMPARE(second.x() - first.x(), 24.0);    // 360 twips
        QCOMPARE(first.cursorToX(2), second.x());  // from the layout's left, as x() is
    }

    // QUILLEX_PROGRAM_DIR is the program's folder in the build tree, or in an install tree when
    // the install test runs this; QUILLEX_GUIDE_PAGE is where the guide's page must be found.
    void guide_button_opens_the_guide_found_from_the_program() {
        const QString page = qEnvironmentVariable("QUILLEX_GUIDE_PAGE");
        QVERIFY2(QFileInfo(page).isFile(), qPrintable(page + " is missing"));
        TestWindow t;
        const QStringList opened = ClickGuideButton(t, GuideFoldersOfTheProgram());
        QCOMPARE(opened, QStringList{QUrl::fromLocalFile(page).toString()});
        QVERIFY(opened.first().startsWith(QStringLiteral("file:///")));
        QCOMPARE(t.window->focusWidget(), t.find<QWidget>("licenceView"));  // a click leaves it
        QVERIFY(t.fakes.messages.shown.isEmpty());
    }

    void guide_button_opens_the_first_guide_found_or_only_says_it_is_missing_data() {
        QTest::addColumn<QByteArray>("tree");    // a folder of the temporary root, by its bytes
        QTest::addColumn<QStringList>("files");  // made under that folder
        QTest::addColumn<QString>("opened");     // the page asked for; empty: none
        const QString installed = QStringLiteral("share/doc/quillex/guide/index.html");
        const QString data = QStringLiteral("share/quillex/guide/index.html");
        const QString beside = QStringLiteral("bin/guide/index.html");
        QTest::newRow("install tree") << QByteArray("tree") << QStringList{installed} << installed;
        QTest::newRow("data folder before the doc folder")
            << QByteArray("tree") << QStringList{installed, data} << data;
        QTest::newRow("data folder without the doc folder")
            << QByteArray("tree") << QStringList{data} << data;
        QTest::newRow("build tree first")
            << QByteArray("tree") << QStringList{beside, installed} << beside;
        // "café" in Latin-1: the é is one byte that is no UTF-8.
        QTest::newRow("tree whose name is not utf-8")
            << QByteArray("caf\xE9") << QStringList{installed} << installed;
        QTest::newRow("no guide") << QByteArray("tree") << QStringList{} << QString();
        QTest::newRow("guide folder without its page")
            << QByteArray("tree")
            << QStringList{QStringLiteral("share/doc/quillex/guide/guide.css"),
                           QStringLiteral("bin/guide/guide.css")}
            << QString();
    }

    void guide_button_opens_the_first_guide_found_or_only_says_it_is_missing() {
        QFETCH(QByteArray, tree);
        QFETCH(QStringList, files);
        QFETCH(QString, opened);
        QTemporaryDir root;
        const std::filesystem::path treeFolder = PathOf(root.path()) / tree.toStdString();
        const RemovedAtEnd removal{treeFolder};
        for (const QString& file : files) {
            const std::filesystem::path made = treeFolder / PathOf(file);
            std::filesystem::create_directories(made.parent_path());
            QVERIFY(std::ofstream(made).good());
        }
        TestWindow t;
        const QStringList asked = ClickGuideButton(t, GuideFolders(treeFolder / "bin"));
        if (!opened.isEmpty()) {
            // The address names the page's own bytes.
            QCOMPARE(asked.size(), 1);
            const QUrl address(asked.first());
            QCOMPARE(address.scheme(), QStringLiteral("file"));
            QCOMPARE(QByteArray::fromPercentEncoding(address.path(QUrl::FullyEncoded).toLatin1()),
                     QByteArray::fromStdString((treeFolder / PathOf(opened)).string()));
            QVERIFY(t.fakes.messages.shown.isEmpty());
            return;
        }
        QVERIFY(asked.isEmpty());
        QCOMPARE(t.fakes.messages.shown.size(), 1);
        const MessageRequest& message = t.fakes.messages.shown.first();
        QCOMPARE(message.title, QStringLiteral("Quillex"));
        QCOMPARE(message.text.split("\r\n"),
                 (QStringList{QStringLiteral("Le guide de l'utilisateur est introuvable."),
                              QStringLiteral("Il s'installe avec Quillex, dans le dossier :"),
                              QDir::toNativeSeparators(QFile::decodeName(
                                  (treeFolder / "share/quillex/guide").c_str()))}));
        QCOMPARE(message.icon, MessageIcon::Warning);
    }

    void tab_reaches_the_links_then_the_guide_button_and_keys_open_them() {
        TestWindow t;
        t.window->findChild<AboutTab*>()->setGuideFolders(GuideFoldersOfTheProgram());
        t.window->tabControl()->setCurrentIndex(4);
        t.find<QWidget>("licenceView")->setFocus();
        QStringList reached;
        for (int i = 0; i < 9; ++i) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            reached << QApplication::focusWidget()->objectName();
        }
        QStringList expected;
        for (int i = 0; i < 8; ++i) expected << QStringLiteral("downloadLink%1").arg(i);
        QCOMPARE(reached, expected << QStringLiteral("guideButton"));

        // Enter and Space open a link and leave the focus on it, framed.
        auto* link = t.find<QLabel>("downloadLink3");
        link->setFocus();
        const QImage framed = link->grab().toImage();
        t.find<QWidget>("licenceView")->setFocus();
        QVERIFY(link->grab().toImage() != framed);
        link->setFocus();
        QTest::keyClick(link, Qt::Key_Return);
        QTest::keyClick(link, Qt::Key_Space);
        QCOMPARE(t.fakes.shell.opened, QStringList(2, DownloadLinks()[3].address));
        QVERIFY(link->hasFocus());

        auto* guide = t.find<QAbstractButton>("guideButton");
        guide->setFocus();
        QTest::keyClick(guide, Qt::Key_Space);
        QTest::keyClick(guide, Qt::Key_Return);
        QCOMPARE(t.fakes.shell.opened.size(), 4);
        QVERIFY(t.fakes.shell.opened.last().endsWith(QStringLiteral("/guide/index.html")));
        QVERIFY(guide->hasFocus());
        QVERIFY(t.fakes.messages.shown.isEmpty());
    }

    void only_a_left_click_on_a_link_opens_it() {
        TestWindow t;
        t.window->tabControl()->setCurrentIndex(4);
        auto* link = t.find<QLabel>(QStringLiteral("downloadLink0"));
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
            auto* link = t.find<QLabel>(QStringLiteral("downloadLink%1").arg(i));
            QVERIFY(link);
            QCOMPARE(link->text(), links[i].caption);
            QTest::mouseClick(link, Qt::LeftButton);
            expected << links[i].address;
            QVERIFY(links[i].address.startsWith(QStringLiteral("https://")));
        }
        QCOMPARE(t.fakes.shell.opened, expected);
        // A screen reader's press opens it too.
        QAccessible::queryAccessibleInterface(t.find<QLabel>(QStringLiteral("downloadLink7")))
            ->actionInterface()
            ->doAction(QAccessibleActionInterface::pressAction());
        QCOMPARE(t.fakes.shell.opened.last(), links[7].address);
        QVERIFY(!t.fakes.pointer.windowPointerIsDefault);
        QVERIFY(QTest::qWaitFor([&] { return t.fakes.pointer.windowPointerIsDefault; }, 2500));
    }
};

}  // namespace
}  // namespace quillex::ui

QTEST_MAIN(quillex::ui::AboutTabTest)
#include "about_tab_test.moc"
