#pragma once

#include <QTextBrowser>

#include "core/richtext/RichDocument.h"

namespace quillex::ui {

/// A read-only view of a rich-text document: paragraphs with their indents, spacing and
/// alignment; text in bold, italic, underlined, struck through, coloured and in sizes; web
/// addresses as links that report a click with addressClicked instead of opening anything.
class RichTextView : public QTextBrowser {
    Q_OBJECT
  public:
    explicit RichTextView(QWidget* parent = nullptr);

    /// Replaces what the view shows.
    void show(const RichDocument& document);
    using QTextBrowser::show;

  signals:
    /// A link was clicked (or activated from the keyboard): the address to open.
    void addressClicked(const QString& address);
};

}  // namespace quillex::ui
