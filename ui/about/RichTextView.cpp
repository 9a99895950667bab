#include "ui/about/RichTextView.h"

#include <QTextBlockFormat>
#include <QTextCursor>
#include <QTextDocument>

namespace quillex::ui {
namespace {

// RTF lengths are in twips; the window's geometry converts at 15 twips per pixel.
qreal Pixels(int twips) {
    return twips / 15.0;
}

Qt::Alignment ToQt(RichAlignment alignment) {
    switch (alignment) {
        case RichAlignment::Centre:
            return Qt::AlignHCenter;
        case RichAlignment::Right:
            return Qt::AlignRight;
        case RichAlignment::Justified:
            return Qt::AlignJustify;
        case RichAlignment::Left:
            break;
    }
    return Qt::AlignLeft;
}

QTextBlockFormat BlockFormat(const RichParagraphFormat& paragraph) {
    QTextBlockFormat format;
    format.setLeftMargin(Pixels(paragraph.leftIndent));
    format.setRightMargin(Pixels(paragraph.rightIndent));
    format.setTextIndent(Pixels(paragraph.firstLineIndent));
    format.setTopMargin(Pixels(paragraph.spaceBefore));
    format.setBottomMargin(Pixels(paragraph.spaceAfter));
    format.setAlignment(ToQt(paragraph.alignment));
    return format;
}

QTextCharFormat CharFormat(const RichRun& run, const QColor& linkColour) {
    QTextCharFormat format;
    format.setFontWeight(run.bold ? QFont::Bold : QFont::Normal);
    format.setFontItalic(run.italic);
    format.setFontUnderline(run.underline || !run.link.empty());
    format.setFontStrikeOut(run.strike);
    if (run.halfPoints > 0) format.setFontPointSize(run.halfPoints / 2.0);
    if (run.colour)
        format.setForeground(QColor(run.colour->red, run.colour->green, run.colour->blue));
    else if (!run.link.empty())
        format.setForeground(linkColour);
    if (!run.link.empty()) {
        format.setAnchor(true);
        format.setAnchorHref(QString::fromStdU16String(run.link));
    }
    return format;
}

}  // namespace

RichTextView::RichTextView(QWidget* parent) : QTextBrowser(parent) {
    setUndoRedoEnabled(false);
    // Links are the program's to open, through its shell service.
    setOpenLinks(false);
    setOpenExternalLinks(false);
    connect(this, &QTextBrowser::anchorClicked, this,
            [this](const QUrl& address) { emit addressClicked(address.toString()); });
}

void RichTextView::show(const RichDocument& document) {
    // Filled away from the view and in one edit block, so that the text is laid out once, at
    // the end, instead of after every insertion.
    auto* shown = new QTextDocument(this);
    shown->setUndoRedoEnabled(false);
    const QColor linkColour = palette().color(QPalette::Link);
    QTextCursor cursor(shown);
    cursor.beginEditBlock();
    bool first = true;
    for (const RichParagraph& paragraph : document.paragraphs) {
        if (first)
            cursor.setBlockFormat(BlockFormat(paragraph.format));
        else
            cursor.insertBlock(BlockFormat(paragraph.format));
        first = false;
        for (const RichRun& run : paragraph.runs)
            cursor.insertText(QString::fromStdU16String(run.text), CharFormat(run, linkColour));
    }
    cursor.endEditBlock();
    setDocument(shown);  // deletes the document shown before, a child of this view too
    moveCursor(QTextCursor::Start);
}

}  // namespace quillex::ui
