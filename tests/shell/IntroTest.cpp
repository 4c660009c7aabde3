#include "shell/IntroScreen.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using dh::IntroScreen;

TEST(Intro, TitleGrowsForHalfItsTimeThenFades)
{
    const IntroScreen intro;
    // Five seconds of title: size 0 at the start, 16 after 1.25 s, 32 from 2.5 s on.
    EXPECT_FLOAT_EQ(intro.titleSize(5.0f), 0.0f);
    EXPECT_FLOAT_EQ(intro.titleSize(3.75f), 16.0f);
    EXPECT_FLOAT_EQ(intro.titleSize(2.5f), 32.0f);
    EXPECT_FLOAT_EQ(intro.titleSize(2.49f), 32.0f);
    EXPECT_FLOAT_EQ(intro.titleSize(0.01f), 32.0f);
    // Full white while growing, then down to black over the last 2.5 s.
    EXPECT_FLOAT_EQ(intro.titleGrey(5.0f), 1.0f);
    EXPECT_FLOAT_EQ(intro.titleGrey(2.5f), 1.0f);
    EXPECT_FLOAT_EQ(intro.titleGrey(1.25f), 0.5f);
    EXPECT_FLOAT_EQ(intro.titleGrey(0.5f), 0.2f);
    EXPECT_NEAR(intro.titleGrey(0.001f), 0.0f, 1e-3f);
}

TEST(Intro, CrawlStartsWhereTheTitleEndsAndMovesFifteenUnitsASecond)
{
    const IntroScreen intro;
    EXPECT_FLOAT_EQ(intro.titleTime, 5.0f);
    EXPECT_FLOAT_EQ(intro.crawlTime, 60.0f);
    EXPECT_FLOAT_EQ(intro.crawlDistance(60.0f), 0.0f);
    EXPECT_FLOAT_EQ(intro.crawlDistance(59.0f), 15.0f);
    EXPECT_FLOAT_EQ(intro.crawlDistance(30.0f), 450.0f);
    EXPECT_FLOAT_EQ(intro.crawlDistance(0.0f), 900.0f);
}

TEST(Intro, StoryIsTwentyOneShortLinesSixOfThemEmpty)
{
    std::vector<std::string> lines;
    std::string line;
    for (const char* p = IntroScreen::kStoryText;; ++p) {
        if (*p == '\n' || *p == '\0') {
            lines.push_back(line);
            line.clear();
            if (*p == '\0')
                break;
        } else {
            line += *p;
        }
    }
    ASSERT_EQ(lines.size(), 21u);
    int empty = 0;
    for (const std::string& l : lines) {
        empty += l.empty() ? 1 : 0;
        EXPECT_LE(l.size(), 42u) << l;
        EXPECT_EQ(l.find('\r'), std::string::npos);
    }
    EXPECT_EQ(empty, 6);
    EXPECT_FALSE(lines.front().empty());
    EXPECT_FALSE(lines.back().empty());
    EXPECT_STREQ(IntroScreen::kTitle, "Drift Hauler");
    EXPECT_STREQ(IntroScreen::kSongFile, "mus\\intro\\intro.mid");
}

TEST(Intro, AnyKeyOrButtonEndsTheIntroOtherEventsDoNot)
{
    IntroScreen intro;
    IntroScreen::IntroScreenEventListener listener(intro);
    intro.running = true;
    listener.onMouseMove(10, 10);
    listener.onMouseUp(10, 10, 1);
    listener.onKeyUp(32);
    listener.onResize();
    listener.onPaint();
    EXPECT_TRUE(intro.running);
    listener.onKeyDown(65);
    EXPECT_FALSE(intro.running);
    for (int button : {1, 2, 4}) {
        intro.running = true;
        listener.onMouseDown(0, 0, button);
        EXPECT_FALSE(intro.running) << button;
    }
}
