#include "gui/GuiButton.h"
#include "gui/GuiSlider.h"
#include "persistence/ControlsFile.h"
#include "platform/KeyState.h"
#include "screens/GuiControls.h"
#include "support/PrivateDataFolder.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>

using namespace dh;

namespace {

std::string caption(const GuiControls& view, Action action)
{
    return view.actionButtons[static_cast<std::size_t>(action)]->text;
}

Controls savedControls(const std::string& path)
{
    std::ostringstream errors;
    Controls read = readControls(path, errors);
    EXPECT_EQ(errors.str(), "");
    return read;
}

}

TEST(ControlsView, ClickAnActionPressAKeyAndItIsBoundShownAndSaved)
{
    const std::string path = testsupport::privateDataFolder("dh-controls-view") + "/controls.ini";
    Controls controls;
    GuiControls view(controls, path);
    EXPECT_EQ(caption(view, Action::PitchDown), "Pitch down: W");
    EXPECT_EQ(caption(view, Action::ThrottleUp), "Throttle up: Return");
    EXPECT_FALSE(view.takeKey('I'));

    view.chooseAction(Action::PitchDown);
    EXPECT_EQ(caption(view, Action::PitchDown), "Pitch down: press a key");
    // A key without a name keeps it waiting; the key pressed then is bound.
    EXPECT_TRUE(view.takeKey(kUnnamedKey));
    EXPECT_TRUE(view.waiting().has_value());
    EXPECT_TRUE(view.takeKey('I'));
    EXPECT_FALSE(view.waiting().has_value());
    EXPECT_EQ(controls.input(Action::PitchDown), 'I');
    EXPECT_EQ(caption(view, Action::PitchDown), "Pitch down: I");
    EXPECT_EQ(savedControls(path).input(Action::PitchDown), 'I');

    // A key in use is swapped; Escape cancels the wait and binds nothing.
    view.chooseAction(Action::Laser);
    EXPECT_TRUE(view.takeKey('S'));
    EXPECT_EQ(controls.input(Action::Laser), 'S');
    EXPECT_EQ(caption(view, Action::PitchUp), "Pitch up: Space");
    view.chooseAction(Action::Emp);
    EXPECT_TRUE(view.takeKey(VK_ESCAPE));
    EXPECT_EQ(controls.input(Action::Emp), VK_DELETE);
    EXPECT_EQ(controls.input(Action::Menu), VK_ESCAPE);
    EXPECT_EQ(caption(view, Action::Emp), "EMP bomb: Delete");

    // Hidden, the view takes no keys.
    view.chooseAction(Action::Emp);
    view.visible = false;
    EXPECT_FALSE(view.takeKey('E'));
    view.visible = true;

    view.restoreDefaults();
    EXPECT_FALSE(view.waiting().has_value());
    EXPECT_EQ(controls.input(Action::Laser), VK_SPACE);
    EXPECT_EQ(savedControls(path).input(Action::PitchDown), 'W');
}

TEST(ControlsView, TheSliderSetsSensitivityFromAQuarterToFourAndInvertIsSwitched)
{
    const std::string path = testsupport::privateDataFolder("dh-controls-view") + "/controls.ini";
    Controls controls;
    GuiControls view(controls, path);
    const int travel = view.sensitivitySlider->width - GuiSlider::kKnobWidth;
    EXPECT_FLOAT_EQ(GuiControls::sensitivityForKnob(0, view.sensitivitySlider->width), 0.25f);
    EXPECT_FLOAT_EQ(GuiControls::sensitivityForKnob(travel, view.sensitivitySlider->width), 4.0f);
    EXPECT_NEAR(GuiControls::sensitivityForKnob(view.sensitivitySlider->knobOffset, view.sensitivitySlider->width),
                1.0f, 0.01f);

    view.sensitivitySlider->knobOffset = travel;
    view.sensitivitySlider->onKnobMoved();
    EXPECT_EQ(controls.mouseSensitivity(), 4.0f);
    EXPECT_EQ(savedControls(path).mouseSensitivity(), 4.0f);

    EXPECT_STREQ(view.invertButton->text, "Invert pitch: No");
    view.switchInvertPitch();
    EXPECT_TRUE(controls.invertPitch);
    EXPECT_STREQ(view.invertButton->text, "Invert pitch: Yes");
    EXPECT_TRUE(savedControls(path).invertPitch);
}
