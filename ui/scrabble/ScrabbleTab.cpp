#include "ui/scrabble/ScrabbleTab.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <stdexcept>
#include <utility>

#include "core/anagram/AnagramSearch.h"
#include "core/anagram/MarkedWord.h"
#include "core/anagram/WordValue.h"
#include "core/text/Fold.h"
#include "core/text/Text.h"
#include "ui/app/Appearance.h"
#include "ui/app/ReportInternalError.h"
#include "ui/common/ResultList.h"
#include "ui/scrabble/ScrabbleOptions.h"
#include "ui/scrabble/ScrabbleRows.h"
#include "ui/scrabble/WordJudgeBox.h"

namespace quillex::ui {
namespace {

constexpr int kMaxDrawLength = 9;
constexpr int kSearchDelayMs = 100;
constexpr int kDrawTextMargin = 6;

const QString kFoundSuffix = QStringLiteral("  mots  trouvés.");
const QString kNothingFound = QStringLiteral("Aucun  mot  trouvé.");
const QString kRefusalTitle = QStringLiteral("INFORMATION");
// A second joker is refused naming the box that allows it.
const QString kTooManyJokers = QStringLiteral(
    "Un seul joker est autorisé pour la recherche. Cochez « Deux jokers » pour en "
    "utiliser deux, ou modifiez votre requête.");
// The word alone reads large; beside its value and hooks it takes a smaller size to fit.
constexpr int kWordPointSize = 18;
constexpr int kAnnotatedPointSize = 13;

void SetColours(QWidget* widget, QPalette::ColorRole backgroundRole, const QColor& background,
                QPalette::ColorRole textRole, const QColor& text) {
    SetColour(widget, backgroundRole, background);
    SetColour(widget, textRole, text);
}

}  // namespace

ScrabbleTab::ScrabbleTab(TabContext& context, QWidget* parent)
    : TabPage(parent), context_(context) {
    setObjectName(QStringLiteral("scrabbleTab"));
    buildDrawPanel();
    buildResultControls();
    buildHelpTexts();
    options_ = new ScrabbleOptions(this);
    options_->setGeometry(312, 258, 357, 88);
    connect(options_, &ScrabbleOptions::jokerLettersToggled, this, &ScrabbleTab::writeListedWords);
    connect(options_, &ScrabbleOptions::rowChoiceToggled, this, &ScrabbleTab::writeListedWords);
    // Judging a word needs no draw: it sits under the options, by the results it helps check.
    auto* judge = new WordJudgeBox(context_.dictionaries.scrabbleWordList, this);
    judge->setGeometry(312, 350, 357, 28);
    connect(options_, &ScrabbleOptions::wordChoiceToggled, this, &ScrabbleTab::refreshListedWords);
    searchTimer_.setObjectName(QStringLiteral("searchTimer"));
    searchTimer_.setSingleShot(true);
    connect(&searchTimer_, &QTimer::timeout, this, &ScrabbleTab::runDelayedSearch);
}

void ScrabbleTab::buildDrawPanel() {
    // A white panel behind the draw box, with a dark strip on its right where the white count
    // stays readable.
    drawPanel_ = new QLabel(this);
    drawPanel_->setObjectName(QStringLiteral("drawPanel"));
    drawPanel_->setGeometry(16, 16, 280, 72);
    drawPanel_->setAutoFillBackground(true);
    drawPanel_->setFrameStyle(QFrame::Box | QFrame::Plain);
    SetColours(drawPanel_, QPalette::Window, Qt::white, QPalette::WindowText,
               QColor(160, 160, 160));

    drawBox_ = new QLineEdit(this);
    setFocusTarget(drawBox_);
    drawBox_->setObjectName(QStringLiteral("drawBox"));
    drawBox_->setAccessibleName(QStringLiteral("Tirage, joker ?"));
    // Nine of the widest letter, W, fit in view after the margin.
    drawBox_->setGeometry(22, 26, 216, 52);
    drawBox_->setTextMargins(kDrawTextMargin, 0, 0, 0);
    drawBox_->setMaxLength(kMaxDrawLength);
    drawBox_->setFont(CalibriFont(18, true));
    SetColours(drawBox_, QPalette::Base, Qt::white, QPalette::Text, DarkRed);
    connect(drawBox_, &QLineEdit::textChanged, this, &ScrabbleTab::onDrawChanged);

    drawLength_ = new QLabel(this);
    drawLength_->setObjectName(QStringLiteral("drawLength"));
    drawLength_->setAccessibleName(QStringLiteral("Lettres du tirage"));
    drawLength_->setGeometry(242, 16, 54, 72);
    drawLength_->setAlignment(Qt::AlignCenter);
    drawLength_->setFont(CalibriFont(18, true));
    drawLength_->setAutoFillBackground(true);
    SetColours(drawLength_, QPalette::Window, DarkRed, QPalette::WindowText, Qt::white);

    searchButton_ =
        addSearchButton(QStringLiteral("Rechercher les mots du tirage"), QRect(16, 100, 280, 36));
    connect(searchButton_, &QPushButton::clicked, this, &ScrabbleTab::onSearchClicked);
}

void ScrabbleTab::buildResultControls() {
    resultCount_ = addCountLabel(QRect(16, 146, 280, 30));

    resultList_ = new ResultList(this);
    resultList_->setObjectName(QStringLiteral("resultList"));
    resultList_->setAccessibleName(QStringLiteral("Mots trouvés"));
    resultList_->setGeometry(312, 16, 357, 236);
    QFont listFont(QStringLiteral("Courier New"));
    listFont.setPointSize(kWordPointSize);
    resultList_->setFont(listFont);
    SetColours(resultList_, QPalette::Base, Qt::white, QPalette::Text, Qt::black);
    // A word shown with its joker letters, value or hooks is copied as the plain word.
    resultList_->copyChosenWords(context_, &RowWord);
}

void ScrabbleTab::buildHelpTexts() {
    auto* heading = new QLabel(QStringLiteral("Comment ça marche:"), this);
    heading->setObjectName(QStringLiteral("howToHeading"));
    heading->setGeometry(16, 196, 280, 24);
    heading->setFont(CalibriFont(12, true));

    auto* help = new QLabel(
        QStringLiteral("Utilitaire pour le jeu de scrabble. Grâce à lui, vous pouvez obtenir "
                       "toutes les combinaisons possibles entre les différentes lettres d'un mot "
                       "donné, de deux à neuf lettres. Si vous posséder le joker, vous pouvez "
                       "l'inclure dans la recherche en le marquant par le caractère \"?\"."),
        this);
    help->setObjectName(QStringLiteral("howToText"));
    help->setGeometry(16, 222, 280, 156);
    help->setFont(CalibriFont(11, false));
    help->setWordWrap(true);
    help->setAlignment(Qt::AlignLeft | Qt::AlignTop);
}

// The draw as searched: white space around it and any pasted second line left out.
QString ScrabbleTab::drawText() const {
    return ToQString(Trimmed(drawBox_->text().toStdU16String()));
}

void ScrabbleTab::onDrawChanged() {
    // Tiles, not characters: "œ" and "æ" are two tiles each, as the search counts them.
    const auto tiles = static_cast<int>(FoldAccents(drawText().toStdU16String()).size());
    searchButton_->setEnabled(tiles >= 2);
    drawLength_->setText(QString::number(tiles));
    drawLength_->setAccessibleName(QStringLiteral("Lettres du tirage : %1").arg(tiles));
}

void ScrabbleTab::onSearchClicked() {
    // The search blocks the thread; the timer lets the window repaint first.
    refreshing_ = false;
    // Nothing shows the focus while the search runs; it comes back to the draw box after.
    if (QWidget* focused = window()->focusWidget()) focused->clearFocus();
    searchTimer_.start(kSearchDelayMs);
}

// The words listed for the draw still in the box are searched again under the options now
// ticked, so that the list never shows what the boxes no longer ask for. A list of another
// draw, or none, waits for the next search.
void ScrabbleTab::refreshListedWords() {
    if (listedDraw_.isEmpty() || drawText() != listedDraw_ || searchTimer_.isActive()) return;
    refreshing_ = true;
    searchTimer_.start(kSearchDelayMs);
}

void ScrabbleTab::runDelayedSearch() {
    listing_ = false;
    const QString searched = drawText();
    int count = 0;
    try {
        count = runSearch();
    } catch (const std::exception& failure) {
        ReportInternalError(context_.platform.messages, failure, ErrorPlaceCode::AnagramSearch);
        count = wordsListedSoFar();
    } catch (...) {
        ReportInternalError(context_.platform.messages,
                            std::runtime_error("exception non standard"),
                            ErrorPlaceCode::AnagramSearch);
        count = wordsListedSoFar();
    }
    listedDraw_ = count >= 1 ? searched : QString();
    finishSearch(count);
}

// Returns the number of words listed; 0 after a refusal.
int ScrabbleTab::runSearch() {
    searchButton_->setEnabled(false);
    context_.platform.pointer.setScreenPointer(PointerShape::Hourglass);
    // The list holds plain capitals: "é" is played as E, "œ" as O and E.
    const std::u16string draw = FoldAccents(drawText().toStdU16String());
    const AnagramOutcome outcome =
        AnagramSearch(options_->query(draw), context_.dictionaries.scrabbleWordList);
    if (outcome.status != AnagramStatus::Found) {
        showRefusal(outcome.status);
        return 0;
    }
    return listWords(outcome, draw);
}

void ScrabbleTab::showRefusal(AnagramStatus status) {
    context_.platform.messages.show(
        {kRefusalTitle,
         status == AnagramStatus::TooManyJokers
             ? kTooManyJokers
             : QString::fromStdU16String(std::u16string(RefusalText(status))),
         MessageIcon::Information, MessageButtons::Ok});
    // A draw of the wrong length needs editing; the box is where to do it.
    if (status != AnagramStatus::TooManyJokers) focusDrawBoxIfShown();
}

int ScrabbleTab::listWords(const AnagramOutcome& outcome, std::u16string_view draw) {
    resultList_->clear();
    resultCount_->setText(QStringLiteral("0"));
    listing_ = true;
    found_ = outcome;
    foundValues_ = WordValues(outcome, draw);
    foundHooks_.clear();
    foundDrawLength_ = static_cast<int>(draw.size());
    showFoundRows();
    return static_cast<int>(found_.words.size());
}

// Writes every listed word again as the boxes now ask: joker letters, values, hooks, order. The
// search's words are kept, so the boxes can change after it without a new search.
void ScrabbleTab::writeListedWords() {
    if (!found_.words.empty()) showFoundRows();
}

void ScrabbleTab::showFoundRows() {
    const ScrabbleRowChoice choice = options_->rowChoice();
    // Hooks are looked up the first time they are shown, for all the words at once.
    if (choice.hooks && foundHooks_.size() != found_.words.size()) {
        foundHooks_.clear();
        foundHooks_.reserve(found_.words.size());
        for (const auto word : found_.words)
            foundHooks_.push_back(FindHooks(word, context_.dictionaries.scrabbleWordList));
    }
    QFont listFont = resultList_->font();
    listFont.setPointSize(choice.values || choice.hooks ? kAnnotatedPointSize : kWordPointSize);
    resultList_->setFont(listFont);
    const ScrabbleRows rows =
        MakeScrabbleRows(found_, foundValues_, foundHooks_, foundDrawLength_, choice);
    resultList_->clear();
    if (rows.headerAt < 0) {
        resultList_->appendTexts(rows.texts);
        return;
    }
    resultList_->appendTexts(rows.texts.first(rows.headerAt));
    resultList_->appendHeader(ShorterWordsHeader);
    resultList_->appendTexts(rows.texts.sliced(rows.headerAt));
}

// The words of the previous search do not count for a search that failed before listing.
int ScrabbleTab::wordsListedSoFar() const {
    return listing_ ? static_cast<int>(found_.words.size()) : 0;
}

// Every path of a search ends here, refused or failed ones too, leaving the tab ready.
void ScrabbleTab::finishSearch(int count) {
    if (count >= 1) {
        resultCount_->setText(QString::number(count) + kFoundSuffix);
    } else {
        resultCount_->setText(kNothingFound);
        resultList_->clear();
        found_ = {};
    }
    emit searched();
    context_.platform.pointer.setScreenPointer(PointerShape::Arrow);
    searchButton_->setEnabled(true);
    if (!std::exchange(refreshing_, false)) focusDrawBoxIfShown();
}

// The user may have changed tab while the search ran: the focus then stays on the tab shown.
void ScrabbleTab::focusDrawBoxIfShown() {
    if (isVisible()) drawBox_->setFocus();
}

}  // namespace quillex::ui
