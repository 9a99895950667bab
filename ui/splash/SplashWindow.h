#pragma once

#include <QFrame>
#include <QTimer>
#include <functional>

#include "ui/platform/Platform.h"
#include "core/wordlists/Dictionaries.h"
#include "core/wordlists/LoadWordList.h"

class QLabel;

namespace quillex::ui {

/// The splash window: loads the four lists one per timer step while showing its progress.
class SplashWindow : public QFrame {
    Q_OBJECT
  public:
    /// Reads one resource into a list; tests replace it to make a step fail.
    using Loader = std::function<WordList(WordListResource)>;

    SplashWindow(Dictionaries& dictionaries, Platform platform, Loader loader = DefaultLoader,
                 QWidget* parent = nullptr);

    /// The load handler: sets the version text and arms the first step.
    void start();

    QString progressText() const;

    static WordList DefaultLoader(WordListResource resource);

  signals:
    /// The progress label changed.
    void progressChanged(const QString& text);
    /// Every list is in memory: the main window takes over.
    void loaded();
    /// A step failed and has been reported: the program ends.
    void failed();

  private:
    void buildControls();
    void showAndStartLoading();
    void loadMainList();
    void loadScrabbleList();
    void loadSynonymList();
    void loadGlossary();
    void finishLoading();
    void setProgress(const QString& text);
    /// Loads one list and checks it against its tables; on failure reports it and ends start-up.
    bool loadChecked(WordListResource resource, WordList& into);
    void placeOnScreen();

    Dictionaries& dictionaries_;
    Platform platform_;
    Loader loader_;
    QFrame* panel_ = nullptr;
    QLabel* versionLabel_ = nullptr;
    QLabel* progressLabel_ = nullptr;
    QTimer showTimer_, mainListTimer_, scrabbleListTimer_, synonymListTimer_, glossaryTimer_,
        finishTimer_;
};

}  // namespace quillex::ui
