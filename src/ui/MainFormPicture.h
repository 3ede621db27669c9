#pragma once

#include <QPixmap>

namespace korvanta {

// The decorative picture of the main window (and the About box): a washer-extractor drawn at
// 280 x 170, the size it has at 100 % display scale.
QPixmap DrawMachinePicture();

} // namespace korvanta
