// Quillex whose synonym list cannot be read, for the smoke test of the start-up report (place
// code 101): everything else is the real program.
#include "core/errors/InternalFailure.h"
#include "ui/app/Program.h"

int main(int argc, char** argv) {
    return quillex::ui::RunQuillex(argc, argv, [](quillex::WordListResource resource) {
        if (resource.id == quillex::SynonymListResource.id)
            throw quillex::InternalFailure(u"Ressource introuvable : LISTESYNONYMES",
                                           quillex::FailureCode::ResourceNotFound);
        return quillex::ui::SplashWindow::DefaultLoader(resource);
    });
}
