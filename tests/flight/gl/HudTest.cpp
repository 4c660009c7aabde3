#include "flight/Game.h"
#include "flight/GameObject_Missile.h"
#include "flight/GameObject_Ship.h"
#include "flight/PlayerHuman.h"
#include "flight/World.h"
#include "flight/Hud.h"
#include "support/GlWindowSupport.h"
#include "support/ToneCounter.h"

#include <array>
#include <memory>

namespace {

using Rgb = std::array<int, 3>;
using Span = std::array<int, 2>;

constexpr Rgb kGauge{100, 100, 100}, kButton{180, 180, 180}, kButtonHovered{250, 200, 40}, kTarget{255, 0, 255};
constexpr Rgb kGreen{0, 255, 0}, kRed{255, 0, 0}, kBlue{0, 0, 255};

// The HUD over black, its pictures replaced by plain colours so that every
// drawn rectangle can be measured. No fonts: labels draw nothing.
class Hud : public testsupport::GlWindowTest {
protected:
    void SetUp() override
    {
        dh::createGLWindow();
        ASSERT_TRUE(dh::isWindowOpen());
        std::swap(saved_, dh::g_textures);
        using T = dh::Tex;
        setPictures(kGauge, {T::guageSpeeds, T::guageHeatHull});
        setPictures(kButton, {T::buttonMenu, T::buttonMissile, T::buttonEmp});
        setPictures(kButtonHovered, {T::buttonMenuH, T::buttonMissileH, T::buttonEmpH});
        setPictures(kTarget, {T::target});
        dh::g_mouseX = dh::g_mouseY = 0;
        game = std::make_unique<dh::Game>("Hud");
        ship = game->playerShip();
        resize(800, 600);
    }
    void TearDown() override
    {
        game.reset();
        dh::g_textures = std::move(saved_);
        resize(800, 600);
    }

    // One colour for the textures; see-through ones by default, as the real
    // pictures are around the gauges.
    void setPictures(Rgb colour, std::initializer_list<dh::Tex> textures, std::uint8_t alpha = 255)
    {
        std::vector<std::uint8_t> pixels(512u * 512u * 4u);
        for (std::size_t i = 0; i < pixels.size(); i += 4)
            for (int c = 0; c < 4; ++c)
                pixels[i + c] = static_cast<std::uint8_t>(c < 3 ? colour[c] : alpha);
        for (dh::Tex tex : textures)
            dh::g_textures[static_cast<std::size_t>(tex)] = std::make_unique<dh::GLTexture>(pixels.data());
    }
    void clearPictures(std::initializer_list<dh::Tex> textures) { setPictures(kTarget, textures, 0); }

    void draw()
    {
        glViewport(0, 0, dh::clientWidth(), dh::clientHeight());
        glClearColor(0.0f, 0.0f, 0.0f, 1.0f);
        glClear(GL_COLOR_BUFFER_BIT);
        dh::setPerspectiveProjection(262144.0f);
        game->updateConsole();
        dh::drawHud(*game);
        frame_ = testsupport::readBackTopDown(GL_RGB, 3);
    }
    void pointAt(int x, int y)
    {
        dh::g_mouseX = x;
        dh::g_mouseY = y;
        draw();
    }

    Rgb at(int x, int y) const
    {
        const std::size_t i = (static_cast<std::size_t>(y) * dh::clientWidth() + x) * 3;
        return {frame_[i], frame_[i + 1], frame_[i + 2]};
    }
    bool lit(int x, int y) const { return at(x, y) != Rgb{0, 0, 0}; }
    // First and last lit column of a row, or {-1, -1}.
    Span litSpan(int y) const
    {
        Span span{-1, -1};
        for (int x = 0; x < dh::clientWidth(); ++x)
            if (lit(x, y))
                span = {span[0] < 0 ? x : span[0], x};
        return span;
    }
    // Pixels of the colour in row y, or rows holding it within the columns [x0, x1).
    int countInRow(int y, Rgb colour, int x0 = 0, int x1 = 800) const
    {
        int n = 0;
        for (int x = x0; x < x1; ++x)
            n += at(x, y) == colour ? 1 : 0;
        return n;
    }
    int rowsWith(Rgb colour, int x0, int x1) const
    {
        int rows = 0;
        for (int y = 0; y < dh::clientHeight(); ++y)
            rows += countInRow(y, colour, x0, x1) > 0 ? 1 : 0;
        return rows;
    }

    std::unique_ptr<dh::Game> game;
    dh::GameObject_Ship* ship = nullptr;

private:
    std::array<std::unique_ptr<dh::GLTexture>, dh::kTextureCount> saved_{};
    std::vector<std::uint8_t> frame_;
};

// Hover, missile warning and an unused third slot, counted on the offline mixer.
struct HudSounds {
    dh::SoundSample* unused = nullptr;
    testsupport::ToneCounter counter{{&dh::sample::buttonOver, &dh::sample::missileIncoming, &unused}, 100, 10000};
    int hovers() { return counter.take()[0]; }
    int warnings() { return counter.take()[1]; }
};

}

