#include "window/FullscreenEffect.h"

#include "window/GLWindow.h"

#include <GL/gl.h>

namespace dh {

FullscreenEffect::FullscreenEffect()
{
    glMatrixMode(GL_PROJECTION);
    glPushMatrix();
    glMatrixMode(GL_MODELVIEW);
    glPushMatrix();
    glPushAttrib(GL_ENABLE_BIT);
}

FullscreenEffect::~FullscreenEffect()
{
    if (!isWindowOpen())
        return;
    glPopAttrib();
    glMatrixMode(GL_MODELVIEW);
    glPopMatrix();
    glMatrixMode(GL_PROJECTION);
    glPopMatrix();
    glMatrixMode(GL_MODELVIEW);
}

}
