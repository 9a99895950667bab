// Quillex: the start folder is recorded first, before anything can change it; then the
// application, and RunProgram does the rest.
#include <QApplication>

#include "ui/app/AppConstants.h"
#include "ui/app/Program.h"
#include "ui/platform/QtPlatform.h"

int main(int argc, char** argv) {
    using namespace quillex::ui;
    SetStartFolder();
    QApplication app(argc, argv);
    PrepareApplication(app);
    QtPlatform qtPlatform;
    return RunProgram(qtPlatform.platform());
}
