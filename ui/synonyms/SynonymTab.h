#pragma once

#include "mainwindow/TabContext.h"
#include "mainwindow/TabPage.h"

namespace quillex::ui {

class SynonymTab : public TabPage {
    Q_OBJECT
  public:
    explicit SynonymTab(TabContext& context, QWidget* parent = nullptr);

  private:
    TabContext& context_;
};

}  // namespace quillex::ui
