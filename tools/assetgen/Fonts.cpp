#include "AssetGenerators.h"
#include "PaintText.h"
#include "TgaWriter.h"

#include <algorithm>
#include <stdexcept>

namespace gfxgen {
namespace {

constexpr int kFirstGlyph = 33; // space and the control bytes stay empty
constexpr int kLastGlyph = 126;

struct Extent {
    int above = 0; // rows above the baseline
    int below = 0; // rows below it
    int widest = 0;
};

Extent measure(const FontFace& face)
{
    Extent e;
    for (int c = kFirstGlyph; c <= kLastGlyph; ++c) {
        const GlyphBitmap g = face.glyph(static_cast<unsigned long>(c));
        e.above = std::max(e.above, g.top);
        e.below = std::max(e.below, g.height - g.top);
        e.widest = std::max(e.widest, g.width);
    }
    return e;
}

struct GlyphSize {
    int height = 0;
    int width = 0;
};

// The largest pixel size at which every printable glyph fits inside its cell
// from top to bottom, then the widest stretch at which each still keeps a clear
// column at both sides. The text advances a whole cell per letter, so glyphs of
// the font's own narrow width would stand apart like spaced-out capitals.
GlyphSize fittingPixelSize(const std::filesystem::path& file, int cell)
{
    GlyphSize size;
    for (int height = cell + cell / 2; height > 4 && !size.height; --height) {
        const Extent e = measure(FontFace(file, height));
        if (e.above + e.below <= cell && e.widest <= cell - 2)
            size.height = height;
    }
    if (!size.height)
        throw std::runtime_error("font does not fit its cells");
    for (int width = size.height * 2; width >= size.height && !size.width; --width)
        if (measure(FontFace(file, size.height, width)).widest <= cell - cell / 8)
            size.width = width;
    if (!size.width)
        size.width = size.height;
    return size;
}

// A 16 x 16 grid of square cells, one per byte value, row 0 at the top: white
// glyphs whose alpha is the coverage, each glyph's ink centred across its
// cell (the cells are wider than the font's advance), on one shared baseline.
Image glyphSheet(const std::filesystem::path& file, int cell)
{
    const GlyphSize size = fittingPixelSize(file, cell);
    const FontFace face(file, size.height, size.width);
    const Extent e = measure(face);
    const int baseline = (cell - (e.above + e.below)) / 2 + e.above;
    Image sheet(cell * 16, cell * 16, Colour{1.0f, 1.0f, 1.0f, 0.0f});
    for (int c = kFirstGlyph; c <= kLastGlyph; ++c) {
        const GlyphBitmap g = face.glyph(static_cast<unsigned long>(c));
        const int x0 = (cell - g.width) / 2;
        const int y0 = baseline - g.top;
        const int cellX = (c % 16) * cell, cellY = (c / 16) * cell;
        for (int y = 0; y < g.height; ++y)
            for (int x = 0; x < g.width; ++x)
                sheet.at(cellX + x0 + x, cellY + y0 + y).a = g.coverage[static_cast<size_t>(y) * g.width + x] / 255.0f;
    }
    return sheet;
}

} // namespace
} // namespace gfxgen

void generateFonts(const std::filesystem::path& fntDir)
{
    using namespace gfxgen;
    // main is drawn 8 units tall and big 16: about 16 and 32 pixels at full HD,
    // half that at 800 x 600, where bold strokes still hold up.
    writeFile(fntDir / "main.tga", encodeTga(glyphSheet(kMonoBoldFont, 16), TgaDepth::Rgba32));
    writeFile(fntDir / "big.tga", encodeTga(glyphSheet(kMonoBoldFont, 32), TgaDepth::Rgba32));
}
