#include "platform/PlatformEvents.h"
#include "window/GLWindow.h"
#include "screens/IntroScreen.h"
#include "support/GlWindowSupport.h"

#include <GL/gl.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <string>
#include <vector>

// The intro's frames drawn in the real window, and the intro cut short.
namespace {

using dh::IntroScreen;

class Intro : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(testsupport::openWindowWith(testsupport::Art::Fonts));
        dh::g_listener = nullptr;
        dh::setClientSize(800, 600);
        dh::pumpMessages();
    }
    void TearDown() override { dh::g_listener = nullptr; }

    // The frame just swapped, top row first, RGBA; also written as a picture.
    static std::vector<std::uint8_t> shown(const std::string& name)
    {
        std::vector<std::uint8_t> frame = testsupport::readBackOpaqueRgba();
        testsupport::keepPicture(frame, "shell", name);
        return frame;
    }
    static const std::uint8_t* at(const std::vector<std::uint8_t>& frame, int x, int y)
    {
        return &frame[(static_cast<std::size_t>(y) * dh::clientWidth() + x) * 4];
    }
    // The count and mean row of the story's yellow pixels (red and green bright, blue dark).
    static std::pair<int, double> yellow(const std::vector<std::uint8_t>& frame)
    {
        int count = 0;
        double sumY = 0.0;
        for (int y = 0; y < dh::clientHeight(); ++y)
            for (int x = 0; x < dh::clientWidth(); ++x)
                if (const std::uint8_t* p = at(frame, x, y); p[0] > 120 && p[1] > 120 && p[2] < 60) {
                    ++count;
                    sumY += y;
                }
        return {count, count > 0 ? sumY / count : 0.0};
    }
};

struct Catcher : dh::GLWindowEventListener {};

TEST_F(Intro, TitleGrowsOutOfTheSameStarsAndFades)
{
    IntroScreen intro;
    intro.drawTitleFrame(5.0f);
    const auto start = shown("intro_title_start");
    intro.drawTitleFrame(2.5f);
    const auto full = shown("intro_title_full");
    intro.drawTitleFrame(1.25f);
    const auto fading = shown("intro_title_fading");

    // "Drift Hauler" at size 32 spans 384 x 32 pixels around the centre. Where
    // the full-size title is solid white over empty sky, the title of size 0
    // shows nothing and the half-faded one mid grey.
    int glyph = 0;
    for (int y = 284; y < 316; ++y)
        for (int x = 208; x < 592; ++x) {
            if (at(full, x, y)[0] != 255 || at(start, x, y)[0] != 0)
                continue;
            ++glyph;
            ASSERT_NEAR(at(fading, x, y)[0], 128, 2) << x << ", " << y;
            ASSERT_EQ(at(fading, x, y)[0], at(fading, x, y)[2]) << x << ", " << y;
        }
    EXPECT_GT(glyph, 2000);

    // The star field above the title is the same in every frame, and it has stars.
    int stars = 0;
    for (int y = 0; y < 250; ++y)
        for (int x = 0; x < 800; ++x) {
            ASSERT_EQ(at(start, x, y)[0], at(full, x, y)[0]) << x << ", " << y;
            ASSERT_EQ(at(start, x, y)[0], at(fading, x, y)[0]) << x << ", " << y;
            stars += at(start, x, y)[0] > 0 ? 1 : 0;
        }
    // About 1024 x 250 / 600 stars fall into these rows, some of them black.
    EXPECT_GT(stars, 250);
    EXPECT_LT(stars, 600);
}

TEST_F(Intro, StoryCrawlsUpwardsInYellow)
{
    IntroScreen intro;
    // The text starts just below the window's bottom edge and rises into it.
    intro.drawCrawlFrame(60.0f);
    EXPECT_EQ(yellow(shown("intro_crawl_start")).first, 0);
    intro.drawCrawlFrame(50.0f);
    const auto [count10, meanY10] = yellow(shown("intro_crawl_10s"));
    intro.drawCrawlFrame(40.0f);
    const auto [count20, meanY20] = yellow(shown("intro_crawl_20s"));
    EXPECT_GT(count10, 2000);
    EXPECT_GT(meanY10, 400.0);
    // Ten seconds on, 150 units further along, the text has risen and more lines come in.
    EXPECT_GT(count20, count10);
    EXPECT_LT(meanY20, meanY10 - 20.0);
}

// A key skips everything but the one-second fade; closing the window skips
// the fade too. Either way the listener comes back.
TEST_F(Intro, AKeySkipsAllButTheFadeAndClosingTheWindowEndsItAtOnce)
{
    Catcher menu;
    for (auto type : {dh::PlatformEvent::Type::KeyDown, dh::PlatformEvent::Type::Close}) {
        dh::g_listener = &menu;
        dh::platformPostEvent({type, 0, 0, 0, 32, 0});
        const auto begin = std::chrono::steady_clock::now();
        dh::playIntro();
        const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - begin).count();
        std::printf("intro ended after %.2f s\n", seconds);
        EXPECT_EQ(dh::g_listener, &menu);
        if (type == dh::PlatformEvent::Type::KeyDown) {
            EXPECT_TRUE(dh::isWindowOpen());
            EXPECT_GE(seconds, 0.9);
            EXPECT_LT(seconds, 10.0);
            const auto frame = shown("intro_after_skip");
            int brightest = 0;
            for (std::size_t i = 0; i < frame.size(); i += 4)
                brightest = std::max(brightest, static_cast<int>(frame[i]));
            EXPECT_LT(brightest, 40);
        } else {
            EXPECT_FALSE(dh::isWindowOpen());
            EXPECT_LT(seconds, 0.9);
        }
    }
}

}
