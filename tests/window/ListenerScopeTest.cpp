#include <gtest/gtest.h>

#include "window/GLWindow.h"
#include "window/ListenerScope.h"

#include <stdexcept>

namespace dh {
namespace {

class ListenerScopeTest : public ::testing::Test {
protected:
    void TearDown() override { g_listener = nullptr; }

    GLWindowEventListener menu;
    GLWindowEventListener flight;
    GLWindowEventListener dock;
};

// A menu runs the flight, which runs the dock menu, which opens a dialog with
// no listener: each level gives the window back to the one that called it.
TEST_F(ListenerScopeTest, NestedScopesEachGiveBackTheListenerTheyReplaced)
{
    g_listener = &menu;
    {
        const ListenerScope flying(&flight);
        EXPECT_EQ(g_listener, &flight);
        {
            const ListenerScope docked(&dock);
            EXPECT_EQ(g_listener, &dock);
            {
                const ListenerScope dialog(nullptr);
                EXPECT_EQ(g_listener, nullptr);
            }
            EXPECT_EQ(g_listener, &dock);
        }
        EXPECT_EQ(g_listener, &flight);
        // A second loop from the same level, and one that keeps the listener.
        {
            const ListenerScope again(&dock);
            const ListenerScope same(&dock);
            EXPECT_EQ(g_listener, &dock);
        }
        EXPECT_EQ(g_listener, &flight);
    }
    EXPECT_EQ(g_listener, &menu);
}

TEST_F(ListenerScopeTest, TheListenerBeforeComesBackWhateverWasCurrentAtTheEnd)
{
    // A window destroyed inside the loop drops the listener; leaving the loop
    // still restores the outer one, as leaving by an exception does.
    g_listener = &flight;
    {
        const ListenerScope screen(&menu);
        g_listener = nullptr;
    }
    EXPECT_EQ(g_listener, &flight);
    try {
        const ListenerScope screen(&menu);
        throw std::runtime_error("left early");
    } catch (const std::runtime_error&) {
    }
    EXPECT_EQ(g_listener, &flight);
}

}
}
