#pragma once

// The virtual 800 x 600 space all GUI drawing and widget coordinates use. It
// is scaled uniformly to the window and anchored at the top-left corner: a
// wider window has spare room on the right, a taller one at the bottom.
namespace dh {

// The scale for a client area of width x height pixels.
float uiScaleFor(int width, int height);
// The scale for the window's current client area.
float uiScale();
// The window's client area in virtual pixels.
void uiSize(float& width, float& height);

// A client pixel position in virtual coordinates, truncated toward zero.
void toVirtual(int px, int py, float scale, int& x, int& y);

}
