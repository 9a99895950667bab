#include "ui/mainwindow/MainWindow.h"

#include <QAbstractButton>
#include <QCloseEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QPointer>
#include <QPushButton>
#include <QScreen>
#include <QShortcut>
#include <QTabBar>
#include <QTabWidget>

#include "ui/about/AboutTab.h"
#include "ui/app/AppConstants.h"
#include "ui/app/Appearance.h"
#include "ui/app/ComboBoxAccessible.h"
#include "ui/app/MemoryRelease.h"
#include "ui/app/Twips.h"
#include "ui/glossary/GlossaryTab.h"
#include "ui/pattern/PatternTab.h"
#include "ui/scrabble/ScrabbleTab.h"
#include "ui/synonyms/SynonymTab.h"

namespace quillex::ui {
namespace {

// Design size of the tab control, in twips, and what the window adds around it.
constexpr int kTabWidth = 10275;
constexpr int kTabHeight = 6315;
constexpr int kExtraWidth = 230;
constexpr int kExtraHeight = 560;
constexpr int kMargin = 60;
constexpr int kMemoryReleaseDelayMs = 2000;

}  // namespace

MainWindow::MainWindow(const Dictionaries& dictionaries, Platform platform, QWidget* parent)
    : QWidget(parent), platform_(platform), context_{dictionaries, platform, state_, this} {
    setObjectName(QStringLiteral("mainWindow"));
    InstallComboBoxAccessible();
    setWindowTitle(AppTitle);
    setAutoFillBackground(true);
    SetColour(this, QPalette::Window, LightGrey);
    buildControls();

    startupTimer_.setSingleShot(true);
    startupTimer_.setTimerType(Qt::PreciseTimer);
    connect(&startupTimer_, &QTimer::timeout, this, &MainWindow::finishStartup);
    quitTimer_.setSingleShot(true);
    connect(&quitTimer_, &QTimer::timeout, this, &MainWindow::endRequested);
    // What a burst of searches mapped of the lists, and what malloc freed, is given back once
    // the window has been left alone for a moment: memory comes back to where it was, and an
    // idle window is never woken for it.
    memoryReleaseTimer_.setObjectName(QStringLiteral("memoryReleaseTimer"));
    memoryReleaseTimer_.setSingleShot(true);
    connect(&memoryReleaseTimer_, &QTimer::timeout, this, &ReleaseMemory);
    for (int index = 0; index < tabs_->count(); ++index)
        connect(page(index), &TabPage::searched, this, &MainWindow::releaseMemoryWhenIdle);
}

void MainWindow::releaseMemoryWhenIdle() {
    memoryReleaseTimer_.start(kMemoryReleaseDelayMs);
}

MainWindow::~MainWindow() = default;

void MainWindow::buildControls() {
    tabs_ = new QTabWidget(this);
    tabs_->setObjectName(QStringLiteral("tabs"));
    tabs_->setAccessibleName(QStringLiteral("Outils"));
    tabs_->setGeometry(TwipsRect(kMargin, kMargin, kTabWidth, kTabHeight));
    patternTab_ = new PatternTab(context_);
    scrabbleTab_ = new ScrabbleTab(context_);
    synonymTab_ = new SynonymTab(context_);
    glossaryTab_ = new GlossaryTab(context_);
    aboutTab_ = new AboutTab(context_);
    tabs_->addTab(patternTab_, QStringLiteral("Rechercher"));
    tabs_->addTab(scrabbleTab_, QStringLiteral("Scrabble"));
    tabs_->addTab(synonymTab_, QStringLiteral("Synonyme"));
    tabs_->addTab(glossaryTab_, QStringLiteral("2,3 lettres"));
    tabs_->addTab(aboutTab_, QStringLiteral("A propos"));
    tabs_->setCurrentIndex(0);
    connect(tabs_, &QTabWidget::currentChanged, this, &MainWindow::onTabChanged);
    // Window-wide, so that the keys work wherever the focus is, or with none: a drop-down list
    // would take Ctrl+Tab as a letter to search.
    const auto addTabKeys = [this](std::initializer_list<QKeySequence> keys, int step) {
        for (const QKeySequence& key : keys) {
            auto* shortcut = new QShortcut(key, this);
            connect(shortcut, &QShortcut::activated, this, [this, step] {
                tabs_->setCurrentIndex((tabs_->currentIndex() + step + tabs_->count()) %
                                       tabs_->count());
            });
        }
    };
    addTabKeys({QKeySequence::NextChild, QKeySequence(Qt::CTRL | Qt::Key_PageDown)}, 1);
    addTabKeys({QKeySequence::PreviousChild, QKeySequence(Qt::CTRL | Qt::Key_PageUp)}, -1);
    connect(new QShortcut(QKeySequence::HelpContents, this), &QShortcut::activated, aboutTab_,
            &AboutTab::openGuide);
    connect(new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_Q), this), &QShortcut::activated, this,
            &QWidget::close);

    quitButton_ = new QPushButton(QStringLiteral("Quitter "), this);
    quitButton_->setObjectName(QStringLiteral("quitButton"));
    quitButton_->setToolTip(QStringLiteral("Quitter le programme"));
    quitButton_->setAccessibleName(QStringLiteral("Quitter le programme"));
    quitButton_->setGeometry(tabs_->geometry().right() - 110, tabs_->geometry().bottom() + 6, 110,
                             26);
    // Reached by Tab; a click leaves the focus where the user was, for when the answer is "Non".
    quitButton_->setFocusPolicy(Qt::TabFocus);
    connect(quitButton_, &QPushButton::clicked, this, &QWidget::close);
}

