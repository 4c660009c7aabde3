#include "PaintText.h"

#include <ft2build.h>
#include FT_FREETYPE_H

#include <stdexcept>

namespace gfxgen {

struct FontFace::Library {
    FT_Library library = nullptr;
    FT_Face face = nullptr;
    ~Library()
    {
        if (face)
            FT_Done_Face(face);
        if (library)
            FT_Done_FreeType(library);
    }
};

FontFace::FontFace(const std::filesystem::path& file, int pixelSize, int pixelWidth) : lib_(std::make_unique<Library>())
{
    if (FT_Init_FreeType(&lib_->library) != 0)
        throw std::runtime_error("FreeType did not start");
    if (FT_New_Face(lib_->library, file.c_str(), 0, &lib_->face) != 0)
        throw std::runtime_error("cannot open font " + file.string());
    if (FT_Set_Pixel_Sizes(lib_->face, static_cast<FT_UInt>(pixelWidth), static_cast<FT_UInt>(pixelSize)) != 0)
        throw std::runtime_error("cannot size font " + file.string());
}

FontFace::~FontFace() = default;

GlyphBitmap FontFace::glyph(unsigned long codePoint) const
{
    FT_Face face = lib_->face;
    if (FT_Load_Char(face, codePoint, FT_LOAD_RENDER | FT_LOAD_TARGET_NORMAL) != 0)
        throw std::runtime_error("cannot render a glyph");
    const FT_GlyphSlot slot = face->glyph;
    GlyphBitmap g;
    g.left = slot->bitmap_left;
    g.top = slot->bitmap_top;
    g.width = static_cast<int>(slot->bitmap.width);
    g.height = static_cast<int>(slot->bitmap.rows);
    g.advance = static_cast<int>((slot->advance.x + 32) >> 6);
    g.coverage.resize(static_cast<size_t>(g.width) * g.height);
    for (int y = 0; y < g.height; ++y)
        for (int x = 0; x < g.width; ++x)
            g.coverage[static_cast<size_t>(y) * g.width + x] = slot->bitmap.buffer[y * slot->bitmap.pitch + x];
    return g;
}

int FontFace::textWidth(const std::string& text) const
{
    int width = 0;
    for (unsigned char c : text)
        width += glyph(c).advance;
    return width;
}

int FontFace::draw(Image& image, const std::string& text, int x, int baseline, Colour colour) const
{
    for (unsigned char c : text) {
        const GlyphBitmap g = glyph(c);
        for (int y = 0; y < g.height; ++y)
            for (int i = 0; i < g.width; ++i) {
                const uint8_t v = g.coverage[static_cast<size_t>(y) * g.width + i];
                if (v)
                    image.put(x + g.left + i, baseline - g.top + y, colour, v / 255.0f, Blend::Over);
            }
        x += g.advance;
    }
    return x;
}

} // namespace gfxgen
