#include "print/DrawOp.h"

namespace korvanta {

namespace {

std::string Numbers(std::initializer_list<int> values) {
    std::string text;
    for (int value : values)
        text += " " + std::to_string(value);
    return text;
}

} // namespace

std::string DrawOpText(const DrawOp &op) {
    switch (op.kind) {
    case DrawKind::NewPage:
        return "page";
    case DrawKind::Font:
        return "font " + std::to_string(op.size) + (op.bold ? " bold" : " regular");
    case DrawKind::Text:
        return "text" + Numbers({op.x, op.y}) + " " + op.text;
    case DrawKind::TextRight:
        return "right" + Numbers({op.x, op.y}) + " " + op.text;
    case DrawKind::Line:
        return "line" + Numbers({op.x, op.y, op.x2, op.y2, op.size});
    case DrawKind::Profile:
        return "profile" + Numbers({op.x, op.y, op.x2, op.y2}) + " cycle " +
               std::to_string(op.cycleStart);
    }
    return "";
}

} // namespace korvanta
