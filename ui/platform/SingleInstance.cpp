#include "platform/SingleInstance.h"

#include <QDir>
#include <QStandardPaths>

namespace quillex::ui {

SingleInstance::SingleInstance(QString lockPath) : lock_(std::make_unique<QLockFile>(lockPath)) {
    // A lock is stale only when its process is gone, never because of its age.
    lock_->setStaleLockTime(0);
}

bool SingleInstance::acquire() {
    return lock_->isLocked() || lock_->tryLock(0);
}

QString SingleInstance::DefaultLockPath() {
    QString folder = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (folder.isEmpty()) folder = QDir::tempPath();
    return QDir(folder).filePath(QStringLiteral("quillex.lock"));
}

}  // namespace quillex::ui
