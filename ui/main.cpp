// Quillex: start-up. Constants first, one instance per user, then the splash loads the lists and
// hands over to the main window.
#include <QApplication>
#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>
#include <memory>

#include "app/AppConstants.h"
#include "app/Fonts.h"
#include "mainwindow/MainWindow.h"
#include "platform/QtPlatform.h"
#include "platform/SingleInstance.h"
#include "splash/SplashWindow.h"

namespace {

// Qt's own texts (context menus, standard dialogs) in French.
void LoadFrenchTranslations(QApplication& app) {
    auto* translator = new QTranslator(&app);
    if (translator->load(QLocale(QLocale::French, QLocale::France), QStringLiteral("qtbase"),
                         QStringLiteral("_"), QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(translator);
}

}  // namespace

int main(int argc, char** argv) {
    using namespace quillex::ui;
    SetStartFolder();
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Quillex"));
    QApplication::setApplicationVersion(AppVersion);
    QGuiApplication::setDesktopFileName(QStringLiteral("io.github.quillex.Quillex"));
    LoadFrenchTranslations(app);
    SubstituteFonts();

    QtPlatform qtPlatform;
    const Platform platform = qtPlatform.platform();

    SingleInstance instance;
    if (!instance.acquire()) {
        platform.messages.show({AppTitle, QStringLiteral("Le programme est déja lancé."),
                                MessageIcon::Warning, MessageButtons::Ok});
        return 0;
    }

    quillex::Dictionaries dictionaries;
    SplashWindow splash(dictionaries, platform);
    std::unique_ptr<MainWindow> window;
    QObject::connect(&splash, &SplashWindow::failed, &app, [] { QCoreApplication::exit(1); });
    QObject::connect(&splash, &SplashWindow::loaded, &app, [&] {
        window = std::make_unique<MainWindow>(dictionaries, platform);
        QObject::connect(window.get(), &MainWindow::endRequested, &app,
                         [] { QCoreApplication::exit(0); });
        window->load(&splash);
    });
    splash.start();
    return app.exec();
}
