#include "mainwindow/MainWindow.h"

#include <QAbstractButton>
#include <QCloseEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QShortcut>
#include <QTabWidget>

#include "about/AboutTab.h"
#include "app/AppConstants.h"
#include "app/Appearance.h"
#include "app/Twips.h"
#include "glossary/GlossaryTab.h"
#include "pattern/PatternTab.h"
#include "scrabble/ScrabbleTab.h"
#include "synonyms/SynonymTab.h"

namespace quillex::ui {
namespace {

// Design size of the tab control, in twips, and what the window adds around it.
constexpr int kTabWidth = 10275;
constexpr int kTabHeight = 6315;
constexpr int kExtraWidth = 230;
constexpr int kExtraHeight = 560;
constexpr int kMargin = 60;

}  // namespace

MainWindow::MainWindow(const Dictionaries& dictionaries, Platform platform, QWidget* parent)
    : QWidget(parent),
      platform_(platform),
      context_{dictionaries, platform, state_, nullptr, this} {
    setObjectName(QStringLiteral("FrmChercher"));
    setWindowTitle(AppTitle);
    setAutoFillBackground(true);
    SetColour(this, QPalette::Window, LightGrey);
    buildControls();

    timDeb_.setSingleShot(true);
    connect(&timDeb_, &QTimer::timeout, this, &MainWindow::onTimDeb);
    timEnd_.setSingleShot(true);
    connect(&timEnd_, &QTimer::timeout, this, &MainWindow::endRequested);
}

MainWindow::~MainWindow() = default;

void MainWindow::buildControls() {
    // The focus sink sits beyond the right edge: it can hold the focus without showing it.
    foc_ = new QLineEdit(this);
    foc_->setObjectName(QStringLiteral("Foc"));
    foc_->setGeometry(Twips(kTabWidth + kExtraWidth) + 100, 0, 10, 10);
    context_.focusSink = foc_;

    st1_ = new QTabWidget(this);
    st1_->setObjectName(QStringLiteral("St1"));
    st1_->setAccessibleName(QStringLiteral("Outils"));
    st1_->setGeometry(TwipsRect(kMargin, kMargin, kTabWidth, kTabHeight));
    patternTab_ = new PatternTab(context_);
    scrabbleTab_ = new ScrabbleTab(context_);
    synonymTab_ = new SynonymTab(context_);
    glossaryTab_ = new GlossaryTab(context_);
    aboutTab_ = new AboutTab(context_);
    st1_->addTab(patternTab_, QStringLiteral("Rechercher"));
    st1_->addTab(scrabbleTab_, QStringLiteral("Scrabble"));
    st1_->addTab(synonymTab_, QStringLiteral("Synonyme"));
    st1_->addTab(glossaryTab_, QStringLiteral("2,3 lettres"));
    st1_->addTab(aboutTab_, QStringLiteral("A propos"));
    st1_->setCurrentIndex(0);
    connect(st1_, &QTabWidget::currentChanged, this, &MainWindow::onTabChanged);
    // Window-wide, so that the keys work wherever the focus is: a drop-down list would take
    // Ctrl+Tab as a letter to search, and on the glossary and About tabs the focus rests on the
    // sink, outside the tab control.
    const auto addTabKeys = [this](std::initializer_list<QKeySequence> keys, int step) {
        for (const QKeySequence& key : keys) {
            auto* shortcut = new QShortcut(key, this);
            connect(shortcut, &QShortcut::activated, this, [this, step] {
                st1_->setCurrentIndex((st1_->currentIndex() + step + st1_->count()) %
                                      st1_->count());
            });
        }
    };
    addTabKeys({QKeySequence::NextChild, QKeySequence(Qt::CTRL | Qt::Key_PageDown)}, 1);
    addTabKeys({QKeySequence::PreviousChild, QKeySequence(Qt::CTRL | Qt::Key_PageUp)}, -1);

    cmdQuitte_ = new QPushButton(QStringLiteral("Quitter "), this);
    cmdQuitte_->setObjectName(QStringLiteral("CmdQuitte"));
    cmdQuitte_->setToolTip(QStringLiteral("Quitter le programme"));
    cmdQuitte_->setAccessibleName(QStringLiteral("Quitter le programme"));
    cmdQuitte_->setGeometry(st1_->geometry().right() - 110, st1_->geometry().bottom() + 6, 110, 26);
    connect(cmdQuitte_, &QPushButton::clicked, this, [this] {
        foc_->setFocus();
        close();
    });

    // Enter presses this button wherever the focus is; it lies below the visible area.
    cmdDefaut_ = new QPushButton(this);
    cmdDefaut_->setObjectName(QStringLiteral("CmdDefaut"));
    cmdDefaut_->setGeometry(0, Twips(kTabHeight + kExtraHeight) + 100, 10, 10);
    cmdDefaut_->setFocusPolicy(Qt::NoFocus);
    connect(cmdDefaut_, &QPushButton::clicked, this, &MainWindow::runDefault);
}

QWidget* MainWindow::focusSink() const {
    return foc_;
}

TabPage* MainWindow::page(int index) const {
    return static_cast<TabPage*>(st1_->widget(index));
}

void MainWindow::load(QWidget* splash) {
    splash_ = splash;
    if (splash_) splash_->close();
    state_ = SharedWindowState{};
    timDeb_.start(20);
}

void MainWindow::onTimDeb() {
    // Fixed, so that the focus sink and the default button stay out of view.
    const QSize size(Twips(kTabWidth + kExtraWidth), Twips(kTabHeight + kExtraHeight));
    setFixedSize(size);
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        const QRect area = screen->geometry();
        move(area.x() + (area.width() - size.width()) / 2,
             area.y() + (area.height() - size.height()) / 2);
    }
    glossaryTab_->fill();
    aboutTab_->setTexts();
    show();
    if (splash_) splash_->close();
    aboutTab_->armLicenceTimer();
    onTabChanged(st1_->currentIndex());
    timDeb_.stop();
}

void MainWindow::onTabChanged(int index) {
    QWidget* target = page(index) ? page(index)->focusTarget() : nullptr;
    (target ? target : foc_)->setFocus();
}

void MainWindow::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        // A focused button takes Enter for itself, as a default button would let it.
        auto* focused = qobject_cast<QAbstractButton*>(focusWidget());
        (focused && focused->isEnabled() ? focused : cmdDefaut_)->click();
        return;
    }
    QWidget::keyPressEvent(event);
}

void MainWindow::runDefault() {
    TabPage* current = page(st1_->currentIndex());
    QAbstractButton* button = current ? current->searchButton() : nullptr;
    if (button && button->isEnabled()) button->click();
}

void MainWindow::closeEvent(QCloseEvent* event) {
    event->ignore();
    quitConfirmation();
}

void MainWindow::quitConfirmation() {
    const MessageAnswer answer = platform_.messages.show(
        {AppTitle, QStringLiteral("        Quitter le programme ?                    "),
         MessageIcon::Question, MessageButtons::YesNo});
    if (answer == MessageAnswer::Yes) timEnd_.start(500);
}

}  // namespace quillex::ui
