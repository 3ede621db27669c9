#include "GuideStyle.h"

#include <QAbstractTextDocumentLayout>
#include <QDir>
#include <QFileInfo>
#include <QImage>
#include <QList>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextFrame>
#include <QTextLayout>
#include <QTextTable>
#include <QUrl>
#include <algorithm>
#include <cmath>

namespace korvanta {

namespace {

constexpr qreal kScreenDpi = 96;             // pixels per inch of a plain screen
constexpr qreal kPictureShrink = 0.75;       // screen pictures print at three quarters
constexpr qreal kDotsPerMeterPerDpi = 39.37; // a resolution in dots per metre, per dot per inch

void StyleTable(QTextTable &table) {
    const QColor rule(0x90, 0x98, 0xA0);
    QTextTableFormat format = table.format();
    format.setBorderCollapse(true);
    format.setBorder(1);
    format.setBorderBrush(rule);
    format.setCellSpacing(0);
    format.setCellPadding(4);
    format.setHeaderRowCount(1);
    format.setWidth(QTextLength(QTextLength::PercentageLength, 100));
    table.setFormat(format);
    for (int row = 0; row < table.rows(); ++row) {
        for (int column = 0; column < table.columns(); ++column) {
            QTextTableCell cell = table.cellAt(row, column);
            QTextTableCellFormat cellFormat = cell.format().toTableCellFormat();
            cellFormat.setBorder(1);
            cellFormat.setBorderBrush(rule);
            cellFormat.setBorderStyle(QTextFrameFormat::BorderStyle_Solid);
            if (row == 0)
                cellFormat.setBackground(QColor(0xE4, 0xEA, 0xF0));
            cell.setFormat(cellFormat);
        }
    }
}

void StyleTablesIn(QTextFrame &frame) {
    for (QTextFrame *child : frame.childFrames()) {
        if (auto *table = qobject_cast<QTextTable *>(child))
            StyleTable(*table);
        StyleTablesIn(*child);
    }
}

QString FindPicture(const QString &name, const QStringList &folders) {
    for (const QString &folder : folders) {
        const QString path = QDir(folder).filePath(name);
        if (QFileInfo::exists(path))
            return path;
    }
    return {};
}

// Width on the page, in the document's units (pixels of a plain screen).
qreal PictureWidth(const QImage &image, qreal textWidth) {
    const qreal dpi =
        image.dotsPerMeterX() > 0 ? image.dotsPerMeterX() / kDotsPerMeterPerDpi : kScreenDpi;
    return std::min(image.width() * kScreenDpi / dpi * kPictureShrink, textWidth);
}

} // namespace

void StyleTables(QTextDocument &document) {
    StyleTablesIn(*document.rootFrame());
}

void UseMetricFonts(QTextDocument &document) {
    // Gathered first: a new format changes the fragments being walked.
    QList<QPair<int, int>> code;
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next())
        for (auto it = block.begin(); !it.atEnd(); ++it)
            if (it.fragment().charFormat().fontFixedPitch())
                code.append({it.fragment().position(), it.fragment().length()});
    QTextCharFormat mono;
    mono.setFontFamilies(QStringList{QStringLiteral("Liberation Mono")});
    for (const auto &[position, length] : code) {
        QTextCursor cursor(&document);
        cursor.setPosition(position);
        cursor.setPosition(position + length, QTextCursor::KeepAnchor);
        cursor.mergeCharFormat(mono);
    }
}

QStringList PlacePictures(QTextDocument &document, const QStringList &folders, qreal textWidth) {
    // Gathered first: giving a picture its size changes the fragments being walked.
    struct Picture {
        int position;
        int length;
        QTextImageFormat format;
    };
    QList<Picture> pictures;
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next())
        for (auto it = block.begin(); !it.atEnd(); ++it)
            if (it.fragment().charFormat().isImageFormat())
                pictures.append({it.fragment().position(), it.fragment().length(),
                                 it.fragment().charFormat().toImageFormat()});
    QStringList missing;
    for (Picture &picture : pictures) {
        const QString path = FindPicture(picture.format.name(), folders);
        const QImage image(path);
        if (path.isEmpty() || image.isNull()) {
            missing << picture.format.name();
            continue;
        }
        document.addResource(QTextDocument::ImageResource, QUrl(picture.format.name()), image);
        const qreal width = PictureWidth(image, textWidth);
        picture.format.setWidth(width);
        picture.format.setHeight(width * image.height() / image.width());
        QTextCursor cursor(&document);
        cursor.setPosition(picture.position);
        cursor.setPosition(picture.position + picture.length, QTextCursor::KeepAnchor);
        cursor.setCharFormat(picture.format);
    }
    return missing;
}

void KeepHeadingsWithText(QTextDocument &document) {
    const qreal pageHeight = document.pageSize().height();
    QAbstractTextDocumentLayout *layout = document.documentLayout();
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        const QTextBlock next = block.next();
        if (block.blockFormat().headingLevel() == 0 || !next.isValid())
            continue;
        const qreal headingTop = layout->blockBoundingRect(block).top();
        const QTextLine firstLine =
            next.layout()->lineCount() ? next.layout()->lineAt(0) : QTextLine();
        const qreal textBottom = layout->blockBoundingRect(next).top() +
                                 (firstLine.isValid() ? firstLine.rect().bottom() : 0);
        if (std::floor(headingTop / pageHeight) == std::floor(textBottom / pageHeight))
            continue;
        QTextBlockFormat format = block.blockFormat();
        format.setPageBreakPolicy(QTextFormat::PageBreak_AlwaysBefore);
        QTextCursor(block).setBlockFormat(format);
    }
}

} // namespace korvanta
