#include "flight/DockingComputer.h"

#include "rendering/GLFont.h"
#include "rendering/TextDrawing.h"

namespace dh {

namespace {

constexpr char kLabel[] = "DOCKING COMPUTER";
constexpr float kLabelSize = 16.0f;
// Below the lines that warnings and messages take at the top of the view, in
// the green of the console's speed bars.
constexpr float kLabelTop = 104.0f;

}

void DockingComputer::drawLabel(float width) const
{
    if (!engaged_) {
        return;
    }
    const float left = width * 0.5f - kLabelSize * 0.5f * static_cast<float>(sizeof kLabel - 1);
    drawText(g_fontBig, kLabel, left, kLabelTop, kLabelSize, 0.0f, 1.0f, 0.0f);
}

}
