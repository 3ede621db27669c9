#include "GuidePrinter.h"

#include <QAbstractTextDocumentLayout>
#include <QPainter>
#include <QPdfWriter>
#include <QTextDocument>
#include <QTextFrame>

#include "GuideStyle.h"

namespace korvanta {

namespace {

constexpr qreal kScreenDpi = 96;    // the document's units are pixels of a plain screen
constexpr qreal kFooterHeight = 28; // room for the page number, in the document's units

qreal Scale(const QPdfWriter &writer) {
    return writer.resolution() / kScreenDpi;
}

} // namespace

qreal GuideTextWidth(const QPdfWriter &writer) {
    return writer.width() / Scale(writer);
}

bool PrintGuide(QTextDocument &document, QPdfWriter &writer) {
    const qreal scale = Scale(writer);
    const QSizeF page(writer.width() / scale, writer.height() / scale - kFooterHeight);
    document.setDocumentMargin(0);
    document.setPageSize(page);
    KeepHeadingsWithText(document);

    QPainter painter;
    if (!painter.begin(&writer))
        return false;
    // The page number in the text's size; the painter works in the document's units.
    QFont numberFont = document.defaultFont();
    numberFont.setPixelSize(qRound(numberFont.pointSizeF() * kScreenDpi / 72));
    painter.setFont(numberFont);
    const int pages = document.pageCount();
    for (int index = 0; index < pages; ++index) {
        if (index > 0)
            writer.newPage();
        painter.save();
        painter.scale(scale, scale);
        // A picture moved to the next page starts on the page boundary: the clip ends just
        // above it, so no edge of it shows at the foot of this page.
        painter.setClipRect(QRectF(0, 0, page.width(), page.height() - 1));
        painter.translate(0, -index * page.height());
        QAbstractTextDocumentLayout::PaintContext context;
        context.clip = QRectF(QPointF(0, index * page.height()), page);
        document.documentLayout()->draw(&painter, context);
        painter.restore();
        painter.save();
        painter.scale(scale, scale);
        painter.setPen(QColor(0x60, 0x60, 0x60));
        painter.drawText(QRectF(0, page.height(), page.width(), kFooterHeight),
                         Qt::AlignRight | Qt::AlignBottom, QString::number(index + 1));
        painter.restore();
    }
    return painter.end();
}

} // namespace korvanta
