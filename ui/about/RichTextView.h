#pragma once

#include <QTextEdit>

#include "richtext/RichDocument.h"

namespace quillex::ui {

/// A read-only view of a rich-text document: paragraphs with bold, italic, underline and sizes.
class RichTextView : public QTextEdit {
    Q_OBJECT
  public:
    explicit RichTextView(QWidget* parent = nullptr);

    /// Replaces what the view shows.
    void show(const RichDocument& document);
    using QTextEdit::show;
};

}  // namespace quillex::ui
