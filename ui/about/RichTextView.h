#pragma once

#include <QTextBrowser>
#include <memory>

#include "core/richtext/RichDocument.h"

class QTextDocument;

namespace quillex::ui {

/// A read-only view of a rich-text document: paragraphs with their indents, spacing and
/// alignment; text in bold, italic, underlined, struck through, coloured, in sizes and in the
/// shipped faces; web addresses as links that report a click with addressClicked instead of
/// opening anything.
class RichTextView : public QTextBrowser {
    Q_OBJECT
  public:
    explicit RichTextView(QWidget* parent = nullptr);

    /// The text document a view `textWidth` pixels wide shows for `document`, not laid out.
    /// Made in any thread (a document not yet shown belongs to no widget), where a copy is laid
    /// out to measure it: none when it is taller than MaxRichTextHeightTwips.
    static std::unique_ptr<QTextDocument> MakeTextDocument(const RichDocument& document,
                                                           const QColor& linkColour, int textWidth);
    /// The width a text document made for this view is laid out at.
    int textWidth() const;

    /// Replaces what the view shows with a document made by MakeTextDocument, in this thread.
    void setTextDocument(std::unique_ptr<QTextDocument> document);
    /// Makes the document for `document` here and shows it; false, showing it not, when it is
    /// too tall.
    bool display(const RichDocument& document);

  signals:
    /// A link was clicked (or activated from the keyboard): the address to open.
    void addressClicked(const QString& address);
};

}  // namespace quillex::ui
