// Quillex whose synonym list cannot be read, for the smoke test of the start-up report (place
// code 101): everything else is the real program.
#include <QApplication>

#include "core/errors/InternalFailure.h"
#include "ui/app/AppConstants.h"
#include "ui/app/Program.h"
#include "ui/platform/QtPlatform.h"

int main(int argc, char** argv) {
    using namespace quillex::ui;
    SetStartFolder();
    QApplication app(argc, argv);
    PrepareApplication(app);
    QtPlatform qtPlatform;
    return RunProgram(qtPlatform.platform(), [](quillex::WordListResource resource) {
        if (resource.id == quillex::SynonymListResource.id)
            throw quillex::InternalFailure(u"Ressource introuvable : LISTESYNONYMES",
                                           quillex::FailureCode::ResourceNotFound);
        return SplashWindow::DefaultLoader(resource);
    });
}
