#include "ui/scrabble/WordJudgeBox.h"

#include <QLabel>
#include <QLineEdit>
#include <QRegularExpression>

#include "core/anagram/WordJudge.h"
#include "ui/app/Appearance.h"

namespace quillex::ui {

QString JudgeVerdict(const QString& typed, const WordList& scrabbleList, bool* allValid) {
    static const QRegularExpression separators(QStringLiteral("[\\s,;]+"));
    const QStringList words = typed.split(separators, Qt::SkipEmptyParts);
    QStringList refused;
    for (const QString& word : words)
        if (!IsScrabbleWord(JudgedWord(word.toStdU16String()), scrabbleList)) refused.append(word);
    if (allValid) *allValid = refused.isEmpty();
    if (words.isEmpty()) return {};
    if (words.size() == 1)
        return refused.isEmpty() ? QStringLiteral("valable") : QStringLiteral("non valable");
    if (refused.isEmpty()) return QStringLiteral("valables");
    return QStringLiteral("non valable : ") + refused.join(QStringLiteral(", "));
}

WordJudgeBox::WordJudgeBox(const WordList& scrabbleList, QWidget* parent)
    : QWidget(parent), scrabbleList_(scrabbleList) {
    setObjectName(QStringLiteral("wordJudge"));
    const QFont font = CalibriFont(11);
    auto* caption = new QLabel(QStringLiteral("Valable ?"), this);
    caption->setObjectName(QStringLiteral("judgeCaption"));
    caption->setGeometry(0, 0, 62, 28);
    caption->setFont(CalibriFont(11, true));

    wordsBox_ = new QLineEdit(this);
    wordsBox_->setObjectName(QStringLiteral("judgeBox"));
    wordsBox_->setAccessibleName(QStringLiteral("Mots à juger au Scrabble"));
    wordsBox_->setPlaceholderText(QStringLiteral("un ou plusieurs mots"));
    wordsBox_->setToolTip(
        QStringLiteral("Dit si chaque mot est valable au Scrabble, sans chercher d'anagrammes ; "
                       "séparez les mots par des espaces."));
    wordsBox_->setGeometry(64, 0, 150, 28);
    wordsBox_->setFont(font);
    caption->setBuddy(wordsBox_);

    verdict_ = new QLabel(this);
    verdict_->setObjectName(QStringLiteral("judgeVerdict"));
    verdict_->setGeometry(220, 0, 137, 28);
    verdict_->setFont(CalibriFont(11, true));
    connect(wordsBox_, &QLineEdit::textChanged, this, &WordJudgeBox::judge);
}

void WordJudgeBox::judge(const QString& typed) {
    bool allValid = true;
    const QString verdict = JudgeVerdict(typed, scrabbleList_, &allValid);
    verdict_->setText(verdict);
    // A long list of refused words may not fit: the tip holds it whole.
    verdict_->setToolTip(verdict);
    SetColour(verdict_, QPalette::WindowText, allValid ? QColor(0, 110, 0) : DarkRed);
}

}  // namespace quillex::ui
