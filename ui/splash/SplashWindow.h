#pragma once

#include <QFrame>
#include <QTimer>
#include <functional>

#include "core/wordlists/Dictionaries.h"
#include "core/wordlists/LoadWordList.h"
#include "ui/platform/Platform.h"

class QLabel;

namespace quillex::ui {

/// The splash window: loads the four lists one per timer step while showing its progress.
class SplashWindow : public QFrame {
    Q_OBJECT
  public:
    /// Reads and checks one resource (LoadWordList); tests replace it to make a step fail.
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
    /// Every list is in memory and the last pause has begun: a window over them may be built
    /// now, hidden, out of the time the user waits for.
    void listsLoaded();
    /// The last pause has ended: the main window takes over.
    void loaded();
    /// A step failed and has been reported: the program ends.
    void failed();

  private:
    void buildControls();
    void showAndStartLoading();
    /// Runs the next step of the loading table, then arms the one after it.
    void runNextStep();
    void finishLoading();
    void setProgress(const QString& text);
    /// Reports a step's failure and ends start-up.
    void failStartUp(const QString& problem);
    void placeOnScreen();

    Dictionaries& dictionaries_;
    Platform platform_;
    Loader loader_;
    QFrame* panel_ = nullptr;
    QLabel* versionLabel_ = nullptr;
    QLabel* progressLabel_ = nullptr;
    QTimer stepTimer_;
    bool shown_ = false;  // the first tick shows the window, each later one loads a list
    size_t nextStep_ = 0;
};

}  // namespace quillex::ui
