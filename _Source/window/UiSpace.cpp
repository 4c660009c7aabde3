#include "window/UiSpace.h"

#include "window/GLWindow.h"

namespace dh {

float uiScaleFor(int width, int height)
{
    // An empty client area (a minimised window) keeps the reference scale
    // instead of a zero that would make every pointer position infinite.
    if (width <= 0 || height <= 0)
        return 1.0f;
    const float w = static_cast<float>(width);
    const float h = static_cast<float>(height);
    if (w / h > 4.0f / 3.0f)
        return h * (1.0f / 600.0f);
    return w * (1.0f / 800.0f);
}

float uiScale()
{
    return uiScaleFor(clientWidth(), clientHeight());
}

void uiSize(float& width, float& height)
{
    const float s = uiScale();
    width = static_cast<float>(clientWidth()) / s;
    height = static_cast<float>(clientHeight()) / s;
}

void toVirtual(int px, int py, float scale, int& x, int& y)
{
    const float inverse = 1.0f / scale;
    x = static_cast<int>(static_cast<float>(px) * inverse);
    y = static_cast<int>(static_cast<float>(py) * inverse);
}

}
