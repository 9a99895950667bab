#include "pattern/PatternTab.h"

namespace quillex::ui {

PatternTab::PatternTab(TabContext& context, QWidget* parent) : TabPage(parent), context_(context) {}

}  // namespace quillex::ui
