#pragma once

#include "tabs/TabContext.h"
#include "tabs/TabPage.h"

class QListWidget;

namespace quillex::ui {

/// The "2,3 lettres" tab: the glossary of the two- and three-letter words, one line per item.
class GlossaryTab : public TabPage {
    Q_OBJECT
  public:
    explicit GlossaryTab(TabContext& context, QWidget* parent = nullptr);

    /// Lists every glossary line, in stored order, exactly as stored; run once at start-up.
    void fill();

  private:
    TabContext& context_;
    QListWidget* glossaryList_ = nullptr;
};

}  // namespace quillex::ui
