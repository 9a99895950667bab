#pragma once

#include <QLockFile>
#include <QString>
#include <memory>

namespace quillex::ui {

/// One running Quillex per user: a lock file in the user's runtime folder. A lock left by a
/// process that no longer runs is taken over.
class SingleInstance {
  public:
    /// lockPath: the lock file; by default "quillex.lock" in the user's runtime folder.
    explicit SingleInstance(QString lockPath = DefaultLockPath());

    /// True when this process now holds the lock; false when another running process does.
    bool acquire();

    static QString DefaultLockPath();

  private:
    std::unique_ptr<QLockFile> lock_;
};

}  // namespace quillex::ui
