#pragma once

#include <QWidget>

class QAbstractButton;

namespace quillex::ui {

/// One page of the main window's tab control.
class TabPage : public QWidget {
  public:
    using QWidget::QWidget;

    /// The control that gets the focus when the tab is chosen; null for the tab captions.
    virtual QWidget* focusTarget() { return nullptr; }
    /// The button Enter runs when it is enabled; null when Enter does nothing on this tab.
    virtual QAbstractButton* searchButton() { return nullptr; }
};

}  // namespace quillex::ui
