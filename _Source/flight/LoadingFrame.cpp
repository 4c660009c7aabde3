#include "flight/Game.h"

#include "window/UiSpace.h"
#include "rendering/GLFont.h"
#include "rendering/TextDrawing.h"
#include "window/GLWindow.h"

#include <GL/gl.h>

namespace dh {

void showLoadingFrame()
{
    if (!isWindowOpen()) {
        return;
    }
    glClearColor(0.0f, 0.0f, 0.0f, 1.0f);
    glClear(GL_COLOR_BUFFER_BIT);
    setOrthoProjection();
    drawTextCentered(g_fontBig, "Loading..", 0.0f, 0.0f, static_cast<float>(clientWidth()),
                     static_cast<float>(clientHeight()), 16.0f * uiScale(), 1.0f, 1.0f, 1.0f);
    swapBuffers();
}

}
