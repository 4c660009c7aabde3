#include "FrameDump.h"

#include "window/GLWindow.h"

#include <GL/gl.h>

#include <cstdint>
#include <cstdio>
#include <vector>

namespace bench {

bool writeFrontBuffer(const std::filesystem::path& file)
{
    const int w = dh::clientWidth();
    const int h = dh::clientHeight();
    std::vector<std::uint8_t> rgb(static_cast<std::size_t>(w) * static_cast<std::size_t>(h) * 3);
    glPixelStorei(GL_PACK_ALIGNMENT, 1);
    glReadPixels(0, 0, w, h, GL_RGB, GL_UNSIGNED_BYTE, rgb.data());
    glReadBuffer(GL_BACK);
    std::FILE* out = std::fopen(file.c_str(), "wb");
    if (out == nullptr) {
        std::perror(file.c_str());
        return false;
    }
    std::fprintf(out, "P6\n%d %d\n255\n", w, h);
    const std::size_t row = static_cast<std::size_t>(w) * 3;
    bool written = true;
    for (int y = h - 1; y >= 0; --y) {
        written = std::fwrite(rgb.data() + static_cast<std::size_t>(y) * row, 1, row, out) == row && written;
    }
    return std::fclose(out) == 0 && written;
}

}
