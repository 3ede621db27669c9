#include "ui/ReportPainter.h"

#include <QFont>
#include <QPainter>
#include <QPen>
#include <QPrinter>

#include "platform/Cp1252.h"
#include "print/ReportTexts.h"

namespace korvanta {

namespace {

constexpr int kTextFlags = Qt::AlignTop | Qt::TextSingleLine | Qt::TextDontClip;

class OpPainter {
public:
    OpPainter(QPainter &painter, QPrinter &printer) : painter_(painter), printer_(printer) {}

    bool Paint(const DrawOp &op) {
        switch (op.kind) {
        case DrawKind::NewPage:
            return printer_.newPage();
        case DrawKind::Font:
            SetFont(op);
            break;
        case DrawKind::Text:
            painter_.drawText(QRect(op.x, op.y, Room(), Room()), Qt::AlignLeft | kTextFlags,
                              FromCp1252(op.text));
            break;
        case DrawKind::TextRight:
            painter_.drawText(QRect(op.x - Room(), op.y, Room(), Room()),
                              Qt::AlignRight | kTextFlags, FromCp1252(op.text));
            break;
        case DrawKind::Line:
            painter_.setPen(QPen(Qt::black, op.size, Qt::SolidLine, Qt::FlatCap));
            painter_.drawLine(op.x, op.y, op.x2, op.y2);
            break;
        }
        return true;
    }

private:
    // Room enough for any line of text: the whole page width.
    int Room() const { return printer_.width(); }

    void SetFont(const DrawOp &op) {
        QFont font = painter_.font();
        font.setPointSize(op.size > 0 ? op.size : 1);
        font.setBold(op.bold);
        painter_.setFont(font);
    }

    QPainter &painter_;
    QPrinter &printer_;
};

} // namespace

ReportPage PrinterPage(const QPrinter &printer) {
    return ReportPage{printer.width(), printer.height(), printer.resolution()};
}

bool PaintReport(QPrinter &printer, const std::vector<DrawOp> &ops) {
    printer.setDocName(QString::fromStdString(ReportProgramTitle()));
    QPainter painter;
    if (!painter.begin(&printer))
        return false;
    painter.setPen(Qt::black);
    painter.setBrush(Qt::white);
    OpPainter draw(painter, printer);
    bool ok = true;
    for (const DrawOp &op : ops) {
        ok = draw.Paint(op) && printer.printerState() != QPrinter::Error;
        if (!ok)
            break;
    }
    if (!ok)
        printer.abort();
    painter.end();
    return ok && printer.printerState() != QPrinter::Error;
}

} // namespace korvanta
