#pragma once

#include <filesystem>
#include <string>

namespace quillex::ui {

/// Where the single-instance lock lives, or why no place fit.
struct LockPath {
    std::filesystem::path path;  ///< empty when no private place could be had
    std::string problem;         ///< in French, when path is empty
};

/// One running Quillex per user: an exclusive flock() on a file of the user's own. The kernel
/// drops the lock with its process, so a lock file left behind, empty or holding anything,
/// never blocks a start; only a live process holding the lock does.
class SingleInstance {
  public:
    enum class Outcome {
        Acquired,       ///< this process holds the lock
        HeldElsewhere,  ///< another running process holds it: the start is refused
        Unavailable,    ///< the lock could not be used (see problem()): the program runs anyway
    };

    explicit SingleInstance(LockPath where = DefaultLockPath());
    ~SingleInstance();
    SingleInstance(const SingleInstance&) = delete;
    SingleInstance& operator=(const SingleInstance&) = delete;

    /// Takes the lock; asking again once it is held answers Acquired.
    Outcome acquire();
    /// Why the lock was unavailable, in French.
    const std::string& problem() const { return problem_; }

    /// "quillex.lock" in the user's runtime folder ($XDG_RUNTIME_DIR) when that is a folder of
    /// their own that no one else may enter; otherwise in "quillex-<uid>" under the temporary
    /// folder, created with mode 0700 and used only if it is the user's own real folder.
    static LockPath DefaultLockPath();
    /// The same choice for the given runtime folder (may be empty) and temporary folder.
    static LockPath LockPathFor(const std::filesystem::path& runtimeFolder,
                                const std::filesystem::path& tempFolder);

  private:
    LockPath where_;
    int descriptor_ = -1;
    std::string problem_;
};

}  // namespace quillex::ui
