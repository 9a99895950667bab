#include "ui/synonyms/SynonymTab.h"

#include <QComboBox>
#include <QFrame>
#include <QItemSelectionModel>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>
#include <QSignalBlocker>
#include <optional>
#include <utility>

#include "core/synonyms/SynonymEngine.h"
#include "core/text/Text.h"
#include "ui/app/AppConstants.h"
#include "ui/app/Appearance.h"
#include "ui/app/ReportInternalError.h"
#include "ui/app/Twips.h"
#include "ui/common/ResultList.h"

namespace quillex::ui {
namespace {

// A look-up needs at least this many characters.
constexpr int kMinimumLength = 2;
const QString kFoundWordRole = QStringLiteral("Mot trouvé");
const QString kResultRole = QStringLiteral("Résultat de la recherche");
QString Lowered(const QString& text) {
    return QString::fromStdU16String(ToLower(text.toStdU16String()));
}

// Spaces around a word are typing slips, and a pasted second line is not part of it: the
// listing, the look-up and the history read the word without them.
QString Entered(const QString& text) {
    return ToQString(Trimmed(text.toStdU16String()));
}

// A result label read out by its role and its text, which alone would say little ("12").
void ShowNamedText(QLabel* label, const QString& role, const QString& text) {
    label->setText(text);
    label->setAccessibleName(text.isEmpty() ? role : role + QStringLiteral(" : ") + text);
}

}  // namespace

SynonymTab::SynonymTab(TabContext& context, QWidget* parent)
    : TabPage(parent), context_(context), engine_(context.dictionaries.synonymLetterTables) {
    setObjectName(QStringLiteral("synonymTab"));
    buildControls();
    connectHandlers();
}

void SynonymTab::buildControls() {
    wordBox_ = new QComboBox(this);
    setFocusTarget(wordBox_);
    wordBox_->setObjectName(QStringLiteral("wordBox"));
    wordBox_->setAccessibleName(QStringLiteral("Mot à chercher"));
    wordBox_->setEditable(true);
    // Its own name, or assistive tools would name the field by the text typed in it.
    wordBox_->lineEdit()->setAccessibleName(wordBox_->accessibleName());
    // Return must reach the main window, which runs the look-up; the history is ours to fill.
    wordBox_->setInsertPolicy(QComboBox::NoInsert);
    // An inline completion would change the typed text, and with it the listing.
    wordBox_->setCompleter(nullptr);
    wordBox_->setMaxVisibleItems(15);
    wordBox_->setFont(CalibriFont(18));
    SetColour(wordBox_, QPalette::Text, DarkRed);
    wordBox_->setGeometry(TwipsRect(240, 180, 4500, 600));

    searchButton_ = addSearchButton(QStringLiteral("Rechercher les synonymes"),
                                    TwipsRect(4980, 180, 1950, 600));

    headwordList_ = new ResultList(this);
    headwordList_->setObjectName(QStringLiteral("headwordList"));
    headwordList_->setAccessibleName(
        QStringLiteral("Mots du dictionnaire commençant par le texte saisi"));
    headwordList_->setFont(NamedFont(QStringLiteral("Courier New"), 11));
    headwordList_->setGeometry(TwipsRect(240, 960, 4500, 4700));

    // The sunken box that holds the look-up's result.
    auto* resultFrame = new QFrame(this);
    resultFrame->setObjectName(QStringLiteral("resultFrame"));
    resultFrame->setFrameShape(QFrame::Box);
    resultFrame->setFrameShadow(QFrame::Sunken);
    resultFrame->setGeometry(TwipsRect(4980, 960, 5040, 4700));

    foundWord_ = new QLabel(this);
    foundWord_->setObjectName(QStringLiteral("foundWord"));
    foundWord_->setAccessibleName(kFoundWordRole);
    foundWord_->setFont(CalibriFont(14, true));
    foundWord_->setAutoFillBackground(true);
    SetColour(foundWord_, QPalette::Window, QColor(192, 192, 192));
    foundWord_->setIndent(6);
    foundWord_->setGeometry(TwipsRect(5100, 1080, 4800, 510));

    synonymList_ = new ResultList(this);
    synonymList_->setObjectName(QStringLiteral("synonymList"));
    synonymList_->setAccessibleName(QStringLiteral("Synonymes trouvés"));
    synonymList_->setFont(NamedFont(QStringLiteral("Courier New"), 18));
    synonymList_->setGeometry(TwipsRect(5100, 1680, 4800, 3300));

    resultCount_ = new QLabel(ToQString(NoSynonymMessage), this);
    resultCount_->setObjectName(QStringLiteral("resultCount"));
    ShowNamedText(resultCount_, kResultRole, resultCount_->text());
    resultCount_->setFont(CalibriFont(12));
    SetColour(resultCount_, QPalette::WindowText, Grey);
    resultCount_->setGeometry(TwipsRect(5100, 5100, 4800, 420));

    setSearchEnabled(false);
}

void SynonymTab::connectHandlers() {
    connect(wordBox_, &QComboBox::editTextChanged, this, &SynonymTab::onWordEdited);
    connect(wordBox_, &QComboBox::activated, this, &SynonymTab::onHistoryChosen);
    connect(searchButton_, &QPushButton::clicked, this, &SynonymTab::synonymLookup);
    // Activation is a double-click or Enter: both lists look the activated word up.
    connect(headwordList_, &ResultList::clicked, this, &SynonymTab::onHeadwordChosen);
    connect(headwordList_, &ResultList::activated, this, &SynonymTab::lookUpRow);
    // The click before a double-click refills the headword list, and the list then takes the
    // second click for a new press on whatever lies there: the tab sees the double-click itself.
    headwordList_->viewport()->installEventFilter(this);
    connect(synonymList_, &ResultList::clicked, this, &SynonymTab::onSynonymClicked);
    // The arrows walk the synonyms as clicks do.
    connect(synonymList_->selectionModel(), &QItemSelectionModel::selectionChanged, this, [this] {
        const QModelIndexList selected = synonymList_->selectionModel()->selectedIndexes();
        if (!selected.isEmpty()) onSynonymClicked(selected.first());
    });
    connect(synonymList_, &ResultList::activated, this, &SynonymTab::lookUpRow);
}

void SynonymTab::onWordEdited(const QString& text) {
    const QString entered = Entered(text);
    if (text.contains(u'\n') || text.contains(u'\r')) {
        // A pasted text keeps its first line only, in the box as in the search.
        wordBox_->setEditText(entered);
        return;
    }
    browse(Lowered(entered));
    ShowNamedText(resultCount_, kResultRole, QString());
    setSearchEnabled(text.size() >= kMinimumLength);
}

void SynonymTab::onHistoryChosen() {
    setSearchEnabled(true);
    ShowNamedText(resultCount_, kResultRole, QString());
    browse(Lowered(Entered(wordBox_->currentText())));
}

void SynonymTab::onHeadwordChosen(const QModelIndex& row) {
    if (!row.isValid()) return;
    clickedHeadword_ = row.data().toString();
    setWordText(clickedHeadword_);
}

void SynonymTab::onSynonymClicked(const QModelIndex& row) {
    if (row.isValid()) setWordText(row.data().toString());
}

bool SynonymTab::eventFilter(QObject* watched, QEvent* event) {
    if (watched == headwordList_->viewport()) {
        switch (event->type()) {
            case QEvent::MouseButtonPress:
                clickedHeadword_.clear();
                break;
            case QEvent::MouseButtonDblClick:
                if (static_cast<QMouseEvent*>(event)->button() != Qt::LeftButton) break;
                // The word is the one the first click chose, wherever the refilled list now
                // puts it.
                if (!clickedHeadword_.isEmpty()) lookUpText(clickedHeadword_);
                doubleClickHeld_ = true;
                return true;
            case QEvent::MouseButtonRelease:
                if (std::exchange(doubleClickHeld_, false)) return true;
                break;
            default:
                break;
        }
    }
    return TabPage::eventFilter(watched, event);
}

void SynonymTab::lookUpRow(const QModelIndex& row) {
    if (row.isValid()) lookUpText(row.data().toString());
}

void SynonymTab::lookUpText(const QString& text) {
    // The word goes into the box as a click puts it there: the look-up reads the box.
    setWordText(text);
    synonymLookup();
}

void SynonymTab::setWordText(const QString& text) {
    // Choosing the text already there still counts as an edit: it enables the look-up again.
    if (wordBox_->currentText() == text)
        onWordEdited(text);
    else
        wordBox_->setEditText(text);
}

void SynonymTab::browse(const QString& loweredText) {
    // The same text keeps its listing, scrolled and selected as the user left it.
    if (loweredText.toStdU16String() == engine_.browsedText()) return;
    headwordList_->clear();
    std::vector<std::string_view> headwords;
    try {
        headwords = engine_.browse(loweredText.toStdU16String());
    } catch (const std::exception& failure) {
        // A partial listing must not be searched: the look-up only finds what the list shows.
        engine_.clearListing();
        headwords.clear();
        reportFailure(failure, ErrorPlaceCode::HeadwordBrowser);
    }
    try {
        headwordList_->appendWords(std::move(headwords));
    } catch (const std::exception& failure) {
        reportFailure(failure, ErrorPlaceCode::HeadwordBrowser);
    }
    emit searched();
}

void SynonymTab::synonymLookup() {
    setSearchEnabled(false);
    wordBox_->setFocus();
    const QString typedText = Entered(wordBox_->currentText());
    synonymList_->clear();
    // Each step reports its own failure and the look-up goes on with the next one.
    std::optional<SynonymLookupResult> result;
    try {
        result = engine_.lookUp(typedText.toStdU16String());
    } catch (const std::exception& failure) {
        reportFailure(failure, ErrorPlaceCode::SynonymLookup);
    }
    try {
        refillHistory(typedText);
    } catch (const std::exception& failure) {
        reportFailure(failure, ErrorPlaceCode::SynonymLookup);
    }
    try {
        if (result) showResult(*result);
    } catch (const std::exception& failure) {
        reportFailure(failure, ErrorPlaceCode::SynonymLookup);
    }
    setSearchEnabled(false);
    emit searched();
}

void SynonymTab::refillHistory(const QString& typedText) {
    if (wordBox_->count() == engine_.history().count()) return;
    // Refilling moves the edit text; the listing must not follow it.
    const QSignalBlocker blocker(wordBox_);
    QStringList texts;
    for (const std::u16string& text : engine_.history().texts())
        texts.append(QString::fromStdU16String(text));
    wordBox_->clear();
    wordBox_->addItems(texts);
    // The typed text stays in the edit field, as the history item it now is.
    wordBox_->setCurrentIndex(wordBox_->findText(typedText));
    wordBox_->setEditText(typedText);
}

void SynonymTab::showResult(const SynonymLookupResult& result) {
    // An inflected form shows the headword it led to: "voitures → voiture".
    ShowNamedText(foundWord_, kFoundWordRole,
                  QString::fromStdU16String(result.lemmaNotice.empty() ? result.shownText
                                                                       : result.lemmaNotice));
    synonymList_->appendWords(result.synonyms);
    ShowNamedText(resultCount_, kResultRole, QString::fromStdU16String(result.resultText));
    if (!result.message.empty())
        context_.platform.messages.show({AppTitle, QString::fromStdU16String(result.message),
                                         MessageIcon::None, MessageButtons::Ok});
}

void SynonymTab::setSearchEnabled(bool enabled) {
    searchButton_->setEnabled(enabled);
}

void SynonymTab::reportFailure(const std::exception& failure, ErrorPlaceCode place) {
    ReportInternalError(context_.platform.messages, failure, place);
}

}  // namespace quillex::ui
