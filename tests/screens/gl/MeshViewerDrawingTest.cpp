#include "InfoGlSupport.h"

#include "gui/GuiScreen.h"
#include "screens/GuiMeshViewer.h"

namespace {

using infogl::countLit;

class MeshViewerDrawing : public infogl::ScreenWindow {};

// Paints one viewer over a grey screen whose depth buffer was left full of
// near values with depth writes off, as a flight frame can leave it.
std::vector<std::uint8_t> paintViewer(dh::Mesh* mesh, int x, int y, int w, int h)
{
    dh::GuiScreen screen;
    auto viewer = std::make_unique<dh::GuiMeshViewer>();
    viewer->mesh = mesh;
    // Turned to show the long ships from the side rather than nose on.
    viewer->angleY = 1.2f;
    viewer->spinX = false;
    viewer->x = x;
    viewer->y = y;
    viewer->width = w;
    viewer->height = h;
    screen.addWidget(std::move(viewer));
    screen.clearColour = {0.0f, 0.0f, 0.0f};
    glClearDepth(0.0);
    glClear(GL_DEPTH_BUFFER_BIT);
    glClearDepth(1.0);
    glDepthMask(GL_FALSE);
    screen.onPaint();
    glDepthMask(GL_TRUE);
    return infogl::readShownFrame();
}

TEST_F(MeshViewerDrawing, ModelsAppearInsideTheirRectangleOnly)
{
    const dh::Model models[] = {dh::Model::Commander, dh::Model::Cargo, dh::Model::Ship_Explorer,
                                dh::Model::Ship_Fighter};
    const char* names[] = {"commander", "cargo", "explorer", "fighter"};
    for (int i = 0; i < 4; ++i) {
        const auto frame = paintViewer(dh::model(models[i]), 200, 150, 300, 200);
        infogl::saveFrame(frame, std::string("viewer_") + names[i]);
        SCOPED_TRACE(names[i]);
        EXPECT_GT(countLit(frame, 200, 150, 500, 350, 30), 2000);
        EXPECT_EQ(countLit(frame, 0, 0, 800, 600, 5), countLit(frame, 198, 148, 502, 352, 5));
    }
    // An empty rectangle draws nothing and leaves the whole window's viewport.
    EXPECT_EQ(countLit(paintViewer(dh::model(dh::Model::Cargo), 200, 150, 300, 0), 0, 0, 800, 600, 5), 0);
    GLint viewport[4];
    glGetIntegerv(GL_VIEWPORT, viewport);
    EXPECT_EQ(viewport[2], 800);
    EXPECT_EQ(viewport[3], 600);
}

}
