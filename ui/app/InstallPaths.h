#pragma once

#include <filesystem>
#include <vector>

namespace quillex::ui {

// Where the program's files are once built or installed. Installed, the program is in
// <prefix>/bin and its data in <prefix>/share/quillex. Paths are the system's bytes: a folder
// name need not be UTF-8, and a decoded name could no longer be opened.

/// The program's own folder.
std::filesystem::path ProgramFolder();

/// Folders searched for the licence file, in order: the start folder, the program's folder, the
/// data folder installed beside the program's.
std::vector<std::filesystem::path> LicenceFolders();

/// Folders searched for the user guide from the program's folder, in order: the copy beside the
/// program in the build tree, the installed data folder, the documentation folder.
std::vector<std::filesystem::path> GuideFolders(const std::filesystem::path& programFolder);

}  // namespace quillex::ui
