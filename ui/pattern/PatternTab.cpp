#include "ui/pattern/PatternTab.h"

#include <QApplication>
#include <QComboBox>
#include <QEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <algorithm>
#include <exception>
#include <string>
#include <variant>

#include "core/pattern/ClueSynonyms.h"
#include "core/pattern/PatternMessages.h"
#include "core/pattern/PatternScan.h"
#include "core/synonyms/SynonymLookupResult.h"
#include "core/text/Text.h"
#include "ui/app/AppConstants.h"
#include "ui/app/Appearance.h"
#include "ui/app/ReportInternalError.h"
#include "ui/common/ResultList.h"
#include "ui/pattern/ImageCheckBox.h"
#include "ui/pattern/LetterBox.h"
#include "ui/pattern/MotifSearch.h"

namespace quillex::ui {
namespace {

const QString kJoker = QString(QChar(PatternJoker));
constexpr int kSearchDelayMs = 100;

// Row of letter boxes, in pixels inside the tab.
constexpr int kBoxLeft = 16;
constexpr int kBoxStep = 43;
constexpr int kBoxWidth = 38;
constexpr int kBoxTop = 112;
constexpr int kBoxHeight = 40;

// The clue's row sits under the count text; the option block below it.
constexpr int kClueTop = 256;
constexpr int kOptionTop = 296;

}  // namespace

PatternTab::PatternTab(TabContext& context, QWidget* parent) : TabPage(parent), context_(context) {
    setObjectName(QStringLiteral("patternTab"));
    buildCaptions();
    buildLengthList();
    buildLetterBoxes();
    buildSearchControls();
    buildClue();
    buildOption();
    buildMotif();
    scanTimer_.setObjectName(QStringLiteral("scanTimer"));
    scanTimer_.setSingleShot(true);
    connect(&scanTimer_, &QTimer::timeout, this, &PatternTab::runScan);

    setTabOrder(lengthList_, box(1));
    for (int i = 1; i < BoxCount; ++i) setTabOrder(box(i), box(i + 1));
    setTabOrder(box(BoxCount), searchButton_);
    setTabOrder(searchButton_, motifBox_);
    setTabOrder(motifBox_, clueBox_);
    setTabOrder(clueBox_, autoAdvanceBox_);
    setTabOrder(autoAdvanceBox_, resultList_);
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
    addCaption(QStringLiteral("optionNote1"),
               QStringLiteral("(Si coché, après la saisie d'une lettre dans une des cases, le"),
               QRect(16, kOptionTop + 50, 400, 18));
    addCaption(QStringLiteral("optionNote2"),
               QStringLiteral("passage dans les cases suivantes se fera automatiquement)"),
               QRect(16, kOptionTop + 68, 400, 18));
}

void PatternTab::buildLengthList() {
    lengthList_ = new QComboBox(this);
    setFocusTarget(lengthList_);
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
    if (watched == lengthList_ && event->type() == QEvent::KeyPress)
        return onLengthKey(*static_cast<QKeyEvent*>(event));
    return TabPage::eventFilter(watched, event);
}

// In the closed list, the arrows step through the lengths and typed digits choose one ("7",
// "07", "12"); either applies it at once and leaves the focus in the list, so that the next
// key is still the list's. Alt+Down and F4 open the list, where a choice moves to box 1.
bool PatternTab::onLengthKey(const QKeyEvent& event) {
    constexpr Qt::KeyboardModifiers shortcut =
        Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier;
    if (event.modifiers() & shortcut) return false;
    const int last = lengthList_->count() - 1;
    const int current = lengthList_->currentIndex();
    int index = -1;
    switch (event.key()) {
        case Qt::Key_Down:
            index = std::min(current + 1, last);
            break;
        case Qt::Key_Up:
            index = std::max(current - 1, 0);
            break;
        case Qt::Key_PageDown:
        case Qt::Key_End:
            index = last;
            break;
        case Qt::Key_PageUp:
        case Qt::Key_Home:
            index = 0;
            break;
        default:
            if (event.text().size() != 1 || !event.text().front().isDigit()) return false;
            index = typedLengthIndex(event.text().front());
            if (index < 0) return true;
    }
    lengthList_->setCurrentIndex(index);
    applyLength(lengthList_->itemText(index).toInt());
    return true;
}

// The length the digits typed in a row name, if one does: a digit typed after a pause, or one
// that makes no length with those before it, starts again.
int PatternTab::typedLengthIndex(QChar digit) {
    if (!lengthTyping_.isValid() || lengthTyping_.elapsed() > QApplication::keyboardInputInterval())
        typedDigits_.clear();
    lengthTyping_.start();
    for (const QString& digits : {typedDigits_ + digit, QString(digit)}) {
        const int length = digits.toInt();
        typedDigits_ = digits;
        if (length >= MinPatternLength && length <= MaxPatternLength)
            return length - MinPatternLength;
        // "0" or "1" may still begin a length.
        if (digits.size() == 1 || (digits.size() == 2 && length < MinPatternLength)) return -1;
    }
    return -1;
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
        connect(letterBox, &QLineEdit::inputRejected, this, &PatternTab::showInvalidCharNotice);
        connect(letterBox, &LetterBox::focused, this, &PatternTab::onBoxFocused);
        connect(letterBox, &LetterBox::keyDown, this, &PatternTab::onBoxKeyDown);
        connect(letterBox, &LetterBox::moveRequested, this, &PatternTab::moveFocusToBox);
        connect(letterBox, &LetterBox::letterTyped, this, &PatternTab::onLetterTyped);
        connect(letterBox, &LetterBox::textPasted, this, &PatternTab::onTextPasted);
    }
}

