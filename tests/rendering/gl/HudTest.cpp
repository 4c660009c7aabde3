#include "audio/SoundEffects.h"
#include "flight/Game.h"
#include "flight/GameObject_Missile.h"
#include "flight/GameObject_Ship.h"
#include "flight/PlayerHuman.h"
#include "flight/World.h"
#include "rendering/Hud.h"
#include "rendering/TextureList.h"
#include "shell/GLWindow.h"

#include <GL/gl.h>
#include <gtest/gtest.h>

#include <array>
#include <initializer_list>
#include <memory>
#include <vector>

namespace {

using Rgb = std::array<int, 3>;

constexpr Rgb kGauge{100, 100, 100};
constexpr Rgb kButton{180, 180, 180};
constexpr Rgb kButtonHovered{250, 200, 40};
constexpr Rgb kTarget{255, 0, 255};
constexpr Rgb kGreen{0, 255, 0};
constexpr Rgb kRed{255, 0, 0};
constexpr Rgb kBlue{0, 0, 255};

// The hover and warning samples as short constant tones of different
// loudness; the first frame of the next mix tells how many of each started.
class SoundCounter {
public:
    struct Counts {
        int over = 0;
        int warning = 0;
    };

    SoundCounter()
    {
        dh::initOfflineSoundDevice(kRate);
        dh::g_soundEnabled = true;
        over_ = tone(kOver);
        warning_ = tone(kWarning);
        dh::sample::buttonOver = over_.get();
        dh::sample::missileIncoming = warning_.get();
    }
    ~SoundCounter()
    {
        dh::sample::buttonOver = nullptr;
        dh::sample::missileIncoming = nullptr;
        over_.reset();
        warning_.reset();
        dh::shutdownSoundDevice();
    }
    SoundCounter(const SoundCounter&) = delete;
    SoundCounter& operator=(const SoundCounter&) = delete;

    Counts take()
    {
        std::vector<std::int16_t> out(2 * kFrames);
        dh::g_soundDevice->render(out.data(), kFrames);
        const int mix = out[0];
        return {mix % kWarning, mix / kWarning};
    }

private:
    static constexpr std::uint32_t kRate = 22050;
    static constexpr std::size_t kFrames = 4;
    static constexpr int kOver = 1;
    static constexpr int kWarning = 100;

    static std::unique_ptr<dh::SoundSample> tone(int amplitude)
    {
        auto sample = std::make_unique<dh::SoundSample>();
        const std::vector<std::int16_t> pcm(kFrames, static_cast<std::int16_t>(amplitude));
        sample->buffer = dh::SoundBuffer::create(dh::g_soundDevice, {1, kRate, 16}, pcm.data(),
                                                 pcm.size() * sizeof(std::int16_t));
        return sample;
    }

    std::unique_ptr<dh::SoundSample> over_;
    std::unique_ptr<dh::SoundSample> warning_;
};

std::unique_ptr<dh::GLTexture> solidTexture(Rgb colour, std::uint8_t alpha = 255)
{
    std::vector<std::uint8_t> pixels(512u * 512u * 4u);
    for (std::size_t i = 0; i < pixels.size(); i += 4) {
        pixels[i] = static_cast<std::uint8_t>(colour[0]);
        pixels[i + 1] = static_cast<std::uint8_t>(colour[1]);
        pixels[i + 2] = static_cast<std::uint8_t>(colour[2]);
        pixels[i + 3] = alpha;
    }
    return std::make_unique<dh::GLTexture>(pixels.data());
}

// The HUD over a black frame, with its pictures replaced by plain colours so
// that every drawn rectangle can be measured. No fonts: labels draw nothing.
class Hud : public ::testing::Test {
protected:
    void SetUp() override
    {
        dh::createGLWindow();
        ASSERT_TRUE(dh::isWindowOpen());
        saved_ = dh::g_textures;
        gauge_ = solidTexture(kGauge);
        button_ = solidTexture(kButton);
        hovered_ = solidTexture(kButtonHovered);
        target_ = solidTexture(kTarget);
        clear_ = solidTexture(kTarget, 0);
        dh::g_textures.fill(nullptr);
        for (dh::Tex tex : {dh::Tex::guageSpeeds, dh::Tex::guageHeatHull}) {
            set(tex, gauge_.get());
        }
        for (dh::Tex tex : {dh::Tex::buttonMenu, dh::Tex::buttonMissile, dh::Tex::buttonEmp}) {
            set(tex, button_.get());
        }
        for (dh::Tex tex : {dh::Tex::buttonMenuH, dh::Tex::buttonMissileH, dh::Tex::buttonEmpH}) {
            set(tex, hovered_.get());
        }
        set(dh::Tex::target, target_.get());
        dh::g_mouseX = 0;
        dh::g_mouseY = 0;
        game = std::make_unique<dh::Game>("Hud");
        ship = game->playerShip();
        resize(800, 600);
    }
    void TearDown() override
    {
        game.reset();
        dh::g_textures = saved_;
        resize(800, 600);
    }

