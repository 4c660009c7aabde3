#include "screens/GuiControls.h"

#include "gui/GuiButton.h"
#include "gui/GuiHRule.h"
#include "gui/GuiLabel.h"
#include "gui/GuiSlider.h"
#include "persistence/ControlsFile.h"
#include "platform/KeyNames.h"
#include "platform/KeyState.h"
#include "rendering/GLFont.h"

#include <algorithm>
#include <utility>

namespace dh {

namespace {

constexpr int kRows = 9;
constexpr int kButtonWidth = 240;
constexpr int kButtonHeight = 30;
constexpr int kSliderWidth = 400;

template <class W>
W* place(GuiPanel& panel, std::unique_ptr<W> widget, int x, int y)
{
    widget->x = x;
    widget->y = y;
    return static_cast<W*>(panel.addWidget(std::move(widget)));
}

GuiButton* addButton(GuiPanel& panel, int x, int y, std::function<void()> action)
{
    auto button = std::make_unique<GuiButton>();
    button->width = kButtonWidth;
    button->height = kButtonHeight;
    button->action = std::move(action);
    return place(panel, std::move(button), x, y);
}

void addLabel(GuiPanel& panel, int x, int y, const char* text, bool heading)
{
    auto label = std::make_unique<GuiLabel>();
    label->text = text;
    if (heading) {
        label->font = g_fontBig;
        label->textSize = 16;
    }
    place(panel, std::move(label), x, y);
}

int knobForSensitivity(float sensitivity, int sliderWidth)
{
    const float t = (sensitivity - Controls::kMinSensitivity) / (Controls::kMaxSensitivity - Controls::kMinSensitivity);
    return static_cast<int>(t * static_cast<float>(sliderWidth - GuiSlider::kKnobWidth) + 0.5f);
}

}

GuiControls::GuiControls(Controls& controls, std::string path) : controls_(controls), path_(std::move(path))
{
    width = 526;
    height = 534;
    addLabel(*this, 20, 15, "Controls", true);
    auto rule = std::make_unique<GuiHRule>();
    rule->width = 486;
    rule->height = 4;
    place(*this, std::move(rule), 20, 40);
    for (std::size_t i = 0; i < Controls::kActionCount; ++i) {
        const auto action = static_cast<Action>(i);
        const int column = static_cast<int>(i) / kRows;
        const int row = static_cast<int>(i) % kRows;
        actionButtons[i] = addButton(*this, 20 + 246 * column, 60 + 36 * row, [this, action] { chooseAction(action); });
    }
    addLabel(*this, 20, 396, "Mouse sensitivity", false);
    auto slider = std::make_unique<GuiSlider>();
    slider->width = kSliderWidth;
    slider->height = 20;
    slider->minValue = Controls::kMinSensitivity;
    slider->maxValue = Controls::kMaxSensitivity;
    slider->knobOffset = knobForSensitivity(controls_.mouseSensitivity(), kSliderWidth);
    slider->onKnobMoved = [this] {
        controls_.setMouseSensitivity(sensitivityForKnob(sensitivitySlider->knobOffset, sensitivitySlider->width));
        save();
    };
    sensitivitySlider = place(*this, std::move(slider), 20, 414);
    invertButton = addButton(*this, 20, 450, [this] { switchInvertPitch(); });
    defaultsButton = addButton(*this, 266, 450, [this] { restoreDefaults(); });
    defaultsButton->text = "Defaults";
    refresh();
}

bool GuiControls::takeKey(unsigned virtualKey)
{
    if (!waiting_ || !visible)
        return false;
    // A key that cannot be bound leaves the action waiting.
    if (virtualKey != VK_ESCAPE && !controls_.bind(*waiting_, virtualKey))
        return true;
    if (virtualKey != VK_ESCAPE)
        save();
    waiting_.reset();
    refresh();
    return true;
}

void GuiControls::chooseAction(Action action)
{
    waiting_ = action;
    refresh();
}

void GuiControls::restoreDefaults()
{
    waiting_.reset();
    controls_.restoreDefaults();
    sensitivitySlider->knobOffset = knobForSensitivity(controls_.mouseSensitivity(), sensitivitySlider->width);
    refresh();
    save();
}

void GuiControls::switchInvertPitch()
{
    controls_.invertPitch = !controls_.invertPitch;
    refresh();
    save();
}

float GuiControls::sensitivityForKnob(int knobOffset, int sliderWidth)
{
    const float t = static_cast<float>(knobOffset) / static_cast<float>(sliderWidth - GuiSlider::kKnobWidth);
    return Controls::kMinSensitivity + t * (Controls::kMaxSensitivity - Controls::kMinSensitivity);
}

void GuiControls::refresh()
{
    for (std::size_t i = 0; i < Controls::kActionCount; ++i) {
        const auto action = static_cast<Action>(i);
        const std::string key = waiting_ == action ? "press a key" : inputLabel(controls_.input(action));
        captions_[i] = std::string(Controls::caption(action)) + ": " + key;
        actionButtons[i]->text = captions_[i].c_str();
    }
    invertButton->text = controls_.invertPitch ? "Invert pitch: Yes" : "Invert pitch: No";
}

void GuiControls::save() const
{
    if (!path_.empty())
        writeControls(controls_, path_);
}

}
