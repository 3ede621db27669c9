#pragma once

#include <QtGlobal>

class QPdfWriter;
class QTextDocument;

namespace korvanta {

// Lays the document out on the writer's pages (inside its margins, less a line at the foot for
// the page number) and prints it, numbering the pages. False when nothing could be drawn.
bool PrintGuide(QTextDocument &document, QPdfWriter &writer);

// The width of the text on the writer's page, in the document's units.
qreal GuideTextWidth(const QPdfWriter &writer);

} // namespace korvanta
