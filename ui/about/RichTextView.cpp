#include "about/RichTextView.h"

#include <QTextCursor>

namespace quillex::ui {

RichTextView::RichTextView(QWidget* parent) : QTextEdit(parent) {
    setReadOnly(true);
    setUndoRedoEnabled(false);
}

void RichTextView::show(const RichDocument& document) {
    clear();
    QTextCursor cursor(this->document());
    bool first = true;
    for (const RichParagraph& paragraph : document.paragraphs) {
        if (!first) cursor.insertBlock();
        first = false;
        for (const RichRun& run : paragraph.runs) {
            QTextCharFormat format;
            format.setFontWeight(run.bold ? QFont::Bold : QFont::Normal);
            format.setFontItalic(run.italic);
            format.setFontUnderline(run.underline);
            if (run.halfPoints > 0) format.setFontPointSize(run.halfPoints / 2.0);
            cursor.insertText(QString::fromStdU16String(run.text), format);
        }
    }
    moveCursor(QTextCursor::Start);
}

}  // namespace quillex::ui
