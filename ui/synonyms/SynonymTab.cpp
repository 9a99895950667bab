#include "synonyms/SynonymTab.h"

#include <QComboBox>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSignalBlocker>
#include <optional>

#include "app/AppConstants.h"
#include "app/Appearance.h"
#include "app/ReportInternalError.h"
#include "app/Twips.h"
#include "synonyms/BrowseHeadwords.h"
#include "synonyms/SynonymLookup.h"
#include "text/Text.h"

namespace quillex::ui {
namespace {

// A look-up needs at least this many characters.
constexpr int kMinimumLength = 2;
// CmdRech31 stays a working button but sits beyond the tab's right edge.
constexpr int kHiddenButtonLeft = 11000;

QString Lowered(const QString& text) {
    return QString::fromStdU16String(ToLower(text.toStdU16String()));
}

}  // namespace

SynonymTab::SynonymTab(TabContext& context, QWidget* parent) : TabPage(parent), context_(context) {
    buildControls();
    connectHandlers();
}

QWidget* SynonymTab::focusTarget() {
    return cbo2_;
}

QAbstractButton* SynonymTab::searchButton() {
    return cmdRech3_;
}

void SynonymTab::buildControls() {
    cbo2_ = new QComboBox(this);
    cbo2_->setObjectName(QStringLiteral("Cbo2"));
    cbo2_->setAccessibleName(QStringLiteral("Mot à chercher"));
    cbo2_->setEditable(true);
    // Return must reach the main window, which runs the look-up; the history is ours to fill.
    cbo2_->setInsertPolicy(QComboBox::NoInsert);
    // An inline completion would change the typed text, and with it the listing.
    cbo2_->setCompleter(nullptr);
    cbo2_->setMaxVisibleItems(15);
    cbo2_->setFont(NamedFont(QStringLiteral("Calibri"), 18));
    SetColour(cbo2_, QPalette::Text, DarkRed);
    cbo2_->setGeometry(TwipsRect(240, 180, 4500, 600));

    // The lower-cased mirror of Cbo2 whose changes drive the headword list; never shown.
    txt2_ = new QLineEdit(this);
    txt2_->setObjectName(QStringLiteral("Txt2"));
    txt2_->setAccessibleName(QStringLiteral("Mot à chercher, en minuscules"));
    txt2_->setVisible(false);
    txt2_->setEnabled(false);

    cmdRech3_ = new QPushButton(QStringLiteral("Rechercher "), this);
    cmdRech3_->setObjectName(QStringLiteral("CmdRech3"));
    cmdRech3_->setAccessibleName(QStringLiteral("Rechercher les synonymes"));
    cmdRech3_->setFont(NamedFont(QStringLiteral("Calibri"), 12, true));
    cmdRech3_->setGeometry(TwipsRect(4980, 180, 1950, 600));

    cmdRech31_ = new QPushButton(QStringLiteral("Rechercher "), this);
    cmdRech31_->setObjectName(QStringLiteral("CmdRech31"));
    cmdRech31_->setAccessibleName(QStringLiteral("Rechercher les synonymes (bouton caché)"));
    cmdRech31_->setFocusPolicy(Qt::NoFocus);
    cmdRech31_->setGeometry(TwipsRect(kHiddenButtonLeft, 180, 1950, 600));

    lst12_ = new QListWidget(this);
    lst12_->setObjectName(QStringLiteral("Lst12"));
    lst12_->setAccessibleName(QStringLiteral("Mots du dictionnaire commençant par le texte saisi"));
    lst12_->setFont(NamedFont(QStringLiteral("Courier New"), 11));
    lst12_->setUniformItemSizes(true);
    lst12_->setGeometry(TwipsRect(240, 960, 4500, 4700));

    sha1_ = new QFrame(this);
    sha1_->setObjectName(QStringLiteral("Sha1"));
    sha1_->setFrameShape(QFrame::Box);
    sha1_->setFrameShadow(QFrame::Sunken);
    sha1_->setGeometry(TwipsRect(4980, 960, 5040, 4700));

    lbl5_ = new QLabel(this);
    lbl5_->setObjectName(QStringLiteral("Lbl5"));
    lbl5_->setAccessibleName(QStringLiteral("Mot trouvé"));
    lbl5_->setFont(NamedFont(QStringLiteral("Calibri"), 14, true));
    lbl5_->setAutoFillBackground(true);
    SetColour(lbl5_, QPalette::Window, QColor(192, 192, 192));
    lbl5_->setIndent(6);
    lbl5_->setGeometry(TwipsRect(5100, 1080, 4800, 510));

    lst13_ = new QListWidget(this);
    lst13_->setObjectName(QStringLiteral("Lst13"));
    lst13_->setAccessibleName(QStringLiteral("Synonymes trouvés"));
    lst13_->setFont(NamedFont(QStringLiteral("Courier New"), 18));
    lst13_->setUniformItemSizes(true);
    lst13_->setGeometry(TwipsRect(5100, 1680, 4800, 3300));

    lbl4_ = new QLabel(ToQString(NoSynonymMessage), this);
    lbl4_->setObjectName(QStringLiteral("Lbl4"));
    lbl4_->setAccessibleName(QStringLiteral("Résultat de la recherche"));
    lbl4_->setFont(NamedFont(QStringLiteral("Calibri"), 12));
    SetColour(lbl4_, QPalette::WindowText, Grey);
    lbl4_->setGeometry(TwipsRect(5100, 5100, 4800, 420));

    setSearchEnabled(false);
}

void SynonymTab::connectHandlers() {
    connect(cbo2_, &QComboBox::editTextChanged, this, &SynonymTab::onComboTextChanged);
    connect(cbo2_, &QComboBox::activated, this, &SynonymTab::onHistoryChosen);
    connect(txt2_, &QLineEdit::textChanged, this, &SynonymTab::runBrowser);
    connect(cmdRech3_, &QPushButton::clicked, this, &SynonymTab::synonymLookup);
    connect(cmdRech31_, &QPushButton::clicked, this, &SynonymTab::synonymLookup);
    connect(lst12_, &QListWidget::itemClicked, this, &SynonymTab::onHeadwordChosen);
    connect(lst12_, &QListWidget::itemActivated, this, &SynonymTab::onHeadwordChosen);
    connect(lst13_, &QListWidget::itemClicked, this, &SynonymTab::onSynonymClicked);
    connect(lst13_, &QListWidget::itemDoubleClicked, this, &SynonymTab::synonymLookup);
}

void SynonymTab::onComboTextChanged(const QString& text) {
    txt2_->setText(Lowered(text));
    lbl4_->clear();
    setSearchEnabled(text.size() >= kMinimumLength);
}

void SynonymTab::onHistoryChosen() {
    setSearchEnabled(true);
    lbl4_->clear();
    txt2_->setText(Lowered(cbo2_->currentText()));
}

void SynonymTab::onHeadwordChosen(QListWidgetItem* item) {
    if (item) setComboText(item->text());
}

void SynonymTab::onSynonymClicked(QListWidgetItem* item) {
    if (item) setComboText(item->text());
}

void SynonymTab::setComboText(const QString& text) {
    // Choosing the text already there still counts as an edit: it enables the look-up again.
    if (cbo2_->currentText() == text)
        onComboTextChanged(text);
    else
        cbo2_->setEditText(text);
}

void SynonymTab::runBrowser(const QString& text) {
    lst12_->clear();
    QStringList headwords;
    try {
        for (std::u16string_view headword : BrowseHeadwords(
                 text.toStdU16String(), context_.dictionaries.synonymLetterTables, listedEntries_))
            headwords.append(ToQString(headword));
    } catch (const std::exception& failure) {
        // A partial listing must not be searched: the look-up only finds what the list shows.
        listedEntries_.clear();
        headwords.clear();
        reportFailure(failure, ErrorPlaceCode::HeadwordBrowser);
    }
    try {
        lst12_->addItems(headwords);
    } catch (const std::exception& failure) {
        reportFailure(failure, ErrorPlaceCode::HeadwordBrowser);
    }
}

void SynonymTab::synonymLookup() {
    setSearchEnabled(false);
    cbo2_->setFocus();
    const QString typedText = cbo2_->currentText();
    lst13_->clear();
    // Each step reports its own failure and the look-up goes on with the next one.
    std::optional<SynonymLookupResult> result;
    try {
        result = SynonymLookup(txt2_->text().toStdU16String(), typedText.toStdU16String(),
                               listedEntries_, lookupHistory_);
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
}

void SynonymTab::refillHistory(const QString& typedText) {
    if (cbo2_->count() == lookupHistory_.count()) return;
    // Refilling moves the edit text; the listing and the mirror must not follow it.
    const QSignalBlocker blocker(cbo2_);
    QStringList texts;
    for (const std::u16string& text : lookupHistory_.texts())
        texts.append(QString::fromStdU16String(text));
    cbo2_->clear();
    cbo2_->addItems(texts);
    // The typed text stays in the edit field, as the history item it now is.
    cbo2_->setCurrentIndex(cbo2_->findText(typedText));
    cbo2_->setEditText(typedText);
}

void SynonymTab::showResult(const SynonymLookupResult& result) {
    lbl5_->setText(QString::fromStdU16String(result.shownText));
    QStringList synonyms;
    for (const std::u16string& synonym : result.synonyms)
        synonyms.append(QString::fromStdU16String(synonym));
    lst13_->addItems(synonyms);
    lbl4_->setText(QString::fromStdU16String(result.resultText));
    if (!result.message.empty())
        context_.platform.messages.show({AppTitle, QString::fromStdU16String(result.message),
                                         MessageIcon::None, MessageButtons::Ok});
}

void SynonymTab::setSearchEnabled(bool enabled) {
    cmdRech3_->setEnabled(enabled);
    cmdRech31_->setEnabled(enabled);
}

void SynonymTab::reportFailure(const std::exception& failure, ErrorPlaceCode place) {
    ReportInternalError(context_.platform.messages, failure, place);
}

}  // namespace quillex::ui
