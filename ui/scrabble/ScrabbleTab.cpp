#include "scrabble/ScrabbleTab.h"

#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <stdexcept>

#include "anagram/AnagramSearch.h"
#include "app/Appearance.h"
#include "app/ReportInternalError.h"
#include "tabs/ResultCopy.h"
#include "tabs/ResultListFill.h"

namespace quillex::ui {
namespace {

constexpr int kMaxDrawLength = 9;
constexpr int kSearchDelayMs = 100;

const QString kFoundSuffix = QStringLiteral("  mots  trouvés.");
const QString kNothingFound = QStringLiteral("Aucun  mot  trouvé.");
const QString kRefusalTitle = QStringLiteral("INFORMATION");

QFont CalibriFont(int pointSize, bool bold) {
    return NamedFont(QStringLiteral("Calibri"), pointSize, bold);
}

void SetColours(QWidget* widget, QPalette::ColorRole backgroundRole, const QColor& background,
                QPalette::ColorRole textRole, const QColor& text) {
    SetColour(widget, backgroundRole, background);
    SetColour(widget, textRole, text);
}

}  // namespace

ScrabbleTab::ScrabbleTab(TabContext& context, QWidget* parent)
    : TabPage(parent), context_(context) {
    buildDrawPanel();
    buildResultControls();
    buildHelpTexts();
    timerRech2_.setObjectName(QStringLiteral("TimerRech2"));
    timerRech2_.setSingleShot(true);
    connect(&timerRech2_, &QTimer::timeout, this, &ScrabbleTab::onTimerRech2);
}

QWidget* ScrabbleTab::focusTarget() {
    return txtRech2_;
}

QAbstractButton* ScrabbleTab::searchButton() {
    return cmdRech2_;
}

void ScrabbleTab::buildDrawPanel() {
    // A white panel behind the draw box, with a dark strip on its right where the white count
    // stays readable.
    label5_ = new QLabel(this);
    label5_->setObjectName(QStringLiteral("Label5"));
    label5_->setGeometry(16, 16, 280, 72);
    label5_->setAutoFillBackground(true);
    label5_->setFrameStyle(QFrame::Box | QFrame::Plain);
    SetColours(label5_, QPalette::Window, Qt::white, QPalette::WindowText, QColor(160, 160, 160));

    txtRech2_ = new QLineEdit(this);
    txtRech2_->setObjectName(QStringLiteral("TxtRech2"));
    txtRech2_->setAccessibleName(QStringLiteral("Tirage, joker ?"));
    txtRech2_->setGeometry(26, 26, 194, 52);
    txtRech2_->setMaxLength(kMaxDrawLength);
    txtRech2_->setFont(CalibriFont(18, true));
    SetColours(txtRech2_, QPalette::Base, Qt::white, QPalette::Text, DarkRed);
    connect(txtRech2_, &QLineEdit::textChanged, this, &ScrabbleTab::onDrawChanged);

    lblLong3_ = new QLabel(this);
    lblLong3_->setObjectName(QStringLiteral("LblLong3"));
    lblLong3_->setGeometry(230, 16, 66, 72);
    lblLong3_->setAlignment(Qt::AlignCenter);
    lblLong3_->setFont(CalibriFont(18, true));
    lblLong3_->setAutoFillBackground(true);
    SetColours(lblLong3_, QPalette::Window, DarkRed, QPalette::WindowText, Qt::white);

    cmdRech2_ = new QPushButton(QStringLiteral("Rechercher "), this);
    cmdRech2_->setObjectName(QStringLiteral("CmdRech2"));
    cmdRech2_->setAccessibleName(QStringLiteral("Rechercher les mots du tirage"));
    cmdRech2_->setGeometry(16, 100, 280, 36);
    cmdRech2_->setFont(CalibriFont(12, true));
    cmdRech2_->setEnabled(false);
    connect(cmdRech2_, &QPushButton::clicked, this, &ScrabbleTab::onSearchClicked);
}

void ScrabbleTab::buildResultControls() {
    lblRech2_ = new QLabel(this);
    lblRech2_->setObjectName(QStringLiteral("LblRech2"));
    lblRech2_->setGeometry(16, 146, 280, 30);
    lblRech2_->setFont(CalibriFont(12, true));

    lstRech2_ = new QListWidget(this);
    lstRech2_->setObjectName(QStringLiteral("LstRech2"));
    lstRech2_->setAccessibleName(QStringLiteral("Mots trouvés"));
    lstRech2_->setGeometry(312, 16, 357, 362);
    QFont listFont(QStringLiteral("Courier New"));
    listFont.setPointSize(18);
    lstRech2_->setFont(listFont);
    SetColours(lstRech2_, QPalette::Base, Qt::white, QPalette::Text, Qt::black);
    lstRech2_->setUniformItemSizes(true);
    connect(lstRech2_, &QListWidget::itemSelectionChanged, this,
            &ScrabbleTab::onResultSelectionChanged);
}

void ScrabbleTab::buildHelpTexts() {
    auto* heading = new QLabel(QStringLiteral("Comment ça marche:"), this);
    heading->setObjectName(QStringLiteral("Lbl7"));
    heading->setGeometry(16, 196, 280, 24);
    heading->setFont(CalibriFont(12, true));

    auto* help = new QLabel(
        QStringLiteral("Utilitaire pour le jeu de scrabble. Grâce à lui, vous pouvez obtenir "
                       "toutes les combinaisons possibles entre les différentes lettres d'un mot "
                       "donné, de deux à neuf lettres. Si vous posséder le joker, vous pouvez "
                       "l'inclure dans la recherche en le marquant par le caractère \"?\"."),
        this);
    help->setObjectName(QStringLiteral("Lbl6"));
    help->setGeometry(16, 222, 280, 156);
    help->setFont(CalibriFont(11, false));
    help->setWordWrap(true);
    help->setAlignment(Qt::AlignLeft | Qt::AlignTop);
}

void ScrabbleTab::onDrawChanged(const QString& draw) {
    cmdRech2_->setEnabled(draw.size() >= 2);
    lblLong3_->setText(QString::number(draw.size()));
}

void ScrabbleTab::onSearchClicked() {
    // The search blocks the thread; the timer lets the window repaint first.
    context_.focusSink->setFocus();
    timerRech2_.start(kSearchDelayMs);
}

void ScrabbleTab::onTimerRech2() {
    timerRech2_.stop();
    listing_ = false;
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
    finishSearch(count);
}

// Returns the number of words listed; 0 after a refusal.
int ScrabbleTab::runSearch() {
    cmdRech2_->setEnabled(false);
    context_.platform.pointer.setScreenPointer(PointerShape::Hourglass);
    const AnagramOutcome outcome =
        AnagramSearch(txtRech2_->text().toStdU16String(), context_.dictionaries.scrabbleWordList);
    if (outcome.status != AnagramStatus::Found) {
        showRefusal(outcome.status);
        return 0;
    }
    return listWords(outcome);
}

void ScrabbleTab::showRefusal(AnagramStatus status) {
    context_.platform.messages.show({kRefusalTitle,
                                     QString::fromStdU16String(std::u16string(RefusalText(status))),
                                     MessageIcon::Information, MessageButtons::Ok});
    // A draw of the wrong length needs editing; the box is where to do it.
    if (status != AnagramStatus::TooManyJokers) txtRech2_->setFocus();
}

int ScrabbleTab::listWords(const AnagramOutcome& outcome) {
    lstRech2_->clear();
    lblRech2_->setText(QStringLiteral("0"));
    listing_ = true;
    FillResultList(*lstRech2_, outcome.words);
    return lstRech2_->count();
}

// The words of the previous search do not count for a search that failed before listing.
int ScrabbleTab::wordsListedSoFar() const {
    return listing_ ? lstRech2_->count() : 0;
}

// Every path of a search ends here, refused or failed ones too, leaving the tab ready.
void ScrabbleTab::finishSearch(int count) {
    if (count >= 1) {
        lblRech2_->setText(QString::number(count) + kFoundSuffix);
    } else {
        lblRech2_->setText(kNothingFound);
        lstRech2_->clear();
    }
    context_.platform.pointer.setScreenPointer(PointerShape::Arrow);
    cmdRech2_->setEnabled(true);
    txtRech2_->setFocus();
}

void ScrabbleTab::onResultSelectionChanged() {
    const QList<QListWidgetItem*> selected = lstRech2_->selectedItems();
    if (selected.isEmpty()) return;  // a cleared list, not a choice
    CopyResult(context_, selected.first()->text());
}

}  // namespace quillex::ui
