#include "screens/IntroScreen.h"

#include "audio/Music.h"
#include "core/Random.h"
#include "rendering/GLFont.h"
#include "rendering/TextDrawing.h"
#include "window/GLWindow.h"
#include "window/ListenerScope.h"

#include <GL/gl.h>

#include <string>

namespace dh {

const char* const IntroScreen::kStoryText =
    "The great trade lanes went quiet long\n"
    "ago. Where the convoys once ran, only\n"
    "the drift haulers remain: lone pilots\n"
    "in second-hand ships, carrying whatever\n"
    "pays from one station to the next.\n"
    "\n"
    "You are one of them. A worn Explorer\n"
    "and a handful of credits are all you own,\n"
    "and the galaxy is very wide.\n"
    "\n"
    "Buy where goods are cheap and sell\n"
    "where they are dear. Keep your hold\n"
    "full and your shields charged.\n"
    "\n"
    "Pirates hunt the dangerous systems,\n"
    "and a rich cargo draws them in.\n"
    "\n"
    "Dock often. Save often.\n"
    "\n"
    "\n"
    "Fly well, Commander.";

namespace {

// The same 1024 stars every frame: the field is drawn from a fixed seed.
void drawStarField()
{
    glClearColor(0.0f, 0.0f, 0.0f, 1.0f);
    glClear(GL_COLOR_BUFFER_BIT);
    g_randomSeed = IntroScreen::kStarSeed;
    glMatrixMode(GL_PROJECTION);
    glPushMatrix();
    glMatrixMode(GL_MODELVIEW);
    glPushMatrix();
    glPushAttrib(GL_ENABLE_BIT);
    glDisable(GL_TEXTURE_2D);
    glDisable(GL_LIGHTING);
    glDisable(GL_CULL_FACE);
    glDisable(GL_BLEND);
    glDisable(GL_DEPTH_TEST);
    setOrthoProjection();
    const auto w = static_cast<float>(clientWidth());
    const auto h = static_cast<float>(clientHeight());
    glBegin(GL_POINTS);
    for (int i = 0; i < IntroScreen::kStarCount; ++i) {
        const float x = random01() * w;
        const float y = random01() * h;
        const float grey = random01();
        glColor3f(grey, grey, grey);
        glVertex2f(x, y);
    }
    glEnd();
    glPopAttrib();
    glMatrixMode(GL_PROJECTION);
    glPopMatrix();
    glMatrixMode(GL_MODELVIEW);
    glPopMatrix();
}

}

void IntroScreen::IntroScreenEventListener::onMouseDown(int, int, int)
{
    intro_.running = false;
}

void IntroScreen::IntroScreenEventListener::onKeyDown(unsigned)
{
    intro_.running = false;
}

// A listener that ignored the close request would leave the player no way out
// of the intro but a key; closing the window ends it as it ends every screen.
void IntroScreen::IntroScreenEventListener::onClose()
{
    destroyWindow();
}

float IntroScreen::titleSize(float remaining) const
{
    const float half = titleTime / 2.0f;
    if (remaining < half)
        return 32.0f;
    return (0.5f - (remaining - half) / titleTime) * 64.0f;
}

float IntroScreen::titleGrey(float remaining) const
{
    if (remaining >= titleTime / 2.0f)
        return 1.0f;
    return remaining / titleTime * 2.0f;
}

float IntroScreen::crawlDistance(float remaining) const
{
    return (crawlTime - remaining) * crawlSpeed;
}

void IntroScreen::drawTitleFrame(float remaining) const
{
    drawStarField();
    setOrthoProjection();
    const float grey = titleGrey(remaining);
    drawTextCentered(g_fontBig, title, 0.0f, 0.0f, static_cast<float>(clientWidth()),
                     static_cast<float>(clientHeight()), titleSize(remaining), grey, grey, grey);
    swapBuffers();
}

void IntroScreen::drawCrawlFrame(float remaining) const
{
    drawStarField();
    const auto w = static_cast<float>(clientWidth());
    const auto h = static_cast<float>(clientHeight());
    setPerspectiveProjection(1000.0f);
    glRotatef(180.0f, 0.0f, 1.0f, 0.0f);
    glRotatef(180.0f, 0.0f, 0.0f, 1.0f);
    glRotatef(-20.0f, 1.0f, 0.0f, 0.0f);
    glTranslatef(-w / 2.0f, h / 4.0f, h / 2.0f);
    glTranslatef(0.0f, -crawlDistance(remaining), 0.0f);
    const std::string story = text;
    std::size_t start = 0;
    for (int line = 0; start <= story.size(); ++line) {
        std::size_t end = story.find('\n', start);
        if (end == std::string::npos)
            end = story.size();
        const std::string row = story.substr(start, end - start);
        drawTextCentered(g_fontBig, row.c_str(), 0.0f, kLineHeight * static_cast<float>(line), w, kLineHeight,
                         kCrawlTextSize, 1.0f, 1.0f, 0.0f);
        start = end + 1;
    }
    swapBuffers();
}

void IntroScreen::runPhase(float seconds, void (IntroScreen::*drawFrame)(float) const, FrameTimer& timer)
{
    float remaining = seconds;
    while (isWindowOpen() && remaining > 0.0f && running) {
        invalidateWindow();
        pumpMessages();
        if (!isWindowOpen())
            break;
        (this->*drawFrame)(remaining);
        timer.tick();
        remaining -= timer.deltaSeconds;
    }
}

void IntroScreen::play()
{
    playMusicFile(kSongFile);
    FrameTimer timer;
    {
        IntroScreenEventListener listener(*this);
        const ListenerScope skipping(&listener);
        running = true;
        runPhase(titleTime, &IntroScreen::drawTitleFrame, timer);
        runPhase(crawlTime, &IntroScreen::drawCrawlFrame, timer);
        if (isWindowOpen()) {
            glFlush();
            swapBuffers();
            fadeScreenToBlack(1.0f);
        }
    }
    stopMusic();
}

void playIntro()
{
    IntroScreen intro;
    intro.play();
}

}
