#include "ui/app/AppConstants.h"

#include <system_error>

namespace quillex::ui {
namespace {

std::filesystem::path& StartFolderValue() {
    static std::filesystem::path folder;
    return folder;
}

}  // namespace

const std::filesystem::path& StartFolder() {
    return StartFolderValue();
}

void SetStartFolder() {
    std::error_code error;  // a folder removed under the program leaves the start folder empty
    StartFolderValue() = std::filesystem::current_path(error);
}

}  // namespace quillex::ui
