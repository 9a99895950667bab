#include "scrabble/ScrabbleTab.h"

namespace quillex::ui {

ScrabbleTab::ScrabbleTab(TabContext& context, QWidget* parent)
    : TabPage(parent), context_(context) {}

}  // namespace quillex::ui
