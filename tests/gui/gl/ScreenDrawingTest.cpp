#include "gui/GuiButton.h"
#include "gui/GuiHRule.h"
#include "gui/GuiImage.h"
#include "gui/GuiLabel.h"
#include "gui/GuiPanel.h"
#include "gui/GuiScreen.h"
#include "gui/GuiSlider.h"
#include "gui/gl/GuiGlSupport.h"
#include "gui/GuiBevel.h"
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

// A settings-like screen: a panel with a heading, a sunken rule, a slider and
// two buttons, one pressed, plus the title picture and a highlighted button.
// The other screens' tests look at labels, pictures and sliders more closely.
void buildScreen(dh::GuiScreen& screen)
{
    screen.clearColour = {0.1f, 0.1f, 0.3f};
    put<dh::GuiImage>(screen, 20, 20, 256, 128)->setTexture(dh::texture(dh::Tex::menuTitlePanel));
    auto* panel = put<dh::GuiPanel>(screen, 200, 160, 400, 300);
    panel->colour = {0.7f, 0.75f, 0.8f};
    put<dh::GuiLabel>(*panel, 16, 16, 200, 16)->text = "Sound and display";
    auto* rule = put<dh::GuiHRule>(*panel, 16, 40, 368, 3);
    rule->colour = {0.7f, 0.75f, 0.8f};
    rule->sunken = true;
    put<dh::GuiSlider>(*panel, 200, 60, 150, 15)->knobOffset = 100;
    put<dh::GuiButton>(*panel, 30, 240, 160, 35)->text = "Apply";
    auto* back = put<dh::GuiButton>(*panel, 210, 240, 160, 35);
    back->text = "Back";
    back->pressed = true;
    auto* quit = put<dh::GuiButton>(screen, 620, 540, 160, 40);
    quit->text = "Quit";
    quit->highlighted = true;
}

bool near2(const Rgb& a, const Rgb& b) { return guigl::near(a, b, 2); }

Rgb shadeOf(float r, float g, float b, float factor)
{
    auto byte = [factor](float c) { return static_cast<int>(std::lround(c * factor * 255.0f)); };
    return {byte(r), byte(g), byte(b)};
}

class ScreenDrawing : public guigl::GuiWindow {};

TEST_F(ScreenDrawing, ScreenOfEveryWidgetAtTwoSizes)
{
    for (auto [w, h] : {std::pair{800, 600}, std::pair{1280, 720}}) {
        resize(w, h);
        dh::GuiScreen screen;
        buildScreen(screen);
        screen.onPaint();
        const std::vector<unsigned char> frame = guigl::readShownFrame();
        guigl::keepFrame(frame, "gui", "screen_" + std::to_string(w) + "x" + std::to_string(h));

        // Independent of the code: 720 / 600 on the wide window, else 1.
        const float s = w == 1280 ? 1.2f : 1.0f;
        auto at = [&](int vx, int vy) {
            return pixel(frame, static_cast<int>(std::floor((vx + 0.5f) * s)),
                         static_cast<int>(std::floor((vy + 0.5f) * s)));
        };
        SCOPED_TRACE(w);
        // The panel's raised bevel: light outer top-left, dark outer bottom-right.
        EXPECT_TRUE(near2(at(200, 300), shadeOf(0.7f, 0.75f, 0.8f, 1.0f)));
        EXPECT_TRUE(near2(at(599, 300), shadeOf(0.7f, 0.75f, 0.8f, 0.3f)));
        // The sunken rule's middle row.
        EXPECT_TRUE(near2(at(300, 201), shadeOf(0.7f, 0.75f, 0.8f, 0.7f)));
        // The pressed button is dark at its outer top-left, the raised one light.
        EXPECT_TRUE(near2(at(410, 420), shadeOf(1, 1, 1, 0.3f)));
        EXPECT_TRUE(near2(at(230, 420), shadeOf(1, 1, 1, 1.0f)));
        // The clear colour fills what no widget covers, including the spare
        // room right of the reference area on the wide window.
        EXPECT_TRUE(near2(at(700, 100), shadeOf(0.1f, 0.1f, 0.3f, 1.0f)));
        if (w == 1280) {
            EXPECT_TRUE(near2(pixel(frame, 1275, 700), shadeOf(0.1f, 0.1f, 0.3f, 1.0f)));
        }
    }
    resize(800, 600);
}

