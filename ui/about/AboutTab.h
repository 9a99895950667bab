#pragma once

#include <QTimer>

#include "mainwindow/TabContext.h"
#include "mainwindow/TabPage.h"

namespace quillex::ui {

/// The "A propos" tab.
class AboutTab : public TabPage {
    Q_OBJECT
  public:
    explicit AboutTab(TabContext& context, QWidget* parent = nullptr);

    /// Sets the version and description texts; run once at start-up.
    void setTexts();
    /// Arms the timer that loads the licence text half a second later.
    void armLicenceTimer();

  private:
    TabContext& context_;
    QTimer timRtb_;
};

}  // namespace quillex::ui
