#include "gui/Dialogs.h"
#include "gui/GuiTestSupport.h"
#include "gui/gl/GuiGlSupport.h"

#include <cmath>
#include <string>

namespace {

using guigl::DialogScript;
using guigl::movePointer;
using guigl::pixel;
using guigl::Rgb;

class Dialogs : public guigl::GuiWindow {};

// At 800 x 600 the box's body spans (100, 225) to (700, 375); "Ok" is the
// 180 x 35 button at (310, 325), "Yes" at (215, 325) and "No" at (405, 325).
constexpr int kOkX = 400, kButtonY = 342, kYesX = 305, kNoX = 495;

bool near(const Rgb& a, const Rgb& b)
{
    for (int i = 0; i < 3; ++i)
        if (std::abs(a[i] - b[i]) > 1)
            return false;
    return true;
}

// Moves onto a button at frame f and clicks it over the next two frames.
void clickAt(DialogScript& script, int frame, int x, int y)
{
    script.at(frame, [x, y] { movePointer(x, y); });
    script.holdLeft(frame + 1, true);
    script.holdLeft(frame + 2, false);
}

// A frame of the game behind the dialog: four coloured bands.
void drawGameFrame()
{
    dh::setOrthoProjection();
    glDisable(GL_TEXTURE_2D);
    glDisable(GL_BLEND);
    const float bands[4][3] = {{1.0f, 0.0f, 0.0f}, {0.0f, 1.0f, 0.0f}, {0.0f, 0.0f, 1.0f}, {1.0f, 1.0f, 1.0f}};
    const int w = dh::clientWidth();
    const int h = dh::clientHeight();
    for (int i = 0; i < 4; ++i) {
        glColor3fv(bands[i]);
        glRecti(0, h * i / 4, w, h * (i + 1) / 4);
    }
    dh::swapBuffers();
    // The last frame stays in the back buffer for the dialog to freeze.
    for (int i = 0; i < 4; ++i) {
        glColor3fv(bands[i]);
        glRecti(0, h * i / 4, w, h * (i + 1) / 4);
    }
}

TEST_F(Dialogs, OkPressedMovedOffAndReleasedDoesNotCloseButAClickOnItDoes)
{
    guitest::SoundCounter sounds;
    DialogScript script;
    script.at(0, [] { movePointer(kOkX, kButtonY); });
    script.holdLeft(1, true);
    script.at(2, [] { movePointer(100, 100); });
    script.holdLeft(3, false);
    clickAt(script, 6, kOkX, kButtonY);
    dh::showMessage("Cannot buy item", "Item is out of stock");
    EXPECT_EQ(script.lastFrame, 8);
    guitest::SoundCounter::Counts counts = sounds.take();
    EXPECT_EQ(counts.popup, 1);
    EXPECT_EQ(counts.click, 2);
    // One hover sound for each of the two visits.
    EXPECT_EQ(counts.over, 2);
}

TEST_F(Dialogs, ABoxOpenedWithTheLeftButtonHeldIgnoresThatRelease)
{
    dh::injectKeyState(dh::VK_LBUTTON, true);
    DialogScript script;
    script.at(0, [] { movePointer(kOkX, kButtonY); });
    script.holdLeft(2, false);
    clickAt(script, 5, kOkX, kButtonY);
    dh::showMessage("Save game", "Save successful.");
    EXPECT_EQ(script.lastFrame, 7);
}

TEST_F(Dialogs, EscapeDoesNothingInTheMessageBoxOrTheQuestion)
{
    {
        DialogScript script;
        script.at(1, [] { dh::injectKeyState(dh::VK_ESCAPE, true); });
        script.at(4, [] { dh::injectKeyState(dh::VK_ESCAPE, false); });
        clickAt(script, 5, kOkX, kButtonY);
        dh::showMessage("Unable to travel", "Escape does not close this");
        EXPECT_EQ(script.lastFrame, 7);
    }
    {
        DialogScript script;
        script.at(1, [] { dh::injectKeyState(dh::VK_ESCAPE, true); });
        clickAt(script, 5, kNoX, kButtonY);
        EXPECT_FALSE(dh::askYesNo("Confirm quit", "Any unsaved progress will be lost.",
                                  "Are you sure you want to quit the game ?"));
        EXPECT_EQ(script.lastFrame, 7);
    }
    {
        DialogScript script;
        clickAt(script, 0, kYesX, kButtonY);
        script.at(2, [] { guigl::saveFrame(guigl::readShownFrame(), "question"); });
        EXPECT_TRUE(dh::askYesNo("Confirm ship purchase", "Are you sure you want to buy this ship ? ",
                                 "All cargo and upgrades will be lost on current ship."));
        EXPECT_EQ(script.lastFrame, 2);
    }
}

TEST_F(Dialogs, EnterClosesTheMessageBoxOnlyOncePressedInsideIt)
{
    {
        DialogScript script;
        script.at(2, [] { dh::injectKeyState(dh::VK_RETURN, true); });
        dh::showMessage("Save game", "Save successful.");
        EXPECT_EQ(script.lastFrame, 2);
    }
    // The Enter that ended the name entry is still down when this box opens.
    DialogScript script;
    script.at(3, [] { dh::injectKeyState(dh::VK_RETURN, false); });
    script.at(5, [] { dh::injectKeyState(dh::VK_RETURN, true); });
    dh::showMessage("Enter commnader name", "You must enter a name before proceeding.");
    EXPECT_EQ(script.lastFrame, 5);
}

// Types one key a frame from frame 0 on, then holds the ending key.
std::string typeName(const std::vector<std::pair<unsigned, char>>& keys, unsigned endKey)
{
    DialogScript script;
    int frame = 0;
    for (auto [key, text] : keys)
        script.at(frame++, [key, text] { guigl::typeKey(key, text); });
    script.at(frame + 1, [endKey] { dh::injectKeyState(endKey, true); });
    return dh::askCommanderName();
}

std::vector<std::pair<unsigned, char>> keysFor(const std::string& text)
{
    std::vector<std::pair<unsigned, char>> keys;
    for (char c : text) {
        unsigned key = c == ' ' ? dh::VK_SPACE : c == '.' ? 190u : static_cast<unsigned>(std::toupper(c));
        keys.push_back({key, c});
    }
    return keys;
}

TEST_F(Dialogs, NameEntryTakesLettersDigitsFullStopsAndInnerSpaces)
{
    // A key pressed before the entry opened is not typed into it.
    dh::g_lastKeyDown = 'Q';
    dh::g_lastKeyChar = 'q';
    EXPECT_EQ(typeName(keysFor(" Jon Q. Doe-7"), dh::VK_ESCAPE), "Jon Q. Doe7");

    std::vector<std::pair<unsigned, char>> keys{{dh::VK_BACK, 0}, {dh::VK_BACK, 0}};
    for (auto key : keysFor("Ab"))
        keys.push_back(key);
    keys.push_back({dh::VK_BACK, 0});
    EXPECT_EQ(typeName(keys, dh::VK_RETURN), "A");

    const std::string longName = "Abcdefghij Klmnopqrst Uvwxyz 0123";
    ASSERT_EQ(longName.size(), 33u);
    EXPECT_EQ(typeName(keysFor(longName), dh::VK_RETURN), longName.substr(0, 32));
}

TEST_F(Dialogs, NameEntryEndsWithOk)
{
    DialogScript script;
    int frame = 0;
    for (auto [key, text] : keysFor("Vega"))
        script.at(frame++, [key, text] { guigl::typeKey(key, text); });
    clickAt(script, frame, kOkX, kButtonY);
    std::vector<unsigned char> shown;
    script.at(frame + 1, [&shown] { shown = guigl::readShownFrame(); });
    EXPECT_STREQ(dh::askCommanderName(), "Vega");
    guigl::saveFrame(shown, "name_entry");
    // The caret sits just after the fourth 8-pixel glyph in the text field at
    // (132, 268): from x 132 + 13 + 32 = 177 to 183, rows 286 and 287.
    ASSERT_FALSE(shown.empty());
    EXPECT_EQ(pixel(shown, 177, 286), (Rgb{0, 0, 0}));
    EXPECT_EQ(pixel(shown, 182, 287), (Rgb{0, 0, 0}));
    EXPECT_NE(pixel(shown, 183, 286), (Rgb{0, 0, 0}));
    EXPECT_NE(pixel(shown, 177, 288), (Rgb{0, 0, 0}));
    EXPECT_EQ(script.lastFrame, frame + 2);
}

TEST_F(Dialogs, MessageBoxOverAGameFrame)
{
    for (auto [w, h] : {std::pair{800, 600}, std::pair{1280, 720}}) {
        resize(w, h);
        drawGameFrame();
        std::vector<unsigned char> shown;
        DialogScript script;
        script.at(0, [] { movePointer(0, 0); });
        script.at(2, [&shown] { shown = guigl::readShownFrame(); });
        script.at(2, [w] { movePointer(w == 1280 ? 640 : kOkX, kButtonY * (w == 1280 ? 6 : 5) / 5); });
        script.at(4, [&shown, w] {
            guigl::saveFrame(shown, "message_" + std::to_string(w));
            guigl::saveFrame(guigl::readShownFrame(), "message_hover_" + std::to_string(w));
        });
        script.at(5, [] { dh::injectKeyState(dh::VK_RETURN, true); });
        dh::showMessage("You have been killed", "Your ship has been destroyed. Press OK to return to main menu");
        ASSERT_FALSE(shown.empty());
        SCOPED_TRACE(w);
        // The frozen frame darkened to 30 percent around the box.
        const int bandHeight = h / 4;
        EXPECT_TRUE(near(pixel(shown, 5, bandHeight / 2), Rgb{77, 0, 0}));
        EXPECT_TRUE(near(pixel(shown, 5, bandHeight * 3 + bandHeight / 2), Rgb{77, 77, 77}));
        // The box is centred in the virtual window: on the wide window its
        // body runs from virtual x 233 to 833, that is pixels 279.6 to 999.6;
        // the pixels whose centres lie on its outer columns are 280 and 999.
        const float s = w == 1280 ? 1.2f : 1.0f;
        const int left = static_cast<int>(std::floor((w == 1280 ? 233.5f : 100.5f) * s));
        const int right = static_cast<int>(std::floor((w == 1280 ? 832.5f : 699.5f) * s));
        const int middle = static_cast<int>(300 * s);
        EXPECT_EQ(pixel(shown, left, middle), (Rgb{255, 255, 255}));
        EXPECT_TRUE(near(pixel(shown, right, middle), Rgb{77, 77, 77}));
        EXPECT_NE(pixel(shown, left - 2, middle), (Rgb{255, 255, 255}));
    }
    resize(800, 600);
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
