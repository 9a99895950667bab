#pragma once

#include <QTimer>
#include <QWidget>

#include "tabs/TabContext.h"

class QLineEdit;
class QPushButton;
class QTabWidget;

namespace quillex::ui {

class AboutTab;
class GlossaryTab;
class PatternTab;
class ScrabbleTab;
class SynonymTab;
class TabPage;

/// The main window: hosts the five tabs, routes Enter to the current tab's search button and
/// asks before quitting.
class MainWindow : public QWidget {
    Q_OBJECT
  public:
    MainWindow(const Dictionaries& dictionaries, Platform platform, QWidget* parent = nullptr);
    ~MainWindow() override;

    /// First half of the start-up: closes the splash and arms the sizing step.
    void load(QWidget* splash);

    QTabWidget* tabControl() const { return st1_; }
    QWidget* focusSink() const;
    TabPage* page(int index) const;

  signals:
    /// A confirmed quit has waited its half second: the program ends now.
    void endRequested();

  protected:
    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

  private:
    void buildControls();
    void onTimDeb();
    void onTabChanged(int index);
    void runDefault();
    void quitConfirmation();

    Platform platform_;
    SharedWindowState state_;
    QWidget* splash_ = nullptr;
    QTabWidget* st1_ = nullptr;
    QPushButton* cmdQuitte_ = nullptr;
    QPushButton* cmdDefaut_ = nullptr;
    QLineEdit* foc_ = nullptr;
    PatternTab* patternTab_ = nullptr;
    ScrabbleTab* scrabbleTab_ = nullptr;
    SynonymTab* synonymTab_ = nullptr;
    GlossaryTab* glossaryTab_ = nullptr;
    AboutTab* aboutTab_ = nullptr;
    QTimer timDeb_;
    QTimer timEnd_;
    TabContext context_;
};

}  // namespace quillex::ui
