#include "ui/about/RichTextView.h"

#include <QAbstractTextDocumentLayout>
#include <QScrollBar>
#include <QTextBlockFormat>
#include <QTextCursor>
#include <QTextDocument>

#include "core/richtext/RichTextReader.h"

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
    if (paragraph.firstLineIndent < 0) {
        // A hanging first line, as list items have: its first tab reaches the paragraph's left
        // indent, where the continuation lines start, as word processors set a bullet's text.
        // Tab positions count from the start of the line.
        format.setTabPositions(
            {QTextOption::Tab(-Pixels(paragraph.firstLineIndent), QTextOption::LeftTab)});
    }
    return format;
}

QTextCharFormat CharFormat(const RichRun& run, const QColor& linkColour) {
    QTextCharFormat format;
    format.setFontWeight(run.bold ? QFont::Bold : QFont::Normal);
    format.setFontItalic(run.italic);
    format.setFontUnderline(run.underline || !run.link.empty());
    format.setFontStrikeOut(run.strike);
    if (run.halfPoints > 0) format.setFontPointSize(run.halfPoints / 2.0);
    // The faces the program ships, metric-compatible with those the licence names.
    if (run.face == RichFace::Calibri)
        format.setFontFamilies(QStringList{QStringLiteral("Carlito"), QStringLiteral("Calibri")});
    else if (run.face == RichFace::Monospace)
        format.setFontFamilies(
            QStringList{QStringLiteral("Liberation Mono"), QStringLiteral("Courier New")});
    if (run.face == RichFace::Monospace) format.setFontFixedPitch(true);
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

std::unique_ptr<QTextDocument> RichTextView::MakeTextDocument(const RichDocument& document,
                                                              const QColor& linkColour,
                                                              int textWidth) {
    const auto made = [&] {
        auto shown = std::make_unique<QTextDocument>();
        shown->setUndoRedoEnabled(false);
        // In one edit block, so that the text is laid out once, at the end.
        QTextCursor cursor(shown.get());
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
        return shown;
    };
    // Laid out here, where it holds no window up, to check the height the reader estimated:
    // past a few million pixels a layout may never end. The layout holds this thread's font
    // engines, which end with the thread, so the document handed over is a fresh one.
    {
        const auto measured = made();
        measured->setTextWidth(textWidth);
        if (measured->documentLayout()->documentSize().height() > MaxRichTextHeightTwips / 15.0)
            return nullptr;
    }
    return made();
}

int RichTextView::textWidth() const {
    // The viewport's width beside a vertical scroll bar, which a licence needs: a hidden view
    // has its viewport sized only when shown.
    return width() - 2 * frameWidth() - verticalScrollBar()->sizeHint().width();
}

void RichTextView::setTextDocument(std::unique_ptr<QTextDocument> document) {
    document->setParent(this);
    setDocument(document.release());  // deletes the document shown before, a child of this view
    moveCursor(QTextCursor::Start);
}

bool RichTextView::display(const RichDocument& document) {
    auto shown = MakeTextDocument(document, palette().color(QPalette::Link), textWidth());
    if (!shown) return false;
    setTextDocument(std::move(shown));
    return true;
}

}  // namespace quillex::ui
