#include "ui/app/InstallPaths.h"

#include <QCoreApplication>
#include <QFile>
#include <system_error>

#include "ui/app/AppConstants.h"

namespace quillex::ui {

std::filesystem::path ProgramFolder() {
    // The program's own path as the kernel has it, bytes and all; Qt's decoded one is the
    // fallback where /proc is missing.
    std::error_code error;
    std::filesystem::path folder =
        std::filesystem::read_symlink("/proc/self/exe", error).parent_path();
    if (error || folder.empty())
        folder = QFile::encodeName(QCoreApplication::applicationDirPath()).toStdString();
    return folder;
}

std::vector<std::filesystem::path> LicenceFolders() {
    const std::filesystem::path programFolder = ProgramFolder();
    return {StartFolder(), programFolder,
            (programFolder / ".." / "share" / "quillex").lexically_normal()};
}

std::vector<std::filesystem::path> GuideFolders(const std::filesystem::path& programFolder) {
    // The build copies the guide beside the program. Installed, the guide is in the program's
    // own data folder, found first because a system may leave out the documentation folder,
    // where a copy is kept for reading it without the program.
    const std::filesystem::path share = programFolder / ".." / "share";
    return {programFolder / "guide", (share / "quillex" / "guide").lexically_normal(),
            (share / "doc" / "quillex" / "guide").lexically_normal()};
}

}  // namespace quillex::ui
