#pragma once
#include "gui/GuiColour.h"

// The bevelled box shared by buttons, panels and the slider knob, and the
// user clip planes that keep captions and panel children inside their frames.
namespace dh {

class GLTexture;

// Factors applied to the widget's colour for each part of the bevel.
struct BevelShades {
    float fillTop;
    float fillBottom;
    float outerTopLeft;
    float innerTopLeft;
    float outerBottomRight;
    float innerBottomRight;
};

inline constexpr BevelShades kBevelButton{0.8f, 0.6f, 1.0f, 0.8f, 0.3f, 0.5f};
inline constexpr BevelShades kBevelButtonPressed{0.6f, 0.8f, 0.3f, 0.5f, 1.0f, 0.8f};
inline constexpr BevelShades kBevelRaised{0.6f, 0.8f, 1.0f, 0.8f, 0.3f, 0.5f};
inline constexpr BevelShades kBevelSunken{0.8f, 0.6f, 0.3f, 0.5f, 1.0f, 0.8f};

// Leaves texturing and blending as the caller set them (callers turn both off).
void drawBevel(const GuiColour& colour, int x, int y, int w, int h, const BevelShades& shades);

// A filled rectangle from (left, top) to (right, bottom), right and bottom exclusive.
void fillRect(int left, int top, int right, int bottom);

// A textured quad over the rectangle, texture coordinates 0,0 at the top-left.
void drawTexturedQuad(float x, float y, float w, float h);

// Binds a texture of the global list; a list not loaded leaves no texture bound.
void bindListTexture(const GLTexture* texture);

// Enables clip planes 0 to 3, keeping left <= x <= right and top <= y <= bottom
// in the current modelview coordinates.
void clipToRect(float left, float top, float right, float bottom);
void disableClipPlanes();

}
