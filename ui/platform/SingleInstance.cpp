#include "ui/platform/SingleInstance.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>

namespace quillex::ui {
namespace {

const char* const kLockName = "quillex.lock";

std::string Cause(int error) {
    switch (error) {
        case EACCES:
        case EPERM:
            return "accès refusé";
        case EROFS:
            return "système de fichiers en lecture seule";
        case ENOSPC:
        case EDQUOT:
            return "disque plein";
        case ENOENT:
        case ENOTDIR:
            return "dossier introuvable";
        case ELOOP:
            return "lien symbolique refusé";
        case EISDIR:
            return "un dossier porte ce nom";
        case ENOLCK:
            return "verrous non pris en charge";
        default:
            return "erreur système " + std::to_string(error);
    }
}

std::string Quoted(const std::filesystem::path& path) {
    return "« " + path.string() + " »";
}

// A folder only this user can enter and change: not a link, owned by them, mode 0700.
bool IsPrivateFolder(const std::filesystem::path& folder) {
    struct stat status {};
    return ::lstat(folder.c_str(), &status) == 0 && S_ISDIR(status.st_mode) &&
           status.st_uid == ::geteuid() && (status.st_mode & 077) == 0;
}

}  // namespace

SingleInstance::SingleInstance(LockPath where) : where_(std::move(where)) {}

SingleInstance::~SingleInstance() {
    if (descriptor_ >= 0) ::close(descriptor_);  // the lock goes with the descriptor
}

LockPath SingleInstance::DefaultLockPath() {
    const char* runtime = std::getenv("XDG_RUNTIME_DIR");
    std::error_code error;
    std::filesystem::path temp = std::filesystem::temp_directory_path(error);
    if (error) temp = "/tmp";
    return LockPathFor(runtime ? runtime : "", temp);
}

LockPath SingleInstance::LockPathFor(const std::filesystem::path& runtimeFolder,
                                     const std::filesystem::path& tempFolder) {
    if (runtimeFolder.is_absolute() && IsPrivateFolder(runtimeFolder))
        return {runtimeFolder / kLockName, {}};
    // A name of the user's own, so that no one else can take it first; and if someone did,
    // the checks below refuse their folder rather than share it.
    const auto folder = tempFolder / ("quillex-" + std::to_string(::geteuid()));
    if (::mkdir(folder.c_str(), 0700) != 0 && errno != EEXIST)
        return {{},
                "dossier privé " + Quoted(folder) + " impossible à créer (" + Cause(errno) + ")"};
    struct stat status {};
    if (::lstat(folder.c_str(), &status) != 0 || !S_ISDIR(status.st_mode) ||
        status.st_uid != ::geteuid())
        return {{}, Quoted(folder) + " n'est pas un dossier de l'utilisateur"};
    if ((status.st_mode & 077) != 0 && ::chmod(folder.c_str(), 0700) != 0)
        return {{}, Quoted(folder) + " est ouvert aux autres utilisateurs (" + Cause(errno) + ")"};
    return {folder / kLockName, {}};
}

SingleInstance::Outcome SingleInstance::acquire() {
    if (descriptor_ >= 0) return Outcome::Acquired;
    if (where_.path.empty()) {
        problem_ = where_.problem;
        return Outcome::Unavailable;
    }
    const int descriptor =
        ::open(where_.path.c_str(), O_RDWR | O_CREAT | O_NOFOLLOW | O_CLOEXEC | O_NOCTTY, 0600);
    if (descriptor < 0) {
        problem_ = "verrou " + Quoted(where_.path) + " impossible à ouvrir (" + Cause(errno) + ")";
        return Outcome::Unavailable;
    }
    struct stat status {};
    if (::fstat(descriptor, &status) != 0 || !S_ISREG(status.st_mode) ||
        status.st_uid != ::geteuid()) {
        ::close(descriptor);
        problem_ = "verrou " + Quoted(where_.path) + " : pas un fichier de l'utilisateur";
        return Outcome::Unavailable;
    }
    if (::flock(descriptor, LOCK_EX | LOCK_NB) != 0) {
        const int error = errno;
        ::close(descriptor);
        if (error == EWOULDBLOCK) return Outcome::HeldElsewhere;
        problem_ = "verrou " + Quoted(where_.path) + " impossible à poser (" + Cause(error) + ")";
        return Outcome::Unavailable;
    }
    descriptor_ = descriptor;
    // The process id is only a help to whoever looks at the file; a full disk may refuse it.
    const std::string pid = std::to_string(::getpid()) + '\n';
    if (::ftruncate(descriptor, 0) == 0) (void)!::pwrite(descriptor, pid.data(), pid.size(), 0);
    return Outcome::Acquired;
}

}  // namespace quillex::ui
