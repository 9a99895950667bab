#include "splash/SplashWindow.h"

#include <QGuiApplication>
#include <QLabel>
#include <QScreen>

#include "app/AppConstants.h"
#include "app/Appearance.h"
#include "app/ReportInternalError.h"
#include "app/Twips.h"
#include "errors/InternalErrorText.h"
#include "errors/InternalFailure.h"

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
    setObjectName(QStringLiteral("FrmBDema"));
    buildControls();
    const std::pair<QTimer*, void (SplashWindow::*)()> steps[] = {
        {&timDeb_, &SplashWindow::onTimDeb},       {&timListMots_, &SplashWindow::onTimListMots},
        {&timScra_, &SplashWindow::onTimScra},     {&timSyno_, &SplashWindow::onTimSyno},
        {&timMots23_, &SplashWindow::onTimMots23}, {&timFin_, &SplashWindow::onTimFin}};
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

    fraCache_ = new QFrame(this);
    fraCache_->setObjectName(QStringLiteral("FraCache"));
    fraCache_->setGeometry(TwipsRect(60, 0, 4335, 4185));
    const int width = fraCache_->width();

    CentredLabel(fraCache_, AppTitle, NamedFont(QStringLiteral("Lucida Calligraphy"), 27.75, true),
                 DarkRed, QRect(0, 24, width, 60));

    auto* shape1 = new QFrame(fraCache_);
    shape1->setObjectName(QStringLiteral("Shape1"));
    shape1->setGeometry(16, 100, width - 32, 30);
    shape1->setStyleSheet(QStringLiteral("QFrame#Shape1 { border: 1px solid rgb(128,128,128); }"));
    lblVersion_ = CentredLabel(fraCache_, QString(), font(), Qt::black, shape1->geometry());
    lblVersion_->setObjectName(QStringLiteral("LblVersion"));

    CentredLabel(fraCache_, QStringLiteral("Utilitaire pour les jeux de lettres"),
                 NamedFont(QStringLiteral("Lucida Calligraphy"), 11.25), DarkRed,
                 QRect(0, 142, width, 30));
    auto* loading =
        CentredLabel(fraCache_, QStringLiteral("Chargement des dictionnaires"),
                     NamedFont(QStringLiteral("Calibri"), 12), Qt::black, QRect(0, 200, width, 24));
    loading->setObjectName(QStringLiteral("Lbl0"));
    lblProgress_ =
        CentredLabel(fraCache_, QStringLiteral("Patientez..."),
                     NamedFont(QStringLiteral("Calibri"), 12), Qt::black, QRect(0, 226, width, 24));
    lblProgress_->setObjectName(QStringLiteral("Lbl1"));
}

void SplashWindow::start() {
    lblVersion_->setText(QStringLiteral("Version ") + AppVersion +
                         QStringLiteral(" - logiciel libre (GPL)"));
    timDeb_.start(30);
}

QString SplashWindow::progressText() const {
    return lblProgress_->text();
}

void SplashWindow::setProgress(const QString& text) {
    lblProgress_->setText(text);
    emit progressChanged(text);
}

void SplashWindow::placeOnScreen() {
    const int height = fraCache_->y() + fraCache_->height() + Twips(120);
    const int width = fraCache_->x() + fraCache_->width() + Twips(120);
    resize(width, height);
    const QScreen* screen = QGuiApplication::primaryScreen();
    const QRect area = screen ? screen->geometry() : QRect(0, 0, width, height);
    move(area.x() + (area.width() - width) / 2, area.y() + (area.height() - height) / 4);
}

void SplashWindow::onTimDeb() {
    timDeb_.stop();
    platform_.pointer.setScreenPointer(PointerShape::Hourglass);
    placeOnScreen();
    show();
    timListMots_.start(30);
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

void SplashWindow::onTimListMots() {
    timListMots_.stop();
    setProgress(QStringLiteral("Patientez."));
    if (loadChecked(MainListResource, dictionaries_.mainWordList)) timScra_.start(500);
}

void SplashWindow::onTimScra() {
    timScra_.stop();
    setProgress(QStringLiteral("Patientez.."));
    if (loadChecked(ScrabbleListResource, dictionaries_.scrabbleWordList)) timSyno_.start(500);
}

void SplashWindow::onTimSyno() {
    timSyno_.stop();
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
    } catch (const std::exception& failure) {
        ReportInternalError(platform_.messages, failure, ErrorPlaceCode::SynonymLoading);
    }
    timMots23_.start(500);
}

void SplashWindow::onTimMots23() {
    timMots23_.stop();
    setProgress(QStringLiteral("Patientez...."));
    if (loadChecked(GlossaryResource, dictionaries_.shortWordGlossary)) timFin_.start(500);
}

void SplashWindow::onTimFin() {
    timFin_.stop();
    platform_.pointer.setScreenPointer(PointerShape::Arrow);
    emit loaded();
}

}  // namespace quillex::ui
