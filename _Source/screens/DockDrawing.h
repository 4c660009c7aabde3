#pragma once
#include <array>
#include <cstdio>

// Drawing shared by the dock views: backgrounds, icons and lines of white text.
namespace dh {

class GLTexture;

// A printf line in a bounded buffer; longer results are cut short.
using DockLine = std::array<char, 64>;

template <typename... Args>
DockLine formatLine(const char* format, Args... args)
{
    DockLine line{};
    std::snprintf(line.data(), line.size(), format, args...);
    return line;
}

// Texturing and blending off, an opaque black quad.
void fillBlack(int x, int y, int width, int height);
// An opaque quad in the current colour, texturing and blending off.
void fillQuad(int left, int top, int right, int bottom);
// A square icon blended over what lies beneath, 0,0 of the texture at its top-left.
void drawIcon(const GLTexture* texture, int x, int y, int size);
// White text in the main font at size 8, or the big font at size 16.
void drawSmallText(const char* text, int x, int y);
void drawBigText(const char* text, int x, int y);
// The money icon and the credits as "Cr %1.2f" in big text.
void drawCredits(double credits, int iconX, int iconY, int textX, int textY);

}
