#include "ui/app/Fonts.h"

#include <QFont>

namespace quillex::ui {

void SubstituteFonts() {
    QFont::insertSubstitution(QStringLiteral("Calibri"), QStringLiteral("Carlito"));
    QFont::insertSubstitution(QStringLiteral("Courier New"), QStringLiteral("Liberation Mono"));
    QFont::insertSubstitution(QStringLiteral("Lucida Calligraphy"), QStringLiteral("Z003"));
}

}  // namespace quillex::ui
