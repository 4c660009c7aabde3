#include "flight/DockingComputer.h"

#include "rendering/GLFont.h"
#include "rendering/TextDrawing.h"

namespace dh {

namespace {

constexpr char kLabel[] = "DOCKING COMPUTER";
constexpr float kLabelSize = 16.0f;
// Under the incoming-missile warning, which takes the line at 32; in the
// green of the console's speed bars.
constexpr float kLabelTop = 56.0f;

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
