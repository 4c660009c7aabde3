#include "gui/Dialogs.h"
#include "gui/GuiTestSupport.h"
#include "gui/gl/GuiGlSupport.h"
#include "platform/Controllers.h"

#include <cctype>
#include <string>

namespace {

using guigl::DialogScript;
using guigl::movePointer;
using guigl::near;
using guigl::pixel;
using guigl::Rgb;

class Dialogs : public guigl::GuiWindow {};

// At 800 x 600 the box's body spans (100, 225) to (700, 375); "Ok" is the
// 180 x 35 button at (310, 325), "No" at (405, 325). "Yes" answering true is
// seen in the screens' tests, where it deletes a save.
using guigl::kNoX;
using guigl::kOkX;
constexpr int kButtonY = 342;

TEST_F(Dialogs, OkClosesOnlyOnAPressAndReleaseThatBothBeganInsideTheBox)
{
    guitest::SoundCounter sounds;
    {
        // Pressed on "Ok", moved off and released there: still open.
        DialogScript script;
        script.at(0, [] { movePointer(kOkX, kButtonY); });
        script.holdLeft(1, true);
        script.at(2, [] { movePointer(100, 100); });
        script.holdLeft(3, false);
        script.clickAt(6, kOkX);
        dh::showMessage("Cannot buy item", "Item is out of stock");
        EXPECT_EQ(script.lastFrame, 8);
    }
    guitest::SoundCounter::Counts counts = sounds.take();
    EXPECT_EQ(counts.popup, 1);
    EXPECT_EQ(counts.click, 2);
    EXPECT_EQ(counts.over, 2);
    {
        // Opened with the left button held: that release does not close it.
        dh::injectKeyState(dh::VK_LBUTTON, true);
        DialogScript script;
        script.at(0, [] { movePointer(kOkX, kButtonY); });
        script.holdLeft(2, false);
        script.clickAt(5, kOkX);
        dh::showMessage("Save game", "Save successful.");
        EXPECT_EQ(script.lastFrame, 7);
    }
}

TEST_F(Dialogs, EscapeDoesNothingAndEnterClosesTheMessageBoxOnlyOncePressedInsideIt)
{
    {
        DialogScript script;
        script.holdKey(1, dh::VK_ESCAPE);
        script.holdKey(4, dh::VK_ESCAPE, false);
        script.clickAt(5, kOkX);
        dh::showMessage("Unable to travel", "Escape does not close this");
        EXPECT_EQ(script.lastFrame, 7);
    }
    {
        DialogScript script;
        script.holdKey(1, dh::VK_ESCAPE);
        script.clickAt(5, kNoX);
        EXPECT_FALSE(dh::askYesNo("Confirm quit", "Any unsaved progress will be lost.",
                                  "Are you sure you want to quit the game ?"));
        EXPECT_EQ(script.lastFrame, 7);
    }
    // The Enter that ended the name entry is still down when this box opens.
    dh::injectKeyState(dh::VK_RETURN, true);
    DialogScript script;
    script.holdKey(3, dh::VK_RETURN, false);
    script.holdKey(5, dh::VK_RETURN);
    dh::showMessage("Enter commnader name", "You must enter a name before proceeding.");
    EXPECT_EQ(script.lastFrame, 5);
}

// A gamepad's A answers "Ok" and "Yes", its B "No", in the frame of the press.
TEST_F(Dialogs, AGamepadsAConfirmsAndItsBDeclines)
{
    dh::openControllers();
    dh::VirtualController pad(true);
    ASSERT_TRUE(pad.attached());
    const auto press = [&pad](DialogScript& script, int frame, unsigned button) {
        script.at(frame, [&pad, button] { pad.setButton(button, true); });
    };
    {
        DialogScript script;
        press(script, 2, dh::VK_PAD_A);
        dh::showMessage("Cannot launch missile", "You do not have a current target");
        EXPECT_EQ(script.lastFrame, 2);
    }
    pad.setButton(dh::VK_PAD_A, false);
    {
        DialogScript script;
        press(script, 2, dh::VK_PAD_A);
        EXPECT_TRUE(dh::askYesNo("Confirm quit", "Any unsaved progress will be lost.",
                                 "Are you sure you want to quit the game ?"));
        EXPECT_EQ(script.lastFrame, 2);
    }
    pad.setButton(dh::VK_PAD_A, false);
    {
        DialogScript script;
        press(script, 2, dh::VK_PAD_B);
        EXPECT_FALSE(dh::askYesNo("Confirm quit", "Any unsaved progress will be lost.",
                                  "Are you sure you want to quit the game ?"));
        EXPECT_EQ(script.lastFrame, 2);
    }
}

// Types one key a frame from frame 0 on, then ends with the given key or a click on "Ok".
std::string typeName(DialogScript& script, const std::string& text, unsigned endKey, int backspaces = 0)
{
    int frame = 0;
    for (int i = 0; i < backspaces; ++i)
        script.at(frame++, [] { guigl::typeKey(dh::VK_BACK, 0); });
    for (char c : text) {
        const unsigned key = c == ' ' ? dh::VK_SPACE : c == '.' ? 190u : static_cast<unsigned>(std::toupper(c));
        script.at(frame++, [key, c] { guigl::typeKey(key, c); });
    }
    if (endKey)
        script.holdKey(frame + 1, endKey);
    else
        script.clickAt(frame, kOkX);
    return dh::askCommanderName();
}

TEST_F(Dialogs, NameEntryTakesLettersDigitsFullStopsAndInnerSpacesUpToThirtyTwo)
{
    // A key pressed before the entry opened is not typed into it.
    dh::g_inputQueue.push({.type = dh::PlatformEvent::Type::KeyDown, .key = 'Q'});
    dh::g_inputQueue.push({.type = dh::PlatformEvent::Type::Text, .text = 'q'});
    {
        DialogScript script;
        EXPECT_EQ(typeName(script, " Jon Q. Doe-7", dh::VK_ESCAPE), "Jon Q. Doe7");
    }
    {
        DialogScript script;
        EXPECT_EQ(typeName(script, "A", dh::VK_RETURN, 2), "A");
    }
    DialogScript script;
    const std::string longName = "Abcdefghij Klmnopqrst Uvwxyz 0123";
    EXPECT_EQ(typeName(script, longName, dh::VK_RETURN), longName.substr(0, 32));
}

TEST_F(Dialogs, NameEntryEndsWithOkAndShowsTheCaretAfterTheText)
{
    std::vector<unsigned char> shown;
    DialogScript script;
    script.at(5, [&shown] { shown = guigl::readShownFrame(); });
    EXPECT_EQ(typeName(script, "Vega", 0), "Vega");
    EXPECT_EQ(script.lastFrame, 6);
    guigl::keepFrame(shown, "gui", "name_entry");
    // The caret sits just after the fourth 8-pixel glyph in the text field at
    // (132, 268): from x 132 + 13 + 32 = 177 to 183, rows 286 and 287.
    ASSERT_FALSE(shown.empty());
    EXPECT_EQ(pixel(shown, 177, 286), (Rgb{0, 0, 0}));
    EXPECT_EQ(pixel(shown, 182, 287), (Rgb{0, 0, 0}));
    EXPECT_NE(pixel(shown, 183, 286), (Rgb{0, 0, 0}));
    EXPECT_NE(pixel(shown, 177, 288), (Rgb{0, 0, 0}));
}

// A frame of the game behind the dialog, four coloured bands, left in both buffers.
void drawGameFrame()
{
    dh::setOrthoProjection();
    glDisable(GL_TEXTURE_2D);
    glDisable(GL_BLEND);
    const float bands[4][3] = {{1.0f, 0.0f, 0.0f}, {0.0f, 1.0f, 0.0f}, {0.0f, 0.0f, 1.0f}, {1.0f, 1.0f, 1.0f}};
    const int w = dh::clientWidth();
    const int h = dh::clientHeight();
    for (int pass = 0; pass < 2; ++pass) {
        for (int i = 0; i < 4; ++i) {
            glColor3fv(bands[i]);
            glRecti(0, h * i / 4, w, h * (i + 1) / 4);
        }
        if (pass == 0)
            dh::swapBuffers();
    }
}

// On the wide window (scale 1.2) the box is centred in the virtual window.
TEST_F(Dialogs, MessageBoxOverAGameFrame)
{
    resize(1280, 720);
    drawGameFrame();
    std::vector<unsigned char> shown;
    DialogScript script;
    script.at(0, [] { movePointer(0, 0); });
    script.at(2, [&shown] { shown = guigl::readShownFrame(); });
    script.at(2, [] { movePointer(640, kButtonY * 6 / 5); });
    script.at(4, [&shown] {
        guigl::keepFrame(shown, "gui", "message_1280");
        guigl::keepShownFrame("gui", "message_hover_1280");
    });
    script.holdKey(5, dh::VK_RETURN);
    dh::showMessage("You have been killed", "Your ship has been destroyed. Press OK to return to main menu");
    ASSERT_FALSE(shown.empty());
    // The frozen frame darkened to 30 percent around the box.
    EXPECT_TRUE(near(pixel(shown, 5, 90), Rgb{77, 0, 0}));
    EXPECT_TRUE(near(pixel(shown, 5, 630), Rgb{77, 77, 77}));
    // The body runs from virtual x 233 to 833, pixels 279.6 to 999.6: the
    // pixels whose centres lie on its outer columns are 280 and 999.
    EXPECT_EQ(pixel(shown, 280, 360), (Rgb{255, 255, 255}));
    EXPECT_TRUE(near(pixel(shown, 999, 360), Rgb{77, 77, 77}));
    EXPECT_NE(pixel(shown, 278, 360), (Rgb{255, 255, 255}));
    resize(800, 600);
}

// The smallest rectangle holding every pixel of the black text in (x0, y0) to
// (x1, y1) exclusive; empty (left > right) when there is none.
struct Ink {
    int left = 1 << 20, top = 1 << 20, right = -1, bottom = -1;
};

Ink inkIn(const std::vector<unsigned char>& frame, int x0, int y0, int x1, int y1)
{
    Ink ink;
    for (int y = y0; y < y1; ++y)
        for (int x = x0; x < x1; ++x) {
            const Rgb p = pixel(frame, x, y);
            if (p[0] < 40 && p[1] < 40 && p[2] < 40) {
                ink.left = std::min(ink.left, x);
                ink.right = std::max(ink.right, x);
                ink.top = std::min(ink.top, y);
                ink.bottom = std::max(ink.bottom, y);
            }
        }
    return ink;
}

// A line of n glyphs, 8 pixels each, centred on x 400 from row `top`: its ink
// lies in the glyphs' cells and reaches within two columns of both ends, the
// glyphs' side bearings; a glyph more or less would move both ends by four.
void expectLineOfGlyphs(const Ink& ink, int n, int top)
{
    const int left = 400 - 4 * n;
    const int right = 399 + 4 * n;
    EXPECT_GE(ink.left, left);
    EXPECT_LE(ink.left, left + 2);
    EXPECT_LE(ink.right, right);
    EXPECT_GE(ink.right, right - 2);
    EXPECT_GE(ink.top, top);
    EXPECT_LE(ink.bottom, top + 7);
}

// The death message with the cause line the flight assists add: both lines of
// text lie whole inside the box, one over the other and clear of the button,
// and nothing of them spills over the frame behind.
TEST_F(Dialogs, DeathMessageWithItsCauseKeepsBothLinesInsideTheBox)
{
    drawGameFrame();
    const std::string text = "Your ship has been destroyed. Press OK to return to main menu";
    const std::string cause = "Rammed by an Explorer Mark II at 14400 km/h";
    std::vector<unsigned char> shown;
    DialogScript script;
    script.at(0, [] { movePointer(0, 0); });
    script.at(2, [&shown] { shown = guigl::keepShownFrame("gui", "death_cause"); });
    script.holdKey(3, dh::VK_RETURN);
    dh::showMessage("You have been killed", text.c_str(), cause.c_str());
    ASSERT_FALSE(shown.empty());

    // The body spans (100, 225) to (700, 375); the text is drawn 8 high and
    // centred on rows 276 and 292, the button's top edge is row 325.
    expectLineOfGlyphs(inkIn(shown, 104, 260, 696, 284), static_cast<int>(text.size()), 272);
    expectLineOfGlyphs(inkIn(shown, 104, 284, 696, 300), static_cast<int>(cause.size()), 288);
    const Ink belowCause = inkIn(shown, 104, 300, 696, 325);
    EXPECT_LT(belowCause.right, belowCause.left) << "ink between the cause line and the button";
    const Ink aboveText = inkIn(shown, 104, 228, 696, 260);
    EXPECT_LT(aboveText.right, aboveText.left) << "ink between the title bar and the text";

    // Outside the box and its title bar (rows 201 to 375) the frame behind is
    // darkened coloured bands, never black.
    const Ink above = inkIn(shown, 0, 0, 800, 200);
    const Ink below = inkIn(shown, 0, 376, 800, 600);
    const Ink leftSide = inkIn(shown, 0, 200, 100, 376);
    const Ink rightSide = inkIn(shown, 700, 200, 800, 376);
    EXPECT_LT(above.right, above.left);
    EXPECT_LT(below.right, below.left);
    EXPECT_LT(leftSide.right, leftSide.left);
    EXPECT_LT(rightSide.right, rightSide.left);
}

// Last in this file: it closes the window, which the next test opens again.
TEST_F(Dialogs, AClosedWindowAnswersNo)
{
    DialogScript script;
    script.at(3, [] { guigl::post(dh::PlatformEvent::Type::Close, 0, 0); });
    EXPECT_FALSE(dh::askYesNo("Delete Game", "Are you sure", "you want to delete this game ?"));
    EXPECT_FALSE(dh::isWindowOpen());
    EXPECT_EQ(script.lastFrame, 3);
}

}
