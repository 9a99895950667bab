#pragma once

#include <QWidget>

class QAbstractButton;
class QLabel;
class QPushButton;

namespace quillex::ui {

/// One page of the main window's tab control.
class TabPage : public QWidget {
    Q_OBJECT
  public:
    using QWidget::QWidget;

    /// The control that gets the focus when the tab is chosen; null for the tab captions.
    QWidget* focusTarget() const { return focusTarget_; }
    /// The button Enter runs when it is enabled; null when Enter does nothing on this tab.
    QAbstractButton* searchButton() const;

  signals:
    /// A search, a look-up or a listing has ended and shows its result.
    void searched();

  protected:
    void setFocusTarget(QWidget* target) { focusTarget_ = target; }
    /// The tab's "Rechercher " button, disabled until there is something to search; Enter runs it.
    QPushButton* addSearchButton(const QString& accessibleName, const QRect& geometry);
    /// The bold line that tells what a search found.
    QLabel* addCountLabel(const QRect& geometry);

  private:
    QWidget* focusTarget_ = nullptr;
    QPushButton* enterButton_ = nullptr;
};

}  // namespace quillex::ui
