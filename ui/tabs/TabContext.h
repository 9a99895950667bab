#pragma once

#include "ui/platform/Platform.h"
#include "core/wordlists/Dictionaries.h"

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
    /// The out-of-view box that takes the focus when no visible control should show it.
    QWidget* focusSink;
    /// The main window, for the whole-window disabling and its pointer.
    QWidget* window;
};

}  // namespace quillex::ui
