#pragma once

#include "platform/ClipboardService.h"
#include "platform/MessageService.h"
#include "platform/PointerService.h"
#include "platform/ShellService.h"

namespace quillex::ui {

/// The platform services the windows use, handed to each window at construction.
struct Platform {
    MessageService& messages;
    ClipboardService& clipboard;
    ShellService& shell;
    PointerService& pointer;
};

}  // namespace quillex::ui