TabPage* MainWindow::page(int index) const {
    return static_cast<TabPage*>(tabs_->widget(index));
}

void MainWindow::load(QWidget* splash) {
    splash_ = splash;
    if (splash_) splash_->close();
    state_ = SharedWindowState{};
    startupTimer_.start(20);
}

void MainWindow::finishStartup() {
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
    // Nor is what loading and checking the lists read, or what the licence's thread freed.
    releaseMemoryWhenIdle();
    onTabChanged(tabs_->currentIndex());
}

void MainWindow::onTabChanged(int index) {
    // A tab without a control to type into leaves the focus on its own caption, inside the tab
    // control, where the arrows and the tab keys go on working.
    QWidget* target = page(index) ? page(index)->focusTarget() : nullptr;
    (target ? target : tabs_->tabBar())->setFocus();
}

void MainWindow::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        // A focused push button takes Enter for itself, as a default button would let it; a
        // check box toggles with Space and leaves Enter to the search.
        auto* focused = qobject_cast<QPushButton*>(focusWidget());
        if (focused && focused->isEnabled())
            focused->click();
        else
            runSearchOfCurrentTab();
        return;
    }
    QWidget::keyPressEvent(event);
}

void MainWindow::runSearchOfCurrentTab() {
    TabPage* current = page(tabs_->currentIndex());
    QAbstractButton* button = current ? current->searchButton() : nullptr;
    if (button && button->isEnabled()) button->click();
}

void MainWindow::closeEvent(QCloseEvent* event) {
    event->ignore();
    quitConfirmation();
}

void MainWindow::quitConfirmation() {
    const QPointer<QWidget> focused = focusWidget();
    const MessageAnswer answer = platform_.messages.show(
        {AppTitle, QStringLiteral("        Quitter le programme ?                    "),
         MessageIcon::Question, MessageButtons::YesNo});
    if (answer == MessageAnswer::Yes) {
        quitTimer_.start(500);
        return;
    }
    // "Non" puts everything back as it was, the focus too.
    if (focused) focused->setFocus(Qt::ActiveWindowFocusReason);
}

}  // namespace quillex::ui
