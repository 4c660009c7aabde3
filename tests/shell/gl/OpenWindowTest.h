#pragma once
#include <gtest/gtest.h>

#include "platform/PlatformEvents.h"
#include "shell/GLWindow.h"

namespace shellgl {

// The game's window opened with no listener and its first messages handled.
class OpenWindowTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        dh::createGLWindow();
        ASSERT_TRUE(dh::isWindowOpen());
        dh::g_listener = nullptr;
        dh::pumpMessages();
    }
};

}
