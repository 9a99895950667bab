#include "ui/splash/SplashWindow.h"

#include <QGuiApplication>
#include <QLabel>
#include <QScreen>

#include "core/errors/InternalErrorText.h"
#include "core/errors/InternalFailure.h"
#include "ui/app/AppConstants.h"
#include "ui/app/Appearance.h"
#include "ui/app/ReportInternalError.h"
#include "ui/app/Twips.h"

namespace quillex::ui {
namespace {

QLabel* CentredLabel(QWidget* parent, const QString& text, const QFont& font, const QColor& colour,
                     const QRect& geometry) {
    auto* label = new QLabel(text, parent);
    label->setFont(font);
    label->setAlignment(Qt::AlignCenter);
    label->setGeometry(geometry);
    SetColour(label, QPalette::WindowText, colour);
    return label;
}

}  // namespace

SplashWindow::SplashWindow(Dictionaries& dictionaries, Platform platform, Loader loader,
                           QWidget* parent)
    : QFrame(parent, Qt::FramelessWindowHint | Qt::SplashScreen),
      dictionaries_(dictionaries),
      platform_(platform),
      loader_(std::move(loader)) {
    setObjectName(QStringLiteral("splashWindow"));
    buildControls();
    const std::pair<QTimer*, void (SplashWindow::*)()> steps[] = {
        {&showTimer_, &SplashWindow::showAndStartLoading},
        {&mainListTimer_, &SplashWindow::loadMainList},
        {&scrabbleListTimer_, &SplashWindow::loadScrabbleList},
        {&synonymListTimer_, &SplashWindow::loadSynonymList},
        {&glossaryTimer_, &SplashWindow::loadGlossary},
        {&finishTimer_, &SplashWindow::finishLoading}};
    for (const auto& [timer, step] : steps) {
        timer->setSingleShot(true);
        connect(timer, &QTimer::timeout, this, step);
    }
}

WordList SplashWindow::DefaultLoader(WordListResource resource) {
    return LoadWordList(resource);
}

void SplashWindow::buildControls() {
    setAutoFillBackground(true);
    SetColour(this, QPalette::Window, LightGrey);

    panel_ = new QFrame(this);
    panel_->setObjectName(QStringLiteral("splashPanel"));
    panel_->setGeometry(TwipsRect(60, 0, 4335, 4185));
    const int width = panel_->width();

    CentredLabel(panel_, AppTitle, NamedFont(QStringLiteral("Lucida Calligraphy"), 27.75, true),
                 DarkRed, QRect(0, 24, width, 60));

    auto* versionFrame = new QFrame(panel_);
    versionFrame->setObjectName(QStringLiteral("versionFrame"));
    versionFrame->setGeometry(16, 100, width - 32, 30);
    versionFrame->setStyleSheet(
        QStringLiteral("QFrame#versionFrame { border: 1px solid rgb(128,128,128); }"));
    versionLabel_ = CentredLabel(panel_, QString(), font(), Qt::black, versionFrame->geometry());
    versionLabel_->setObjectName(QStringLiteral("versionLabel"));

    CentredLabel(panel_, QStringLiteral("Utilitaire pour les jeux de lettres"),
                 NamedFont(QStringLiteral("Lucida Calligraphy"), 11.25), DarkRed,
                 QRect(0, 142, width, 30));
    auto* loading =
        CentredLabel(panel_, QStringLiteral("Chargement des dictionnaires"),
                     NamedFont(QStringLiteral("Calibri"), 12), Qt::black, QRect(0, 200, width, 24));
    loading->setObjectName(QStringLiteral("loadingCaption"));
    progressLabel_ =
        CentredLabel(panel_, QStringLiteral("Patientez..."),
                     NamedFont(QStringLiteral("Calibri"), 12), Qt::black, QRect(0, 226, width, 24));
    progressLabel_->setObjectName(QStringLiteral("progressLabel"));
}

void SplashWindow::start() {
    versionLabel_->setText(QStringLiteral("Version ") + AppVersion +
                           QStringLiteral(" - logiciel libre (GPL)"));
    showTimer_.start(30);
}

QString SplashWindow::progressText() const {
    return progressLabel_->text();
}

void SplashWindow::setProgress(const QString& text) {
    progressLabel_->setText(text);
    emit progressChanged(text);
}

void SplashWindow::placeOnScreen() {
    const int height = panel_->y() + panel_->height() + Twips(120);
    const int width = panel_->x() + panel_->width() + Twips(120);
    resize(width, height);
    const QScreen* screen = QGuiApplication::primaryScreen();
    const QRect area = screen ? screen->geometry() : QRect(0, 0, width, height);
    move(area.x() + (area.width() - width) / 2, area.y() + (area.height() - height) / 4);
}

void SplashWindow::showAndStartLoading() {
    showTimer_.stop();
    platform_.pointer.setScreenPointer(PointerShape::Hourglass);
    placeOnScreen();
    show();
    mainListTimer_.start(30);
}

bool SplashWindow::loadChecked(WordListResource resource, WordList& into) {
    QString problem;
    try {
        into = loader_(resource);
        if (auto mismatch = CheckAgainstTables(resource, into))
            problem = QString::fromStdU16String(*mismatch);
    } catch (const std::exception& failure) {
        problem = QString::fromStdU16String(DescribeFailure(failure));
    }
    if (problem.isEmpty()) return true;
    platform_.pointer.setScreenPointer(PointerShape::Arrow);
    platform_.messages.show({AppTitle,
                             problem + LineBreak +
                                 QStringLiteral("Les dictionnaires ne peuvent pas être chargés ; "
                                                "le programme va s'arrêter."),
                             MessageIcon::Critical, MessageButtons::Ok});
    hide();
    emit failed();
    return false;
}

void SplashWindow::loadMainList() {
    mainListTimer_.stop();
    setProgress(QStringLiteral("Patientez."));
    if (loadChecked(MainListResource, dictionaries_.mainWordList)) scrabbleListTimer_.start(500);
}

void SplashWindow::loadScrabbleList() {
    scrabbleListTimer_.stop();
    setProgress(QStringLiteral("Patientez.."));
    if (loadChecked(ScrabbleListResource, dictionaries_.scrabbleWordList))
        synonymListTimer_.start(500);
}

void SplashWindow::loadSynonymList() {
    synonymListTimer_.stop();
    setProgress(QStringLiteral("Patientez..."));
    try {
        dictionaries_.synonymList = loader_(SynonymListResource);
        // A list that disagrees with the group sizes would cut wrong slices: leave the tables
        // empty instead, so the synonym tab lists nothing.
        if (auto mismatch = CheckAgainstTables(SynonymListResource, dictionaries_.synonymList)) {
            dictionaries_.synonymList = WordList();
            throw InternalFailure(*mismatch, FailureCode::DataMismatch);
        }
        dictionaries_.synonymLetterTables.fill(dictionaries_.synonymList);
        dictionaries_.lemmaText = LoadLemmaText();
        dictionaries_.synonymLetterTables.setLemmas(dictionaries_.lemmaText);
    } catch (const std::exception& failure) {
        // The report waits for the user: the arrow over it, the hourglass again for the rest.
        platform_.pointer.setScreenPointer(PointerShape::Arrow);
        ReportInternalError(platform_.messages, failure, ErrorPlaceCode::SynonymLoading);
        platform_.pointer.setScreenPointer(PointerShape::Hourglass);
    }
    glossaryTimer_.start(500);
}

void SplashWindow::loadGlossary() {
    glossaryTimer_.stop();
    setProgress(QStringLiteral("Patientez...."));
    if (loadChecked(GlossaryResource, dictionaries_.shortWordGlossary)) finishTimer_.start(500);
}

void SplashWindow::finishLoading() {
    finishTimer_.stop();
    platform_.pointer.setScreenPointer(PointerShape::Arrow);
    emit loaded();
}

}  // namespace quillex::ui
