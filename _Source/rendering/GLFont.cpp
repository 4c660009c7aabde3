#include "rendering/GLFont.h"

#include <array>
#include <memory>
#include <new>

namespace dh {

GLFont* g_fontMain = nullptr;
GLFont* g_fontBig = nullptr;

namespace {

std::array<std::unique_ptr<GLFont>, 2> s_fonts;

}

void loadFonts()
{
    s_fonts[0].reset(new (std::nothrow) GLFont("fnt/main.tga"));
    s_fonts[1].reset(new (std::nothrow) GLFont("fnt/big.tga"));
    g_fontMain = s_fonts[0].get();
    g_fontBig = s_fonts[1].get();
}

void releaseFonts()
{
    g_fontMain = nullptr;
    g_fontBig = nullptr;
    for (std::unique_ptr<GLFont>& font : s_fonts) {
        font.reset();
    }
}

}
