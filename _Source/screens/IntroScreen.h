#pragma once
#include "core/FrameTimer.h"
#include "window/GLWindowEventListener.h"

namespace dh {

// The intro before a new game: the title grows out of a star field and fades,
// then the story crawls up and away on a tilted plane, all over the intro
// song. Any key or mouse button skips what is left; a short fade follows.
class IntroScreen {
public:
    // Ends the intro on any key or mouse button, and closes the window on request.
    class IntroScreenEventListener : public GLWindowEventListener {
    public:
        explicit IntroScreenEventListener(IntroScreen& intro) : intro_(intro) {}
        void onMouseDown(int x, int y, int button) override;
        void onKeyDown(unsigned virtualKey) override;
        void onClose() override;

    private:
        IntroScreen& intro_;
    };

    static constexpr const char* kSongFile = "mus\\intro\\intro.mid";
    static constexpr const char* kTitle = "Drift Hauler";
    static const char* const kStoryText;
    static constexpr float kTitleTime = 5.0f;
    static constexpr float kCrawlTime = 60.0f;
    static constexpr float kCrawlSpeed = 15.0f;
    static constexpr float kLineHeight = 24.0f;
    static constexpr float kCrawlTextSize = 16.0f;
    static constexpr int kStarCount = 1024;
    static constexpr unsigned kStarSeed = 24242;

    // The title's glyph size and grey level with `remaining` seconds of the
    // title phase left: it grows to 32 in the first half, then fades out.
    float titleSize(float remaining) const;
    float titleGrey(float remaining) const;
    // How far the text has moved up with `remaining` seconds of the crawl left.
    float crawlDistance(float remaining) const;

    void play();

    // One frame of each phase, swapped to the window.
    void drawTitleFrame(float remaining) const;
    void drawCrawlFrame(float remaining) const;

    const char* title = kTitle;
    const char* text = kStoryText;
    float titleTime = kTitleTime;
    float crawlTime = kCrawlTime;
    float crawlSpeed = kCrawlSpeed;
    bool running = false;

private:
    void runPhase(float seconds, void (IntroScreen::*drawFrame)(float) const, FrameTimer& timer);
};

// Plays the intro with its song; returns when it has finished or was skipped.
void playIntro();

}