TEST_F(ScreenDrawing, PanelChildIsClippedTwoPixelsInsideTheBorder)
{
    for (auto [w, h] : {std::pair{800, 600}, std::pair{1280, 720}}) {
        resize(w, h);
        dh::GuiScreen screen;
        auto* panel = put<dh::GuiPanel>(screen, 100, 100, 200, 100);
        panel->colour = {0.5f, 0.5f, 0.5f};
        auto* child = put<SolidWidget>(*panel, -20, 50, 400, 400);
        child->colour = {1.0f, 0.0f, 0.0f};
        screen.onPaint();
        const std::vector<unsigned char> frame = guigl::readShownFrame();
        const Rgb red{255, 0, 0};
        SCOPED_TRACE(w);
        if (w == 800) {
            // Interior of the panel: x from 102 to 297, y from 102 to 197.
            EXPECT_TRUE(near2(pixel(frame, 101, 170), shadeOf(0.5f, 0.5f, 0.5f, 0.8f)));
            EXPECT_EQ(pixel(frame, 102, 170), red);
            EXPECT_EQ(pixel(frame, 297, 170), red);
            EXPECT_TRUE(near2(pixel(frame, 298, 170), shadeOf(0.5f, 0.5f, 0.5f, 0.5f)));
            EXPECT_EQ(pixel(frame, 200, 197), red);
            EXPECT_TRUE(near2(pixel(frame, 200, 198), shadeOf(0.5f, 0.5f, 0.5f, 0.5f)));
        } else {
            // Scaled by 1.2: the interior spans 122.4 to 357.6 and up to 237.6.
            EXPECT_NE(pixel(frame, 121, 200), red);
            EXPECT_EQ(pixel(frame, 123, 200), red);
            EXPECT_EQ(pixel(frame, 356, 200), red);
            EXPECT_NE(pixel(frame, 358, 200), red);
            EXPECT_EQ(pixel(frame, 240, 236), red);
            EXPECT_NE(pixel(frame, 240, 238), red);
        }
    }
    resize(800, 600);
}

TEST_F(ScreenDrawing, RunPaintsUntilEscapeOrCloseAndHoverHighlightsAButton)
{
    dh::GuiScreen screen;
    auto* launch = put<dh::GuiButton>(screen, 300, 280, 200, 40);
    launch->text = "Launch";
    guigl::movePointer(400, 300);
    guigl::typeKey(dh::VK_ESCAPE, 0);
    screen.run();
    EXPECT_FALSE(screen.running);
    EXPECT_TRUE(launch->highlighted);
    EXPECT_EQ(dh::g_listener, nullptr);

    // Closing the window ends the run and empties the screen.
    guigl::post(dh::PlatformEvent::Type::Close, 0, 0);
    screen.run();
    EXPECT_FALSE(dh::isWindowOpen());
    EXPECT_FALSE(screen.widgets[127]);
}

// A button that logs the presses and releases it hears and what its action does.
struct LoggingButton : dh::GuiButton {
    std::vector<std::string> calls;
    void onMouseDown(int x, int y, int button) override
    {
        calls.push_back(guitest::line("down", x, y, button));
        GuiButton::onMouseDown(x, y, button);
    }
    void onMouseUp(int x, int y, int button) override
    {
        calls.push_back(guitest::line("up", x, y, button));
        GuiButton::onMouseUp(x, y, button);
    }
};

TEST_F(ScreenDrawing, WindowClicksReachButtonsInVirtualCoordinates)
{
    resize(1280, 720);
    dh::GuiScreen screen;
    auto* button = put<LoggingButton>(screen, 700, 500, 100, 20);
    button->action = [&] {
        button->calls.push_back("action");
        screen.running = false;
    };
    // Virtual (700, 500) is client pixel (840, 600); one pixel less is outside.
    guigl::post(dh::PlatformEvent::Type::MouseDown, 839, 605);
    guigl::post(dh::PlatformEvent::Type::MouseUp, 839, 605);
    guigl::post(dh::PlatformEvent::Type::MouseDown, 840, 600);
    guigl::post(dh::PlatformEvent::Type::MouseUp, 959, 623);
    screen.run();
    EXPECT_FALSE(screen.running);
    EXPECT_EQ(button->calls, (std::vector<std::string>{"down 700 500 1", "up 799 519 1", "action"}));
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
