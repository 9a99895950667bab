#pragma once

#include "mainwindow/TabContext.h"
#include "mainwindow/TabPage.h"

namespace quillex::ui {

class ScrabbleTab : public TabPage {
    Q_OBJECT
  public:
    explicit ScrabbleTab(TabContext& context, QWidget* parent = nullptr);

  private:
    TabContext& context_;
};

}  // namespace quillex::ui