void PatternTab::buildSearchControls() {
    searchButton_ =
        addSearchButton(QStringLiteral("Rechercher les mots du modèle"), QRect(16, 176, 200, 36));
    connect(searchButton_, &QPushButton::clicked, this, &PatternTab::onSearchClicked);
    resultCount_ = addCountLabel(QRect(16, 222, 300, 26));

    const QRect listArea(432, 176, 237, 204);
    QFont listFont(QStringLiteral("Courier New"));
    listFont.setPointSize(12);

    resultList_ = new ResultList(this);
    resultList_->setObjectName(QStringLiteral("resultList"));
    resultList_->setAccessibleName(QStringLiteral("Mots trouvés"));
    resultList_->setGeometry(listArea);
    resultList_->setFont(listFont);
    showListAsSearching(false);
    resultList_->copyChosenWords(context_);
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
    autoAdvanceBox_ =
        new ImageCheckBox(QStringLiteral("Passer automatiquement à la case suivante."), this);
    autoAdvanceBox_->setObjectName(QStringLiteral("autoAdvanceBox"));
    autoAdvanceBox_->setAccessibleName(QStringLiteral("Passer automatiquement à la case suivante"));
    autoAdvanceBox_->setFont(CalibriFont(10, false));
    autoAdvanceBox_->place(QPoint(16, kOptionTop + 26), 370);
    autoAdvanceBox_->setChecked(true);
    connect(autoAdvanceBox_, &QCheckBox::clicked, this, &PatternTab::onAutoAdvanceClicked);
}

void PatternTab::buildMotif() {
    // The command line's patterns, beside the button: the boxes stay for the classic way.
    auto* caption = addCaption(QStringLiteral("motifCaption"), QStringLiteral("Motif :"),
                               QRect(230, 176, 52, 36), true);
    motifBox_ = new QLineEdit(this);
    motifBox_->setObjectName(QStringLiteral("motifBox"));
    motifBox_->setAccessibleName(
        QStringLiteral("Motif : ? une lettre, * des lettres, [AEI], [^AEI]"));
    motifBox_->setPlaceholderText(QStringLiteral("ex. : CH*[^S]"));
    motifBox_->setToolTip(
        QStringLiteral("« ? » pour une lettre, « * » pour des lettres (ou aucune), « [AEI] » pour "
                       "une de ces lettres, « [^AEI] » pour une autre. Remplace les cases "
                       "tant qu'il est le dernier modifié."));
    motifBox_->setGeometry(282, 180, 140, 28);
    motifBox_->setFont(CalibriFont(12, false));
    caption->setBuddy(motifBox_);
    connect(motifBox_, &QLineEdit::textEdited, this, &PatternTab::onMotifEdited);
}

