#include "flight/FlightAssists.h"
#include "flight/Game.h"
#include "flight/GameObject_Ship.h"
#include "flight/Hud.h"
#include "flight/PlayerAI.h"
#include "flight/Ship_ExplorerMark1.h"
#include "flight/World.h"
#include "support/GlWindowSupport.h"

#include <array>
#include <memory>

namespace {

using Rgb = std::array<int, 3>;

// The HUD with the assists over black, seen from the origin down -z (the
// identity view), the console's pictures left out and no fonts: only the
// assists' drawings and the console's bars show.
class AssistHud : public testsupport::GlWindowTest {
protected:
    void SetUp() override
    {
        dh::createGLWindow();
        ASSERT_TRUE(dh::isWindowOpen());
        std::swap(saved_, dh::g_textures);
        game = std::make_unique<dh::Game>("Assists");
        ship = game->playerShip();
        ship->position = {};
        ship->orientation = dh::Matrix3{};
        resize(800, 600);
    }
    void TearDown() override
    {
        dh::g_flightAssists = false;
        game.reset();
        dh::g_textures = std::move(saved_);
    }

    void draw(bool assists)
    {
        dh::g_flightAssists = assists;
        glViewport(0, 0, dh::clientWidth(), dh::clientHeight());
        glClearColor(0.0f, 0.0f, 0.0f, 1.0f);
        glClear(GL_COLOR_BUFFER_BIT);
        dh::setPerspectiveProjection(262144.0f);
        dh::drawHud(*game);
        frame_ = testsupport::readBackTopDown(GL_RGB, 3);
    }
    Rgb at(int x, int y) const
    {
        const std::size_t i = (static_cast<std::size_t>(y) * dh::clientWidth() + x) * 3;
        return {frame_[i], frame_[i + 1], frame_[i + 2]};
    }
    int litIn(int x0, int y0, int x1, int y1) const
    {
        int n = 0;
        for (int y = y0; y < y1; ++y)
            for (int x = x0; x < x1; ++x)
                n += at(x, y) != Rgb{0, 0, 0} ? 1 : 0;
        return n;
    }
    static bool red(Rgb c) { return c[0] > 200 && c[1] < 80 && c[2] < 80; }
    static bool white(Rgb c) { return c[0] > 200 && c[1] > 200 && c[2] > 200; }
    static bool green(Rgb c) { return c[1] > 200 && c[0] < 100 && c[2] < 120; }

    // A computer ship at x = -6000 flying at the player.
    void addClosingHostile()
    {
        auto* hostile = new dh::Ship_ExplorerMark1(-6000.0f, 0.0f);
        hostile->velocity = {1000.0f, 0.0f, 0.0f};
        auto ref = std::make_unique<dh::ObjectRef>();
        ref->object = hostile;
        game->aiPilots[0] = std::make_unique<dh::PlayerAI>(ref.get(), game->playerShipRef.get());
        game->aiShipRefs[0] = std::move(ref);
        game->world->objects.addObject(hostile);
        game->world->objects.trackRef(game->aiShipRefs[0].get());
        game->aiCount = 1;
    }

    std::unique_ptr<dh::Game> game;
    dh::GameObject_Ship* ship = nullptr;

private:
    std::array<std::unique_ptr<dh::GLTexture>, dh::kTextureCount> saved_{};
    std::vector<std::uint8_t> frame_;
};

}

TEST_F(AssistHud, ScannerAndArrowsOnlyWithTheSwitch)
{
    game->station()->position = {0.0f, 0.0f, 5000.0f};
    addClosingHostile();

    // The scanner's square, left of the console: x 40..200, y 436..596.
    draw(false);
    EXPECT_EQ(litIn(40, 436, 200, 596), 0);
    EXPECT_EQ(litIn(0, 280, 60, 320), 0);
    EXPECT_EQ(litIn(380, 480, 420, 520), 0);

    draw(true);
    EXPECT_GT(litIn(40, 436, 200, 596), 10000);
    // The ship on the player's right (-x: the view's left) shows right of the
    // centre (120, 516), sqrt(6000 / 25000) of the 68-unit plane out.
    EXPECT_TRUE(red(at(153, 516)));
    // The station behind the view: a white arrow pointing down above the
    // console; the closing ship: a red one at the left edge.
    EXPECT_TRUE(white(at(400, 500)));
    EXPECT_TRUE(red(at(34, 300)));
}

TEST_F(AssistHud, CorridorGatesNearTheStation)
{
    // The bay faces the view from 2800 units: the gate 300 units ahead spans
    // 100 units either side of the middle.
    game->station()->position = {0.0f, 0.0f, -3000.0f};
    draw(false);
    EXPECT_EQ(litIn(290, 190, 510, 410), 0);
    draw(true);
    EXPECT_TRUE(green(at(300, 300)));
    EXPECT_TRUE(green(at(500, 250)));
    EXPECT_TRUE(green(at(400, 200)));
    EXPECT_FALSE(green(at(330, 300)));

    // Beyond ten kilometres there is no corridor.
    game->station()->position = {0.0f, 0.0f, -10300.0f};
    draw(true);
    EXPECT_EQ(litIn(290, 190, 510, 410), 0);
}