    static void set(dh::Tex tex, dh::GLTexture* texture) { dh::g_textures[static_cast<std::size_t>(tex)] = texture; }
    // Makes the pictures see-through, as the real ones are around the gauges.
    void clearPictures(std::initializer_list<dh::Tex> textures)
    {
        for (dh::Tex tex : textures) {
            set(tex, clear_.get());
        }
    }

    static void resize(int width, int height)
    {
        dh::setClientSize(width, height);
        dh::pumpMessages();
        // The drawable takes the new size at the next swap.
        dh::swapBuffers();
        ASSERT_EQ(dh::clientWidth(), width);
        ASSERT_EQ(dh::clientHeight(), height);
    }

    // Draws the HUD over black and reads the back buffer, top row first.
    void draw()
    {
        glViewport(0, 0, dh::clientWidth(), dh::clientHeight());
        glClearColor(0.0f, 0.0f, 0.0f, 1.0f);
        glClear(GL_COLOR_BUFFER_BIT);
        dh::setPerspectiveProjection(262144.0f);
        dh::drawHud(*game);
        width_ = dh::clientWidth();
        height_ = dh::clientHeight();
        std::vector<std::uint8_t> bottomUp(static_cast<std::size_t>(width_) * height_ * 3);
        glPixelStorei(GL_PACK_ALIGNMENT, 1);
        glReadBuffer(GL_BACK);
        glReadPixels(0, 0, width_, height_, GL_RGB, GL_UNSIGNED_BYTE, bottomUp.data());
        frame_.resize(bottomUp.size());
        const std::size_t row = static_cast<std::size_t>(width_) * 3;
        for (int y = 0; y < height_; ++y) {
            std::copy_n(bottomUp.begin() + static_cast<std::ptrdiff_t>((height_ - 1 - y) * row), row,
                        frame_.begin() + static_cast<std::ptrdiff_t>(y * row));
        }
    }

    Rgb at(int x, int y) const
    {
        const std::size_t i = (static_cast<std::size_t>(y) * width_ + x) * 3;
        return {frame_[i], frame_[i + 1], frame_[i + 2]};
    }
    bool lit(int x, int y) const { return at(x, y) != Rgb{0, 0, 0}; }

    // First and last lit column of a row, or {-1, -1}.
    std::array<int, 2> litSpan(int y) const
    {
        std::array<int, 2> span{-1, -1};
        for (int x = 0; x < width_; ++x) {
            if (lit(x, y)) {
                span[0] = span[0] < 0 ? x : span[0];
                span[1] = x;
            }
        }
        return span;
    }
    int countInRow(int y, Rgb colour) const
    {
        int n = 0;
        for (int x = 0; x < width_; ++x) {
            n += at(x, y) == colour ? 1 : 0;
        }
        return n;
    }
    // Rows holding the colour within the column range [x0, x1).
    int rowsWith(Rgb colour, int x0, int x1) const
    {
        int rows = 0;
        for (int y = 0; y < height_; ++y) {
            for (int x = x0; x < x1; ++x) {
                if (at(x, y) == colour) {
                    ++rows;
                    break;
                }
            }
        }
        return rows;
    }

