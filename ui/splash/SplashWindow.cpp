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

// The loading, one list per step: the progress shown while the step runs, the list it fills and
// the pause before the next step. A failed step ends start-up, except the synonym list's: the
// program runs on without synonyms.
struct LoadStep {
    const char* progress;
    WordListResource resource;
    WordList Dictionaries::*list;
    bool required;
    int pauseAfter;
};
constexpr LoadStep kLoadSteps[] = {
    {"Patientez.", MainListResource, &Dictionaries::mainWordList, true, 500},
    {"Patientez..", ScrabbleListResource, &Dictionaries::scrabbleWordList, true, 500},
    {"Patientez...", SynonymListResource, &Dictionaries::synonymList, false, 500},
    {"Patientez....", GlossaryResource, &Dictionaries::shortWordGlossary, true, 500},
};

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
    stepTimer_.setSingleShot(true);
    // A coarse timer may end its 500 ms up to 25 ms late, and the pauses add up before the
    // main window shows.
    stepTimer_.setTimerType(Qt::PreciseTimer);
    connect(&stepTimer_, &QTimer::timeout, this, &SplashWindow::runNextStep);
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
    auto* loading = CentredLabel(panel_, QStringLiteral("Chargement des dictionnaires"),
                                 CalibriFont(12), Qt::black, QRect(0, 200, width, 24));
    loading->setObjectName(QStringLiteral("loadingCaption"));
    progressLabel_ = CentredLabel(panel_, QStringLiteral("Patientez..."), CalibriFont(12),
                                  Qt::black, QRect(0, 226, width, 24));
    progressLabel_->setObjectName(QStringLiteral("progressLabel"));
}

void SplashWindow::start() {
    versionLabel_->setText(QStringLiteral("Version ") + AppVersion +
                           QStringLiteral(" - logiciel libre (GPL)"));
    stepTimer_.start(30);
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
    platform_.pointer.setScreenPointer(PointerShape::Hourglass);
    placeOnScreen();
    show();
    shown_ = true;
    stepTimer_.start(30);
}

void SplashWindow::runNextStep() {
    if (!shown_) return showAndStartLoading();
    if (nextStep_ == std::size(kLoadSteps)) return finishLoading();
    const LoadStep& step = kLoadSteps[nextStep_++];
    setProgress(QString::fromLatin1(step.progress));
    try {
        dictionaries_.*step.list = loader_(step.resource);
        if (step.list == &Dictionaries::synonymList) {
            dictionaries_.synonymLetterTables.fill(dictionaries_.synonymList);
            dictionaries_.lemmaText = LoadLemmaText();
            dictionaries_.synonymLetterTables.setLemmas(dictionaries_.lemmaText);
        }
    } catch (const std::exception& failure) {
        if (step.required) return failStartUp(QString::fromStdU16String(DescribeFailure(failure)));
        // The report waits for the user: the arrow over it, the hourglass again for the rest.
        platform_.pointer.setScreenPointer(PointerShape::Arrow);
        ReportInternalError(platform_.messages, failure, ErrorPlaceCode::SynonymLoading);
        platform_.pointer.setScreenPointer(PointerShape::Hourglass);
    }
    stepTimer_.start(step.pauseAfter);
    if (nextStep_ == std::size(kLoadSteps)) emit listsLoaded();
}

void SplashWindow::failStartUp(const QString& problem) {
    platform_.pointer.setScreenPointer(PointerShape::Arrow);
    platform_.messages.show({AppTitle,
                             problem + LineBreak +
                                 QStringLiteral("Les dictionnaires ne peuvent pas être chargés ; "
                                                "le programme va s'arrêter."),
                             MessageIcon::Critical, MessageButtons::Ok});
    hide();
    emit failed();
}

void SplashWindow::finishLoading() {
    platform_.pointer.setScreenPointer(PointerShape::Arrow);
    emit loaded();
}

}  // namespace quillex::ui
