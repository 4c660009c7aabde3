#include "flight/AssistScanner.h"

#include "flight/AssistColour.h"
#include "flight/Game.h"
#include "flight/GameObject_Ship.h"
#include "flight/Hud.h"
#include "flight/Orientation.h"
#include "flight/World.h"
#include "rendering/GLTexture.h"

#include <GL/gl.h>

#include <cmath>

namespace dh {

namespace {

// The art is a 160-unit square; its plane disc is 68 units wide either side.
constexpr float kArtHalfSize = 80.0f;
constexpr float kPlaneRadius = 68.0f;
// The centre sits left of the missile button, clear of the console.
constexpr float kCentreFromConsoleCentre = 280.0f;
constexpr float kCentreAboveBottom = 84.0f;

struct Disc {
    float x;
    float y;
};

void drawArt(const GLTexture& art, Disc centre)
{
    drawHudImage(art, centre.x - kArtHalfSize, centre.y - kArtHalfSize, centre.x + kArtHalfSize,
                 centre.y + kArtHalfSize);
}

// A height mark from the object's place on the plane to its blip.
void drawBlip(const GameObject& ship, Vector3 position, Disc centre, AssistColour colour, float halfSize)
{
    const std::optional<ScannerPlot> plot = AssistScanner::plot(ship, position);
    if (!plot) {
        return;
    }
    const float x = centre.x + plot->x * kPlaneRadius;
    const float foot = centre.y + plot->planeY * kPlaneRadius;
    const float y = centre.y + plot->y * kPlaneRadius;
    glColor3f(colour.r * 0.7f, colour.g * 0.7f, colour.b * 0.7f);
    glBegin(GL_LINES);
    glVertex2f(x, foot);
    glVertex2f(x, y);
    glVertex2f(x - 2.0f, foot);
    glVertex2f(x + 2.0f, foot);
    glEnd();
    glColor3f(colour.r, colour.g, colour.b);
    glBegin(GL_QUADS);
    glVertex2f(x - halfSize, y - halfSize);
    glVertex2f(x + halfSize, y - halfSize);
    glVertex2f(x + halfSize, y + halfSize);
    glVertex2f(x - halfSize, y + halfSize);
    glEnd();
}

}

AssistScanner::AssistScanner() = default;
AssistScanner::~AssistScanner() = default;

std::optional<ScannerPlot> AssistScanner::plot(const GameObject& ship, Vector3 position)
{
    Vector3 local = position;
    worldToLocal(ship, local);
    const float distance = length(local);
    if (distance > kRange) {
        return std::nullopt;
    }
    const float scale = distance > 0.0f ? std::sqrt(distance / kRange) / distance : 0.0f;
    // The cockpit camera looks along the nose turned half round, so the
    // ship's right axis lies on the left of the view.
    const float across = -local.x * scale;
    const float ahead = local.z * scale;
    const float up = local.y * scale;
    return ScannerPlot{across, -ahead * kFlattening, -(ahead + up) * kFlattening};
}

void AssistScanner::draw(const Game& game, float width, float height)
{
    const GameObject* ship = game.playerShip();
    if (ship == nullptr) {
        return;
    }
    if (!art) {
        art = std::make_unique<GLTexture>("gfx/scanner.tga");
    }
    const Disc centre{width * 0.5f - kCentreFromConsoleCentre, height - kCentreAboveBottom};
    drawArt(*art, centre);

    glDisable(GL_TEXTURE_2D);
    glDisable(GL_BLEND);
    if (const GameObject* station = game.station()) {
        drawBlip(*ship, station->position, centre, kAssistStation, 3.5f);
    }
    for (std::uint32_t i = 0; i < game.aiCount; ++i) {
        if (const GameObject* hostile = game.aiShipRefs[i]->object) {
            drawBlip(*ship, hostile->position, centre, kAssistHostile, 2.5f);
        }
    }
    const ObjectList& objects = game.world->objects;
    for (const GameObject* missile = objects.findFirstMissile(); missile != nullptr;
         missile = objects.findNextOfSameKind(missile)) {
        drawBlip(*ship, missile->position, centre, kAssistMissile, 1.5f);
    }
}

}