TEST_F(Hud, TheConsoleSitsAtTheBottomCentre)
{
    // 1280 x 720 is a virtual 1066.7 x 600 at scale 1.2: the 384-unit console
    // spans 409.6 .. 870.4, and the gauges reach 64 units up, from y 643.2.
    resize(1280, 720);
    draw();
    EXPECT_EQ(litSpan(719), (Span{410, 869}));
    EXPECT_FALSE(lit(640, 642));
    EXPECT_TRUE(lit(640, 643));

    resize(800, 600);
    draw();
    EXPECT_EQ(litSpan(599), (Span{208, 591}));
    EXPECT_FALSE(lit(400, 535));
    EXPECT_TRUE(lit(400, 536));

    // Taller than 4:3 the width rules: scale 1.28, virtual height 800.
    resize(1024, 1024);
    draw();
    EXPECT_EQ(litSpan(1023), (Span{266, 757}));
}

TEST_F(Hud, SpeedHeatAndHullBars)
{
    clearPictures({dh::Tex::guageHeatHull});
    ship->targetSpeed = ship->topSpeed;
    ship->velocity = ship->forward() * (ship->topSpeed * 0.5f);
    draw();
    // Throttle between H-40 and H-36, speed between H-44 and H-40, both from x 336.
    EXPECT_EQ(countInRow(561, kGreen), 128);
    EXPECT_EQ(at(336, 561), kGreen);
    EXPECT_EQ(countInRow(557, kGreen), 64);
    EXPECT_EQ(at(336, 557), kGreen);
    EXPECT_EQ(rowsWith(kGreen, 0, 800), 8);
    // Faster than the top speed still fills only the bar.
    ship->targetSpeed = 0.0f;
    ship->velocity = ship->forward() * (ship->topSpeed * 3.0f);
    draw();
    EXPECT_EQ(countInRow(561, kGreen), 0);
    EXPECT_EQ(countInRow(557, kGreen), 128);

    clearPictures({dh::Tex::guageSpeeds, dh::Tex::buttonMenu, dh::Tex::buttonMissile, dh::Tex::buttonEmp});
    ship->laser.heat = 1000.0f;
    ship->shield = ship->maxShield;
    draw();
    // 16-wide bars leaning right: heat 24 rows (half the overheat level), full shield 48.
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
    HudSounds sounds;
    draw();
    EXPECT_EQ(sounds.hovers(), 0);
    // The missile button's middle: (c - 160, H - 16).
    pointAt(240, 584);
    EXPECT_TRUE(game->missileHover);
    EXPECT_EQ(sounds.hovers(), 1);
    EXPECT_EQ(at(240, 590), kButtonHovered);
    EXPECT_EQ(at(560, 590), kButton);
    draw();
    EXPECT_EQ(sounds.hovers(), 0);

    pointAt(400, 300);
    EXPECT_FALSE(game->missileHover);
    EXPECT_EQ(sounds.hovers(), 0);
    EXPECT_EQ(at(240, 590), kButton);
    pointAt(240, 584);
    EXPECT_EQ(sounds.hovers(), 1);

    // Within the drawn rectangle but outside the slanted hit area.
    pointAt(209, 570);
    EXPECT_FALSE(game->missileHover);
    EXPECT_EQ(sounds.hovers(), 0);

    // The pointer is taken in virtual units: at 1280 x 720 the EMP button's
    // middle (c + 160, H - 16) is at (832, 700.8).
    resize(1280, 720);
    pointAt(832, 700);
    EXPECT_TRUE(game->empHover);
    EXPECT_EQ(sounds.hovers(), 1);
}

TEST_F(Hud, TheTargetIsMarkedWhereItProjects)
{
    dh::GameObject* station = game->station();
    station->position = {0.0f, 0.0f, -1000.0f};
    game->human->target = station;
    draw();
    // Straight ahead: the 64-unit square around the centre.
    EXPECT_EQ(litSpan(300), (Span{368, 431}));
    EXPECT_EQ(at(368, 268), kTarget);
    EXPECT_FALSE(lit(400, 267));

    // A target that has left the world is not marked.
    game->world->objects.detachObject(station);
    draw();
    EXPECT_EQ(litSpan(300), (Span{-1, -1}));
    game->world->objects.addObject(station);
}

TEST_F(Hud, TheNearestIncomingMissileBeepsEverySevenTenths)
{
    HudSounds sounds;
    const dh::Vector3 at = ship->position;
    auto* far = new dh::GameObject_Missile(at.x + 3000.0f, at.y, at.z, nullptr, ship);
    auto* near = new dh::GameObject_Missile(at.x, at.y + 1000.0f, at.z, nullptr, ship);
    auto* elsewhere = new dh::GameObject_Missile(at.x + 10.0f, at.y, at.z, nullptr, game->station());
    for (dh::GameObject* missile : std::initializer_list<dh::GameObject*>{far, near, elsewhere})
        game->world->objects.addObject(missile);
    EXPECT_EQ(dh::findIncomingMissile(*game), near);

    draw();
    EXPECT_EQ(sounds.warnings(), 1);
    EXPECT_FLOAT_EQ(game->warningBeepTimer, 0.7f);
    game->frameTimer->deltaSeconds = 0.3f;
    for (int i = 0; i < 3; ++i)
        draw();
    EXPECT_EQ(sounds.warnings(), 0);
    draw();
    EXPECT_EQ(sounds.warnings(), 1);

    game->world->objects.deleteObject(near);
    game->world->objects.deleteObject(far);
    EXPECT_EQ(dh::findIncomingMissile(*game), nullptr);
    draw();
    EXPECT_EQ(game->warningBeepTimer, 0.0f);
}
