#include "rendering/GLFont.h"

#include <new>

namespace dh {

GLFont* g_fontMain = nullptr;
GLFont* g_fontBig = nullptr;

void loadFonts()
{
    g_fontMain = new (std::nothrow) GLFont("fnt\\main.tga");
    g_fontBig = new (std::nothrow) GLFont("fnt\\big.tga");
}

void releaseFonts()
{
    delete g_fontMain;
    g_fontMain = nullptr;
    delete g_fontBig;
    g_fontBig = nullptr;
}

}
