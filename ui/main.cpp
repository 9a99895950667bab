// Quillex: the start folder is recorded first, before anything can change it; then the
// application, and RunProgram does the rest.
#include <QApplication>

#include "app/AppConstants.h"
#include "app/Program.h"
#include "platform/QtPlatform.h"

int main(int argc, char** argv) {
    using namespace quillex::ui;
    SetStartFolder();
    QApplication app(argc, argv);
    PrepareApplication(app);
    QtPlatform qtPlatform;
    return RunProgram(qtPlatform.platform());
}
