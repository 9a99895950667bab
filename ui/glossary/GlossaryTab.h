#pragma once

#include <QString>

#include "ui/common/TabContext.h"
#include "ui/common/TabPage.h"

class QLineEdit;

namespace quillex::ui {

class ResultList;

/// The "2,3 lettres" tab: the glossary of the two- and three-letter words, one line per item,
/// narrowed to the words that begin with the text of its filter box.
class GlossaryTab : public TabPage {
    Q_OBJECT
  public:
    explicit GlossaryTab(TabContext& context, QWidget* parent = nullptr);

    /// Lists every glossary line, in stored order, exactly as stored; run once at start-up.
    void fill();

  private:
    void showLinesBeginningWith(const QString& typed);

    TabContext& context_;
    QLineEdit* filterBox_ = nullptr;
    ResultList* glossaryList_ = nullptr;
};

}  // namespace quillex::ui
