#pragma once

#include <QTimer>
#include <QWidget>

#include "ui/common/TabContext.h"

class QPushButton;
class QTabWidget;

namespace quillex::ui {

class AboutTab;
class GlossaryTab;
class PatternTab;
class ScrabbleTab;
class SynonymTab;
class TabPage;

/// The main window: hosts the five tabs, routes Enter to the current tab's search button, opens
/// the guide on F1 and asks before quitting (Quitter, Ctrl+Q, the close box).
class MainWindow : public QWidget {
    Q_OBJECT
  public:
    MainWindow(const Dictionaries& dictionaries, Platform platform, QWidget* parent = nullptr);
    ~MainWindow() override;

    /// First half of the start-up: closes the splash and arms the sizing step.
    void load(QWidget* splash);

    QTabWidget* tabControl() const { return tabs_; }
    TabPage* page(int index) const;

  signals:
    /// A confirmed quit has waited its half second: the program ends now.
    void endRequested();

  protected:
    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

  private:
    void buildControls();
    void finishStartup();
    void onTabChanged(int index);
    void runSearchOfCurrentTab();
    void quitConfirmation();
    void releaseMemoryWhenIdle();

    Platform platform_;
    SharedWindowState state_;
    QWidget* splash_ = nullptr;
    QTabWidget* tabs_ = nullptr;
    QPushButton* quitButton_ = nullptr;
    PatternTab* patternTab_ = nullptr;
    ScrabbleTab* scrabbleTab_ = nullptr;
    SynonymTab* synonymTab_ = nullptr;
    GlossaryTab* glossaryTab_ = nullptr;
    AboutTab* aboutTab_ = nullptr;
    QTimer startupTimer_;
    QTimer quitTimer_;
    QTimer memoryReleaseTimer_{this};
    TabContext context_;
};

}  // namespace quillex::ui
