#include "ui/pattern/PatternTab.h"

#include <QComboBox>
#include <QEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <exception>
#include <functional>
#include <string>

#include "core/pattern/ClueSynonyms.h"
#include "core/pattern/JokerLimits.h"
#include "core/pattern/PatternEntry.h"
#include "core/pattern/PatternSearch.h"
#include "core/pattern/PatternTexts.h"
#include "core/synonyms/SynonymLookupResult.h"
#include "ui/app/AppConstants.h"
#include "ui/app/Appearance.h"
#include "ui/app/ReportInternalError.h"
#include "ui/pattern/ImageCheckBox.h"
#include "ui/pattern/LetterBox.h"
#include "ui/tabs/ResultCopy.h"
#include "ui/tabs/ResultListFill.h"

namespace quillex::ui {
namespace {

const QString kJoker = QStringLiteral("?");
constexpr int kSearchDelayMs = 100;

// Every write of the change rule shortens the text or settles it, so the nesting ends after a
// few levels; the cap only guards against a text that would never settle.
constexpr int kMaxChangeDepth = 8;

// Row of letter boxes, in pixels inside the tab.
constexpr int kBoxLeft = 16;
constexpr int kBoxStep = 43;
constexpr int kBoxWidth = 38;
constexpr int kBoxTop = 112;
constexpr int kBoxHeight = 40;

// The clue's row sits under the count text; the option block below it.
constexpr int kClueTop = 256;
constexpr int kOptionTop = 296;

QFont CalibriFont(int pointSize, bool bold) {
    return NamedFont(QStringLiteral("Calibri"), pointSize, bold);
}

// Counts the nesting of the change rule for as long as one run of it lasts.
class DepthGuard {
  public:
    explicit DepthGuard(int& depth) : depth_(++depth) {}
    ~DepthGuard() { --depth_; }
    DepthGuard(const DepthGuard&) = delete;
    DepthGuard& operator=(const DepthGuard&) = delete;

