#include "ui/common/TabPage.h"

#include <QLabel>
#include <QPushButton>

#include "ui/app/Appearance.h"

namespace quillex::ui {

QAbstractButton* TabPage::searchButton() const {
    return enterButton_;
}

QPushButton* TabPage::addSearchButton(const QString& accessibleName, const QRect& geometry) {
    auto* button = new QPushButton(QStringLiteral("Rechercher "), this);
    button->setObjectName(QStringLiteral("searchButton"));
    button->setAccessibleName(accessibleName);
    button->setGeometry(geometry);
    button->setFont(CalibriFont(12, true));
    button->setEnabled(false);
    enterButton_ = button;
    return button;
}

QLabel* TabPage::addCountLabel(const QRect& geometry) {
    auto* count = new QLabel(this);
    count->setObjectName(QStringLiteral("resultCount"));
    count->setGeometry(geometry);
    count->setFont(CalibriFont(12, true));
    return count;
}

}  // namespace quillex::ui
