#pragma once
#include <array>
#include <cstddef>
#include <optional>
#include <span>

#include "gui/GuiButton.h"
#include "gui/GuiLabel.h"
#include "gui/GuiPanel.h"
#include "window/ListenerScope.h"

namespace dh {

// What the three dialogs share: the frozen and darkened last frame behind a
// 600 x 150 box with a title bar, centred in the virtual window, and buttons
// polled once a frame. Construction freezes the frame and takes the window's
// events away from the current listener; destruction gives them back.
class DialogFrame {
public:
    static constexpr std::size_t kMaxButtons = 2;

    explicit DialogFrame(const char* title);
    ~DialogFrame();
    DialogFrame(const DialogFrame&) = delete;
    DialogFrame& operator=(const DialogFrame&) = delete;

    // A stock 180 x 35 button with its left edge at x, on the box's button row.
    void addButton(const char* text, int x);

    // Pumps the window's messages and draws the darkened background; false
    // once the window is gone.
    bool beginFrame();
    // Tracks the pointer over the buttons; the index of a clicked button or -1.
    int pollButtons();
    // The box, its title and buttons; the caller then draws its own texts.
    void paintBox();
    // The sheen over the title bar, then the frame is shown.
    void endFrame();

    float virtualWidth = 0.0f;
    float virtualHeight = 0.0f;
    int boxX = 0;
    int boxY = 0;

private:
    std::span<GuiButton> buttons();

    float scale_ = 1.0f;
    // Taken once the frame is frozen, given back before the GL state is.
    std::optional<ListenerScope> listenerOff_;
    bool leftWasDown_ = false;
    int frame_ = 0;
    GuiPanel body_;
    GuiPanel titleBar_;
    GuiLabel title_;
    std::array<GuiButton, kMaxButtons> buttons_;
    std::size_t buttonCount_ = 0;
};

}