    std::unique_ptr<dh::Game> game;
    dh::GameObject_Ship* ship = nullptr;

private:
    std::array<dh::GLTexture*, dh::kTextureCount> saved_{};
    std::unique_ptr<dh::GLTexture> gauge_;
    std::unique_ptr<dh::GLTexture> button_;
    std::unique_ptr<dh::GLTexture> hovered_;
    std::unique_ptr<dh::GLTexture> target_;
    std::unique_ptr<dh::GLTexture> clear_;
    std::vector<std::uint8_t> frame_;
    int width_ = 0;
    int height_ = 0;
};

}

// Wider than 4:3 the virtual space is 600 high: 1066.7 x 600 at 1280 x 720,
// scale 1.2, so the console's 384 units span 409.6 .. 870.4 around x 640.
TEST_F(Hud, TheConsoleSitsAtTheBottomCentre)
{
    resize(1280, 720);
    draw();
    EXPECT_EQ(litSpan(719), (std::array<int, 2>{410, 869}));
    // The gauges reach 64 units up: from y 643.2.
    EXPECT_FALSE(lit(640, 642));
    EXPECT_TRUE(lit(640, 643));
    EXPECT_EQ(litSpan(600), (std::array<int, 2>{-1, -1}));

    resize(800, 600);
    draw();
    EXPECT_EQ(litSpan(599), (std::array<int, 2>{208, 591}));
    EXPECT_FALSE(lit(400, 535));
    EXPECT_TRUE(lit(400, 536));

    // Taller than 4:3 the width rules: 1024 x 1024 has scale 1.28 and a
    // virtual height of 800, the console at the bottom.
    resize(1024, 1024);
    draw();
    EXPECT_EQ(litSpan(1023), (std::array<int, 2>{266, 757}));
}

TEST_F(Hud, SpeedBarsShowThrottleAndSpeed)
{
    clearPictures({dh::Tex::guageHeatHull});
    ship->targetSpeed = ship->topSpeed;
    ship->velocity = ship->forward() * (ship->topSpeed * 0.5f);
    draw();
    // Target speed between H-40 and H-36, speed between H-44 and H-40.
    EXPECT_EQ(countInRow(561, kGreen), 128);
    EXPECT_EQ(at(336, 561), kGreen);
    EXPECT_EQ(at(463, 561), kGreen);
    EXPECT_EQ(countInRow(557, kGreen), 64);
    EXPECT_EQ(at(336, 557), kGreen);
    EXPECT_EQ(rowsWith(kGreen, 0, 800), 8);

    // Faster than the top speed still fills only the bar.
    ship->targetSpeed = 0.0f;
    ship->velocity = ship->forward() * (ship->topSpeed * 3.0f);
    draw();
    EXPECT_EQ(countInRow(561, kGreen), 0);
    EXPECT_EQ(countInRow(557, kGreen), 128);
}

TEST_F(Hud, HeatAndHullGauges)
{
    clearPictures({dh::Tex::guageSpeeds, dh::Tex::buttonMenu, dh::Tex::buttonMissile, dh::Tex::buttonEmp});
    ship->laser.heat = 1000.0f;
    ship->shield = ship->maxShield;
    draw();
    // A 16-wide bar leaning right, 24 rows above H-8 for half the overheat level.
    EXPECT_EQ(rowsWith(kRed, 0, 400), 24);
    EXPECT_EQ(countInRow(580, kRed), 16);
    EXPECT_EQ(rowsWith(kBlue, 400, 800), 48);
    EXPECT_EQ(countInRow(570, kBlue), 16);

    ship->laser.heat = 0.0f;
    ship->shield = 0.0f;
    draw();
    EXPECT_EQ(rowsWith(kRed, 0, 800), 0);
    EXPECT_EQ(rowsWith(kBlue, 0, 800), 0);
}

