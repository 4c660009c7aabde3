#include "gui/Dialogs.h"

#include "audio/SoundEffects.h"
#include "gui/CommanderName.h"
#include "gui/DialogFrame.h"
#include "gui/DialogKey.h"
#include "gui/GuiBevel.h"
#include "gui/NameEntryKeys.h"
#include "platform/Controllers.h"
#include "platform/KeyState.h"
#include "rendering/GLFont.h"
#include "rendering/TextDrawing.h"
#include "window/GLWindow.h"

#include <GL/gl.h>

namespace dh {

std::function<void(int)> g_dialogFrameHook;

namespace {

constexpr float kTextSize = 8.0f;

// Takes the queued key events up to the first press of either key: 0 for the
// first key, 1 for the second, -1 when neither was pressed.
int takeFirstPress(DialogKey& first, DialogKey& second)
{
    PlatformEvent event;
    while (g_inputQueue.take(event)) {
        if (first.pressedBy(event))
            return 0;
        if (second.pressedBy(event))
            return 1;
    }
    return -1;
}

void drawCentredLine(const char* text, int boxX, int boxY, int boxHeight)
{
    drawTextCentered(g_fontMain, text, static_cast<float>(boxX), static_cast<float>(boxY), 600.0f,
                     static_cast<float>(boxHeight), kTextSize, 0.0f, 0.0f, 0.0f);
}

int centreX(const DialogFrame& frame)
{
    return static_cast<int>(frame.virtualWidth) / 2;
}

void paintNameEntry(const DialogFrame& frame, const CommanderName& name)
{
    const int fieldX = frame.boxX + 32;
    const int fieldY = frame.boxY + 43;
    drawText(g_fontMain, "Please enter your commander name:", static_cast<float>(frame.boxX + 32),
             static_cast<float>(frame.boxY + 24), kTextSize, 0.0f, 0.0f, 0.0f);
    GuiPanel field;
    field.raised = false;
    field.colour = {0.6f, 0.6f, 0.6f};
    field.x = fieldX;
    field.y = fieldY;
    field.width = 536;
    field.height = 32;
    field.onPaint();
    drawText(g_fontMain, name.text(), static_cast<float>(fieldX + 12), static_cast<float>(fieldY + 12), kTextSize,
             0.0f, 0.0f, 0.0f);
    const int caretX = fieldX + 13 + 8 * static_cast<int>(name.length());
    glColor3f(0.0f, 0.0f, 0.0f);
    fillRect(caretX, fieldY + 18, caretX + 6, fieldY + 20);
}

}

void showMessage(const char* title, const char* text)
{
    showMessage(title, text, nullptr);
}

void showMessage(const char* title, const char* upperLine, const char* lowerLine)
{
    if (!isWindowOpen())
        return;
    DialogFrame frame(title);
    frame.addButton("Ok", centreX(frame) - 90);
    DialogKey enter(VK_RETURN);
    DialogKey padOk(VK_PAD_A);
    while (frame.beginFrame()) {
        if (takeFirstPress(enter, padOk) >= 0)
            return;
        if (frame.pollButtons() == 0)
            return;
        frame.paintBox();
        drawCentredLine(upperLine, frame.boxX, frame.boxY, 102);
        if (lowerLine != nullptr)
            drawCentredLine(lowerLine, frame.boxX, frame.boxY, 134);
        frame.endFrame();
    }
}

bool askYesNo(const char* title, const char* upperLine, const char* lowerLine)
{
    if (!isWindowOpen())
        return false;
    DialogFrame frame(title);
    frame.addButton("Yes", centreX(frame) - 185);
    frame.addButton("No", centreX(frame) + 5);
    DialogKey padYes(VK_PAD_A);
    DialogKey padNo(VK_PAD_B);
    while (frame.beginFrame()) {
        if (const int pressed = takeFirstPress(padYes, padNo); pressed >= 0)
            return pressed == 0;
        const int clicked = frame.pollButtons();
        if (clicked >= 0)
            return clicked == 0;
        frame.paintBox();
        drawCentredLine(upperLine, frame.boxX, frame.boxY, 102);
        drawCentredLine(lowerLine, frame.boxX, frame.boxY, 134);
        frame.endFrame();
    }
    return false;
}

const char* askCommanderName()
{
    static CommanderName name;
    name.clear();
    if (!isWindowOpen())
        return name.text();
    DialogFrame frame("Enter commander name");
    frame.addButton("Ok", centreX(frame) - 90);
    NameEntryKeys keys(name);
    while (frame.beginFrame()) {
        if (keys.typeFrom(g_inputQueue)) {
            playSound(sample::buttonClick);
            break;
        }
        if (frame.pollButtons() == 0)
            break;
        frame.paintBox();
        paintNameEntry(frame, name);
        frame.endFrame();
    }
    return name.text();
}

}
