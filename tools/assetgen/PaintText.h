#pragma once
#include "Image.h"

#include <filesystem>
#include <memory>
#include <string>

namespace gfxgen {

inline const std::filesystem::path kMonoBoldFont = "/usr/share/fonts/truetype/dejavu/DejaVuSansMono-Bold.ttf";
inline const std::filesystem::path kSansBoldFont = "/usr/share/fonts/truetype/dejavu/DejaVuSans-Bold.ttf";

struct GlyphBitmap {
    int left = 0;    // from the pen to the first column
    int top = 0;     // from the baseline up to the first row
    int width = 0;
    int height = 0;
    int advance = 0; // pixels
    std::vector<uint8_t> coverage;
};

// One FreeType face at one pixel size, hinted and antialiased. A pixel width
// other than 0 stretches the glyphs horizontally to that em width.
class FontFace {
public:
    FontFace(const std::filesystem::path& file, int pixelSize, int pixelWidth = 0);
    ~FontFace();
    FontFace(const FontFace&) = delete;
    FontFace& operator=(const FontFace&) = delete;

    GlyphBitmap glyph(unsigned long codePoint) const;
    int textWidth(const std::string& text) const;
    // Draws with the pen starting at (x, baseline); returns the pen's end.
    int draw(Image& image, const std::string& text, int x, int baseline, Colour colour) const;

private:
    struct Library;
    std::unique_ptr<Library> lib_;
};

} // namespace gfxgen
