#include "ui/app/Program.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>
#include <iostream>
#include <memory>

#include "ui/app/AppConstants.h"
#include "ui/app/Fonts.h"
#include "ui/mainwindow/MainWindow.h"
#include "ui/platform/QtPlatform.h"
#include "ui/platform/SingleInstance.h"

namespace quillex::ui {

void PrepareApplication(QApplication& app) {
    QApplication::setApplicationName(QStringLiteral("Quillex"));
    QApplication::setApplicationVersion(AppVersion);
    QGuiApplication::setDesktopFileName(QStringLiteral("io.github.quillex.Quillex"));
    // Qt's own texts (context menus, standard dialogs) in French.
    auto* translator = new QTranslator(&app);
    if (translator->load(QLocale(QLocale::French, QLocale::France), QStringLiteral("qtbase"),
                         QStringLiteral("_"), QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(translator);
    SubstituteFonts();
}

int RunProgram(const Platform& platform, const SplashWindow::Loader& loader) {
    SingleInstance instance;
    switch (instance.acquire()) {
        case SingleInstance::Outcome::Acquired:
            break;
        case SingleInstance::Outcome::HeldElsewhere:
            platform.messages.show({AppTitle, QStringLiteral("Le programme est déja lancé."),
                                    MessageIcon::Warning, MessageButtons::Ok});
            return 1;
        case SingleInstance::Outcome::Unavailable:
            // Refusing to start over a lock that cannot be had would be the worse failure.
            std::cerr << "Quillex : " << instance.problem()
                      << " ; le programme démarre sans vérifier qu'il n'est pas déjà lancé.\n";
            break;
    }

    // The program ends only by its own decision (the confirmed quit, a failed start-up): the
    // splash is no main window, so closing a message box shown over it must not end the run.
    QApplication::setQuitOnLastWindowClosed(false);

    Dictionaries dictionaries;
    SplashWindow splash(dictionaries, platform, loader);
    std::unique_ptr<MainWindow> window;
    QObject::connect(&splash, &SplashWindow::failed, qApp, [] { QCoreApplication::exit(1); });
    // Built during the splash's last pause, so that only its showing is left when it ends.
    QObject::connect(&splash, &SplashWindow::listsLoaded, qApp, [&] {
        window = std::make_unique<MainWindow>(dictionaries, platform);
        QObject::connect(window.get(), &MainWindow::endRequested, qApp,
                         [] { QCoreApplication::exit(0); });
    });
    QObject::connect(&splash, &SplashWindow::loaded, qApp, [&] {
        if (window) window->load(&splash);
    });
    splash.start();
    return QApplication::exec();
}

int RunQuillex(int argc, char** argv, const SplashWindow::Loader& loader) {
    SetStartFolder();
    QApplication app(argc, argv);
    PrepareApplication(app);
    QtPlatform qtPlatform;
    return RunProgram(qtPlatform.platform(), loader);
}

}  // namespace quillex::ui
