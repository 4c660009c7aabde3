#include "flight/HudMessages.h"

#include "rendering/GLFont.h"
#include "rendering/TextDrawing.h"

#include <cstring>

namespace dh {

namespace {

constexpr float kLabel[3] = {1.0f, 1.0f, 0.6f};
// Under the incoming-missile warning, which sits at 32.
constexpr float kTitleTop = 64.0f;
constexpr float kTextTop = 88.0f;

void centred(const GLFont* font, const char* text, float width, float top, float size)
{
    const float left = width * 0.5f - size * 0.5f * static_cast<float>(std::strlen(text));
    drawText(font, text, left, top, size, kLabel[0], kLabel[1], kLabel[2]);
}

}

void HudMessages::post(const Refusal& refusal)
{
    refusal_ = refusal;
    remaining_ = kShowSeconds;
}

void HudMessages::update(float seconds)
{
    remaining_ -= seconds;
}

const Refusal* HudMessages::shown() const
{
    return remaining_ > 0.0f ? &refusal_ : nullptr;
}

void HudMessages::draw(float width) const
{
    const Refusal* refusal = shown();
    if (refusal == nullptr) {
        return;
    }
    centred(g_fontBig, refusal->title, width, kTitleTop, 16.0f);
    centred(g_fontMain, refusal->text, width, kTextTop, 8.0f);
}

}
