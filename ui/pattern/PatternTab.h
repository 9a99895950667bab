#pragma once

#include "mainwindow/TabContext.h"
#include "mainwindow/TabPage.h"

namespace quillex::ui {

class PatternTab : public TabPage {
    Q_OBJECT
  public:
    explicit PatternTab(TabContext& context, QWidget* parent = nullptr);

  private:
    TabContext& context_;
};

}  // namespace quillex::ui
