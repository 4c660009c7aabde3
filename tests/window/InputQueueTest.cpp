#include "window/InputQueue.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

using Type = dh::PlatformEvent::Type;

dh::PlatformEvent typed(char c)
{
    return {.type = Type::Text, .text = c};
}

std::vector<char> takeAll(dh::InputQueue& queue)
{
    std::vector<char> taken;
    dh::PlatformEvent event;
    while (queue.take(event))
        taken.push_back(event.text);
    return taken;
}

TEST(InputQueue, EventsComeOutInTheOrderTheyWentInAcrossTheWrapOfTheRing)
{
    dh::InputQueue queue;
    dh::PlatformEvent event;
    EXPECT_FALSE(queue.take(event));
    // Take most of a ring's worth so that the next events wrap round its end.
    for (std::size_t i = 0; i < dh::InputQueue::kCapacity - 2; ++i) {
        queue.push(typed('x'));
        ASSERT_TRUE(queue.take(event));
    }
    for (char c : {'a', 'b', 'c', 'd', 'e'})
        queue.push(typed(c));
    queue.push({.type = Type::KeyDown, .key = 13});
    EXPECT_EQ(queue.size(), 6u);
    EXPECT_EQ(takeAll(queue), (std::vector<char>{'a', 'b', 'c', 'd', 'e', 0}));
    EXPECT_EQ(queue.size(), 0u);
}

TEST(InputQueue, AFullQueueDropsTheNewestAndAClearedOneStartsAfresh)
{
    dh::InputQueue queue;
    std::vector<char> pushed;
    for (std::size_t i = 0; i < dh::InputQueue::kCapacity; ++i) {
        pushed.push_back(static_cast<char>('A' + i % 26));
        queue.push(typed(pushed.back()));
    }
    queue.push(typed('!'));
    EXPECT_EQ(queue.size(), dh::InputQueue::kCapacity);
    EXPECT_EQ(takeAll(queue), pushed);

    queue.push(typed('a'));
    queue.push(typed('b'));
    queue.clear();
    dh::PlatformEvent event;
    EXPECT_FALSE(queue.take(event));
    queue.push(typed('c'));
    EXPECT_EQ(takeAll(queue), std::vector<char>{'c'});
}

}
