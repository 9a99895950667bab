#pragma once

#include "core/wordlists/Dictionaries.h"
#include "ui/platform/Platform.h"

class QWidget;

namespace quillex::ui {

/// Window state the tabs share.
struct SharedWindowState {
    /// The next copy of a result, from either result list, shows the copy notice.
    bool copyNoticePending = true;
};

/// What every tab is built with.
struct TabContext {
    const Dictionaries& dictionaries;
    Platform platform;
    SharedWindowState& state;
    /// The main window, for the whole-window disabling and its pointer.
    QWidget* window;
};

}  // namespace quillex::ui
