#include "app/AppConstants.h"

#include <QDir>

namespace quillex::ui {
namespace {

QString& StartFolderValue() {
    static QString folder;
    return folder;
}

}  // namespace

const QString& StartFolder() {
    return StartFolderValue();
}

void SetStartFolder() {
    QString folder = QDir::currentPath();
    if (!folder.endsWith(QLatin1Char('/'))) folder += QLatin1Char('/');
    StartFolderValue() = folder;
}

}  // namespace quillex::ui
