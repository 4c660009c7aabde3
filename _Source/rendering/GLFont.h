#pragma once
#include "rendering/GLTexture.h"

#include <memory>
#include <string>

namespace dh {

// A monospaced bitmap font: one sheet of 16 x 16 glyph cells, the byte value
// giving the cell (column = byte mod 16, row = byte div 16, row 0 at the top).
class GLFont {
public:
    explicit GLFont(const std::string& fileName) : texture(std::make_unique<GLTexture>(fileName)) {}

    std::unique_ptr<GLTexture> texture;
};

// "fnt/main.tga" for ordinary text, "fnt/big.tga" for headings and figures;
// null before loadFonts and after releaseFonts.
extern GLFont* g_fontMain;
extern GLFont* g_fontBig;

void loadFonts();
void releaseFonts();

}