TEST_F(Hud, HoveringAButtonPlaysItsSoundOncePerEntry)
{
    SoundCounter sounds;
    draw();
    EXPECT_EQ(sounds.take().over, 0);

    // The missile button's middle: (c - 160, H - 16).
    dh::g_mouseX = 240;
    dh::g_mouseY = 584;
    draw();
    EXPECT_TRUE(game->missileHover);
    EXPECT_EQ(sounds.take().over, 1);
    EXPECT_EQ(at(240, 590), kButtonHovered);
    EXPECT_EQ(at(560, 590), kButton);
    draw();
    EXPECT_EQ(sounds.take().over, 0);

    dh::g_mouseX = 400;
    dh::g_mouseY = 300;
    draw();
    EXPECT_FALSE(game->missileHover);
    EXPECT_EQ(sounds.take().over, 0);
    EXPECT_EQ(at(240, 590), kButton);

    dh::g_mouseX = 240;
    dh::g_mouseY = 584;
    draw();
    EXPECT_EQ(sounds.take().over, 1);

    // Within the drawn rectangle but outside the slanted hit area.
    dh::g_mouseX = 209;
    dh::g_mouseY = 570;
    draw();
    EXPECT_FALSE(game->missileHover);
    EXPECT_EQ(sounds.take().over, 0);

    // The pointer is taken in virtual units: at 1280 x 720 the EMP button's
    // middle (c + 160, H - 16) is at (832, 700.8) in the window.
    resize(1280, 720);
    dh::g_mouseX = 832;
    dh::g_mouseY = 700;
    draw();
    EXPECT_TRUE(game->empHover);
    EXPECT_EQ(sounds.take().over, 1);
}

TEST_F(Hud, TheTargetIsMarkedWhereItProjects)
{
    dh::GameObject* station = game->station();
    station->position = {0.0f, 0.0f, -1000.0f};
    game->human->target = station;
    draw();
    // Straight ahead: the 64-unit square around the centre.
    EXPECT_EQ(litSpan(300), (std::array<int, 2>{368, 431}));
    EXPECT_EQ(at(368, 268), kTarget);
    EXPECT_FALSE(lit(400, 267));
    EXPECT_EQ(at(431, 331), kTarget);

    // A target that has left the world is not marked.
    game->world->objects.detachObject(station);
    draw();
    EXPECT_EQ(litSpan(300), (std::array<int, 2>{-1, -1}));
    game->world->objects.addObject(station);
}

TEST_F(Hud, TheNearestIncomingMissileBeepsEverySevenTenths)
{
    SoundCounter sounds;
    const dh::Vector3 at = ship->position;
    auto* far = new dh::GameObject_Missile(at.x + 3000.0f, at.y, at.z, nullptr, ship);
    auto* near = new dh::GameObject_Missile(at.x, at.y + 1000.0f, at.z, nullptr, ship);
    auto* elsewhere = new dh::GameObject_Missile(at.x + 10.0f, at.y, at.z, nullptr, game->station());
    for (dh::GameObject* missile : {static_cast<dh::GameObject*>(far), static_cast<dh::GameObject*>(near),
                                    static_cast<dh::GameObject*>(elsewhere)}) {
        game->world->objects.addObject(missile);
    }
    EXPECT_EQ(dh::findIncomingMissile(*game), near);

    draw();
    EXPECT_EQ(sounds.take().warning, 1);
    EXPECT_FLOAT_EQ(game->warningBeepTimer, 0.7f);
    game->frameTimer->deltaSeconds = 0.3f;
    draw();
    draw();
    EXPECT_EQ(sounds.take().warning, 0);
    EXPECT_NEAR(game->warningBeepTimer, 0.1f, 1e-6f);
    draw();
    EXPECT_EQ(sounds.take().warning, 0);
    draw();
    EXPECT_EQ(sounds.take().warning, 1);

    game->world->objects.deleteObject(near);
    game->world->objects.deleteObject(far);
    EXPECT_EQ(dh::findIncomingMissile(*game), nullptr);
    draw();
    EXPECT_EQ(game->warningBeepTimer, 0.0f);
}
