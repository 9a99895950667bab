#include "about/AboutTab.h"

namespace quillex::ui {

AboutTab::AboutTab(TabContext& context, QWidget* parent) : TabPage(parent), context_(context) {
    timRtb_.setSingleShot(true);
}

void AboutTab::setTexts() {}

void AboutTab::armLicenceTimer() {
    timRtb_.start(500);
}

}  // namespace quillex::ui
