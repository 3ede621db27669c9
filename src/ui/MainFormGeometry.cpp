#include "ui/MainFormGeometry.h"

#include <algorithm>

namespace korvanta {

namespace {
constexpr int kToggleDesignWidth = 65;
constexpr int kPictureDesignWidth = 280;
constexpr int kPictureDesignHeight = 170;
constexpr int kStripDesignHeight = 22;
constexpr int kButtonDesignHeight = 25;
} // namespace

uint8_t DisplayScaleFromToggleWidth(int toggleWidth) {
    const int scale = toggleWidth * 100 / kToggleDesignWidth;
    return static_cast<uint8_t>(std::clamp(scale, 1, 255));
}

MainFormGeometry ComputeMainFormGeometry(int width, int height, int band, int bandRight,
                                         int scale) {
    MainFormGeometry g;
    g.scale = scale;
    const int d8 = g.Scaled(8);
    g.rule1X = width * 100 / 356;
    g.rule2X = width * 100 / 162;
    g.ruleTop = band + d8;
    g.ruleHeight = height - band - g.Scaled(80);
    const int stripHeight = g.Scaled(kStripDesignHeight);
    g.strips[0] = {d8, g.ruleTop, g.rule1X - 2 * d8, stripHeight};
    g.strips[1] = {g.rule1X + d8, g.ruleTop, g.rule2X - g.rule1X - 2 * d8, stripHeight};
    g.strips[2] = {g.rule2X + d8, g.ruleTop, bandRight - g.rule2X - 2 * d8, stripHeight};
    g.titleInset = d8;
    g.titleY = band + g.Scaled(10);
    // Windows of every supported size keep this row well inside 16 bits; it is not wrapped.
    g.rowR = band + g.Scaled(38);
    g.addCycleY = band + g.Scaled(64);
    g.cutRowY = band + g.Scaled(96);
    g.buttonHeight = g.Scaled(kButtonDesignHeight);
    g.listTop = g.cutRowY + g.buttonHeight + g.Scaled(4);
    g.editorX = g.rule2X + d8;
    g.statusPanel1 = width * 100 / 200;
    g.statusPanel2 = width * 100 / 442;
    return g;
}

MainFormBox FitPicture(int scale, int availableWidth, int availableHeight) {
    int w = std::min(kPictureDesignWidth * scale / 100, std::max(availableWidth, 0));
    int h = w * kPictureDesignHeight / kPictureDesignWidth;
    if (h > availableHeight) {
        h = std::max(availableHeight, 0);
        w = h * kPictureDesignWidth / kPictureDesignHeight;
    }
    return {0, 0, w, h};
}

} // namespace korvanta
