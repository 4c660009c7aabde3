#include "gui/GuiBevel.h"
#include "gui/GuiButton.h"
#include "gui/GuiHRule.h"
#include "gui/GuiImage.h"
#include "gui/GuiPanel.h"
#include "gui/GuiScreen.h"
#include "gui/gl/GuiGlSupport.h"
#include "gui/GuiTestSupport.h"

#include <cmath>

namespace {

using guigl::pixel;
using guigl::Rgb;

// Fills its whole rectangle in one colour: shows exactly where clipping cuts.
struct SolidWidget : dh::GuiWidget {
    void onPaint() override
    {
        glColor3f(colour.r, colour.g, colour.b);
        dh::fillRect(x, y, x + width, y + height);
    }
};

// Adds a widget of the given rectangle to a screen or a panel.
template <class W, class Container>
W* put(Container& container, int x, int y, int w, int h)
{
    auto widget = std::make_unique<W>();
    widget->x = x;
    widget->y = y;
    widget->width = w;
    widget->height = h;
    W* raw = widget.get();
    container.addWidget(std::move(widget));
    return raw;
}

// A panel with a sunken rule and two buttons, one pressed, on a dark clear
// colour; the screens' tests look at labels, pictures and sliders.
void buildScreen(dh::GuiScreen& screen)
{
    screen.clearColour = {0.1f, 0.1f, 0.3f};
    auto* panel = put<dh::GuiPanel>(screen, 200, 160, 400, 300);
    panel->colour = {0.7f, 0.75f, 0.8f};
    auto* rule = put<dh::GuiHRule>(*panel, 16, 40, 368, 3);
    rule->colour = {0.7f, 0.75f, 0.8f};
    rule->sunken = true;
    put<dh::GuiButton>(*panel, 30, 240, 160, 35)->text = "Apply";
    auto* back = put<dh::GuiButton>(*panel, 210, 240, 160, 35);
    back->text = "Back";
    back->pressed = true;
}

bool near2(const Rgb& a, const Rgb& b) { return guigl::near(a, b, 2); }

Rgb shadeOf(float r, float g, float b, float factor)
{
    auto byte = [factor](float c) { return static_cast<int>(std::lround(c * factor * 255.0f)); };
    return {byte(r), byte(g), byte(b)};
}

class ScreenDrawing : public guigl::GuiWindow {};

// On the wide window everything is scaled by 720 / 600 = 1.2 (the scale rule
// itself is checked in the widget tests); at 800 x 600 the scale is 1.
TEST_F(ScreenDrawing, PanelRuleAndButtonsOnAWideWindow)
{
    resize(1280, 720);
    dh::GuiScreen screen;
    buildScreen(screen);
    screen.onPaint();
    const std::vector<unsigned char> frame = guigl::keepShownFrame("gui", "screen_1280x720");
    auto at = [&](int vx, int vy) {
        return pixel(frame, static_cast<int>(std::floor((vx + 0.5f) * 1.2f)),
                     static_cast<int>(std::floor((vy + 0.5f) * 1.2f)));
    };
    // The panel's raised bevel: light outer top-left, dark outer bottom-right.
    EXPECT_TRUE(near2(at(200, 300), shadeOf(0.7f, 0.75f, 0.8f, 1.0f)));
    EXPECT_TRUE(near2(at(599, 300), shadeOf(0.7f, 0.75f, 0.8f, 0.3f)));
    // The sunken rule's middle row.
    EXPECT_TRUE(near2(at(300, 201), shadeOf(0.7f, 0.75f, 0.8f, 0.7f)));
    // The pressed button is dark at its outer top-left, the raised one light.
    EXPECT_TRUE(near2(at(410, 420), shadeOf(1, 1, 1, 0.3f)));
    EXPECT_TRUE(near2(at(230, 420), shadeOf(1, 1, 1, 1.0f)));
    // The clear colour fills what no widget covers, the spare room right of the reference area too.
    EXPECT_TRUE(near2(at(700, 100), shadeOf(0.1f, 0.1f, 0.3f, 1.0f)));
    EXPECT_TRUE(near2(pixel(frame, 1275, 700), shadeOf(0.1f, 0.1f, 0.3f, 1.0f)));
    resize(800, 600);
}

TEST_F(ScreenDrawing, PanelChildIsClippedTwoPixelsInsideTheBorder)
{
    resize(1280, 720);
    dh::GuiScreen screen;
    auto* panel = put<dh::GuiPanel>(screen, 100, 100, 200, 100);
    panel->colour = {0.5f, 0.5f, 0.5f};
    put<SolidWidget>(*panel, -20, 50, 400, 400)->colour = {1.0f, 0.0f, 0.0f};
    screen.onPaint();
    const std::vector<unsigned char> frame = guigl::readShownFrame();
    const Rgb red{255, 0, 0};
    // The interior, virtual 102 to 298 and down to 198, is 122.4 to 357.6 and down to 237.6.
    EXPECT_NE(pixel(frame, 121, 200), red);
    EXPECT_EQ(pixel(frame, 123, 200), red);
    EXPECT_EQ(pixel(frame, 356, 200), red);
    EXPECT_NE(pixel(frame, 358, 200), red);
    EXPECT_EQ(pixel(frame, 240, 236), red);
    EXPECT_NE(pixel(frame, 240, 238), red);
    resize(800, 600);
}

// Hears the button and leaves the screen on the release.
struct LeaveOnRelease : guitest::CallLog {
    dh::GuiScreen* screen = nullptr;
    void onMouseUp(int x, int y, int button) override
    {
        CallLog::onMouseUp(x, y, button);
        screen->running = false;
    }
};

TEST_F(ScreenDrawing, WindowClicksReachButtonsInVirtualCoordinates)
{
    resize(1280, 720);
    dh::GuiScreen screen;
    LeaveOnRelease leave;
    leave.screen = &screen;
    auto* button = put<dh::GuiButton>(screen, 700, 500, 100, 20);
    button->listener = &leave;
    // Virtual (700, 500) is client pixel (840, 600); one pixel less is outside.
    guigl::post(dh::PlatformEvent::Type::MouseDown, 839, 605);
    guigl::post(dh::PlatformEvent::Type::MouseUp, 839, 605);
    guigl::post(dh::PlatformEvent::Type::MouseDown, 840, 600);
    guigl::post(dh::PlatformEvent::Type::MouseUp, 959, 623);
    screen.run();
    EXPECT_FALSE(screen.running);
    EXPECT_EQ(leave.calls, (std::vector<std::string>{"down 700 500 1", "up 799 519 1"}));
    resize(800, 600);
}

TEST_F(ScreenDrawing, ImageOwningTheTitlePictureReleasesItForAListTexture)
{
    dh::GuiImage image{dh::GuiImage::TitleImage{}};
    ASSERT_NE(image.texture, nullptr);
    const GLuint ownName = image.texture->textureId;
    EXPECT_TRUE(glIsTexture(ownName));
    dh::GLTexture* star = dh::texture(dh::Tex::star);
    image.setTexture(star);
    EXPECT_FALSE(glIsTexture(ownName));
    EXPECT_EQ(image.texture, star);
    image.setTexture(nullptr);
    EXPECT_TRUE(glIsTexture(star->textureId));
}

}
