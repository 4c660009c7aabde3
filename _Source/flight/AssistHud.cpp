#include "flight/AssistHud.h"

#include "flight/AssistView.h"
#include "flight/DockingCorridor.h"
#include "flight/OffscreenMarkers.h"
#include "window/UiSpace.h"

#include <GL/gl.h>

#include <algorithm>

namespace dh {

void AssistHud::draw(const Game& game, const float* modelview, const float* projection)
{
    AssistView view;
    std::copy_n(modelview, 16, view.modelview.begin());
    std::copy_n(projection, 16, view.projection.begin());
    uiSize(view.width, view.height);

    glPushAttrib(GL_ENABLE_BIT | GL_COLOR_BUFFER_BIT | GL_CURRENT_BIT | GL_LINE_BIT | GL_TEXTURE_BIT);
    glLineWidth(1.5f);
    DockingCorridor::draw(game, view);
    OffscreenMarkers::draw(game, view);
    scanner.draw(game, view.width, view.height);
    glPopAttrib();
}

}
