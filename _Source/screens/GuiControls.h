#pragma once
#include "flight/Controls.h"
#include "gui/GuiPanel.h"

#include <array>
#include <optional>
#include <string>

namespace dh {

class GuiButton;
class GuiSlider;

// The settings' list of flight actions with the key each answers to, shown
// by the label the player's layout gives it. Clicking an action waits for
// the next key, which is bound to it (a key in use elsewhere is swapped);
// Escape cancels the wait. "Defaults" restores the game's keys. Below, the
// mouse's sensitivity and inverted pitch. Every change is saved at once.
class GuiControls : public GuiPanel {
public:
    // `path` is the controls file; empty saves nothing.
    GuiControls(Controls& controls, std::string path);

    // The action waiting for its key, if any.
    std::optional<Action> waiting() const { return waiting_; }
    // A key pressed while the panel is shown and an action waits: true when
    // the panel took it.
    bool takeKey(unsigned virtualKey);
    void chooseAction(Action action);
    void restoreDefaults();
    void switchInvertPitch();
    // The sensitivity the slider stands for: 0.25 at its left end, 4 at its
    // right end.
    static float sensitivityForKnob(int knobOffset, int sliderWidth);

    std::array<GuiButton*, Controls::kActionCount> actionButtons{};
    GuiButton* defaultsButton = nullptr;
    GuiButton* invertButton = nullptr;
    GuiSlider* sensitivitySlider = nullptr;

private:
    void refresh();
    void save() const;

    Controls& controls_;
    std::string path_;
    std::optional<Action> waiting_;
    std::array<std::string, Controls::kActionCount> captions_;
};

}
