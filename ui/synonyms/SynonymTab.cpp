#include "synonyms/SynonymTab.h"

namespace quillex::ui {

SynonymTab::SynonymTab(TabContext& context, QWidget* parent) : TabPage(parent), context_(context) {}

}  // namespace quillex::ui
