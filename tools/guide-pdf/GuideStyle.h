#pragma once

#include <QStringList>
#include <QtGlobal>

class QTextDocument;

namespace korvanta {

// Gives the guide, as the Markdown reader made it, the look of a printed manual: tables with
// thin ruled cells and a shaded heading row that repeats on a new page.
void StyleTables(QTextDocument &document);

// Sets code in Liberation Mono, whose lines are as high as those of the text (Liberation Sans),
// so a line with code keeps the spacing of its paragraph and the marker of its list item.
void UseMetricFonts(QTextDocument &document);

// Loads the pictures the guide names, looking in each folder in turn, and sizes them for the
// page: a screen picture is shown at three quarters of its size on a plain screen (its stored
// resolution tells how many pixels that screen had per inch), never wider than the text.
// Returns the names that were not found.
QStringList PlacePictures(QTextDocument &document, const QStringList &folders, qreal textWidth);

// Moves a heading to the next page when the first line after it would not be on its page, so
// no heading is left alone at the bottom of a page. Call once the page size is set.
void KeepHeadingsWithText(QTextDocument &document);

} // namespace korvanta