  private:
    int& depth_;
};

}  // namespace

PatternTab::PatternTab(TabContext& context, QWidget* parent) : TabPage(parent), context_(context) {
    setObjectName(QStringLiteral("patternTab"));
    buildCaptions();
    buildLengthList();
    buildLetterBoxes();
    buildSearchControls();
    buildClue();
    buildOption();
    scanTimer_.setObjectName(QStringLiteral("scanTimer"));
    scanTimer_.setSingleShot(true);
    connect(&scanTimer_, &QTimer::timeout, this, &PatternTab::runScan);

    setTabOrder(lengthList_, box(1));
    for (int i = 1; i < BoxCount; ++i) setTabOrder(box(i), box(i + 1));
    setTabOrder(box(BoxCount), searchButton_);
    setTabOrder(searchButton_, clueBox_);
    setTabOrder(clueBox_, autoAdvanceBox_);
    setTabOrder(autoAdvanceBox_, resultList_);
}

QWidget* PatternTab::focusTarget() {
    return lengthList_;
}

QAbstractButton* PatternTab::searchButton() {
    return searchButton_;
}

// ---------------------------------------------------------------------------------------------
// Controls

QLabel* PatternTab::addCaption(const QString& name, const QString& text, const QRect& geometry,
                               bool bold) {
    auto* label = new QLabel(text, this);
    label->setObjectName(name);
    label->setGeometry(geometry);
    label->setFont(CalibriFont(bold ? 11 : 10, bold));
    return label;
}

void PatternTab::buildCaptions() {
    addCaption(QStringLiteral("howToHeading"), QStringLiteral("Comment ça marche:"),
               QRect(112, 8, 560, 20), true);
    addCaption(QStringLiteral("howToStep1"),
               QStringLiteral("1) Sélectionnez une longueur de mot en cliquant sur la zone de "
                              "liste (en haut à gauche)."),
               QRect(112, 30, 565, 18));
    addCaption(QStringLiteral("howToStep2"),
               QStringLiteral("2) Dans les cases saisir les lettres connues du mot à rechercher, "
                              "à leur position respective."),
               QRect(112, 48, 565, 18));
    addCaption(QStringLiteral("howToStep3"),
               QStringLiteral("3) Cliquez sur \"Rechercher\" pour afficher tous les mots "
                              "contenant les lettres connues."),
               QRect(112, 66, 565, 18));
    addCaption(QStringLiteral("optionHeading"), QStringLiteral("Option:"),
               QRect(16, kOptionTop, 200, 20), true);
    addCaption(QStringLiteral("optionCaption"),
               QStringLiteral("Passer automatiquement à la case suivante."),
               QRect(40, kOptionTop + 24, 370, 20));
    addCaption(QStringLiteral("optionNote1"),
               QStringLiteral("(Si coché, après la saisie d'une lettre dans une des cases, le"),
               QRect(16, kOptionTop + 50, 400, 18));
    addCaption(QStringLiteral("optionNote2"),
               QStringLiteral("passage dans les cases suivantes se fera automatiquement)"),
               QRect(16, kOptionTop + 68, 400, 18));
}

void PatternTab::buildLengthList() {
    lengthList_ = new QComboBox(this);
    lengthList_->setObjectName(QStringLiteral("lengthList"));
    lengthList_->setAccessibleName(QStringLiteral("Longueur du mot"));
    lengthList_->setGeometry(16, 16, 76, 32);
    lengthList_->setFont(CalibriFont(13, true));
    for (int length = MinPatternLength; length <= MaxPatternLength; ++length)
        lengthList_->addItem(QStringLiteral("%1").arg(length, 2, 10, QLatin1Char('0')));
    lengthList_->setMaxVisibleItems(MaxPatternLength - MinPatternLength + 1);
    lengthList_->setCurrentIndex(-1);
    // activated, not currentIndexChanged: choosing the length shown again still applies it.
    connect(lengthList_, &QComboBox::activated, this, &PatternTab::onLengthChosen);
    // Nor does the wheel take the focus from the letter box the user is in.
    lengthList_->setFocusPolicy(Qt::StrongFocus);
    lengthList_->installEventFilter(this);
}

bool PatternTab::eventFilter(QObject* watched, QEvent* event) {
    // The closed list would take a wheel notch as a choice, and a new length wipes the letters
    // beyond it: a length is chosen by a click or from the keyboard, never by passing over.
    if (watched == lengthList_ && event->type() == QEvent::Wheel) return true;
    return TabPage::eventFilter(watched, event);
}

void PatternTab::buildLetterBoxes() {
    QFont boxFont = font();
    boxFont.setPointSize(18);
    boxFont.setBold(true);
    for (int number = 1; number <= BoxCount; ++number) {
        const int left = kBoxLeft + (number - 1) * kBoxStep;
        auto* label = new QLabel(QString::number(number), this);
        label->setObjectName(QStringLiteral("boxNumber%1").arg(number));
        label->setGeometry(left, kBoxTop - 18, kBoxWidth, 16);
        label->setAlignment(Qt::AlignCenter);
        label->setFont(CalibriFont(10, false));
        boxNumbers_[number - 1] = label;

        auto* letterBox = new LetterBox(number, this);
        letterBox->setObjectName(QStringLiteral("letterBox%1").arg(number));
        letterBox->setAccessibleName(QStringLiteral("Lettre %1 du mot").arg(number));
        letterBox->setGeometry(left, kBoxTop, kBoxWidth, kBoxHeight);
        letterBox->setFont(boxFont);
        letterBox->setAlignment(Qt::AlignCenter);
        letterBox->setAcceptDrops(false);
        letterBox->setText(kJoker);
        letterBox->setEnabled(false);
        letterBoxes_[number - 1] = letterBox;
        setBoxInLength(number, false);
        setBoxTextColour(number);

        connect(letterBox, &QLineEdit::textChanged, this, [this, number] { onBoxChanged(number); });
        connect(letterBox, &LetterBox::focused, this, &PatternTab::onBoxFocused);
        connect(letterBox, &LetterBox::keyDown, this, &PatternTab::onBoxKeyDown);
        connect(letterBox, &LetterBox::moveRequested, this, &PatternTab::moveFocusToBox);
        connect(letterBox, &LetterBox::letterTyped, this, &PatternTab::onLetterTyped);
    }
}

void PatternTab::buildSearchControls() {
    searchButton_ = new QPushButton(QStringLiteral("Rechercher "), this);
    searchButton_->setObjectName(QStringLiteral("searchButton"));
    searchButton_->setAccessibleName(QStringLiteral("Rechercher les mots du modèle"));
    searchButton_->setGeometry(16, 176, 200, 36);
    searchButton_->setFont(CalibriFont(12, true));
    searchButton_->setEnabled(false);
    connect(searchButton_, &QPushButton::clicked, this, &PatternTab::onSearchClicked);

    resultCount_ = new QLabel(this);
    resultCount_->setObjectName(QStringLiteral("resultCount"));
    resultCount_->setGeometry(16, 222, 300, 26);
    resultCount_->setFont(CalibriFont(12, true));

    const QRect listArea(432, 176, 237, 204);
    QFont listFont(QStringLiteral("Courier New"));
    listFont.setPointSize(12);

    // The grey placeholder the user sees while the result list is hidden during a search.
    searchCover_ = new QListWidget(this);
    searchCover_->setObjectName(QStringLiteral("searchCover"));
    searchCover_->setAccessibleName(QStringLiteral("Recherche en cours"));
    searchCover_->setGeometry(listArea);
    searchCover_->setFocusPolicy(Qt::NoFocus);
    SetColour(searchCover_, QPalette::Base, LightGrey);

    resultList_ = new QListWidget(this);
    resultList_->setObjectName(QStringLiteral("resultList"));
    resultList_->setAccessibleName(QStringLiteral("Mots trouvés"));
    resultList_->setGeometry(listArea);
    resultList_->setFont(listFont);
    resultList_->setUniformItemSizes(true);
    SetColour(resultList_, QPalette::Base, Qt::white);
    SetColour(resultList_, QPalette::Text, Qt::black);
    resultList_->raise();
    CopyChosenResults(*resultList_, context_);
}

void PatternTab::buildClue() {
    auto* caption = addCaption(QStringLiteral("clueCaption"), QStringLiteral("Définition :"),
                               QRect(16, kClueTop + 2, 90, 24), true);
    clueBox_ = new QLineEdit(this);
    clueBox_->setObjectName(QStringLiteral("clueBox"));
    clueBox_->setAccessibleName(
        QStringLiteral("Définition : ne lister que les synonymes de ce mot"));
    clueBox_->setPlaceholderText(QStringLiteral("facultatif : ne lister que ses synonymes"));
    clueBox_->setGeometry(106, kClueTop, 310, 28);
    clueBox_->setFont(CalibriFont(12, false));
    caption->setBuddy(clueBox_);
    connect(clueBox_, &QLineEdit::textChanged, this, &PatternTab::updateSearchButton);
}

void PatternTab::buildOption() {
    autoAdvanceBox_ = new ImageCheckBox(this);
    autoAdvanceBox_->setObjectName(QStringLiteral("autoAdvanceBox"));
    autoAdvanceBox_->setAccessibleName(QStringLiteral("Passer automatiquement à la case suivante"));
    autoAdvanceBox_->placeSquare(QPoint(16, kOptionTop + 26));
    autoAdvanceBox_->setChecked(true);
    connect(autoAdvanceBox_, &QCheckBox::clicked, this, &PatternTab::onAutoAdvanceClicked);
}

// ---------------------------------------------------------------------------------------------
// Letter boxes

QString PatternTab::boxText(int number) const {
    return box(number)->text();
}

void PatternTab::writeBox(int number, const QString& text) {
    // Writing the text a box already holds must raise no change: that is what ends the nesting
    // of the change rule.
    if (boxText(number) != text) box(number)->setText(text);
}

void PatternTab::setBoxTextColour(int number) {
    SetColour(box(number), QPalette::Text, boxText(number) == kJoker ? Grey : DarkRed);
}

void PatternTab::setBoxInLength(int number, bool inLength) {
    SetColour(box(number), QPalette::Base, inLength ? QColor(Qt::white) : LightGrey);
    SetColour(boxNumbers_[number - 1], QPalette::WindowText, inLength ? QColor(Qt::black) : Grey);
}

void PatternTab::selectIfFocused(int number) {
    // A selection is where the next key goes: only the box with the focus shows one. A disabled
    // or unfocused box would paint it as a highlighted block; it gets its selection back with
    // the focus. The window's focus widget, not hasFocus(): the box keeps its selection while a
    // message box holds the window's activation.
    if (window()->focusWidget() == box(number))
        box(number)->selectAll();
    else
        box(number)->deselect();
}

void PatternTab::onBoxChanged(int number) {
    if (changeDepth_ >= kMaxChangeDepth) return;
    const DepthGuard depth(changeDepth_);
    if (boxText(number).isEmpty()) writeBox(number, kJoker);
    activeBoxIndex_ = number;
    stringChange(boxText(number));
    selectIfFocused(number);
    // One character per box: a letter typed after the one already there is dropped.
    writeBox(number, boxText(number).left(1).toUpper());
    setBoxTextColour(number);
    updateSearchButton();
}

void PatternTab::stringChange(QString text) {
    std::u16string kept = text.toStdU16String();
    while (const auto refused = FirstRefusedCharacter(kept)) kept.erase(*refused, 1);
    if (!kept.empty()) {
        writeBox(activeBoxIndex_, QString::fromStdU16String(kept));
        return;
    }
    if (!invalidCharNoticeDone_) {
        if (!boxText(activeBoxIndex_).isEmpty())
            context_.platform.messages.show(
                {AppTitle, ToQString(InvalidCharNotice), MessageIcon::None, MessageButtons::Ok});
        invalidCharNoticeDone_ = true;
    }
    writeBox(activeBoxIndex_, boxTextAtFocus_);
}

void PatternTab::onBoxFocused(int number, bool windowReturn) {
    // The focus coming back to the box the user was in, after a message box or a menu, is not a
    // new visit: the text a refused key restores stays the one the box held when entered.
    if (windowReturn && lastBox_ == number) return;
    lastBox_ = number;
    boxTextAtFocus_ = boxText(number);
    box(number)->selectAll();
}

void PatternTab::onBoxKeyDown() {
    invalidCharNoticeDone_ = false;
}

void PatternTab::onLetterTyped(int number) {
    if (autoAdvanceBox_->isChecked()) moveFocusToBox(number + 1);
}

void PatternTab::moveFocusToBox(int number) {
    // A box before the first, after the last or beyond the length cannot take the focus; the
    // focus then simply stays.
    if (number < 1 || number > BoxCount || !box(number)->isEnabled()) return;
    box(number)->setFocus(Qt::OtherFocusReason);
}

void PatternTab::focusLastUsedBox() {
    moveFocusToBox(lastBox_);
}

QString PatternTab::clueText() const {
    return clueBox_->text().trimmed();
}

void PatternTab::updateSearchButton() {
    // A clue is enough on its own: "a synonym of chat in five letters" is a fair question.
    bool anyKnown = searchLength_ > 0 && !clueText().isEmpty();
    for (int number = 1; number <= searchLength_ && number <= BoxCount; ++number)
        anyKnown = anyKnown || boxText(number) != kJoker;
    searchButton_->setEnabled(anyKnown);
}

void PatternTab::onLengthChosen(int index) {
    const int length = lengthList_->itemText(index).toInt();
    for (int number = 1; number <= BoxCount; ++number) {
        const bool inLength = number <= length;
        box(number)->setEnabled(inLength);
        if (inLength) {
            if (boxText(number).isEmpty()) writeBox(number, kJoker);
        } else {
            writeBox(number, QString());
        }
        setBoxInLength(number, inLength);
    }
    moveFocusToBox(1);
    searchLength_ = length;
    // Without a clue the button follows the boxes' changes alone, as it always has.
    if (!clueText().isEmpty()) updateSearchButton();
}

void PatternTab::onAutoAdvanceClicked(bool checked) {
    // Turned off with the mouse, the option sends the user back to the letters; from the
    // keyboard, the focus stays on the option.
    if (!checked && !autoAdvanceBox_->hasFocus()) focusLastUsedBox();
}

// ---------------------------------------------------------------------------------------------
// Search

QString PatternTab::patternOfBoxes() const {
    QString pattern;
    for (int number = 1; number <= searchLength_ && number <= BoxCount; ++number) {
        const QString text = boxText(number);
        pattern += text.isEmpty() ? QString(QChar(PatternJoker)) : text.left(1);
    }
    return pattern;
}

void PatternTab::onSearchClicked() {
    // A failing step is reported and the handler goes on with the next one.
    const auto step = [this](const std::function<void()>& body) {
        try {
            body();
        } catch (const std::exception& failure) {
            ReportInternalError(context_.platform.messages, failure, ErrorPlaceCode::PatternButton);
        }
    };
    step([this] { searchButton_->setEnabled(false); });
    step([this] { searchLength_ = lengthList_->currentText().toInt(); });
    step([this] { lookUpClue(); });
    step([this] {
        // A clue keeps the list to a few synonyms, so the joker limit has nothing to guard.
        if (!clue_ && CheckJokers(searchLength_, patternOfBoxes().toStdU16String()) ==
                          JokerCheck::JokerLimitExceeded)
            showJokerLimitNotice();
    });
    step([this] {
        if (clueRefused_) {
            clueRefused_ = false;
            clueBox_->setFocus(Qt::OtherFocusReason);
        } else if (jokerLimitFlag_) {
            jokerLimitFlag_ = false;
            moveFocusToBox(1);
        } else {
            startScan();
        }
    });
    step([this] { context_.platform.pointer.setScreenPointer(PointerShape::Arrow); });
}

void PatternTab::lookUpClue() {
    clue_.reset();
    const QString clue = clueText();
    if (clue.isEmpty()) return;
    clue_ = ClueSynonyms::LookUp(clue.toStdU16String(), context_.dictionaries.synonymLetterTables);
    if (clue_) return;
    // Searching the pattern alone instead would pass its words off as synonyms.
    clueRefused_ = true;
    context_.platform.messages.show(
        {AppTitle, ToQString(NoSynonymMessage), MessageIcon::None, MessageButtons::Ok});
}

void PatternTab::showJokerLimitNotice() {
    jokerLimitFlag_ = true;
    context_.platform.messages.show(
        {AppTitle,
         ToQString(JokerLimitNoticeFirstLine) + LineBreak + ToQString(JokerLimitNoticeSecondLine),
         MessageIcon::Critical, MessageButtons::Ok});
}

void PatternTab::startScan() {
    // The hidden list uncovers the grey placeholder; the delay lets the window show it, and the
    // disabled window takes no input until the scan has ended.
    resultList_->hide();
    if (context_.window) context_.window->setEnabled(false);
    scanTimer_.start(kSearchDelayMs);
}

void PatternTab::runScan() {
    scanTimer_.stop();
    try {
        resultList_->clear();
        std::vector<std::string_view> words = ScanPattern(
            searchLength_, patternOfBoxes().toStdU16String(), context_.dictionaries.mainWordList);
        const ClueOutcome shown = clue_ ? clue_->narrow(words) : ClueOutcome{std::move(words)};
        FillResultList(*resultList_, shown.synonyms);
        resultCount_->setText(ToQString(ResultCountText(shown.count())));
        resultList_->show();
    } catch (const std::exception& failure) {
        // The placeholder stays in view until the next search.
        ReportInternalError(context_.platform.messages, failure, ErrorPlaceCode::PatternScan);
    }
    endScan();
}

void PatternTab::endScan() {
    context_.platform.pointer.setScreenPointer(PointerShape::Arrow);
    if (context_.window) context_.window->setEnabled(true);
    focusLastUsedBox();
}

}  // namespace quillex::ui
