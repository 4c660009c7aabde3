#pragma once

namespace dh {

class GLFont;

// Draws a zero-terminated byte string with its pen at (x, y), top-left origin
// and y growing downwards in the caller's 2D projection. Every glyph is a
// size x size square and the pen advances by size; a line feed moves down one
// size and back to x. Nothing is drawn for a null font or text or a size <= 0.
void drawText(const GLFont* font, const char* text, float x, float y, float size, float r, float g, float b);

// Centres one line of text in the box with top-left corner (x, y), the pen
// position rounded to whole units.
void drawTextCentered(const GLFont* font, const char* text, float x, float y, float width, float height,
                      float size, float r, float g, float b);

}
