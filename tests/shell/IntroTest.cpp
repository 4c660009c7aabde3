#include "shell/IntroScreen.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>

using dh::IntroScreen;

TEST(Intro, TitleGrowsForHalfItsTimeThenFadesAndTheCrawlMovesFifteenUnitsASecond)
{
    const IntroScreen intro;
    // Five seconds of title: size 0 at the start, 16 after 1.25 s, 32 from 2.5 s on.
    EXPECT_FLOAT_EQ(intro.titleSize(5.0f), 0.0f);
    EXPECT_FLOAT_EQ(intro.titleSize(3.75f), 16.0f);
    EXPECT_FLOAT_EQ(intro.titleSize(2.5f), 32.0f);
    EXPECT_FLOAT_EQ(intro.titleSize(0.01f), 32.0f);
    // Full white while growing, then down to black over the last 2.5 s.
    EXPECT_FLOAT_EQ(intro.titleGrey(2.5f), 1.0f);
    EXPECT_FLOAT_EQ(intro.titleGrey(1.25f), 0.5f);
    EXPECT_NEAR(intro.titleGrey(0.001f), 0.0f, 1e-3f);
    // Sixty seconds of crawl after the title.
    EXPECT_FLOAT_EQ(intro.crawlTime, 60.0f);
    EXPECT_FLOAT_EQ(intro.crawlDistance(60.0f), 0.0f);
    EXPECT_FLOAT_EQ(intro.crawlDistance(59.0f), 15.0f);
    EXPECT_FLOAT_EQ(intro.crawlDistance(0.0f), 900.0f);
}

TEST(Intro, StoryIsTwentyOneShortLinesSixOfThemEmpty)
{
    std::istringstream story(IntroScreen::kStoryText);
    int lines = 0, empty = 0;
    for (std::string line; std::getline(story, line); ++lines) {
        empty += line.empty() ? 1 : 0;
        EXPECT_LE(line.size(), 42u) << line;
    }
    EXPECT_EQ(lines, 21);
    EXPECT_NE(std::string(IntroScreen::kStoryText).back(), '\n');
    EXPECT_EQ(empty, 6);
    EXPECT_STREQ(IntroScreen::kTitle, "Drift Hauler");
}

TEST(Intro, AnyKeyOrButtonEndsTheIntroOtherEventsDoNot)
{
    IntroScreen intro;
    IntroScreen::IntroScreenEventListener listener(intro);
    intro.running = true;
    listener.onMouseMove(10, 10);
    listener.onMouseUp(10, 10, 1);
    listener.onKeyUp(32);
    EXPECT_TRUE(intro.running);
    listener.onKeyDown(65);
    EXPECT_FALSE(intro.running);
    for (int button : {1, 2, 4}) {
        intro.running = true;
        listener.onMouseDown(0, 0, button);
        EXPECT_FALSE(intro.running) << button;
    }
}
