#include "ui/tabs/GroupHeader.h"

#include <QColor>
#include <QListWidgetItem>

namespace quillex::ui {

QListWidgetItem* GroupHeader(const QString& text) {
    auto* header = new QListWidgetItem(text);
    header->setFlags(Qt::NoItemFlags);
    header->setTextAlignment(Qt::AlignCenter);
    header->setForeground(QColor(128, 128, 128));
    QFont font = header->font();
    font.setItalic(true);
    header->setFont(font);
    return header;
}

bool IsGroupHeader(const QListWidgetItem& item) {
    return item.flags() == Qt::NoItemFlags;
}

}  // namespace quillex::ui
