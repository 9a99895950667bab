#pragma once

#include "ui/platform/ClipboardService.h"
#include "ui/platform/MessageService.h"
#include "ui/platform/PointerService.h"
#include "ui/platform/ShellService.h"

namespace quillex::ui {

/// The platform services the windows use, handed to each window at construction.
struct Platform {
    MessageService& messages;
    ClipboardService& clipboard;
    ShellService& shell;
    PointerService& pointer;
};

}  // namespace quillex::ui
