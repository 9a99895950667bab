#pragma once

#include "ui/platform/Platform.h"
#include "ui/splash/SplashWindow.h"

class QApplication;

namespace quillex::ui {

/// Names the application, loads Qt's French texts and the substitute fonts.
void PrepareApplication(QApplication& app);

/// The program once its QApplication is set up: one instance per user, then the splash, which
/// loads the lists with `loader` and hands over to the main window; runs the event loop and
/// returns the exit status. A refused second start returns 1 at once.
int RunProgram(const Platform& platform,
               const SplashWindow::Loader& loader = SplashWindow::DefaultLoader);

/// The whole program on the desktop: the start folder recorded before anything can change it,
/// the application, then RunProgram over the real platform services.
int RunQuillex(int argc, char** argv,
               const SplashWindow::Loader& loader = SplashWindow::DefaultLoader);

}  // namespace quillex::ui