void PatternTab::onMotifEdited(const QString& text) {
    motifInUse_ = !text.trimmed().isEmpty();
    updateSearchButton();
}

// ---------------------------------------------------------------------------------------------
// Letter boxes

QString PatternTab::boxText(int number) const {
    return box(number)->text();
}

void PatternTab::writeBox(int number, const QString& text) {
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

// The box's validator has already made its text one shown character.
void PatternTab::onBoxChanged(int number) {
    // Typing in a box makes the boxes the way in use again; the motif keeps its text.
    if (box(number)->hasFocus()) motifInUse_ = false;
    // The next key types over the character: a letter typed after it would be dropped.
    selectIfFocused(number);
    setBoxTextColour(number);
    updateSearchButton();
}

void PatternTab::showInvalidCharNotice() {
    if (invalidCharNoticeDone_) return;
    invalidCharNoticeDone_ = true;
    context_.platform.messages.show(
        {AppTitle, ToQString(InvalidCharNotice), MessageIcon::None, MessageButtons::Ok});
}

// A pasted text is a pattern: from box 1 its length chooses the length (3 to 15), and its
// characters fill the boxes from the one pasted into, up to the length.
void PatternTab::onTextPasted(int number, const QString& pasted) {
    const QString text = ToQString(Trimmed(pasted.toStdU16String()));
    QString shown;
    for (const QChar typed : text) {
        const auto character = LetterBox::ShownCharacter(typed);
        if (!character) {
            showInvalidCharNotice();
            return;
        }
        shown += *character;
    }
    if (shown.isEmpty()) return;
    if (number == 1 && shown.size() >= MinPatternLength && shown.size() <= MaxPatternLength &&
        shown.size() != searchLength_) {
        lengthList_->setCurrentIndex(static_cast<int>(shown.size()) - MinPatternLength);
        applyLength(static_cast<int>(shown.size()));
    }
    const int end = std::min(number + static_cast<int>(shown.size()) - 1, searchLength_);
    for (int target = number; target <= end; ++target) writeBox(target, shown.at(target - number));
    moveFocusToBox(autoAdvanceBox_->isChecked() ? std::min(end + 1, searchLength_) : number);
}

void PatternTab::onBoxFocused(int number, bool windowReturn) {
    // The focus coming back to the box the user was in, after a message box or a menu, is not a
    // new visit.
    if (windowReturn && lastBox_ == number) return;
    lastBox_ = number;
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
    return ToQString(Trimmed(clueBox_->text().toStdU16String()));
}

void PatternTab::updateSearchButton() {
    if (motifInUse_) {
        searchButton_->setEnabled(!motifBox_->text().trimmed().isEmpty());
        return;
    }
    // A clue is enough on its own: "a synonym of chat in five letters" is a fair question.
    bool anyKnown = searchLength_ > 0 && !clueText().isEmpty();
    for (int number = 1; number <= searchLength_ && number <= BoxCount; ++number)
        anyKnown = anyKnown || boxText(number) != kJoker;
    searchButton_->setEnabled(anyKnown);
}

void PatternTab::onLengthChosen(int index) {
    motifInUse_ = false;
    applyLength(lengthList_->itemText(index).toInt());
    moveFocusToBox(1);
}

void PatternTab::applyLength(int length) {
    for (int number = 1; number <= BoxCount; ++number) {
        const bool inLength = number <= length;
        box(number)->setEnabled(inLength);
        if (!inLength) writeBox(number, kJoker);
        setBoxInLength(number, inLength);
    }
    searchLength_ = length;
    updateSearchButton();
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

// The way searched (the boxes or the motif) is read and checked at once; the scan searches it.
void PatternTab::onSearchClicked() {
    searchButton_->setEnabled(false);
    try {
        if (!lookUpClue()) {
            clueBox_->setFocus(Qt::OtherFocusReason);
            return;
        }
        scanPattern_ = motifInUse_ ? readMotif() : readBoxes();
        if (scanPattern_) startScan();
    } catch (const std::exception& failure) {
        ReportInternalError(context_.platform.messages, failure, ErrorPlaceCode::PatternButton);
        updateSearchButton();
    }
}

std::optional<Pattern> PatternTab::readBoxes() {
    // The boxes take only characters the pattern language reads, so the text parses.
    auto parsed = Pattern::Parse(patternOfBoxes().toStdU16String());
    Pattern* boxes = std::get_if<Pattern>(&parsed);
    if (!boxes) return std::nullopt;
    // A clue keeps the list to a few synonyms, so the joker limit has nothing to guard.
    if (!clue_ && boxes->exceedsJokerLimit()) {
        context_.platform.messages.show({AppTitle,
                                         ToQString(JokerLimitNoticeFirstLine) + LineBreak +
                                             ToQString(JokerLimitNoticeSecondLine),
                                         MessageIcon::Critical, MessageButtons::Ok});
        moveFocusToBox(1);
        return std::nullopt;
    }
    return std::move(*boxes);
}

std::optional<Pattern> PatternTab::readMotif() {
    MotifOutcome outcome =
        ReadMotif(motifBox_->text().trimmed().toStdU16String(), clue_.has_value());
    if (outcome.refusal.isEmpty()) return std::move(outcome.pattern);
    context_.platform.messages.show({AppTitle, outcome.refusal,
                                     outcome.jokerLimit ? MessageIcon::Critical : MessageIcon::None,
                                     MessageButtons::Ok});
    motifBox_->setFocus(Qt::OtherFocusReason);
    return std::nullopt;
}

bool PatternTab::lookUpClue() {
    clue_.reset();
    const QString clue = clueText();
    if (clue.isEmpty()) return true;
    clue_ = ClueSynonyms::LookUp(clue.toStdU16String(), context_.dictionaries.synonymLetterTables);
    if (clue_) return true;
    // Searching the pattern alone instead would pass its words off as synonyms.
    context_.platform.messages.show(
        {AppTitle, ToQString(NoSynonymMessage), MessageIcon::None, MessageButtons::Ok});
    return false;
}

void PatternTab::startScan() {
    // The emptied, greyed list shows a search under way; the delay lets the window show it, and
    // the disabled window takes no input until the scan has ended.
    resultList_->clear();
    showListAsSearching(true);
    if (context_.window) context_.window->setEnabled(false);
    scanTimer_.start(kSearchDelayMs);
}

void PatternTab::runScan() {
    try {
        std::vector<std::string_view> words;
        if (scanPattern_) words = FindWords(*scanPattern_, context_.dictionaries.mainWordList);
        scanPattern_.reset();
        ClueOutcome shown = clue_ ? clue_->narrow(words) : ClueOutcome{std::move(words)};
        resultCount_->setText(ToQString(ResultCountText(shown.count())));
        resultList_->appendWords(std::move(shown.synonyms));
        showListAsSearching(false);
    } catch (const std::exception& failure) {
        // The list stays empty and grey until the next search.
        ReportInternalError(context_.platform.messages, failure, ErrorPlaceCode::PatternScan);
    }
    endScan();
}

void PatternTab::showListAsSearching(bool searching) {
    SetColour(resultList_, QPalette::Base, searching ? LightGrey : QColor(Qt::white));
    SetColour(resultList_, QPalette::Text, Qt::black);
    resultList_->setAccessibleDescription(searching ? QStringLiteral("Recherche en cours")
                                                    : QString());
}

void PatternTab::endScan() {
    emit searched();
    context_.platform.pointer.setScreenPointer(PointerShape::Arrow);
    if (context_.window) context_.window->setEnabled(true);
    // As with the boxes, the button waits for the next change of the motif.
    if (motifInUse_) {
        motifBox_->setFocus(Qt::OtherFocusReason);
    } else {
        focusLastUsedBox();
    }
}

}  // namespace quillex::ui
